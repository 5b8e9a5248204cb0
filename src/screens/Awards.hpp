// Awards.hpp: the awards a player can win: their definitions, the rule of each, and the giving
// of them, announced or silently, at the moments of play that test them.
//
// The ids are fixed: 1, 2 and 3 for the first, the seventh and the last stage cleared with
// every goal met; 4 to 7 for drives of 6, 10, 15 and 20 cards; 8 to 10 for 1, 10 and 30 tables
// cleared of every card.
#pragma once

#include "screens/TAward.hpp"

#include <vector>

class TEkran;
class TProfile;

// Where a quest level has just ended, as the stage awards see it.
struct StageEnd
{
    int stage = 0;            // the stage of the level
    int level = 0;            // the level of that stage
    int stageLevels = 0;      // how many levels the stage has: its last level
    int stages = 0;           // how many stages the quest has: the last stage
    bool allGoalsMet = false; // every goal of the stage is reached
};

// One award given, in the order given: announced, or silently along with a higher one.
struct AwardStep
{
    int id = 0;
    bool announced = false;
    bool operator==(const AwardStep&) const = default;
};

// --- the definitions
// The definitions read from data/awards.dat, in file order (the program's list, empty until
// loadAwards).
std::vector<TAward>& awardDefinitions();
// Reads data/awards.dat with the titles and descriptions from its text table. An entry whose id
// is no award of the game (1 to 10) or is defined already, or whose text lines the table lacks,
// is reported naming the file and skipped.
void loadAwards();
// The definition with that id, or none.
const TAward* findAward(int id);

// --- the rules, each a plain test of what it looks at
bool check_apprentice(const StageEnd& end);
bool check_journeyman(const StageEnd& end);
bool check_master(const StageEnd& end);
bool check_easyCombo(int driveLength);
bool check_superCombo(int driveLength);
bool check_MegaCombo(int driveLength);
bool check_outstandingCombo(int driveLength);
bool check_perfect1(int perfectLevels);
bool check_perfect2(int perfectLevels);
bool check_perfect3(int perfectLevels);

// --- what is due, for a player holding the awards `owned` (ids). An award held is never due;
// a drive award met gives the lower drive awards silently first, so one drive announces only
// its highest new award.
// When a drive of `length` ends: the checks 7, 6, 5, 4.
std::vector<AwardStep> driveEndAwards(const std::vector<int>& owned, int length);
// When a table is cleared of every card, with `perfectLevels` such levels on record: 8, 9, 10.
std::vector<AwardStep> perfectAwards(const std::vector<int>& owned, int perfectLevels);
// When the summary of a quest level has come in: 1, 2, 3.
std::vector<AwardStep> levelEndAwards(const std::vector<int>& owned, const StageEnd& end);

// --- the player's awards
// The ids of the awards the player holds, in the order won.
std::vector<int> awardIds(const TProfile& player);
int haveAward(const TProfile& player, int id);
// The award joins the player's awards, unless held already or not defined; one line on
// standard output says so ("award <id> <title>"). True when it joined.
bool giveAward2(TProfile& player, int id);
// The current player (not a guest) is given the steps in order, the announced ones each shown
// over `background` until it closes.
void giveAwards(const std::vector<AwardStep>& steps, TEkran* background);
