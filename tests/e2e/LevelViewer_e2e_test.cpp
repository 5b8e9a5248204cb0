// The real program dealing shipped level files onto the table (eldmere --level).
#include "RunGame.hpp"

#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace
{
using e2e::brightness;
using e2e::readPng;
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;

std::vector<std::string> viewer(const TempFolder& t, const std::string& level, const std::string& shot,
                                int frames)
{
    return {"--headless",   "--fixed-step", "--seed",     "3",        "--frames", std::to_string(frames),
            "--screenshot", t / shot,       "--user-dir", t / "user", "--level",  level};
}

// Pixels of card stock (light, warm) in a rectangle.
int cardPixels(const media::Image& image, int x0, int y0, int w, int h)
{
    int count = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            if (p[0] > 190 && p[1] > 170 && p[2] > 130)
                ++count;
        }
    return count;
}

TEST(LevelViewer, DealsAShippedLevelOntoTheTable)
{
    TempFolder t;
    e2e::Run run = e2e::runGame(game, viewer(t, "data/levels/stage-01/level-01.lvl", "deal.png", 40), runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "dealing a shipped level should not complain";
    media::Image shot = readPng(t / "deal.png");
    ASSERT_EQ(shot.width, 1024);
    // The bottom row of the three peaks lies face up across the table.
    EXPECT_GT(cardPixels(shot, 20, 340, 984, 130), 20000);
    // The deck stands on its tray below the table.
    EXPECT_GT(brightness(shot, 300, 620, 150, 120), brightness(shot, 40, 620, 150, 120) + 5);
}

TEST(LevelViewer, TheCardUnderTheMouseLightsUp)
{
    TempFolder t;
    std::string script = t / "input.txt";
    std::ofstream(script) << "5 move 362 430\n";
    std::vector<std::string> args = viewer(t, "data/levels/stage-01/level-01.lvl", "hover.png", 60);
    args.insert(args.end(), {"--input", script});
    ASSERT_EQ(e2e::runGame(game, args, runDir).status, 0);
    ASSERT_EQ(
        e2e::runGame(game, viewer(t, "data/levels/stage-01/level-01.lvl", "still.png", 60), runDir).status,
        0);
    media::Image hover = readPng(t / "hover.png");
    media::Image still = readPng(t / "still.png");
    // Just below the hovered card (centred at 362, 401) its halo shows; its neighbours stay dark.
    EXPECT_GT(brightness(hover, 330, 472, 60, 6), brightness(still, 330, 472, 60, 6) + 10);
    EXPECT_NEAR(brightness(hover, 530, 472, 60, 6), brightness(still, 530, 472, 60, 6), 2);
}

TEST(LevelViewer, ABadLevelFileIsNamedAndTheTableStaysEmpty)
{
    TempFolder t;
    std::ofstream(t / "broken.lvl") << "level {\n\tcards {\n\t\ti = 2\n\t\tcard1 {\n\t\t\tid = 900\n";
    e2e::Run run = e2e::runGame(game, viewer(t, t / "broken.lvl", "broken.png", 30), runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("broken.lvl"), std::string::npos) << run.err;
    EXPECT_LT(cardPixels(readPng(t / "broken.png"), 0, 0, 1024, 560), 200);
}
} // namespace
