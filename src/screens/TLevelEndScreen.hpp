// TLevelEndScreen.hpp: the summary panel over the game screen when a level has ended. It works
// out the level's total (table score, the bonus for cards left, the "KASA+5" share, times the
// multiplier), records it and credits it, shows it with the stage's figures, and in the quest
// the stage's levels with a tick for each one cleared and the stage's goals. When the last level
// of a stage ends with a goal not reached, the stage is lost and must be played again. It also
// answers the game screen's questions about the goals during play.
#pragma once

#include "base/Owned.hpp"
#include "data/TTxtFile.hpp"
#include "media/Picture.hpp"
#include "screens/TEkran.hpp"
#include "screens/TObjectiveText.hpp"

#include <array>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TMagicCardsScreen;
class TMainGame;
class TObjectivesDone;
class TStage;
class TStageData;
struct TObjective;

// A level's total, as the summary works it out.
struct LevelTotal
{
    int additional = 0; // the bonus for cards left
    int bonusScore = 0; // the "KASA+5" share
    int totalScore = 0; // what the level records and credits
};

class TLevelEndScreen : public TEkran
{
public:
    TLevelEndScreen();

    // --- the arithmetic and the goals, without a screen
    // The bonus for n table cards left: 1000, 500, 250, 100, 50 for 0 to 4, nothing for more.
    static int bonusForCardsLeft(int n);
    // int((scores + bonus + share) x multiplier), the multiplier in tenths; with "KASA+5" the
    // share is 5 % of the score and bonus, rounded down.
    static LevelTotal countLevelTotal(int scores, int cardsLeft, int multiplierTenths, bool cashBonus);
    // The sum of the stage's level scores (0 without a record).
    static int countScores(const TStageData* stage);
    // A goal tested when a level ends, against the stage's level records.
    static bool metAtLevelEnd(const TObjective& objective, const TStageData* stage);
    // The same tested during play: the level's score counts toward the stage's, and the level's
    // longest drive once its drive has ended.
    static bool metDuringPlay(const TObjective& objective, const TStageData* stage, int levelScore,
                              int levelLongestDrive, int driveN);
    // The goal's line: the description of its kind with the number in it.
    std::string objectiveText(const TObjective& objective) const;

    // --- the screen
    void setup() override;
    void update() override;
    void draw() override;
    void updateMovingParts() override;
    // Runs the summary over the game screen until the player goes on: "LOSE-STAGE" when the
    // stage is lost, otherwise "".
    std::string mainLoop(TMainGame& game);
    void prepare(TMainGame& game);
    // Works out, records and credits the level's total; `finished` is 0 when the player leaves
    // the level for the title screen. A level left and taken up again credits only what its
    // total has grown by since, so its coins are never counted twice.
    void _prepareStats(TMainGame& game, int finished);
    void _prepareObjectives();
    void _prepareGuiStats(const TMainGame& game);
    void _prepareButtonsCheck(const TMainGame& game);
    // Goals first reached by this level's end, not yet announced during play, are announced
    // one by one over the game screen before the summary shows.
    void _prepareCheck(TMainGame& game);
    // "go": the screen closes; in the quest, the last level of a stage with a goal not
    // reached loses the stage.
    void goNext();
    // "shop": the shop opens over the summary; the coins shown follow what was bought or sold.
    void openShop();
    // The last level of the stage has ended and not every goal is reached.
    bool stageLost() const;
    // The stage must be played again: the magic cards found in it are taken back.
    void loseStage();

    // --- the goals for the game screen
    // The current stage's goals, one flag each: 1 when already reached by the test during play.
    std::vector<int> getObjectivesTab(const TMainGame& game);
    // The test during play of goal i (0 outside the list).
    int objectiveAchieved(const TMainGame& game, int i) const;
    // The same for a long-drive goal only, asked every half second of quest play; 0 for others.
    int objectiveAchieved1(const TMainGame& game, int i) const;
    // The test at the level's end of goal i.
    int objectiveAchieved2(int i) const;
    // 1 when every goal line is reached (no goals: 1).
    int checkAllObjectives() const;
    // The stage's goal lines, one per goal in the stage's order, reached as the game screen
    // has flagged them so far.
    std::vector<TObjectiveText> createObjectivesList(const TMainGame& game) const;

    // The screens shown over the game and the summary: the announcement of a goal reached and
    // the collection of magic cards (each made and set up when first asked for).
    TObjectivesDone& objectivesScreen();
    TMagicCardsScreen& magicCardsScreen();

    media::Picture img, img2;
    media::Font* font = nullptr; // owned by the font cache
    media::Font* fontObj = nullptr;
    media::Picture tickOn, tickOff;
    float panelS = 0.7f, dPanelS = 1;
    std::string state;
    float tAlpha = 0, dTAlpha = 0;
    std::string txtLevele, txtCardsLeft, txtScores, txtAdditional, txtNotAllObjectives, txtLongestDrive,
        txtAdd;
    std::array<std::string, 4> txtObjDesc;
    std::array<std::string, 10> txtPerfects;
    std::vector<TObjectiveText> objectivesList;
    int _longestDrive = 0;
    float _longestMultiplier = 1;
    int _scores = 0;
    std::string _time;
    int _bonusScore = 0;
    int _allStageScores = 0;
    float _allStageMultiplier = 0;
    int _allStageDrive = 0;
    int _allMagicCards = 0, _foundMagicCards = 0;
    int _additional = 0;
    int _totalScore = 0;
    int _allObjectives = 0;
    int cardsObj = 0;
    int loadLevelAgain = 0;
    float tabX = 390, tabY = 200;

private:
    void _drawBack();
    void _drawCiemn();
    void _drawPanel();
    void _drawTabs();
    void _drawTabsInfo();
    void _drawObjectives();
    void _updateState();
    void setItemText(const std::string& name, const std::string& text);
    void showItem(const std::string& name, bool shown);
    // Every widget whose name starts with `prefix` (any letter case) shown and active, or not.
    void showGroup(const std::string& prefix, bool shown);
    // The current stage of the quest (none in free play or without stage data).
    const TStage* currentStage() const;
    bool quest() const;

    TMainGame* game_ = nullptr;
    int cardsLeft_ = 0;
    base::Owned<TObjectivesDone> objectivesDone_;
    base::Owned<TMagicCardsScreen> magicCards_;
};
