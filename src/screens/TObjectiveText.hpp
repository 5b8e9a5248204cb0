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
    // Drawn in black from (x, y) at `alpha`, wrapped to `width` pixels, a reached goal with a
    // stroke through it; returns the height it took.
    int draw(media::Font& font, float x, float y, float alpha, float width) const;

    std::string txt;
    int value = 0;
    int win = 0; // 1 when reached
};
