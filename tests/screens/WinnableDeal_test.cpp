// The dealer of "winnable deals only": the deal it keeps is one the solver clears, each try is
// dealt from a seed of its own that deals the same level again, and it stops within its limits
// on a level no deal clears.
#include "screens/WinnableDeal.hpp"

#include "cards/Cards.hpp"
#include "cards/TCardData.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"
#include "screens/TOptions.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "support/RunFolder.hpp"
#include "support/TempFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <set>

namespace
{
class WinnableDeal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        here = std::make_unique<testing_support::InFolder>(testing_support::runDir);
        program.program().profileManager = std::make_unique<TProfileManager>();
        program.program().profileManager->useGuestProfile();
        loadCards();
    }
    // Deals `path` afresh from the random numbers as they stand.
    static std::function<std::shared_ptr<TLevel>()> dealer(const std::string& path)
    {
        return [path]() -> std::shared_ptr<TLevel> { return loadLevelFile(path, 1, 1, 1, DealOptions{}); };
    }
    static rules::Layout layout(const TLevel& level) { return layoutOf(level); }
    static rules::SolveResult solved(const TLevel& level)
    {
        return rules::solve(rules::dealtForPlay(layoutOf(level)));
    }
    static std::vector<int> order(const TLevel& level)
    {
        std::vector<int> ids;
        for (const auto& card : level.cards)
            ids.push_back(card->cd->id);
        for (const TCardData* card : level.deck)
            ids.push_back(card->id);
        return ids;
    }

    testing_support::TestProgram program;
    std::unique_ptr<testing_support::InFolder> here;
    testing_support::TempFolder folder;
};

// Stage 8 level 4: fewer than half of its deals can be cleared.
const std::string hardLevel = "data/levels/stage-08/level-04.lvl";

TEST_F(WinnableDeal, KeepsADealTheSolverClearsAndItsSeedDealsItAgain)
{
    int keptOnALaterTry = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        media::random().seed(seed);
        const ChosenDeal chosen = dealWinnable(dealer(hardLevel), layout);
        ASSERT_TRUE(chosen.level);
        if (chosen.verdict != rules::Verdict::Yes)
            continue; // every try unclearable: possible, and checked below
        EXPECT_EQ(solved(*chosen.level).winnable, rules::Verdict::Yes) << seed;
        EXPECT_EQ(chosen.cardsLeftMin, 0);
        keptOnALaterTry += chosen.tries > 1 ? 1 : 0;
        media::random().seed(chosen.seed);
        EXPECT_EQ(order(*dealer(hardLevel)()), order(*chosen.level)) << seed;
    }
    // Most first deals of this level cannot be cleared, so the dealer had to deal again.
    EXPECT_GE(keptOnALaterTry, 4);
}

TEST_F(WinnableDeal, GivesUpWithinItsTriesOnALevelNoDealClears)
{
    // One card under rocks, and no hammer: never cleared.
    const std::string path =
        folder.write("rocks.lvl", "level {\n"
                                  "\tdeck {\n\t\ti = 3\n\t\tdeckCard1 = 5\n"
                                  "\t\tdeckCard2 = 17\n\t\tdeckCard3 = 30\n\t}\n"
                                  "\tcards {\n\t\ti = 2\n"
                                  "\t\tcard1 {\n\t\t\tid = 4\n\t\t\tdim = 300, 330\n"
                                  "\t\t\tutrudnienie1 = 1\n\t\t}\n"
                                  "\t\tcard2 {\n\t\t\tid = 9\n\t\t\tdim = 600, 330\n\t\t}\n"
                                  "\t}\n"
                                  "}\n");
    media::random().seed(3);
    int deals = 0;
    std::set<std::vector<int>> seen;
    auto counting = [&]() -> std::shared_ptr<TLevel> {
        ++deals;
        auto level = dealer(path)();
        seen.insert(order(*level));
        return level;
    };
    DealTries limits;
    limits.tries = 5;
    const ChosenDeal chosen = dealWinnable(counting, layout, limits);
    ASSERT_TRUE(chosen.level);
    EXPECT_EQ(deals, 5);
    EXPECT_EQ(chosen.tries, 5);
    EXPECT_EQ(chosen.verdict, rules::Verdict::No);
    EXPECT_GE(chosen.cardsLeftMin, 1);
    EXPECT_GT(seen.size(), 1u) << "every try dealt the same";
}

TEST_F(WinnableDeal, StopsWhenThePositionsAllowedAreSpent)
{
    media::random().seed(5);
    int deals = 0;
    auto counting = [&]() -> std::shared_ptr<TLevel> {
        ++deals;
        return dealer(hardLevel)();
    };
    DealTries limits;
    limits.nodesPerTry = 10;
    limits.nodesInAll = 25;
    const ChosenDeal chosen = dealWinnable(counting, layout, limits);
    ASSERT_TRUE(chosen.level);
    // 10 + 10 + 5 positions in three tries, then a fourth deal finds nothing left to spend.
    EXPECT_LE(deals, 4);
    EXPECT_EQ(chosen.verdict, rules::Verdict::Unknown);
}

TEST_F(WinnableDeal, TheQuestDealsOnlyClearableLevelsWhenThePlayerAsks)
{
    program.program().options = std::make_unique<TOptions>();
    TProfile& p = profile();
    p.stageID = 8;
    p.levelID = 4;
    auto clearedOf = [&](int onlyWinnable) {
        program.program().options->onlyWinnableDeals = onlyWinnable;
        int cleared = 0;
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            media::random().seed(seed);
            p.loadMyLevel();
            EXPECT_TRUE(p.questLevel);
            if (p.questLevel
                && rules::solve(rules::dealtForPlay(p.layoutFor(*p.questLevel))).winnable
                       == rules::Verdict::Yes)
                ++cleared;
        }
        return cleared;
    };
    EXPECT_LT(clearedOf(0), 8); // the level as dealt: not every time
    EXPECT_EQ(clearedOf(1), 8);
}

TEST_F(WinnableDeal, AnUnreadableLevelIsDealtOnceAndNotKept)
{
    int deals = 0;
    auto counting = [&]() -> std::shared_ptr<TLevel> {
        ++deals;
        return dealer(folder / "missing.lvl")();
    };
    const ChosenDeal chosen = dealWinnable(counting, layout);
    EXPECT_EQ(deals, 1);
    EXPECT_FALSE(chosen.level && !chosen.level->cards.empty());
}
} // namespace
