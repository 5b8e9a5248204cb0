// TMainGame.hpp: the game screen: one level played by the rules, from the opening deal to its
// score.
#pragma once

#include "gui/CyfryFont.hpp"
#include "gui/TDim.hpp"
#include "levels/LevelHost.hpp"
#include "media/Picture.hpp"
#include "shell/TEkran.hpp"

#include <memory>
#include <string>
#include <vector>

class TCard;
class TCardData;
class TLevel;
class TResource;

namespace media
{
class Font;
}
namespace screens
{
class LevelSummary;
}

class TMainGame : public TEkran, public LevelHost
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

    void addDeckCard();
    void addScore(float points);
    void addColumnResource(TCard& card);
    void addDriveResource();
    void addResource(std::unique_ptr<TResource> resource);
    void LongDrive_add();
    void LongDrive_end();
    // 1 when rank a is next to rank b (the ace next to both the king and the 2).
    static int checkSequence(const TCardData* a, const TCardData* b);
    // The spot card the rules see: the last card on its way to the spot, else the spot's top.
    TCardData* getFirstCard() const;
    void pickSword(TCard& card) override;
    void useCard(TCard& card);
    void waitForCaption();
    void waitForCaption1() override;
    void _update_cardOver();
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
    // Leaves the level for the title screen; it can be taken up again from where it stands.
    void goMenu();
    void _controlKEYBOARD();
    void setState(const std::string& name);
    // Takes the level to be played next (shared with the player's saved quest level).
    void setLevel(std::shared_ptr<TLevel> newLevel);
    void END_LEVEL();
    void deckCardsFlyOut();

    // What the level asks of the screen.
    media::Size deckHolderSize() const override { return {450, 170}; }
    bool runesOfEldmere() const override { return runesOfEldmere_ != 0; }
    // The lamp the drive's light gathers at, by the multiplier.
    std::pair<float, float> comboPoint() const override { return {760, 110}; }

    // The deck's click area.
    TDim deckArea() const;
    // The end of a level, as one line for scripts: level, recorded score, cards and deck left,
    // longest drive.
    const std::string& resultLine() const { return resultLine_; }

    int MIN_LONG_DRIVE = 5;
    int pomDeckCardsLeft = 0;
    long long checkTime = 0;
    std::shared_ptr<TLevel> level;
    std::string state;
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
    int swordShowX = 815, swordShowY = 500;
    long long secondTime = 0;
    int kartaPominieta = 0;
    int remDriveN = 0;
    int deckOver = 0;
    // A deck click waiting for the long-drive sign to fade (only a click sets it).
    bool pendingDeckTurn = false;
    float undoA = 0, dUndoA = 0;
    // The screen's texts, from its language table.
    std::string txtMultiplier, txtDrive, txtScore, txtEndHand, txtEndDrive, txtDolar, txtUndo;
    // The fonts, owned by the font cache.
    media::Font* endDriveFont = nullptr;
    media::Font* scoreFont = nullptr;
    // The gold digits of the score and the drive counter.
    CyfryFont cyfry;

private:
    void drawTable();
    void drawDeckAndSpot();
    void drawHud();
    void _setupFontsAndText();
    void drawText(media::Font& font, const std::string& text, float x, float y, int r, int g, int b, float a);
    // A label in the score font from (x, y), the gold digits after it.
    void drawLabelledNumber(const std::string& label, const std::string& digits, float x, float y, float a);

    int runesOfEldmere_ = 0;
    std::string resultLine_;
    std::unique_ptr<screens::LevelSummary> summary_;
    media::Picture glow_;
    media::Picture table_;
};

// The program's game screen.
TMainGame& mainGame();
