// A player's profile on disk: every key written and read back byte for byte, whole numbers
// exact, and damaged files reported, read with defaults and kept aside.
#include "levels/TLevelManager.hpp"
#include "screens/ProfileFile.hpp"

#include "cards/Cards.hpp"
#include "data/Language.hpp"
#include "levels/Levels.hpp"
#include "screens/Awards.hpp"
#include "screens/ShopItems.hpp"
#include "screens/TProfile.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace
{
using testing_support::CardFixture;

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A level in progress: three table cards (one under rocks), a deck and a spot.
const char* levelInProgress =
    "level {\n"
    "\tdata {\n\t\tdriveN = 3\n\t\tdriveMN = 1.3\n\t\tscore = 45\n\t}\n"
    "\tdeck {\n\t\ti = 2\n\t\tdeckCard1 = 5\n\t\tdeckCard2 = 17\n\t}\n"
    "\tcards {\n\t\ti = 3\n"
    "\t\tcard1 {\n\t\t\tid = 4\n\t\t\tdim = 300, 330\n\t\t}\n"
    "\t\tcard2 {\n\t\t\tid = 30\n\t\t\tdim = 500, 330\n\t\t\tutrudnienie1 = 1\n\t\t}\n"
    "\t\tcard3 {\n\t\t\tid = 306\n\t\t\tdim = 724, 330\n\t\t}\n"
    "\t}\n"
    "\tspot {\n\t\ti = 1\n\t\tspotCard1 = 9\n\t}\n"
    "}\n";

// Cards and every sword defined, the user folder inside the test's folder, and a quest of two
// stages of ten levels and a third of three.
class ProfileFiles : public ::testing::Test
{
protected:
    ProfileFiles()
    {
        f.defineAllSwords();
        f.program().program().userDataPath = f.folder() / "user";
        for (int stage = 1; stage <= 3; ++stage) {
            for (int level = 1; level <= (stage == 3 ? 3 : 10); ++level)
                f.folder().write(TProfile::levelPath(stage, level), levelInProgress);
        }
        // The ten awards, titled "title <id>".
        language = "en";
        std::string awards = "awards {\n\ti = 10\n";
        std::string texts;
        for (int id = 1; id <= 10; ++id) {
            awards += "\taw" + std::to_string(id) + " {\n\t\tid = " + std::to_string(id) + "\n\t\ttitle = "
                      + std::to_string(id) + "\n\t\tdescription = " + std::to_string(id + 10) + "\n\t}\n";
        }
        for (int line = 1; line <= 27; ++line)
            texts += (line <= 10 ? "title " : "line ") + std::to_string(line) + "\n";
        f.folder().write("data/awards.dat", awards + "}\n");
        f.folder().write("txt/en/awards.txt", texts);
        loadAwards();
        // The shop's catalogue the item ids are looked up in.
        shopItems() = {TShopItem(4, "HINT"), TShopItem(6, "LICZNIK"), TShopItem(9, "UNDO-1")};
        f.reports.clear(); // the fixture's own content has no pictures: not what is tested
    }

    std::string userFile(const std::string& name) const { return f.folder() / ("user/" + name); }

    // A profile of "ANNA" with something in every field.
    TProfile everyField() const
    {
        TProfile p;
        p.name = "ANNA";
        p.stageID = 2;
        p.levelID = 3;
        p.freeStageNumber = 1;
        p.freeLevelNumber = 7;
        p.time = 125;
        p.cardsLightUp = 0;
        p.where = "MAIN-GAME";
        p.undos = 2;
        p.tryb = "QUEST";
        p.foundMagicCardsN = 2;
        f.folder().write("in-progress.lvl", levelInProgress);
        p.questLevel = loadLevelFile(f.folder() / "in-progress.lvl", 0, 1, 1);
        p.longestDrive = 14;
        p.multiplier = 2.7f;
        p.score = 1234567891;
        p.ALL_SCORES = 2000000001;
        p.ALL_LONGEST_DRIVE = 33;
        p.ALL_HIGHEST_MULTIPLIER = 3.3;
        TStageData first;
        first.id = 1;
        first.passed = 1;
        first.levels = {{1, 1, 0, 1.5f, 6, 3000}, {2, 1, 4, 2.1f, 9, 1234567890}};
        first.longestDrive = 9;
        first.highestMultiplier = 2.1f;
        first.scores = 1234570890;
        TStageData second;
        second.id = 2;
        second.levels = {{1, 1, 2, 1.2f, 5, 700}};
        second.longestDrive = 5;
        second.highestMultiplier = 1.2f;
        second.scores = 700;
        p.stages = {first, second};
        for (int id : {203, 205, 214})
            p.swords.push_back(*newSwordById(id));
        p.magicCards = {cardDataById(301), cardDataById(340)};
        p.awaitingMagicCards = {cardDataById(305)};
        p.stageCards = {cardDataById(301)};
        p.items = {*findShopItem(4), *findShopItem(9)};
        p.lekcjeTutoriala = {{"SHOP"}, {"MAP"}};
        p.awards = {*findAward(3), *findAward(7)};
        return p;
    }

    CardFixture f;
};

// Every key in the order and form it is written.
const char* everyFieldFile = "profile {\n"
                             "\tname = \"ANNA\"\n"
                             "\tstageID = 2\n"
                             "\tlevelId = 3\n"
                             "\tfreeStageID = 1\n"
                             "\tfreeLevelID = 7\n"
                             "\ttime = 125\n"
                             "\tcardsLightUp = 0\n"
                             "\twhere = \"MAIN-GAME\"\n"
                             "\tundos = 2\n"
                             "\ttryb = \"QUEST\"\n"
                             "\tfoundMagicCards = 2\n"
                             "\tquestLevel = 1\n"
                             "\tstats {\n"
                             "\t\tlongestDrive = 14\n"
                             "\t\tmultiplier = 2.70000005\n"
                             "\t\tscore = 1234567891\n"
                             "\t\tALL_SCORES = 2000000001\n"
                             "\t\tALL_LONGEST_DRIVE = 33\n"
                             "\t\tALL_HIGHEST_MULTIPLIER = 3.30000000\n"
                             "\t}\n\n"
                             "\tstages {\n"
                             "\t\ti = 2\n"
                             "\t\tstage1 {\n"
                             "\t\t\tid = 1\n"
                             "\t\t\tpassed = 1\n"
                             "\t\t\tlongestDrive = 9\n"
                             "\t\t\thighestMultiplier = 2.09999990\n"
                             "\t\t\tscores = 1234570890\n"
                             "\t\t\tlevels {\n"
                             "\t\t\t\ti = 2\n"
                             "\t\t\t\tlevel1 = 1, 1, 0, 1.50000000, 6, 3000\n"
                             "\t\t\t\tlevel2 = 2, 1, 4, 2.09999990, 9, 1234567890\n"
                             "\t\t\t}\n\n"
                             "\t\t}\n\n"
                             "\t\tstage2 {\n"
                             "\t\t\tid = 2\n"
                             "\t\t\tpassed = 0\n"
                             "\t\t\tlongestDrive = 5\n"
                             "\t\t\thighestMultiplier = 1.20000005\n"
                             "\t\t\tscores = 700\n"
                             "\t\t\tlevels {\n"
                             "\t\t\t\ti = 1\n"
                             "\t\t\t\tlevel1 = 1, 1, 2, 1.20000005, 5, 700\n"
                             "\t\t\t}\n\n"
                             "\t\t}\n\n"
                             "\t}\n\n"
                             "\tswords {\n"
                             "\t\ti = 3\n"
                             "\t\tsword1 = 203\n"
                             "\t\tsword2 = 205\n"
                             "\t\tsword3 = 214\n"
                             "\t}\n\n"
                             "\tmagicCards {\n"
                             "\t\ti = 2\n"
                             "\t\tcards1 = 301\n"
                             "\t\tcards2 = 340\n"
                             "\t}\n\n"
                             "\tawaitingmagicCards {\n"
                             "\t\ti = 1\n"
                             "\t\tcards1 = 305\n"
                             "\t}\n\n"
                             "\titems {\n"
                             "\t\ti = 2\n"
                             "\t\titem1 = 4\n"
                             "\t\titem2 = 9\n"
                             "\t}\n\n"
                             "\ttutorial {\n"
                             "\t\ti = 2\n"
                             "\t\ttut1 = \"SHOP\"\n"
                             "\t\ttut2 = \"MAP\"\n"
                             "\t}\n\n"
                             "\tawards {\n"
                             "\t\ti = 2\n"
                             "\t\taw1 = 3\n"
                             "\t\taw2 = 7\n"
                             "\t}\n\n"
                             "\tstageCards {\n"
                             "\t\ti = 1\n"
                             "\t\tc1 = 301\n"
                             "\t}\n\n"
                             "}\n\n";

TEST_F(ProfileFiles, EveryFieldIsWrittenAsItsKeyAndComesBackByteForByte)
{
    const TProfile original = everyField();
    ASSERT_TRUE(original.save());
    const std::string dataPath = userFile("Profiles/65-78-78-65-/profile.dat");
    const std::string levelPath = userFile("Profiles/65-78-78-65-/questlevel.lvl");
    const std::string first = bytesOf(dataPath);
    EXPECT_EQ(first, everyFieldFile);
    const std::string firstLevel = bytesOf(levelPath);
    EXPECT_FALSE(firstLevel.empty());

    std::optional<TProfile> loaded = profile_file::read(dataPath);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(f.reports.empty()) << f.reports.front();
    EXPECT_EQ(loaded->score, 1234567891);
    EXPECT_EQ(loaded->ALL_SCORES, 2000000001.0);
    EXPECT_EQ(loaded->stages, original.stages);
    EXPECT_EQ(loaded->items, original.items);
    // The file keeps only ids; what the aids do comes back from the catalogue.
    EXPECT_NE(loaded->getMyItem("HINT"), nullptr);
    loaded->resetUndos();
    EXPECT_EQ(loaded->undos, 2);
    EXPECT_EQ(loaded->awards, original.awards);
    EXPECT_EQ(loaded->lekcjeTutoriala, original.lekcjeTutoriala);
    EXPECT_EQ(loaded->magicCards, original.magicCards);
    EXPECT_EQ(loaded->awaitingMagicCards, original.awaitingMagicCards);
    EXPECT_EQ(loaded->stageCards, original.stageCards);
    EXPECT_EQ(loaded->foundMagicCardsN, 2); // restoring the collection finds nothing
    EXPECT_EQ(loaded->getWildCardsString(), "3 5 A");
    ASSERT_TRUE(loaded->questLevel);
    EXPECT_EQ(loaded->questLevel->cards.size(), 3u);
    EXPECT_EQ(loaded->questLevel->deck.size(), 2u);
    EXPECT_EQ(loaded->questLevel->driveN, 3);
    // The level in progress is still its quest place's level, not the file it was kept in.
    EXPECT_EQ(loaded->questLevel->path, TLevelManager::questLevelPath(original.stageID, original.levelID));

    std::filesystem::remove(dataPath);
    std::filesystem::remove(levelPath);
    ASSERT_TRUE(loaded->save());
    EXPECT_EQ(bytesOf(dataPath), first);
    EXPECT_EQ(bytesOf(levelPath), firstLevel);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(userFile("Profiles/65-78-78-65-")),
                            std::filesystem::directory_iterator{}),
              2); // no temporary file left behind
}

TEST_F(ProfileFiles, ANewProfileHasTheStartingValuesAndNoLevelInProgress)
{
    TProfile p;
    p.name = "Bo";
    ASSERT_TRUE(p.save());
    const std::string dataPath = userFile("Profiles/66-79-/profile.dat");
    EXPECT_NE(bytesOf(dataPath).find("\tquestLevel = 0\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(userFile("Profiles/66-79-/questlevel.lvl")));
    std::optional<TProfile> loaded = profile_file::read(dataPath);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->stageID, 1);
    EXPECT_EQ(loaded->levelID, 1);
    EXPECT_EQ(loaded->tryb, "QUEST");
    EXPECT_FLOAT_EQ(loaded->multiplier, 1);
    EXPECT_EQ(loaded->cardsLightUp, 1);
    EXPECT_FALSE(loaded->questLevel);
    EXPECT_TRUE(f.reports.empty());
}

TEST_F(ProfileFiles, AMissingFileIsNoProfile)
{
    EXPECT_FALSE(profile_file::read(userFile("Profiles/65-/profile.dat")));
    EXPECT_TRUE(f.reports.empty());
}

struct IdCase
{
    const char* name;
    const char* id;
};

TEST(ProfileIds, AreTheUpperCaseNamesCharacterCodes)
{
    const IdCase cases[] = {
        {"ANNA", "65-78-78-65-"},     {"anna", "65-78-78-65-"}, {"Bo 2", "66-79-32-50-"}, {"", ""},
        {"\xC3\x89VA", "201-86-65-"}, {"Z-9", "90-45-57-"},
    };
    for (const IdCase& c : cases)
        EXPECT_EQ(TProfile::idOf(c.name), c.id) << c.name;
}

// One damaged profile file: what it holds, what must be reported, and what the profile then is.
struct DamageCase
{
    const char* what;
    std::string text;
    const char* reported; // a word of the report
    void (*check)(const TProfile&);
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.what;
}

std::string profileWith(const std::string& inside)
{
    return "profile {\n\tname = \"ANNA\"\n\tstageID = 2\n\tlevelId = 3\n\ttryb = \"QUEST\"\n\tcardsLightUp = "
           "1\n"
           "\tstats {\n\t\tscore = 40\n\t\tmultiplier = 1\n\t}\n"
           + inside + "}\n";
}

class DamagedProfile : public ProfileFiles, public ::testing::WithParamInterface<DamageCase>
{};

TEST_P(DamagedProfile, IsReportedWithItsPathReadWithDefaultsAndKeptAside)
{
    const DamageCase& c = GetParam();
    const std::string dataPath = userFile("Profiles/65-78-78-65-/profile.dat");
    f.folder().write("user/Profiles/65-78-78-65-/profile.dat", c.text);
    // An earlier damaged file is there already: it must not be replaced.
    f.folder().write("user/Profiles/65-78-78-65-/profile.dat.damaged-1", "earlier");

    std::optional<TProfile> loaded = profile_file::read(dataPath);
    ASSERT_TRUE(loaded);
    c.check(*loaded);
    EXPECT_TRUE(f.reported({dataPath, c.reported}));
    EXPECT_TRUE(f.reported({dataPath, "profile.dat.damaged-2"}));
    EXPECT_FALSE(std::filesystem::exists(dataPath));
    EXPECT_EQ(bytesOf(dataPath + ".damaged-2"), c.text);
    EXPECT_EQ(bytesOf(dataPath + ".damaged-1"), "earlier");

    // The next save writes a new file and leaves the damaged one as it was.
    loaded->name = "ANNA";
    ASSERT_TRUE(loaded->save());
    EXPECT_EQ(bytesOf(dataPath + ".damaged-2"), c.text);
    std::optional<TProfile> again = profile_file::read(dataPath);
    ASSERT_TRUE(again);
    c.check(*again);
}

const std::string wholeProfile = profileWith("\tswords {\n\t\ti = 1\n\t\tsword1 = 205\n\t}\n");

void startsAfresh(const TProfile& p)
{
    EXPECT_EQ(p.stageID, 1);
    EXPECT_EQ(p.levelID, 1);
    EXPECT_EQ(p.score, 0);
    EXPECT_TRUE(p.swords.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedProfile,
    ::testing::Values(
        DamageCase{"truncated", wholeProfile.substr(0, wholeProfile.size() / 2), "cannot be read",
                   startsAfresh},
        DamageCase{"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe{", 19), "cannot be read",
                   startsAfresh},
        DamageCase{"empty", "", "holds no profile", startsAfresh},
        DamageCase{"not a profile", "settings {\n\tfullScreen = 1\n}\n", "holds no profile", startsAfresh},
        DamageCase{
            "huge count",
            profileWith("\tmagicCards {\n\t\ti = 2000000000\n\t\tcards1 = 301\n\t\tcards2 = 302\n\t}\n"),
            "2000000000",
            [](const TProfile& p) {
                EXPECT_EQ(p.magicCards, (std::vector<TCardData*>{cardDataById(301), cardDataById(302)}));
                EXPECT_EQ(p.score, 40);
            }},
        DamageCase{"negative count", profileWith("\tawards {\n\t\ti = -5\n\t\taw1 = 3\n\t}\n"), "-5",
                   [](const TProfile& p) {
                       EXPECT_TRUE(p.awards.empty());
                       EXPECT_EQ(p.stageID, 2);
                   }},
        DamageCase{
            "unknown sword",
            profileWith("\tswords {\n\t\ti = 3\n\t\tsword1 = 205\n\t\tsword2 = 999\n\t\tsword3 = 7\n\t}\n"),
            "sword2",
            [](const TProfile& p) {
                ASSERT_EQ(p.swords.size(), 1u);
                EXPECT_EQ(p.swords[0].sd->id, 205);
            }},
        DamageCase{"unknown magic card",
                   profileWith("\tmagicCards {\n\t\ti = 2\n\t\tcards1 = 12\n\t\tcards2 = 399\n\t}\n"
                               "\tawaitingmagicCards {\n\t\ti = 1\n\t\tcards1 = 0\n\t}\n"
                               "\tstageCards {\n\t\ti = 1\n\t\tc1 = 301\n\t}\n"),
                   "cards1",
                   [](const TProfile& p) {
                       EXPECT_TRUE(p.magicCards.empty());
                       EXPECT_TRUE(p.awaitingMagicCards.empty());
                       EXPECT_EQ(p.stageCards, std::vector<TCardData*>{cardDataById(301)});
                   }},
        DamageCase{
            "unknown or repeated award",
            profileWith("\tawards {\n\t\ti = 4\n\t\taw1 = 7\n\t\taw2 = 12\n\t\taw3 = 7\n\t\taw4 = 2\n\t}\n"),
            "aw2",
            [](const TProfile& p) {
                ASSERT_EQ(p.awards.size(), 2u);
                EXPECT_EQ(p.awards[0], *findAward(7));
                EXPECT_EQ(p.awards[1], *findAward(2));
                EXPECT_EQ(p.awards[1].title, "title 2");
            }},
        DamageCase{"unknown item", profileWith("\titems {\n\t\ti = 2\n\t\titem1 = 0\n\t\titem2 = 6\n\t}\n"),
                   "item1",
                   [](const TProfile& p) {
                       EXPECT_EQ(p.items, (std::vector<TShopItem>{{6, "LICZNIK"}}));
                   }},
        DamageCase{"item the shop does not sell",
                   profileWith("\titems {\n\t\ti = 2\n\t\titem1 = 7\n\t\titem2 = 9\n\t}\n"), "item1",
                   [](const TProfile& p) {
                       EXPECT_EQ(p.items, (std::vector<TShopItem>{{9, "UNDO-1"}}));
                   }},
        DamageCase{"stage beyond the content",
                   "profile {\n\tname = \"ANNA\"\n\tstageID = 9\n\tlevelId = 12\n\ttryb = \"QUEST\"\n}\n",
                   "stageID",
                   [](const TProfile& p) {
                       EXPECT_EQ(p.stageID, 3);
                       EXPECT_EQ(p.levelID, 3);
                   }},
        DamageCase{"level beyond its stage",
                   "profile {\n\tname = \"ANNA\"\n\tstageID = 3\n\tlevelId = 0\n\ttryb = \"QUEST\"\n}\n",
                   "levelId",
                   [](const TProfile& p) {
                       EXPECT_EQ(p.stageID, 3);
                       EXPECT_EQ(p.levelID, 1);
                   }},
        DamageCase{
            "stage record beyond the content",
            profileWith(
                "\tstages {\n\t\ti = 2\n"
                "\t\tstage1 {\n\t\t\tid = 4\n\t\t\tlevels {\n\t\t\t\ti = 1\n\t\t\t\tlevel1 = 1, 1, 0, 1, "
                "5, 10\n\t\t\t}\n\t\t}\n"
                "\t\tstage2 {\n\t\t\tid = 3\n\t\t\tlevels {\n\t\t\t\ti = 2\n\t\t\t\tlevel1 = 3, 1, 0, 1, "
                "5, 10\n\t\t\t\tlevel2 = 4, 1, 0, 1, 5, 10\n\t\t\t}\n\t\t}\n"
                "\t}\n"),
            "stage 4", [](const TProfile& p) {
                ASSERT_EQ(p.stages.size(), 1u);
                EXPECT_EQ(p.stages[0].id, 3);
                ASSERT_EQ(p.stages[0].levels.size(), 1u);
                EXPECT_EQ(p.stages[0].levels[0].id, 3);
            }}));

TEST_F(ProfileFiles, ASoundFileIsNeitherReportedNorMoved)
{
    const std::string dataPath = f.folder().write("user/Profiles/65-78-78-65-/profile.dat", wholeProfile);
    std::optional<TProfile> loaded = profile_file::read(dataPath);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->swords.size(), 1u);
    EXPECT_TRUE(f.reports.empty());
    EXPECT_EQ(bytesOf(dataPath), wholeProfile);
    EXPECT_FALSE(std::filesystem::exists(dataPath + ".damaged-1"));
}

TEST_F(ProfileFiles, ALevelInProgressWithoutTableCardsIsNoneAndIsKeptAside)
{
    const std::string folder = "user/Profiles/65-78-78-65-/";
    const std::string dataPath = f.folder().write(folder + "profile.dat", profileWith("\tquestLevel = 1\n"));
    const std::string levelPath =
        f.folder().write(folder + "questlevel.lvl", "level {\n\tcards {\n\t\ti = 0\n\t}\n}\n");
    std::optional<TProfile> loaded = profile_file::read(dataPath);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->questLevel);
    EXPECT_TRUE(f.reported({levelPath, "questlevel.lvl.damaged-1"}));
    EXPECT_TRUE(std::filesystem::exists(levelPath + ".damaged-1"));
    EXPECT_EQ(bytesOf(dataPath), profileWith("\tquestLevel = 1\n")); // the profile itself is sound

    // A level whose table is cleared is not saved as one to resume.
    loaded->questLevel = std::make_shared<TLevel>();
    ASSERT_TRUE(loaded->save());
    EXPECT_NE(bytesOf(dataPath).find("\tquestLevel = 0\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(levelPath));
}

// The level end's record: the mends that keep it true when a level is left and played again.
TEST_F(ProfileFiles, ALevelRecordTakesCardsLeftAndPassedOnEveryCall)
{
    TProfile p;
    p.stageID = 2;
    p.levelID = 4;
    p.UPDATE_levelAndStage({.score = 120, .cardsLeft = 9, .multiplier = 1.5f, .longestDrive = 6});
    p.UPDATE_levelAndStage({.score = 300, .cardsLeft = 0, .multiplier = 2.5f, .longestDrive = 4});
    ASSERT_EQ(p.stages.size(), 1u);
    const TLevelData* record = p.getStageData(2)->getLevelData(4);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(*record, (TLevelData{4, 1, 0, 2.5f, 4, 300}));
    EXPECT_EQ(p.countPerfects(), 1);
    EXPECT_EQ(p.getActStageScores(), 300);
    EXPECT_EQ(p.ALL_SCORES, 300);
    EXPECT_EQ(p.ALL_LONGEST_DRIVE, 6);
    EXPECT_FLOAT_EQ(static_cast<float>(p.ALL_HIGHEST_MULTIPLIER), 2.5f);
    // The stage's best drive and multiplier never shrink; its score is the sum of its levels.
    p.levelID = 5;
    p.UPDATE_levelAndStage({.score = 50, .cardsLeft = 3, .multiplier = 1.0f, .longestDrive = 2});
    EXPECT_EQ(p.getActStageScores(), 350);
    EXPECT_EQ(p.getStageData(2)->longestDrive, 6);
    EXPECT_FLOAT_EQ(p.getStageData(2)->highestMultiplier, 2.5f);
    EXPECT_EQ(p.countPerfects(), 1);

    TProfile free;
    free.tryb = "FREE-PLAY";
    free.UPDATE_levelAndStage({.score = 500, .cardsLeft = 0, .multiplier = 3, .longestDrive = 9});
    EXPECT_TRUE(free.stages.empty());
    EXPECT_EQ(free.ALL_SCORES, 0);
}
} // namespace
