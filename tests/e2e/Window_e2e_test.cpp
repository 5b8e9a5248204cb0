// The real program in a real window, inside a virtual X display: full screen on a wide
// desktop and a plain window, driven by real mouse and key events.
#include "RunGame.hpp"

#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
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
};

// Pixels of the game's gold arrow cursor (saturated gold; nothing on the title screen's night
// is) in the 40 x 40 box around a logical point.
int cursorPixels(const media::Image& image, int x, int y)
{
    int count = 0;
    for (int py = std::max(0, y - 20); py < std::min(image.height, y + 20); ++py)
        for (int px = std::max(0, x - 20); px < std::min(image.width, x + 20); ++px) {
            const std::uint8_t* p = image.pixel(px, py);
            if (p[0] > 190 && p[1] > 120 && p[2] < 90)
                ++count;
        }
    return count;
}

TEST_F(InAWindow, WideFullScreenIsLetterBoxedAndTheMouseReadsLogicalCoordinates)
{
    settings(true, true);
    std::string geometry;
    auto game = start(geometry);
    EXPECT_EQ(geometry, "1920x1080");
    // The desktop's (960, 900) is (512, 640) on the logical screen, scaled by 1080 / 768 past a
    // 240-pixel bar: the game's cursor is drawn there, and nowhere near the desktop's own point.
    system(x("xdotool mousemove 960 900").c_str());
    std::this_thread::sleep_for(300ms);
    system(x("xdotool key alt+F4").c_str());
    ASSERT_EQ(game->wait(20s), 0) << "Alt+F4 should end the game normally";

    media::Image shot = readPng(folder / "shot.png");
    ASSERT_EQ(shot.width, 1024);
    EXPECT_GT(cursorPixels(shot, 512, 640), 20);
    EXPECT_LT(cursorPixels(shot, 700, 640), 5);
}

TEST_F(InAWindow, AWindowOfTheGamesSizeMapsThePointerOneToOne)
{
    settings(false, false);
    std::string geometry;
    auto game = start(geometry);
    EXPECT_EQ(geometry, "1024x768");
    std::string id = output(x("xdotool search --name '^Eldmere$' | head -n 1"));
    id.pop_back();
    system(x("xdotool mousemove --window " + id + " 300 620").c_str());
    std::this_thread::sleep_for(300ms);
    system(x("xdotool key alt+F4").c_str());
    ASSERT_EQ(game->wait(20s), 0);
    media::Image shot = readPng(folder / "shot.png");
    ASSERT_EQ(shot.width, 1024);
    // The game's cursor is where the pointer is in the window, pixel for pixel.
    EXPECT_GT(cursorPixels(shot, 300, 620), 20);
    EXPECT_LT(cursorPixels(shot, 420, 620), 5);
}
} // namespace
