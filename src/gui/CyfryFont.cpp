// CyfryFont.cpp
#include "gui/CyfryFont.hpp"

#include "media/Platform.hpp"

#include <algorithm>

namespace
{
// The strip's cell for a character; -1 for one it has no cell for (a minus sign, say).
int cellOf(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return c == '.' ? 10 : -1;
}

// The pen's step after the character drawn at `position`; numbers longer than the table
// keep its last width.
int advanceAt(std::size_t position)
{
    return CyfryFont::advances[std::min(position, CyfryFont::advances.size() - 1)];
}
} // namespace

void CyfryFont::drawDigits(const std::string& digits, float x, float y) const
{
    media::Renderer& gfx = media::gfx();
    std::size_t position = 0;
    for (char c : digits) {
        const int cell = cellOf(c);
        if (cell < 0)
            continue;
        gfx.drawPicture(strip, x, y, cell);
        x += static_cast<float>(advanceAt(position++));
    }
}

void CyfryFont::drawNumbers(int n, float x, float y) const
{
    drawDigits(std::to_string(n), x, y);
}

int CyfryFont::digitsWidth(const std::string& digits)
{
    int width = 0;
    std::size_t position = 0;
    for (char c : digits) {
        if (cellOf(c) >= 0)
            width += advanceAt(position++);
    }
    return width;
}

int CyfryFont::numbersWidth(int n)
{
    return digitsWidth(std::to_string(n));
}

CyfryFont loadDigitFont()
{
    CyfryFont font;
    font.strip = media::pictures().loadStrip("gfx/cyfry.png", CyfryFont::cellWidth, CyfryFont::cellHeight, 0,
                                             11, media::Masked | media::Filtered | media::MipMapped);
    font.strip.setHandle(15, 0);
    return font;
}
