// CyfryFont.hpp: the digit font: numbers drawn from a picture strip of gold digits.
#pragma once

#include "media/Picture.hpp"

#include <array>
#include <string>

// The strip "gfx/cyfry.png": 11 cells of 30 x 34 (the digits 0-9, then "."), each drawn with
// its top-centre on the pen. The pen moves by a width taken from the character's position in
// the number, not from the digit.
class CyfryFont
{
public:
    static constexpr int cellWidth = 30;
    static constexpr int cellHeight = 34;
    static constexpr std::array<int, 11> advances{16, 18, 18, 16, 17, 16, 16, 18, 18, 18, 18};

    // Draws `n` in decimal from (x, y) with the current colour, alpha and scale.
    void drawNumbers(int n, float x, float y) const;
    // The same for a text of digits and "." (a multiplier such as "1.5"); other characters are
    // skipped, taking no room.
    void drawDigits(const std::string& digits, float x, float y) const;
    static int numbersWidth(int n);
    static int digitsWidth(const std::string& digits);
    static int numbersHeight() { return cellHeight; }

    bool loaded() const { return !strip.empty(); }

    media::Picture strip; // shared with the picture cache
};

// Loads the digit strip "gfx/cyfry.png" (relative to the working folder), filtered and
// mip-mapped; an empty font when it is missing (reported by the picture cache).
CyfryFont loadDigitFont();
