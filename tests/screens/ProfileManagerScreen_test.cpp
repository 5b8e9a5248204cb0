// The players' screen, run through its own loop with scripted clicks on the buttons of its GUI
// file: new, rename and delete players, choose one, keep or drop the changes; the rows, their
// scrolling and their colours; a missing GUI file.
#include "screens/ProfileManagerScreen.hpp"

#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/null/NullDisplay.hpp"
#include "screens/ProfileFile.hpp"
#include "screens/TEnterText.hpp"
#include "screens/TPopUp.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace
{
using testing_support::DialogFixture;
using testing_support::ScriptedEvent;

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> namesOf(const std::vector<TProfile*>& players)
{
    std::vector<std::string> out;
    for (const TProfile* p : players)
        out.push_back(p->name);
    return out;
}

std::vector<std::string> namesIn(const TProfileManager& m)
{
    std::vector<std::string> out;
    for (const auto& p : m.profiles)
        out.push_back(p->name);
    return out;
}

std::vector<std::string> listedNames()
{
    return namesIn(profileManager());
}

// The stored list as the next start reads it.
TProfileManager restarted()
{
    TProfileManager m;
    m.loadProfiles();
    return m;
}

class PlayersScreen : public ::testing::Test
{
protected:
    // The players, the first of them current.
    void players(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            f.addPlayer(name);
    }

    // A click on a button of the screen, as its GUI file places it.
    std::string click(const std::string& button) { return DialogFixture::clickOn(*screen.Gui, button); }
    static std::string clickRow(int k)
    {
        return "click left " + std::to_string(ProfileManagerScreen::rowLeft + 100) + " "
               + std::to_string(ProfileManagerScreen::rowTop + ProfileManagerScreen::rowHeight * k + 12);
    }

    // Runs the screen over nothing until it closes, with the events (a dialog opened by one
    // fades in for 20 frames, takes its answer, and is gone 20 frames after it); a screen still
    // open long after the last of them is cancelled, and the test fails.
    void run(std::vector<ScriptedEvent> events)
    {
        long long last = 0;
        for (const ScriptedEvent& e : events)
            last = std::max(last, e.frames);
        for (long long extra : {400, 500, 600, 700})
            events.push_back({last + extra, "key Escape tap"});
        f.script(events);
        const long long start = framesDone();
        EXPECT_EQ(screen.mainLoop(nullptr), "");
        EXPECT_LT(framesDone() - start, last + 400) << "the screen did not close by itself";
    }

    // Frames of the screen as its loop runs them, for a look at it while it is open.
    void frames(int n)
    {
        for (int i = 0; i < n; ++i) {
            screen.update();
            screen.draw();
            endFrame(false);
        }
    }

    // The player's score, written to its folder.
    static void keepScore(const std::string& name, int score)
    {
        TProfile* who = profileManager().findById(TProfile::idOf(name));
        ASSERT_NE(who, nullptr) << name;
        who->score = score;
        who->save();
    }

    // BOB (the second row) renamed CLEO, then the button; the dialog starts with the old name,
    // which three Backspaces take away.
    void renameBobToCleoThen(const std::string& button)
    {
        run({{30, clickRow(1)},
             {35, click("RENAME")},
             {60, "key Backspace tap"},
             {61, "key Backspace tap"},
             {62, "key Backspace tap"},
             {65, "type cleo"},
             {70, "key Enter tap"},
             {135, click(button)}});
    }

    std::string folderOf(const std::string& name) const
    {
        return profile_file::folderOf(TProfile::idOf(name));
    }

    DialogFixture f;
    ProfileManagerScreen& screen = profileScreen();
};

TEST_F(PlayersScreen, ANewPlayerTypedIsListedOnOk)
{
    players({"ANNA"});
    run({{30, click("NEW")}, {60, "type zoe"}, {70, "key Enter tap"}, {130, click("OK")}});
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"ANNA", "ZOE"}));
    // The new player is selected, so OK made it current.
    EXPECT_EQ(profile().name, "ZOE");
    TProfileManager again = restarted();
    ASSERT_NE(again.profile, nullptr);
    EXPECT_EQ(again.profile->name, "ZOE");
    EXPECT_TRUE(std::filesystem::exists(folderOf("ZOE") + "/profile.dat"));
}

TEST_F(PlayersScreen, ANameDialogCancelledMakesNoPlayer)
{
    players({"ANNA"});
    run({{30, click("NEW")}, {60, "type zoe"}, {70, "key Escape tap"}, {130, click("OK")}});
    EXPECT_EQ(listedNames(), std::vector<std::string>{"ANNA"});
    EXPECT_EQ(profile().name, "ANNA");
    EXPECT_FALSE(std::filesystem::exists(folderOf("ZOE")));
}

TEST_F(PlayersScreen, CancelAfterNewLeavesTheFolderButNotTheListing)
{
    players({"ANNA"});
    run({{30, click("NEW")}, {60, "type zoe"}, {70, "key Enter tap"}, {130, click("CANCEL")}});
    EXPECT_EQ(listedNames(), std::vector<std::string>{"ANNA"});
    EXPECT_EQ(profile().name, "ANNA");
    EXPECT_TRUE(std::filesystem::exists(folderOf("ZOE") + "/profile.dat"));
    EXPECT_EQ(restarted().profiles.size(), 1u);
}

TEST_F(PlayersScreen, ARenamedPlayerKeepsItsDataUnderTheNewName)
{
    players({"ANNA", "BOB"});
    keepScore("BOB", 321);
    renameBobToCleoThen("OK");
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"ANNA", "CLEO"}));
    TProfileManager again = restarted();
    const TProfile* cleo = again.findById(TProfile::idOf("CLEO"));
    ASSERT_NE(cleo, nullptr);
    EXPECT_EQ(cleo->score, 321);
    EXPECT_FALSE(std::filesystem::exists(folderOf("BOB")));
}

TEST_F(PlayersScreen, ARenamingStaysWhenTheScreenIsCancelled)
{
    players({"ANNA", "BOB"});
    renameBobToCleoThen("CANCEL");
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"ANNA", "CLEO"}));
    EXPECT_EQ(profile().name, "ANNA");
    EXPECT_NE(restarted().findById(TProfile::idOf("CLEO")), nullptr);
}

struct DeleteCase
{
    const char* what;
    const char* answer; // the key that answers the question
    std::vector<std::string> listed;
};

std::ostream& operator<<(std::ostream& out, const DeleteCase& c)
{
    return out << c.what;
}

class DeleteQuestion : public PlayersScreen, public ::testing::WithParamInterface<DeleteCase>
{};

TEST_P(DeleteQuestion, YesTakesThePlayerOffTheListAndKeepsItsFiles)
{
    const DeleteCase& c = GetParam();
    players({"ANNA", "BOB", "CID"});
    run({{30, clickRow(1)}, {35, click("DELETE")}, {70, c.answer}, {135, click("OK")}});
    EXPECT_EQ(popUp().txt, "Delete player 'BOB'?");
    EXPECT_EQ(listedNames(), c.listed);
    EXPECT_EQ(namesIn(restarted()), c.listed);
    EXPECT_TRUE(std::filesystem::exists(folderOf("BOB") + "/profile.dat"));
}

INSTANTIATE_TEST_SUITE_P(Answers, DeleteQuestion,
                         ::testing::Values(DeleteCase{"yes", "key Enter tap", {"ANNA", "CID"}},
                                           DeleteCase{"no", "key Escape tap", {"ANNA", "BOB", "CID"}}));

struct Offered
{
    int rename;
    int remove;
};

TEST_F(PlayersScreen, RenameAndDeleteAreOfferedOnlyForASelectedRowAndDeleteNotForTheLastPlayer)
{
    // One player, selected: it can be renamed, never deleted.
    players({"ANNA"});
    screen.ekran = nullptr;
    screen.prepare();
    frames(1);
    auto rename = screen.Gui->getItem("RENAME");
    auto remove = screen.Gui->getItem("DELETE");
    ASSERT_TRUE(rename && remove);
    auto offered = [&] { return Offered{rename->_v * rename->_a, remove->_v * remove->_a}; };
    EXPECT_EQ(offered().rename, 1);
    EXPECT_EQ(offered().remove, 0);
    // A click where DELETE stands asks nothing.
    f.script({{1, click("DELETE")}});
    frames(5);
    EXPECT_EQ(screen._profilesList.size(), 1u);
    EXPECT_FALSE(base::program().popUp);

    // Two players: a deletion leaves no row selected, so neither is offered any more.
    f.addPlayer("BOB");
    screen.prepare();
    frames(1);
    EXPECT_EQ(offered().rename, 1);
    EXPECT_EQ(offered().remove, 1);
    f.script({{1, click("DELETE")}, {30, "key Enter tap"}});
    frames(60);
    EXPECT_EQ(namesOf(screen._profilesList), std::vector<std::string>{"BOB"});
    EXPECT_EQ(screen.clicked, nullptr);
    EXPECT_EQ(offered().rename, 0);
    EXPECT_EQ(offered().remove, 0);
    f.script({{1, click("RENAME")}});
    frames(5);
    EXPECT_FALSE(base::program().enterText);
}

TEST_F(PlayersScreen, ARowChosenThenOkBecomesCurrentAndTheListFileSaysSo)
{
    players({"ANNA", "BOB", "CID"});
    run({{30, clickRow(2)}, {40, click("OK")}});
    EXPECT_EQ(profile().name, "CID");
    EXPECT_NE(bytesOf(TProfileManager::listPath()).find("ActProfile = \"" + TProfile::idOf("CID") + "\""),
              std::string::npos)
        << bytesOf(TProfileManager::listPath());
    ASSERT_NE(restarted().profile, nullptr);
    EXPECT_EQ(restarted().profile->name, "CID");
}

TEST_F(PlayersScreen, ARowChosenThenCancelChangesNothing)
{
    players({"ANNA", "BOB", "CID"});
    run({{30, clickRow(2)}, {40, click("CANCEL")}});
    EXPECT_EQ(profile().name, "ANNA");
    // Escape is the same as CANCEL.
    run({{30, clickRow(1)}, {40, "key Escape tap"}});
    EXPECT_EQ(profile().name, "ANNA");
    EXPECT_EQ(restarted().profile->name, "ANNA");
}

TEST_F(PlayersScreen, DeletingTheCurrentPlayerThenOkMakesTheMarkedRowCurrent)
{
    players({"ANNA", "BOB", "CID"});
    profile().score = 99;
    run({{30, clickRow(0)}, {35, click("DELETE")}, {70, "key Enter tap"}, {135, click("OK")}});
    // No other row was chosen: the first row left stands for the deleted player.
    EXPECT_EQ(profile().name, "BOB");
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"BOB", "CID"}));
    TProfileManager again = restarted();
    ASSERT_NE(again.profile, nullptr);
    EXPECT_EQ(again.profile->name, "BOB");
    // The deleted player's progress was written to its folder before it went.
    EXPECT_NE(bytesOf(folderOf("ANNA") + "/profile.dat").find("score = 99"), std::string::npos);
}

TEST_F(PlayersScreen, ANameTakenInTheStoredOrTheWorkingListIsRefused)
{
    players({"ANNA", "BOB"});
    keepScore("BOB", 55);
    // BOB deleted here is still in the stored list; ZOE made here is in the working list only.
    // Each taken name brings the message (confirmed with Enter), and the dialog stays open
    // until Escape leaves it.
    run({{10, clickRow(1)},
         {15, click("DELETE")},
         {40, "key Enter tap"},
         {80, click("NEW")},
         {110, "type bob"},
         {115, "key Enter tap"},
         {150, "key Enter tap"},
         {190, "key Escape tap"},
         {250, click("NEW")},
         {280, "type zoe"},
         {285, "key Enter tap"},
         {340, click("NEW")},
         {370, "type zoe"},
         {375, "key Enter tap"},
         {410, "key Enter tap"},
         {450, "key Escape tap"},
         {510, click("OK")}});
    EXPECT_EQ(popUp().txt, enterText().txtAlready);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"ANNA", "ZOE"}));
    // BOB's folder was never touched, nor moved aside.
    EXPECT_NE(bytesOf(folderOf("BOB") + "/profile.dat").find("score = 55"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folderOf("BOB") + ".old-1"));
    EXPECT_FALSE(std::filesystem::exists(folderOf("ZOE") + ".old-1"));
}

struct ScrollCase
{
    int players;
    int downs;
    int startN;
};

TEST(PlayersScreenRows, DownScrollsUntilTheLastPlayerShowsAndUpBackToTheTop)
{
    for (const ScrollCase c : {ScrollCase{12, 5, 2}, ScrollCase{10, 3, 0}, ScrollCase{3, 1, 0}}) {
        DialogFixture f;
        std::vector<std::string> names;
        for (int i = 0; i < c.players; ++i) {
            names.push_back(std::string("P") + static_cast<char>('A' + i));
            f.addPlayer(names.back());
        }
        ProfileManagerScreen& s = profileScreen();
        const auto frames = [&](int n) {
            for (int i = 0; i < n; ++i) {
                s.update();
                s.draw();
                endFrame(false);
            }
        };
        s.ekran = nullptr;
        s.prepare();
        std::vector<ScriptedEvent> downs;
        for (int i = 0; i < c.downs; ++i)
            downs.push_back({1 + 5 * i, DialogFixture::clickOn(*s.Gui, "DOWN")});
        f.script(downs);
        frames(5 * c.downs + 5);
        EXPECT_EQ(s.startN, c.startN) << c.players << " players";
        const int shown = std::min(c.players, ProfileManagerScreen::visibleRows);
        for (int k = 0; k < ProfileManagerScreen::visibleRows; ++k) {
            const TProfile* row = s.rowProfile(k);
            if (k < shown) {
                ASSERT_NE(row, nullptr) << k;
                EXPECT_EQ(row->name, names[static_cast<std::size_t>(c.startN + k)]);
            } else {
                EXPECT_EQ(row, nullptr) << k;
            }
        }
        f.script({{1, DialogFixture::clickOn(*s.Gui, "UP")},
                  {5, DialogFixture::clickOn(*s.Gui, "UP")},
                  {10, DialogFixture::clickOn(*s.Gui, "UP")}});
        frames(15);
        EXPECT_EQ(s.startN, 0) << c.players << " players";
    }
}

struct ColourCase
{
    const char* what;
    int select;                // the row clicked, or -1
    int point;                 // the row the pointer rests on, or -1
    std::vector<TRGB> colours; // of rows 0, 1, 2 (row 0 is the current player)
};

const TRGB plain{247, 222, 113};

TEST_F(PlayersScreen, RowColoursFollowCurrentSelectedAndPointedAt)
{
    players({"ANNA", "BOB", "CID"});
    const ColourCase cases[] = {
        {"current and selected at the start", -1, -1, {{200, 200, 0}, plain, plain}},
        {"another selected, pointed at", 1, 1, {{255, 255, 0}, {255, 0, 0}, plain}},
        {"another selected, a third pointed at", 1, 2, {{255, 255, 0}, {0, 255, 0}, {200, 200, 200}}},
        {"current pointed at, another selected", 2, 0, {{255, 255, 0}, plain, {0, 255, 0}}},
        {"current selected and pointed at", 0, 0, {{200, 200, 0}, plain, plain}},
    };
    const auto row = [](int k) {
        return static_cast<float>(ProfileManagerScreen::rowTop + ProfileManagerScreen::rowHeight * k + 12);
    };
    media::NullRenderer& gfx = f.program().display().nullRenderer();
    for (const ColourCase& c : cases) {
        screen.ekran = nullptr;
        screen.prepare();
        frames(25); // faded in
        media::Input& input = media::input();
        if (c.select >= 0) {
            input.feedMouseMove(ProfileManagerScreen::rowLeft + 100, row(c.select));
            input.feedMouseButton(1, true);
            input.feedMouseButton(1, false);
            frames(1);
        }
        input.feedMouseMove(c.point >= 0 ? ProfileManagerScreen::rowLeft + 100 : 20,
                            c.point >= 0 ? row(c.point) : 20);
        frames(1);
        gfx.startRecording();
        screen.draw();
        // Each row's letters in one colour besides their black outline.
        for (int k = 0; k < 3; ++k) {
            std::set<std::tuple<int, int, int>> seen;
            const float top =
                static_cast<float>(ProfileManagerScreen::rowTop + ProfileManagerScreen::rowHeight * k);
            for (const auto& r : gfx.recordedSprites()) {
                const bool letter =
                    r.sprite.h < 30 && r.sprite.y >= top - 3 && r.sprite.y < top + 21
                    && r.sprite.x > ProfileManagerScreen::rowLeft
                    && r.sprite.x < ProfileManagerScreen::rowLeft + ProfileManagerScreen::rowWidth;
                const bool outline = r.state.red == 0 && r.state.green == 0 && r.state.blue == 0;
                if (letter && !outline)
                    seen.insert({r.state.red, r.state.green, r.state.blue});
            }
            const TRGB& want = c.colours[static_cast<std::size_t>(k)];
            EXPECT_EQ(seen, (std::set<std::tuple<int, int, int>>{{want.r, want.g, want.b}}))
                << c.what << ", row " << k;
        }
    }
}

TEST(PlayersScreenContent, AMissingGuiFileIsSaidAndTheScreenStillWorksAndCloses)
{
    DialogFixture f;
    f.addPlayer("ANNA");
    f.addPlayer("BOB");
    // A run folder with the texts but without the screen's GUI file.
    testing_support::TempFolder bare;
    for (const char* table : {"txt/en/profileManager.txt", "txt/en/popup.txt"})
        bare.write(table, bytesOf(testing_support::runDir + "/" + table));
    testing_support::InFolder inBare(bare.path());
    std::vector<std::string> reports;
    media::setReportSink([&](std::string_view line) { reports.emplace_back(line); });
    ProfileManagerScreen& screen = profileScreen();
    media::setReportSink({});
    EXPECT_NE(
        std::find(reports.begin(), reports.end(), "No file : gfx/gui/profileManager/profileManager.gui"),
        reports.end());
    // The rows still take clicks, and Escape closes the screen.
    screen.ekran = nullptr;
    screen.prepare();
    f.script({{5, "click left 460 281"}, {10, "key Escape tap"}});
    for (int i = 0; i < 8; ++i) {
        screen.update();
        endFrame(false);
    }
    ASSERT_NE(screen.clicked, nullptr);
    EXPECT_EQ(screen.clicked->name, "BOB");
    f.script({{1, "key Escape tap"}});
    EXPECT_EQ(screen.mainLoop(nullptr), "");
    EXPECT_EQ(profile().name, "ANNA");
}
} // namespace
