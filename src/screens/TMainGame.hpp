// TMainGame.hpp: the game screen: one level played, from the opening deal to its score. The rules
// core decides every move; the screen shows what happens, times it, and tells the rules when
// what they wait for has landed.
#pragma once

#include "cards/FlightHost.hpp"
#include "cards/Resources.hpp"
#include "data/TTxtFile.hpp"
#include "gui/TDim.hpp"
#include "media/Picture.hpp"
#include "rules/Listener.hpp"
#include "screens/GameHud.hpp"
#include "screens/LevelInPlay.hpp"
#include "screens/TEkran.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCard;
class TCardData;
class TLevel;
class TLevelEndScreen;
class TResource;

// Where a level stands on the game screen.
enum class GameState
{
    Begin,           // the opening deal is in the air
    Normal,          // play
    WaitForCaption1, // the multiplier has reached its maximum: the celebration begins
    WaitForCaption,  // play pauses while it shows
    Perfect,         // the table is cleared: three steps of celebration
    Perfect2,
    Perfect3,
    Caption, // the level ended with cards left: its caption shows
    End,     // the level summary
};
// The state's name as logs show it ("NORMAL", "WAIT-FOR-CAPTION1", ...).
const char* stateName(GameState state);

class TMainGame : public TEkran, private rules::Listener, private FlightHost, private ResourceHost
{
public:
    TMainGame();
    ~TMainGame() override;

    void setup() override;
    void draw() override;
    void update() override;
    // The widgets fade with the screen and take the pointer; then the delayed deck turn, which
    // waits for the long-drive sign to fade out.
    void _updateGUI();
    // The undo button's caption, and its tab sliding in from the left edge while undo is possible.
    void _updateUndo();
    // The deck's pulse while no table card can be played (hint levels), and the end hand's.
    void _updateDeckHelpA();

    // The Undo button: spends one of the player's undos and takes the newest move back. With no
    // undos left nothing happens; with nothing to take back, or while anything moves, nothing
    // is spent either.
    void undoPaid();
    // The developer key: the newest move back, for free; while something moves it waits for
    // everything to land, and no move is taken meanwhile.
    void undoFree();
    void _updateUndoRequest();
    // A move may be taken back now: play waits for the player, the history holds a move, and
    // nothing is on its way (no card, coin, light or sword moving).
    bool undoAllowed() const;

    // The cash panel shakes (a coin has landed, or a developer key).
    void zatrzas();
    float getAdXForCashPanel() const { return hud_.getAdXForCashPanel(); }
    // The bulb that shows the multiplier: the drive's light flies there.
    TDim getComboDim() const { return hud_.getComboDim(); }
    // The name plate's text: stage, level and the stage's title.
    std::string levelNameText() const;

    void addDeckCard();
    // The drive grows by one with no card played (a developer key).
    void LongDrive_add();
    void LongDrive_end();
    // 1 when rank a is next to rank b (the ace next to both the king and the 2).
    static int checkSequence(const TCardData* a, const TCardData* b);
    // The spot card the rules see: the last card on its way to the spot, else the spot's top.
    TCardData* getFirstCard() const;
    void useCard(TCard& card);
    void waitForCaption();
    void waitForCaption1();
    void _update_cardOver();
    // The rack: the sword under the pointer stands proud, a clicked one slides out and goes to
    // the spot once fully out.
    void _update_swords();
    void _update_clickedSword();
    // A rack sword onto the spot, whatever the spot card is.
    void useSword(int id);
    // A rack sword is sliding out or flying to the spot: the spot the rules see is that sword,
    // and no other move is taken until it lands.
    bool swordOnItsWay() const;
    // No move is taken now: something taken back or a sword is still on its way.
    bool movesWait() const;
    void _update_deckCardOver();
    void _update_deckOver();
    void _update_time();
    void _update_hint();
    void _update_STATE_begin();
    void _update_STATE_normal();
    void _update_STATE_end();
    void _update_STATE_perfect();
    void _update_STATE_perfect2();
    void _update_STATE_perfect3();
    void _update_STATE_caption();
    void _update_STATE_wait_for_caption();
    void _update_STATE_wait_for_caption1();
    void _updateState();
    void _updateEndA();
    void _updateMouseLook();
    void _prepareBegin_1();
    void _prepareBegin_2();
    void _prepareBegin_3();
    void _prepareBegin();
    void _prepareDeckCard();
    void _prepareSelf();
    void prepare();
    std::string mainLoop();
    void finish();
    // Everything in the air lands and the level takes the table as the rules hold it, so the
    // level is whole when it is saved or taken up again.
    void settle();
    // The menu: the options screen over the level. Play goes on, the level starts again, or
    // the level is left for the title screen as it stands, to be taken up again later.
    void goMenu();
    // Leaves the level for the title screen; it can be taken up again from where it stands.
    void leaveForTitle();
    void _controlKEYBOARD();
    void setState(GameState next) { state = next; }
    // Takes the level to be played next (shared with the player's saved quest level); the rules
    // take over its table at once.
    void setLevel(std::shared_ptr<TLevel> newLevel);
    void END_LEVEL();
    void deckCardsFlyOut();

    // The level's effects stop with the window and go on again with it.
    void pauseEffects() override;
    void resumeEffects() override;
    // Play waits for the player with nothing in the air and no fade under way; only the
    // hint's slow pulse may move.
    bool calm() const override;
    void updateMovingParts() override;

    // The deck's click area.
    TDim deckArea() const;
    // The end of a level, as one line for scripts: level, recorded score, cards and deck left,
    // longest drive.
    const std::string& resultLine() const { return resultLine_; }
    static std::string resultText(const std::string& path, const rules::LevelEnd& figures, int longestDrive);
    // What lives as long as the level in play (none before a level is taken).
    LevelInPlay* levelInPlay() const { return play_.get(); }
    // The summary shown when the level ends; it also answers questions about the stage's goals.
    TLevelEndScreen* summary() const { return summary_.get(); }
    // In quest play, every half second: a long-drive goal first reached is marked at once.
    void _updateObjectives();

    int MIN_LONG_DRIVE = 5;
    int pomDeckCardsLeft = 0;
    std::shared_ptr<TLevel> level;
    GameState state = GameState::Begin;
    float endCAlpha = 0, dEndCAlpha = 0;
    float endHandA = 0, dEndHandA = 0;
    float deckOverA = 0, dDeckOverA = 0;
    std::vector<TCard*> showedCards;
    std::vector<TCard*> goodCards;
    float deckAlpha = 0, dDeckAlpha = 0;
    int deckCardOver = 0;
    long long deckWaitTime = 0;
    long long waitingTime = 0;
    long long waitTime = 0;
    int CONST_WAIT_TIME = 1000;
    TCard* over = nullptr;
    int runesOfEldmere = 0;
    int swordShowX = 815, swordShowY = 500;
    long long secondTime = 0;
    // One flag per goal of the current stage: 1 once reached (asked when the level begins and,
    // for long drives, every half second of play).
    std::vector<int> objectiveAchieved;
    long long objectivesTime = 0;
    int deckOver = 0;
    // A deck click waiting for the long-drive sign to fade (only a click sets it).
    bool pendingDeckTurn = false;
    // 1 in a frame in which a deck click was refused because a card on the table can be played
    // (the lesson level): the lesson about it shows.
    int kartaPominieta = 0;
    float undoA = 0, dUndoA = 0;
    float deckHelpA = 0, dDeckHelpA = 0;
    float endA = 0, dEndA = 0;
    // The screen's texts, from its language table.
    std::string txtMultiplier, txtDrive, txtScore, txtEndHand, txtEndDrive, txtUndo;
    // The display around the table.
    GameHud hud_;

private:
    // What the rules report, shown as it happens.
    void onEvent(const rules::Event& event, const rules::Board& board) override;
    void showTake(const rules::Event& event);
    void showUncover(const rules::Event& event);
    void showHammerLeave(const rules::Event& event);
    void showSwordPick(const rules::Event& event);
    void showPlay(const rules::Event& event);
    void showDeck(const rules::Event& event);
    void showDeckSword(const rules::Event& event);
    void showDriveEnd(const rules::Event& event);
    void showMultiplier(const rules::Event& event);
    void showLevelEnd(const rules::Event& event);
    void showSwordUse(const rules::Event& event);
    // A move taken back: what moved goes back the way it came.
    void showUndo(const rules::Event& event);
    // The drive has grown from `before` to `now`: the long-drive caption, sound and sign.
    void showDriveGrowth(int before, int now);
    // A resource released from (x, y) flies to the cash panel; the rules wait for `coin`.
    void releaseResource(std::unique_ptr<TResource> resource, float x, float y, const rules::Coin& coin);
    // The level's figures follow the rules after every move.
    void syncLevel();
    // The faces the rules gave the table, on the table cards.
    void showFaces();

    // What the flights and resources of the level ask when they land.
    void flightLanded(TFlyingCard& flight) override;
    void rocksOpen(TFlyingCard& flight) override;
    void swordRacked(TFlyingCard& flight) override;
    void resourceArrived(TResource& resource) override;
    // The last light of a drive has reached the multiplier.
    void driveLightArrived(const TEmitter& light, bool waves);

    // The awards of the drives ended since the last frame, and of a table cleared; each may
    // announce itself over this screen.
    void _checkDriveAwards();
    void _checkPerfectAwards();

    // The level's figures as a move's record keeps them.
    UndoHistory::Before before() const;
    // An undone sword use: the sword rejoins the rack, hidden until its flight back reaches it.
    TFlyingCard* returnSwordToRack(const TZdarzenie& e);
    // The way back of an undone move has landed: the trace tells of the undo now.
    void undoLanded();

    void drawTable();
    void _drawDeck();
    void _drawSpot();
    void _drawSwords();
    void _drawEndDrive();
    void _drawDEBUG();
    void _setupFontsAndText();
    // What the display shows this frame.
    HudFigures hudFigures() const;

    std::unique_ptr<LevelInPlay> play_;
    // A played card between leaving the table and setting off for the spot.
    std::shared_ptr<TCard> taken_;
    std::string resultLine_;
    std::unique_ptr<TLevelEndScreen> summary_;
    // An undo whose way back is still in the air (its trace line waits for the landing); no
    // move is taken meanwhile.
    std::optional<rules::Event> undoInFlight_;
    bool undoRequested_ = false;
    // The lengths of the drives ended since the awards last looked, in order.
    std::vector<int> drivesEnded_;

public:
    // The rack sword under the pointer and the one sliding out to the spot (identity ids; 0 for
    // none), and the used swords flying back to the rack after an undo.
    int overSword = 0;
    int clickedSword = 0;
    std::vector<int> swordsComingBack;

private:
    // The stages' titles, for the name plate.
    TTxtFile stageTitles_;
    media::Picture glow_;
    media::Picture table_;
};

// The program's game screen.
TMainGame& mainGame();
