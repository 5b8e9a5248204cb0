// TProfile.hpp: everything the game remembers about one player.
#pragma once

#include "cards/TSword.hpp"
#include "gui/TDim.hpp"
#include "levels/DealOptions.hpp"
#include "rules/Layout.hpp"
#include "screens/TAward.hpp"
#include "screens/TShopItem.hpp"
#include "screens/TStageData.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCardData;
class TLevel;
class TSwordData;

// What a finished (or left) level tells the player's record of the quest.
struct LevelOutcome
{
    int score = 0;
    int cardsLeft = 0;    // table cards still there
    float multiplier = 1; // the drive multiplier it ended with
    int longestDrive = 0; // the level's longest drive
};

class TProfile
{
public:
    // The folder name of a player: each character of the name in upper case as its decimal
    // character code followed by "-" ("ANNA" gives "65-78-78-65-"); "" for an empty name.
    static std::string idOf(const std::string& name);
    std::string getMyID() const { return idOf(name); }
    // Writes the profile, and its level in progress when there is one, into its folder (made
    // when missing); false, with a console line, when it cannot.
    bool save() const;
    // 1 when a quest level is in progress.
    int canResumeQuest() const { return questLevel ? 1 : 0; }

    // The item whose power is exactly `pwrID`, or none.
    const TShopItem* getMyItem(const std::string& pwrID) const;
    // Whether a sword of that rank, or of that identity, is on the rack.
    bool haveSwordBySeq(int rank) const;
    bool haveSword(int id) const;
    // The rack sword of that rank, or none.
    TSword* getMySwordBySeqN(int rank);
    const TSword* getMySwordBySeqN(int rank) const;
    // The definitions of every rank 2..14 not on the rack, in rank order.
    std::vector<const TSwordData*> getPotencialWildCards() const;
    // The rack in rank order, the lowest first.
    void sortSwords();
    // Sorts the rack and gives every sword the angle of its place; the swords turn toward it.
    void countSwordsPosition();
    // The same, every sword put in its place at once.
    void countSwordsPosition2();
    // The rack laid out at once, as when a player's swords are first shown.
    void setupAllSwords();
    // The angle of the place of the identity's rank on the rack as it is, sorted; 0 when no
    // sword of that rank is there.
    float getSwordRot(const TCardData& identity) const;
    // The rack angle a sword of this identity would take if it joined the rack now.
    float getSwordRotTemporary(const TCardData& identity) const;
    // Where the sword (matched by its identity) leaves the rack for the spot once fully slid
    // out, with its rack angle in `w`; none when it is not on the rack.
    std::optional<TDim> getSwordDim(const TSword& sword) const;
    // The card names of the rack swords, in rack order, joined by single spaces.
    std::string getWildCardsString() const;
    // The sword of that identity leaves the rack; false when it was not there.
    bool removeSwordById(int id);
    // 7 with the "MAX-MULTI-7" aid, else 5.
    float getMaxDriveMultiplier() const { return getMyItem("MAX-MULTI-7") ? 7.0f : 5.0f; }
    // The sword of that identity joins the rack at angle `rot`, unless a sword of that identity
    // or rank is there already; the rack then turns to make room for it.
    void addSwordToRack(const TCardData& identity, float rot);
    // A magic card found in play joins the collection (once).
    void addMagicCard(TCardData* card);
    // A magic card seen but not found waits for a later level (once).
    void addAwaitingMagicCard(TCardData* card);
    // Records a finished (or left) level: in the quest, its level record (made when missing)
    // takes the score, cards left, multiplier and longest drive, and is passed; the stage's
    // summary and the all-time bests follow. Nothing is recorded in free play.
    void UPDATE_levelAndStage(const LevelOutcome& outcome);
    // The play-log values of one level start again.
    void resetLog();
    // The stage record with that id, or none; the one of the current stage; its total score.
    TStageData* getStageData(int id);
    const TStageData* getStageData(int id) const;
    TStageData* getActStage() { return getStageData(stageID); }
    int getActStageScores() const;
    // Removes every record of that stage.
    void eraseStageData(int id);
    // The level records, over all stages, finished with no cards left.
    int countPerfects() const;
    // Whether a magic card with that id has been found.
    int haveMagic(int id) const { return getMagicCard(id) ? 1 : 0; }
    // Every magic card marked not found, then those of the collection found.
    void setupAllMagicCards() const;
    // The owned item with that id, or none; the power identifiers of the owned items.
    const TShopItem* getMyItem2(int id) const;
    std::string getShopItemsString() const;

    // What this player brings to a deal: the quest position, the aids, the swords held and the
    // magic cards found, waiting or still to find.
    DealOptions dealOptions() const;
    // The level as the rules will play it for this player: with the aids that change the
    // figures and the swords held on the rack.
    rules::Layout layoutFor(const TLevel& level) const;
    // The quest's second level teaches playing a card first: the deck waits while one can be.
    bool deckWaitsForPlayableCards() const;
    // The undo allowance of a level starting: 1, and 1 more for each of "UNDO-1" and "UNDO-2".
    void resetUndos();
    // The level of the quest position, dealt afresh with a new undo allowance, its multiplier
    // starting at 1.5 with "MULTI-START" (the flow hands it to the game screen).
    void loadMyLevel();
    // On to the next level of the quest; the screen that comes next: "MAIN-GAME" for the next
    // level of the stage, "MAPA" for the first of the next stage, "END-STORY" when the last
    // stage is done (the quest starts over).
    std::string getNextLevel();
    // The quest starts over: the first level of the first stage, nothing held, nothing found,
    // every lesson to be shown again. The name, the all-time bests, the multiplier, the mode
    // and the place the quest was left stay.
    void QUEST_startNew();
    // A level for free play: a stage the player has reached and one of its levels at random,
    // remembered as freeStageNumber/freeLevelNumber; dealt without magic cards or swords.
    std::shared_ptr<TLevel> getRandomLevel();
    // The free-play level remembered, dealt afresh (a restart in free play).
    std::shared_ptr<TLevel> getFreePlayLevel() const;
    // A fresh deal of the level file; with "winnable deals only" set, the dealer deals again
    // until the solver clears the deal (see WinnableDeal.hpp).
    std::shared_ptr<TLevel> dealLevel(const std::string& path, int magic, int swords,
                                      const DealOptions& options) const;
    // Where the level of a quest position is kept: the stage's own level file.
    static std::string levelPath(int stage, int level);
    // The owned magic card with that id, or none.
    TCardData* getMagicCard(int id) const;
    // Every magic card not owned yet, in list order, and one of them at random (or none).
    std::vector<TCardData*> getAvailableMagicCards() const;
    TCardData* getAvailableRandomMagicCard() const;
    // The running level number: stage 1 level 1 is 1, stage 2 level 3 is 13.
    int countLevelN() const { return stageID * 10 + levelID - 10; }
    // The first three quest levels show play hints.
    int hintLevel() const { return (tryb == "QUEST" && stageID <= 1 && levelID < 4) ? 1 : 0; }

    std::string name;
    // Kept in memory only, for a level or a GUI file played on its own: it wins no awards.
    bool guest = false;
    std::shared_ptr<TLevel> questLevel; // the quest level in progress (shared with the game screen)
    int stageID = 1;
    int levelID = 1;
    int freeLevelNumber = 0;
    int freeStageNumber = 0;
    std::vector<TStageData> stages; // one record per stage played
    std::vector<TSword> swords;
    std::vector<TShopItem> items;
    std::vector<TAward> awards;
    std::vector<TCardData*> magicCards;         // found (owned by the card lists)
    std::vector<TCardData*> awaitingMagicCards; // earned, not yet found in a level
    std::vector<TCardData*> stageCards;         // the magic cards found when this stage began
    std::string where;                          // the screen the quest was left at
    int longestDrive = 0;
    float multiplier = 1;
    int score = 0;
    int cardsLightUp = 1;
    int foundMagicCardsN = 0;
    std::string tryb = "QUEST";
    int time = 0;  // seconds of play in the current level
    int undos = 0; // undo steps left in the current level
    // All-time bests: a level's score, a drive, a level's multiplier.
    double ALL_SCORES = 0;
    double ALL_LONGEST_DRIVE = 0;
    double ALL_HIGHEST_MULTIPLIER = 0;
    // The tutorial lessons not yet shown in this quest, by their ids, in the order they are
    // tested.
    std::vector<std::string> lekcjeTutoriala;
    int lastLevelScore = 0; // the score the last level recorded
    // The current level's values for the play log.
    int logCardsLeft = 0;
    std::string logPlayTime = "0:00";
    int logMagicCardsPicked = 0;
    int logScores = 0;
    int logLongestDrive = 0;
    int logDeckCardsLeft = 0;
    float logMultiplier = 0;
    std::string logWaterTime = "0";
    std::string logRocksTime = "0";
};
