// TObjectiveText.hpp: one line of a stage's goals as the player reads it ("Clear 3 levels
// without a card left"), with the number it asks for and whether it has been reached.
#pragma once

#include <string>

namespace media
{
class Font;
}

class TObjectiveText
{
public:
    // Drawn in black from (x, y) at `alpha`, wrapped to `width` pixels and aligned by `align`
    // ("LEFT" or "CENTER"), a reached goal with a stroke through it; returns the height it took.
    int draw(media::Font& font, float x, float y, float alpha, float width, const char* align = "LEFT") const;
    // The line being crossed out: the text faded to half, the stroke drawn over the fraction
    // `cross` (0 to 1) of each wrapped line; returns the height, as draw.
    int draw2(media::Font& font, float x, float y, float alpha, float cross, float width,
              const char* align = "CENTER") const;

    std::string txt;
    int value = 0;
    int win = 0; // 1 when reached
};
