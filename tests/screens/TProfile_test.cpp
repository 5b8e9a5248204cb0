// The player's sword rack as the profile keeps it, the undo allowance a level starts with, and
// what the profile brings to a deal.
#include "screens/TProfile.hpp"

#include "cards/Cards.hpp"
#include "cards/Swords.hpp"
#include "cards/TCardData.hpp"
#include "levels/TLevel.hpp"
#include "screens/TProfileManager.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::CardFixture;

// The player holds the swords of these ranks, in this order, not yet laid out.
TProfile& holding(const std::vector<int>& ranks)
{
    TProfile& p = profile();
    p.swords.clear();
    for (int rank : ranks)
        p.swords.push_back(*newSwordById(rank + 200));
    return p;
}

std::vector<int> rackRanks(const TProfile& p)
{
    std::vector<int> ranks;
    for (const TSword& s : p.swords)
        ranks.push_back(s.sd->cd->seqN);
    return ranks;
}

const TSword& swordOfRank(const TProfile& p, int rank)
{
    const TSword* s = p.getMySwordBySeqN(rank);
    EXPECT_NE(s, nullptr) << rank;
    return *s;
}

TEST(Rack, SwordsLieInRankOrderOneStepApart)
{
    CardFixture f;
    f.defineAllSwords();
    TProfile& p = holding({13, 3, 7});
    p.countSwordsPosition();
    EXPECT_EQ(rackRanks(p), (std::vector<int>{3, 7, 13}));
    EXPECT_FLOAT_EQ(swordOfRank(p, 3).dRot, 254);
    EXPECT_FLOAT_EQ(swordOfRank(p, 7).dRot, 255.8f);
    EXPECT_FLOAT_EQ(swordOfRank(p, 13).dRot, 257.6f);
    // They turn toward their places; nothing has moved yet.
    EXPECT_FLOAT_EQ(swordOfRank(p, 7).rot, 180);

    p.setupAllSwords();
    EXPECT_FLOAT_EQ(swordOfRank(p, 7).rot, 255.8f);
    // (920 - 170.24, 1034 - 285.02), in whole pixels.
    EXPECT_FLOAT_EQ(swordOfRank(p, 7).dim.x, 749);
    EXPECT_FLOAT_EQ(swordOfRank(p, 7).dim.y, 748);
}

TEST(Rack, ANewSwordPushesTheHigherRanksOneStepAtATenthOfADegreeAFrame)
{
    CardFixture f;
    f.defineAllSwords();
    TProfile& p = holding({3, 7, 13});
    p.setupAllSwords();
    const float at = p.getSwordRotTemporary(*cardDataById(205));
    EXPECT_FLOAT_EQ(at, 255.8f);
    p.addSwordToRack(*cardDataById(205), at);
    EXPECT_EQ(rackRanks(p), (std::vector<int>{3, 5, 7, 13}));
    EXPECT_FLOAT_EQ(swordOfRank(p, 5).rot, 255.8f);
    EXPECT_FLOAT_EQ(swordOfRank(p, 7).dRot, 257.6f);
    EXPECT_FLOAT_EQ(swordOfRank(p, 13).dRot, 259.4f);

    std::vector<int> framesToPlace(p.swords.size(), -1);
    for (int frame = 0; frame <= 30; ++frame) {
        for (std::size_t k = 0; k < p.swords.size(); ++k) {
            if (framesToPlace[k] < 0 && p.swords[k].rot == p.swords[k].dRot)
                framesToPlace[k] = frame;
        }
        for (TSword& s : p.swords)
            s.update(false, false);
    }
    EXPECT_EQ(framesToPlace, (std::vector<int>{0, 0, 18, 18}));
}

TEST(Rack, HoldsOneSwordARankAndKnowsWhatIsMissing)
{
    CardFixture f;
    f.defineAllSwords();
    TProfile& p = holding({3, 7, 13});
    p.addSwordToRack(*cardDataById(207), 254); // held already
    EXPECT_EQ(p.swords.size(), 3u);

    std::vector<int> missing;
    for (const TSwordData* d : p.getPotencialWildCards())
        missing.push_back(d->cd->seqN);
    EXPECT_EQ(missing, (std::vector<int>{2, 4, 5, 6, 8, 9, 10, 11, 12, 14}));

    EXPECT_EQ(p.getMySwordBySeqN(7)->sd->id, 207);
    EXPECT_EQ(p.getMySwordBySeqN(8), nullptr);
    EXPECT_EQ(p.getWildCardsString(), "3 7 K");

    EXPECT_TRUE(p.removeSwordById(207));
    EXPECT_FALSE(p.removeSwordById(207));
    EXPECT_FALSE(p.haveSwordBySeq(7));
    EXPECT_EQ(p.getWildCardsString(), "3 K");
}

TEST(Rack, AnglesComeFromTheProgramAsTheDeveloperKeysLeaveThem)
{
    CardFixture f;
    f.defineAllSwords();
    f.program().program().rackAngles = {260, 3};
    TProfile& p = holding({9, 4, 11});
    p.countSwordsPosition();
    EXPECT_FLOAT_EQ(swordOfRank(p, 11).dRot, 266);
    // The angle of a rank on the rack now, and of one that would join it.
    EXPECT_FLOAT_EQ(p.getSwordRot(*cardDataById(11)), 266);
    EXPECT_FLOAT_EQ(p.getSwordRot(*cardDataById(10)), 0);
    EXPECT_FLOAT_EQ(p.getSwordRotTemporary(*cardDataById(10)), 266);
    EXPECT_FLOAT_EQ(p.getSwordRotTemporary(*cardDataById(2)), 260);
}

TEST(Rack, ASwordLeavesForTheSpotFromTheFullySlidOutPoint)
{
    CardFixture f;
    f.defineAllSwords();
    f.program().program().rackAngles = {270, 1.8f};
    TProfile& p = holding({6});
    p.countSwordsPosition();
    std::optional<TDim> out = p.getSwordDim(*newSwordById(206));
    ASSERT_TRUE(out);
    EXPECT_FLOAT_EQ(out->y, 1034 - 424);
    EXPECT_FLOAT_EQ(out->w, 270);

    f.program().program().rackAngles = {180, 1.8f};
    p.countSwordsPosition();
    out = p.getSwordDim(p.swords.front());
    ASSERT_TRUE(out);
    EXPECT_FLOAT_EQ(out->x, 920 - 824);
    EXPECT_FLOAT_EQ(out->y, 1034);

    EXPECT_FALSE(p.getSwordDim(*newSwordById(207)));
}

TEST(Undos, ALevelStartsWithOneAndOneMoreForEachUndoItem)
{
    CardFixture f;
    struct Case
    {
        std::vector<std::string> items;
        int undos;
    };
    for (const Case& c : {Case{{}, 1}, Case{{"UNDO-1"}, 2}, Case{{"UNDO-2"}, 2},
                          Case{{"UNDO-1", "UNDO-2"}, 3}, Case{{"HINT", "UNDO-2", "DECK-CARDS"}, 2}}) {
        TProfile& p = profile();
        p.items.clear();
        for (const std::string& item : c.items)
            p.items.push_back({0, item});
        p.undos = 0;
        p.resetUndos();
        EXPECT_EQ(p.undos, c.undos) << ::testing::PrintToString(c.items);
    }
    // Starting the quest level gives the allowance afresh.
    profile().undos = 0;
    profile().loadMyLevel();
    EXPECT_EQ(profile().undos, 2);
}

// The flame aid starts every quest level with the multiplier at 1.5, and the rules take it so.
TEST(MultiStart, AQuestLevelStartsWithTheMultiplierAtOneAndAHalfOnlyWithTheAid)
{
    CardFixture f;
    f.folder().write(TProfile::levelPath(1, 1),
                     "level {\n\tdeck {\n\t\ti = 1\n\t\tdeckCard1 = 5\n\t}\n"
                     "\tcards {\n\t\ti = 1\n\t\tcard1 {\n\t\t\tid = 4\n\t\t\tdim = 300, 330\n\t\t}\n\t}\n"
                     "\tspot {\n\t\ti = 1\n\t\tspotCard1 = 9\n\t}\n}\n");
    struct Case
    {
        std::vector<std::string> items;
        int tenths;
    };
    for (const Case& c : {Case{{}, 10}, Case{{"MULTI-START"}, 15}, Case{{"HINT", "UNDO-1"}, 10}}) {
        TProfile& p = profile();
        p.tryb = "QUEST";
        p.stageID = 1;
        p.levelID = 1;
        p.items.clear();
        for (const std::string& item : c.items)
            p.items.push_back({0, item});
        p.loadMyLevel();
        ASSERT_TRUE(p.questLevel);
        EXPECT_EQ(p.layoutFor(*p.questLevel).multiplierTenths, c.tenths) << ::testing::PrintToString(c.items);
    }
}

TEST(Deal, TheFillerMayDrawFromEveryResourceTypeLoaded)
{
    CardFixture f;
    EXPECT_EQ(profile().dealOptions().resourceTypes, 0);
    f.defineResourceTypes(4);
    EXPECT_EQ(profile().dealOptions().resourceTypes, 4);
}
} // namespace
