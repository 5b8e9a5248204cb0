// SdlKeys.hpp: SDL key events as the game's key codes.
#pragma once

#include <SDL.h>

namespace media::sdl
{
// The game's key code for a key, or 0 when the game has no name for it.
int virtualKey(const SDL_Keysym& key);
// The generic code a modifier also counts as (Shift 16, Control 17, Alt 18), else 0.
int genericModifier(int vkey);
// The character a key types into the queue besides text (8, 9, 13, 27), else 0.
char32_t controlChar(const SDL_Keysym& key);
} // namespace media::sdl
