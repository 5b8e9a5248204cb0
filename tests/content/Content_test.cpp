// The shipped content folder: everything loads through the game's own loaders without a word
// of complaint, and the files agree with each other.
#include "cards/Cards.hpp"
#include "cards/ResourceTypes.hpp"
#include "cards/Swords.hpp"
#include "data/DataFiles.hpp"
#include "data/Language.hpp"
#include "data/TextTables.hpp"
#include "effects/Captions.hpp"
#include "effects/TParticle.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "media/FileSystem.hpp"
#include "media/ImageCodec.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "rules/Board.hpp"
#include "screens/TProfileManager.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace
{
using testing_support::filesUnder;
using testing_support::InFolder;
using testing_support::runDir;
using testing_support::TestProgram;

class ShippedContent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        media::setReportSink([this](std::string_view line) { reports.emplace_back(line); });
        program = std::make_unique<TestProgram>();
        here = std::make_unique<InFolder>(runDir);
        language = "en";
        program->program().profileManager = std::make_unique<TProfileManager>();
        program->program().profileManager->useGuestProfile();
    }
    void TearDown() override
    {
        here.reset();
        program.reset();
        media::setReportSink({});
    }

    std::vector<std::string> reports;
    std::unique_ptr<TestProgram> program;
    std::unique_ptr<InFolder> here;
};

TEST_F(ShippedContent, HasTheLanguageTablesAndNoMarkerFiles)
{
    auto code = media::fs::readText("txt/lang.txt");
    ASSERT_TRUE(code);
    std::string lang = media::text::trim(*code);
    EXPECT_EQ(lang, "en");
    for (const char* table : {"names.txt", "gameTexts.txt", "start.txt"})
        EXPECT_TRUE(readTextTable("txt/" + lang + "/" + table)) << table;
    for (const char* marker : {"cheats.txt", "noTutorial.txt", "noLogo.txt", "playLogOn.txt",
                               "playlog-net.txt", "data/_stages.dat"})
        EXPECT_EQ(media::fs::pathType(marker), media::fs::PathType::Absent) << marker;
}

TEST_F(ShippedContent, EveryPictureDecodes)
{
    std::vector<std::string> pictures = filesUnder("gfx", {".png", ".jpg"});
    ASSERT_FALSE(pictures.empty());
    for (const std::string& path : pictures) {
        std::string error;
        auto bytes = media::fs::readBytes(path);
        ASSERT_TRUE(bytes) << path;
        EXPECT_TRUE(media::decodeImage(*bytes, error)) << path << ": " << error;
    }
}

TEST_F(ShippedContent, EveryDataFileParses)
{
    for (const std::string& path : filesUnder("data", {".dat", ".lvl"})) {
        TRCMFile file = loadDataFile(path);
        EXPECT_FALSE(file._grupa._listaGrup.empty()) << path << " is empty";
    }
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
}

TEST_F(ShippedContent, TheCardsAreCompleteAndLoadQuietly)
{
    loadCards();
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
    EXPECT_TRUE(program->display().messages().empty())
        << ::testing::PrintToString(program->display().messages());

    std::set<int> ids;
    for (TCardData* c : cardSet().normalCardData) {
        ids.insert(c->id);
        EXPECT_GE(c->seqN, 2) << "card " << c->id << " has no rank (\"" << c->nazwa << "\")";
        EXPECT_LE(c->seqN, 14);
        EXPECT_FALSE(c->img.empty()) << "card " << c->id << " has no picture";
        EXPECT_LT(c->frame, c->img.frames()) << "card " << c->id;
    }
    for (TCardData* c : cardSet().specialCardData) {
        ids.insert(c->id);
        EXPECT_FALSE(c->img.empty()) << "card " << c->id << " has no picture";
        EXPECT_LT(c->frame, c->img.frames()) << "card " << c->id;
    }
    EXPECT_EQ(normalCardList().size(), 52u);
    EXPECT_EQ(cardSet().magicCardData.size(), 52u);
    for (TCardData* c : normalCardList())
        EXPECT_TRUE(ids.count(c->id + 300)) << "no magic version of card " << c->id;
    for (int rank = 2; rank <= 14; ++rank) {
        ASSERT_TRUE(cardDataById(rank + 200)) << "no sword of rank " << rank;
        EXPECT_EQ(cardDataById(rank + 200)->seqN, rank);
    }
    EXPECT_TRUE(cardDataById(105)) << "no hammer card";

    const CardGraphics& g = cardGraphics();
    EXPECT_EQ(g.mask.width(), 96);
    EXPECT_EQ(g.mask.height(), 140);
    EXPECT_EQ(g.ice.frames(), 9);
    EXPECT_EQ(g.rocks.frames(), 9);
}

TEST_F(ShippedContent, EveryRankHasOneSwordAndTheResourceTypesRunFromOne)
{
    loadCards();
    reports.clear();
    loadSwords();
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
    EXPECT_EQ(swordDefinitions().size(), 13u);
    for (int rank = 2; rank <= 14; ++rank) {
        const TSwordData* sword = swordDataByRank(rank);
        ASSERT_NE(sword, nullptr) << "no sword of rank " << rank;
        EXPECT_EQ(sword->id, rank + 200);
    }

    // The filler draws the type of a column's coin from 1 to the number of types; the drive's
    // coin is type 1.
    loadResources();
    std::vector<int> ids;
    for (const TResourceData& type : resourceTypes())
        ids.push_back(type.id);
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(ShippedContent, ParticlesAndCaptionsAreAllThere)
{
    TParticle::setup();
    const base::Program& p = program->program();
    EXPECT_GE(p.particleImages.size(), 29u);
    for (std::size_t k = 0; k < p.particleImages.size(); ++k)
        EXPECT_FALSE(p.particleImages[k].empty()) << "particle picture " << k;
    loadCaptionImages();
    ASSERT_EQ(p.captionPictures.size(), static_cast<std::size_t>(captionCount));
    for (std::size_t i : {0, 1, 2, 3, 10, 11, 12, 13, 14, 15, 16, 17}) {
        EXPECT_FALSE(p.captionPictures[i].empty()) << "caption " << i;
        EXPECT_NE(p.captionWords[i], "(BEYOND TEXT ARRAY LENGTH!)") << i;
    }
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
}

TEST_F(ShippedContent, EveryLevelDealsQuietlyAndIsPlayable)
{
    loadCards();
    reports.clear();
    std::vector<std::string> levels = filesUnder("data/levels", {".lvl"});
    EXPECT_GE(levels.size(), 10u);
    bool rocks = false;
    bool ice = false;
    for (const std::string& path : levels) {
        TRCMFile file = loadDataFile(path);
        auto level = loadLevelFile(path, 1, 1, 1);
        EXPECT_TRUE(reports.empty()) << path << ": " << ::testing::PrintToString(reports);
        reports.clear();
        EXPECT_GE(level->cards.size(), 15u) << path;
        EXPECT_GE(level->deck.size(), 20u) << path;
        EXPECT_LE(level->deck.size(), 35u) << path;
        int back = file.getInt("level::data::numerRewersu");
        EXPECT_TRUE(back >= 0 && back <= 5) << path;
        bool hammer = false;
        bool rockCards = false;
        for (int k = 1; k <= file.getInt("level::cards::i"); ++k) {
            std::string key = "level::cards::card" + std::to_string(k) + "::";
            hammer = hammer || file.getInt(key + "id") == 105;
            rockCards = rockCards || file.getInt(key + "utrudnienie1");
            ice = ice || file.getInt(key + "utrudnienie2");
            float x = static_cast<float>(file.getFloat(key + "dim", 0));
            float y = static_cast<float>(file.getFloat(key + "dim", 1));
            EXPECT_TRUE(x >= 50 && x <= 974 && y >= 180 && y <= 560)
                << path << " card" << k << " lies off the table";
        }
        if (rockCards) {
            EXPECT_TRUE(hammer || file.getInt("level::specs::utrudnienie1"))
                << path << ": rocks but no hammer";
        }
        rocks = rocks || (rockCards && hammer);
        // Something can be played at the start: dealt by the rules, at least one card lies face up
        // and free.
        rules::Board board(layoutOf(*level));
        board.deal();
        const std::vector<int> table = board.tableOrder();
        EXPECT_TRUE(std::any_of(table.begin(), table.end(), [&](int slot) {
            return board.card(slot).faceUp && board.card(slot).uncovered;
        })) << path;
    }
    EXPECT_TRUE(rocks) << "no level has rocks and the hammer";
    EXPECT_TRUE(ice) << "no level has ice";
}
} // namespace
