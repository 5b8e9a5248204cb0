// The awards on the game screen: a drive's awards when it ends (the lower ones given silently,
// one announcement), nothing for a drive whose awards are held, the perfect awards when the
// table is cleared, and nothing at all for a guest.
#include "screens/Awards.hpp"

#include "data/Language.hpp"
#include "screens/Frame.hpp"
#include "screens/TGiveAward.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TProfileManager.hpp"
#include "support/GameFixture.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
using testing_support::GameFixture;
using testing_support::TestCard;

// The identity of a rank (2..14, the ace 14) in a suit (1..4).
int identity(int rank, int suit)
{
    return (suit - 1) * 13 + (rank == 14 ? 1 : rank);
}

// A player (not a guest) on the game screen, with the ten awards defined; the announcement's
// frames move the clock as a fixed-step run does.
class GameAwards : public ::testing::Test
{
protected:
    GameAwards()
    {
        language = "en";
        std::string dat = "awards {\n\ti = 10\n";
        std::string texts;
        for (int id = 1; id <= 10; ++id) {
            dat += "\taw" + std::to_string(id) + " {\n\t\tid = " + std::to_string(id) + "\n\t\ttitle = "
                   + std::to_string(id) + "\n\t\tdescription = " + std::to_string(id + 10) + "\n\t}\n";
        }
        for (int line = 1; line <= 27; ++line)
            texts += (line == 27 ? std::string("Award earned!") : "text " + std::to_string(line)) + "\n";
        f.cards().folder().write("data/awards.dat", dat + "}\n");
        f.cards().folder().write("txt/en/awards.txt", texts);
        loadAwards();
        profile().guest = false;
        f.cards().program().clock().stepsWithFrames = true;
    }

    // Free cards far apart, a drive of `length` on a 2: 3, 4, ... K, A, 2, 3 ... turning to the
    // next suit after the ace; and a 5 of the third suit that stays, so the level goes on.
    TLevel& playDrive(int length)
    {
        std::vector<TestCard> table;
        int rank = 3;
        int suit = 1;
        for (int k = 0; k < length; ++k) {
            table.push_back({80.0f + 120 * static_cast<float>(k % 7),
                             150.0f + 170 * static_cast<float>(k / 7), identity(rank, suit)});
            if (rank == 14) {
                rank = 2;
                ++suit;
            } else {
                ++rank;
            }
        }
        table.push_back({80.0f + 120 * 6, 490, identity(5, 3)});
        TLevel& level = f.play(table, {identity(13, 4), identity(12, 4)}, {2});
        const std::vector<TestCard> run(table.begin(), table.end() - 1);
        for (const TestCard& c : run) {
            TCard* card = f.cardAt(c.x, c.y);
            EXPECT_TRUE(card) << c.x << " " << c.y;
            if (card)
                f.clickCard(*card);
            f.frames(2);
        }
        EXPECT_EQ(level.driveN, length);
        f.settle();
        return level;
    }

    // The frames the announcements ran (the game screen's own frames here end no frame).
    long long announcedFrames() const { return framesDone() - framesBefore_; }
    void startCounting() { framesBefore_ = framesDone(); }

    GameFixture f;

private:
    long long framesBefore_ = 0;
};

TEST_F(GameAwards, AFirstDriveOfTwentyGivesFourToSevenInOrderWithOneAnnouncement)
{
    TLevel& level = playDrive(20);
    EXPECT_TRUE(profile().awards.empty()) << "nothing before the drive ends";
    startCounting();
    f.clickDeck();
    f.frames(30);
    EXPECT_EQ(level.driveN, 0);
    EXPECT_EQ(awardIds(profile()), (std::vector<int>{4, 5, 6, 7}));
    // One announcement: 2000 ms shown (118 frames of the test's 17 ms) and a fade in and out;
    // a second would double it.
    EXPECT_GE(announcedFrames(), 138);
    EXPECT_LE(announcedFrames(), 142);
    EXPECT_EQ(giveAward().award.id, 7);
    EXPECT_EQ(giveAward().award.title, "text 7");
    EXPECT_EQ(f.game->state, GameState::Normal) << "play goes on";
}

TEST_F(GameAwards, ALaterDriveOfTwelveWithFourAndFiveHeldShowsNothing)
{
    profile().awards = {*findAward(4), *findAward(5)};
    playDrive(12);
    startCounting();
    f.clickDeck();
    f.frames(30);
    EXPECT_EQ(awardIds(profile()), (std::vector<int>{4, 5}));
    EXPECT_EQ(announcedFrames(), 0);
}

TEST_F(GameAwards, AGuestWinsNothing)
{
    profile().guest = true;
    playDrive(7);
    startCounting();
    f.clickDeck();
    f.frames(30);
    EXPECT_TRUE(profile().awards.empty());
    EXPECT_EQ(announcedFrames(), 0);
}

// A cleared table with `earlier` perfect levels on record before it, and award 8 held or not.
struct PerfectCase
{
    const char* name;
    int earlier;
    bool holds8;
    std::vector<int> expected;
    int announcements;
};

void PrintTo(const PerfectCase& c, std::ostream* os)
{
    *os << c.name;
}

class PerfectAwards : public GameAwards, public ::testing::WithParamInterface<PerfectCase>
{};

TEST_P(PerfectAwards, AreGivenWhenTheCelebrationEnds)
{
    const PerfectCase& c = GetParam();
    TProfile& p = profile();
    if (c.earlier > 0) {
        TStageData done;
        done.id = 2;
        for (int level = 1; level <= c.earlier; ++level)
            done.levels.push_back({level, 1, 0, 1, 0, 1000});
        p.stages.push_back(done);
    }
    if (c.holds8)
        p.awards = {*findAward(8)};
    TLevel& level = f.play({{300, 300, identity(3, 1)}}, {identity(13, 4)}, {2});
    f.clickCard(*level.cards.front());
    f.frames(600, [&] { return f.game->state == GameState::Perfect3; });
    ASSERT_EQ(f.game->state, GameState::Perfect3);
    EXPECT_EQ(awardIds(p), (c.holds8 ? std::vector<int>{8} : std::vector<int>{})) << "not before";
    startCounting();
    f.click(512, 384);
    EXPECT_EQ(f.game->state, GameState::End);
    EXPECT_EQ(awardIds(p), c.expected);
    EXPECT_GE(announcedFrames(), 138 * c.announcements);
    EXPECT_LE(announcedFrames(), 142 * c.announcements);
}

INSTANTIATE_TEST_SUITE_P(Cases, PerfectAwards,
                         ::testing::Values(PerfectCase{"first", 0, false, {8}, 1},
                                           PerfectCase{"tenth", 9, true, {8, 9}, 1},
                                           PerfectCase{"tenthWithoutTheFirst", 9, false, {8, 9}, 2},
                                           PerfectCase{"ninth", 8, true, {8}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
