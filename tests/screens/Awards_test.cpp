// Awards: the rule of each award at its moment (thresholds, awards held, the stage's own last
// level), the lower drive awards given silently along with a higher one, the definitions read
// from a damaged file, and the announcement closing by itself and at a click.
#include "screens/Awards.hpp"

#include "data/Language.hpp"
#include "screens/Frame.hpp"
#include "screens/TGiveAward.hpp"
#include "screens/TProfile.hpp"
#include "support/CardFixture.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
using testing_support::CardFixture;
using testing_support::DialogFixture;

enum class Moment
{
    DriveEnd,
    Perfect,
    LevelEnd
};

struct CheckCase
{
    std::string name;
    Moment moment;
    std::vector<int> owned;
    int figure = 0;    // the drive's length, or the perfect levels on record
    StageEnd end = {}; // at the summary
    std::vector<AwardStep> expected;
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c)
{
    return out << c.name;
}

// Stage `stage` of a quest of eight stages, level `level` of ten, the goals met or not.
StageEnd at(int stage, int level, bool met, int stageLevels = 10, int stages = 8)
{
    return {.stage = stage, .level = level, .stageLevels = stageLevels, .stages = stages, .allGoalsMet = met};
}

constexpr AwardStep shown(int id)
{
    return {id, true};
}
constexpr AwardStep silent(int id)
{
    return {id, false};
}

const std::vector<CheckCase> checkCases = {
    // Drives: each threshold just below, at and above.
    {"drive5", Moment::DriveEnd, {}, 5, {}, {}},
    {"drive6", Moment::DriveEnd, {}, 6, {}, {shown(4)}},
    {"drive7", Moment::DriveEnd, {}, 7, {}, {shown(4)}},
    {"drive9", Moment::DriveEnd, {}, 9, {}, {shown(4)}},
    {"drive10", Moment::DriveEnd, {}, 10, {}, {silent(4), shown(5)}},
    {"drive11", Moment::DriveEnd, {}, 11, {}, {silent(4), shown(5)}},
    {"drive14", Moment::DriveEnd, {}, 14, {}, {silent(4), shown(5)}},
    {"drive15", Moment::DriveEnd, {}, 15, {}, {silent(4), silent(5), shown(6)}},
    {"drive16", Moment::DriveEnd, {}, 16, {}, {silent(4), silent(5), shown(6)}},
    {"drive19", Moment::DriveEnd, {}, 19, {}, {silent(4), silent(5), shown(6)}},
    {"drive20First", Moment::DriveEnd, {}, 20, {}, {silent(4), silent(5), silent(6), shown(7)}},
    {"drive21", Moment::DriveEnd, {}, 21, {}, {silent(4), silent(5), silent(6), shown(7)}},
    // Held already: nothing twice, and only what is missing below a new one.
    {"drive12Holding4And5", Moment::DriveEnd, {4, 5}, 12, {}, {}},
    {"drive6Holding4", Moment::DriveEnd, {4}, 6, {}, {}},
    {"drive20Holding5", Moment::DriveEnd, {5}, 20, {}, {silent(4), silent(6), shown(7)}},
    {"drive20HoldingAll", Moment::DriveEnd, {7, 6, 5, 4}, 20, {}, {}},
    {"drive15Holding6Only", Moment::DriveEnd, {6}, 15, {}, {silent(4), shown(5)}},
    // Perfect levels on record.
    {"perfect0", Moment::Perfect, {}, 0, {}, {}},
    {"perfect1", Moment::Perfect, {}, 1, {}, {shown(8)}},
    {"perfect9", Moment::Perfect, {8}, 9, {}, {}},
    {"perfect10", Moment::Perfect, {8}, 10, {}, {shown(9)}},
    {"perfect10Fresh", Moment::Perfect, {}, 10, {}, {shown(8), shown(9)}},
    {"perfect29", Moment::Perfect, {8, 9}, 29, {}, {}},
    {"perfect30", Moment::Perfect, {8, 9}, 30, {}, {shown(10)}},
    {"perfect31Holding10", Moment::Perfect, {8, 9, 10}, 31, {}, {}},
    // The stages: the last level with every goal met, an unmet goal, another level.
    {"stage1Last", Moment::LevelEnd, {}, 0, at(1, 10, true), {shown(1)}},
    {"stage1LastGoalUnmet", Moment::LevelEnd, {}, 0, at(1, 10, false), {}},
    {"stage1Level9", Moment::LevelEnd, {}, 0, at(1, 9, true), {}},
    {"stage1LastHeld", Moment::LevelEnd, {1}, 0, at(1, 10, true), {}},
    {"stage2Last", Moment::LevelEnd, {}, 0, at(2, 10, true), {}},
    {"stage7Last", Moment::LevelEnd, {}, 0, at(7, 10, true), {shown(2)}},
    {"stage7LastGoalUnmet", Moment::LevelEnd, {}, 0, at(7, 10, false), {}},
    {"stage8Last", Moment::LevelEnd, {}, 0, at(8, 10, true), {shown(3)}},
    {"stage8Level9", Moment::LevelEnd, {}, 0, at(8, 9, true), {}},
    // A stage of fewer levels ends at its own last level, not at a tenth it does not have.
    {"stage1OfSixLevels", Moment::LevelEnd, {}, 0, at(1, 6, true, 6), {shown(1)}},
    {"stage8OfSevenLevels", Moment::LevelEnd, {}, 0, at(8, 7, true, 7), {shown(3)}},
    // A quest of one stage: its last stage is its first.
    {"onlyStage", Moment::LevelEnd, {}, 0, at(1, 10, true, 10, 1), {shown(1), shown(3)}},
    {"sevenStages", Moment::LevelEnd, {2}, 0, at(7, 10, true, 10, 7), {shown(3)}},
};

class AwardChecks : public ::testing::TestWithParam<CheckCase>
{};

TEST_P(AwardChecks, GiveWhatIsDueInOrder)
{
    const CheckCase& c = GetParam();
    std::vector<AwardStep> steps;
    switch (c.moment) {
    case Moment::DriveEnd: steps = driveEndAwards(c.owned, c.figure); break;
    case Moment::Perfect: steps = perfectAwards(c.owned, c.figure); break;
    case Moment::LevelEnd: steps = levelEndAwards(c.owned, c.end); break;
    }
    ASSERT_EQ(steps.size(), c.expected.size());
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_EQ(steps[k].id, c.expected[k].id) << k;
        EXPECT_EQ(steps[k].announced, c.expected[k].announced) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, AwardChecks, ::testing::ValuesIn(checkCases),
                         [](const auto& info) { return info.param.name; });

// A content folder's awards: data/awards.dat and its text table.
void writeAwards(const CardFixture& f, const std::string& dat, int textLines)
{
    language = "en";
    std::string texts;
    for (int k = 1; k <= textLines; ++k)
        texts += "line " + std::to_string(k) + "\n";
    f.folder().write("txt/en/awards.txt", texts);
    f.folder().write("data/awards.dat", dat);
}

std::string entry(int n, int id, int title, int description)
{
    return "\taw" + std::to_string(n) + " {\n\t\tid = " + std::to_string(id) + "\n\t\ttitle = "
           + std::to_string(title) + "\n\t\tdescription = " + std::to_string(description) + "\n\t}\n";
}

TEST(AwardDefinitions, BadEntriesAreNamedWithTheFileAndSkipped)
{
    CardFixture f;
    const std::string dat = "awards {\n\ti = 7\n" + entry(1, 4, 4, 14) + entry(2, 0, 1, 11)
                            + entry(3, 11, 1, 11) + entry(4, 4, 5, 15) + entry(5, 7, 7, 40)
                            + entry(6, 8, 0, 18) + entry(7, 1, 1, 11) + "}\n";
    writeAwards(f, dat, 27);
    f.reports.clear();
    loadAwards();
    ASSERT_EQ(awardDefinitions().size(), 2u);
    EXPECT_EQ(awardDefinitions()[0], (TAward{4, "line 4", "line 14"}));
    EXPECT_EQ(awardDefinitions()[1], (TAward{1, "line 1", "line 11"}));
    EXPECT_TRUE(f.reported({"data/awards.dat", "aw2", "0"}));
    EXPECT_TRUE(f.reported({"data/awards.dat", "aw3", "11"}));
    EXPECT_TRUE(f.reported({"data/awards.dat", "aw4", "again"}));
    EXPECT_TRUE(f.reported({"data/awards.dat", "aw5", "40"}));
    EXPECT_TRUE(f.reported({"data/awards.dat", "aw6", "0"}));
    EXPECT_EQ(f.reports.size(), 5u);
    EXPECT_EQ(findAward(4)->title, "line 4");
    EXPECT_EQ(findAward(7), nullptr);
}

TEST(AwardDefinitions, AMissingFileIsSaidAndNothingCanBeWon)
{
    CardFixture f;
    language = "en";
    f.reports.clear();
    loadAwards();
    EXPECT_TRUE(awardDefinitions().empty());
    EXPECT_TRUE(f.reported({"data/awards.dat"}));
    TProfile p;
    EXPECT_FALSE(giveAward2(p, 4));
    EXPECT_TRUE(p.awards.empty());
}

TEST(AwardDefinitions, AnAwardIsGivenOnceAndOnlyWhenDefined)
{
    CardFixture f;
    writeAwards(f, "awards {\n\ti = 2\n" + entry(1, 4, 4, 14) + entry(2, 5, 5, 15) + "}\n", 27);
    loadAwards();
    TProfile p;
    EXPECT_TRUE(giveAward2(p, 5));
    EXPECT_FALSE(giveAward2(p, 5));
    EXPECT_FALSE(giveAward2(p, 6)); // not defined
    EXPECT_TRUE(giveAward2(p, 4));
    EXPECT_EQ(awardIds(p), (std::vector<int>{5, 4}));
    EXPECT_EQ(haveAward(p, 4), 1);
    EXPECT_EQ(haveAward(p, 6), 0);
}

// --- the announcement, in the game's run folder

TEST(GiveAward, ClosesByItselfTwoSecondsAfterItBegan)
{
    DialogFixture f;
    TGiveAward& screen = giveAward();
    EXPECT_EQ(screen.txtInfo, "Award earned!");
    const long long start = framesDone();
    screen.mainLoop(TAward{7, "Title", "Description"}, nullptr);
    const long long frames = framesDone() - start;
    // The test's clock moves 17 ms a frame, so 2000 ms have passed after 118 frames (120 at the
    // game's 1000/60); then it fades out in 20.
    EXPECT_GE(frames, 118 + 20);
    EXPECT_LE(frames, 118 + 20 + 3);
    EXPECT_EQ(screen.alpha, 0);
}

TEST(GiveAward, ClosesAtAClick)
{
    DialogFixture f;
    TGiveAward& screen = giveAward();
    f.script({{30, "click left 512 384"}});
    const long long start = framesDone();
    screen.mainLoop(TAward{4, "Title", "Description"}, nullptr);
    const long long frames = framesDone() - start;
    EXPECT_GE(frames, 30 + 19);
    EXPECT_LE(frames, 30 + 22);
}
} // namespace
