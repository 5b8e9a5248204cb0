// The real program, headless: start-up, the start screen, scripted input, its ways to end,
// and bad content it must survive.
#include "RunGame.hpp"

#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace
{
using e2e::brightness;
using e2e::readPng;
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;

std::vector<std::string> headless(const std::string& userDir, const std::string& shot, int frames)
{
    return {"--headless",           "--fixed-step", "--seed", "5",          "--frames",
            std::to_string(frames), "--screenshot", shot,     "--user-dir", userDir};
}

// Pixels of the title's gold in a rectangle.
int goldPixels(const media::Image& image, int x0, int y0, int w, int h)
{
    int count = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            if (p[0] > 190 && p[1] > 150 && p[2] < 150 && p[0] - p[2] > 70)
                ++count;
        }
    return count;
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

TEST(StartScreen, ComesUpHeadlessWithItsTitleAndTheUserFolders)
{
    TempFolder t;
    std::string shot = t / "shot.png";
    e2e::Run run = e2e::runGame(game, headless(t / "user", shot, 120), runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(media::fs::pathType(t / "user/Data"), media::fs::PathType::Folder);
    EXPECT_EQ(media::fs::pathType(t / "user/Profiles"), media::fs::PathType::Folder);
    EXPECT_EQ(media::fs::pathType(t / "user/Data/settings.dat"), media::fs::PathType::File);

    media::Image image = readPng(shot);
    ASSERT_EQ(image.width, 1024);
    ASSERT_EQ(image.height, 768);
    // The fade from black has finished: the night sky is lit, not black.
    EXPECT_GT(brightness(image, 0, 0, 1024, 768), 25);
    // The title is drawn in gold across the middle, and the sky above it has none.
    EXPECT_GT(goldPixels(image, 250, 230, 530, 140), 4000);
    EXPECT_LT(goldPixels(image, 0, 0, 1024, 200), 200);
}

TEST(StartScreen, TheSameRunGivesTheSameFrame)
{
    TempFolder t;
    std::string script = t / "input.txt";
    writeFile(script, "20 click left 300 600\n");
    std::vector<std::string> args = headless(t / "user", t / "a.png", 45);
    args.insert(args.end(), {"--input", script});
    ASSERT_EQ(e2e::runGame(game, args, runDir).status, 0);
    args = headless(t / "user", t / "b.png", 45);
    args.insert(args.end(), {"--input", script});
    ASSERT_EQ(e2e::runGame(game, args, runDir).status, 0);
    EXPECT_EQ(readPng(t / "a.png").rgba, readPng(t / "b.png").rgba);
}

TEST(StartScreen, AClickLightsTheWaterWhereThePointerIs)
{
    TempFolder t;
    std::string script = t / "input.txt";
    writeFile(script, "25 move 700 620\n30 click left 700 620\n");
    std::vector<std::string> args = headless(t / "user", t / "clicked.png", 40);
    args.insert(args.end(), {"--input", script});
    e2e::Run clicked = e2e::runGame(game, args, runDir);
    ASSERT_EQ(clicked.status, 0) << clicked.err;
    ASSERT_EQ(e2e::runGame(game, headless(t / "user", t / "still.png", 40), runDir).status, 0);
    media::Image lit = readPng(t / "clicked.png");
    media::Image still = readPng(t / "still.png");
    ASSERT_FALSE(lit.empty());
    ASSERT_FALSE(still.empty());
    // Left of the pointer (clear of the cursor picture) the water is brighter; far away it is not.
    EXPECT_GT(brightness(lit, 640, 605, 50, 30), brightness(still, 640, 605, 50, 30) + 10);
    EXPECT_NEAR(brightness(lit, 100, 600, 50, 30), brightness(still, 100, 600, 50, 30), 1);
}

TEST(StartScreen, EscapeFadesOutAndEndsTheGameItself)
{
    TempFolder t;
    std::string script = t / "input.txt";
    writeFile(script, "60 key Escape tap\n");
    std::vector<std::string> args = headless(t / "user", t / "end.png", 100000);
    args.insert(args.end(), {"--input", script});
    e2e::Run run = e2e::runGame(game, args, runDir, {}, 60);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    // The last frame is the end of the fade-out: black but for the cursor.
    EXPECT_LT(brightness(readPng(t / "end.png"), 0, 0, 1024, 768), 1.0);
}

TEST(StartScreen, AltF4EndsTheGameAndSavesTheSettings)
{
    TempFolder t;
    std::filesystem::create_directories(t / "user/Data");
    writeFile(t / "user/Data/settings.dat",
              "settings {\n\tfullScreen = 0\n\twideScreen = 1\n\tcustomCursor = 1\n"
              "\tmusicVolume = 0.33\n\tsoundVolume = 0.5\n}\n");
    std::string script = t / "input.txt";
    writeFile(script, "10 key LeftAlt down\n12 key F4 tap\n");
    std::vector<std::string> args = headless(t / "user", t / "shot.png", 100000);
    args.insert(args.end(), {"--input", script});
    e2e::Run run = e2e::runGame(game, args, runDir, {}, 60);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    // Saved on the way out: the odd volume comes back on a whole step, the flags as they were
    // (a headless run never stores its own display choice).
    auto saved = media::fs::readText(t / "user/Data/settings.dat");
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find("musicVolume = 0.349999994"), std::string::npos) << *saved;
    EXPECT_NE(saved->find("fullScreen = 0"), std::string::npos) << *saved;
    EXPECT_NE(saved->find("wideScreen = 1"), std::string::npos) << *saved;
}

TEST(StartScreen, TheCloseButtonEndsTheGameWithTheLastFrameShot)
{
    TempFolder t;
    std::string script = t / "input.txt";
    writeFile(script, "15 close\n");
    std::vector<std::string> args = headless(t / "user", t / "shot.png", 100000);
    args.insert(args.end(), {"--input", script});
    e2e::Run run = e2e::runGame(game, args, runDir, {}, 60);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(e2e::runGame(game, headless(t / "user", t / "full.png", 60), runDir).status, 0);
    // Fifteen frames into the twenty-frame fade-in: lit, but not yet fully.
    double b = brightness(readPng(t / "shot.png"), 0, 0, 1024, 768);
    double full = brightness(readPng(t / "full.png"), 0, 0, 1024, 768);
    EXPECT_GT(b, full * 0.6);
    EXPECT_LT(b, full * 0.9);
}

TEST(StartScreen, TheLakeShowsAtOnceAndTheTitleRisesFromIt)
{
    TempFolder t;
    std::vector<std::string> args = headless(t / "user", t / "first.png", 1);
    args.push_back("--timings");
    e2e::Run run = e2e::runGame(game, args, runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(e2e::runGame(game, headless(t / "user", t / "full.png", 60), runDir).status, 0);
    // The first picture was shown before the start screen's first frame, and quickly.
    const auto first = run.err.find("startup: first picture after ");
    const auto interactive = run.err.find("startup: interactive after ");
    ASSERT_NE(first, std::string::npos) << run.err;
    ASSERT_NE(interactive, std::string::npos) << run.err;
    EXPECT_LT(first, interactive);
    EXPECT_LT(std::stod(run.err.substr(first + 29)), 2.0) << run.err;
    // The screen's first frame carries on from the lake under its veil, not from black.
    double b = brightness(readPng(t / "first.png"), 0, 0, 1024, 768);
    double full = brightness(readPng(t / "full.png"), 0, 0, 1024, 768);
    EXPECT_GT(b, full * 0.35);
    EXPECT_LT(b, full * 0.65);
}

struct BrokenContent
{
    const char* what;
    std::function<void(const std::string& folder)> breakIt;
    int status;
    const char* message;
};

void PrintTo(const BrokenContent& c, std::ostream* os)
{
    *os << c.what;
}

class BrokenRunFolder : public ::testing::TestWithParam<BrokenContent>
{};

TEST_P(BrokenRunFolder, IsReportedByNameAndNeverCrashes)
{
    TempFolder t;
    std::string folder = e2e::copyRunFolder(runDir, t / "game");
    GetParam().breakIt(folder);
    e2e::Run run =
        e2e::runGame(folder + "/eldmere", headless(t / "user", t / "shot.png", 30), folder, {}, 60);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenRunFolder,
    ::testing::Values(
        BrokenContent{"no language file",
                      [](const std::string& f) { std::filesystem::remove(f + "/txt/lang.txt"); }, 1,
                      "txt/lang.txt"},
        BrokenContent{"a language code that walks out of its folder",
                      [](const std::string& f) { writeFile(f + "/txt/lang.txt", "../../etc\n"); }, 1,
                      "txt/lang.txt"},
        BrokenContent{"no window-title table",
                      [](const std::string& f) { std::filesystem::remove(f + "/txt/en/names.txt"); }, 1,
                      "txt/en/names.txt"},
        BrokenContent{"no pause-text table",
                      [](const std::string& f) { std::filesystem::remove(f + "/txt/en/gameTexts.txt"); }, 1,
                      "txt/en/gameTexts.txt"},
        BrokenContent{"a picture that is not a picture",
                      [](const std::string& f) { writeFile(f + "/gfx/white.png", "just some words\n"); }, 0,
                      "gfx/white.png"},
        BrokenContent{"a truncated JPEG",
                      [](const std::string& f) {
                          std::string path = f + "/gfx/start/backdrop.jpg";
                          std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
                      },
                      0, "gfx/start/backdrop.jpg"},
        BrokenContent{"a missing cursor",
                      [](const std::string& f) { std::filesystem::remove(f + "/gfx/kursor.png"); }, 0,
                      "gfx/kursor.png"}),
    [](const ::testing::TestParamInfo<BrokenContent>& info) {
        std::string name;
        for (char c : std::string(info.param.what))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(CommandLine, BadFlagsAndScriptsAreRefused)
{
    TempFolder t;
    e2e::Run unknown = e2e::runGame(game, {"--headless", "--bogus"}, runDir);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--bogus"), std::string::npos);

    writeFile(t / "script.txt", "1 move 1 1\n2 fly away\n");
    e2e::Run badScript = e2e::runGame(
        game, {"--headless", "--frames", "5", "--user-dir", t / "user", "--input", t / "script.txt"}, runDir);
    EXPECT_EQ(badScript.status, 1);
    EXPECT_NE(badScript.err.find("script.txt:2:"), std::string::npos) << badScript.err;
}
} // namespace
