// The digit font: widths by position in the number, the cells drawn, characters it has no cell for.
#include "gui/CyfryFont.hpp"

#include "gui/GuiFixture.hpp"

#include <gtest/gtest.h>

#include <climits>

namespace
{
using gui_testing::GuiFixture;

class DigitWidths : public ::testing::TestWithParam<std::pair<int, int>>
{};

TEST_P(DigitWidths, AddTheTablesEntriesOfTheFirstPositions)
{
    EXPECT_EQ(CyfryFont::numbersWidth(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Numbers, DigitWidths,
                         ::testing::Values(std::pair{1234, 16 + 18 + 18 + 16}, std::pair{7, 16},
                                           std::pair{0, 16}, std::pair{99999, 16 + 18 + 18 + 16 + 17},
                                           std::pair{-5, 16}, // the minus has no cell and takes no room
                                           std::pair{INT_MIN,
                                                     16 + 18 + 18 + 16 + 17 + 16 + 16 + 18 + 18 + 18}));

TEST(DigitFont, APointHasItsCellAndLongNumbersKeepTheLastWidth)
{
    EXPECT_EQ(CyfryFont::digitsWidth("1.5"), 16 + 18 + 18);
    EXPECT_EQ(CyfryFont::digitsWidth("1234567890123"),
              16 + 18 + 18 + 16 + 17 + 16 + 16 + 18 + 18 + 18 + 18 + 18 + 18);
    EXPECT_EQ(CyfryFont::numbersHeight(), 34);
}

TEST(DigitFont, DrawsOneCellPerDigitFromItsTopCentre)
{
    GuiFixture f;
    f.picture("gfx/cyfry.png", 330, 34);
    CyfryFont font = loadDigitFont();
    ASSERT_TRUE(font.loaded());
    EXPECT_EQ(font.strip.frames(), 11);
    const int before = f.drawCalls();
    font.drawNumbers(-1207, 100, 50);
    EXPECT_EQ(f.drawCalls() - before, 4);
    // The last digit, 7, is cell 7, drawn with its top-centre 16 + 18 + 18 pixels on.
    EXPECT_EQ(f.lastSprite().source.x, 7 * 30);
    EXPECT_FLOAT_EQ(f.lastSprite().x, 100 + 52 - 15);
    EXPECT_FLOAT_EQ(f.lastSprite().y, 50);
    font.drawDigits("2.", 0, 0);
    EXPECT_EQ(f.lastSprite().source.x, 10 * 30);
}

TEST(DigitFont, AMissingStripDrawsNothing)
{
    GuiFixture f;
    CyfryFont font = loadDigitFont();
    EXPECT_FALSE(font.loaded());
    const int before = f.drawCalls();
    font.drawNumbers(42, 0, 0);
    EXPECT_EQ(f.drawCalls(), before);
    EXPECT_TRUE(f.reported("gfx/cyfry.png"));
}
} // namespace
