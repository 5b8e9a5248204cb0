// TSowa.cpp
#include "effects/TSowa.hpp"

#include "base/Program.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float pi = 3.14159265358979f;
}

void TSowa::update()
{
    const long long now = media::clock().millisecs();
    const float delta = base::program().delta;
    if (now > time) {
        // A blink comes on time, also in the middle of the eye play.
        time = now + 3000;
        state = State::Blinking;
    }
    if (state == State::Blinking) {
        frame += 0.1f * delta;
        if (frame > 5) {
            frame = 0;
            time = now + 3000;
            state = State::Idle;
        }
    } else if (state == State::EyePlay) {
        frame += 0.1f * delta;
        if (frame > 8) {
            frame = 0;
            time = now + 1500;
            state = State::Idle;
        }
    }
}

void TSowa::eyes()
{
    frame = 6;
    time = media::clock().millisecs() + 4000;
    state = State::EyePlay;
}

int TSowa::shownFrame() const
{
    return std::clamp(static_cast<int>(frame), 0, static_cast<int>(frameCount) - 1);
}

bool TSowa::pupilsShown() const
{
    const int f = shownFrame();
    return f == 0 || f == 2 || f == 3 || f == 4 || f == 8;
}

void TSowa::draw(float per, float pointerX, float pointerY)
{
    update();
    if (per < 1)
        frame = 1;
    const float z = 0.4f - 0.4f * std::sin(pi / 2 * per);
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setAlpha(1);
    gfx.setRotation(0);
    gfx.setScale(1 + z, 1 + z);
    gfx.drawPicture(img[static_cast<std::size_t>(shownFrame())], 512 + (x - 512) * (1 + z),
                    384 + (y - 384) * (1 + z));
    if (pupilsShown())
        _drawEyes(pointerX, pointerY, z);
    gfx.setScale(1, 1);
}

void TSowa::_drawEyes(float pointerX, float pointerY, float zoom) const
{
    media::Renderer& gfx = media::gfx();
    for (float cx : {leftEyeX, rightEyeX}) {
        const float angle = std::atan2(pointerY - eyeY, pointerX - cx);
        const float px = cx + 2 * std::cos(angle);
        const float py = eyeY + 2 * std::sin(angle);
        // Zoomed with the owl, so the pupils stay in its eyes (the intro shows closed eyes).
        gfx.drawPicture(oko, 512 + (px - 512) * (1 + zoom), 384 + (py - 384) * (1 + zoom));
    }
}
