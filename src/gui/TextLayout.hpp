// TextLayout.hpp: text boxes (wrapped and aligned), struck-through lines, outlined text and
// text clipped to a width. Every function draws with the current colour, alpha and scale.
#pragma once

#include "gui/TRGB.hpp"

#include <optional>
#include <string>
#include <vector>

namespace media
{
class Font;
}

enum class TextAlign
{
    Left,
    Right,
    Center,
    Justify
};

// "LEFT", "RIGHT", "CENTER" or "JUSTIFY" in any letter case, blanks around allowed; anything
// else is LEFT.
TextAlign textAlign(const std::string& align);
// The name textAlign reads as `align` ("LEFT", "RIGHT", "CENTER", "JUSTIFY").
const char* alignName(TextAlign align);

// The height the layout counts for a line of the font (the height of "A").
int textHeight(media::Font& font);

// The lines a text breaks into in a box, without drawing anything.
struct TextBoxLayout
{
    std::vector<std::string> lines; // trimmed
    int lineHeight = 0;             // text height + line gap
    int height() const { return lineHeight * static_cast<int>(lines.size()); }
};

// Words are the pieces between single spaces; a word that would make its line wider than
// `width` starts the next line. A word wider than the box stands alone on its line.
TextBoxLayout layoutTextBox(const std::string& text, float width, media::Font& font, int lineGap);

// The height drawTextBox would use, without drawing.
int measureTextBox(const std::string& text, float width, media::Font& font, int lineGap);

// A piece of text and where its top-left corner goes: a line, or a word of a justified line.
struct PlacedText
{
    std::string text;
    float x = 0;
    float y = 0;
};
struct TextBoxPlacement
{
    std::vector<PlacedText> pieces;
    int height = 0;
};
// Where drawTextBox puts everything, without drawing.
TextBoxPlacement placeTextBox(const std::string& text, int x, int y, float width, const std::string& align,
                              media::Font& font, int lineGap);

// Draws the text wrapped into a box `width` wide from (x, y) and returns the height used.
// A justified box spreads each full line across the width; its last line is left-aligned.
int drawTextBox(const std::string& text, int x, int y, float width, const std::string& align,
                media::Font& font, int lineGap);

// Instead of the text, a horizontal line through the middle of each wrapped line, as long as
// the line (times `part` for the partial form); LEFT and CENTER only. Returns the height, as
// drawTextBox.
struct StrikeLine
{
    float x1 = 0;
    float x2 = 0;
    float y = 0;
};
std::vector<StrikeLine> placeStrikeLines(const std::string& text, int x, int y, float width, float part,
                                         const std::string& align, media::Font& font, int lineGap);
int drawStrikeLines(const std::string& text, int x, int y, float width, const std::string& align,
                    media::Font& font, int lineGap);
int drawStrikeLinesPartial(const std::string& text, int x, int y, float width, float part,
                           const std::string& align, media::Font& font, int lineGap);

// The text with a 1-pixel outline (black when none) under it in `colour` (white when none);
// RIGHT ends it at x, CENTER centres it on x.
int drawOutlinedText(media::Font& font, const std::string& text, int x, int y, std::optional<TRGB> outline,
                     std::optional<TRGB> colour, const std::string& align);

// ".." + the longest tail of `text` that fits in maxWidth, or "" when not even ".." does.
std::string clippedText(media::Font& font, const std::string& text, int maxWidth);
// Draws clippedText at (x, y) and returns it.
std::string drawClippedText(media::Font& font, const std::string& text, int x, int y, int maxWidth);
