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
#include "gui/TextLayout.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "media/FileSystem.hpp"
#include "media/Font.hpp"
#include "media/FontCache.hpp"
#include "media/ImageCodec.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "rules/Board.hpp"
#include "screens/Awards.hpp"
#include "screens/ShopItems.hpp"
#include "screens/TProfileManager.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include "ShippedPicture.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace
{
using testing_support::filesUnder;
using testing_support::InFolder;
using testing_support::runDir;
using testing_support::TestProgram;

// A shipped picture, decoded; nothing (and a test failure) when it is missing or damaged.
std::optional<media::Image> picture(const std::string& path)
{
    return content_testing::readPicture(path);
}

using content_testing::luminance;

struct ScreenPoint
{
    int x;
    int y;
};

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
    for (const char* table : {"names.txt", "gameTexts.txt", "mainMenu.txt", "credits.txt", "options.txt"})
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

TEST_F(ShippedContent, TheTenAwardsAreDefinedWithTheirOwnTextsAndTheHeading)
{
    loadAwards();
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
    ASSERT_EQ(awardDefinitions().size(), 10u);
    const TRCMFile file = loadDataFile("data/awards.dat");
    const TTxtFile texts = loadTextTable("txt/en/awards.txt");
    std::set<std::string> titles;
    for (int k = 1; k <= 10; ++k) {
        const std::string g = "awards::aw" + std::to_string(k) + "::";
        const TAward* award = findAward(k);
        ASSERT_NE(award, nullptr) << "no award " << k;
        // The heading's line is no award's text.
        EXPECT_NE(file.getInt(g + "title"), 27) << k;
        EXPECT_NE(file.getInt(g + "description"), 27) << k;
        EXPECT_FALSE(award->title.empty()) << k;
        EXPECT_FALSE(award->descr.empty()) << k;
        // The description is one centred line at size 30.
        EXPECT_LE(media::text::toUtf32(award->descr).size(), 40u) << award->descr;
        titles.insert(award->title);
    }
    EXPECT_EQ(titles.size(), 10u) << "every award has a title of its own";
    EXPECT_FALSE(media::text::trim(getText(texts, 27)).empty()) << "the announcement's heading";
}

// The shop's nine items in their grid order, each with a title that fits its panel's width and
// a description that stays above the price line.
TEST_F(ShippedContent, TheShopCatalogueHoldsItsNineItemsAndTheirTextsFit)
{
    reports.clear();
    loadShopItems();
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
    const std::vector<std::string> powers = {"CARD",    "UNDO-1",    "MULTI-START", "MAX-MULTI-7", "KASA+5",
                                             "LICZNIK", "SHOW-CARD", "ODKRYCIE-10", "HINT"};
    ASSERT_EQ(shopItems().size(), powers.size());
    media::Font& titleFont = media::fonts().get(24);
    media::Font& opisFont = media::fonts().get(20);
    for (std::size_t k = 0; k < powers.size(); ++k) {
        const TShopItem& item = shopItems()[k];
        EXPECT_EQ(item.id, static_cast<int>(k) + 1);
        EXPECT_EQ(item.pwrID, powers[k]);
        EXPECT_EQ(item.imgPath, "gfx/gui/screen-sklep/items/item-" + std::to_string(k + 1) + ".png");
        EXPECT_GT(item.cena, 0) << item.pwrID;
        EXPECT_LE(titleFont.textWidth(item.title), 230) << item.title;
        EXPECT_LE(measureTextBox(item.opis, 190, opisFont, 0), 4 * textHeight(opisFont)) << item.opis;
    }
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
    loadResources(); // the coins under column cards are of these kinds
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
        // The first lessons are the smallest tables; a deck's length is tuned by the solver to the
        // level's share of winnable deals, short on an open table.
        EXPECT_GE(level->cards.size(), 10u) << path;
        EXPECT_GE(level->deck.size(), 8u) << path;
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

namespace
{
// The game screen's frame and lights, with the size the game is laid out for. Where the game
// places things by a picture's size (the deck holder) the size is exact; elsewhere a picture
// may differ from it by `slack` pixels either way. Lights, coins and signs are drawn centred:
// strong in the middle, they fade out before their corners.
struct HudPicture
{
    const char* path;
    int width;
    int height;
    int slack;
    bool clearCorners;
};

const HudPicture hudPictures[] = {
    {"gfx/gui/mainGame/stage-name.png", 350, 60, 10, false},
    {"gfx/gui/mainGame/gui-cash.png", 240, 90, 10, false},
    {"gfx/gui/mainGame/gui-drive.png", 340, 130, 20, false},
    {"gfx/gui/mainGame/bulb-1.png", 48, 48, 8, true},
    {"gfx/gui/mainGame/bulb-2.png", 48, 48, 8, true},
    {"gfx/gui/mainGame/bulb-3.png", 48, 48, 8, true},
    {"gfx/gui/mainGame/bulb-4.png", 48, 48, 8, true},
    {"gfx/gui/mainGame/bulb-small.png", 14, 14, 3, true},
    {"gfx/gui/mainGame/bulb-small-2.png", 14, 14, 3, true},
    {"gfx/gui/mainGame/bulb-green.png", 40, 40, 8, true},
    {"gfx/gui/mainGame/bulb-deckholder.png", 16, 16, 8, true},
    {"gfx/gui/mainGame/end-hand.png", 64, 64, 8, true},
    {"gfx/gui/mainGame/end-combo.png", 110, 150, 12, true},
    {"gfx/gui/mainGame/deck-holder.png", 450, 170, 0, false},
    {"gfx/gui/mainGame/deck-holder-1.png", 450, 170, 0, false},
    {"gfx/gui/mainGame/panelLewy.png", 170, 780, 20, false},
    {"gfx/gui/mainGame/panelPrawy.png", 170, 780, 20, false},
    {"gfx/effects/poswiata-1.png", 64, 64, 8, true},
    {"gfx/effects/poswiata-2.png", 64, 64, 8, true},
    {"gfx/resources/res-1.png", 36, 36, 6, true},
    {"gfx/resources/res-2.png", 36, 36, 6, true},
    {"gfx/resources/res-3.png", 36, 36, 6, true},
    {"gfx/resources/res-4.png", 36, 36, 6, true},
};

TEST_F(ShippedContent, TheGameScreensFrameAndLightsAreThereAtTheirSizes)
{
    for (const HudPicture& expected : hudPictures) {
        SCOPED_TRACE(expected.path);
        auto image = picture(expected.path);
        if (!image)
            continue;
        EXPECT_NEAR(image->width, expected.width, expected.slack);
        EXPECT_NEAR(image->height, expected.height, expected.slack);
        if (expected.clearCorners) {
            const int right = image->width - 1;
            const int bottom = image->height - 1;
            for (ScreenPoint c : {ScreenPoint{0, 0}, ScreenPoint{right, 0}, ScreenPoint{0, bottom},
                                  ScreenPoint{right, bottom}})
                EXPECT_LT(image->pixel(c.x, c.y)[3], 16) << "corner " << c.x << ", " << c.y;
            EXPECT_GT(image->pixel(image->width / 2, image->height / 2)[3], 160) << "the middle is faint";
        }
    }
    auto left = picture("gfx/gui/mainGame/panelLewy.png");
    auto right = picture("gfx/gui/mainGame/panelPrawy.png");
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->width, right->width) << "the side panels are not a pair";
    EXPECT_EQ(left->height, right->height) << "the side panels are not a pair";
}

// The drive panel lies in the screen's top right corner; the game lights bulbs and writes the
// drive counter at fixed points of the screen, and each must fall on a dark socket, not on the
// wood or the gold round it.
TEST_F(ShippedContent, TheDrivePanelHasASocketUnderEveryBulb)
{
    auto panel = picture("gfx/gui/mainGame/gui-drive.png");
    ASSERT_TRUE(panel);
    const int left = 1024 - panel->width;
    double sum = 0.0;
    int solid = 0;
    for (int y = 0; y < panel->height; ++y) {
        for (int x = 0; x < panel->width; ++x) {
            if (panel->pixel(x, y)[3] == 255) {
                sum += luminance(*panel, x, y);
                ++solid;
            }
        }
    }
    ASSERT_GT(solid, panel->width * panel->height / 2);
    const double panelLight = sum / solid;
    const std::vector<ScreenPoint> sockets{
        // The four multiplier bulbs.
        {725, 59},
        {781, 76},
        {907, 76},
        {964, 59},
        // The twenty small drive lights.
        {703, 42},
        {716, 34},
        {732, 33},
        {745, 41},
        {751, 53},
        {752, 68},
        {753, 83},
        {759, 96},
        {772, 104},
        {786, 104},
        {903, 103},
        {916, 103},
        {929, 96},
        {936, 83},
        {936, 68},
        {937, 53},
        {944, 41},
        {957, 33},
        {973, 34},
        {985, 42},
        // The green bulb, and the drive counter's digits round x 854 from y 64 to 98.
        {844, 82},
        {854, 66},
        {854, 96},
        {842, 81},
        {866, 81}};
    for (ScreenPoint s : sockets) {
        const int x = s.x - left;
        ASSERT_TRUE(x >= 0 && x < panel->width && s.y < panel->height)
            << s.x << ", " << s.y << " is off the panel";
        EXPECT_EQ(panel->pixel(x, s.y)[3], 255) << "no socket at " << s.x << ", " << s.y;
        EXPECT_LT(luminance(*panel, x, s.y), panelLight * 0.5) << "no dark socket at " << s.x << ", " << s.y;
    }
}

// Where the game writes on a picture, the picture has the field for it: the level's name in
// black on a light field, the score and the deck count in gold and yellow on dark windows.
TEST_F(ShippedContent, TheFramesHaveAFieldWhereTheGameWrites)
{
    struct Field
    {
        const char* path;
        bool centred;                    // drawn centred on `at`, else from its top-left corner there
        ScreenPoint at;                  // where the game draws the picture
        bool light;                      // a light field, else a dark window
        std::vector<ScreenPoint> points; // on the screen, where the words or digits go
    };
    const std::vector<Field> fields{
        {"gfx/gui/mainGame/stage-name.png",
         false,
         {15, 0},
         true,
         {{190, 27}, {190, 48}, {120, 38}, {260, 38}}},
        {"gfx/gui/mainGame/gui-cash.png",
         true,
         {507, 67},
         false,
         {{517, 62}, {517, 88}, {470, 75}, {564, 75}}},
        // The deck holder is drawn from (230, 592); the count is written round (267, 688).
        {"gfx/gui/mainGame/deck-holder.png", false, {230, 592}, false, {{267, 688}, {259, 688}, {275, 688}}},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(f.path);
        auto image = picture(f.path);
        if (!image)
            continue;
        const int left = f.centred ? f.at.x - image->width / 2 : f.at.x;
        const int top = f.centred ? f.at.y - image->height / 2 : f.at.y;
        for (ScreenPoint s : f.points) {
            const int x = s.x - left;
            const int y = s.y - top;
            ASSERT_TRUE(x >= 0 && y >= 0 && x < image->width && y < image->height) << s.x << ", " << s.y;
            EXPECT_EQ(image->pixel(x, y)[3], 255) << s.x << ", " << s.y;
            if (f.light)
                EXPECT_GT(luminance(*image, x, y), 170.0) << s.x << ", " << s.y;
            else
                EXPECT_LT(luminance(*image, x, y), 40.0) << s.x << ", " << s.y;
        }
    }
}

// The plain deck holder is the same tray without the counter's window.
TEST_F(ShippedContent, ThePlainDeckHolderIsTheSameTrayWithoutTheCounter)
{
    auto counter = picture("gfx/gui/mainGame/deck-holder.png");
    auto plain = picture("gfx/gui/mainGame/deck-holder-1.png");
    ASSERT_TRUE(counter && plain);
    ASSERT_EQ(counter->width, plain->width);
    ASSERT_EQ(counter->height, plain->height);
    EXPECT_GT(luminance(*plain, 37, 96), 60.0) << "the plain holder has a dark window where the count goes";
    // Right of the counter's strip the two are the same picture.
    int differing = 0;
    for (int y = 0; y < plain->height; ++y) {
        for (int x = 70; x < plain->width; ++x) {
            differing += std::memcmp(counter->pixel(x, y), plain->pixel(x, y), 4) != 0;
        }
    }
    EXPECT_EQ(differing, 0);
}
} // namespace
