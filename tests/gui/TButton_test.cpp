// Buttons from description files, driven by scripted mouse input: hover growth and the press
// pop, the frames of the strips, the cross-fade, captions with outline and shadow, the wave,
// and the animation schema.
#include "gui/TButton.hpp"

#include "gui/GuiFixture.hpp"
#include "media/Texture.hpp"

#include <gtest/gtest.h>

namespace
{
using gui_testing::GuiFixture;

// A container with the single button declared by `body` (keys only) at (100, 100).
std::shared_ptr<TButton> button(GuiFixture& f, std::unique_ptr<TGui>& gui, const std::string& body)
{
    f.picture("plate.png", 40, 20);
    f.picture("strip4.png", 160, 20);
    f.picture("strip8.png", 80, 10);
    f.picture("tall6.png", 10, 60);
    f.picture("other.png", 30, 30);
    f.write("x.gui",
            "FONT f { URL = x SIZE = 20 }\nBUTTON b { POSITION = \"100 100\" FONT = f " + body + " }");
    gui = loadGui("x.gui");
    return gui->getItemAs<TButton>("b");
}

// The cell of a strip the last picture drawn came from.
int drawnCell(GuiFixture& f, int cellWidth)
{
    return f.lastSprite().source.x / cellWidth;
}

// --- hover growth

struct HoverCase
{
    const char* name;
    std::string body;
    float target;    // the size it grows to under the pointer
    bool popsOnHold; // held down it stays at its own size
};

class ButtonHover : public ::testing::TestWithParam<HoverCase>
{};

TEST_P(ButtonHover, GrowsUnderThePointerAndAPressPopsItBack)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, GetParam().body);
    ASSERT_TRUE(b);
    const float target = GetParam().target;
    for (int i = 0; i < 40; ++i)
        f.frame(*gui, 100, 100);
    EXPECT_FLOAT_EQ(b->_buttonScale, target);
    // The frame of the press shows the button at its own size...
    f.frame(*gui, 100, 100, true, true);
    EXPECT_EQ(b->_clicked, 1);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.0f);
    // ...held, it stays so only where holding counts...
    f.frame(*gui, 100, 100, false, true);
    EXPECT_FLOAT_EQ(b->_buttonScale, GetParam().popsOnHold ? 1.0f : 1.05f);
    // ...and let go it grows back 0.05 a frame.
    f.frame(*gui, 100, 100);
    EXPECT_NEAR(b->_buttonScale, GetParam().popsOnHold ? 1.05f : 1.1f, 1e-5);
    // Away from it, it shrinks back.
    for (int i = 0; i < 40; ++i)
        f.frame(*gui, 600, 600);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ButtonHover,
    ::testing::Values(
        HoverCase{"Simple", "GFX = plate.png", 1.1f, false},
        HoverCase{"Text", "TYP = TEXT_BUTTON TXT = Play", 1.1f, true},
        HoverCase{"PictureAndCaption", "TYP = TEXT_SPEC_BUTTON2 GFX = plate.png TXT = a", 1.1f, false},
        HoverCase{"Glow", "TYP = TEXT_SPEC_BUTTON3 GFX = plate.png TXT = a", 1.3f, false},
        HoverCase{"HitAreaOnly", "TYP = TEXT_SPEC_BUTTON4 GFX = plate.png TXT = a", 1.1f, true},
        HoverCase{"Halo", "TYP = TEXT_SPEC_BUTTON5 GFX = plate.png TXT = a", 1.3f, true},
        HoverCase{"Yellow", "TYP = TEXT_SPEC_BUTTON6 TXT = Play", 2.0f, true},
        HoverCase{"TwoLooks", "TYP = TEXT_SPEC_BUTTON7 GFX = plate.png ADDGFX = other.png TXT = a", 1.1f,
                  true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonHover, TheSimpleButtonReachesItsSizeInTwoFrames)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "GFX = plate.png");
    f.frame(*gui, 100, 100);
    f.frame(*gui, 100, 100);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.1f);
    b->draw(0, 0);
    EXPECT_FLOAT_EQ(f.lastSprite().w, 40 * 1.1f); // drawn at the hover scale
}

// --- the four-cell strips

TEST(ButtonStrip, ShowsTheFrameOfItsState)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = FSTEP_BUTTON GFX = strip4.png");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->dim.w, 40);
    EXPECT_EQ(b->dim.x1, 80);
    struct Step
    {
        int x;
        bool press, hold, active;
        int cell;
    };
    const Step steps[] = {
        {600, false, false, true, 0}, // resting
        {100, false, false, true, 1}, // pointed at
        {100, true, true, true, 2},   // the press
        {100, false, true, true, 2},  // held
        {600, false, true, true, 0},  // held but away: not pressed
        {100, false, false, false, 3} // deactivated, even with the pointer on it
    };
    for (const Step& s : steps) {
        b->setState(1, s.active ? 1 : 0);
        f.frame(*gui, s.x, 100, s.press, s.hold);
        gui->draw();
        EXPECT_EQ(drawnCell(f, 40), s.cell) << "pointer at " << s.x;
    }
}

TEST(ButtonStrip, TheCrossFadeBringsTheNewFrameInOverTwentyFrames)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = FSTEP_BLEND_BUTTON GFX = strip4.png");
    for (int i = 0; i < 30; ++i)
        f.frame(*gui, 100, 100);
    EXPECT_EQ(b->_new4StepB, 1);
    EXPECT_FLOAT_EQ(b->_newAlpha, 1);
    f.frame(*gui, 100, 100, true, true);
    EXPECT_EQ(b->_old4StepB, 1);
    EXPECT_EQ(b->_new4StepB, 2);
    int frames = 1;
    while (b->_newAlpha < 1 && frames < 100) {
        f.frame(*gui, 100, 100, false, true);
        ++frames;
    }
    EXPECT_EQ(frames, 20);
    // The hover frame stays fully drawn under the pressed frame.
    b->_newAlpha = 0.5f;
    const int before = f.drawCalls();
    b->draw(0, 0);
    EXPECT_EQ(f.drawCalls(), before + 2);
    EXPECT_EQ(drawnCell(f, 40), 2);
    EXPECT_FLOAT_EQ(f.program.display().nullRenderer().lastState().alpha, 0.5f);
}

TEST(ButtonStrip, TheBlendButtonFadesItsSecondCellInUnderThePointerAndOutAway)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = BLEND_BUTTON GFX = strip4.png");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->dim.w, 80); // two cells side by side
    struct Step
    {
        int frames, x;
        float secondCell; // its opacity over the first cell; 0: not drawn
    };
    // The fade and the glide together take 0.08 a frame.
    const Step steps[] = {{0, 0, 1}, {5, 600, 0.6f}, {20, 600, 0}, {5, 100, 0.4f}, {20, 100, 1}};
    for (const Step& s : steps) {
        for (int i = 0; i < s.frames; ++i)
            f.frame(*gui, s.x, 100);
        const int before = f.drawCalls();
        b->draw(0, 0);
        if (s.secondCell > 0) {
            EXPECT_EQ(f.drawCalls(), before + 2);
            EXPECT_EQ(drawnCell(f, 80), 1);
            EXPECT_NEAR(f.program.display().nullRenderer().lastState().alpha, s.secondCell, 1e-5);
        } else {
            EXPECT_EQ(f.drawCalls(), before + 1);
            EXPECT_EQ(drawnCell(f, 80), 0);
        }
    }
}

TEST(ButtonStrip, TheTwoLookButtonShowsItsSecondPictureWhenInactive)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = TEXT_SPEC_BUTTON7 GFX = plate.png ADDGFX = other.png");
    auto drawnTexture = [&] {
        b->draw(0, 0);
        return f.lastSprite().texture;
    };
    EXPECT_EQ(drawnTexture(), b->_image.data()->levels[0].get());
    b->setState(1, 0);
    EXPECT_EQ(drawnTexture(), b->_addImg.data()->levels[0].get());
}

// --- captions

struct CaptionCase
{
    const char* name;
    std::string body;
    int sprites; // pictures drawn: the plate and one per letter drawn
};

class ButtonCaption : public ::testing::TestWithParam<CaptionCase>
{};

TEST_P(ButtonCaption, DrawsItsOutlineShadowAndColourAsDeclared)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, GetParam().body);
    ASSERT_TRUE(b);
    const int before = f.drawCalls();
    b->draw(0, 0);
    EXPECT_EQ(f.drawCalls() - before, GetParam().sprites);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ButtonCaption,
    ::testing::Values(
        CaptionCase{"DefaultWhiteOutline", "TYP = TEXT_BUTTON TXT = I", 5},
        CaptionCase{"NoOutline", "TYP = TEXT_BUTTON TXT = I OUTLINE = NONE", 1},
        CaptionCase{"ShadowToo", "TYP = TEXT_BUTTON TXT = I SHADOW = 1", 6},
        CaptionCase{"NoColourOnATextButtonIsWhite", "TYP = TEXT_BUTTON TXT = I RGB = \"-1 0 0\"", 5},
        CaptionCase{"NoColourOverAPictureDrawsOnlyTheOutline",
                    "TYP = TEXT_SPEC_BUTTON2 GFX = plate.png TXT = I RGB = \"-1 0 0\"", 1 + 4},
        CaptionCase{"PictureAndPlainCaption",
                    "TYP = TEXT_SPEC_BUTTON2 GFX = plate.png TXT = I OUTLINE = NONE", 1 + 1},
        CaptionCase{"HitAreaIsNeverDrawn", "TYP = TEXT_SPEC_BUTTON4 GFX = plate.png TXT = I", 5},
        CaptionCase{"YellowShadowAndCaption", "TYP = TEXT_SPEC_BUTTON6 TXT = I OUTLINE = NONE SHADOW = 1",
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonCaption, TheYellowGlowGrowsWithTheHover)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = TEXT_SPEC_BUTTON6 TXT = I OUTLINE = NONE");
    for (int i = 0; i < 10; ++i)
        f.frame(*gui, 100, 100);
    const int before = f.drawCalls();
    b->draw(0, 0);
    EXPECT_EQ(f.drawCalls() - before, 2);
    const auto& state = f.program.display().nullRenderer().lastState();
    EXPECT_EQ(state.blue, 0); // yellow
    EXPECT_FLOAT_EQ(state.alpha, b->_buttonScale - 1);
    EXPECT_NEAR(state.alpha, 0.5f, 1e-5);
}

TEST(ButtonCaption, ANewCaptionNeedsItsRectangleWorkedOutAgain)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = TEXT_BUTTON TXT = ab");
    const float narrow = b->dim.x2 - b->dim.x1;
    b->_txt = "a much longer caption";
    EXPECT_EQ(b->dim.x2 - b->dim.x1, narrow);
    b->countDims();
    EXPECT_GT(b->dim.x2 - b->dim.x1, narrow * 4);
    EXPECT_FLOAT_EQ((b->dim.x1 + b->dim.x2) / 2, 100);
}

TEST(ButtonCaption, TheHaloEnlargementCountsFromTheNextRectangle)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = TEXT_SPEC_BUTTON5 GFX = plate.png TXT = a OVERAD = \"5 7\"");
    EXPECT_EQ(b->dim.x1, 80);
    EXPECT_EQ(b->dim.y2, 110);
    b->countDims();
    EXPECT_EQ(b->dim.x1, 75);
    EXPECT_EQ(b->dim.y2, 117);
}

TEST(ButtonWave, NeverEnlargesTheSpaceBetweenWords)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = TEXT_SPEC_BUTTON1 TXT = \"a b\"");
    ASSERT_EQ(b->_textScale.size(), 3u);
    EXPECT_LT(b->dim.y1, 100); // the rectangle sits above the reference point
    EXPECT_EQ(b->dim.y2, 100);
    float biggestLetter = 1;
    for (int i = 0; i < 200; ++i) {
        f.frame(*gui, 100, 95);
        ASSERT_EQ(b->_over, 1);
        EXPECT_EQ(b->_textScale[1], 1.0f) << "frame " << i;
        biggestLetter = std::max({biggestLetter, b->_textScale[0], b->_textScale[2]});
    }
    EXPECT_GT(biggestLetter, 1.8f);
    f.frame(*gui, 600, 600);
    EXPECT_EQ(b->_chrN, 0);
    EXPECT_EQ(b->_textScale[0], 1.0f);
}

// --- the animation schema

TEST(ButtonSchema, PlaysNormalThenOverThenActiveOnTheClock)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui,
                    "TYP = ANIM_BUTTON GFX = strip8.png SCHEMAT = \"[NORMAL (120)] 1 2 3 2 [OVER] 4 5 "
                    "[ACTIVE (60)] 6 7 8\"");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->frames, 8);
    EXPECT_EQ(b->dim.w, 10);
    auto cells = [&](int x, int count, bool pressFirst) {
        std::vector<int> seen;
        for (int i = 0; i < count; ++i) {
            f.frame(*gui, x, 100, pressFirst && i == 0);
            b->draw(0, 0);
            int cell = drawnCell(f, 10);
            if (seen.empty() || seen.back() != cell)
                seen.push_back(cell);
        }
        return seen;
    };
    EXPECT_EQ(cells(600, 36, false), (std::vector<int>{0, 1, 2, 1, 0}));
    // Pointed at: the OVER cells at the default half second each.
    EXPECT_EQ(cells(100, 70, false), (std::vector<int>{3, 4, 3}));
    // A click plays ACTIVE once (its first cell shows again in the frame the cycle ends), then
    // OVER again while still pointed at.
    EXPECT_EQ(cells(100, 14, true), (std::vector<int>{5, 6, 7, 5, 3}));
}

TEST(ButtonSchema, StackedCellsWhenTheDirectionIsNotH)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = ANIM_BUTTON GFX = tall6.png DIR = V SCHEMAT = \"[NORMAL] 1 2 3 4 5 6\"");
    EXPECT_EQ(b->frames, 6);
    EXPECT_EQ(b->_dir, 1);
    EXPECT_EQ(b->dim.w, 10);
    EXPECT_EQ(b->dim.h, 10);
    EXPECT_EQ(b->_image.frames(), 6);
}

struct SchemaFault
{
    const char* name;
    std::string schema;
    std::string report;
};

class ButtonSchemaFaults : public ::testing::TestWithParam<SchemaFault>
{};

TEST_P(ButtonSchemaFaults, AreReportedAndTheButtonIsStillMade)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto b = button(f, gui, "TYP = ANIM_BUTTON GFX = strip8.png SCHEMAT = \"" + GetParam().schema + "\"");
    ASSERT_TRUE(b);
    EXPECT_TRUE(f.reported(GetParam().report)) << ::testing::PrintToString(f.reports);
    // Frames keep coming without a fault.
    for (int i = 0; i < 40; ++i) {
        f.frame(*gui, 100, 100, i == 5);
        b->draw(0, 0);
    }
    EXPECT_GE(b->dim.w, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ButtonSchemaFaults,
    ::testing::Values(SchemaFault{"Empty", "", "Nieprawidlowy schemat :"},
                      SchemaFault{"WithoutNormal", "[OVER] 1 2", "Nie okreslono znacznika animacji [NORMAL]"},
                      SchemaFault{"AFrameBeforeAnyName", "1 [NORMAL] 2", "przed nazwa animacji"},
                      SchemaFault{"ElevenNames",
                                  "[NORMAL] 1 [A] 1 [B] 1 [C] 1 [D] 1 [E] 1 [F] 1 [G] 1 [H] 1 [I] 1 [J] 1",
                                  "Nie mozna dodac wiecej niz 10 animacji!"}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
