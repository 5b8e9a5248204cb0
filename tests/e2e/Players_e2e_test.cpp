// The players' screen in the real game, headless, by scripted clicks read from the shipped GUI
// files: a new player chosen over the first; then a renaming, a deletion and the list kept,
// each found on disk and at the next start.
#include "GuiPoints.hpp"
#include "RunGame.hpp"

#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace
{
using e2e::clickLine;
using e2e::widgetCentre;
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;
const std::string titleGui = "gfx/gui/screen-title/title.gui";
const std::string playersGui = "gfx/gui/profileManager/profileManager.gui";

std::string readFile(const std::string& path)
{
    return media::fs::readText(path).value_or("");
}

std::string click(long long frame, const std::string& gui, const std::string& widget)
{
    return clickLine(frame, widgetCentre(gui, widget));
}

// The players' rows: the k-th (from 0) is 24 pixels high from y 245, across x 360 to 620.
std::string clickRow(long long frame, int k)
{
    return clickLine(frame, {490, 245 + 24 * k + 12});
}

e2e::Run play(const TempFolder& t, const std::string& script, int frames)
{
    std::ofstream(t / "input.txt") << script;
    return e2e::runGame(game,
                        {"--headless", "--fixed-step", "--seed", "2", "--frames", std::to_string(frames),
                         "--input", t / "input.txt", "--user-dir", t / "user", "--screenshot",
                         t / "shot.png"},
                        runDir);
}

TEST(Players, NewRenameDeleteAndChooseByClicksAreKeptOnDisk)
{
    TempFolder t;
    // First start: ANNA at the prompt; then the players' screen, a new player BO, and OK with
    // BO (new, so selected) chosen.
    std::string first = "240 type anna\n250 key Enter tap\n";
    first += click(340, titleGui, "manager");
    first += click(380, playersGui, "NEW");
    first += "420 type bo\n430 key Enter tap\n";
    first += click(480, playersGui, "OK");
    e2e::Run one = play(t, first, 540);
    ASSERT_EQ(one.status, 0) << one.err;
    std::string list = readFile(t / "user/Profiles/profile.dat");
    EXPECT_EQ(list, "Profiles {\n"
                    "\ti = 2\n"
                    "\tActProfile = \"66-79-\"\n"
                    "\tProfile1 = \"ANNA\", \"65-78-78-65-\"\n"
                    "\tProfile2 = \"BO\", \"66-79-\"\n"
                    "}\n\n");
    EXPECT_NE(readFile(t / "user/Profiles/66-79-/profile.dat").find("name = \"BO\""), std::string::npos);

    // Next start (no name asked): ANNA renamed ANYA, BO deleted, OK. BO was current and no
    // other row was chosen: the first row left becomes current, never the deleted player.
    std::string second = click(280, titleGui, "manager");
    second += clickRow(310, 0);
    second += click(320, playersGui, "RENAME");
    second += "350 key Backspace tap\n352 key Backspace tap\n354 key Backspace tap\n356 key Backspace tap\n";
    second += "360 type anya\n370 key Enter tap\n";
    second += clickRow(400, 1);
    second += click(410, playersGui, "DELETE");
    second += "440 key Enter tap\n"; // yes, delete BO
    second += click(470, playersGui, "OK");
    e2e::Run two = play(t, second, 520);
    ASSERT_EQ(two.status, 0) << two.err;
    list = readFile(t / "user/Profiles/profile.dat");
    EXPECT_EQ(list, "Profiles {\n"
                    "\ti = 1\n"
                    "\tActProfile = \"65-78-89-65-\"\n"
                    "\tProfile1 = \"ANYA\", \"65-78-89-65-\"\n"
                    "}\n\n")
        << second;
    // The renamed player's data went with it; the deleted player's files stay on disk.
    EXPECT_NE(readFile(t / "user/Profiles/65-78-89-65-/profile.dat").find("name = \"ANYA\""),
              std::string::npos);
    EXPECT_EQ(media::fs::pathType(t / "user/Profiles/65-78-78-65-"), media::fs::PathType::Absent);
    EXPECT_EQ(media::fs::pathType(t / "user/Profiles/66-79-/profile.dat"), media::fs::PathType::File);
    EXPECT_EQ(two.err.find("damaged"), std::string::npos) << two.err;
}
} // namespace
