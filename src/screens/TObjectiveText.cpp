// TObjectiveText.cpp
#include "screens/TObjectiveText.hpp"

#include "gui/TextLayout.hpp"
#include "media/Platform.hpp"

int TObjectiveText::draw(media::Font& font, float x, float y, float alpha, float width) const
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(alpha);
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    const int height = drawTextBox(txt, ix, iy, width, "LEFT", font, 2);
    if (win) {
        gfx.setColor(120, 30, 20);
        gfx.setAlpha(0.8f * alpha);
        drawStrikeLines(txt, ix, iy, width, "LEFT", font, 2);
    }
    return height + 4;
}
