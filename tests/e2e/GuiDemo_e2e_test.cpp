// The widgets as a player meets them, through the demonstration GUI file shown with --gui: a
// window dressed by the theme, texts, a field typed into, a menu opened by the mouse, a lantern
// animation, and a command clicked reported by name.
#include "RunGame.hpp"

#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace
{
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;

// Mean red minus mean blue over a rectangle: wood and gold are warm, the night glass is blue.
double warmth(const media::Image& shot, int x0, int y0, int w, int h)
{
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            const std::uint8_t* p = shot.pixel(x, y);
            sum += static_cast<double>(p[0]) - static_cast<double>(p[2]);
        }
    }
    return sum / (w * h);
}

media::Image shoot(TempFolder& t, const std::string& name, const std::string& script, int frames)
{
    std::ofstream(t / (name + ".txt")) << script;
    e2e::Run run = e2e::runGame(game,
                                {"--headless", "--fixed-step", "--frames", std::to_string(frames), "--gui",
                                 "gfx/gui/demo/demo.gui", "--user-dir", t / "user", "--input",
                                 t / (name + ".txt"), "--screenshot", t / (name + ".png")},
                                runDir);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, ""); // the demonstration file loads with no report
    return e2e::readPng(t / (name + ".png"));
}

TEST(GuiDemo, TheWindowTextsFieldMenuAndLanternShow)
{
    TempFolder t;
    // "Anna" typed into the name field; the Game menu opened with a click on its title.
    const media::Image open = shoot(t, "open", "60 type Anna\n90 click left 165 118\n", 140);
    const media::Image closed = shoot(t, "closed", "", 140);
    ASSERT_FALSE(open.empty());
    ASSERT_FALSE(closed.empty());
    // The carved frame around the window, and the blue glass inside it.
    EXPECT_GT(warmth(closed, 114, 300, 10, 100), 40);
    EXPECT_LT(warmth(closed, 400, 500, 200, 60), -20);
    // The title in gold, centred.
    EXPECT_GT(warmth(closed, 380, 165, 260, 24), warmth(closed, 380, 330, 260, 24) + 10);
    // The typed name in the field, which is empty without typing.
    EXPECT_GT(e2e::brightness(open, 312, 432, 48, 20), e2e::brightness(closed, 312, 432, 48, 20) + 15);
    // The open menu's wooden box over the glass, below its title.
    EXPECT_GT(warmth(open, 148, 142, 140, 94), 10);
    EXPECT_LT(warmth(closed, 148, 142, 140, 94), -10);
    // The lantern: lit in at least one of three moments of its flicker.
    double lantern = 0;
    for (int frames : {140, 150, 160}) {
        const media::Image shot = shoot(t, "lantern" + std::to_string(frames), "", frames);
        lantern = std::max(lantern, warmth(shot, 790, 425, 28, 50));
    }
    EXPECT_GT(lantern, 30);
}

TEST(GuiDemo, AMenuCommandIsReportedByNameAndTheInactiveWindowIsNot)
{
    TempFolder t;
    std::ofstream(t / "clicks.txt") << "60 click left 500 560\n"   // the window: inactive
                                    << "90 click left 165 118\n"   // open the Game menu
                                    << "130 move 190 200\n"        // across the open menu
                                    << "160 click left 190 150\n"  // "New quest"
                                    << "200 click left 512 620\n"; // the OK button
    e2e::Run run =
        e2e::runGame(game,
                     {"--headless", "--fixed-step", "--frames", "240", "--gui", "gfx/gui/demo/demo.gui",
                      "--user-dir", t / "user", "--input", t / "clicks.txt"},
                     runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "gui clicked new\ngui clicked ok\n");
}
} // namespace
