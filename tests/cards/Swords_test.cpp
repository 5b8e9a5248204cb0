// The sword definitions read from data/swords.dat, the rack swords made from them, and the
// rack's ellipse.
#include "cards/Swords.hpp"

#include "cards/Cards.hpp"
#include "cards/TCardData.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::CardFixture;

std::vector<int> definedIds()
{
    std::vector<int> ids;
    for (const TSwordData& d : swordDefinitions())
        ids.push_back(d.id);
    return ids;
}

TEST(SwordDefinitions, AreReadInFileOrderEachWithItsIdentity)
{
    CardFixture f;
    f.reports.clear(); // the fixture's card pictures are not all there
    f.defineSwords({214, 202, 207});
    EXPECT_EQ(definedIds(), (std::vector<int>{214, 202, 207}));
    for (const TSwordData& d : swordDefinitions())
        EXPECT_EQ(d.cd, cardDataById(d.id));
    ASSERT_NE(swordDataByRank(14), nullptr);
    EXPECT_EQ(swordDataByRank(14)->id, 214);
    EXPECT_EQ(swordDataByRank(7), swordDataById(207));
    EXPECT_EQ(swordDataByRank(3), nullptr); // not defined
    EXPECT_EQ(swordDataById(203), nullptr);
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

TEST(SwordDefinitions, AnIdWithNoSwordCardOrDefinedTwiceIsReportedAndSkipped)
{
    CardFixture f;
    // 299 is no identity at all, 5 is a plain card, and 203 comes twice.
    f.defineSwords({203, 299, 5, 204, 203});
    EXPECT_EQ(definedIds(), (std::vector<int>{203, 204}));
    EXPECT_TRUE(f.reported({"data/swords.dat", "sword2", "299"})) << ::testing::PrintToString(f.reports);
    EXPECT_TRUE(f.reported({"data/swords.dat", "sword3", "5"})) << ::testing::PrintToString(f.reports);
    EXPECT_TRUE(f.reported({"data/swords.dat", "sword5", "203"})) << ::testing::PrintToString(f.reports);
    EXPECT_FALSE(f.reported({"sword1"}));
    EXPECT_FALSE(f.reported({"sword4"}));
}

TEST(SwordDefinitions, AMissingOrEmptyFileLeavesNoSwordsAndSaysSo)
{
    for (const char* text : std::initializer_list<const char*>{"", "swords {\n\ti = 0\n}\n", nullptr}) {
        CardFixture f;
        if (text)
            f.folder().write("data/swords.dat", text);
        // Definitions left from before go too.
        swordDefinitions().emplace_back().id = 202;
        loadSwords();
        EXPECT_TRUE(swordDefinitions().empty());
        EXPECT_TRUE(f.reported({"data/swords.dat"})) << ::testing::PrintToString(f.reports);
        f.reports.clear();
        EXPECT_FALSE(newSwordForCard(*cardDataById(205), 254));
        EXPECT_TRUE(f.reported({"NO dat! sword 205 has no definition in data/swords.dat"}))
            << ::testing::PrintToString(f.reports);
    }
}

TEST(RackSwords, AreMadeOnlyFromADefinition)
{
    CardFixture f;
    f.reports.clear();
    f.defineSwords({206, 213});

    std::optional<TSword> six = newSwordForCard(*cardDataById(206), 255.8f);
    ASSERT_TRUE(six);
    EXPECT_EQ(six->sd, swordDataById(206));
    EXPECT_FLOAT_EQ(six->dRot, 255.8f);
    EXPECT_FLOAT_EQ(six->s, 1);
    // Its position is worked out from where it lies now (180 degrees: far left on the ellipse).
    EXPECT_FLOAT_EQ(six->dim.x, 226);
    EXPECT_FLOAT_EQ(six->dim.y, 1034);

    std::optional<TSword> king = newSwordById(213);
    ASSERT_TRUE(king);
    EXPECT_EQ(king->sd->cd, cardDataById(213));
    EXPECT_FLOAT_EQ(king->dRot, 0);
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);

    EXPECT_FALSE(newSwordById(210));
    EXPECT_TRUE(f.reported({"NO dat! sword 210"}));
    // A plain card with no definition gets no sword either.
    EXPECT_FALSE(newSwordForCard(*cardDataById(6), 254));
    EXPECT_TRUE(f.reported({"NO dat! sword 6"}));
}

TEST(RackEllipse, PointsAreTruncatedToWholePixels)
{
    CardFixture f;
    f.defineSwords({202});
    const TSwordData& two = swordDefinitions().front();
    struct Case
    {
        float angle, x, y;
    };
    // 254 degrees: (920 - 191.29, 1034 - 282.61); rounding would give 729 for x.
    for (Case c : {Case{180, 226, 1034}, Case{254, 728, 751}, Case{0, 1614, 1034}}) {
        TDim d = two.getCardPosition(c.angle);
        EXPECT_FLOAT_EQ(d.x, c.x) << c.angle;
        EXPECT_FLOAT_EQ(d.y, c.y) << c.angle;
    }
}
} // namespace
