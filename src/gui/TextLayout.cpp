// TextLayout.cpp
#include "gui/TextLayout.hpp"

#include "media/Font.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

#include <string_view>
#include <unordered_map>

namespace
{
// Whole-number half of a width, as the centring rules count it.
int halfOf(float width)
{
    return static_cast<int>(width) / 2;
}

int centredX(int x, float width, float lineWidth)
{
    return static_cast<int>(static_cast<float>(x) + width / 2 - static_cast<float>(halfOf(lineWidth)));
}

std::vector<std::string> wordsOf(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line + " ") {
        if (c == ' ') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

// Widths of growing lines, measured a word at a time. The sums run exactly as the font sums a
// whole text (kerning plus advance, character after character), so a line measured this way
// has the very width the font gives it, at the cost of its new characters only.
class LineMeasure
{
public:
    struct Run
    {
        float width = 0;
        char32_t previous = 0;
    };

    explicit LineMeasure(media::Font& font) : font_(font) {}

    Run extend(Run run, std::u32string_view more)
    {
        for (char32_t c : more) {
            if (c == '\r' || c == '\n')
                continue;
            run.width += font_.kerning(run.previous, c) + advance(c);
            run.previous = c;
        }
        return run;
    }

private:
    float advance(char32_t c)
    {
        auto found = advances_.find(c);
        if (found != advances_.end())
            return found->second;
        std::string one;
        media::text::appendUtf8(one, c);
        return advances_.emplace(c, font_.textWidth(one)).first->second;
    }

    media::Font& font_;
    std::unordered_map<char32_t, float> advances_;
};
} // namespace

TextAlign textAlign(const std::string& align)
{
    const std::string a = media::text::toUpper(media::text::trim(align));
    if (a == "RIGHT")
        return TextAlign::Right;
    if (a == "CENTER")
        return TextAlign::Center;
    if (a == "JUSTIFY")
        return TextAlign::Justify;
    return TextAlign::Left;
}

const char* alignName(TextAlign align)
{
    switch (align) {
    case TextAlign::Right: return "RIGHT";
    case TextAlign::Center: return "CENTER";
    case TextAlign::Justify: return "JUSTIFY";
    case TextAlign::Left: break;
    }
    return "LEFT";
}

int textHeight(media::Font& font)
{
    return font.height();
}

TextBoxLayout layoutTextBox(const std::string& text, float width, media::Font& font, int lineGap)
{
    TextBoxLayout layout;
    layout.lineHeight = textHeight(font) + lineGap;
    LineMeasure measure(font);
    std::string line;
    LineMeasure::Run lineRun;
    std::string word;
    auto place = [&] {
        const std::u32string letters = media::text::toUtf32(word);
        // A word that does not fit on an empty line takes the line for itself.
        if (line.empty()) {
            line = word;
            lineRun = measure.extend({}, letters);
            return;
        }
        const LineMeasure::Run longer = measure.extend(measure.extend(lineRun, U" "), letters);
        if (longer.width > width) {
            layout.lines.push_back(media::text::trim(line));
            line = word;
            lineRun = measure.extend({}, letters);
        } else {
            line += " " + word;
            lineRun = longer;
        }
    };
    for (char c : text + " ") {
        if (c == ' ') {
            place();
            word.clear();
        } else {
            word += c;
        }
    }
    layout.lines.push_back(media::text::trim(line));
    return layout;
}

int measureTextBox(const std::string& text, float width, media::Font& font, int lineGap)
{
    return layoutTextBox(text, width, font, lineGap).height();
}

TextBoxPlacement placeTextBox(const std::string& text, int x, int y, float width, const std::string& align,
                              media::Font& font, int lineGap)
{
    const TextBoxLayout layout = layoutTextBox(text, width, font, lineGap);
    const TextAlign a = textAlign(align);
    TextBoxPlacement placement;
    placement.height = layout.height();
    const auto fx = static_cast<float>(x);
    for (std::size_t k = 0; k < layout.lines.size(); ++k) {
        const std::string& line = layout.lines[k];
        const auto fy = static_cast<float>(y + layout.lineHeight * static_cast<int>(k));
        const bool last = k + 1 == layout.lines.size();
        switch (a) {
        case TextAlign::Left: placement.pieces.push_back({line, fx, fy}); break;
        case TextAlign::Right:
            placement.pieces.push_back({line, fx + width - font.textWidth(line), fy});
            break;
        case TextAlign::Center:
            placement.pieces.push_back(
                {line, static_cast<float>(centredX(x, width, font.textWidth(line))), fy});
            break;
        case TextAlign::Justify: {
            // The words of a full line spread so the first starts at x and the last ends at x + width.
            std::vector<std::string> words = wordsOf(line);
            if (last || words.size() < 2) {
                placement.pieces.push_back({line, fx, fy});
                break;
            }
            float used = 0;
            for (const std::string& w : words)
                used += font.textWidth(w);
            const float gap = (width - used) / static_cast<float>(words.size() - 1);
            float at = fx;
            for (const std::string& w : words) {
                placement.pieces.push_back({w, at, fy});
                at += font.textWidth(w) + gap;
            }
            break;
        }
        }
    }
    return placement;
}

int drawTextBox(const std::string& text, int x, int y, float width, const std::string& align,
                media::Font& font, int lineGap)
{
    const TextBoxPlacement placement = placeTextBox(text, x, y, width, align, font, lineGap);
    media::Renderer& gfx = media::gfx();
    for (const PlacedText& piece : placement.pieces)
        gfx.drawText(font, piece.text, piece.x, piece.y);
    return placement.height;
}

std::vector<StrikeLine> placeStrikeLines(const std::string& text, int x, int y, float width, float part,
                                         const std::string& align, media::Font& font, int lineGap)
{
    const TextBoxLayout layout = layoutTextBox(text, width, font, lineGap);
    const TextAlign a = textAlign(align);
    std::vector<StrikeLine> lines;
    if (a != TextAlign::Left && a != TextAlign::Center)
        return lines;
    const int h = layout.lineHeight;
    for (std::size_t k = 0; k < layout.lines.size(); ++k) {
        const float lineWidth = font.textWidth(layout.lines[k]);
        const auto from = static_cast<float>(a == TextAlign::Left ? x : centredX(x, width, lineWidth));
        // Every line is struck through its own middle.
        const auto at = static_cast<float>(y + h * static_cast<int>(k) + h / 2);
        lines.push_back({from, from + lineWidth * part, at});
    }
    return lines;
}

int drawStrikeLines(const std::string& text, int x, int y, float width, const std::string& align,
                    media::Font& font, int lineGap)
{
    return drawStrikeLinesPartial(text, x, y, width, 1.0f, align, font, lineGap);
}

int drawStrikeLinesPartial(const std::string& text, int x, int y, float width, float part,
                           const std::string& align, media::Font& font, int lineGap)
{
    media::Renderer& gfx = media::gfx();
    for (const StrikeLine& line : placeStrikeLines(text, x, y, width, part, align, font, lineGap))
        gfx.drawLine(line.x1, line.y, line.x2, line.y);
    return measureTextBox(text, width, font, lineGap);
}

int drawOutlinedText(media::Font& font, const std::string& text, int x, int y, std::optional<TRGB> outline,
                     std::optional<TRGB> colour, const std::string& align)
{
    const TextAlign a = textAlign(align);
    if (a == TextAlign::Right)
        x -= static_cast<int>(font.textWidth(text));
    else if (a == TextAlign::Center)
        x -= halfOf(font.textWidth(text));
    media::Renderer& gfx = media::gfx();
    const TRGB around = outline.value_or(TRGB{0, 0, 0});
    gfx.setColor(around.r, around.g, around.b);
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    gfx.drawText(font, text, fx - 1, fy - 1);
    gfx.drawText(font, text, fx + 1, fy - 1);
    gfx.drawText(font, text, fx - 1, fy + 1);
    gfx.drawText(font, text, fx + 1, fy + 1);
    const TRGB inside = colour.value_or(TRGB{});
    gfx.setColor(inside.r, inside.g, inside.b);
    gfx.drawText(font, text, fx, fy);
    return 1;
}

std::string clippedText(media::Font& font, const std::string& text, int maxWidth)
{
    const std::size_t n = media::text::length(text);
    for (std::size_t i = 0; i <= n; ++i) {
        std::string candidate = ".." + media::text::substr(text, i);
        if (font.textWidth(candidate) <= static_cast<float>(maxWidth))
            return candidate;
    }
    return "";
}

std::string drawClippedText(media::Font& font, const std::string& text, int x, int y, int maxWidth)
{
    std::string shown = clippedText(font, text, maxWidth);
    media::gfx().drawText(font, shown, static_cast<float>(x), static_cast<float>(y));
    return shown;
}
