// The real program, headless: start-up, the title screen and its first player, scripted input,
// its ways to end, and bad content it must survive.
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

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::string& path)
{
    return media::fs::readText(path).value_or("");
}

// The intro zooms in over 200 frames; a first start then asks for a name. These frames type
// one in and accept it; the menu is there to be used 60 frames after.
const std::string typeAnna = "240 type anna\n250 key Enter tap\n";
constexpr int menuReadyFrame = 330;

std::vector<std::string> withScript(std::vector<std::string> args, const std::string& script)
{
    args.insert(args.end(), {"--input", script});
    return args;
}

TEST(Title, AFirstStartWritesTheListOfPlayersEmptyAndAsksNoOneYet)
{
    TempFolder t;
    std::string shot = t / "shot.png";
    e2e::Run run = e2e::runGame(game, headless(t / "user", shot, 120), runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(media::fs::pathType(t / "user/Data/settings.dat"), media::fs::PathType::File);
    const std::string list = readFile(t / "user/Profiles/profile.dat");
    EXPECT_NE(list.find("i = 0"), std::string::npos) << list;
    EXPECT_NE(list.find("ActProfile = \"NULL\""), std::string::npos) << list;
    // No player folder: the name is asked for only once the intro is over.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(t / "user/Profiles"))
        ++entries;
    EXPECT_EQ(entries, 1u);

    media::Image image = readPng(shot);
    ASSERT_EQ(image.width, 1024);
    ASSERT_EQ(image.height, 768);
    // The fade from black has finished: the night sky is lit, not black.
    EXPECT_GT(brightness(image, 0, 0, 1024, 768), 25);
}

TEST(Title, TheNameTypedAtTheFirstStartMakesThePlayerWhoIsGreetedNextTime)
{
    TempFolder t;
    writeFile(t / "input.txt", typeAnna);
    e2e::Run first = e2e::runGame(
        game, withScript(headless(t / "user", t / "a.png", menuReadyFrame), t / "input.txt"), runDir);
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string list = readFile(t / "user/Profiles/profile.dat");
    EXPECT_NE(list.find("i = 1"), std::string::npos) << list;
    EXPECT_NE(list.find("ActProfile = \"65-78-78-65-\""), std::string::npos) << list;
    EXPECT_NE(list.find("Profile1 = \"ANNA\", \"65-78-78-65-\""), std::string::npos) << list;
    const std::string player = readFile(t / "user/Profiles/65-78-78-65-/profile.dat");
    EXPECT_NE(player.find("name = \"ANNA\""), std::string::npos) << player;

    // The next start asks nothing: typing the same keys again makes no second player.
    e2e::Run second = e2e::runGame(
        game, withScript(headless(t / "user", t / "b.png", menuReadyFrame), t / "input.txt"), runDir);
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(readFile(t / "user/Profiles/profile.dat"), list);
}

TEST(Title, TheSameRunGivesTheSameFrame)
{
    TempFolder t;
    writeFile(t / "input.txt", typeAnna + "300 move 300 600\n");
    auto args = withScript(headless(t / "user", t / "a.png", 320), t / "input.txt");
    ASSERT_EQ(e2e::runGame(game, args, runDir).status, 0);
    std::filesystem::remove_all(t / "user");
    args = withScript(headless(t / "user", t / "b.png", 320), t / "input.txt");
    ASSERT_EQ(e2e::runGame(game, args, runDir).status, 0);
    EXPECT_EQ(readPng(t / "a.png").rgba, readPng(t / "b.png").rgba);
}

struct QuitCase
{
    const char* what;
    const char* answer; // to the question "leave the game?"
    bool ends;
};

class QuitQuestion : public ::testing::TestWithParam<QuitCase>
{};

TEST_P(QuitQuestion, EscapeAsksFirstAndOnlyYesEndsTheGame)
{
    TempFolder t;
    const int escape = menuReadyFrame + 10;
    writeFile(t / "input.txt", typeAnna + std::to_string(escape) + " key Escape tap\n"
                                   + std::to_string(escape + 40) + " " + GetParam().answer + "\n");
    // Far more frames than a fade-out takes: a run that ends did so by itself.
    const int frames = GetParam().ends ? 100000 : escape + 200;
    e2e::Run run = e2e::runGame(
        game, withScript(headless(t / "user", t / "end.png", frames), t / "input.txt"), runDir, {}, 90);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    const double light = brightness(readPng(t / "end.png"), 0, 0, 1024, 768);
    if (GetParam().ends)
        EXPECT_LT(light, 1.0); // the end of the fade-out: black but for the cursor
    else
        EXPECT_GT(light, 25); // the title is still there
}

INSTANTIATE_TEST_SUITE_P(Answers, QuitQuestion,
                         ::testing::Values(QuitCase{"yes", "key Enter tap", true},
                                           QuitCase{"no", "key Escape tap", false}),
                         [](const ::testing::TestParamInfo<QuitCase>& info) { return info.param.what; });

TEST(Title, AltF4EndsTheGameAndSavesTheSettings)
{
    TempFolder t;
    std::filesystem::create_directories(t / "user/Data");
    writeFile(t / "user/Data/settings.dat",
              "settings {\n\tfullScreen = 0\n\twideScreen = 1\n\tcustomCursor = 1\n"
              "\tmusicVolume = 0.33\n\tsoundVolume = 0.5\n}\n");
    writeFile(t / "input.txt", "10 key LeftAlt down\n12 key F4 tap\n");
    e2e::Run run = e2e::runGame(
        game, withScript(headless(t / "user", t / "shot.png", 100000), t / "input.txt"), runDir, {}, 60);
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

TEST(Title, TheCloseButtonEndsTheGameWithTheLastFrameShot)
{
    TempFolder t;
    writeFile(t / "input.txt", "5 close\n");
    e2e::Run run = e2e::runGame(
        game, withScript(headless(t / "user", t / "shot.png", 100000), t / "input.txt"), runDir, {}, 60);
    ASSERT_EQ(run.status, 0) << run.err;
    // The close comes as frame 5 begins, so the last frame drawn is the fourth: the one a run of
    // exactly four frames ends on.
    ASSERT_EQ(e2e::runGame(game, headless(t / "user", t / "four.png", 4), runDir).status, 0);
    EXPECT_EQ(readPng(t / "shot.png").rgba, readPng(t / "four.png").rgba);
}

TEST(Title, TheLakeShowsAtOnceAndTheTitleRisesFromIt)
{
    TempFolder t;
    std::vector<std::string> args = headless(t / "user", t / "first.png", 1);
    args.push_back("--timings");
    e2e::Run run = e2e::runGame(game, args, runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(e2e::runGame(game, headless(t / "user", t / "full.png", 30), runDir).status, 0);
    // The first picture was shown before the title screen's first frame, and quickly.
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
                          std::string path = f + "/gfx/gui/screen-title/back.jpg";
                          std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
                      },
                      0, "gfx/gui/screen-title/back.jpg"},
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

    e2e::Run lonelyName = e2e::runGame(game, {"--headless", "--profile", "anna"}, runDir);
    EXPECT_EQ(lonelyName.status, 2);
    EXPECT_NE(lonelyName.err.find("--autoplay"), std::string::npos) << lonelyName.err;
}
} // namespace
