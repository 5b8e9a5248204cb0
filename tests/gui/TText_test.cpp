// Texts from description files: their keys, the colour (none is black), the drop shadow drawn
// first, opacity 0, alignment and the height they take.
#include "gui/TText.hpp"

#include "gui/GuiFixture.hpp"
#include "media/Font.hpp"
#include "media/null/NullRenderer.hpp"

#include <gtest/gtest.h>

namespace
{
using gui_testing::GuiFixture;
using Recorded = media::NullRenderer::Recorded;

// A container with the texts declared by `body`, and a font f of size 20.
std::unique_ptr<TGui> texts(GuiFixture& f, const std::string& body)
{
    f.write("ui/x.gui", "FONT f { URL = x SIZE = 20 }\n" + body);
    return loadGui("ui/x.gui");
}

// What one draw of the container sends to the screen.
std::vector<Recorded> drawn(GuiFixture& f, TGui& gui)
{
    media::NullRenderer& r = f.program.display().nullRenderer();
    r.startRecording();
    gui.draw();
    return r.recorded();
}

struct Colour
{
    int r, g, b;
};

Colour colourOf(const Recorded& call)
{
    return {call.state.red, call.state.green, call.state.blue};
}

bool operator==(const Colour& a, const Colour& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

void PrintTo(const Colour& c, std::ostream* os)
{
    *os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// --- colour

struct ColourCase
{
    const char* name;
    std::string keys;
    Colour drawnIn;
};

class TextColour : public ::testing::TestWithParam<ColourCase>
{};

TEST_P(TextColour, EveryLetterIsDrawnInIt)
{
    GuiFixture f;
    auto gui =
        texts(f, "TEXT t { POSITION = \"10 10\" FONT = f TXT = \"Hello there\" " + GetParam().keys + " }");
    const std::vector<Recorded> calls = drawn(f, *gui);
    ASSERT_EQ(calls.size(), 10u); // one a letter, none for the space
    for (const Recorded& call : calls)
        EXPECT_EQ(colourOf(call), GetParam().drawnIn);
}

INSTANTIATE_TEST_SUITE_P(Keys, TextColour,
                         ::testing::Values(ColourCase{"WhiteByDefault", "", {255, 255, 255}},
                                           ColourCase{"AsGiven", "RGB = \"10 20 30\"", {10, 20, 30}},
                                           ColourCase{"NoColourIsBlack", "RGB = \"-1 20 30\"", {0, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- shadow

TEST(TextShadow, IsDrawnFirstOnePixelRightAndDownInItsColour)
{
    GuiFixture f;
    auto gui = texts(f, "TEXT t { POSITION = \"100 50\" FONT = f TXT = \"Hi there\" RGB = \"200 100 50\" "
                        "SHADOW = \"1 2 3\" }");
    const std::vector<Recorded> calls = drawn(f, *gui);
    ASSERT_EQ(calls.size(), 14u);
    const std::size_t n = calls.size() / 2;
    for (std::size_t i = 0; i < n; ++i) {
        const Recorded& shadow = calls[i];
        const Recorded& letter = calls[n + i];
        EXPECT_EQ(colourOf(shadow), (Colour{1, 2, 3})) << i;
        EXPECT_EQ(colourOf(letter), (Colour{200, 100, 50})) << i;
        EXPECT_EQ(shadow.sprite.source, letter.sprite.source) << i;
        EXPECT_FLOAT_EQ(shadow.sprite.x, letter.sprite.x + 1) << i;
        EXPECT_FLOAT_EQ(shadow.sprite.y, letter.sprite.y + 1) << i;
    }
    // The first letter of the text itself stands where the box starts.
    EXPECT_NEAR(calls[n].sprite.x, 100, 3);
}

TEST(TextShadow, AShadowWithoutColourIsNotDrawn)
{
    GuiFixture f;
    auto gui = texts(f, "TEXT t { FONT = f TXT = Hi SHADOW = \"-1 0 0\" }");
    auto t = gui->getItemAs<TText>("t");
    EXPECT_EQ(t->_shadow, 1);
    EXPECT_EQ(drawn(f, *gui).size(), 2u);
}

// --- opacity

TEST(TextOpacity, AtZeroNothingIsDrawnAndTheLastHeightStays)
{
    GuiFixture f;
    auto gui = texts(f, "TEXT t { FONT = f POSITION = \"0 0 60\" TXT = \"one two three four\" }");
    auto t = gui->getItemAs<TText>("t");
    media::Font& font = *gui->_fonts.at(0)._font;
    ASSERT_FALSE(drawn(f, *gui).empty());
    const float tall = t->dim.h;
    EXPECT_GE(tall, 2.0f * static_cast<float>(font.height()));
    t->_txt = "one";
    t->_alpha = 0;
    EXPECT_TRUE(drawn(f, *gui).empty());
    EXPECT_FLOAT_EQ(t->dim.h, tall);
    // Seen again, the box takes the one line it now needs.
    t->_alpha = 0.5f;
    const std::vector<Recorded> calls = drawn(f, *gui);
    ASSERT_FALSE(calls.empty());
    EXPECT_FLOAT_EQ(calls[0].state.alpha, 0.5f);
    EXPECT_FLOAT_EQ(t->dim.h, static_cast<float>(font.height()));
}

// --- the declaration

TEST(TextDeclaration, KeysAndTheirDefaults)
{
    GuiFixture f;
    f.write("txt/en/words.txt", "first\nsecond line\n");
    auto gui = texts(f, "TEXT plain { }\n"
                        "TEXT given { POSITION = \"12 34 200\" TXT = \"[../txt/#LANG#/words.txt|2]\" "
                        "FONT = f ALIGN = \" center \" VISIBLE = false ACTIVE = FALSE }");
    auto plain = gui->getItemAs<TText>("plain");
    auto given = gui->getItemAs<TText>("given");
    ASSERT_TRUE(plain && given);
    EXPECT_EQ(plain->_txt, "");
    EXPECT_FLOAT_EQ(plain->dim.w, TText::unboundedWidth);
    EXPECT_EQ(plain->_align, TextAlign::Left);
    EXPECT_EQ(plain->_shadow, 0);
    EXPECT_EQ(plain->_font, nullptr);
    EXPECT_EQ(plain->_v + plain->_a, 2);

    EXPECT_EQ(given->_txt, "second line");
    EXPECT_FLOAT_EQ(given->dim.x, 12);
    EXPECT_FLOAT_EQ(given->dim.y, 34);
    EXPECT_FLOAT_EQ(given->dim.w, 200);
    EXPECT_EQ(given->_font, gui->_fonts.at(0)._font);
    EXPECT_EQ(given->_align, TextAlign::Center);
    EXPECT_EQ(given->_v + given->_a, 0);
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

TEST(TextDeclaration, AReferenceToAMissingLineShowsThePlaceholder)
{
    GuiFixture f;
    f.write("txt/en/words.txt", "first\n");
    auto gui = texts(f, "TEXT t { TXT = \"[../txt/en/words.txt|7]\" }\nTEXT u { TXT = [ }");
    EXPECT_EQ(gui->getItemAs<TText>("t")->_txt, "(BEYOND TEXT ARRAY LENGTH!)");
    EXPECT_EQ(gui->getItemAs<TText>("u")->_txt, "[");
}

TEST(TextDeclaration, TheReferenceReaderTakesPathsFromTheWorkingFolderWithoutAContainer)
{
    GuiFixture f;
    f.write("txt/en/words.txt", "first\nsecond\n");
    EXPECT_EQ(TText::odczytajTekst("[txt/#LANG#/words.txt|1]"), "first");
}

struct AlignCase
{
    const char* name;
    std::string written;
    TextAlign align;
};

class TextAlignment : public ::testing::TestWithParam<AlignCase>
{};

TEST_P(TextAlignment, IsReadInAnyLetterCaseAndAnythingElseIsLeft)
{
    GuiFixture f;
    auto gui = texts(f, "TEXT t { ALIGN = \"" + GetParam().written + "\" }");
    EXPECT_EQ(gui->getItemAs<TText>("t")->_align, GetParam().align);
}

INSTANTIATE_TEST_SUITE_P(Names, TextAlignment,
                         ::testing::Values(AlignCase{"Right", "right", TextAlign::Right},
                                           AlignCase{"Centre", "Center", TextAlign::Center},
                                           AlignCase{"Justify", "JUSTIFY", TextAlign::Justify},
                                           AlignCase{"Left", "LEFT", TextAlign::Left},
                                           AlignCase{"Other", "middle", TextAlign::Left}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextAlignment, SetAlignIgnoresANameItDoesNotKnow)
{
    TText t;
    t.setAlign("right");
    EXPECT_EQ(t._align, TextAlign::Right);
    t.setAlign("middle");
    EXPECT_EQ(t._align, TextAlign::Right);
    t.setAlign("Justify");
    EXPECT_EQ(t._align, TextAlign::Justify);
}

TEST(TextAlignment, ARightAlignedBoxEndsItsLinesAtItsRightEdge)
{
    GuiFixture f;
    auto gui = texts(f, "TEXT t { FONT = f POSITION = \"100 0 300\" ALIGN = RIGHT TXT = Hi }");
    media::Font& font = *gui->_fonts.at(0)._font;
    const std::vector<Recorded> calls = drawn(f, *gui);
    ASSERT_EQ(calls.size(), 2u);
    // Drawn where a left-aligned "Hi" would be, moved by the room left in the box.
    auto left = texts(f, "TEXT t { FONT = f POSITION = \"100 0 300\" TXT = Hi }");
    const std::vector<Recorded> leftCalls = drawn(f, *left);
    ASSERT_EQ(leftCalls.size(), 2u);
    EXPECT_NEAR(calls[0].sprite.x - leftCalls[0].sprite.x, 300 - font.textWidth("Hi"), 1.0);
}

TEST(TextHeight, CountHMeasuresTheWrappedLinesWithoutDrawing)
{
    GuiFixture f;
    auto gui = texts(f, "TEXT t { FONT = f POSITION = \"0 0 1\" TXT = \"a b c\" }");
    auto t = gui->getItemAs<TText>("t");
    media::Font& font = *gui->_fonts.at(0)._font;
    const int before = f.drawCalls();
    EXPECT_EQ(t->countH(), 3 * font.height());
    t->_adW = 4;
    EXPECT_EQ(t->countH(), 3 * (font.height() + 4));
    EXPECT_EQ(f.drawCalls(), before);
}

TEST(TextDrawing, TheParentsOffsetMovesTheText)
{
    GuiFixture f;
    auto gui = texts(f, "TEXT t { FONT = f POSITION = \"10 20\" TXT = H }");
    auto t = gui->getItemAs<TText>("t");
    media::NullRenderer& r = f.program.display().nullRenderer();
    r.startRecording();
    t->draw(0, 0);
    t->draw(30, 40);
    ASSERT_EQ(r.recorded().size(), 2u);
    EXPECT_FLOAT_EQ(r.recorded()[1].sprite.x - r.recorded()[0].sprite.x, 30);
    EXPECT_FLOAT_EQ(r.recorded()[1].sprite.y - r.recorded()[0].sprite.y, 40);
}
} // namespace
