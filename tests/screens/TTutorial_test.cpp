// The tutorial: which lesson shows where and when, that each shows once per quest (the skipped
// card's lesson every time), the order of lessons whose triggers hold together, the highlight
// switch, and the reading of the lesson file.
#include "screens/TTutorial.hpp"

#include "base/Program.hpp"
#include "effects/Captions.hpp"
#include "levels/TLevel.hpp"
#include "media/ImageCodec.hpp"
#include "media/Input.hpp"
#include "media/Keys.hpp"
#include "screens/TLevelEndScreen.hpp"
#include "screens/TProfile.hpp"
#include "support/GameFixture.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
using testing_support::GameFixture;
using testing_support::TempFolder;
using testing_support::TestCard;

// A tutorial whose blocked lessons are read and closed at once by the player; it notes which
// lessons held the screen, in order.
class ClosingTutorial : public TTutorial
{
public:
    void mainLoop(TEkran& screen) override
    {
        static_cast<void>(screen);
        ASSERT_NE(actTip, nullptr);
        blockedShown.push_back(actTip->id);
        actTip = nullptr;
    }
    std::vector<std::string> blockedShown;
};

TTip lessonOf(std::string id, std::string ekran, std::string startAt, int blocked = 1, int stage = 0,
              int level = 0)
{
    TTip tip;
    tip.id = std::move(id);
    tip.ekran = std::move(ekran);
    tip.startAt = std::move(startAt);
    tip.blocked = blocked;
    tip.nrStageu = stage;
    tip.nrLevelu = level;
    return tip;
}

// The game screen at play on a small table, with a tutorial of the given lessons, every one of
// them pending.
class TutorialFixture
{
public:
    explicit TutorialFixture(std::vector<TTip> lessons)
    {
        auto made = std::make_unique<ClosingTutorial>();
        tutorial = made.get();
        made->tips = std::move(lessons);
        f.cards().program().program().tutorial = std::move(made);
        // A 3 that fits the 2 on the spot, and a 9 that does not.
        f.play({{200, 300, 3}, {400, 300, 9}}, {20, 21, 22}, {2});
        // The opening caption has gone.
        f.inPlay().effects.captions.clear();
        profile().lekcjeTutoriala = tutorial->lessonIds();
    }
    // One frame of the game screen, which tests the lessons at its end.
    void frame() { f.frame(); }
    const std::vector<std::string>& pending() const { return profile().lekcjeTutoriala; }

    GameFixture f;
    ClosingTutorial* tutorial = nullptr;
};

// --- the condition of each trigger

struct TriggerCase
{
    std::string name;
    TTip lesson;
    std::function<void(TutorialFixture&)> arrange; // the moment tested
    bool holds;
};

// A plain screen standing for the shop, which tests its lessons by its own opacity.
class ShopStandIn : public TEkran
{
public:
    ShopStandIn() { id = "SHOP"; }
};

TEST(TutorialTriggers, EachTriggerHoldsExactlyWhenItsMomentHasCome)
{
    auto game = [](TutorialFixture& t) -> TMainGame& { return *t.f.game; };
    const std::vector<TriggerCase> cases = {
        {"BEGIN in play", lessonOf("a", "MAIN-GAME", "BEGIN"), [](TutorialFixture&) {}, true},
        {"BEGIN while dealing", lessonOf("a", "MAIN-GAME", "BEGIN"),
         [&](TutorialFixture& t) { game(t).setState(GameState::Begin); }, false},
        {"BEGIN during the end caption", lessonOf("a", "MAIN-GAME", "BEGIN"),
         [&](TutorialFixture& t) { game(t).setState(GameState::Caption); }, false},
        {"the trigger's name is exact", lessonOf("a", "MAIN-GAME", "begin"), [](TutorialFixture&) {}, false},
        {"a lesson of another screen", lessonOf("a", "SHOP", "BEGIN"), [](TutorialFixture&) {}, false},
        {"the screen's name is exact", lessonOf("a", "main-game", "BEGIN"), [](TutorialFixture&) {}, false},
        {"a trigger no one knows", lessonOf("a", "MAIN-GAME", "LATER"), [](TutorialFixture&) {}, false},
        {"no trigger at all", lessonOf("a", "MAIN-GAME", ""), [](TutorialFixture&) {}, false},
        {"its stage and level", lessonOf("a", "MAIN-GAME", "BEGIN", 1, 2, 3),
         [](TutorialFixture&) {
             profile().stageID = 2;
             profile().levelID = 3;
         },
         true},
        {"its stage, another level", lessonOf("a", "MAIN-GAME", "BEGIN", 1, 2, 3),
         [](TutorialFixture&) {
             profile().stageID = 2;
             profile().levelID = 4;
         },
         false},
        {"its level, another stage", lessonOf("a", "MAIN-GAME", "BEGIN", 1, 2, 3),
         [](TutorialFixture&) {
             profile().stageID = 1;
             profile().levelID = 3;
         },
         false},
        {"stage 0: every level", lessonOf("a", "MAIN-GAME", "BEGIN", 1, 0, 3),
         [](TutorialFixture&) {
             profile().stageID = 5;
             profile().levelID = 7;
         },
         true},
        {"level 0: every level", lessonOf("a", "MAIN-GAME", "BEGIN", 1, 2, 0),
         [](TutorialFixture&) {
             profile().stageID = 5;
             profile().levelID = 7;
         },
         true},
        {"COMBO at the sixth play", lessonOf("a", "MAIN-GAME", "COMBO"),
         [&](TutorialFixture& t) { game(t).level->driveN = 6; }, true},
        {"COMBO at the fifth", lessonOf("a", "MAIN-GAME", "COMBO"),
         [&](TutorialFixture& t) { game(t).level->driveN = 5; }, false},
        {"ROCKS on a level with rocks", lessonOf("a", "MAIN-GAME", "ROCKS"),
         [&](TutorialFixture& t) { game(t).level->jestRocks = 1; }, true},
        {"ROCKS on a level without", lessonOf("a", "MAIN-GAME", "ROCKS"), [](TutorialFixture&) {}, false},
        {"ROCKS waits for a caption to go", lessonOf("a", "MAIN-GAME", "ROCKS"),
         [&](TutorialFixture& t) {
             game(t).level->jestRocks = 1;
             showCaption(t.f.inPlay().effects.captions, 15, 512, 300, 2000);
         },
         false},
        {"ROCKS waits for play", lessonOf("a", "MAIN-GAME", "ROCKS"),
         [&](TutorialFixture& t) {
             game(t).level->jestRocks = 1;
             game(t).setState(GameState::WaitForCaption);
         },
         false},
        {"ICE on a level with ice", lessonOf("a", "MAIN-GAME", "ICE"),
         [&](TutorialFixture& t) { game(t).level->jestIce = 1; }, true},
        {"ICE on a level with rocks only", lessonOf("a", "MAIN-GAME", "ICE"),
         [&](TutorialFixture& t) { game(t).level->jestRocks = 1; }, false},
        {"WILD-CARDS on a level with swords", lessonOf("a", "MAIN-GAME", "WILD-CARDS"),
         [&](TutorialFixture& t) { game(t).level->jestWildCards = 1; }, true},
        {"WILD-CARDS on a level without", lessonOf("a", "MAIN-GAME", "WILD-CARDS"), [](TutorialFixture&) {},
         false},
        {"MAGIC-CARDS on a level with magic cards", lessonOf("a", "MAIN-GAME", "MAGIC-CARDS"),
         [&](TutorialFixture& t) { game(t).level->jestMagic = 1; }, true},
        {"MAGIC-CARDS on a level without", lessonOf("a", "MAIN-GAME", "MAGIC-CARDS"), [](TutorialFixture&) {},
         false},
        {"POMIN when the deck refused a click", lessonOf("a", "MAIN-GAME", "POMIN"),
         [&](TutorialFixture& t) { game(t).kartaPominieta = 1; }, true},
        {"POMIN otherwise", lessonOf("a", "MAIN-GAME", "POMIN"), [](TutorialFixture&) {}, false},
        {"MAGIC-PICK-UP with a magic card found", lessonOf("a", "MAIN-GAME", "MAGIC-PICK-UP"),
         [](TutorialFixture&) { profile().magicCards.push_back(cardDataById(305)); }, true},
        {"MAGIC-PICK-UP with none", lessonOf("a", "MAIN-GAME", "MAGIC-PICK-UP"), [](TutorialFixture&) {},
         false},
    };
    for (const TriggerCase& c : cases) {
        SCOPED_TRACE(c.name);
        TutorialFixture t({c.lesson});
        c.arrange(t);
        EXPECT_EQ(t.tutorial->holds(*t.f.game, t.tutorial->tips.front()), c.holds);
    }
}

TEST(TutorialTriggers, BeginOnTheShopAndTheSummaryWaitsUntilTheyHaveFullyComeIn)
{
    TutorialFixture t({lessonOf("shop", "SHOP", "BEGIN"), lessonOf("summary", "LEVEL-SUMMARY", "BEGIN")});
    const TTip& shopLesson = t.tutorial->tips[0];
    const TTip& summaryLesson = t.tutorial->tips[1];
    ShopStandIn shop;
    TLevelEndScreen summary;
    struct Case
    {
        float shopAlpha;
        float panelScale;
        bool holds;
    };
    for (const Case& c : {Case{0.98f, 0.99f, false}, Case{1.0f, 1.0f, true}}) {
        shop.alpha = c.shopAlpha;
        summary.panelS = c.panelScale;
        EXPECT_EQ(t.tutorial->holds(shop, shopLesson), c.holds) << c.shopAlpha;
        EXPECT_EQ(t.tutorial->holds(summary, summaryLesson), c.holds) << c.panelScale;
        // Each only on its own screen.
        EXPECT_FALSE(t.tutorial->holds(summary, shopLesson));
        EXPECT_FALSE(t.tutorial->holds(shop, summaryLesson));
    }
}

// --- showing lessons

TEST(Tutorial, ALessonShowsOncePerQuestAndANewQuestBringsItBack)
{
    TutorialFixture t({lessonOf("START", "MAIN-GAME", "BEGIN"), lessonOf("LATER", "MAIN-GAME", "COMBO")});
    t.frame();
    t.frame();
    t.frame();
    EXPECT_EQ(t.tutorial->blockedShown, std::vector<std::string>{"START"});
    EXPECT_EQ(t.pending(), std::vector<std::string>{"LATER"});
    profile().QUEST_startNew();
    EXPECT_EQ(t.pending(), (std::vector<std::string>{"START", "LATER"}));
    t.frame();
    EXPECT_EQ(t.tutorial->blockedShown, (std::vector<std::string>{"START", "START"}));
}

TEST(Tutorial, TheSkippedCardLessonShowsEveryTimeTheDeckRefusesAClick)
{
    TutorialFixture t({lessonOf("POMINIETA", "MAIN-GAME", "POMIN")});
    // Stage 1, level 2 keeps the deck while a table card can be played (the 3 on the 2).
    profile().stageID = 1;
    profile().levelID = 2;
    t.frame();
    for (int k = 0; k < 3; ++k) {
        t.f.clickDeck();
        t.frame();
    }
    EXPECT_EQ(t.tutorial->blockedShown, (std::vector<std::string>(3, "POMINIETA")));
    EXPECT_EQ(t.pending(), std::vector<std::string>{"POMINIETA"});
    // The flag lasts the frame of the click only.
    EXPECT_EQ(t.f.game->kartaPominieta, 0);
}

TEST(Tutorial, TwoBlockedLessonsHoldingTogetherShowInTheOrderOfThePendingList)
{
    TutorialFixture t({lessonOf("FIRST", "MAIN-GAME", "BEGIN"), lessonOf("SECOND", "MAIN-GAME", "BEGIN"),
                       lessonOf("ELSEWHERE", "SHOP", "BEGIN")});
    profile().lekcjeTutoriala = {"ELSEWHERE", "SECOND", "FIRST"};
    t.frame();
    EXPECT_EQ(t.tutorial->blockedShown, (std::vector<std::string>{"SECOND", "FIRST"}));
    EXPECT_EQ(t.pending(), std::vector<std::string>{"ELSEWHERE"});
}

TEST(Tutorial, ALaterLessonNeverHidesOneOnScreenThatTheGameDoesNotWaitFor)
{
    TutorialFixture t({lessonOf("DECK", "MAIN-GAME", "BEGIN", 0), lessonOf("HAND", "MAIN-GAME", "BEGIN", 0)});
    t.frame();
    ASSERT_NE(t.tutorial->actTip, nullptr);
    EXPECT_EQ(t.tutorial->actTip->id, "DECK");
    EXPECT_EQ(t.pending(), std::vector<std::string>{"HAND"});
    // Play goes on under it; it stays until closed, and then the next one comes.
    t.frame();
    EXPECT_EQ(t.tutorial->actTip->id, "DECK");
    t.tutorial->actTip->dAlpha = 0;
    for (int k = 0; k < 60 && t.tutorial->actTip && t.tutorial->actTip->id == "DECK"; ++k)
        t.frame();
    t.frame();
    ASSERT_NE(t.tutorial->actTip, nullptr);
    EXPECT_EQ(t.tutorial->actTip->id, "HAND");
    EXPECT_TRUE(t.pending().empty());
}

TEST(Tutorial, ALessonFadesInAndOutAtTwoHundredthsAFrame)
{
    TutorialFixture t({lessonOf("DECK", "MAIN-GAME", "BEGIN", 0)});
    t.frame();
    ASSERT_NE(t.tutorial->actTip, nullptr);
    TTip& lesson = *t.tutorial->actTip;
    int frames = 0;
    while (lesson.alpha < 1 && frames < 100) {
        t.frame();
        ++frames;
    }
    EXPECT_NEAR(frames, 50, 1);
    lesson.dAlpha = 0;
    frames = 0;
    while (t.tutorial->actTip && frames < 100) {
        t.frame();
        ++frames;
    }
    EXPECT_NEAR(frames, 50, 1);
    EXPECT_EQ(lesson.alpha, 0);
}

TEST(Tutorial, ALessonThatHoldsTheGameClosesFromTheKeyboardEvenWithoutItsButtons)
{
    struct Case
    {
        int blocked;
        int key;
        bool closes;
    };
    const std::vector<Case> cases = {
        {1, media::key::Enter, true},
        {1, media::key::Escape, true},
        {0, media::key::Escape, false}, // the game under it answers its own keys
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "blocked " << c.blocked << " key " << c.key);
        TutorialFixture t({lessonOf("LOST", "MAIN-GAME", "BEGIN", c.blocked)});
        TTip& lesson = t.tutorial->tips.front();
        t.tutorial->gui.reset(); // the lesson buttons could not be read
        t.tutorial->setTip(lesson, *t.f.game);
        lesson.alpha = 1;
        media::Input& input = t.f.cards().program().input();
        input.feedKey(c.key, true);
        input.feedKey(c.key, false);
        lesson.update(*t.tutorial, *t.f.game);
        EXPECT_EQ(lesson.dAlpha, c.closes ? 0.0f : 1.0f);
    }
}

TEST(Tutorial, NothingIsShownOutsideTheQuestNorWithTheTutorialTurnedOff)
{
    struct Case
    {
        std::string mode;
        bool turnedOff;
    };
    for (const Case& c : {Case{"FREE-PLAY", false}, Case{"QUEST", true}, Case{"", false}}) {
        SCOPED_TRACE(c.mode + (c.turnedOff ? " off" : ""));
        TutorialFixture t(
            {lessonOf("START", "MAIN-GAME", "BEGIN"), lessonOf("DECK", "MAIN-GAME", "BEGIN", 0)});
        profile().tryb = c.mode;
        base::program().noTutorial = c.turnedOff;
        for (int k = 0; k < 5; ++k)
            t.frame();
        EXPECT_TRUE(t.tutorial->blockedShown.empty());
        EXPECT_EQ(t.tutorial->actTip, nullptr);
        EXPECT_EQ(t.pending(), (std::vector<std::string>{"START", "DECK"}));
    }
}

TEST(Tutorial, AnIdInTheProfileThatNamesNoLessonIsPassedOver)
{
    TutorialFixture t({lessonOf("START", "MAIN-GAME", "BEGIN")});
    profile().lekcjeTutoriala = {"GONE", "start"};
    t.frame();
    EXPECT_EQ(t.tutorial->blockedShown, std::vector<std::string>{"START"});
    EXPECT_EQ(t.pending(), std::vector<std::string>{"GONE"});
}

// --- the highlight switch of the lesson "CARDS"

// A tutorial GUI of plain 80 x 40 buttons: OK at (100, 100), the switch at (300, 100).
void writeSwitchGui(const TempFolder& folder)
{
    media::Image plate(80, 40);
    for (std::size_t i = 0; i < plate.rgba.size(); ++i)
        plate.rgba[i] = 255;
    std::string error;
    ASSERT_TRUE(media::writePng(folder / "plate.png", plate, error)) << error;
    std::string gui;
    for (const auto& [name, x] :
         {std::pair<std::string, int>{"ok", 100}, {"ok1", 100}, {"ok2", 100}, {"on", 300}, {"off", 300}}) {
        gui += "BUTTON " + name + " {\n    TYP = SIMPLE_BUTTON\n    POSITION = \"" + std::to_string(x)
               + " 100\"\n    GFX = \"plate.png\"\n}\n";
    }
    folder.write("tutorial.gui", gui);
}

TEST(TutorialSwitch, TheCardsLessonTurnsTheHighlightingAndShowsItsStateFromTheNextFrame)
{
    TempFolder folder;
    writeSwitchGui(folder);
    TutorialFixture t({lessonOf("CARDS", "MAIN-GAME", "BEGIN", 0)});
    t.tutorial->gui = loadGui(folder / "tutorial.gui");
    ASSERT_NE(t.tutorial->gui->getItem("on"), nullptr);
    t.frame();
    ASSERT_NE(t.tutorial->actTip, nullptr);
    auto on = t.tutorial->gui->getItem("on");
    auto off = t.tutorial->gui->getItem("off");
    ASSERT_EQ(profile().cardsLightUp, 1);
    t.frame();
    EXPECT_TRUE(on->_v && on->_a);
    EXPECT_FALSE(off->_v || off->_a);

    const float x = on->dim.middleX();
    const float y = on->dim.middleY();
    t.f.click(x, y);
    EXPECT_EQ(profile().cardsLightUp, 0);
    t.frame();
    EXPECT_FALSE(on->_v || on->_a);
    EXPECT_TRUE(off->_v && off->_a);
    // The game lights no card while it is off.
    for (const auto& card : t.f.game->level->cards)
        EXPECT_EQ(card->hint, 0);

    t.f.click(x, y);
    EXPECT_EQ(profile().cardsLightUp, 1);
    t.frame();
    EXPECT_TRUE(on->_v && on->_a);
    EXPECT_EQ(t.f.cardAt(200, 300)->hint, 1);
    // OK fades the lesson out; the switch is left as it is.
    auto ok = t.tutorial->gui->getItem("ok");
    t.f.click(ok->dim.middleX(), ok->dim.middleY());
    EXPECT_EQ(t.tutorial->actTip->dAlpha, 0);
    EXPECT_EQ(profile().cardsLightUp, 1);
}

TEST(TutorialSwitch, OtherLessonsShowNoSwitchAndOnlyTheirPanelsOk)
{
    TempFolder folder;
    writeSwitchGui(folder);
    TTip small = lessonOf("DECK", "MAIN-GAME", "BEGIN", 0);
    small.nrPanelu = 2;
    TutorialFixture t({small});
    t.tutorial->gui = loadGui(folder / "tutorial.gui");
    t.frame();
    t.frame();
    for (const char* hidden : {"on", "off", "ok", "ok1"})
        EXPECT_FALSE(t.tutorial->gui->getItem(hidden)->_v) << hidden;
    EXPECT_TRUE(t.tutorial->gui->getItem("ok2")->_v);
}

// --- the lesson file

TEST(TutorialFile, ReadsEveryFieldAndNamesTheFileAndLessonOfEachBadEntry)
{
    TempFolder folder;
    folder.write("tutorial.txt", "OK\nFirst words\nSecond words\n");
    folder.write("tutorial.dat", R"(tutorial {
    i = 5
    tut1 {
        id = "START"
        ekran = "MAIN-GAME"
        panel = 1
        dim = 512.7, 384.2
        level = 1
        stage = 1
        blocked = 1
        startAt = "BEGIN"
        texts = 2
        txt1 = 2, 1, 232, 236, 560, 1
        txt2 = 3, 2, 262, 290, 500, 3
    }
    tut2 {
        id = "WIDE"
        ekran = "MAIN-GAME"
        panel = 7
        startAt = "COMBO"
        texts = 2
        txt1 = 2, -1, 0, 0, 100, 9
        txt2 = 40, 5, 0, 0, 100, 2
    }
    tut3 {
        ekran = "SHOP"
    }
    tut4 {
        id = "start"
        ekran = "SHOP"
    }
    tut5 {
        id = "ODD"
        ekran = "MAP"
        startAt = "SOMETIME"
    }
}
)");
    GameFixture f;
    TTutorial lessons;
    lessons.readLessons(folder / "tutorial.dat", folder / "tutorial.txt");
    ASSERT_EQ(lessons.lessonIds(), (std::vector<std::string>{"START", "WIDE", "ODD"}));

    const TTip& start = lessons.tips[0];
    EXPECT_EQ(start.ekran, "MAIN-GAME");
    EXPECT_EQ(start.nrPanelu, 1);
    EXPECT_EQ(start.dim.x, 512);
    EXPECT_EQ(start.dim.y, 384);
    EXPECT_EQ(start.nrStageu, 1);
    EXPECT_EQ(start.nrLevelu, 1);
    EXPECT_EQ(start.blocked, 1);
    EXPECT_EQ(start.startAt, "BEGIN");
    ASSERT_EQ(start.texts.size(), 2u);
    EXPECT_EQ(start.texts[0].txt, "First words");
    EXPECT_EQ(start.texts[0].fontN, 1);
    EXPECT_EQ(start.texts[0].x, 232);
    EXPECT_EQ(start.texts[0].width, 560);
    EXPECT_EQ(start.texts[0].align, "CENTER");
    EXPECT_EQ(start.texts[1].align, "JUSTIFY");

    // Out of range: clamped, and told of.
    const TTip& wide = lessons.tips[1];
    EXPECT_EQ(wide.nrPanelu, 2);
    EXPECT_EQ(wide.blocked, 0); // no "blocked": play goes on under it
    EXPECT_EQ(wide.texts[0].fontN, 0);
    EXPECT_EQ(wide.texts[0].align, "");
    EXPECT_EQ(wide.texts[1].fontN, 2);
    EXPECT_EQ(wide.texts[1].txt, "(BEYOND TEXT ARRAY LENGTH!)");
    const auto& c = f.cards();
    EXPECT_TRUE(c.reported({"tutorial.dat", "WIDE", "panel", "7"}));
    EXPECT_TRUE(c.reported({"tutorial.dat", "WIDE", "font of text 1", "-1"}));
    EXPECT_TRUE(c.reported({"tutorial.dat", "WIDE", "font of text 2", "5"}));
    EXPECT_TRUE(c.reported({"tutorial.dat", "WIDE", "line 40"}));
    EXPECT_TRUE(c.reported({"tutorial.dat", "lesson 3", "no id"}));
    EXPECT_TRUE(c.reported({"tutorial.dat", "lesson 4", "start", "left out"}));
    EXPECT_TRUE(c.reported({"tutorial.dat", "ODD", "MAP"}));
    EXPECT_TRUE(c.reported({"tutorial.dat", "ODD", "SOMETIME"}));

    // Looked up in any letter case; the first of an id wins.
    EXPECT_EQ(lessons.getTip("Start"), &lessons.tips[0]);
    EXPECT_EQ(lessons.getTip("nothing"), nullptr);
}

TEST(TutorialFile, AMissingLessonFileLeavesTheTutorialSilent)
{
    TempFolder folder;
    GameFixture f;
    TTutorial lessons;
    lessons.tips.push_back(lessonOf("OLD", "MAIN-GAME", "BEGIN"));
    lessons.readLessons(folder / "none.dat", folder / "none.txt");
    EXPECT_TRUE(lessons.tips.empty());
}

TEST(TutorialFile, AlignmentNumbers)
{
    const std::vector<std::pair<int, std::string>> cases = {{0, "LEFT"},    {1, "CENTER"}, {2, "RIGHT"},
                                                            {3, "JUSTIFY"}, {4, ""},       {-1, ""}};
    for (const auto& [n, name] : cases)
        EXPECT_EQ(TTutorial::readAlign(n), name) << n;
}
} // namespace
