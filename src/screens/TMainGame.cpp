// TMainGame.cpp: the game screen: the deck and drives on screen, the states of a level, and
// everything the rules report shown as it happens.
#include "screens/TMainGame.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "cards/Cards.hpp"
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
#include "screens/Frame.hpp"
#include "screens/LevelSummary.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

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
    txtUndo = media::text::trim(getText(texts, 8));
    cyfry = loadDigitFont();
}

void TMainGame::setLevel(std::shared_ptr<TLevel> newLevel)
{
    // What flew, glowed and waited over the old level goes before the old level does.
    play_.reset();
    taken_.reset();
    level = std::move(newLevel);
    if (!level)
        return;
    rules::Layout layout = layoutOf(*level);
    if (TProfile* p = player()) {
        layout.items.cashBonus = owns("KASA+5");
        layout.items.maxMultiplierTenths = static_cast<int>(std::lround(p->getMaxDriveMultiplier() * 10));
        for (const TSword& s : p->swords) {
            if (s.sd && s.sd->cd)
                layout.rack.push_back({s.sd->cd->id, s.sd->cd->seqN});
        }
    }
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
    if (auto* trace = base::program().trace.get()) {
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
    case EventKind::Deal:
    case EventKind::Coin: // its glitter and sound come with the resource itself
    case EventKind::SwordUse:
    case EventKind::Undo: // not asked for by the game screen yet: its Undo button rests
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
    // Off the table first, so the undo record holds the card itself; nothing is seen between.
    taken_ = level->takeOffTable(card);
    play_->undo.recordCardPlayed({static_cast<long long>(level->score), level->driveN, level->driveMN},
                                 taken_, spot);
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
    std::shared_ptr<TCard> taken = level->takeOffTable(card);
    if (!taken)
        return;
    if (event.alreadyHeld) {
        // The player has this sword already: the card just leaves.
        TFlyingCard& f = play_->flights.startStandard(card, card.x, card.y, 1200, 500, 0);
        f.ownedCard = taken;
    } else {
        // The sword flies to its place on the rack.
        TProfile* p = player();
        float angle = p ? p->getSwordRotTemporary(*card.cd) : 254;
        constexpr float degrees = 3.14159265358979f / 180.0f;
        float tx = whole(920 + std::cos(angle * degrees) * 694);
        float ty = whole(1034 + std::sin(angle * degrees) * 294);
        play_->flights.startPickSword(taken, tx, ty).docelowyRot = angle;
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
    play_->undo.recordDeckCard({static_cast<long long>(level->score), level->driveN, level->driveMN},
                               identity, spotPoint, deckPoint);
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
        p->UPDATE_levelAndStage(static_cast<int>(figures.recorded));
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
    if (flight.levelCheck) {
        play_->board.CHECK_Cover(1);
        syncLevel();
    }
    if (flight.moveToDeck && id)
        level->deck.insert(level->deck.begin(), id);
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
}

void TMainGame::driveLightArrived(const TEmitter& light, bool waves)
{
    play_->board.land(light.ticket);
    syncLevel();
    if (waves)
        comboWaves(play_->effects, comboX, comboY);
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
    if (deckOver && mouse.leftPressed) {
        TProfile* p = player();
        if (p && p->tryb == "QUEST" && p->stageID == 1 && p->levelID == 2 && !goodCards.empty()) {
            // The lesson of this level: play the card first; the deck turns nothing.
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
    if (summary_)
        summary_->setResult(level->score, figures.bonus, figures.cardsLeft, play_->board.multiplierTenths(),
                            figures.recorded);
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
    if (guiMouse().leftPressed)
        useCard(*over);
}

void TMainGame::_updateUndo()
{
    // The player's undos are not counted yet: with none left the button rests, inactive, at the
    // edge, and the tab stays tucked away.
    const int undos = 0;
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
}

void TMainGame::_update_STATE_normal()
{
    _update_cardOver();
    if (state != GameState::Normal)
        return;
    _update_deckOver();
    if (state != GameState::Normal)
        return;
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
    if (guiMouse().leftPressed || (play_->effects.captions.empty() && now() > waitTime))
        setState(GameState::End);
}

void TMainGame::_update_STATE_caption()
{
    dAlpha = 0;
    if (guiMouse().leftPressed || play_->effects.captions.empty())
        setState(GameState::End);
}

void TMainGame::_update_STATE_end()
{
    // The plain summary only goes on; the next level follows.
    if (summary_)
        summary_->mainLoop(this);
    wynik = "GET-NEXT-LEVEL";
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
    _updateState();
    play_->flights.updateFlights();
    play_->effects.updateEmitters();
    play_->effects.updateParticles();
    play_->effects.updateCaptions();
    play_->resources.updateResources();
    _updateEndA();
    _updateFade();
    _updateAlpha();
    _updateUndo();
    _updateGUI();
    _updateMouseLook();
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

void TMainGame::goMenu()
{
    // Whatever is in the air lands first, so the level is whole when it is taken up again.
    play_->flights.landAllFlights();
    play_->resources.landResources();
    landLongDriveStreams(play_->effects);
    if (hasProfile() && profile().tryb != "QUEST")
        play_->board.resetDriveAndMultiplier();
    syncLevel();
    wynik = "MAIN-MENU";
    fade = dFade = 1;
}

void TMainGame::_controlKEYBOARD()
{
    if (!level)
        return;
    if (!cheatsOn) {
        // Escape leaves for the title screen (there is no in-game menu).
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
    if (!level || !play_ || !scoreFont)
        return; // nothing to show before a level, nor before setup()
    drawStandards();
    if (table_.empty())
        drawTable();
    else
        media::gfx().drawPicture(table_, 0, 0);
    for (const auto& card : level->cards)
        card->draw(play_->hint);
    drawDeckAndSpot();
    play_->flights.drawFlights();
    play_->effects.drawCaptions();
    drawHud();
    _drawGui();
    play_->effects.drawParticles();
    play_->resources.drawResources();
    drawStandards();
    _drawBlackFade();
    drawStandards();
}
