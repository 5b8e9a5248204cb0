// The shipped content of the magic-card collection and of the announcement of a goal reached:
// the round board with a calm light face where the title and the cards lie, the frame behind an
// enlarged card, the texts and the sound the screens ask for.
#include "data/DataFiles.hpp"
#include "data/Language.hpp"
#include "data/TRCMFile.hpp"
#include "data/TextTables.hpp"
#include "screens/TMagicCardsScreen.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include "ShippedPicture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace
{
using content_testing::luminance;
using content_testing::readPicture;
using testing_support::InFolder;
using testing_support::runDir;

TEST(CollectionContent, TheBoardIsRoundWithALightFaceUnderTheRingsAndTheTitle)
{
    InFolder here(runDir);
    auto board = readPicture("gfx/gui/magic-cards/panel.png");
    ASSERT_TRUE(board);
    EXPECT_NEAR(board->width, 660, 20);
    EXPECT_NEAR(board->height, 660, 20);
    // The corners are clear: the screen shows through beside the disc.
    for (int x : {2, board->width - 3}) {
        for (int y : {2, board->height - 3})
            EXPECT_LT(board->pixel(x, y)[3], 16) << x << ", " << y;
    }
    // The board drawn centred on (512, 384): where each ring's cards lie (on the ring, and
    // half a card to either side of it) and where the title is written, the face is opaque
    // and light enough for black words and dark silhouettes.
    const float left = 512 - board->width / 2.0f;
    const float top = 384 - board->height / 2.0f;
    auto check = [&](float sx, float sy) {
        const int x = static_cast<int>(sx - left);
        const int y = static_cast<int>(sy - top);
        ASSERT_TRUE(x >= 0 && y >= 0 && x < board->width && y < board->height) << sx << ", " << sy;
        EXPECT_EQ(board->pixel(x, y)[3], 255) << sx << ", " << sy;
        EXPECT_GT(luminance(*board, x, y), 150) << sx << ", " << sy;
    };
    for (int ring = 0; ring < 3; ++ring) {
        for (int i = 0; i < TMagicCardsScreen::ringSize[static_cast<std::size_t>(ring)]; i += 3) {
            const RingPlace at = TMagicCardsScreen::ringPlace(ring, i);
            const float dx = (at.x - TMagicCardsScreen::centreX);
            const float dy = (at.y - TMagicCardsScreen::centreY);
            const float r = std::hypot(dx, dy);
            for (float reach : {-30.0f, 0.0f, 30.0f})
                check(at.x + dx / r * reach, at.y + dy / r * reach);
        }
    }
    for (float x : {462.0f, 512.0f, 562.0f})
        check(x, 120);
}

TEST(CollectionContent, TheEnlargedCardHasAFrameAroundIt)
{
    InFolder here(runDir);
    auto frame = readPicture("gfx/gui/magic-cards/show.png");
    ASSERT_TRUE(frame);
    // The card, 96 x 140, stands in it with a border to spare.
    EXPECT_GE(frame->width, 110);
    EXPECT_GE(frame->height, 160);
    EXPECT_LE(frame->width, 180);
    EXPECT_LE(frame->height, 230);
}

TEST(CollectionContent, TheTextsAndTheSoundAreThere)
{
    testing_support::TestProgram program;
    InFolder here(runDir);
    language = "en";
    EXPECT_FALSE(getText(loadTextTable("txt/#LANG#/magicCards.txt"), 1).empty());
    const TTxtFile summary = loadTextTable("txt/#LANG#/levelEndScreen.txt");
    EXPECT_FALSE(getText(summary, 10).empty()); // the announcement's heading
    EXPECT_FALSE(getText(summary, 11).empty()); // every goal reached
    const TRCMFile sounds = loadDataFile("data/globalSnd.dat");
    bool found = false;
    const int count = sounds.getInt("globalSnd::sounds");
    for (int k = 1; k <= count && !found; ++k)
        found = sounds.getString("globalSnd::snd" + std::to_string(k) + "::id") == "goal-achieved";
    EXPECT_TRUE(found) << "data/globalSnd.dat names no \"goal-achieved\"";
}
} // namespace
