// The real program in a real window, inside a virtual X display: full screen on a wide
// desktop and a plain window, driven by real mouse and key events.
#include "RunGame.hpp"

#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace
{
using testing_support::TempFolder;
using namespace std::chrono_literals;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;

using e2e::brightness;
using e2e::output;
using e2e::Process;
using e2e::readPng;

class InAWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (media::fs::pathType("/usr/bin/Xvfb") != media::fs::PathType::File
            || media::fs::pathType("/usr/bin/xdotool") != media::fs::PathType::File)
            GTEST_SKIP() << "Xvfb and xdotool are needed (scripts/setup installs them)";
        // Xvfb picks a free display number and tells it through descriptor 3, so tests running
        // side by side never share a display. It must not reset when its last client leaves:
        // a game connecting just then would find no display.
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        e2e::SpawnOptions options;
        options.passFd = fds[1];
        xvfb_ = std::make_unique<Process>(std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd", "3",
                                                                   "-screen", "0", "1920x1080x24",
                                                                   "-nolisten", "tcp", "-noreset"},
                                          options);
        close(fds[1]);
        ASSERT_TRUE(xvfb_->started());
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not say which display it took";
        display_ = ":" + number;
        for (int i = 0; i < 100 && output(x("xdotool getdisplaygeometry 2>/dev/null")).empty(); ++i)
            std::this_thread::sleep_for(50ms);
        ASSERT_NE(output(x("xdotool getdisplaygeometry")), "") << "the virtual display did not start";

        // The still frame of the start screen, for comparison.
        e2e::Run still = e2e::runGame(game,
                                      {"--headless", "--fixed-step", "--frames", "200", "--screenshot",
                                       folder / "still.png", "--user-dir", folder / "still"},
                                      runDir);
        ASSERT_EQ(still.status, 0) << still.err;
        stillFrame_ = readPng(folder / "still.png");
    }

    std::string x(const std::string& command) const { return "DISPLAY=" + display_ + " " + command; }

    void settings(bool fullScreen, bool wideScreen)
    {
        std::filesystem::create_directories(folder / "user/Data");
        std::ofstream(folder / "user/Data/settings.dat")
            << "settings {\n\tfullScreen = " << fullScreen << "\n\twideScreen = " << wideScreen
            << "\n\tcustomCursor = 1\n\tmusicVolume = 0.5\n\tsoundVolume = 0.5\n}\n";
    }

    // Starts the game, waits for its window, returns the window's size "WxH".
    std::unique_ptr<Process> start(std::string& geometry)
    {
        e2e::SpawnOptions options;
        options.env = {"DISPLAY=" + display_, "ASAN_OPTIONS=detect_leaks=0"};
        options.folder = runDir;
        auto child = std::make_unique<Process>(std::vector<std::string>{game, "--frames", "100000",
                                                                        "--screenshot", folder / "shot.png",
                                                                        "--user-dir", folder / "user"},
                                               options);
        std::string id = output(x("timeout 30 xdotool search --sync --name '^Eldmere$' | head -n 1"));
        if (!id.empty() && id.back() == '\n')
            id.pop_back();
        geometry = output(x("xdotool getwindowgeometry " + id + " | sed -n 's/.*Geometry: //p'"));
        if (!geometry.empty() && geometry.back() == '\n')
            geometry.pop_back();
        // Let it show a few frames of its fade-in.
        std::this_thread::sleep_for(1500ms);
        return child;
    }

    TempFolder folder;
    std::string display_;
    std::unique_ptr<Process> xvfb_;
    media::Image stillFrame_;
};

TEST_F(InAWindow, WideFullScreenIsLetterBoxedAndTheMouseReadsLogicalCoordinates)
{
    settings(true, true);
    std::string geometry;
    auto game = start(geometry);
    EXPECT_EQ(geometry, "1920x1080");
    // The middle of the desktop's lower part is (512, 640) on the logical screen; a click over
    // the left bar lands left of the logical screen and lights nothing that can be seen.
    system(x("xdotool mousemove 960 900 click 1").c_str());
    std::this_thread::sleep_for(150ms);
    system(x("xdotool mousemove 60 560 click 1").c_str());
    std::this_thread::sleep_for(250ms);
    system(x("xdotool key alt+F4").c_str());
    ASSERT_EQ(game->wait(20s), 0) << "Alt+F4 should end the game normally";

    media::Image shot = readPng(folder / "shot.png");
    ASSERT_EQ(shot.width, 1024);
    EXPECT_GT(brightness(shot, 462, 620, 100, 40), brightness(stillFrame_, 462, 620, 100, 40) + 8);
    EXPECT_NEAR(brightness(shot, 0, 560, 60, 40), brightness(stillFrame_, 0, 560, 60, 40), 3);
}

TEST_F(InAWindow, AWindowOfTheGamesSizeMapsThePointerOneToOne)
{
    settings(false, false);
    std::string geometry;
    auto game = start(geometry);
    EXPECT_EQ(geometry, "1024x768");
    std::string id = output(x("xdotool search --name '^Eldmere$' | head -n 1"));
    id.pop_back();
    system(x("xdotool mousemove --window " + id + " 300 620 click 1").c_str());
    std::this_thread::sleep_for(250ms);
    system(x("xdotool key alt+F4").c_str());
    ASSERT_EQ(game->wait(20s), 0);
    media::Image shot = readPng(folder / "shot.png");
    ASSERT_EQ(shot.width, 1024);
    // Lit left of the pointer, where the cursor picture does not reach.
    EXPECT_GT(brightness(shot, 240, 605, 50, 30), brightness(stillFrame_, 240, 605, 50, 30) + 8);
    EXPECT_NEAR(brightness(shot, 40, 90, 50, 30), brightness(stillFrame_, 40, 90, 50, 30), 3);
}
} // namespace
