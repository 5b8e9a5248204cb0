// TObjectiveText.cpp
#include "screens/TObjectiveText.hpp"

#include "gui/TextLayout.hpp"
#include "media/Platform.hpp"

#include <algorithm>

namespace
{
// The stroke through a reached goal: a dark red ink.
void strokeInk(float alpha)
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(120, 30, 20);
    gfx.setAlpha(0.8f * alpha);
}
} // namespace

int TObjectiveText::draw(media::Font& font, float x, float y, float alpha, float width,
                         const char* align) const
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(0, 0, 0);
    // A reached goal steps back: its words faded to half under the stroke.
    gfx.setAlpha(win ? 0.5f * alpha : alpha);
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    const int height = drawTextBox(txt, ix, iy, width, align, font, 2);
    if (win) {
        strokeInk(alpha);
        drawStrikeLines(txt, ix, iy, width, align, font, 2);
    }
    return height + 4;
}

int TObjectiveText::draw2(media::Font& font, float x, float y, float alpha, float cross, float width,
                          const char* align) const
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(0.5f * alpha);
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    const int height = drawTextBox(txt, ix, iy, width, align, font, 2);
    const float part = std::clamp(cross, 0.0f, 1.0f);
    if (part > 0) {
        strokeInk(alpha);
        drawStrikeLinesPartial(txt, ix, iy, width, part, align, font, 2);
    }
    return height + 4;
}
