// SdlKeys.cpp
#include "media/sdl/SdlKeys.hpp"

#include "media/Keys.hpp"

namespace media::sdl
{
int virtualKey(const SDL_Keysym& k)
{
    SDL_Keycode c = k.sym;
    if (c >= SDLK_a && c <= SDLK_z)
        return key::A + (c - SDLK_a);
    if (c >= SDLK_0 && c <= SDLK_9)
        return key::Digit0 + (c - SDLK_0);
    if (c >= SDLK_F1 && c <= SDLK_F12)
        return key::F1 + (c - SDLK_F1);
    if (c >= SDLK_KP_1 && c <= SDLK_KP_9)
        return key::Numpad0 + 1 + (c - SDLK_KP_1);
    switch (c) {
    case SDLK_KP_0: return key::Numpad0;
    case SDLK_BACKSPACE: return key::Backspace;
    case SDLK_TAB: return key::Tab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return key::Enter;
    case SDLK_PAUSE: return key::Pause;
    case SDLK_ESCAPE: return key::Escape;
    case SDLK_SPACE: return key::Space;
    case SDLK_PAGEUP: return key::PageUp;
    case SDLK_PAGEDOWN: return key::PageDown;
    case SDLK_END: return key::End;
    case SDLK_HOME: return key::Home;
    case SDLK_LEFT: return key::Left;
    case SDLK_UP: return key::Up;
    case SDLK_RIGHT: return key::Right;
    case SDLK_DOWN: return key::Down;
    case SDLK_INSERT: return key::Insert;
    case SDLK_DELETE: return key::Delete;
    case SDLK_LSHIFT: return key::LeftShift;
    case SDLK_RSHIFT: return key::RightShift;
    case SDLK_LCTRL: return key::LeftControl;
    case SDLK_RCTRL: return key::RightControl;
    case SDLK_LALT: return key::LeftAlt;
    case SDLK_RALT: return key::RightAlt;
    default: return 0;
    }
}

int genericModifier(int vkey)
{
    switch (vkey) {
    case key::LeftShift:
    case key::RightShift: return key::Shift;
    case key::LeftControl:
    case key::RightControl: return key::Control;
    case key::LeftAlt:
    case key::RightAlt: return key::Alt;
    default: return 0;
    }
}

char32_t controlChar(const SDL_Keysym& k)
{
    switch (k.sym) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_ESCAPE: return 27;
    default: return 0;
    }
}
} // namespace media::sdl
