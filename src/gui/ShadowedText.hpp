// ShadowedText.hpp: words with a soft dark shadow under them, readable on any background.
#pragma once

#include <string>

namespace media
{
class Font;
}

// Draws `text` with its top-left corner on (x, y) in the colour (r, g, b) at opacity `alpha`,
// over a dark shadow moved by (dx, dy). Leaves alpha blending, scale 1 and no rotation.
void drawShadowedText(media::Font& font, const std::string& text, float x, float y, int r, int g, int b,
                      float alpha, float dx = 2, float dy = 2);
