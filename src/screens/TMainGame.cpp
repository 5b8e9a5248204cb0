// TMainGame.cpp: the game screen: the deck and drives on screen, the states of a level, and
// everything the rules report shown as it happens.
#include "screens/TMainGame.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "cards/Cards.hpp"
#include "cards/SwordRack.hpp"
#include "cards/Swords.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "cards/TResource.hpp"
#include "cards/TSwordData.hpp"
#include "data/TextTables.hpp"
#include "effects/Captions.hpp"
#include "effects/LongDriveStreams.hpp"
#include "effects/ParticleKinds.hpp"
#include "gui/Fonts.hpp"
#include "gui/ShadowedText.hpp"
#include "gui/TButton.hpp"
#include "gui/TGui.hpp"
#include "gui/TMouse.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "rules/Trace.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Awards.hpp"
#include "screens/Frame.hpp"
#include "screens/TLevelEndScreen.hpp"
#include "screens/TObjectivesDone.hpp"
#include "screens/TOptions.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TTutorial.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <utility>

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

// Before a deal, the player's aids in force: "frame=<n> event=aids items=<powers, by commas>
// undos=<allowance>" (nothing without aids).
void traceAids(std::ostream& trace, long long frame)
{
    const TProfile* p = player();
    if (!p)
        return;
    std::string powers;
    for (const TShopItem& item : p->items) {
        if (item.pwrID.empty())
            continue;
        powers += (powers.empty() ? "" : ",") + item.pwrID;
    }
    if (!powers.empty())
        trace << "frame=" << frame << " event=aids items=" << powers << " undos=" << p->undos << '\n';
}

// A point as the rules' flights take it: whole pixels.
float whole(float v)
{
    return static_cast<float>(static_cast<int>(v));
}
} // namespace

const char* stateName(GameState state)
{
    switch (state) {
    case GameState::Begin: return "BEGIN";
    case GameState::Normal: return "NORMAL";
    case GameState::WaitForCaption1: return "WAIT-FOR-CAPTION1";
    case GameState::WaitForCaption: return "WAIT-FOR-CAPTION";
    case GameState::Perfect: return "PERFECT";
    case GameState::Perfect2: return "PERFECT-2";
    case GameState::Perfect3: return "PERFECT-3";
    case GameState::Caption: return "CAPTION";
    case GameState::End: return "END";
    }
    return "";
}

TMainGame& mainGame()
{
    return *base::program().mainGame;
}

TMainGame::TMainGame()
{
    id = "MAIN-GAME";
}

TMainGame::~TMainGame() = default;

void TMainGame::setup()
{
    glow_ = base::program().whiteImage;
    glow_.midHandle();
    // The table is drawn once and kept as a picture: a full-screen glow every frame is costly.
    media::gfx().cls();
    drawTable();
    table_ = media::gfx().grabFrame(0, 0, 1024, 768, media::Filtered);
    media::gfx().cls();
    summary_ = std::make_unique<TLevelEndScreen>();
    summary_->setup();
    _setupFontsAndText();
    hud_.setup(txtEndHand);
    Gui = loadGui("gfx/gui/mainGame/mainGame.gui");
}

void TMainGame::_setupFontsAndText()
{
    const TTxtFile texts = loadTextTable("txt/#LANG#/mainGame.txt");
    txtMultiplier = media::text::trim(getText(texts, 1));
    txtDrive = media::text::trim(getText(texts, 2));
    txtScore = media::text::trim(getText(texts, 3));
    txtEndHand = media::text::trim(getText(texts, 4));
    txtEndDrive = media::text::trim(getText(texts, 5));
    txtUndo = media::text::trim(getText(texts, 8));
    stageTitles_ = loadTextTable("txt/#LANG#/stagesNames.txt");
}

void TMainGame::setLevel(std::shared_ptr<TLevel> newLevel)
{
    // What flew, glowed and waited over the old level goes before the old level does.
    play_.reset();
    taken_.reset();
    drivesEnded_.clear();
    level = std::move(newLevel);
    if (!level)
        return;
    const TProfile* p = player();
    rules::Layout layout = p ? p->layoutFor(*level) : layoutOf(*level);
    FlightHost& flightHost = *this;
    ResourceHost& resourceHost = *this;
    play_ = std::make_unique<LevelInPlay>(*level, std::move(layout), flightHost, resourceHost);
    play_->flights.numerRewersu = level->numerRewersu;
    play_->effects.driveLightArrived = [this](const TEmitter& light, bool waves) {
        driveLightArrived(light, waves);
    };
    play_->board.setListener(this);
    play_->board.deal();
    showFaces();
    syncLevel();
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

// --- what the rules report

void TMainGame::onEvent(const rules::Event& event, const rules::Board& board)
{
    auto* trace = base::program().trace.get();
    // An undo is told of when its way back has landed.
    if (trace && event.kind == rules::EventKind::Deal)
        traceAids(*trace, base::program().framesEnded + 1);
    if (trace && event.kind != rules::EventKind::Undo) {
        std::string line = rules::traceLine(base::program().framesEnded + 1, event, board);
        if (!line.empty())
            *trace << line << '\n';
    }
    using rules::EventKind;
    switch (event.kind) {
    case EventKind::Refuse:
        play_->cardOf(event.slot).negA = 1;
        playMySound("bad");
        break;
    case EventKind::Take: showTake(event); break;
    case EventKind::Uncover: showUncover(event); break;
    case EventKind::HammerLeave: showHammerLeave(event); break;
    case EventKind::RocksOpen: level->utrudnienie1Odblokowane = 1; break;
    case EventKind::SwordPick: showSwordPick(event); break;
    case EventKind::Play: showPlay(event); break;
    case EventKind::Deck: showDeck(event); break;
    case EventKind::DeckSword: showDeckSword(event); break;
    case EventKind::DriveEnd: showDriveEnd(event); break;
    case EventKind::Multiplier: showMultiplier(event); break;
    case EventKind::LevelEnd: showLevelEnd(event); break;
    case EventKind::Undo: showUndo(event); break;
    case EventKind::SwordUse: showSwordUse(event); break;
    case EventKind::Deal:
    case EventKind::Coin: // its glitter and sound come with the resource itself
        break;
    }
}

void TMainGame::syncLevel()
{
    const rules::Board& board = play_->board;
    level->score = static_cast<float>(board.score());
    level->driveN = board.driveN();
    level->driveMN = static_cast<float>(board.multiplierTenths()) / 10.0f;
    level->longestDrive = board.longestDrive();
    level->utrudnienie1Odblokowane = board.rocksUnlocked() ? 1 : 0;
    level->pomWaterX = board.iceLine();
    for (int slot : board.tableOrder()) {
        TCard& card = play_->cardOf(slot);
        const rules::CardState& rule = board.card(slot);
        card.odkryta = rule.uncovered ? 1 : 0;
        card.utrudnienie1 = rule.rocks ? 1 : 0;
        card.utrudnienie3 = rule.snow ? 1 : 0;
    }
}

void TMainGame::showFaces()
{
    const rules::Board& board = play_->board;
    for (int slot : board.tableOrder()) {
        TCard& card = play_->cardOf(slot);
        const rules::CardState& rule = board.card(slot);
        // A card an aid shows turns up of its own accord once play begins.
        if (!rule.forced || rule.uncovered)
            card.side = rule.faceUp ? 1 : 0;
        card.odkryta = rule.uncovered ? 1 : 0;
    }
}

void TMainGame::showTake(const rules::Event& event)
{
    TCard& card = play_->cardOf(event.slot);
    const TDim spot = level->COUNT_spotDim();
    const bool column =
        std::find(level->columns.begin(), level->columns.end(), &card) != level->columns.end();
    // Off the table first, so the undo record holds the card itself; nothing is seen between.
    taken_ = level->takeOffTable(card);
    play_->undo.recordCardPlayed(before(), taken_, spot).wasColumn = column;
    ParticleList& particles = play_->effects.particles;
    if (card.utrudnienie2) {
        generateWaterParticles(particles, card.x, card.y);
        playMySound("plusk");
        if (event.lastIce) {
            showCaption(play_->effects.captions, 17, 512, 384, 3000);
            playMySound("rocks-uncover");
        }
    }
    if (event.hadRocks)
        generateRockParticles(particles, card.x, card.y);
}

void TMainGame::showUncover(const rules::Event& event)
{
    TCard& card = play_->cardOf(event.slot);
    if (event.turned)
        card.showUp(play_->effects.particles);
    else
        card.odkryta = 1;
}

void TMainGame::showHammerLeave(const rules::Event& event)
{
    TCard& card = play_->cardOf(event.slot);
    showCaption(play_->effects.captions, 16, 512, 384, 3000);
    playMySound("rocks-uncover");
    // Nothing done before the rocks open can be taken back.
    play_->undo.clear();
    const float fromX = card.x;
    const float fromY = card.y;
    // The flight keeps the card alive from here on.
    if (std::shared_ptr<TCard> taken = level->takeOffTable(card))
        play_->flights.startFlyOut(std::move(taken), fromX, fromY, fromX, 900, 0).ticket = event.ticket;
}

void TMainGame::showSwordPick(const rules::Event& event)
{
    TCard& card = play_->cardOf(event.slot);
    const bool column =
        std::find(level->columns.begin(), level->columns.end(), &card) != level->columns.end();
    std::shared_ptr<TCard> taken = level->takeOffTable(card);
    if (!taken)
        return;
    TDim target;
    target.x = 1200;
    target.y = 500;
    float angle = 0;
    if (!event.alreadyHeld) {
        // The sword flies to its place on the rack.
        TProfile* p = player();
        angle = p ? p->getSwordRotTemporary(*card.cd) : base::program().rackAngles.first;
        const TDim place = rack::point(angle, 0);
        target.x = place.x;
        target.y = place.y;
    }
    play_->undo.recordSwordPicked(before(), taken, swordDataById(card.cd->id), target).wasColumn = column;
    if (event.alreadyHeld) {
        // The player has this sword already: the card just leaves.
        TFlyingCard& f = play_->flights.startStandard(card, card.x, card.y, target.x, target.y, 0);
        f.ownedCard = taken;
    } else {
        play_->flights.startPickSword(taken, target.x, target.y).docelowyRot = angle;
    }
    if (card.res)
        releaseResource(std::move(card.res), card.x, card.y, event.columnCoin);
}

void TMainGame::showPlay(const rules::Event& event)
{
    const TDim spot = level->COUNT_spotDim();
    TCard& card = *taken_;
    play_->flights.startCardToSpot(taken_, whole(spot.x), whole(spot.y), 0);
    showDriveGrowth(event.driveBefore, event.driveBefore + 1);
    generateFlyToComboParticles(play_->effects.particles, card.x, card.y);
    if (event.driveCoin.ticket)
        releaseResource(std::make_unique<TResource>(1, event.driveCoin.amount), 843, 81, event.driveCoin);
    playMySound("card-fly-" + std::to_string(rnd(0, 1)));
    if (card.res)
        releaseResource(std::move(card.res), card.x, card.y, event.columnCoin);
    taken_.reset();
}

void TMainGame::showDriveGrowth(int before, int now)
{
    if (before == MIN_LONG_DRIVE)
        showCaption(play_->effects.captions, 14, 512, 200, 3000);
    if (now > MIN_LONG_DRIVE && dEndCAlpha == 0)
        playMySound("combo-start");
    dEndCAlpha = now > MIN_LONG_DRIVE ? 1.0f : 0.0f;
    if (TProfile* p = player()) {
        if (now > p->longestDrive) {
            p->longestDrive = now;
            level->newRecord = 1;
        }
    }
}

void TMainGame::showDeck(const rules::Event& event)
{
    TCardData* identity = level->deck.front();
    level->deck.erase(level->deck.begin());
    const TDim deckPoint = level->COUNT_firstDeckCardDim();
    const TDim spotPoint = level->COUNT_spotDim();
    (void)event;
    play_->undo.recordDeckCard(before(), identity, spotPoint, deckPoint);
    play_->flights.startDeckToSpot(identity, deckPoint.x, deckPoint.y, spotPoint.x, spotPoint.y, 0);
}

void TMainGame::showDeckSword(const rules::Event& event)
{
    TCardData* identity = level->deck.front();
    level->deck.erase(level->deck.begin());
    const TDim deckPoint = level->COUNT_firstDeckCardDim();
    // A sword from the deck goes to the rack, not to the spot; the drive goes on.
    auto card = std::make_shared<TCard>();
    card->cd = identity;
    card->side = 1;
    card->x = deckPoint.x;
    card->y = deckPoint.y;
    if (event.alreadyHeld) {
        play_->flights.startPickSwordFly(card);
    } else {
        TProfile* p = player();
        TFlyingCard& f = play_->flights.startPickSword(card, static_cast<float>(swordShowX),
                                                       static_cast<float>(swordShowY));
        f.docelowyRot = p ? p->getSwordRotTemporary(*identity) : 0;
    }
}

void TMainGame::showDriveEnd(const rules::Event& event)
{
    hud_.remDriveN = event.length;
    // The awards look at it once the move is over (an announcement runs frames of its own).
    drivesEnded_.push_back(event.length);
    if (event.ticket) {
        const TDim from = level->COUNT_firstDeckCardDim();
        startLongDriveStream(play_->effects, event.length, event.ticket, from.x, from.y);
        playMySound("end-combo");
    }
    guiMouse().clear();
}

void TMainGame::showMultiplier(const rules::Event& event)
{
    const rules::Board& board = play_->board;
    if (TProfile* p = player())
        p->multiplier = std::max(p->multiplier, static_cast<float>(board.multiplierTenths()) / 10.0f);
    if (event.maximumReached) {
        waitForCaption1();
        showSpecCaption(play_->effects.captions, board.items().maxMultiplierTenths >= 70 ? 12 : 11, 512, 384,
                        4000);
    }
}

void TMainGame::showLevelEnd(const rules::Event& event)
{
    const rules::LevelEnd& figures = event.figures;
    pomDeckCardsLeft = figures.deckLeft;
    TProfile* p = player();
    for (const auto& card : level->cards) {
        if (isMagicCard(*card) && card->cd->notFound == 1 && p)
            p->addAwaitingMagicCard(card->cd);
    }
    deckCardsFlyOut();
    if (p)
        p->UPDATE_levelAndStage(
            {.score = static_cast<int>(std::clamp<long long>(figures.recorded, INT_MIN, INT_MAX)),
             .cardsLeft = figures.cardsLeft,
             .multiplier = static_cast<float>(play_->board.multiplierTenths()) / 10.0f,
             .longestDrive = play_->board.longestDrive()});
    const int n = figures.cardsLeft;
    if (n == 0) {
        showCaption(play_->effects.captions, 10, 512, 384, 2000);
        setState(GameState::Perfect);
        playMySound("end-level-perfect");
    } else if (n <= 4) {
        showCaption(play_->effects.captions, n - 1, 512, 384, 2000);
        setState(GameState::Caption);
        playMySound("end-level-normal");
    } else {
        playMySound("end-level-normal");
        setState(GameState::End);
    }
}

void TMainGame::releaseResource(std::unique_ptr<TResource> resource, float x, float y,
                                const rules::Coin& coin)
{
    resource->x = x;
    resource->y = y;
    resource->ticket = coin.ticket;
    play_->resources.addResource(std::move(resource));
}

// --- the rack

bool TMainGame::swordOnItsWay() const
{
    if (clickedSword)
        return true;
    return play_
           && std::any_of(play_->flights.flyingCards.begin(), play_->flights.flyingCards.end(),
                          [](const auto& f) { return f->typ == FlightKind::SwordToDeck; });
}

bool TMainGame::movesWait() const
{
    return undoInFlight_ || undoRequested_ || swordOnItsWay();
}

void TMainGame::useSword(int id)
{
    if (!play_ || movesWait())
        return;
    play_->board.useSword(id);
    syncLevel();
}

void TMainGame::showSwordUse(const rules::Event& event)
{
    TProfile* p = player();
    const TSwordData* data = swordDataById(event.card.id);
    TSword* sword = p && data && data->cd ? p->getMySwordBySeqN(data->cd->seqN) : nullptr;
    if (!sword || !data)
        return;
    const TDim spot = level->COUNT_spotDim();
    TDim show;
    show.x = static_cast<float>(swordShowX);
    show.y = static_cast<float>(swordShowY);
    // Recorded now, with the figures from before the drive grew by the sword.
    play_->undo.recordSwordUsed(before(), spot, show, *data);
    for (int i = 0; i < 250; ++i)
        particleSwordSparkle(play_->effects.particles, sword->dim.x, sword->dim.y, rnd(0, 1000));
    sword->da = 0;
    // A sword goes on with the drive without a caption, coin or record of its own; when it makes
    // the drive long, the sign over the deck still says a click there cashes the drive in.
    if (play_->board.driveN() > MIN_LONG_DRIVE)
        dEndCAlpha = 1;
    clickedSword = event.card.id;
    overSword = 0;
    playMySound("use-wildcard");
}

void TMainGame::_update_swords()
{
    TProfile* p = player();
    if (!p)
        return;
    overSword = 0;
    for (const TSword& sword : p->swords) {
        if (sword.sd && sword._updateOver())
            overSword = sword.sd->id;
    }
    if (clickedSword)
        overSword = 0;
    for (TSword& sword : p->swords) {
        const int id = sword.sd ? sword.sd->id : 0;
        sword.update(id != 0 && id == overSword, id != 0 && id == clickedSword);
        if (std::find(swordsComingBack.begin(), swordsComingBack.end(), id) != swordsComingBack.end()) {
            // Hidden at its place, fully out, until the sword flying back reaches it.
            sword.a = sword.da = 0;
            sword.dodOdl = 130;
        }
    }
    if (overSword && guiMouse().leftPressed)
        useSword(overSword);
    _update_clickedSword();
}

void TMainGame::_update_clickedSword()
{
    TProfile* p = player();
    if (!clickedSword || !p)
        return;
    const TSwordData* data = swordDataById(clickedSword);
    TSword* sword = data && data->cd ? p->getMySwordBySeqN(data->cd->seqN) : nullptr;
    if (!sword) {
        clickedSword = 0;
        return;
    }
    if (sword->dodOdl < 130)
        return;
    const TDim spot = level->COUNT_spotDim();
    play_->flights.startSwordToDeck(data->cd, sword->dim.x, sword->dim.y, whole(spot.x), whole(spot.y), 0);
    p->removeSwordById(clickedSword);
    p->countSwordsPosition();
    clickedSword = 0;
}

void TMainGame::_drawSwords()
{
    if (const TProfile* p = player()) {
        for (const TSword& sword : p->swords)
            sword.draw();
    }
    drawStandards();
}

// --- taking moves back

UndoHistory::Before TMainGame::before() const
{
    return {static_cast<long long>(level->score), level->driveN, level->driveMN};
}

bool TMainGame::undoAllowed() const
{
    if (!play_ || state != GameState::Normal || undoInFlight_ || taken_ || clickedSword)
        return false;
    const LevelInPlay& play = *play_;
    // A coin or a drive's light landing after the figures were put back would count twice; a
    // card in the air would land on a spot that no longer expects it.
    return play.board.canUndo() && !play.undo.empty() && play.flights.flyingCards.empty()
           && play.resources.empty() && !longDriveStreamsPending(play.effects);
}

void TMainGame::undoPaid()
{
    TProfile* p = player();
    if (!p || p->undos <= 0 || !undoAllowed())
        return;
    p->undos -= 1;
    play_->board.undo();
    syncLevel();
}

void TMainGame::undoFree()
{
    if (!play_)
        return;
    if (!undoAllowed()) {
        // The developer key waits for what moves to land, and no move is taken meanwhile.
        undoRequested_ = !play_->undo.empty() && state == GameState::Normal;
        return;
    }
    undoRequested_ = false;
    play_->board.undo();
    syncLevel();
}

void TMainGame::_updateUndoRequest()
{
    if (!undoRequested_)
        return;
    if (play_->undo.empty() || (state != GameState::Normal && state != GameState::WaitForCaption))
        undoRequested_ = false;
    else if (undoAllowed())
        undoFree();
}

void TMainGame::showUndo(const rules::Event& event)
{
    std::unique_ptr<TZdarzenie> e = play_->undo.takeLast();
    if (!e)
        return;
    undoInFlight_ = event;
    // The long-drive sign follows the drive put back.
    dEndCAlpha = play_->board.driveN() > MIN_LONG_DRIVE ? 1.0f : 0.0f;
    pendingDeckTurn = false;
    const bool fromSpot = event.undone != rules::UndoKind::SwordPicked;
    if (fromSpot && !level->spot.empty())
        level->spot.pop_back();
    TFlyingCard* way = nullptr;
    switch (event.undone) {
    case rules::UndoKind::CardPlayed:
    case rules::UndoKind::SwordPicked: {
        std::shared_ptr<TCard> card = e->c;
        if (!card)
            break;
        if (e->hadResource && !card->res)
            card->res = std::make_unique<TResource>(e->resourceType, e->resourceAmount);
        // Back where it lay in the stacking order, as the rules hold it (it was free when it
        // left, so nothing it overlaps lies above it either way).
        const int slot = event.slot;
        auto at = std::find_if(level->cards.begin(), level->cards.end(),
                               [&](const auto& c) { return play_->slotOf(*c) > slot; });
        level->cards.insert(at, card);
        if (e->wasColumn)
            level->columns.push_back(card.get());
        if (event.undone == rules::UndoKind::CardPlayed) {
            TCardData* id = card->cd;
            TProfile* p = player();
            // A magic card found in this very play is lost again; one found in an earlier level stays.
            if (id && id->isMagic() && id->newMagicCard == 1 && id->notFound == 0 && p
                && p->getMagicCard(id->id)) {
                p->magicCards.erase(std::remove(p->magicCards.begin(), p->magicCards.end(), id),
                                    p->magicCards.end());
                p->foundMagicCardsN = std::max(0, p->foundMagicCardsN - 1);
                id->notFound = 1;
            }
            way = &play_->flights.startStandard(*card, e->xStart, e->yStart, e->xEnd, e->yEnd, 0);
        } else {
            // The rack gives the sword up, unless the player held one before the pick-up.
            if (TProfile* p = player(); p && card->cd) {
                const int id = card->cd->id;
                const auto& rack = play_->board.rack();
                if (std::none_of(rack.begin(), rack.end(),
                                 [id](const rules::Identity& r) { return r.id == id; })) {
                    p->removeSwordById(id);
                    p->countSwordsPosition();
                }
            }
            way = &play_->flights.startSwordToCard(*card, e->xStart, e->yStart, e->xEnd, e->yEnd);
        }
        showFaces();
        break;
    }
    case rules::UndoKind::DeckCard:
        way = &play_->flights.startSpotToDeck(e->cd, e->xStart, e->yStart, e->xEnd, e->yEnd, 0);
        way->moveToDeck = 1;
        break;
    case rules::UndoKind::SwordUsed: way = returnSwordToRack(*e); break;
    }
    if (way)
        way->takesBack = true;
    else
        undoLanded();
    playMySound("card-fly-" + std::to_string(rnd(0, 1)));
}

TFlyingCard* TMainGame::returnSwordToRack(const TZdarzenie& e)
{
    TProfile* p = player();
    if (!p || !e.cd)
        return nullptr;
    std::optional<TSword> sword = newSwordForCard(*e.cd, 0);
    if (!sword)
        return nullptr;
    // Back in its rank's place at once, hidden and fully out until the flight reaches it.
    p->swords.push_back(*sword);
    p->countSwordsPosition();
    TSword* back = p->getMySwordBySeqN(e.cd->seqN);
    if (!back)
        return nullptr;
    back->rot = back->dRot;
    back->a = back->da = 0;
    back->dodOdl = 130;
    back->_updatePosition();
    swordsComingBack.push_back(e.cd->id);
    const std::optional<TDim> place = p->getSwordDim(*back);
    const TDim to = place.value_or(back->dim);
    return &play_->flights.startDeckToSword(e.cd, e.xStart, e.yStart, to.x, to.y, to.w);
}

void TMainGame::undoLanded()
{
    if (!undoInFlight_)
        return;
    if (auto* trace = base::program().trace.get()) {
        std::string line = rules::traceLine(base::program().framesEnded + 1, *undoInFlight_, play_->board);
        if (!line.empty())
            *trace << line << '\n';
    }
    undoInFlight_.reset();
}

// --- what lands

void TMainGame::flightLanded(TFlyingCard& flight)
{
    TCardData* id = flight.shownIdentity();
    switch (flight.typ) {
    case FlightKind::FromDeckToSpot:
        if (id)
            level->spot.push_back(id);
        break;
    case FlightKind::CardToSpot:
        if (id && (level->spot.empty() || level->spot.back() != id))
            level->spot.push_back(id);
        if (id && id->isMagic() && id->notFound == 1) {
            id->notFound = 0;
            if (hasProfile())
                profile().addMagicCard(id);
            showCaption(play_->effects.captions, 13, 512, 384, 3000);
            playMySound("rocks-uncover");
        }
        break;
    case FlightKind::SwordToDeck:
        if (id)
            level->spot.push_back(id);
        play_->hint.restart();
        break;
    default: break;
    }
    if (flight.moveToDeck && id)
        level->deck.insert(level->deck.begin(), id);
    if (flight.typ == FlightKind::DeckToSword && id) {
        std::erase(swordsComingBack, id->id);
        if (TProfile* p = player()) {
            if (TSword* sword = p->getMySwordBySeqN(id->seqN)) {
                sword->a = sword->da = 1;
                sword->dodOdl = 130;
            }
        }
    }
    if (flight.takesBack) {
        // The rules laid the table back exactly as it was: only the picture follows them.
        syncLevel();
        undoLanded();
    } else if (flight.levelCheck) {
        play_->board.CHECK_Cover(1);
        syncLevel();
    }
}

void TMainGame::rocksOpen(TFlyingCard& flight)
{
    play_->board.land(flight.ticket);
    syncLevel();
}

void TMainGame::swordRacked(TFlyingCard& flight)
{
    if (flight.card && flight.card->cd && hasProfile())
        profile().addSwordToRack(*flight.card->cd, flight.docelowyRot);
    for (int i = 0; i < 250; ++i)
        particleSwordSparkle(play_->effects.particles, flight.x, flight.y, media::random().rand(0, 1000));
}

void TMainGame::resourceArrived(TResource& resource)
{
    play_->board.land(resource.ticket);
    syncLevel();
    zatrzas();
}

void TMainGame::zatrzas()
{
    if (play_)
        hud_.zatrzas(play_->effects.particles);
}

void TMainGame::driveLightArrived(const TEmitter& light, bool waves)
{
    play_->board.land(light.ticket);
    syncLevel();
    if (waves)
        comboWaves(play_->effects, getComboDim().x, getComboDim().y);
}

// --- rules

int TMainGame::checkSequence(const TCardData* a, const TCardData* b)
{
    if (!a || !b)
        return 0; // nothing on the spot: nothing can follow
    return rules::checkSequence(a->seqN, b->seqN);
}

TCardData* TMainGame::getFirstCard() const
{
    if (!play_)
        return nullptr;
    std::optional<rules::Identity> first = play_->board.spotCard();
    return first ? cardDataById(first->id) : nullptr;
}

void TMainGame::useCard(TCard& card)
{
    const int slot = play_ ? play_->slotOf(card) : -1;
    if (slot < 0 || !card.cd)
        return;
    // A sword is picked up; any other card is played, or refused with a red flash.
    const bool sword = card.cd->isSword();
    const bool played = play_->board.play(slot);
    syncLevel();
    if (played && !sword)
        play_->hint.restart();
}

// --- deck and drives

void TMainGame::LongDrive_add()
{
    const int before = play_->board.driveN();
    play_->board.LongDrive_add();
    syncLevel();
    showDriveGrowth(before, play_->board.driveN());
}

void TMainGame::LongDrive_end()
{
    play_->board.LongDrive_end();
    syncLevel();
}

void TMainGame::addDeckCard()
{
    play_->hint.clear();
    if (level->deck.empty() && endHandA < 1)
        return;
    _prepareDeckCard();
    guiMouse().clear();
    playMySound("deck-card");
    play_->hint.clear();
}

void TMainGame::_prepareDeckCard()
{
    if (level->deck.empty()) {
        dAlpha = 0;
        END_LEVEL();
        return;
    }
    deckAlpha = dDeckAlpha = 0;
    deckCardOver = 0;
    play_->board.turnDeck();
    syncLevel();
}

TDim TMainGame::deckArea() const
{
    const media::Size holder{450, 170};
    TDim d;
    d.x = whole(level->deckHolderX + 50);
    d.y = whole(level->deckHolderY + 25);
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
    if (deckOver && mouse.leftPressed && !movesWait()) {
        TProfile* p = player();
        if (p && p->deckWaitsForPlayableCards() && !goodCards.empty()) {
            // The lesson of this level: play the card first; the deck turns nothing, and the
            // tutorial tells why.
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
        dDeckOverA = (runesOfEldmere && playable) ? 0.0f : 1.0f;
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
        TFlyingCard& f = play_->flights.startDeckToOut(level->deck.front(), x, y, 700, -200, delay);
        f.mx = 0;
        f.my = 300;
        level->deck.erase(level->deck.begin());
        delay -= 100;
    }
}

void TMainGame::END_LEVEL()
{
    // Coins and drive lights still on their way are counted now: the score is recorded below.
    play_->resources.landResources();
    landLongDriveStreams(play_->effects);
    const rules::LevelEnd figures = play_->board.endLevel();
    syncLevel();
    if (figures.perfect) {
        celebratePerfect(play_->effects, 1);
        waitTime = now() + 1000;
    }
    resultLine_ = resultText(level->path, figures, level->longestDrive);
    std::printf("%s\n", resultLine_.c_str());
    std::fflush(stdout);
}

std::string TMainGame::resultText(const std::string& path, const rules::LevelEnd& figures, int longestDrive)
{
    return "level " + path + " score " + std::to_string(figures.recorded) + " cards-left "
           + std::to_string(figures.cardsLeft) + " deck-left " + std::to_string(figures.deckLeft)
           + " longest-drive " + std::to_string(longestDrive);
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
    play_->hint.update();
}

void TMainGame::_update_cardOver()
{
    over = nullptr;
    showedCards.clear();
    goodCards.clear();
    const bool hintLevel = hasProfile() && profile().hintLevel();
    TCardData* first = getFirstCard();
    // The topmost card under the pointer is the one pointed at, and it lights up only when it
    // may be played on the spot card; decided before the cards take their frame.
    for (const auto& card : level->cards) {
        if (card->pointerOver())
            over = card.get();
    }
    for (const auto& card : level->cards)
        card->dOverA = (card.get() == over && checkSequence(card->cd, first)) ? 1.0f : 0.0f;
    for (const auto& card : level->cards) {
        card->update(card.get() == over);
        if (card->side == 1 && card->odkryta) {
            showedCards.push_back(card.get());
            if (hintLevel && checkSequence(card->cd, first))
                goodCards.push_back(card.get());
        }
    }
    if (!over)
        return;
    if (cheatsOn && media::input().keyHits(media::key::letter('e'))) {
        over->changeToSword();
        if (over->cd)
            play_->board.setIdentity(play_->slotOf(*over), {over->cd->id, over->cd->seqN});
    }
    if (guiMouse().leftPressed && !movesWait())
        useCard(*over);
}

void TMainGame::_updateUndo()
{
    // With no undos left, or nothing to take back, the button slides away to the left edge and
    // goes inactive once it is there.
    const TProfile* p = player();
    const int undos = p ? p->undos : 0;
    dUndoA = (undos != 0 && !play_->undo.empty()) ? 1.0f : 0.0f;
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
    // The rules' deck: a card on its way back to the deck takes the end hand away at once.
    if (play_->board.deck().empty() && level->driveN < 6) {
        dEndHandA = 1;
    } else {
        dEndHandA = 0;
        endHandA = 0;
    }
    approach(endHandA, dEndHandA, 0.05f);
}

void TMainGame::_updateDeckHelpA()
{
    // The deck pulses while no table card can be played (on the hint levels, where it shows), and
    // the end hand while nothing at all is left to play.
    const bool hints = hasProfile() && profile().hintLevel();
    if (!goodCards.empty() || !hints) {
        dDeckHelpA = 0;
        approach(deckHelpA, dDeckHelpA, 0.05f);
    } else {
        if (deckHelpA == dDeckHelpA)
            dDeckHelpA = dDeckHelpA > 0.5f ? 0.0f : 1.0f;
        approach(deckHelpA, dDeckHelpA, 0.05f);
    }
    if (!goodCards.empty() || !level->deck.empty()) {
        dEndA = 0;
    } else if (endA == dEndA) {
        dEndA = dEndA > 0.5f ? 0.0f : 1.0f;
    }
    approach(endA, dEndA, 0.05f);
}

void TMainGame::_updateMouseLook()
{
    if ((over && over->dOverA == 1) || deckCardOver)
        guiMouse().setCursor("over");
}

// --- states

void TMainGame::waitForCaption()
{
    setState(GameState::WaitForCaption);
    waitingTime = now() + 3000;
}

void TMainGame::waitForCaption1()
{
    // Only play pauses for the celebration; a level that is ending goes on ending.
    if (state == GameState::Normal)
        setState(GameState::WaitForCaption1);
}

void TMainGame::_update_STATE_begin()
{
    if (!play_->flights.flyingCards.empty())
        return;
    setState(GameState::Normal);
    dAlpha = 1;
    showCaption(play_->effects.captions, 15, 512, 300, 2000).pSpeed = 0.02f;
    play_->board.beginPlay();
    syncLevel();
    // The swords picked up as play begins cannot be taken back.
    play_->undo.clear();
}

void TMainGame::_update_STATE_normal()
{
    _update_cardOver();
    if (state != GameState::Normal)
        return;
    _update_deckOver();
    if (state != GameState::Normal)
        return;
    _update_swords();
    _update_time();
    _update_hint();
    if (level->cards.empty() && play_->flights.flyingCards.empty())
        END_LEVEL();
}

void TMainGame::_update_STATE_wait_for_caption1()
{
    celebrateMaximum(play_->effects);
    waitForCaption();
}

void TMainGame::_update_STATE_wait_for_caption()
{
    if (now() > waitingTime)
        setState(GameState::Normal);
}

void TMainGame::_update_STATE_perfect()
{
    if (now() > waitTime) {
        waitTime = now() + 1500;
        celebratePerfect(play_->effects, 2);
        setState(GameState::Perfect2);
    }
}

void TMainGame::_update_STATE_perfect2()
{
    if (now() > waitTime) {
        waitTime = now() + 1500;
        celebratePerfect(play_->effects, 3);
        setState(GameState::Perfect3);
    }
}

void TMainGame::_update_STATE_perfect3()
{
    if (guiMouse().leftPressed || (play_->effects.captions.empty() && now() > waitTime)) {
        _checkPerfectAwards();
        setState(GameState::End);
    }
}

void TMainGame::_checkDriveAwards()
{
    if (drivesEnded_.empty())
        return;
    const std::vector<int> lengths = std::exchange(drivesEnded_, {});
    for (int length : lengths) {
        if (hasProfile())
            giveAwards(driveEndAwards(awardIds(profile()), length), this);
    }
}

void TMainGame::_checkPerfectAwards()
{
    if (hasProfile())
        giveAwards(perfectAwards(awardIds(profile()), profile().countPerfects()), this);
}

void TMainGame::_update_STATE_caption()
{
    dAlpha = 0;
    if (guiMouse().leftPressed || play_->effects.captions.empty())
        setState(GameState::End);
}

void TMainGame::_update_STATE_end()
{
    const std::string result = summary_ ? summary_->mainLoop(*this) : "";
    wynik = (result == "MAPA" || result == "LOSE-STAGE") ? result : "GET-NEXT-LEVEL";
    fade = dFade = 1;
}

void TMainGame::_updateState()
{
    switch (state) {
    case GameState::Begin: _update_STATE_begin(); break;
    case GameState::Normal: _update_STATE_normal(); break;
    case GameState::WaitForCaption1: _update_STATE_wait_for_caption1(); break;
    case GameState::WaitForCaption: _update_STATE_wait_for_caption(); break;
    case GameState::Perfect: _update_STATE_perfect(); break;
    case GameState::Perfect2: _update_STATE_perfect2(); break;
    case GameState::Perfect3: _update_STATE_perfect3(); break;
    case GameState::Caption: _update_STATE_caption(); break;
    case GameState::End: _update_STATE_end(); break;
    }
}

void TMainGame::update()
{
    beginFrame();
    // A drive the last frame's deck turn ended is rewarded before anything else goes on.
    _checkDriveAwards();
    // Set again only by a refused deck click of this frame.
    kartaPominieta = 0;
    _updateState();
    _checkDriveAwards();
    if (state == GameState::Normal)
        _updateObjectives();
    play_->flights.updateFlights();
    play_->effects.updateEmitters();
    play_->effects.updateParticles();
    play_->effects.updateCaptions();
    play_->resources.updateResources();
    _updateUndoRequest();
    _updateEndA();
    _updateDeckHelpA();
    _updateFade();
    _updateAlpha();
    _updateUndo();
    _updateGUI();
    hud_.update(hudFigures());
    _updateMouseLook();
    updateTutorial(*this);
}

void TMainGame::updateMovingParts()
{
    if (!play_)
        return;
    play_->flights.updateFlights();
    play_->effects.updateEmitters();
    play_->effects.updateParticles();
    play_->effects.updateCaptions();
    play_->resources.updateResources();
}

bool TMainGame::calm() const
{
    if (state != GameState::Normal || !play_)
        return false;
    const LevelInPlay& play = *play_;
    const bool nothingInTheAir = play.flights.flyingCards.empty() && play.resources.empty()
                                 && play.effects.particles.empty() && play.effects.emitters.empty()
                                 && play.effects.captions.empty() && !taken_;
    const bool settled = fade == dFade && alpha == dAlpha && endCAlpha == dEndCAlpha && endHandA == dEndHandA
                         && deckOverA == dDeckOverA && deckAlpha == dDeckAlpha && undoA == dUndoA;
    return nothingInTheAir && settled;
}

void TMainGame::pauseEffects()
{
    if (play_)
        play_->effects.pauseAll();
}

void TMainGame::resumeEffects()
{
    if (play_)
        play_->effects.resumeAll();
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
        play_->flights.startStandard(*card, -200, static_cast<float>(rnd(-100, 868)), card->x, card->y,
                                     20 * k++);
    }
}

void TMainGame::_prepareBegin_2()
{
    int k = 0;
    for (const auto& card : level->cards) {
        resetLooks(*card);
        play_->flights.startStandard1(*card, card->x, static_cast<float>(rnd(-200, -120)), card->x, card->y,
                                      20 * k++);
    }
}

void TMainGame::_prepareBegin_3()
{
    int k = 0;
    for (const auto& card : level->cards) {
        resetLooks(*card);
        float fromX = card->x > 512 ? 1024 + card->x / 2 : -card->x / 2;
        play_->flights.startStandard1(*card, fromX, 768 + card->y / 2, card->x, card->y, 20 * k++);
    }
}

void TMainGame::_prepareBegin()
{
    play_->flights.clearFlights();
    play_->board.CHECK_Cover(1);
    showFaces();
    syncLevel();
    switch (rnd(1, 3)) {
    case 1: _prepareBegin_1(); break;
    case 2: _prepareBegin_2(); break;
    default: _prepareBegin_3(); break;
    }
}

void TMainGame::_prepareSelf()
{
    setState(GameState::Begin);
    fade = 1;
    dFade = 0;
    secondTime = now() + 1000;
    play_->undo.clear();
    if (TProfile* p = player())
        p->where = "MAIN-GAME";
    alpha = dAlpha = 0;
    deckAlpha = dDeckAlpha = 0;
    deckHelpA = dDeckHelpA = 0;
    endA = dEndA = 0;
    undoInFlight_.reset();
    undoRequested_ = false;
    clickedSword = overSword = 0;
    swordsComingBack.clear();
    hud_.reset();
    endHandA = dEndHandA = 0;
    endCAlpha = dEndCAlpha = 0;
    pendingDeckTurn = false;
    playMySound("cards-move");
    if (level->soundID < 1)
        level->soundID = 1;
    playLevelSound(level->soundID);
    runesOfEldmere = owns("HINT") ? 1 : 0;
    play_->hint.shown = (hasProfile() && profile().hintLevel()) || runesOfEldmere;
    wynik.clear();
    resultLine_.clear();
    objectiveAchieved = summary_ ? summary_->getObjectivesTab(*this) : std::vector<int>{};
    objectivesTime = now() + 500;
}

void TMainGame::_updateObjectives()
{
    // A caption on screen has the stage to itself: the goals wait for it to go.
    if (!summary_ || now() < objectivesTime || !play_ || !play_->effects.captions.empty())
        return;
    for (std::size_t i = 0; i < objectiveAchieved.size(); ++i) {
        if (objectiveAchieved[i] == 0 && summary_->objectiveAchieved1(*this, static_cast<int>(i)) == 1) {
            // Announced once: the flag keeps it from being announced again in this level or
            // at its end.
            summary_->objectivesScreen().mainloop(*this, static_cast<int>(i));
            objectiveAchieved[i] = 1;
        }
    }
    objectivesTime = now() + 500;
}

void TMainGame::prepare()
{
    // Nothing of an earlier play of this level goes on into this one.
    play_->effects.emitters.clear();
    play_->effects.particles.clear();
    play_->resources.clear();
    _prepareBegin();
    // An empty spot takes the first deck card; swords at the front of the deck go to the rack.
    while (play_->board.spot().empty() && !level->deck.empty())
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
        if (Gui && Gui->clickedItem("undo"))
            undoPaid();
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
    play_->effects.captions.clear();
    play_->effects.emitters.clear();
    play_->effects.particles.clear();
    play_->resources.clear();
}

void TMainGame::settle()
{
    if (!play_ || !level)
        return;
    // Whatever is in the air lands first, so the level is whole when it is taken up again.
    play_->flights.landAllFlights();
    play_->resources.landResources();
    landLongDriveStreams(play_->effects);
    syncLevel();
}

void TMainGame::goMenu()
{
    base::Program& program = base::program();
    if (!program.options) {
        leaveForTitle();
        return;
    }
    const std::string answer = media::text::toUpper(program.options->mainLoop(this));
    if (answer == TOptions::restart) {
        wynik = "RESTART-LEVEL";
        dFade = 1;
    } else if (answer == TOptions::mainMenu) {
        leaveForTitle();
    } else {
        // Back to play: the time spent in the menu is no frame of the level.
        _prepareDelta();
    }
}

void TMainGame::leaveForTitle()
{
    settle();
    const rules::Board& board = play_->board;
    // The quest's record of the level takes it as it stands (a record made now is brought up
    // to date when the level is taken up again and finished).
    if (TProfile* p = player())
        p->UPDATE_levelAndStage(
            {.score = static_cast<int>(std::clamp<long long>(board.score(), INT_MIN, INT_MAX)),
             .cardsLeft = board.tableCount(),
             .multiplier = static_cast<float>(board.multiplierTenths()) / 10.0f,
             .longestDrive = board.longestDrive()});
    // The summary's total replaces that record and is credited (once per deal, however often
    // the level is left and taken up again).
    if (summary_)
        summary_->_prepareStats(*this, 0);
    if (hasProfile() && profile().tryb != "QUEST") {
        play_->board.resetDriveAndMultiplier();
        syncLevel();
    }
    wynik = "MAIN-MENU";
    fade = dFade = 1;
}

void TMainGame::_controlKEYBOARD()
{
    if (!level)
        return;
    if (!cheatsOn) {
        // Escape opens the menu during play.
        if (media::input().keyHits(media::key::Escape) && state == GameState::Normal)
            goMenu();
        return;
    }
    media::Input& input = media::input();
    using media::key::letter;
    if (input.keyHits(media::key::Space))
        prepare();
    if (input.keyHits(media::key::Escape))
        base::program().endProcess(0);
    if (input.keyHits(media::key::F1)) {
        wynik = "RESTART-LEVEL";
        dFade = 1;
    }
    if (input.keyHits(letter('w')) && state == GameState::Normal)
        END_LEVEL();
    if (input.keyHits(letter('q'))) {
        play_->board.addMultiplierTenths(1);
        syncLevel();
    }
    if (input.keyHits(letter('a'))) {
        play_->board.addMultiplierTenths(-1);
        syncLevel();
    }
    if (input.keyHits(letter('i')))
        LongDrive_add();
    if (input.keyHits(letter('z')))
        undoFree();
    // The rack's first angle (O, P) and its step (G, H), held down, for the rest of the run.
    base::RackAngles& rack = base::program().rackAngles;
    const float firstBefore = rack.first;
    const float stepBefore = rack.step;
    rack.first += (input.keyDown(letter('p')) ? 1.0f : 0.0f) - (input.keyDown(letter('o')) ? 1.0f : 0.0f);
    rack.step += (input.keyDown(letter('h')) ? 0.1f : 0.0f) - (input.keyDown(letter('g')) ? 0.1f : 0.0f);
    if ((rack.first != firstBefore || rack.step != stepBefore) && hasProfile())
        profile().setupAllSwords();
    if (input.keyHits(letter('t')))
        zatrzas();
    if (input.keyHits(letter('h'))) {
        play_->board.setDrive(50);
        LongDrive_end();
    }
    for (int back = 0; back < 6; ++back) {
        if (input.keyHits(media::key::Digit0 + 1 + back)) {
            level->setRewers(back);
            play_->flights.numerRewersu = back;
        }
    }
}

// --- the picture: the table, the deck and spot, the display around them

std::string TMainGame::levelNameText() const
{
    const TProfile* p = player();
    if (!p)
        return {};
    const auto title = [this](int stage) {
        return stage >= 1 && stage <= stageTitles_.lines() ? media::text::trim(getText(stageTitles_, stage))
                                                           : std::string();
    };
    if (p->tryb == "QUEST")
        return std::to_string(p->stageID) + " - " + std::to_string(p->levelID) + "   " + title(p->stageID);
    return std::to_string(p->freeLevelNumber) + " - " + std::to_string(p->freeStageNumber) + " "
           + title(p->freeStageNumber);
}

HudFigures TMainGame::hudFigures() const
{
    HudFigures f;
    f.alpha = std::max(alpha, 0.0f);
    if (!play_ || !level)
        return f;
    f.score = play_->board.score();
    f.driveN = play_->board.driveN();
    f.multiplierTenths = play_->board.multiplierTenths();
    f.levelName = levelNameText();
    f.deckCounter = owns("LICZNIK");
    f.deckCount = static_cast<int>(level->deck.size());
    return f;
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

void TMainGame::_drawDeck()
{
    media::Renderer& gfx = media::gfx();
    const CardGraphics& g = cardGraphics();
    drawStandards();
    gfx.drawPicture(hud_.guiDeckHolder[owns("LICZNIK") ? 0 : 1], level->deckHolderX, level->deckHolderY);
    // The end of the level, offered at the empty deck while no long drive waits to be cashed in.
    const float handX = static_cast<float>(static_cast<int>(level->deckHolderX + 110) + 35);
    const float handY = static_cast<float>(static_cast<int>(level->deckY - hud_.endH / 2) + 10);
    if (level->deck.empty() && level->driveN < 6) {
        gfx.setAlpha(endHandA);
        gfx.drawPicture(hud_.endHand, handX, handY);
        if (deckOver && state == GameState::Normal) {
            gfx.setBlend(media::Blend::Light);
            gfx.setAlpha(0.3f);
            gfx.drawPicture(hud_.endHand, handX, handY);
        }
        drawStandards();
    }
    // The pile: the front card (turned next) lies on top, at the right.
    const media::Picture& back = g.revers[static_cast<std::size_t>(std::clamp(level->numerRewersu, 0, 5))];
    float step = 13;
    float x = level->deckHolderX + 85;
    for (std::size_t i = 0; i < level->deck.size(); ++i) {
        x += step;
        step = std::max(0.0f, step - 0.8f);
        gfx.drawPicture(back, x, level->deckY);
    }
    const TDim top = level->COUNT_firstDeckCardDim();
    const auto glowOnTop = [&](float a) {
        gfx.setBlend(media::Blend::Light);
        gfx.setAlpha(a);
        gfx.drawPicture(g.over, top.x, top.y);
        gfx.setBlend(media::Blend::Alpha);
        gfx.setAlpha(1);
        gfx.drawPicture(back, top.x, top.y);
        gfx.setBlend(media::Blend::Light);
        gfx.setAlpha(0.2f * a);
        gfx.drawPicture(back, top.x, top.y);
        drawStandards();
    };
    if (!level->deck.empty()) {
        if (deckHelpA != 0 && hasProfile() && profile().hintLevel())
            glowOnTop(deckHelpA);
        if (deckOverA != 0)
            glowOnTop(deckOverA);
        if (deckAlpha != 0) {
            gfx.setAlpha(deckAlpha);
            level->deck.front()->draw(top.x, top.y, 0, 0);
            gfx.setAlpha(1);
        }
    }
    if (level->deck.empty() && goodCards.empty() && level->driveN <= 5) {
        gfx.setAlpha(endHandA);
        gfx.drawPicture(hud_.endHand, handX, handY);
        gfx.setBlend(media::Blend::Light);
        gfx.setAlpha(0.4f * endA);
        gfx.drawPicture(hud_.endHand, handX, handY);
        drawStandards();
    }
}

void TMainGame::_drawSpot()
{
    if (level->spot.empty())
        return;
    drawStandards();
    const TDim spot = level->COUNT_spotDim();
    level->spot.back()->draw(spot.x, spot.y, 0, 0);
}

void TMainGame::_drawEndDrive()
{
    // The sign that a click on the deck cashes in the running long drive.
    if (level->driveN < 6)
        return;
    media::Renderer& gfx = media::gfx();
    TDim top = level->COUNT_firstDeckCardDim();
    if (level->deck.empty())
        top.x += 60;
    drawStandards();
    gfx.setAlpha(endCAlpha);
    gfx.drawPicture(hud_.endCombo, top.x, top.y);
    if (deckOver) {
        gfx.setBlend(media::Blend::Light);
        gfx.setAlpha(0.3f);
        gfx.drawPicture(hud_.endCombo, top.x, top.y);
    }
    drawStandards();
}

void TMainGame::_drawDEBUG()
{
    if (!cheatsOn || !media::input().keyDown(media::key::letter('d')))
        return;
    media::Renderer& gfx = media::gfx();
    drawStandards();
    std::string deck = "DECK : ";
    for (const TCardData* id : level->deck)
        deck += id->nazwa + "-";
    gfx.drawText(loadFont("gfx/fonts/bookman.ttf", 16), deck, 10, 100);
    gfx.setColor(255, 0, 0);
    for (const TCard* card : level->columns)
        gfx.drawRect(card->x, card->y, 10, 10);
    drawStandards();
}

void TMainGame::draw()
{
    if (!level || !play_ || !Gui)
        return; // nothing to show before a level, nor before setup()
    drawStandards();
    if (table_.empty())
        drawTable();
    else
        media::gfx().drawPicture(table_, 0, 0);
    for (const auto& card : level->cards)
        card->draw(play_->hint);
    _drawDeck();
    _drawSpot();
    _drawSwords();
    play_->flights.drawFlights();
    _drawEndDrive();
    play_->effects.drawCaptions();
    hud_._drawPanele(std::max(alpha, 0.0f));
    _drawGui();
    hud_._drawInfo(hudFigures());
    play_->effects.drawParticles();
    play_->resources.drawResources();
    drawStandards();
    drawTutorial(*this);
    drawStandards();
    _drawBlackFade();
    drawStandards();
    _drawDEBUG();
}
