// Input.cpp: hit counters and held state.
#include "media/Input.hpp"

namespace media
{
namespace
{
// The keys a press remembers being held with.
constexpr int chordModifiers[8] = {key::LeftAlt,   key::RightAlt,   key::LeftControl, key::RightControl,
                                   key::LeftShift, key::RightShift, key::Alt,         key::Control};

int modifierSlot(int vkey)
{
    for (int i = 0; i < 8; ++i) {
        if (chordModifiers[i] == vkey)
            return i;
    }
    return -1;
}
} // namespace

int Input::mouseHits(int button)
{
    if (!validButton(button))
        return 0;
    int hits = mouseHits_[button];
    mouseHits_[button] = 0;
    return hits;
}

bool Input::mouseDown(int button) const
{
    return validButton(button) && mouseDown_[button];
}

int Input::keyHits(int vkey)
{
    if (!validKey(vkey))
        return 0;
    int hits = keyHits_[vkey];
    keyHits_[vkey] = 0;
    return hits;
}

bool Input::keyDown(int vkey) const
{
    return validKey(vkey) && keyDown_[vkey];
}

bool Input::keyPressedWith(int vkey, int heldKey) const
{
    int slot = modifierSlot(heldKey);
    return validKey(vkey) && slot >= 0 && heldAtPress_[vkey][slot];
}

char32_t Input::takeChar()
{
    if (chars_.empty())
        return 0;
    char32_t c = chars_.front();
    chars_.pop_front();
    return c;
}

void Input::flushKeys()
{
    // Held keys stay held: the state mirrors the keyboard, and the key-up event still comes.
    keyHits_.fill(0);
    chars_.clear();
}

void Input::flushMouse()
{
    mouseHits_.fill(0);
}

void Input::feedMouseMove(float x, float y)
{
    ++events_;
    mouseX_ = x;
    mouseY_ = y;
}

void Input::feedMouseButton(int button, bool down)
{
    ++events_;
    if (!validButton(button))
        return;
    if (down && !mouseDown_[button])
        ++mouseHits_[button];
    mouseDown_[button] = down;
}

void Input::feedKey(int vkey, bool down)
{
    ++events_;
    if (!validKey(vkey))
        return;
    if (down && !keyDown_[vkey]) {
        ++keyHits_[vkey];
        for (int i = 0; i < 8; ++i)
            heldAtPress_[vkey][i] = keyDown_[chordModifiers[i]];
    }
    keyDown_[vkey] = down;
}

void Input::feedChar(char32_t c)
{
    ++events_;
    // A stuck program that never reads characters must not grow the queue without bound.
    if (chars_.size() < 256)
        chars_.push_back(c);
}
} // namespace media
