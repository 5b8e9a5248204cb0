// Text boxes: where lines break, how they align, strike-through lines, outlined and clipped
// text; every width measured through the game's own font.
#include "gui/TextLayout.hpp"

#include "gui/Fonts.hpp"
#include "gui/GuiFixture.hpp"
#include "media/Font.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using gui_testing::GuiFixture;

media::Font& font()
{
    return loadFont("gfx/fonts/font.ttf", 20);
}

float widthOf(const std::string& text)
{
    return font().textWidth(text);
}

struct BreakCase
{
    const char* name;
    std::string text;
    std::string fitsOneLine; // the box is exactly as wide as this
    std::vector<std::string> lines;
};

class TextBoxBreaks : public ::testing::TestWithParam<BreakCase>
{};

TEST_P(TextBoxBreaks, WrapWordsIntoTheBox)
{
    GuiFixture f;
    const float width = widthOf(GetParam().fitsOneLine);
    TextBoxLayout layout = layoutTextBox(GetParam().text, width, font(), 3);
    EXPECT_EQ(layout.lines, GetParam().lines);
    EXPECT_EQ(layout.lineHeight, font().height() + 3);
    EXPECT_EQ(measureTextBox(GetParam().text, width, font(), 3),
              (font().height() + 3) * static_cast<int>(GetParam().lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextBoxBreaks,
    ::testing::Values(
        BreakCase{"TheNextWordStartsALine", "one two three", "one two", {"one two", "three"}},
        BreakCase{"EveryLineAsFullAsItCanBe", "a b c a b c", "a b c", {"a b c", "a b c"}},
        BreakCase{"AWordWiderThanTheBoxStandsAlone",
                  "on extraordinarily wide",
                  "on wide",
                  {"on", "extraordinarily", "wide"}},
        BreakCase{"ALongFirstWordMakesNoEmptyLine", "extraordinarily x", "x y", {"extraordinarily", "x"}},
        BreakCase{"DoubleSpacesAreKeptInsideALine", "a  b", "a  b", {"a  b"}},
        BreakCase{"NoTextIsOneEmptyLine", "", "x", {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextBoxAlign, LeftRightAndCentrePlaceEachLine)
{
    GuiFixture f;
    const std::string text = "one two three";
    const float width = widthOf("one two");
    const int h = font().height();
    TextBoxPlacement left = placeTextBox(text, 10, 20, width, "left", font(), 0);
    ASSERT_EQ(left.pieces.size(), 2u);
    EXPECT_EQ(left.height, 2 * h);
    EXPECT_EQ(left.pieces[1].text, "three");
    EXPECT_FLOAT_EQ(left.pieces[1].x, 10);
    EXPECT_FLOAT_EQ(left.pieces[1].y, static_cast<float>(20 + h));

    TextBoxPlacement right = placeTextBox(text, 10, 20, width, " Right ", font(), 0);
    EXPECT_FLOAT_EQ(right.pieces[1].x + widthOf("three"), 10 + width);

    // Centred in a 200-pixel box at x 100: from int(200 - the whole half of the width).
    TextBoxPlacement centre = placeTextBox("three", 100, 0, 200, "CENTER", font(), 0);
    ASSERT_EQ(centre.pieces.size(), 1u);
    EXPECT_FLOAT_EQ(centre.pieces[0].x, static_cast<float>(200 - static_cast<int>(widthOf("three")) / 2));

    // Anything else is left.
    TextBoxPlacement other = placeTextBox(text, 10, 20, width, "middle", font(), 0);
    EXPECT_FLOAT_EQ(other.pieces[0].x, 10);
}

TEST(TextBoxAlign, JustifiedLinesSpanTheBoxButTheLastIsLeft)
{
    GuiFixture f;
    const std::string text = "a bb ccc dd e ff ggg";
    const float width = widthOf("a bb ccc dd");
    TextBoxPlacement placed = placeTextBox(text, 50, 0, width, "justify", font(), 0);
    TextBoxLayout layout = layoutTextBox(text, width, font(), 0);
    ASSERT_GE(layout.lines.size(), 2u);
    // Every word is drawn, the last line whole.
    std::string all;
    for (const PlacedText& p : placed.pieces)
        all += (all.empty() ? "" : " ") + p.text;
    EXPECT_EQ(all, text);
    EXPECT_EQ(placed.pieces.back().text, layout.lines.back());
    EXPECT_FLOAT_EQ(placed.pieces.back().x, 50);
    // The first line starts at x and its last word ends at x + width.
    EXPECT_FLOAT_EQ(placed.pieces[0].x, 50);
    const PlacedText* lastOfFirst = nullptr;
    for (const PlacedText& p : placed.pieces) {
        if (p.y == placed.pieces[0].y)
            lastOfFirst = &p;
    }
    ASSERT_NE(lastOfFirst, &placed.pieces[0]);
    EXPECT_NEAR(lastOfFirst->x + widthOf(lastOfFirst->text), 50 + width, 1e-3);
}

TEST(TextBoxDraw, TheBoxDrawsItsLinesAndMeasuringDrawsNothing)
{
    GuiFixture f;
    const float width = widthOf("one two");
    const int before = f.drawCalls();
    measureTextBox("one two three", width, font(), 0);
    layoutTextBox("one two three", width, font(), 0);
    EXPECT_EQ(f.drawCalls(), before);
    const int height = drawTextBox("one two three", 0, 0, width, "LEFT", font(), 0);
    EXPECT_EQ(height, 2 * font().height());
    // One picture per letter drawn (spaces have none).
    EXPECT_EQ(f.drawCalls() - before, 11);
}

TEST(StrikeLines, OneLineThroughTheMiddleOfEachLineOfTheText)
{
    GuiFixture f;
    const float width = widthOf("one two");
    const int h = font().height() + 4;
    std::vector<StrikeLine> lines = placeStrikeLines("one two three", 10, 100, width, 1, "left", font(), 4);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_FLOAT_EQ(lines[0].y, static_cast<float>(100 + h / 2));
    EXPECT_FLOAT_EQ(lines[1].y, static_cast<float>(100 + h + h / 2));
    EXPECT_FLOAT_EQ(lines[1].x1, 10);
    EXPECT_FLOAT_EQ(lines[1].x2, 10 + widthOf("three"));
    std::vector<StrikeLine> half = placeStrikeLines("three", 0, 0, 200, 0.5f, "center", font(), 0);
    ASSERT_EQ(half.size(), 1u);
    EXPECT_FLOAT_EQ(half[0].x1,
                    static_cast<float>(static_cast<int>(100 - static_cast<int>(widthOf("three")) / 2)));
    EXPECT_FLOAT_EQ(half[0].x2 - half[0].x1, widthOf("three") / 2);
    EXPECT_TRUE(placeStrikeLines("three", 0, 0, 200, 1, "right", font(), 0).empty());
    const int before = f.drawCalls();
    EXPECT_EQ(drawStrikeLines("one two three", 10, 100, width, "left", font(), 4), 2 * h);
    EXPECT_EQ(f.drawCalls() - before, 2);
}

TEST(OutlinedText, FourOutlinesThenTheTextAlignedOnX)
{
    GuiFixture f;
    const int before = f.drawCalls();
    drawOutlinedText(font(), "I", 100, 50, std::nullopt, TRGB{10, 20, 30}, "center");
    EXPECT_EQ(f.drawCalls() - before, 5);
    const auto& state = f.program.display().nullRenderer().lastState();
    EXPECT_EQ(state.red, 10);
    EXPECT_EQ(state.blue, 30);
}

TEST(ClippedText, ShowsTheLastCharactersAfterTwoDots)
{
    GuiFixture f;
    const std::string text = "abcdefghijklmnopqrstuvwxyz";
    const int field = static_cast<int>(widthOf(text) / 2);
    const std::string shown = drawClippedText(font(), text, 0, 0, field);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.substr(0, 2), "..");
    EXPECT_EQ(shown.back(), 'z');
    EXPECT_LE(widthOf(shown), static_cast<float>(field));
    // One more character would not fit.
    const std::string longer = ".." + text.substr(text.size() - shown.size() + 2 - 1);
    EXPECT_GT(widthOf(longer), static_cast<float>(field));
    EXPECT_EQ(clippedText(font(), text, 1), "");
}
} // namespace
