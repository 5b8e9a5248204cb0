// The settings file.
#include "screens/TOptions.hpp"

#include "audio/TGlobalSnd.hpp"
#include "data/DataFiles.hpp"
#include "media/FileSystem.hpp"
#include "screens/TMainMenu.hpp"
#include "support/DialogFixture.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace
{
using testing_support::TempFolder;
using testing_support::TestProgram;

class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        shell::LaunchOptions options;
        options.userDir = folder.path();
        program = std::make_unique<TestProgram>(options);
        program->program().prepareDataFolder();
    }
    void write(const std::string& text) { std::ofstream(TOptions::settingsPath()) << text; }

    TempFolder folder;
    std::unique_ptr<TestProgram> program;
};

TEST_F(Settings, FirstStartWritesTheDefaults)
{
    TOptions options;
    options.loadOptions();
    auto text = media::fs::readText(TOptions::settingsPath());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "settings {\n"
                     "\tfullScreen = 1\n"
                     "\twideScreen = 0\n"
                     "\tcustomCursor = 1\n"
                     "\tmusicVolume = 0.500000000\n"
                     "\tsoundVolume = 0.500000000\n"
                     "\tonlyWinnableDeals = 0\n"
                     "}\n\n");
    EXPECT_EQ(options.fullScreen, 1);
    EXPECT_FLOAT_EQ(options.musicVol, 0.5f);
}

TEST_F(Settings, OddStoredValuesAreBroughtIntoRange)
{
    write("settings {\n\tfullScreen = 0\n\twideScreen = 7\n\tcustomCursor = 0\n"
          "\tmusicVolume = 0.04\n\tsoundVolume = 3\n}\n");
    TOptions options;
    options.loadOptions();
    EXPECT_EQ(options.fullScreen, 0);
    EXPECT_EQ(options.wideScreen, 1);
    EXPECT_EQ(options.customCursor, 0);
    EXPECT_EQ(options.musicVol, 0.0f); // below one step is silence
    EXPECT_EQ(options.soundVol, 1.0f);
    EXPECT_EQ(options.onlyWinnableDeals, 0); // a file from before the setting: off
}

TEST_F(Settings, WinnableDealsAreKeptAndAnOddValueCountsAsOn)
{
    write("settings {\n\tonlyWinnableDeals = 3\n}\n");
    TOptions options;
    options.loadOptions();
    EXPECT_EQ(options.onlyWinnableDeals, 1);
    options.onlyWinnableDeals = 0;
    ASSERT_TRUE(options.saveOptions());
    TOptions reloaded;
    reloaded.onlyWinnableDeals = 1;
    reloaded.loadOptions();
    EXPECT_EQ(reloaded.onlyWinnableDeals, 0);
}

TEST_F(Settings, VolumeStepsDoNotDriftIntoSilence)
{
    TOptions options;
    options.loadOptions();
    for (int i = 0; i < 9; ++i)
        options.musicVol -= 0.05f; // 0.5 - 9 x 0.05 in floats is a hair under 0.05
    ASSERT_TRUE(options.saveOptions());
    TOptions reloaded;
    reloaded.loadOptions();
    EXPECT_FLOAT_EQ(reloaded.musicVol, 0.05f);
}

TEST_F(Settings, ARunOverrideIsNotStored)
{
    TOptions options;
    options.loadOptions();
    options.fullScreenThisRun = false;
    ASSERT_TRUE(options.openScreen());
    EXPECT_FALSE(program->display().fullScreen());
    ASSERT_TRUE(options.saveOptions());
    EXPECT_EQ(loadDataFile(TOptions::settingsPath()).getFloat("settings::fullScreen"), 1);
}
} // namespace

// The options screen: buttons, bars and toggles as the player uses them, over the screens it
// is opened from.
namespace
{
using testing_support::DialogFixture;
using testing_support::ScriptedEvent;

// The settings as the options screen finds them, with the sound registry listening.
class OptionsScreen
{
public:
    OptionsScreen()
    {
        shell::Eldmere& p = f.program().program();
        std::filesystem::create_directories(f.user() / "Data");
        p.globalSnd = std::make_unique<TGlobalSnd>();
        p.globalSnd->setup();
        options().loadOptions();
        options().setup();
    }
    TOptions& options() { return *base::program().options; }
    TGlobalSnd& sounds() { return *base::program().globalSnd; }
    std::string clickOn(const std::string& name) { return DialogFixture::clickOn(*options().Gui, name); }
    // Opens the screen over `background` and runs `count` frames of it, calling `each` after every
    // frame.
    void frames(TEkran* background, int count, const std::function<void(int)>& each = {})
    {
        options().prepare(background);
        for (int i = 1; i <= count; ++i) {
            options().update();
            options().draw();
            endFrame(false);
            if (each)
                each(i);
        }
    }
    TRCMFile stored() const { return loadDataFile(TOptions::settingsPath()); }

    DialogFixture f;
};

// A point in the middle of a hit rectangle's row, or of a widget.
std::string clickAt(int x, int y)
{
    return "click left " + std::to_string(x) + " " + std::to_string(y);
}

struct StepCase
{
    const char* button;
    bool music;
    float start;
    int clicks;
    float expected;
};

std::ostream& operator<<(std::ostream& out, const StepCase& c)
{
    return out << c.button << " x" << c.clicks << " from " << c.start;
}

class VolumeSteps : public ::testing::TestWithParam<StepCase>
{};

TEST_P(VolumeSteps, MoveByOneTwentiethWithinZeroAndOneAndAreSavedAsShown)
{
    const StepCase& c = GetParam();
    OptionsScreen s;
    (c.music ? s.options().musicVol : s.options().soundVol) = c.start;
    std::vector<ScriptedEvent> events;
    for (int i = 0; i < c.clicks; ++i)
        events.push_back({30 + 4 * i, s.clickOn(c.button)});
    events.push_back({34 + 4 * c.clicks, s.clickOn("ok")});
    s.f.script(events);
    EXPECT_EQ(s.options().mainLoop(nullptr), "");
    const float now = c.music ? s.options().musicVol : s.options().soundVol;
    EXPECT_EQ(now, c.expected);
    // The registry hears the new volume at once.
    EXPECT_EQ(c.music ? s.sounds().musicVol : s.sounds().soundVol, c.expected);
    TOptions reloaded;
    reloaded.loadOptions();
    EXPECT_EQ(c.music ? reloaded.musicVol : reloaded.soundVol, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VolumeSteps,
    ::testing::Values(StepCase{"minus1", true, 0.5f, 9, 0.05f}, StepCase{"minus1", true, 0.5f, 12, 0.0f},
                      StepCase{"plus1", true, 0.5f, 3, 0.65f}, StepCase{"plus1", true, 0.9f, 4, 1.0f},
                      StepCase{"minus2", false, 0.1f, 1, 0.05f}, StepCase{"minus2", false, 0.05f, 3, 0.0f},
                      StepCase{"plus2", false, 0.0f, 1, 0.05f}, StepCase{"plus2", false, 0.95f, 2, 1.0f}));

struct DragCase
{
    const char* what;
    bool music;
    std::vector<std::pair<int, float>> moves; // x the pointer moves to, the volume it gives
};

std::ostream& operator<<(std::ostream& out, const DragCase& c)
{
    return out << c.what;
}

class BarDrag : public ::testing::TestWithParam<DragCase>
{};

TEST_P(BarDrag, SetsTheVolumeFromThePointerWithTheEndsHeld)
{
    const DragCase& c = GetParam();
    OptionsScreen s;
    const TOptions::VolumeBar& bar = c.music ? TOptions::musicBar : TOptions::soundBar;
    const int y = bar.areaY + 15;
    // Pressed at the bar's left end at frame 25, then moved a step every 3 frames, released last.
    std::vector<ScriptedEvent> events{{25, "press left 406 " + std::to_string(y)}};
    for (std::size_t i = 0; i < c.moves.size(); ++i)
        events.push_back({28 + 3 * static_cast<long long>(i),
                          "move " + std::to_string(c.moves[i].first) + " " + std::to_string(y)});
    const long long releasedAt = 28 + 3 * static_cast<long long>(c.moves.size());
    events.push_back({releasedAt, "release left"});
    events.push_back({releasedAt + 2, "move 900 " + std::to_string(y)});
    s.f.script(events);
    std::vector<float> seen;
    s.frames(nullptr, static_cast<int>(releasedAt) + 4, [&](int frame) {
        if (frame >= 25)
            seen.push_back(c.music ? s.options().musicVol : s.options().soundVol);
    });
    EXPECT_EQ(seen.front(), 0.0f); // the press at the left end
    for (std::size_t i = 0; i < c.moves.size(); ++i)
        EXPECT_NEAR(seen[3 + 3 * i], c.moves[i].second, 1e-6) << "move to x " << c.moves[i].first;
    // Released, the pointer moves on and the volume stays.
    EXPECT_NEAR(seen.back(), c.moves.back().second, 1e-6);
    const float other = c.music ? s.options().soundVol : s.options().musicVol;
    EXPECT_EQ(other, 0.5f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BarDrag,
    ::testing::Values(DragCase{"music: along the bar and past both ends",
                               true,
                               {{459, 0.2f}, {671, 1.0f}, {900, 1.0f}, {300, 0.0f}, {565, 0.6f}}},
                      DragCase{"sound: along the bar and past both ends",
                               false,
                               {{538, 132.0f / 265}, {1000, 1.0f}, {406, 0.0f}, {10, 0.0f}, {618, 0.8f}}}));

TEST(OptionsScreenBars, APointerLeavingTheRowUpOrDownStopsTheDrag)
{
    OptionsScreen s;
    const int y = TOptions::musicBar.areaY + 15;
    s.f.script({{25, "press left 500 " + std::to_string(y)}, {28, "move 600 200"}, {31, "move 900 200"}});
    s.frames(nullptr, 33);
    EXPECT_NEAR(s.options().musicVol, 94.0f / 265, 1e-6);
}

TEST(OptionsScreenBars, TheSoundBarTicksOnceForEveryTenthItCrosses)
{
    OptionsScreen s;
    const TSoundData* test = s.sounds().getSoundData("test");
    ASSERT_TRUE(test);
    const int y = TOptions::soundBar.areaY + 15;
    // From 0.498 (tenth 4) in steps of 8 pixels to 0.769 (tenth 7), then back to 0.528.
    std::vector<ScriptedEvent> events{{25, "press left 538 " + std::to_string(y)}};
    std::vector<int> xs;
    for (int k = 1; k <= 9; ++k)
        xs.push_back(538 + 8 * k);
    for (int k = 8; k >= 1; --k)
        xs.push_back(538 + 8 * k);
    for (std::size_t i = 0; i < xs.size(); ++i)
        events.push_back(
            {27 + 2 * static_cast<long long>(i), "move " + std::to_string(xs[i]) + " " + std::to_string(y)});
    s.f.script(events);
    auto copies = test->chn;
    int ticks = 0;
    s.frames(nullptr, 27 + 2 * static_cast<int>(xs.size()), [&](int) {
        for (std::size_t i = 0; i < copies.size(); ++i) {
            // A copy started (a finished one only frees its slot).
            if (test->chn[i] && test->chn[i] != copies[i])
                ++ticks;
        }
        copies = test->chn;
    });
    // The press takes 0.5 to 0.498: into 4; up: into 5, 6 and 7; down again: into 6 and 5
    // (0.528 is in 5, and 0.498 is not reached again).
    EXPECT_EQ(ticks, 6);
}

enum class Way
{
    Row,         // a press in the row, away from the widget
    Widget,      // a press on the widget, which lies in the row
    WidgetAlone, // the widget moved out of its row and pressed there
};

struct ToggleCase
{
    const char* what;
    TOptions::HitRect row;
    const char* on;
    const char* off;
    int TOptions::*flag;
    Way way;
};

std::ostream& operator<<(std::ostream& out, const ToggleCase& c)
{
    return out << c.what << " " << static_cast<int>(c.way);
}

class Toggles : public ::testing::TestWithParam<ToggleCase>
{};

TEST_P(Toggles, SwitchOnceAndAHeadlessRunKeepsItsDisplay)
{
    const ToggleCase& c = GetParam();
    OptionsScreen s;
    TOptions& o = s.options();
    o.fullScreen = 0; // a reopened display would go full screen now
    o.wideScreen = 1;
    o.customCursor = 1;
    const int before = o.*c.flag;
    o.prepare(nullptr); // the widget shown is the one of the current value
    const char* shown = before ? c.on : c.off;
    std::string press;
    switch (c.way) {
    case Way::Row: press = clickAt(c.row.x + 4, c.row.y + c.row.h / 2); break;
    case Way::Widget: press = s.clickOn(shown); break;
    case Way::WidgetAlone:
        o.Gui->getItem(shown)->setPosition(150, 700);
        press = s.clickOn(shown);
        break;
    }
    s.f.script({{30, press}, {40, s.clickOn("ok")}});
    const media::Size surface = s.f.program().display().surfaceSize();
    EXPECT_EQ(o.mainLoop(nullptr), "");
    EXPECT_EQ(o.*c.flag, 1 - before);
    // The widget of the new value shows, the other not.
    EXPECT_EQ(o.Gui->getItem(before ? c.off : c.on)->_v, 1);
    EXPECT_EQ(o.Gui->getItem(shown)->_v, 0);
    // Written on closing; the display as the run opened it.
    EXPECT_EQ(s.stored().getFloat("settings::fullScreen"), o.fullScreen);
    EXPECT_EQ(s.stored().getFloat("settings::wideScreen"), o.wideScreen);
    EXPECT_EQ(s.stored().getFloat("settings::customCursor"), o.customCursor);
    EXPECT_EQ(s.stored().getFloat("settings::onlyWinnableDeals"), o.onlyWinnableDeals);
    EXPECT_FALSE(s.f.program().display().fullScreen());
    EXPECT_EQ(s.f.program().display().surfaceSize().width, surface.width);
    EXPECT_EQ(s.f.program().display().surfaceSize().height, surface.height);
    // The system pointer shows exactly when the game's own cursor is off.
    if (c.flag == &TOptions::customCursor) {
        EXPECT_EQ(s.f.program().display().pointerVisible(), o.customCursor == 0);
    }
}

const TOptions::HitRect fullRow = TOptions::fullScreenRow;
const TOptions::HitRect wideRow = TOptions::wideScreenRow;
const TOptions::HitRect cursorRow = TOptions::cursorRow;
const TOptions::HitRect dealsRow = TOptions::winnableDealsRow;

INSTANTIATE_TEST_SUITE_P(
    Cases, Toggles,
    ::testing::Values(
        ToggleCase{"full screen", fullRow, "on", "off", &TOptions::fullScreen, Way::Row},
        ToggleCase{"full screen", fullRow, "on", "off", &TOptions::fullScreen, Way::Widget},
        ToggleCase{"full screen", fullRow, "on", "off", &TOptions::fullScreen, Way::WidgetAlone},
        ToggleCase{"wide screen", wideRow, "onW", "offW", &TOptions::wideScreen, Way::Row},
        ToggleCase{"wide screen", wideRow, "onW", "offW", &TOptions::wideScreen, Way::Widget},
        ToggleCase{"wide screen", wideRow, "onW", "offW", &TOptions::wideScreen, Way::WidgetAlone},
        ToggleCase{"cursor", cursorRow, "onC", "offC", &TOptions::customCursor, Way::Row},
        ToggleCase{"cursor", cursorRow, "onC", "offC", &TOptions::customCursor, Way::Widget},
        ToggleCase{"cursor", cursorRow, "onC", "offC", &TOptions::customCursor, Way::WidgetAlone},
        ToggleCase{"winnable deals", dealsRow, "onD", "offD", &TOptions::onlyWinnableDeals, Way::Row},
        ToggleCase{"winnable deals", dealsRow, "onD", "offD", &TOptions::onlyWinnableDeals, Way::Widget},
        ToggleCase{"winnable deals", dealsRow, "onD", "offD", &TOptions::onlyWinnableDeals,
                   Way::WidgetAlone}));

enum class Under
{
    Nothing,
    TitleScreen,
    OtherScreen,
};

class ButtonsByBackground : public ::testing::TestWithParam<Under>
{};

TEST_P(ButtonsByBackground, CreditsOverTheTitleScreenTheWayOutInALevel)
{
    OptionsScreen s;
    TMainMenu title;
    TEkran level;
    const Under under = GetParam();
    s.options().prepare(under == Under::TitleScreen   ? &title
                        : under == Under::OtherScreen ? &level
                                                      : nullptr);
    const int overTitle = under == Under::TitleScreen ? 1 : 0;
    for (const char* name : {"credits", "mainMenu", "restart"}) {
        auto w = s.options().Gui->getItem(name);
        ASSERT_TRUE(w) << name;
        const int expected = std::string(name) == "credits" ? overTitle : 1 - overTitle;
        EXPECT_EQ(w->_v, expected) << name;
        EXPECT_EQ(w->_a, expected) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonsByBackground,
                         ::testing::Values(Under::Nothing, Under::TitleScreen, Under::OtherScreen));

struct ResultCase
{
    const char* what;
    const char* event; // a widget's name, or a key
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const ResultCase& c)
{
    return out << c.what;
}

class Results : public ::testing::TestWithParam<ResultCase>
{};

TEST_P(Results, AreGivenOnceFadedOutWithTheSettingsWritten)
{
    const ResultCase& c = GetParam();
    OptionsScreen s;
    TEkran level;
    std::filesystem::remove(TOptions::settingsPath());
    s.options().musicVol = 0.35f;
    const std::string event = std::string(c.event).starts_with("key") ? c.event : s.clickOn(c.event);
    s.f.script({{30, event}});
    const long long opened = framesDone();
    EXPECT_EQ(s.options().mainLoop(&level), c.expected);
    // Twenty frames in, the press, and twenty frames out.
    EXPECT_NEAR(static_cast<double>(framesDone() - opened), 50, 2);
    EXPECT_EQ(s.options().alpha, 0.0f);
    EXPECT_FLOAT_EQ(s.stored().getFloat("settings::musicVolume"), 0.35f);
}

INSTANTIATE_TEST_SUITE_P(Cases, Results,
                         ::testing::Values(ResultCase{"ok", "ok", ""},
                                           ResultCase{"Escape", "key Escape tap", ""},
                                           ResultCase{"restart", "restart", "RESTART"},
                                           ResultCase{"main menu", "mainMenu", "MAIN-MENU"}));

TEST(OptionsScreenButtons, TakeNothingWhileTheScreenFadesIn)
{
    OptionsScreen s;
    s.f.script({{5, s.clickOn("plus1")}, {8, "key Escape tap"}, {30, s.clickOn("ok")}});
    s.options().mainLoop(nullptr);
    EXPECT_EQ(s.options().musicVol, 0.5f);
}

TEST(OptionsFile, PlacesTheTogglesInTheirRowsAndClearOfEachOther)
{
    OptionsScreen s;
    const TGui& gui = *s.options().Gui;
    const std::pair<TOptions::HitRect, std::vector<const char*>> rows[] = {
        {TOptions::fullScreenRow, {"on", "off"}},
        {TOptions::wideScreenRow, {"onW", "offW"}},
        {TOptions::cursorRow, {"onC", "offC"}},
        {TOptions::winnableDealsRow, {"onD", "offD"}}};
    for (const auto& [row, names] : rows) {
        for (const char* name : names) {
            auto w = gui.getItem(name);
            ASSERT_TRUE(w) << name;
            EXPECT_GE(w->dim.x1, row.x) << name;
            EXPECT_LE(w->dim.x2, row.x + row.w) << name;
            EXPECT_GE(w->dim.y1, row.y) << name;
            EXPECT_LE(w->dim.y2, row.y + row.h) << name;
        }
    }
    // The buttons lie clear of the bars' areas and the rows, so no press does two things.
    for (const char* name : {"plus1", "minus1", "plus2", "minus2", "ok", "credits", "restart", "mainMenu"}) {
        auto w = gui.getItem(name);
        ASSERT_TRUE(w) << name;
        for (const TOptions::VolumeBar& bar : {TOptions::musicBar, TOptions::soundBar}) {
            const bool overlaps = w->dim.x2 >= bar.areaX && w->dim.x1 <= bar.areaX + bar.areaW
                                  && w->dim.y2 >= bar.areaY && w->dim.y1 <= bar.areaY + bar.areaH;
            EXPECT_FALSE(overlaps) << name;
        }
        for (const auto& [row, names] : rows) {
            const bool overlaps = w->dim.x2 >= row.x && w->dim.x1 <= row.x + row.w && w->dim.y2 >= row.y
                                  && w->dim.y1 <= row.y + row.h;
            EXPECT_FALSE(overlaps) << name;
        }
    }
}
} // namespace
