// Input.hpp: keyboard and mouse state, fed by the display's event pump (or by a script).
#pragma once

#include "media/Keys.hpp"

#include <array>
#include <cstdint>
#include <deque>

namespace media
{
// Positions are in drawing-surface pixels; the game's logical-screen module maps them to the
// 1024 x 768 logical screen. Hits count presses since they were last read; reading clears them.
class Input
{
public:
    // --- what the game reads
    float mouseX() const { return mouseX_; }
    float mouseY() const { return mouseY_; }
    int mouseHits(int button);           // presses of button 1, 2 or 3 since the last read
    bool mouseDown(int button) const;    // button held now
    int wheel() const { return wheel_; } // total wheel steps so far (away from the user = up)
    int keyHits(int vkey);               // presses since the last read
    bool keyDown(int vkey) const;
    // Whether the latest press of `vkey` came while `heldKey` was down. A quick chord (Alt+F4
    // typed by a tool, or faster than a frame) has let go of everything before the game looks.
    bool keyPressedWith(int vkey, int heldKey) const;
    // The next typed character (a code point; 8 Backspace, 13 Enter, 27 Escape), 0 when none.
    char32_t takeChar();
    void flushKeys();
    void flushMouse();

    // How many events the player has made so far (moves, presses, releases, wheel, typing):
    // it stays the same while no one touches the controls.
    std::uint64_t events() const { return events_; }

    // The window's close button was used since the last clearCloseRequest().
    bool closeRequested() const { return closeRequested_; }
    void clearCloseRequest() { closeRequested_ = false; }

    // --- what the event pump feeds
    void feedMouseMove(float x, float y);
    void feedMouseButton(int button, bool down);
    void feedWheel(int steps)
    {
        wheel_ += steps;
        ++events_;
    }
    void feedKey(int vkey, bool down);
    void feedChar(char32_t c);
    void requestClose() { closeRequested_ = true; }

private:
    static bool validButton(int b) { return b >= 1 && b <= 3; }
    static bool validKey(int k) { return k > 0 && k < key::Count; }

    float mouseX_ = 0;
    float mouseY_ = 0;
    std::array<int, 4> mouseHits_{};
    std::array<bool, 4> mouseDown_{};
    int wheel_ = 0;
    std::array<int, key::Count> keyHits_{};
    std::array<bool, key::Count> keyDown_{};
    std::array<std::array<bool, 8>, key::Count> heldAtPress_{}; // the modifiers below, at the latest press
    std::deque<char32_t> chars_;
    bool closeRequested_ = false;
    std::uint64_t events_ = 0;
};
} // namespace media
