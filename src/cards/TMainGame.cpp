// TMainGame.cpp: the rules of play, the deck and drives, the end of a level.
#include "cards/TMainGame.hpp"

#include "cards/Cards.hpp"
#include "cards/Flights.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "cards/TResource.hpp"
#include "cards/UndoHistory.hpp"
#include "data/TextTables.hpp"
#include "effects/Captions.hpp"
#include "effects/LongDriveStreams.hpp"
#include "effects/ParticleKinds.hpp"
#include "effects/TEmitter.hpp"
#include "gui/Fonts.hpp"
#include "gui/ShadowedText.hpp"
#include "gui/TButton.hpp"
#include "gui/TGui.hpp"
#include "gui/TMouse.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/LevelSummary.hpp"
#include "screens/Sounds.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/ActiveScreen.hpp"
#include "shell/Approach.hpp"
#include "shell/Frame.hpp"
#include "shell/Globals.hpp"
#include "shell/Program.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
int rnd(int lo, int hi)
{
    return media::random().rand(lo, hi);
}

long long now()
{
    return media::clock().millisecs();
}

TProfile* player()
{
    return hasProfile() ? &profile() : nullptr;
}

bool owns(const char* item)
{
    return hasProfile() && profile().getMyItem(item) != nullptr;
}

// The ten-times multiplier: multipliers grow in tenths, and scores are multiplied exactly.
long long multiplierTenths(float driveMN)
{
    return std::lround(static_cast<double>(driveMN) * 10.0);
}

// "12.5" style: one decimal, as the game shows multipliers.
std::string oneDecimalText(float value)
{
    long long a = multiplierTenths(value);
    return std::to_string(a / 10) + "." + std::to_string(a % 10);
}
} // namespace

TMainGame& mainGame()
{
    return *shell::program().mainGame;
}

TMainGame::TMainGame()
{
    id = "MAIN-GAME";
}

TMainGame::~TMainGame()
{
    // The flights and coins of play point into this screen's level: they go with it.
    clearFlights();
    flyingResources.clear();
    setLevelHost(nullptr);
}

void TMainGame::setup()
{
    glow_ = shell::program().whiteImage;
    glow_.midHandle();
    // The table is drawn once and kept as a picture: a full-screen glow every frame is costly.
    media::gfx().cls();
    drawTable();
    table_ = media::gfx().grabFrame(0, 0, 1024, 768, media::Filtered);
    media::gfx().cls();
    summary_ = std::make_unique<screens::LevelSummary>();
    summary_->setup();
    _setupFontsAndText();
    Gui = loadGui("gfx/gui/mainGame/mainGame.gui");
}

void TMainGame::_setupFontsAndText()
{
    // Every font is the game's own typeface; the path is kept as the screen has always named it.
    const std::string face = "gfx/fonts/bookman.ttf";
    endDriveFont = &loadFont(face, 20);
    scoreFont = &loadFont(face, 24);
    const TTxtFile texts = loadTextTable("txt/#LANG#/mainGame.txt");
    txtMultiplier = media::text::trim(getText(texts, 1));
    txtDrive = media::text::trim(getText(texts, 2));
    txtScore = media::text::trim(getText(texts, 3));
    txtEndHand = media::text::trim(getText(texts, 4));
    txtEndDrive = media::text::trim(getText(texts, 5));
    txtDolar = media::text::trim(getText(texts, 6));
    txtUndo = media::text::trim(getText(texts, 8));
    cyfry = loadDigitFont();
}

void TMainGame::setState(const std::string& name)
{
    std::string upper;
    for (char c : name)
        upper += static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
    state = upper;
}

void TMainGame::setLevel(std::shared_ptr<TLevel> newLevel)
{
    // Flights point into the level they belong to: they go before it does.
    clearFlights();
    level = std::move(newLevel);
    if (!level)
        return;
    setLevelHost(this);
    level->CHECK_Cover(1);
    level->jestMagic = 0;
    if (TProfile* p = player())
        p->resetLog();
    for (const auto& card : level->cards) {
        card->update();
        if (isMagicCard(*card)) {
            level->jestMagic = 1;
            TProfile* p = player();
            card->cd->newMagicCard = (p && p->getMagicCard(card->cd->id)) ? 0 : 1;
        }
    }
}

// --- rules

int TMainGame::checkSequence(const TCardData* a, const TCardData* b)
{
    if (!a || !b)
        return 0; // nothing on the spot: nothing can follow
    const int x = a->seqN;
    const int y = b->seqN;
    return (x - 1 == y || x + 1 == y || (x == 2 && y == 14) || (x == 14 && y == 2)) ? 1 : 0;
}

TCardData* TMainGame::getFirstCard() const
{
    if (!flyingToSpot.empty())
        return flyingToSpot.back()->shownIdentity();
    if (level && !level->spot.empty())
        return level->spot.back();
    return nullptr;
}

void TMainGame::addScore(float points)
{
    if (level)
        level->score += points;
}

void TMainGame::addResource(std::unique_ptr<TResource> resource)
{
    resource->level = level.get();
    resource->flyToCash();
    flyingResources.push_back(std::move(resource));
}

void TMainGame::addColumnResource(TCard& card)
{
    if (!card.res)
        return;
    card.res->x = card.x;
    card.res->y = card.y;
    addResource(std::move(card.res));
}

void TMainGame::addDriveResource()
{
    auto coin = std::make_unique<TResource>(1, 10);
    coin->x = 843;
    coin->y = 81;
    addResource(std::move(coin));
}

void TMainGame::pickSword(TCard& card)
{
    if (!level || !card.cd)
        return;
    const bool column =
        card.res != nullptr
        || std::find(level->columns.begin(), level->columns.end(), &card) != level->columns.end();
    std::shared_ptr<TCard> taken = level->takeOffTable(card);
    if (!taken)
        return;
    level->CHECK_Cover(0);
    TProfile* p = player();
    if (p && p->haveSword(card.cd->id)) {
        // The player has this sword already: the card just leaves.
        TFlyingCard& f = startStandard(card, card.x, card.y, 1200, 500, 0);
        f.ownedCard = taken;
    } else {
        // The sword flies to its place on the rack.
        float angle = p ? p->getSwordRotTemporary(*card.cd) : 254;
        constexpr float degrees = 3.14159265358979f / 180.0f;
        float tx = static_cast<float>(static_cast<int>(920 + std::cos(angle * degrees) * 694));
        float ty = static_cast<float>(static_cast<int>(1034 + std::sin(angle * degrees) * 294));
        startPickSword(taken, tx, ty);
    }
    if (column)
        addColumnResource(card);
}

void TMainGame::useCard(TCard& card)
{
    if (!level || !card.cd)
        return;
    if (card.cd->isSword()) {
        pickSword(card);
        return;
    }
    if (!checkSequence(card.cd, getFirstCard())) {
        card.negA = 1;
        playMySound("bad");
        return;
    }
    TDim spot = level->COUNT_spotDim();
    const bool column =
        card.res != nullptr
        || std::find(level->columns.begin(), level->columns.end(), &card) != level->columns.end();
    // Off the table first, so the undo record holds the card itself; nothing is seen between.
    std::shared_ptr<TCard> taken = level->takeOffTable(card);
    if (!taken)
        return;
    recordCardPlayed(*level, taken, spot);
    if (card.utrudnienie2) {
        generateWaterParticles(card.x, card.y);
        bool lastIce = std::none_of(level->cards.begin(), level->cards.end(),
                                    [](const auto& c) { return c->utrudnienie2 != 0; });
        playMySound("plusk");
        if (lastIce) {
            showCaption(17, 512, 384, 3000);
            playMySound("rocks-uncover");
        }
    }
    if (card.utrudnienie1)
        generateRockParticles(card.x, card.y);
    level->CHECK_Cover(0);
    startCardToSpot(taken, static_cast<float>(static_cast<int>(spot.x)),
                    static_cast<float>(static_cast<int>(spot.y)), 0);
    LongDrive_add();
    generateFlyToComboParticles(card.x, card.y);
    if (level->driveN > MIN_LONG_DRIVE)
        addDriveResource();
    else
        addScore(card.cd->isMagic() ? 6.0f : 3.0f);
    playMySound("card-fly-" + std::to_string(rnd(0, 1)));
    if (column)
        addColumnResource(card);
    TCard::hintA = 0;
    TCard::dHintA = 1;
}

// --- deck and drives

void TMainGame::LongDrive_add()
{
    const int old = level->driveN;
    level->driveN += 1;
    if (old == MIN_LONG_DRIVE)
        showCaption(14, 512, 200, 3000);
    if (level->driveN > MIN_LONG_DRIVE && dEndCAlpha == 0)
        playMySound("combo-start");
    dEndCAlpha = level->driveN > MIN_LONG_DRIVE ? 1.0f : 0.0f;
    if (TProfile* p = player()) {
        if (level->driveN > p->longestDrive) {
            p->longestDrive = level->driveN;
            level->newRecord = 1;
        }
    }
}

void TMainGame::LongDrive_end()
{
    if (level->driveN > 5) {
        TDim from = level->COUNT_firstDeckCardDim();
        startLongDriveStream(*level, level->driveN, from.x, from.y);
        playMySound("end-combo");
    }
    remDriveN = level->driveN;
    guiMouse().clear();
    level->driveN = 0;
}

void TMainGame::addDeckCard()
{
    TCard::hintA = 0;
    TCard::dHintA = 0;
    if (level->deck.empty() && endHandA < 1)
        return;
    _prepareDeckCard();
    guiMouse().clear();
    playMySound("deck-card");
    TCard::hintA = 0;
    TCard::dHintA = 0;
}

void TMainGame::_prepareDeckCard()
{
    if (level->deck.empty()) {
        dAlpha = 0;
        END_LEVEL();
        return;
    }
    TCardData* identity = level->deck.front();
    level->deck.erase(level->deck.begin());
    deckAlpha = dDeckAlpha = 0;
    deckCardOver = 0;
    TDim deckPoint = level->COUNT_firstDeckCardDim();
    TDim spotPoint = level->COUNT_spotDim();
    if (identity->isSword()) {
        // A sword from the deck goes to the rack, not to the spot; the drive goes on.
        auto card = std::make_shared<TCard>();
        card->myLevel = level.get();
        card->cd = identity;
        card->side = 1;
        card->x = deckPoint.x;
        card->y = deckPoint.y;
        level->CHECK_Cover(0);
        if (hasProfile() && profile().haveSword(identity->id))
            startPickSwordFly(card);
        else
            startPickSword(card, static_cast<float>(swordShowX), static_cast<float>(swordShowY));
        return;
    }
    recordDeckCard(*level, identity, spotPoint, deckPoint);
    startDeckToSpot(identity, deckPoint.x, deckPoint.y, spotPoint.x, spotPoint.y, 0, level.get());
    if (level->driveN != 0)
        LongDrive_end();
}

TDim TMainGame::deckArea() const
{
    media::Size holder = deckHolderSize();
    TDim d;
    d.x = static_cast<float>(static_cast<int>(level->deckHolderX + 50));
    d.y = static_cast<float>(static_cast<int>(level->deckHolderY + 25));
    d.w = static_cast<float>(holder.width - 240);
    d.h = static_cast<float>(holder.height - 45);
    return d;
}

void TMainGame::_update_deckCardOver()
{
    if (deckOver && owns("SHOW-CARD")) {
        if (!deckCardOver) {
            deckCardOver = 1;
            deckWaitTime = now() + CONST_WAIT_TIME;
        }
        dDeckAlpha = now() > deckWaitTime ? 1.0f : 0.0f;
    } else {
        deckCardOver = 0;
        dDeckAlpha = 0;
    }
}

void TMainGame::_update_deckOver()
{
    TMouse& mouse = guiMouse();
    deckOver = mouse.inDim(deckArea());
    _update_deckCardOver();
    if (deckOver && mouse.leftPressed) {
        TProfile* p = player();
        if (p && p->tryb == "QUEST" && p->stageID == 1 && p->levelID == 2 && !goodCards.empty()) {
            // The lesson of this level: play the card first.
            kartaPominieta = 1;
        } else if (level->deck.empty() && level->driveN > 5) {
            LongDrive_end();
        } else if (dEndCAlpha != 0) {
            dEndCAlpha = 0;
            pendingDeckTurn = true;
        } else {
            addDeckCard();
        }
    }
    approach(deckAlpha, dDeckAlpha, 0.02f);
    if (deckOver) {
        bool playable = std::any_of(showedCards.begin(), showedCards.end(),
                                    [&](const TCard* c) { return checkSequence(c->cd, getFirstCard()); });
        dDeckOverA = (runesOfEldmere_ && playable) ? 0.0f : 1.0f;
    } else {
        dDeckOverA = 0;
    }
    approach(deckOverA, dDeckOverA, 0.1f);
}

void TMainGame::_updateGUI()
{
    if (Gui) {
        Gui->setGuiAlpha(alpha);
        Gui->update();
    }
    const float before = endCAlpha;
    approach(endCAlpha, dEndCAlpha, 0.1f);
    if (endCAlpha < before && endCAlpha == dEndCAlpha && pendingDeckTurn) {
        pendingDeckTurn = false;
        addDeckCard();
    }
}

// --- the end of a level

void TMainGame::deckCardsFlyOut()
{
    int delay = 100 * static_cast<int>(level->deck.size());
    float step = 13;
    float x = level->deckHolderX + 85;
    const float y = level->deckY;
    while (!level->deck.empty()) {
        x += step;
        step = std::max(0.0f, step - 0.8f);
        TFlyingCard& f = startDeckToOut(level->deck.front(), x, y, 700, -200, delay, level.get());
        f.mx = 0;
        f.my = 300;
        level->deck.erase(level->deck.begin());
        delay -= 100;
    }
}

void TMainGame::END_LEVEL()
{
    // Coins and drive lights still on their way are counted now: the score is recorded below.
    landResources();
    landLongDriveStreams();
    pomDeckCardsLeft = static_cast<int>(level->deck.size());
    TProfile* p = player();
    for (const auto& card : level->cards) {
        if (isMagicCard(*card) && card->cd->notFound == 1 && p)
            p->addAwaitingMagicCard(card->cd);
    }
    deckCardsFlyOut();
    const int n = static_cast<int>(level->cards.size());
    static const int bonuses[5] = {1000, 500, 250, 100, 50};
    const int bonus = n < 5 ? bonuses[n] : 0;
    long long total = static_cast<long long>(level->score) + bonus;
    if (owns("KASA+5"))
        total += static_cast<long long>(level->score * 0.05f);
    const long long recorded = total * multiplierTenths(level->driveMN) / 10;
    if (p)
        p->UPDATE_levelAndStage(static_cast<int>(recorded));
    if (n == 0) {
        showCaption(10, 512, 384, 2000);
        setState("PERFECT");
        playMySound("end-level-perfect");
        LongDrive_end();
        celebratePerfect(1);
        waitTime = now() + 1000;
    } else if (n <= 4) {
        showCaption(n - 1, 512, 384, 2000);
        setState("CAPTION");
        playMySound("end-level-normal");
    } else {
        playMySound("end-level-normal");
        level->driveN = 0;
        setState("END");
    }
    char line[512];
    std::snprintf(line, sizeof line, "level %s score %lld cards-left %d deck-left %d longest-drive %d",
                  level->path.c_str(), recorded, n, pomDeckCardsLeft, level->longestDrive);
    resultLine_ = line;
    std::printf("%s\n", line);
    std::fflush(stdout);
    if (summary_)
        summary_->setResult(level->score, bonus, n, multiplierTenths(level->driveMN), recorded);
}

// --- other steps of play

void TMainGame::_update_time()
{
    if (now() > secondTime) {
        secondTime = now() + 1000;
        if (TProfile* p = player())
            p->time += 1;
    }
}

void TMainGame::_update_hint()
{
    const bool lightUp = hasProfile() && profile().cardsLightUp != 0;
    TCardData* first = getFirstCard();
    for (const auto& card : level->cards)
        card->hint = (lightUp && card->odkryta && checkSequence(card->cd, first)) ? 1 : 0;
    TCard::_updatehint();
}

void TMainGame::_update_cardOver()
{
    over = nullptr;
    showedCards.clear();
    goodCards.clear();
    const bool hintLevel = hasProfile() && profile().hintLevel();
    TCardData* first = getFirstCard();
    for (const auto& card : level->cards) {
        if (card->update())
            over = card.get();
        else
            card->dOverA = 0;
        if (card->side == 1 && card->odkryta) {
            showedCards.push_back(card.get());
            if (hintLevel && checkSequence(card->cd, first))
                goodCards.push_back(card.get());
        }
    }
    if (!over)
        return;
    over->dOverA = checkSequence(over->cd, first) ? 1.0f : 0.0f;
    if (cheatsOn && media::input().keyHits(media::key::letter('e')))
        over->changeToSword();
    if (guiMouse().leftPressed)
        useCard(*over);
}

void TMainGame::_updateUndo()
{
    // The player's undos are not counted yet: with none left the button rests, inactive, at the
    // edge, and the tab stays tucked away.
    const int undos = 0;
    dUndoA = (undos != 0 && !undoHistory.empty()) ? 1.0f : 0.0f;
    approach(undoA, dUndoA, 0.05f);
    if (!Gui)
        return;
    if (auto undo = Gui->getItemAs<TButton>("undo")) {
        undo->_txt = txtUndo + " x" + std::to_string(undos);
        undo->setState(1, undoA > 0 ? 1 : 0);
        undo->setPosition(static_cast<int>(77 + 105 * undoA), static_cast<int>(undo->dim.y));
        undo->countDims();
    }
    if (auto back = Gui->getItem("undoBack"))
        back->setPosition(static_cast<int>(105 * undoA), static_cast<int>(back->dim.y));
}

void TMainGame::_updateEndA()
{
    if (level->deck.empty() && level->driveN < 6) {
        dEndHandA = 1;
    } else {
        dEndHandA = 0;
        endHandA = 0;
    }
    approach(endHandA, dEndHandA, 0.05f);
}

void TMainGame::_updateMouseLook()
{
    if ((over && over->dOverA == 1) || deckCardOver)
        guiMouse().setCursor("over");
}

// --- states

void TMainGame::waitForCaption()
{
    setState("WAIT-FOR-CAPTION");
    waitingTime = now() + 3000;
}

void TMainGame::waitForCaption1()
{
    // Only play pauses for the celebration; a level that is ending goes on ending.
    if (state == "NORMAL")
        setState("WAIT-FOR-CAPTION1");
}

void TMainGame::_update_STATE_begin()
{
    if (!flyingCards.empty())
        return;
    setState("NORMAL");
    dAlpha = 1;
    showCaption(15, 512, 300, 2000).pSpeed = 0.02f;
    level->CHECK_front_Swords();
}

void TMainGame::_update_STATE_normal()
{
    kartaPominieta = 0;
    _update_cardOver();
    if (state != "NORMAL")
        return;
    _update_deckOver();
    if (state != "NORMAL")
        return;
    _update_time();
    _update_hint();
    if (level->cards.empty() && flyingCards.empty())
        END_LEVEL();
}

void TMainGame::_update_STATE_wait_for_caption1()
{
    celebrateMaximum();
    waitForCaption();
}

void TMainGame::_update_STATE_wait_for_caption()
{
    if (now() > waitingTime)
        setState("NORMAL");
}

void TMainGame::_update_STATE_perfect()
{
    if (now() > waitTime) {
        waitTime = now() + 1500;
        celebratePerfect(2);
        setState("PERFECT-2");
    }
}

void TMainGame::_update_STATE_perfect2()
{
    if (now() > waitTime) {
        waitTime = now() + 1500;
        celebratePerfect(3);
        setState("PERFECT-3");
    }
}

void TMainGame::_update_STATE_perfect3()
{
    if (guiMouse().leftPressed || (captions.empty() && now() > waitTime))
        setState("END");
}

void TMainGame::_update_STATE_caption()
{
    dAlpha = 0;
    if (guiMouse().leftPressed || captions.empty())
        setState("END");
}

void TMainGame::_update_STATE_end()
{
    std::string result = summary_ ? summary_->mainLoop(this) : std::string();
    if (result == "MAPA")
        wynik = "MAPA";
    else if (result == "LOSE-STAGE")
        wynik = "LOSE-STAGE";
    else
        wynik = "GET-NEXT-LEVEL";
    fade = dFade = 1;
}

void TMainGame::_updateState()
{
    if (state == "BEGIN")
        _update_STATE_begin();
    else if (state == "NORMAL")
        _update_STATE_normal();
    else if (state == "WAIT-FOR-CAPTION1")
        _update_STATE_wait_for_caption1();
    else if (state == "WAIT-FOR-CAPTION")
        _update_STATE_wait_for_caption();
    else if (state == "PERFECT")
        _update_STATE_perfect();
    else if (state == "PERFECT-2")
        _update_STATE_perfect2();
    else if (state == "PERFECT-3")
        _update_STATE_perfect3();
    else if (state == "CAPTION")
        _update_STATE_caption();
    else if (state == "END")
        _update_STATE_end();
}

void TMainGame::update()
{
    beginFrame();
    _updateState();
    updateFlights();
    updateEmitters();
    updateParticles();
    updateCaptions();
    updateResources();
    _updateEndA();
    _updateFade();
    _updateAlpha();
    _updateUndo();
    _updateGUI();
    _updateMouseLook();
}

// --- the opening deal

namespace
{
void resetLooks(TCard& card)
{
    card.specFrameAlpha.fill(0);
    card.startA = 0;
    card.waterFrame = 0;
    if (isSpecialCard(card))
        card.side = 1;
}
} // namespace

void TMainGame::_prepareBegin_1()
{
    int k = 0;
    for (const auto& card : level->cards) {
        resetLooks(*card);
        startStandard(*card, -200, static_cast<float>(rnd(-100, 868)), card->x, card->y, 20 * k++);
    }
}

void TMainGame::_prepareBegin_2()
{
    int k = 0;
    for (const auto& card : level->cards) {
        resetLooks(*card);
        startStandard1(*card, card->x, static_cast<float>(rnd(-200, -120)), card->x, card->y, 20 * k++);
    }
}

void TMainGame::_prepareBegin_3()
{
    int k = 0;
    for (const auto& card : level->cards) {
        resetLooks(*card);
        float fromX = card->x > 512 ? 1024 + card->x / 2 : -card->x / 2;
        startStandard1(*card, fromX, 768 + card->y / 2, card->x, card->y, 20 * k++);
    }
}

void TMainGame::_prepareBegin()
{
    clearFlights();
    level->CHECK_Cover(1);
    switch (rnd(1, 3)) {
    case 1: _prepareBegin_1(); break;
    case 2: _prepareBegin_2(); break;
    default: _prepareBegin_3(); break;
    }
}

void TMainGame::_prepareSelf()
{
    setState("BEGIN");
    fade = 1;
    dFade = 0;
    secondTime = now() + 1000;
    undoHistory.clear();
    if (TProfile* p = player())
        p->where = "MAIN-GAME";
    alpha = dAlpha = 0;
    deckAlpha = dDeckAlpha = 0;
    endHandA = dEndHandA = 0;
    endCAlpha = dEndCAlpha = 0;
    pendingDeckTurn = false;
    playMySound("cards-move");
    if (level->soundID < 1)
        level->soundID = 1;
    playLevelSound(level->soundID);
    runesOfEldmere_ = owns("HINT") ? 1 : 0;
    wynik.clear();
    resultLine_.clear();
}

void TMainGame::prepare()
{
    setLevelHost(this);
    // Nothing of an earlier level's effects goes on into this one.
    emitters.clear();
    particles.clear();
    flyingResources.clear();
    _prepareBegin();
    // An empty spot takes the first deck card; swords at the front of the deck go to the rack.
    while (level->spot.empty() && flyingToSpot.empty() && !level->deck.empty())
        _prepareDeckCard();
    _prepareSelf();
    _prepareDelta();
}

std::string TMainGame::mainLoop()
{
    if (!level || level->cards.empty()) {
        // A level with nothing on the table would count as cleared: it is not played.
        media::reportLine((level ? level->path : std::string("(no level)"))
                          + ": holds no table cards; it is not played");
        return "MAIN-MENU";
    }
    ScreenScope running(this);
    prepare();
    while (true) {
        update();
        draw();
        endFrame(false);
        if (Gui && Gui->clickedItem("menu"))
            goMenu();
        _controlKEYBOARD();
        if (fadedOut())
            break;
    }
    finish();
    return wynik;
}

void TMainGame::finish()
{
    hideMusic();
    captions.clear();
    emitters.clear();
    particles.clear();
    flyingResources.clear();
}

void TMainGame::goMenu()
{
    // Whatever is in the air lands first, so the level is whole when it is taken up again.
    landAllFlights();
    landResources();
    landLongDriveStreams();
    if (hasProfile() && profile().tryb != "QUEST") {
        level->driveN = 0;
        level->driveMN = 1;
    }
    wynik = "MAIN-MENU";
    fade = dFade = 1;
}

void TMainGame::_controlKEYBOARD()
{
    if (!level)
        return;
    if (!cheatsOn) {
        // Until the in-game menu exists, Escape leaves for the title screen.
        if (media::input().keyHits(media::key::Escape) && state == "NORMAL")
            goMenu();
        return;
    }
    media::Input& input = media::input();
    using media::key::letter;
    if (input.keyHits(media::key::Space))
        prepare();
    if (input.keyHits(media::key::Escape))
        shell::endProcess(0);
    if (input.keyHits(media::key::F1)) {
        wynik = "RESTART-LEVEL";
        dFade = 1;
    }
    if (input.keyHits(letter('w')) && state == "NORMAL")
        END_LEVEL();
    if (input.keyHits(letter('q')))
        level->driveMN = static_cast<float>(multiplierTenths(level->driveMN) + 1) / 10.0f;
    if (input.keyHits(letter('a')))
        level->driveMN = static_cast<float>(multiplierTenths(level->driveMN) - 1) / 10.0f;
    if (input.keyHits(letter('i')))
        LongDrive_add();
    if (input.keyHits(letter('h'))) {
        level->driveN = 50;
        LongDrive_end();
    }
    for (int back = 0; back < 6; ++back) {
        if (input.keyHits(media::key::Digit0 + 1 + back))
            level->setRewers(back);
    }
}

// --- the plain presentation: the table, deck, spot, score, drive and multiplier

void TMainGame::drawText(media::Font& font, const std::string& text, float x, float y, int r, int g, int b,
                         float a)
{
    drawShadowedText(font, text, x, y, r, g, b, a);
}

void TMainGame::drawLabelledNumber(const std::string& label, const std::string& digits, float x, float y,
                                   float a)
{
    drawText(*scoreFont, label, x, y, 240, 232, 214, a);
    // The digits stand on the label's baseline; their strip is drawn from its top-centre.
    const float digitsX = x + scoreFont->textWidth(label) + 10 + CyfryFont::cellWidth / 2.0f;
    const float digitsY = y + static_cast<float>(scoreFont->ascent()) - 28;
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setAlpha(a);
    cyfry.drawDigits(digits, digitsX, digitsY);
    gfx.setAlpha(1);
}

void TMainGame::drawTable()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(22, 40, 34);
    gfx.drawRect(0, 0, 1024, 768);
    gfx.setBlend(media::Blend::Light);
    gfx.setColor(90, 130, 100);
    gfx.setAlpha(0.35f);
    gfx.setScale(4.5f, 3.2f);
    gfx.drawPicture(glow_, 512, 360);
    drawStandards();
}

void TMainGame::drawDeckAndSpot()
{
    media::Renderer& gfx = media::gfx();
    const CardGraphics& g = cardGraphics();
    drawStandards();
    gfx.setColor(12, 22, 18);
    gfx.setAlpha(0.55f + 0.2f * deckOverA);
    gfx.drawRect(level->deckHolderX, level->deckHolderY, 450, 170);
    drawStandards();
    float step = 13;
    float x = level->deckHolderX + 85;
    const auto back = static_cast<std::size_t>(std::clamp(level->numerRewersu, 0, 5));
    // The pile: the front card (turned next) lies on top, at the right.
    for (std::size_t i = 0; i < level->deck.size(); ++i) {
        x += step;
        step = std::max(0.0f, step - 0.8f);
        gfx.drawPicture(g.revers[back], x, level->deckY);
    }
    if (!level->deck.empty() && deckAlpha > 0) {
        TDim top = level->COUNT_firstDeckCardDim();
        gfx.setAlpha(deckAlpha);
        level->deck.front()->draw(top.x, top.y, 0, 0);
        gfx.setAlpha(1);
    }
    TDim spot = level->COUNT_spotDim();
    if (level->spot.size() >= 2)
        level->spot[level->spot.size() - 2]->draw(spot.x, spot.y, 0, 0);
    if (!level->spot.empty())
        level->spot.back()->draw(spot.x, spot.y, 0, 0);
    if (endHandA > 0) {
        media::Font& font = *endDriveFont;
        float w = font.textWidth(txtEndHand);
        drawText(font, txtEndHand, level->deckHolderX + 145 - w / 2 + 30, level->deckY - 12, 246, 214, 130,
                 endHandA);
    }
    if (level->driveN > 5 && endCAlpha > 0) {
        TDim top = level->COUNT_firstDeckCardDim();
        drawText(*endDriveFont, txtEndDrive, top.x - 40 + (level->deck.empty() ? 60.0f : 0.0f), top.y - 95,
                 255, 230, 160, endCAlpha);
    }
}

void TMainGame::drawHud()
{
    const float a = std::max(alpha, 0.0f);
    drawLabelledNumber(txtScore, std::to_string(static_cast<long long>(level->score)), 40, 28, a);
    drawLabelledNumber(txtDrive, std::to_string(level->driveN), 420, 28, a);
    // The multiplier's point would stand apart in the digit strip: it keeps the face.
    drawText(*scoreFont, txtMultiplier + " x" + oneDecimalText(level->driveMN), 720, 28, 246, 214, 130, a);
}

void TMainGame::draw()
{
    if (!level || !scoreFont)
        return; // nothing to show before a level, nor before setup()
    drawStandards();
    if (table_.empty())
        drawTable();
    else
        media::gfx().drawPicture(table_, 0, 0);
    for (const auto& card : level->cards)
        card->draw();
    drawDeckAndSpot();
    drawFlights();
    drawCaptions();
    drawHud();
    _drawGui();
    drawParticles();
    drawResources();
    drawStandards();
    _drawBlackFade();
    drawStandards();
}
