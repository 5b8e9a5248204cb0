// TSowa.hpp: the owl in the title screen's tree. It blinks every few seconds, follows the
// pointer with its pupils, and when clicked plays with its eyes.
#pragma once

#include "media/Picture.hpp"

#include <array>

class TSowa
{
public:
    enum class State
    {
        Idle,
        Blinking,
        EyePlay
    };

    static constexpr std::size_t frameCount = 9;
    // Where the owl's handle sits on its branch, and where its pupils rest.
    static constexpr float perchX = 744;
    static constexpr float perchY = 185;
    static constexpr float leftEyeX = 735;
    static constexpr float rightEyeX = 758;
    static constexpr float eyeY = 109;

    // One frame of its animation on the millisecond clock.
    void update();
    // The click: the eye play (frames 6 to 8), then a rest before the next blink.
    void eyes();
    // Runs update(); at intro progress `per` (the owl shows its closed eyes until the intro is
    // over), zoomed with the tree; the pupils look toward the pointer.
    void draw(float per, float pointerX, float pointerY);
    // The picture shown now, 0..8.
    int shownFrame() const;
    // Whether the pupils are drawn over the frame shown now.
    bool pupilsShown() const;

    float frame = 0;
    long long time = 0; // clock time of the next blink
    State state = State::Idle;
    std::array<media::Picture, frameCount> img;
    float x = perchX, y = perchY;
    media::Picture oko;

private:
    void _drawEyes(float pointerX, float pointerY, float zoom) const;
};
