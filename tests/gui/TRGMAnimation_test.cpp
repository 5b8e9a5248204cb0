// Free-standing animations from description files: the schema's heads and frame lists, the
// strip cut by the count of distinct frame numbers, the steps on the millisecond clock at the
// ends of a list, playing by name, and the faults a schema can hold.
#include "gui/TRGMAnimation.hpp"

#include "gui/GuiFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using gui_testing::GuiFixture;

// A container with one animation "a" over a 60 x 10 strip, whose schema is `schema`.
std::shared_ptr<TRGMAnimation> animation(GuiFixture& f, std::unique_ptr<TGui>& gui, const std::string& schema)
{
    f.picture("gfx/strip.png", 60, 10);
    f.write("ui/x.gui",
            "ANIM a { POSITION = \"30 40\" GFX = ../gfx/strip.png SCHEMAT = \"" + schema + "\" }");
    gui = loadGui("ui/x.gui");
    return gui->getItemAs<TRGMAnimation>("a");
}

// The frame numbers an animation lists.
std::vector<int> listed(const TRGMAnim& anim)
{
    return {anim.frame.begin(), anim.frame.begin() + anim.maxFrames};
}

// --- the schema

TEST(AnimationSchema, HeadsAreReadInAnyLetterCase)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto lower = animation(f, gui, "[normal 80 loop] 0 1");
    ASSERT_TRUE(lower);
    std::unique_ptr<TGui> gui2;
    auto upper = animation(f, gui2, "[NORMAL 80 LOOP] 0 1");
    ASSERT_EQ(lower->animsList.size(), 1u);
    ASSERT_EQ(upper->animsList.size(), 1u);
    for (const auto& a : {lower, upper}) {
        const TRGMAnim& anim = a->animsList[0];
        EXPECT_EQ(anim.id, "NORMAL");
        EXPECT_EQ(anim.interwal, 80);
        EXPECT_TRUE(anim.loop);
        EXPECT_EQ(listed(anim), (std::vector<int>{0, 1}));
        ASSERT_TRUE(a->aktAnim);
        EXPECT_EQ(a->aktAnim->id, "NORMAL");
    }
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

struct HeadCase
{
    const char* name;
    std::string schema;
    std::vector<std::string> ids;
    std::vector<int> interwals;
    std::vector<bool> loops;
    std::vector<std::vector<int>> frames;
};

class AnimationHeads : public ::testing::TestWithParam<HeadCase>
{};

TEST_P(AnimationHeads, GiveEachAnimationItsNameStepAndFrames)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, GetParam().schema);
    ASSERT_TRUE(a);
    std::vector<std::string> ids;
    std::vector<int> interwals;
    std::vector<bool> loops;
    std::vector<std::vector<int>> frames;
    for (const TRGMAnim& anim : a->animsList) {
        ids.push_back(anim.id);
        interwals.push_back(anim.interwal);
        loops.push_back(anim.loop);
        frames.push_back(listed(anim));
    }
    EXPECT_EQ(ids, GetParam().ids);
    EXPECT_EQ(interwals, GetParam().interwals);
    EXPECT_EQ(loops, GetParam().loops);
    EXPECT_EQ(frames, GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(
    Schemas, AnimationHeads,
    ::testing::Values(
        HeadCase{"TwoSpacesMakeAStepTimeOfZero", "[NORMAL 100  LOOP] 0 1", {"NORMAL"}, {0}, {true}, {{0, 1}}},
        HeadCase{"TheLastNumberAndNameWin", "[A 10 NORMAL 20] 0", {"NORMAL"}, {20}, {false}, {{0}}},
        HeadCase{"SeveralAnimationsInOrder",
                 "[NORMAL 120 LOOP] 0 1 2 3 [blink 60] 4 5 3",
                 {"NORMAL", "BLINK"},
                 {120, 60},
                 {true, false},
                 {{0, 1, 2, 3}, {4, 5, 3}}},
        HeadCase{"AnEmptyFrameWordIsZero", "[NORMAL 5] 1  2", {"NORMAL"}, {5}, {false}, {{1, 0, 2}}},
        HeadCase{
            "BlanksAroundTheSchemaAreTrimmed", "  [NORMAL 5] 2 1  ", {"NORMAL"}, {5}, {false}, {{2, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnimationStrip, IsCutIntoAsManyCellsAsThereAreDistinctFrameNumbers)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, "[NORMAL 10] 0 1 2 0 1");
    EXPECT_EQ(a->allFrames, 3);
    EXPECT_EQ(a->gfx.frames(), 3);
    EXPECT_EQ(a->gfx.width(), 20);
    EXPECT_EQ(a->gfx.height(), 10);
    // Counted over the whole schema, every animation together.
    std::unique_ptr<TGui> gui2;
    auto b = animation(f, gui2, "[NORMAL 10] 0 1 [OTHER] 1 2 3 0");
    EXPECT_EQ(b->allFrames, 4);
    EXPECT_EQ(b->gfx.width(), 15);
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

// --- stepping

TEST(AnimationSteps, OnlyWhenTheClockIsStrictlyPastTheStepTimeAndOneAFrame)
{
    GuiFixture f;
    f.program.clock().now = 1000;
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, "[NORMAL 100 LOOP] 0 1 2");
    EXPECT_EQ(a->_animTime, 1100);
    EXPECT_EQ(a->_frame, 0);
    f.program.clock().now = 1100;
    gui->update();
    EXPECT_EQ(a->_frame, 0);
    f.program.clock().now = 1101;
    gui->update();
    EXPECT_EQ(a->_frame, 1);
    EXPECT_EQ(a->_animTime, 1201);
    // However late the next frame, it takes one step.
    f.program.clock().now = 5000;
    gui->update();
    EXPECT_EQ(a->_frame, 2);
    gui->update();
    EXPECT_EQ(a->_frame, 2);
    // Hidden, it goes on stepping.
    a->setState(0, 0);
    f.program.clock().now = 5101;
    gui->update();
    EXPECT_EQ(a->_frame, 3);
}

struct Step
{
    int position;
    std::optional<int> cell; // the cell drawn, none when nothing is
    int done;                // _wykonano
};

struct SequenceCase
{
    const char* name;
    std::string schema;
    std::vector<Step> steps;
};

class AnimationSequence : public ::testing::TestWithParam<SequenceCase>
{};

TEST_P(AnimationSequence, ShowsTheListedFramesInOrderAndEndsAsItsHeadSays)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, GetParam().schema);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->gfx.frames(), 3);
    int step = 0;
    for (const Step& expected : GetParam().steps) {
        ++step;
        f.program.clock().now += 11;
        gui->update();
        EXPECT_EQ(a->_frame, expected.position) << "step " << step;
        EXPECT_EQ(a->_wykonano, expected.done) << "step " << step;
        EXPECT_EQ(a->shownCell(), expected.cell) << "step " << step;
        const int before = f.drawCalls();
        gui->draw();
        if (expected.cell) {
            ASSERT_EQ(f.drawCalls(), before + 1) << "step " << step;
            EXPECT_EQ(f.lastSprite().source.x, *expected.cell * 20) << "step " << step;
            EXPECT_FLOAT_EQ(f.lastSprite().x, 30);
            EXPECT_FLOAT_EQ(f.lastSprite().y, 40);
        } else {
            EXPECT_EQ(f.drawCalls(), before) << "step " << step;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ends, AnimationSequence,
    ::testing::Values(
        SequenceCase{"ALoopPassesThroughTheEmptyPosition",
                     "[NORMAL 10 LOOP] 2 0 1",
                     {{1, 2, 0}, {2, 0, 0}, {3, 1, 0}, {0, std::nullopt, 1}, {1, 2, 0}, {2, 0, 0}}},
        SequenceCase{"WithoutLoopItStaysOnItsLastFrame",
                     "[NORMAL 10] 2 0 1",
                     {{1, 2, 0}, {2, 0, 0}, {3, 1, 0}, {3, 1, 1}, {3, 1, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnimationPlay, ByNameOrByAnimationRestartsFromTheBeginning)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, "[NORMAL 10] 0 [Blink 30] 1 2");
    for (int i = 0; i < 3; ++i) {
        f.program.clock().now += 11;
        gui->update();
    }
    EXPECT_EQ(a->_wykonano, 1);
    a->playAnim("blink");
    ASSERT_TRUE(a->aktAnim);
    EXPECT_EQ(a->aktAnim->id, "BLINK");
    EXPECT_EQ(a->_frame, 0);
    EXPECT_EQ(a->_maxFrames, 2);
    EXPECT_EQ(a->_wykonano, 0);
    EXPECT_EQ(a->_animTime, f.program.clock().now + 30);
    f.program.clock().now += 31;
    gui->update();
    EXPECT_EQ(a->shownCell(), 1);

    a->playAnim(a->animsList[0]);
    EXPECT_EQ(a->aktAnim->id, "NORMAL");
    EXPECT_EQ(a->_frame, 0);

    // A name that matches nothing changes nothing.
    f.program.clock().now += 11;
    gui->update();
    a->playAnim("nothing");
    EXPECT_TRUE(f.reported("Animacja ktora chcesz wyswietlic, nie istnieje!"));
    EXPECT_EQ(a->aktAnim->id, "NORMAL");
    EXPECT_EQ(a->_frame, 1);
}

// --- faults

struct FaultCase
{
    const char* name;
    std::string schema;
    std::vector<std::string> reports;
};

class AnimationFaults : public ::testing::TestWithParam<FaultCase>
{};

TEST_P(AnimationFaults, AreReportedAndTheAnimationStillComesButDrawsNothing)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, GetParam().schema);
    ASSERT_TRUE(a);
    for (const std::string& report : GetParam().reports)
        EXPECT_TRUE(f.reported(report)) << report << " in " << ::testing::PrintToString(f.reports);
    const int before = f.drawCalls();
    for (int i = 0; i < 20; ++i) {
        f.program.clock().now += 50;
        gui->update();
        gui->draw();
    }
    EXPECT_EQ(f.drawCalls(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Schemas, AnimationFaults,
    ::testing::Values(
        FaultCase{"Empty",
                  "",
                  {"Nieprawidlowa definicja schematu : ", "nie uwzglednil animacji NORMAL!",
                   "nie zawiera zadnej klatki!"}},
        FaultCase{"NoFrameNumbers", "[NORMAL 10 LOOP]", {"nie zawiera zadnej klatki!"}},
        FaultCase{"NoNormal", "[OTHER 10 LOOP] 0 1", {"Schemat :[OTHER 10 LOOP] 0 1 - nie uwzglednil"}},
        FaultCase{"NotStartingWithAHead", "0 1", {"Nieprawidlowa definicja schematu : 0 1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnimationFaults, MoreThanAHundredFramesAreReportedAndTheRestLeftOut)
{
    GuiFixture f;
    std::string schema = "[NORMAL 1 LOOP]";
    for (int i = 0; i < 105; ++i)
        schema += " " + std::to_string(i % 3);
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, schema);
    EXPECT_TRUE(f.reported("ponad 100 klatek"));
    ASSERT_EQ(a->animsList.size(), 1u);
    EXPECT_EQ(a->animsList[0].maxFrames, 100);
    EXPECT_EQ(a->_maxFrames, 100);
    // Every position up to the last is drawn from the list.
    for (int i = 0; i < 100; ++i) {
        f.program.clock().now += 2;
        gui->update();
        EXPECT_EQ(a->shownCell(), i % 3) << i;
    }
    f.program.clock().now += 2;
    gui->update();
    EXPECT_EQ(a->shownCell(), std::nullopt);
}

TEST(AnimationFaults, AFrameNumberOutsideTheStripIsReportedAndNotDrawn)
{
    GuiFixture f;
    std::unique_ptr<TGui> gui;
    auto a = animation(f, gui, "[NORMAL 10] 0 5");
    EXPECT_TRUE(f.reported("klatka 5 poza paskiem 2 klatek"));
    f.program.clock().now += 11;
    gui->update();
    f.program.clock().now += 11;
    gui->update();
    EXPECT_EQ(a->shownCell(), 5);
    const int before = f.drawCalls();
    gui->draw();
    EXPECT_EQ(f.drawCalls(), before);
}

TEST(AnimationFaults, AMissingStripIsReported)
{
    GuiFixture f;
    f.write("ui/x.gui", "ANIM a { SCHEMAT = \"[NORMAL 10] 0\" GFX = none.png }");
    auto gui = loadGui("ui/x.gui");
    EXPECT_TRUE(f.reported("NO img: ui/none.png"));
    EXPECT_TRUE(gui->getItemAs<TRGMAnimation>("a"));
}
} // namespace
