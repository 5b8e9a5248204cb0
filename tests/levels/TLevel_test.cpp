// Level files and dealing a level: saving and loading, shuffles, obstacles, aids, swords,
// columns and the deck geometry.
#include "levels/TLevel.hpp"

#include "cards/Cards.hpp"
#include "cards/TCardData.hpp"
#include "cards/TSwordData.hpp"
#include "levels/Levels.hpp"
#include "media/FileSystem.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{
using testing_support::CardFixture;
using testing_support::levelOf;
using testing_support::TestCard;

std::vector<int> ids(const std::vector<TCardData*>& list)
{
    std::vector<int> out;
    for (const TCardData* c : list)
        out.push_back(c->id);
    return out;
}

std::vector<int> tableIds(const TLevel& level)
{
    std::vector<int> out;
    for (const auto& c : level.cards)
        out.push_back(c->cd->id);
    return out;
}

// A level file written by hand.
std::string levelText(const std::string& data, const std::string& cards, const std::string& deck = "")
{
    return "level {\n\tdata {\n" + data + "\t}\n\tcards {\n" + cards + "\t}\n\tdeck {\n" + deck + "\t}\n}\n";
}

TEST(LevelFile, ALevelInProgressComesBackAsItWas)
{
    CardFixture f;
    auto level =
        levelOf({{300, 250, 5}, {320, 300, 18, 0, 1}, {700, 260, 31, 0, 0, 1}, {705, 330, 44, 0, 0, 0, 1}});
    level->addListToDeck({cardDataById(7), cardDataById(8), cardDataById(9)});
    level->spot = {cardDataById(3), cardDataById(4)};
    level->score = 123;
    level->driveN = 4;
    level->driveMN = 1.0f + 0.3f; // a multiplier reached in tenths
    level->longestDrive = 6;
    level->numerRewersu = 3;
    level->pomWaterX = 320;
    std::string path = f.folder() / "progress.lvl";
    ASSERT_TRUE(level->_save(path));

    auto back = loadLevelFile(path, 0, 1, 1);
    EXPECT_EQ(tableIds(*back), tableIds(*level)); // stacking order survives
    for (std::size_t i = 0; i < level->cards.size(); ++i) {
        const TCard& a = *level->cards[i];
        const TCard& b = *back->cards[i];
        EXPECT_FLOAT_EQ(a.x, b.x);
        EXPECT_FLOAT_EQ(a.y, b.y);
        EXPECT_EQ(a.utrudnienie2, b.utrudnienie2);
        EXPECT_EQ(a.utrudnienie3, b.utrudnienie3);
        EXPECT_EQ(a.forceSide, b.forceSide);
        EXPECT_EQ(b.numerRewersu, 3);
    }
    EXPECT_EQ(ids(back->deck), (std::vector<int>{7, 8, 9})); // not reshuffled
    EXPECT_EQ(ids(back->spot), (std::vector<int>{3, 4}));
    EXPECT_FLOAT_EQ(back->score, 123);
    EXPECT_EQ(back->driveN, 4);
    EXPECT_FLOAT_EQ(back->driveMN, 1.3f);
    EXPECT_EQ(back->longestDrive, 6);
    EXPECT_FLOAT_EQ(back->pomWaterX, 320);

    // A card is written key by key in this order.
    auto text = media::fs::readText(path);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("\t\tcard2 {\n\t\t\tid = 18\n\t\t\tdim = 320, 300\n\t\t\tforceSide = 0\n"
                         "\t\t\tutrudnienie1 = 0\n\t\t\tutrudnienie2 = 1\n\t\t\tutrudnienie3 = 0\n\t\t}\n"),
              std::string::npos)
        << *text;
    EXPECT_NE(text->find("driveMN = 1.30000000\n"), std::string::npos);
    // Groups in this order: standards, specs, deck, cards, spot.
    EXPECT_LT(text->find("data {"), text->find("specs {"));
    EXPECT_LT(text->find("specs {"), text->find("deck {"));
    EXPECT_LT(text->find("deck {"), text->find("cards {"));
    EXPECT_LT(text->find("cards {"), text->find("spot {"));
}

TEST(LevelFile, MissingAndOddStandardValuesReadSensibly)
{
    CardFixture f;
    std::string path = f.folder().write(
        "odd.lvl", levelText("\t\tdriveMN = 0.5\n\t\tdeckDim = 10, 20\n",
                             "\t\ti = 1\n\t\tcard1 {\n\t\t\tid = 1\n\t\t\tdim = 500, 300\n\t\t}\n"));
    auto level = loadLevelFile(path, 1, 0, 0);
    EXPECT_FLOAT_EQ(level->driveMN, 1);
    EXPECT_FLOAT_EQ(level->deckX, 460);
    EXPECT_FLOAT_EQ(level->deckY, 685);
    EXPECT_EQ(level->backGroundId, 1);
    EXPECT_EQ(level->allCardsCount, 1);
    EXPECT_EQ(level->allColumns, 1);
}

struct BadFile
{
    const char* what;
    std::string text;
    std::size_t cardsKept;
    const char* report;
};

void PrintTo(const BadFile& b, std::ostream* os)
{
    *os << b.what;
}

class BadLevelFiles : public ::testing::TestWithParam<BadFile>
{};

TEST_P(BadLevelFiles, AreReportedByNameAndSurvived)
{
    CardFixture f;
    std::string path = f.folder().write("bad.lvl", GetParam().text);
    auto level = loadLevelFile(path, 1, 1, 1);
    EXPECT_EQ(level->cards.size(), GetParam().cardsKept);
    EXPECT_TRUE(f.reported({"bad.lvl", GetParam().report})) << ::testing::PrintToString(f.reports);
}

const std::string twoCards = "\t\tcard1 {\n\t\t\tid = 1\n\t\t\tdim = 400, 300\n\t\t}\n"
                             "\t\tcard2 {\n\t\t\tid = 2\n\t\t\tdim = 600, 300\n\t\t}\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, BadLevelFiles,
    ::testing::Values(
        BadFile{"an unknown card identity is left out",
                levelText("", "\t\ti = 2\n\t\tcard1 {\n\t\t\tid = 777\n\t\t\tdim = 400, 300\n\t\t}\n"
                              "\t\tcard2 {\n\t\t\tid = 2\n\t\t\tdim = 600, 300\n\t\t}\n"),
                1, "777"},
        BadFile{"a card without its position is left out",
                levelText("", "\t\ti = 2\n\t\tcard1 {\n\t\t\tid = 1\n\t\t}\n"
                              "\t\tcard2 {\n\t\t\tid = 2\n\t\t\tdim = 600, 300\n\t\t}\n"),
                1, "card1"},
        BadFile{"more cards counted than written", levelText("", "\t\ti = 5\n" + twoCards), 2, "card3"},
        BadFile{"an unknown deck identity is left out",
                levelText("", "\t\ti = 2\n" + twoCards, "\t\ti = 2\n\t\tdeckCard1 = 3\n\t\tdeckCard2 = 0\n"),
                2, "deckCard2"},
        BadFile{"unbalanced braces leave the level empty", "level {\n\tcards {\n\t\ti = 1\n}\n", 0, "Blad"},
        BadFile{"a file with no level in it", "", 0, "no level"}));

TEST(LevelFile, AMissingFileGivesAnEmptyLevel)
{
    CardFixture f;
    auto level = loadLevelFile(f.folder() / "nowhere.lvl", 1, 1, 1);
    EXPECT_TRUE(level->cards.empty());
    EXPECT_TRUE(level->deck.empty());
    EXPECT_TRUE(f.reported({"nowhere.lvl"}));
}

TEST(Shuffle, MovesOnlyIdentitiesAndNever104Or105)
{
    CardFixture f;
    std::vector<TestCard> specs;
    for (int i = 0; i < 20; ++i)
        specs.push_back({100.0f + 40 * i, 300, i + 1});
    specs[3].id = 104;
    specs[11].id = 105;
    auto level = levelOf(specs);
    std::vector<int> before = tableIds(*level);
    bool changed = false;
    for (int round = 0; round < 50; ++round) {
        level->SHUFFLE_CARDS();
        changed = changed || tableIds(*level) != before;
        EXPECT_EQ(level->cards[3]->cd->id, 104);
        EXPECT_EQ(level->cards[11]->cd->id, 105);
        for (int i = 0; i < 20; ++i)
            EXPECT_FLOAT_EQ(level->cards[static_cast<std::size_t>(i)]->x, 100.0f + 40 * i);
    }
    EXPECT_TRUE(changed);
    std::vector<int> after = tableIds(*level);
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);

    auto fixedOnly = levelOf({{300, 300, 104}, {600, 300, 105}});
    fixedOnly->SHUFFLE_CARDS();
    EXPECT_EQ(tableIds(*fixedOnly), (std::vector<int>{104, 105}));
}

TEST(Shuffle, TheDeckKeepsItsIdentities)
{
    CardFixture f;
    TLevel level;
    level.addListToDeck(normalCardList());
    std::vector<int> before = ids(level.deck);
    level.SHUFFLE_DECK(1);
    std::vector<int> after = ids(level.deck);
    EXPECT_NE(after, before);
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
}

TEST(Dealing, TheHammerLocksTheRocksWhateverTheFileSays)
{
    CardFixture f;
    std::string path = f.folder().write(
        "rocks.lvl",
        "level {\n\tspecs {\n\t\tutrudnienie1 = 1\n\t}\n\tcards {\n\t\ti = 3\n"
        "\t\tcard1 {\n\t\t\tid = 105\n\t\t\tdim = 500, 300\n\t\t}\n"
        "\t\tcard2 {\n\t\t\tid = 2\n\t\t\tdim = 500, 340\n\t\t}\n"
        "\t\tcard3 {\n\t\t\tid = 3\n\t\t\tdim = 150, 300\n\t\t\tutrudnienie1 = 1\n\t\t}\n\t}\n}\n");
    auto level = loadLevelFile(path, 0, 0, 0);
    EXPECT_EQ(level->utrudnienie1Odblokowane, 0);
    EXPECT_EQ(level->jestRocks, 1);
}

TEST(Dealing, SnowLiesRightOfTheLastIceCard)
{
    CardFixture f;
    auto level = levelOf({{300, 300, 1, 0, 1},
                          {520, 300, 2, 0, 1},
                          {700, 300, 3},
                          {800, 300, 4, 1},
                          {900, 300, 5, 0, 0},
                          {400, 300, 6}});
    level->CHECK_WaterX();
    EXPECT_FLOAT_EQ(level->pomWaterX, 520);
    std::vector<int> snow;
    for (const auto& c : level->cards)
        snow.push_back(c->utrudnienie3);
    EXPECT_EQ(snow, (std::vector<int>{0, 0, 1, 0, 1, 0})); // not on rocks, ice, or left of the line

    auto dry = levelOf({{300, 300, 1}, {900, 300, 2}});
    dry->CHECK_WaterX();
    EXPECT_FLOAT_EQ(dry->pomWaterX, 1500);
    EXPECT_EQ(dry->cards[1]->utrudnienie3, 0);
}

TEST(Dealing, BothRevealingAidsTogetherShowThirtyPercentOnce)
{
    CardFixture f;
    std::vector<TestCard> specs;
    for (int i = 0; i < 11; ++i)
        specs.push_back({80.0f + 90 * i, 300, i + 1});
    auto level = levelOf(specs);
    profile().items = {{1, "ODKRYCIE-10"}, {2, "ODKRYCIE-20"}};
    level->dealOptions = profile().dealOptions();
    level->init(1, 0, 0);
    int forced = static_cast<int>(std::count_if(level->cards.begin(), level->cards.end(),
                                                [](const auto& c) { return c->forceSide == 1; }));
    EXPECT_EQ(forced, 3);
}

TEST(Dealing, TheExtraDeckCardsAidAddsFive)
{
    CardFixture f;
    auto level = levelOf({{300, 300, 1}});
    level->addListToDeck({cardDataById(2), cardDataById(3)});
    profile().items = {{5, "DECK-CARDS"}};
    level->dealOptions = profile().dealOptions();
    level->init(1, 0, 0);
    EXPECT_EQ(level->deck.size(), 7u);
}

TEST(Dealing, SwordsFollowTheQuestPosition)
{
    CardFixture f;
    std::vector<TestCard> specs;
    for (int i = 0; i < 10; ++i)
        specs.push_back({80.0f + 95 * i, 300, i + 2}); // ranks 2..11 of suit 1
    struct Case
    {
        int stage, level;
        int swords;
    };
    for (Case c : {Case{1, 0, 0}, Case{1, 1, 0}, Case{1, 2, 1}}) {
        for (int round = 0; round < 10; ++round) {
            profile().stageID = c.stage;
            profile().levelID = c.level;
            auto level = levelOf(specs);
            level->dealOptions = profile().dealOptions();
            level->SHUFFLE_SWORDS();
            int swords = static_cast<int>(std::count_if(level->cards.begin(), level->cards.end(),
                                                        [](const auto& card) { return isSwordCard(*card); }));
            EXPECT_EQ(swords, c.swords) << "stage " << c.stage << " level " << c.level;
        }
    }
}

TEST(Dealing, NoSwordForARankThePlayerAlreadyOwns)
{
    CardFixture f;
    static std::vector<TSwordData> owned(13);
    profile().stageID = 1;
    profile().levelID = 2; // always exactly one sword when there is a candidate
    profile().swords.clear();
    for (int rank = 2; rank <= 14; ++rank) {
        owned[static_cast<std::size_t>(rank - 2)].cd = cardDataById(rank + 200);
        TSword sword;
        sword.sd = &owned[static_cast<std::size_t>(rank - 2)];
        profile().swords.push_back(sword);
    }
    auto level = levelOf({{300, 300, 2}, {600, 300, 3}});
    level->dealOptions = profile().dealOptions();
    level->SHUFFLE_SWORDS();
    EXPECT_EQ(level->swordsN, 0);
    EXPECT_EQ(tableIds(*level), (std::vector<int>{2, 3}));
}

TEST(Columns, TheBottomCardsOfThePilesHoldTheResources)
{
    CardFixture f;
    // Three piles of two: the first card of each pile is a column card.
    auto level =
        levelOf({{200, 300, 1}, {500, 300, 2}, {800, 300, 3}, {200, 350, 4}, {500, 350, 5}, {800, 350, 6}});
    level->init_COLUMNS();
    ASSERT_EQ(level->columns.size(), 3u);
    EXPECT_EQ(level->columns[1]->cd->id, 2);

    level->resources = {{1, 5}, {2, 6}, {3, 7}, {4, 8}, {5, 9}};
    level->init_RESOURCES(0);
    EXPECT_EQ(level->columns[2]->res->id, 3);
    EXPECT_EQ(level->columns[2]->res->ammount, 7);

    auto fewer = levelOf({{200, 300, 1}, {500, 300, 2}, {800, 300, 3}});
    fewer->init_COLUMNS();
    fewer->resources = {{2, 5}, {2, 6}};
    fewer->init_RESOURCES(4);
    ASSERT_TRUE(fewer->columns[2]->res);
    EXPECT_GE(fewer->columns[2]->res->id, 1);
    EXPECT_LE(fewer->columns[2]->res->id, 4);
    EXPECT_EQ(fewer->columns[2]->res->ammount, 10);
}

TEST(Columns, TheFillerDrawsFromTheResourceTypesLoadedAndAFileCoinKeepsItsAmount)
{
    for (int types : {0, 4}) {
        CardFixture f;
        if (types)
            f.defineResourceTypes(types);
        // Three piles of two; the file puts a coin of a type no one defined under the first.
        std::string cards = "\t\ti = 6\n";
        const int at[6][2] = {{200, 300}, {500, 300}, {800, 300}, {200, 350}, {500, 350}, {800, 350}};
        for (int k = 0; k < 6; ++k)
            cards += "\t\tcard" + std::to_string(k + 1) + " {\n\t\t\tid = " + std::to_string(k + 1)
                     + "\n\t\t\tdim = " + std::to_string(at[k][0]) + ", " + std::to_string(at[k][1])
                     + "\n\t\t}\n";
        std::string text = levelText("", cards);
        text.insert(text.size() - 2,
                    "\tresources {\n\t\ti = 1\n\t\tres1 {\n\t\t\tid = 7\n\t\t\tammount = 25\n\t\t}\n\t}\n");
        std::string path = f.folder().write("coins.lvl", text);
        auto level = loadLevelFile(path, 0, 0, 0, profile().dealOptions());
        ASSERT_EQ(level->columns.size(), 3u) << types;
        ASSERT_TRUE(level->columns[0]->res) << types;
        EXPECT_EQ(level->columns[0]->res->ammount, 25);
        EXPECT_EQ(level->columns[0]->res->rd, nullptr);
        EXPECT_TRUE(f.reported({"coins.lvl", "res1", "7"})) << ::testing::PrintToString(f.reports);
        for (std::size_t k : {1u, 2u}) {
            const TResource* filler = level->columns[k]->res.get();
            if (types == 0) {
                EXPECT_EQ(filler, nullptr);
                continue;
            }
            ASSERT_NE(filler, nullptr);
            EXPECT_EQ(filler->ammount, 10);
            EXPECT_TRUE(filler->id >= 1 && filler->id <= 4) << filler->id;
            EXPECT_NE(filler->rd, nullptr);
        }
    }
}

TEST(DeckGeometry, TheFanStopsGrowingAfterSeventeenCards)
{
    CardFixture f;
    TLevel level;
    level.deckX = 460;
    level.deckY = 685;
    level.COUNT_deckHolder(); // a 450 x 170 holder
    EXPECT_FLOAT_EQ(level.deckHolderX, 235);
    EXPECT_FLOAT_EQ(level.deckSpotX, 235 + 450 - 82);
    for (int i = 0; i < 20; ++i)
        level.deck.push_back(cardDataById(1));
    EXPECT_EQ(level.COUNT_firstDeckCardDim().x, 432); // 235 + 85 + 112.2
    EXPECT_EQ(level.COUNT_spotDim().y, 685);
    level.allColumns = 8;
    level.allCardsCount = 40;
    EXPECT_EQ(level.COUNT_level_value(), 200);
}
} // namespace
