// Text fields from description files: which typed characters a field takes from the shared
// queue and when, Enter as a click, the caret, and a text wider than the field.
#include "gui/TTextEntry.hpp"

#include "gui/GuiFixture.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/null/NullRenderer.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace
{
using gui_testing::GuiFixture;

constexpr char32_t backspace = 8;
constexpr char32_t tab = 9;
constexpr char32_t enter = 13;
constexpr char32_t escape = 27;
constexpr char32_t del = 127;
constexpr char32_t eSharp = 0xDF; // a letter outside ASCII, two bytes in UTF-8

// A container with the fields declared by `body`.
std::unique_ptr<TGui> fields(GuiFixture& f, const std::string& body)
{
    f.write("x.gui", "FONT f { URL = x SIZE = 20 }\n" + body);
    return loadGui("x.gui");
}

// Everything left in the typed-character queue.
std::u32string queueLeft(GuiFixture& f)
{
    std::u32string left;
    while (char32_t c = f.input().takeChar())
        left += c;
    return left;
}

// --- the queue rules

// The field holds three characters at most; "a" + e-acute is two characters (three bytes), so
// a field counting bytes would already be full.
const std::string belowMax = "a\xC3\xA9";
const std::string atMax = "a\xC3\xA9"
                          "c";

struct TypingCase
{
    const char* name;
    char32_t typed;
    bool full;
    std::string after;
    bool clicked;
};

class TypingIntoAField : public ::testing::TestWithParam<TypingCase>
{};

TEST_P(TypingIntoAField, TakesOneCharacterAndActsOnIt)
{
    GuiFixture f;
    auto gui = fields(f, "TEXTENTRY e { POSITION = \"10 10\" WIDTH = 3 FONT = f }");
    auto e = gui->getItemAs<TTextEntry>("e");
    ASSERT_TRUE(e);
    e->setTxt(GetParam().full ? atMax : belowMax);
    f.input().feedChar(GetParam().typed);
    f.input().feedChar('z');
    f.frame(*gui, 600, 600);
    EXPECT_EQ(e->getTxt(), GetParam().after);
    EXPECT_EQ(e->_clicked, GetParam().clicked ? 1 : 0);
    EXPECT_EQ(gui->clickedItem("e"), GetParam().clicked ? 1 : 0);
    // One character a frame: the next one waits for the next frame.
    EXPECT_EQ(queueLeft(f), U"z");
}

INSTANTIATE_TEST_SUITE_P(
    Characters, TypingIntoAField,
    ::testing::Values(TypingCase{"ALetterJoins", 'x', false, belowMax + "x", false},
                      TypingCase{"ALetterIsRefusedWhenFull", 'x', true, atMax, false},
                      TypingCase{"BackspaceTakesAWholeCharacterBack", backspace, false, "a", false},
                      TypingCase{"BackspaceWorksWhenFull", backspace, true, belowMax, false},
                      TypingCase{"EnterClicks", enter, false, belowMax, true},
                      TypingCase{"EnterClicksWhenFull", enter, true, atMax, true},
                      TypingCase{"EscapeIsDropped", escape, false, belowMax, false},
                      TypingCase{"EscapeIsDroppedWhenFull", escape, true, atMax, false},
                      TypingCase{"TabIsDropped", tab, false, belowMax, false},
                      TypingCase{"TabIsDroppedWhenFull", tab, true, atMax, false},
                      TypingCase{"DeleteIsDropped", del, false, belowMax, false},
                      TypingCase{"DeleteIsDroppedWhenFull", del, true, atMax, false},
                      TypingCase{"ALetterOutsideAsciiJoins", eSharp, false, belowMax + "\xC3\x9F", false},
                      TypingCase{"ALetterOutsideAsciiIsRefusedWhenFull", eSharp, true, atMax, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A field that is hidden or inactive reads nothing: the characters stay for whoever else reads
// the queue (the name entry of the profiles, another field).
class AFieldThatIsNotReady : public ::testing::TestWithParam<std::tuple<std::pair<int, int>, char32_t, bool>>
{};

TEST_P(AFieldThatIsNotReady, LeavesTheQueueAlone)
{
    const auto [state, typed, full] = GetParam();
    GuiFixture f;
    auto gui = fields(f, "TEXTENTRY e { WIDTH = 3 FONT = f }");
    auto e = gui->getItemAs<TTextEntry>("e");
    const std::string before = full ? atMax : belowMax;
    e->setTxt(before);
    e->setState(state.first, state.second);
    f.input().feedChar(typed);
    f.frame(*gui, 600, 600);
    EXPECT_EQ(e->getTxt(), before);
    EXPECT_EQ(e->_clicked, 0);
    EXPECT_TRUE(gui->_clicked.empty());
    EXPECT_EQ(queueLeft(f), std::u32string(1, typed));
}

INSTANTIATE_TEST_SUITE_P(
    States, AFieldThatIsNotReady,
    ::testing::Combine(::testing::Values(std::pair{0, 1}, std::pair{1, 0}, std::pair{0, 0}),
                       ::testing::Values(char32_t{'x'}, backspace, enter, escape, tab, del, eSharp),
                       ::testing::Bool()));

TEST(TypingIntoFields, TwoFieldsTakeTurnsOnTheSharedQueue)
{
    GuiFixture f;
    auto gui = fields(f, "TEXTENTRY a { FONT = f }\nTEXTENTRY b { FONT = f }");
    auto a = gui->getItemAs<TTextEntry>("a");
    auto b = gui->getItemAs<TTextEntry>("b");
    for (char c : std::string("12345"))
        f.input().feedChar(static_cast<char32_t>(c));
    f.frame(*gui, 600, 600);
    EXPECT_EQ(a->getTxt(), "1");
    EXPECT_EQ(b->getTxt(), "2");
    f.frame(*gui, 600, 600);
    f.frame(*gui, 600, 600);
    EXPECT_EQ(a->getTxt(), "135");
    EXPECT_EQ(b->getTxt(), "24");
}

TEST(TypingIntoFields, AHiddenFieldBeforeAShownOneStealsNothing)
{
    GuiFixture f;
    auto gui = fields(f, "TEXTENTRY hidden { VISIBLE = FALSE }\nTEXTENTRY shown { FONT = f }");
    for (char c : std::string("hi"))
        f.input().feedChar(static_cast<char32_t>(c));
    f.frame(*gui, 600, 600);
    f.frame(*gui, 600, 600);
    EXPECT_EQ(gui->getItemAs<TTextEntry>("shown")->getTxt(), "hi");
    EXPECT_EQ(gui->getItemAs<TTextEntry>("hidden")->getTxt(), "");
}

TEST(TypingIntoFields, TheLengthCheckIsOnlyForTyping)
{
    GuiFixture f;
    auto gui = fields(f, "TEXTENTRY e { WIDTH = 2 }");
    auto e = gui->getItemAs<TTextEntry>("e");
    e->setTxt("longer");
    EXPECT_EQ(e->getTxt(), "longer");
    f.input().feedChar(backspace);
    f.frame(*gui, 600, 600);
    EXPECT_EQ(e->getTxt(), "longe");
    // Backspace on an empty field leaves it empty.
    e->setTxt("");
    f.input().feedChar(backspace);
    f.frame(*gui, 600, 600);
    EXPECT_EQ(e->getTxt(), "");
}

// --- the declaration

TEST(TextEntryDeclaration, KeysAndTheirDefaults)
{
    GuiFixture f;
    auto gui = fields(f, "TEXTENTRY plain { }\n"
                         "TEXTENTRY given { POSITION = \"5 6 120\" WIDTH = 7 FONT = f RGB = \"-1 0 0\" "
                         "ACTIVE = false }");
    auto plain = gui->getItemAs<TTextEntry>("plain");
    auto given = gui->getItemAs<TTextEntry>("given");
    ASSERT_TRUE(plain && given);
    EXPECT_EQ(plain->_maxZnakow, 25);
    EXPECT_FLOAT_EQ(plain->dim.w, 300);
    EXPECT_EQ(plain->rgb, TRGB{});
    EXPECT_EQ(plain->_v, 1);
    EXPECT_EQ(plain->_a, 1);

    media::Font& font = *gui->_fonts.at(0)._font;
    EXPECT_EQ(given->_maxZnakow, 7);
    EXPECT_FLOAT_EQ(given->dim.x, 5);
    EXPECT_FLOAT_EQ(given->dim.y, 6);
    EXPECT_FLOAT_EQ(given->dim.w, 120);
    EXPECT_FLOAT_EQ(given->dim.h, static_cast<float>(font.height()));
    EXPECT_FLOAT_EQ(given->_curWidth, font.textWidth("A"));
    EXPECT_FALSE(given->rgb.has_value());
    EXPECT_EQ(given->_a, 0);
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

// --- the caret and the shown text

class FieldDrawing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gui = fields(f, "TEXTENTRY e { POSITION = \"100 50 80\" FONT = f RGB = \"-1 0 0\" }");
        e = gui->getItemAs<TTextEntry>("e");
        font = gui->_fonts.at(0)._font;
    }

    // The sprites and the caret drawn by one draw of the field.
    std::vector<media::NullRenderer::Recorded> drawn()
    {
        media::NullRenderer& r = f.program.display().nullRenderer();
        r.startRecording();
        gui->draw();
        return r.recorded();
    }

    static const media::NullRenderer::Recorded* caret(const std::vector<media::NullRenderer::Recorded>& calls)
    {
        for (const auto& c : calls) {
            if (c.quad)
                return &c;
        }
        return nullptr;
    }

    GuiFixture f;
    std::unique_ptr<TGui> gui;
    std::shared_ptr<TTextEntry> e;
    media::Font* font = nullptr;
};

TEST_F(FieldDrawing, TheCaretStandsAfterTheTextAndBlinks)
{
    e->setTxt("ab");
    auto calls = drawn();
    const auto* c = caret(calls);
    ASSERT_TRUE(c);
    EXPECT_FLOAT_EQ(c->corners[0].x, 100 + font->textWidth("ab") + 2);
    EXPECT_FLOAT_EQ(c->corners[0].y, 50);
    EXPECT_FLOAT_EQ(c->corners[2].x - c->corners[0].x, font->textWidth("A"));
    EXPECT_FLOAT_EQ(c->corners[2].y - c->corners[0].y, static_cast<float>(font->height()));
    // Without a colour of its own the field is black, the caret too.
    for (const auto& call : calls) {
        EXPECT_EQ(call.state.red + call.state.green + call.state.blue, 0);
    }

    // Created at 0 ms with a 300 ms blink: at 300 ms the caret still shows, after it not. A new
    // blink time counts from the next blink on (at 602 ms).
    struct Moment
    {
        long long now;
        int interwal; // set before this moment; 0 = unchanged
        bool shows;
    };
    const Moment moments[] = {{300, 0, true}, {301, 0, false}, {601, 50, false},
                              {602, 0, true}, {652, 0, true},  {653, 0, false}};
    for (const Moment& m : moments) {
        if (m.interwal)
            e->setInterwal(m.interwal);
        f.program.clock().now = m.now;
        gui->update();
        EXPECT_EQ(caret(drawn()) != nullptr, m.shows) << m.now << " ms";
    }
}

TEST_F(FieldDrawing, AnInactiveFieldHasNoCaret)
{
    e->setTxt("ab");
    e->setState(1, 0);
    EXPECT_FALSE(caret(drawn()));
}

TEST_F(FieldDrawing, ATextAsWideAsTheFieldShowsDotsAndItsEnd)
{
    const std::string text = "abcdefghijklmnopqrstuvwxyz";
    ASSERT_GE(font->textWidth(text), 80 * 2);
    e->setTxt(text);
    auto calls = drawn();
    const std::string shown = clippedText(*font, text, 80);
    ASSERT_EQ(shown.substr(0, 2), "..");
    EXPECT_EQ(shown.back(), 'z');
    EXPECT_LE(font->textWidth(shown), 80);
    // The longest end that fits: one character more would not.
    const std::string tail = shown.substr(2);
    EXPECT_GT(font->textWidth(".." + text.substr(text.size() - tail.size() - 1)), 80);
    // Only what is shown is drawn: one sprite a visible character, then the caret after it.
    EXPECT_EQ(calls.size(), shown.size() + 1);
    const auto* c = caret(calls);
    ASSERT_TRUE(c);
    EXPECT_FLOAT_EQ(c->corners[0].x, 100 + font->textWidth(shown) + 2);
}

TEST_F(FieldDrawing, ATextExactlyAsWideAsTheFieldIsClippedToo)
{
    e->setTxt("abc");
    e->dim.w = font->textWidth("abc");
    const std::string shown = clippedText(*font, "abc", static_cast<int>(e->dim.w));
    ASSERT_EQ(shown.substr(0, 2), "..");
    ASSERT_NE(shown.size(), 3u);
    // What is drawn is the clipped text (a sprite a character), then the caret after it.
    auto calls = drawn();
    EXPECT_EQ(calls.size(), shown.size() + 1);
    const auto* c = caret(calls);
    ASSERT_TRUE(c);
    EXPECT_FLOAT_EQ(c->corners[0].x, 100 + font->textWidth(shown) + 2);
}
} // namespace
