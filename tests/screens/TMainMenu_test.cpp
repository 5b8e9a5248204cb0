// The title screen: the intro on the first entry only, a menu that waits until it has faded in,
// the way out, the way into the quest, and the first player asked for on a fresh start.
#include "screens/TMainMenu.hpp"

#include "gui/TButton.hpp"
#include "levels/TLevel.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "screens/TEnterText.hpp"
#include "screens/TPopUp.hpp"
#include "screens/TQuestContinue.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using testing_support::DialogFixture;
using testing_support::ScriptedEvent;

class TitleScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        menu = std::make_unique<TMainMenu>();
        menu->setup();
    }

    // A click on the widget in the next frame of the screen's own loop.
    void clickNow(const std::string& name)
    {
        auto widget = menu->Gui->getItem(name);
        ASSERT_TRUE(widget) << name;
        media::Input& input = media::input();
        input.feedMouseMove(widget->dim.x + widget->dim.w / 2, widget->dim.y + widget->dim.h / 2);
        input.feedMouseButton(1, true);
        input.feedMouseButton(1, false);
    }
    // One frame as the screen's loop runs it, with the input taken.
    void frame()
    {
        menu->update();
        endFrame(false);
        menu->handleInput();
    }
    // The first entry of a run is over: the second shows the menu at once.
    void enterTwice()
    {
        menu->prepare();
        menu->prepare();
    }

    DialogFixture f;
    std::unique_ptr<TMainMenu> menu;
};

TEST_F(TitleScreen, ButtonsDoNothingUntilTheMenuIsHalfIn)
{
    f.addPlayer("ANNA");
    menu->prepare();
    EXPECT_EQ(menu->per, 0);
    EXPECT_EQ(menu->menuA, 0);
    int clicksIgnored = 0;
    while (menu->menuA <= 0.5f) {
        ASSERT_LT(clicksIgnored, 1000) << "the menu never faded in";
        clickNow("freeplay");
        frame();
        // handleInput() ran after this frame's update: the menu was as it is now.
        if (menu->menuA <= 0.5f) {
            ASSERT_EQ(menu->wynik, "") << "at menu opacity " << menu->menuA;
            ASSERT_EQ(menu->dFade, 0);
            ++clicksIgnored;
        }
    }
    // The intro (200 frames) and the menu's fade to one half (25 more).
    EXPECT_GT(clicksIgnored, 200);
    clickNow("freeplay");
    frame();
    EXPECT_EQ(menu->wynik, TMainMenu::freePlay);
    EXPECT_EQ(menu->dFade, 1);
    EXPECT_EQ(profile().tryb, "FREE-PLAY");
}

TEST_F(TitleScreen, TheSecondEntrySkipsTheIntro)
{
    f.addPlayer("ANNA");
    enterTwice();
    EXPECT_EQ(menu->per, 1);
    EXPECT_EQ(menu->menuA, 1);
    EXPECT_EQ(menu->fade, 1); // it still fades in from black
    clickNow("freeplay");
    frame();
    EXPECT_EQ(menu->wynik, TMainMenu::freePlay);
}

TEST_F(TitleScreen, TheManagerButtonGreetsThePlayer)
{
    auto manager = menu->Gui->getItemAs<TButton>("manager");
    ASSERT_TRUE(manager);
    menu->prepare();
    EXPECT_EQ(manager->_txt, menu->txtHello[2]);
    f.addPlayer("ANNA");
    menu->prepare();
    EXPECT_EQ(manager->_txt, menu->txtHello[0] + "ANNA" + menu->txtHello[1]);
}

struct FlowCase
{
    const char* what;
    bool questInProgress;
    // Widgets of the title screen (T), the quest question (Q) or the pop-up (P) clicked in turn.
    std::vector<std::pair<char, std::string>> clicks;
    std::string result;
    std::string mode;
};

std::ostream& operator<<(std::ostream& out, const FlowCase& c)
{
    return out << c.what;
}

class TitleScreenFlow : public TitleScreen, public ::testing::WithParamInterface<FlowCase>
{};

TEST_P(TitleScreenFlow, EndsWithTheChosenScreen)
{
    const FlowCase& c = GetParam();
    TProfile& anna = f.addPlayer("ANNA");
    anna.tryb = "";
    if (c.questInProgress)
        anna.questLevel = std::make_shared<TLevel>();
    std::vector<ScriptedEvent> events;
    long long at = 10;
    for (const auto& [screen, name] : c.clicks) {
        const TGui& gui = screen == 'T' ? *menu->Gui : screen == 'Q' ? *questContinue().Gui : *popUp().Gui;
        events.push_back({at, DialogFixture::clickOn(gui, name)});
        // Time for a dialog to fade in, or out and the next to open.
        at += 40;
    }
    menu->prepare(); // the intro is over: the loop below is the second entry
    f.script(events);
    EXPECT_EQ(menu->mainLoop(), c.result);
    EXPECT_EQ(anna.tryb, c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleScreenFlow,
    ::testing::Values(
        FlowCase{"quit, yes", false, {{'T', "EXIT"}, {'P', "yes"}}, "END", ""},
        FlowCase{"quit, no: the screen goes on",
                 false,
                 {{'T', "EXIT"}, {'P', "no"}, {'T', "freeplay"}},
                 "FREE-PLAY",
                 "FREE-PLAY"},
        FlowCase{"play without a quest in progress", false, {{'T', "PLAY"}}, "NEW-QUEST", "QUEST"},
        FlowCase{"continue the quest", true, {{'T', "PLAY"}, {'Q', "resume"}}, "RESUME-QUEST", "QUEST"},
        FlowCase{"start anew, yes", true, {{'T', "PLAY"}, {'Q', "new"}, {'P', "yes"}}, "NEW-QUEST", "QUEST"},
        FlowCase{"start anew, no: the screen goes on",
                 true,
                 {{'T', "PLAY"}, {'Q', "new"}, {'P', "no"}, {'T', "freeplay"}},
                 "FREE-PLAY",
                 "FREE-PLAY"},
        FlowCase{"back from the quest question",
                 true,
                 {{'T', "PLAY"}, {'Q', "exit"}, {'T', "freeplay"}},
                 "FREE-PLAY",
                 "FREE-PLAY"}));

TEST_F(TitleScreen, EscapeAsksBeforeQuittingAndTheListIsSaved)
{
    f.addPlayer("ANNA");
    menu->prepare();
    f.script({{10, "key Escape tap"}, {50, "key Enter tap"}});
    EXPECT_EQ(menu->mainLoop(), TMainMenu::end);
    EXPECT_EQ(popUp().txt, menu->txtAreYouSure);
}

TEST_F(TitleScreen, TheHooksRunAndTheScreenGoesOn)
{
    f.addPlayer("ANNA");
    int options = 0, credits = 0, players = 0;
    menu->showOptions = [&](TEkran& background) {
        EXPECT_EQ(&background, menu.get());
        ++options;
    };
    menu->showCredits = [&] { ++credits; };
    menu->showProfileManager = [&] { ++players; };
    menu->prepare();
    f.script({{10, DialogFixture::clickOn(*menu->Gui, "SETTINGS")},
              {20, DialogFixture::clickOn(*menu->Gui, "CREDITS")},
              {30, DialogFixture::clickOn(*menu->Gui, "manager")},
              {40, DialogFixture::clickOn(*menu->Gui, "PLAY")}});
    EXPECT_EQ(menu->mainLoop(), TMainMenu::newQuest);
    EXPECT_EQ(options, 1);
    EXPECT_EQ(credits, 1);
    EXPECT_EQ(players, 1);
}

TEST_F(TitleScreen, AFreshStartAsksForTheFirstPlayer)
{
    ASSERT_FALSE(hasProfile());
    // Typed during the intro; the name entry opens once the screen has faded in and the
    // intro is over, and reads it then.
    f.script({{5, "type zoe"}, {6, "key Enter tap"}, {300, DialogFixture::clickOn(*menu->Gui, "freeplay")}});
    EXPECT_EQ(menu->mainLoop(), TMainMenu::freePlay);
    ASSERT_TRUE(hasProfile());
    EXPECT_EQ(profile().name, "ZOE");
    // The player is on the list on disk, in a folder of its own.
    EXPECT_NE(media::fs::pathType(f.user().file("Profiles/90-79-69-/profile.dat")),
              media::fs::PathType::Absent);
    auto manager = menu->Gui->getItemAs<TButton>("manager");
    ASSERT_TRUE(manager);
    EXPECT_EQ(manager->_txt, menu->txtHello[0] + "ZOE" + menu->txtHello[1]);
}
} // namespace
