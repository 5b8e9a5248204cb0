// The menu of a level in the real game: Escape opens the options over the table, the volumes
// changed there are kept for the next run, and a restart deals the level afresh.
#include "RunGame.hpp"

#include "data/DataFiles.hpp"
#include "data/Language.hpp"
#include "gui/TGui.hpp"
#include "support/TempFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{
using e2e::traceField;
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;
const std::string fixtures = ELDMERE_TEST_FIXTURES;

// Clicks on the middles of the options screen's widgets, where its GUI file places them.
class OptionsLayout
{
public:
    OptionsLayout()
    {
        testing_support::TestProgram program;
        testing_support::InFolder here(runDir);
        language = "en";
        gui_ = loadGui("gfx/gui/options/options.gui");
    }
    std::string click(const std::string& name) const
    {
        auto widget = gui_->getItem(name);
        EXPECT_TRUE(widget) << name;
        if (!widget)
            return "move 0 0";
        const int x = static_cast<int>(widget->dim.x + widget->dim.w / 2);
        const int y = static_cast<int>(widget->dim.y + widget->dim.h / 2);
        return "move " + std::to_string(x) + " " + std::to_string(y) + "\n" + "click left "
               + std::to_string(x) + " " + std::to_string(y);
    }

private:
    std::unique_ptr<TGui> gui_;
};

// "frame event" lines; an event of two lines (a move and a click) takes the frame and the next.
std::string script(const std::vector<std::pair<int, std::string>>& events)
{
    std::ostringstream out;
    for (const auto& [frame, event] : events) {
        std::istringstream lines(event);
        int at = frame;
        for (std::string line; std::getline(lines, line); ++at)
            out << at << " " << line << "\n";
    }
    return out.str();
}

std::vector<std::string> runArgs(const TempFolder& t, const std::string& input, int frames)
{
    return {"--headless", "--fixed-step",
            "--seed",     "4",
            "--user-dir", t / "user",
            "--level",    fixtures + "/levels/first-move.lvl",
            "--frames",   std::to_string(frames),
            "--input",    input,
            "--trace",    t / "trace.txt"};
}

TEST(LevelMenu, VolumesSetThereAreStoredAndTheNextRunStartsFromThem)
{
    const OptionsLayout layout;
    TempFolder t;
    const std::string settings = t / "user/Data/settings.dat";
    // The first card is played at frame 101; Escape opens the menu at 160.
    std::ofstream(t / "first.txt") << script({{100, "move 300 330"},
                                              {101, "click left 300 330"},
                                              {160, "key Escape tap"},
                                              {200, layout.click("plus1")},
                                              {210, layout.click("minus2")},
                                              {220, layout.click("minus2")},
                                              {240, layout.click("ok")}});
    e2e::Run first = e2e::runGame(game, runArgs(t, t / "first.txt", 300), runDir);
    ASSERT_EQ(first.status, 0) << first.err;
    TRCMFile stored = loadDataFile(settings);
    EXPECT_FLOAT_EQ(stored.getFloat("settings::musicVolume"), 0.55f);
    EXPECT_FLOAT_EQ(stored.getFloat("settings::soundVolume"), 0.4f);

    // The second run starts from the stored volumes: one more step up gives 0.6.
    std::ofstream(t / "second.txt") << script(
        {{120, "key Escape tap"}, {160, layout.click("plus1")}, {180, layout.click("ok")}});
    e2e::Run second = e2e::runGame(game, runArgs(t, t / "second.txt", 240), runDir);
    ASSERT_EQ(second.status, 0) << second.err;
    stored = loadDataFile(settings);
    EXPECT_FLOAT_EQ(stored.getFloat("settings::musicVolume"), 0.6f);
    EXPECT_FLOAT_EQ(stored.getFloat("settings::soundVolume"), 0.4f);
}

TEST(LevelMenu, RestartDealsTheLevelAfresh)
{
    const OptionsLayout layout;
    TempFolder t;
    std::ofstream(t / "input.txt") << script({{100, "move 300 330"},
                                              {101, "click left 300 330"},
                                              {160, "key Escape tap"},
                                              {200, layout.click("restart")}});
    e2e::Run run = e2e::runGame(game, runArgs(t, t / "input.txt", 400), runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> deals;
    int plays = 0;
    std::ifstream in(t / "trace.txt");
    for (std::string line; std::getline(in, line);) {
        if (traceField(line, "event") == "deal")
            deals.push_back(line);
        if (traceField(line, "event") == "play")
            ++plays;
    }
    EXPECT_EQ(plays, 1); // the left card, before the restart
    ASSERT_EQ(deals.size(), 2u);
    // The second deal has the whole table and deck again, and the score from nothing.
    EXPECT_EQ(traceField(deals[1], "table"), traceField(deals[0], "table"));
    EXPECT_EQ(traceField(deals[1], "deck"), traceField(deals[0], "deck"));
    EXPECT_EQ(traceField(deals[1], "score"), "0");
    EXPECT_GT(std::stoll(traceField(deals[1], "frame")), 200);
}
} // namespace
