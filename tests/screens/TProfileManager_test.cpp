// The list of players on disk, the current player, and the operations of the manager screen:
// new, rename, delete and choose, each written at once; damaged lists reported and kept aside.
#include "screens/TProfileManager.hpp"

#include "screens/ProfileFile.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
using testing_support::CardFixture;
using NameCheck = TProfileManager::NameCheck;

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Players : public ::testing::Test
{
protected:
    Players()
    {
        f.defineAllSwords();
        f.program().program().userDataPath = f.folder() / "user";
        f.reports.clear(); // the fixture's own content has no pictures: not what is tested
    }

    std::string user(const std::string& name) const { return f.folder() / ("user/" + name); }
    std::string listFile() const { return user("Profiles/profile.dat"); }

    // A manager as the game has it after start: the list read from the user folder.
    static TProfileManager started()
    {
        TProfileManager m;
        m.loadProfiles();
        return m;
    }

    static std::vector<std::string> names(const TProfileManager& m)
    {
        std::vector<std::string> out;
        for (const auto& p : m.profiles)
            out.push_back(p->name);
        return out;
    }

    CardFixture f;
};

TEST_F(Players, TheFirstStartWritesAnEmptyListAndHasNoPlayer)
{
    TProfileManager m = started();
    EXPECT_EQ(m.profile, nullptr);
    EXPECT_TRUE(m.profiles.empty());
    EXPECT_EQ(bytesOf(listFile()), "Profiles {\n\ti = 0\n\tActProfile = \"NULL\"\n}\n\n");
    EXPECT_TRUE(f.reports.empty());
}

TEST_F(Players, TheListKeepsNamesIdsAndTheCurrentPlayerAcrossARestart)
{
    {
        TProfileManager m = started();
        TProfile* anna = m.newProfile("anna");
        ASSERT_NE(anna, nullptr);
        EXPECT_EQ(m.profile, anna); // the first player becomes current
        TProfile* bo = m.newProfile("Bo 2");
        ASSERT_NE(bo, nullptr);
        EXPECT_EQ(m.profile, anna);
        m.chooseProfile(*bo);
        bo->score = 1000000000;
        bo->stageID = 1;
        bo->levelID = 4;
        EXPECT_TRUE(m.save());
    }
    EXPECT_EQ(bytesOf(listFile()), "Profiles {\n"
                                   "\ti = 2\n"
                                   "\tActProfile = \"66-79-32-50-\"\n"
                                   "\tProfile1 = \"ANNA\", \"65-78-78-65-\"\n"
                                   "\tProfile2 = \"BO 2\", \"66-79-32-50-\"\n"
                                   "}\n\n");
    TProfileManager again = started();
    EXPECT_EQ(names(again), (std::vector<std::string>{"ANNA", "BO 2"}));
    ASSERT_NE(again.profile, nullptr);
    EXPECT_EQ(again.profile->name, "BO 2");
    EXPECT_EQ(again.profile->score, 1000000000);
    EXPECT_EQ(again.profile->levelID, 4);
    EXPECT_TRUE(f.reports.empty());
}

TEST_F(Players, NamesAreCleanedAndANameTakenInAnyLetterCaseIsRefused)
{
    struct Case
    {
        const char* typed;
        const char* name;
    };
    const Case cleaned[] = {
        {"anna", "ANNA"},
        {"  Bo\t", "BO"},
        {"a\x01"
         "b\x7f"
         "c\xc2\x85",
         "ABC"},
        {"x{y}=z\"w", "XYZW"},
        {"abcdefghijklmnopqrst", "ABCDEFGHIJKLMNO"},
        {" \t\n", ""},
    };
    for (const Case& c : cleaned)
        EXPECT_EQ(TProfileManager::cleanName(c.typed), c.name) << c.typed;

    TProfileManager m = started();
    TProfile* anna = m.newProfile("ANNA");
    ASSERT_NE(anna, nullptr);
    EXPECT_EQ(m.checkName("anna"), NameCheck::Taken);
    EXPECT_EQ(m.checkName("anna", anna), NameCheck::Fine); // its own name, in another case
    EXPECT_EQ(m.checkName("\x02 "), NameCheck::Empty);
    EXPECT_EQ(m.checkName("ANNE"), NameCheck::Fine);
    NameCheck why = NameCheck::Fine;
    EXPECT_EQ(m.newProfile("Anna", &why), nullptr);
    EXPECT_EQ(why, NameCheck::Taken);
    EXPECT_EQ(m.newProfile("", &why), nullptr);
    EXPECT_EQ(why, NameCheck::Empty);
    EXPECT_EQ(m.profiles.size(), 1u);
    TProfile* bo = m.newProfile("BO");
    EXPECT_EQ(m.renameProfile(*bo, "anna"), NameCheck::Taken);
    EXPECT_EQ(bo->name, "BO");
}

TEST_F(Players, ANewPlayerIsWrittenAtOnce)
{
    TProfileManager m = started();
    m.newProfile("ANNA");
    EXPECT_TRUE(std::filesystem::exists(user("Profiles/65-78-78-65-/profile.dat")));
    EXPECT_NE(bytesOf(listFile()).find("\"ANNA\", \"65-78-78-65-\""), std::string::npos);
}

TEST_F(Players, ARenamedPlayerKeepsItsDataAtOnceAndAfterARestart)
{
    {
        TProfileManager m = started();
        TProfile* anna = m.newProfile("ANNA");
        TProfile* bo = m.newProfile("BO");
        anna->score = 777;
        bo->score = 555;
        m.save(); // only the current player, Anna, is written
        // Bo is not current: its folder follows the new name.
        ASSERT_EQ(m.renameProfile(*bo, "Cid"), NameCheck::Fine);
        EXPECT_EQ(bo->name, "CID");
        EXPECT_EQ(m.findById("67-73-68-"), bo);
        EXPECT_FALSE(std::filesystem::exists(user("Profiles/66-79-")));
        EXPECT_TRUE(std::filesystem::exists(user("Profiles/67-73-68-/profile.dat")));
        // The current player too, progress and all.
        ASSERT_EQ(m.renameProfile(*anna, "Dora"), NameCheck::Fine);
    }
    TProfileManager again = started();
    EXPECT_EQ(names(again), (std::vector<std::string>{"DORA", "CID"}));
    ASSERT_NE(again.profile, nullptr);
    EXPECT_EQ(again.profile->name, "DORA");
    EXPECT_EQ(again.profile->score, 777);
    EXPECT_EQ(again.findById("67-73-68-")->score, 555);
}

TEST_F(Players, AFolderLeftUnderANameIsMovedAsideNeverOverwritten)
{
    f.folder().write("user/Profiles/66-79-/profile.dat",
                     "profile {\n\tname = \"BO\"\n\tstats {\n\t\tscore = 99\n\t}\n}\n");
    TProfileManager m = started();
    TProfile* anna = m.newProfile("ANNA");
    ASSERT_EQ(m.renameProfile(*anna, "BO"), NameCheck::Fine);
    EXPECT_NE(bytesOf(user("Profiles/66-79-.old-1/profile.dat")).find("score = 99"), std::string::npos);
    EXPECT_TRUE(f.reported({user("Profiles/66-79-"), "66-79-.old-1"}));
    TProfile* cid = m.newProfile("CID");
    ASSERT_NE(cid, nullptr);
    m.deleteProfile(*cid);
    m.newProfile("CID");
    EXPECT_TRUE(std::filesystem::exists(user("Profiles/67-73-68-.old-1/profile.dat")));
}

TEST_F(Players, AnUnlistedPlayerIsOnDiskAtOnceAndListedOnlyWhenTheListIsReplaced)
{
    {
        TProfileManager m = started();
        TProfile* anna = m.newProfile("ANNA");
        TProfile* bo = m.newProfile("BO");
        NameCheck check = NameCheck::Fine;
        EXPECT_EQ(m.newUnlistedProfile("anna", &check), nullptr);
        EXPECT_EQ(check, NameCheck::Taken);
        std::vector<std::unique_ptr<TProfile>> made;
        made.push_back(m.newUnlistedProfile("zoe"));
        made.push_back(m.newUnlistedProfile("yul"));
        ASSERT_TRUE(made[0] && made[1]);
        TProfile* zoe = made[0].get();
        EXPECT_TRUE(std::filesystem::exists(user("Profiles/90-79-69-/profile.dat")));
        EXPECT_EQ(names(m), (std::vector<std::string>{"ANNA", "BO"}));
        EXPECT_EQ(m.profile, anna);
        anna->score = 5;
        // Anna leaves the list; a current player that is not listed gives way to the first.
        m.replaceList({zoe, bo}, made, anna);
        EXPECT_EQ(names(m), (std::vector<std::string>{"ZOE", "BO"}));
        EXPECT_EQ(m.profile, zoe);
        ASSERT_EQ(made.size(), 1u);
        EXPECT_EQ(made[0]->name, "YUL");
        // The player who was current saved its progress before it went.
        EXPECT_NE(bytesOf(user("Profiles/65-78-78-65-/profile.dat")).find("score = 5"), std::string::npos);
        m.replaceList({bo, zoe}, made, bo);
        EXPECT_EQ(m.profile, bo);
    }
    TProfileManager again = started();
    EXPECT_EQ(names(again), (std::vector<std::string>{"BO", "ZOE"}));
    ASSERT_NE(again.profile, nullptr);
    EXPECT_EQ(again.profile->name, "BO");
    EXPECT_TRUE(std::filesystem::exists(user("Profiles/89-85-76-/profile.dat")));
}

TEST_F(Players, DeletingTheCurrentPlayerMakesTheFirstOneLeftCurrent)
{
    {
        TProfileManager m = started();
        TProfile* anna = m.newProfile("ANNA");
        m.newProfile("BO");
        TProfile* cid = m.newProfile("CID");
        m.chooseProfile(*cid);
        cid->score = 42;
        m.deleteProfile(*cid);
        EXPECT_EQ(m.profile, anna);
        EXPECT_EQ(names(m), (std::vector<std::string>{"ANNA", "BO"}));
        // Its folder stays, with its last state.
        EXPECT_NE(bytesOf(user("Profiles/67-73-68-/profile.dat")).find("score = 42"), std::string::npos);
        m.deleteProfile(*m.profiles.back()); // not current: the current one stays
        EXPECT_EQ(m.profile, anna);
    }
    TProfileManager again = started();
    EXPECT_EQ(names(again), std::vector<std::string>{"ANNA"});
    ASSERT_NE(again.profile, nullptr);
    EXPECT_EQ(again.profile->name, "ANNA");
    again.deleteProfile(*again.profile);
    EXPECT_EQ(again.profile, nullptr);
    EXPECT_TRUE(again.profiles.empty());
    EXPECT_EQ(bytesOf(listFile()), "Profiles {\n\ti = 0\n\tActProfile = \"NULL\"\n}\n\n");
}

TEST_F(Players, ChoosingAnotherPlayerSavesTheProgressOfTheOneBefore)
{
    {
        TProfileManager m = started();
        TProfile* anna = m.newProfile("ANNA");
        TProfile* bo = m.newProfile("BO");
        anna->stageID = 1;
        anna->levelID = 7;
        m.chooseProfile(*bo);
    }
    TProfileManager again = started();
    EXPECT_EQ(again.profile->name, "BO");
    EXPECT_EQ(again.findById("65-78-78-65-")->levelID, 7);
}

TEST_F(Players, AGuestWritesNothing)
{
    TProfileManager m;
    m.useGuestProfile().score = 5;
    EXPECT_TRUE(m.save());
    EXPECT_NE(m.newProfile("ANNA"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(user("")));
}

// A damaged list: its text, a word of the report, and the players that are read from it.
struct ListCase
{
    const char* what;
    std::string text;
    const char* reported;
    std::vector<std::string> players;
    const char* current; // name of the current player, or ""
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.what;
}

const char* soundProfile = "profile {\n\tname = \"X\"\n\tstageID = 1\n\tlevelId = 1\n\ttryb = \"QUEST\"\n}\n";

class DamagedList : public Players, public ::testing::WithParamInterface<ListCase>
{};

TEST_P(DamagedList, IsReportedKeptAsideAndWrittenAfreshWithThePlayersRead)
{
    const ListCase& c = GetParam();
    for (const char* id : {"65-78-78-65-", "66-79-"})
        f.folder().write(std::string("user/Profiles/") + id + "/profile.dat", soundProfile);
    f.folder().write("user/Profiles/profile.dat", c.text);
    f.folder().write("user/Profiles/profile.dat.damaged-1", "earlier");

    TProfileManager m = started();
    EXPECT_EQ(names(m), c.players);
    EXPECT_EQ(m.profile ? m.profile->name : std::string(), c.current);
    EXPECT_TRUE(f.reported({listFile(), c.reported}));
    EXPECT_TRUE(f.reported({listFile(), "profile.dat.damaged-2"}));
    EXPECT_EQ(bytesOf(listFile() + ".damaged-2"), c.text);
    EXPECT_EQ(bytesOf(listFile() + ".damaged-1"), "earlier");
    // The list now on disk holds exactly the players read, and reads without a report.
    f.reports.clear();
    TProfileManager again = started();
    EXPECT_EQ(names(again), c.players);
    EXPECT_TRUE(f.reports.empty());
}

const std::string twoPlayers =
    "Profiles {\n\ti = 2\n\tActProfile = \"66-79-\"\n"
    "\tProfile1 = \"ANNA\", \"65-78-78-65-\"\n\tProfile2 = \"BO\", \"66-79-\"\n}\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedList,
    ::testing::Values(
        ListCase{"truncated", twoPlayers.substr(0, 60), "cannot be read", {}, ""},
        ListCase{"binary",
                 std::string("\x7f"
                             "ELF\x02\x01\x01\0\0\0}",
                             11),
                 "cannot be read",
                 {},
                 ""},
        ListCase{"not a list", "profile {\n\tname = \"ANNA\"\n}\n", "holds no list", {}, ""},
        ListCase{"huge count",
                 "Profiles {\n\ti = 2000000000\n\tActProfile = \"65-78-78-65-\"\n"
                 "\tProfile1 = \"ANNA\", \"65-78-78-65-\"\n}\n",
                 "2000000000",
                 {"ANNA"},
                 "ANNA"},
        ListCase{"an empty name",
                 "Profiles {\n\ti = 3\n\tActProfile = \"66-79-\"\n\tProfile1 = \"\", \"\"\n"
                 "\tProfile2 = \"ANNA\", \"65-78-78-65-\"\n\tProfile3 = \"BO\", \"66-79-\"\n}\n",
                 "no name",
                 {"ANNA", "BO"},
                 "BO"},
        ListCase{"a control character in a name",
                 "Profiles {\n\ti = 1\n\tActProfile = \"66-79-\"\n\tProfile1 = \"B\x01O\", \"66-1-79-\"\n}\n",
                 "characters a name cannot hold",
                 {"BO"},
                 "BO"},
        ListCase{"a name twice",
                 "Profiles {\n\ti = 2\n\tActProfile = \"NULL\"\n"
                 "\tProfile1 = \"BO\", \"66-79-\"\n\tProfile2 = \"bo\", \"66-79-\"\n}\n",
                 "twice",
                 {"BO"},
                 ""}));

TEST_F(Players, AListedPlayerWithoutAProfileIsLeftOff)
{
    f.folder().write("user/Profiles/profile.dat", twoPlayers);
    f.folder().write("user/Profiles/65-78-78-65-/profile.dat", soundProfile);
    TProfileManager m = started();
    EXPECT_EQ(names(m), std::vector<std::string>{"ANNA"});
    EXPECT_EQ(m.profile, nullptr);              // the current player was Bo
    EXPECT_EQ(bytesOf(listFile()), twoPlayers); // a sound list is not rewritten on reading
    EXPECT_FALSE(std::filesystem::exists(listFile() + ".damaged-1"));
}
TEST_F(Players, ADamagedProfileOfAListedPlayerIsKeptAsideAndWrittenAgainAtOnce)
{
    const std::string annaCurrent =
        "Profiles {\n\ti = 2\n\tActProfile = \"65-78-78-65-\"\n"
        "\tProfile1 = \"ANNA\", \"65-78-78-65-\"\n\tProfile2 = \"BO\", \"66-79-\"\n}\n";
    f.folder().write("user/Profiles/profile.dat", annaCurrent);
    f.folder().write("user/Profiles/65-78-78-65-/profile.dat", soundProfile);
    const std::string damaged = "profile {\n\tname = \"BO\"\n\tstats {\n\t\tscore = 12\n";
    const std::string boFile = f.folder().write("user/Profiles/66-79-/profile.dat", damaged);
    {
        TProfileManager m = started();
        EXPECT_EQ(names(m), (std::vector<std::string>{"ANNA", "BO"}));
        EXPECT_EQ(m.profile, m.findById("65-78-78-65-"));
        EXPECT_TRUE(f.reported({boFile, "cannot be read"}));
        m.save(); // only Anna, the current player
    }
    // Bo was never current; it is found at the next start all the same.
    TProfileManager again = started();
    EXPECT_EQ(names(again), (std::vector<std::string>{"ANNA", "BO"}));
    EXPECT_EQ(bytesOf(boFile + ".damaged-1"), damaged);
    EXPECT_FALSE(std::filesystem::exists(boFile + ".damaged-2"));
}
} // namespace
