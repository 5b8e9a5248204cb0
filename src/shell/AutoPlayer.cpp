// AutoPlayer.cpp
#include "shell/AutoPlayer.hpp"

#include "base/Program.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "gui/TGui.hpp"
#include "levels/TLevel.hpp"
#include "media/Input.hpp"
#include "media/Keys.hpp"
#include "media/Text.hpp"
#include "rules/AutoPlay.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/LevelInPlay.hpp"
#include "screens/ShopItems.hpp"
#include "screens/TEnterText.hpp"
#include "screens/TLevelEndScreen.hpp"
#include "screens/TMagicCardsScreen.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TMainMenu.hpp"
#include "screens/TObjectivesDone.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TSklep.hpp"
#include "screens/TTutorial.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace shell
{
namespace
{
// Free cards lie face up with nothing on them and are not flying.
bool isFree(const TCard& c)
{
    return c.cd && c.side == 1 && c.odkryta && !c.flyingCard;
}

// The hammer has left and its swell is still on the way to the rocks.
bool rocksAboutToOpen(const rules::Board& board)
{
    return std::any_of(board.pending().begin(), board.pending().end(),
                       [](const rules::Pending& p) { return p.kind == rules::PendingKind::Rocks; });
}

// A card on the table, uncovered a moment ago, still turning face up.
bool turningUp(const TLevel& level)
{
    return std::any_of(level.cards.begin(), level.cards.end(),
                       [](const auto& c) { return c->cd && !c->flyingCard && c->state == TurnState::Show; });
}

// A rack sword to click: shown whole and not slid out, in a fan that has stopped turning (the
// fan makes room when a sword joins it, and a sword still turning to its new place may lie
// over the one wanted).
bool settledOnRack(const TSword* sword, const std::vector<TSword>& rack)
{
    return sword && sword->a >= 1 && sword->dodOdl == 0
           && std::all_of(rack.begin(), rack.end(), [](const TSword& s) { return s.rot == s.dRot; });
}

// Where a hand would click a rack sword: on the part of its face the next sword of the fan
// leaves bare (the fan opens to the right).
AutoPlayer::Target swordPoint(const TSword& sword)
{
    constexpr float degrees = 3.14159265358979f / 180.0f;
    const float across = (sword.rot + 90) * degrees;
    return {true, sword.dim.x - 36 * std::cos(across), sword.dim.y - 36 * std::sin(across)};
}

// The table as far as the moves go: the cards still on it, the deck left, the spot card and
// the rack. Coins and lights on their way do not count.
bool samePosition(const rules::Board& a, const rules::Board& b)
{
    if (a.slotCount() != b.slotCount() || a.tableCount() != b.tableCount()
        || a.deck().size() != b.deck().size() || a.rack() != b.rack())
        return false;
    const auto spotA = a.spotCard();
    const auto spotB = b.spotCard();
    if (spotA.has_value() != spotB.has_value() || (spotA && spotA->id != spotB->id))
        return false;
    for (int slot = 0; slot < a.slotCount(); ++slot) {
        if (a.onTable(slot) != b.onTable(slot))
            return false;
    }
    return true;
}
} // namespace

AutoPlayer::AutoPlayer(std::string name, Chooser chooser)
    : name_(name.empty() ? std::string(defaultName) : std::move(name)), chooser_(chooser)
{}

AutoPlayer::Target AutoPlayer::widgetCentre(const TGui* gui, const std::string& name)
{
    auto widget = gui ? gui->getItem(name) : nullptr;
    if (!widget)
        return {};
    return {true, widget->dim.middleX(), widget->dim.middleY()};
}

AutoPlayer::Target AutoPlayer::chooseInGame(const TMainGame& game)
{
    Target t;
    if (!game.level || game.state != GameState::Normal || game.alpha < 1)
        return t;
    const TLevel& level = *game.level;
    // A cleared table: the level ends once the last card has landed, the deck left as it is.
    if (game.levelInPlay() && game.levelInPlay()->board.tableCount() == 0)
        return t;
    // The cards it sees free, as the rules' player weighs them.
    std::vector<rules::Candidate> freeCards;
    std::vector<const TCard*> seen;
    for (const auto& card : level.cards) {
        if (!isFree(*card))
            continue;
        freeCards.push_back({static_cast<int>(seen.size()), card->cd->seqN, card->cd->isSword()});
        seen.push_back(card.get());
    }
    const TCardData* first = game.getFirstCard();
    const int chosen = rules::chooseCard(freeCards, first ? std::optional<int>(first->seqN) : std::nullopt);
    if (chosen >= 0) {
        const TCard& best = *seen[static_cast<std::size_t>(chosen)];
        return {true, best.x, best.y};
    }
    // Nothing to play. A sword waits for its flight to the spot to end, and the deck for what
    // is about to be free: the rocks the hammer's swell is on its way to, and a card still
    // turning up. A rack sword goes on when the deck is empty, or when it keeps a long drive
    // going that a deck turn would end.
    const rules::Board& board = game.levelInPlay()->board;
    if (game.pendingDeckTurn || game.swordOnItsWay() || rocksAboutToOpen(board) || turningUp(level))
        return t;
    if (rules::swordWanted(board)) {
        // The rules' rack: a sword picked up a moment ago is still flying to the rack on screen,
        // and the player waits for it.
        const rules::Identity& sword =
            board.rack()[static_cast<std::size_t>(rules::chooseSword(freeCards, board.rack()))];
        const TSword* onRack = hasProfile() ? profile().getMySwordBySeqN(sword.rank) : nullptr;
        if (onRack && settledOnRack(onRack, profile().swords))
            return swordPoint(*onRack);
        if (!game.levelInPlay()->flights.flyingCards.empty())
            return t;
    }
    // Else turn the deck, or end the level once the end control is there.
    if (!level.deck.empty() || level.driveN > 5 || game.endHandA >= 1) {
        TDim d = game.deckArea();
        t = {true, d.x + d.w / 2, d.y + d.h / 2};
    }
    return t;
}

AutoPlayer::Target AutoPlayer::chooseBySolver(const TMainGame& game)
{
    if (!game.level || !game.levelInPlay() || game.state != GameState::Normal || game.alpha < 1)
        return {};
    const rules::Board& board = game.levelInPlay()->board;
    // The moves of the line the game has made since the last look.
    while (expected_ && next_ < line_.size() && !samePosition(board, *expected_)) {
        rules::Board after = *expected_;
        if (!rules::makeMove(after, line_[next_]) || !samePosition(board, after))
            break;
        expected_ = std::move(after);
        ++next_;
    }
    if (!expected_ || !samePosition(board, *expected_)) {
        solved_ = rules::solve(board);
        line_ = solved_.line;
        next_ = 0;
        expected_ = board;
        expected_->setListener(nullptr);
        expected_->setKeepsUndoHistory(false);
        expected_->landAll();
    }
    if (next_ >= line_.size())
        return chooseInGame(game);

    const rules::SolverMove& move = line_[next_];
    switch (move.kind) {
    case rules::SolverMove::Kind::Card: {
        // Once it lies free on screen (an uncovering, a breaking of rocks may still be showing).
        const TCard& card = game.levelInPlay()->cardOf(move.value);
        if (!isFree(card))
            return {};
        return {true, card.x, card.y};
    }
    case rules::SolverMove::Kind::Sword: {
        const TSword* onRack = hasProfile() ? profile().getMySwordBySeqN(move.value - 200) : nullptr;
        if (game.swordOnItsWay() || !onRack || !settledOnRack(onRack, profile().swords))
            return {};
        return swordPoint(*onRack);
    }
    case rules::SolverMove::Kind::Deck: {
        if (game.pendingDeckTurn)
            return {};
        const TDim d = game.deckArea();
        return {true, d.x + d.w / 2, d.y + d.h / 2};
    }
    }
    return {};
}

int AutoPlayer::wantedShopItem()
{
    if (!hasProfile() || !base::hasProgram() || !base::program().shopItems)
        return -1;
    // The aids that help our player most first; swords are found in play.
    static constexpr std::array<const char*, 11> preference = {
        "UNDO-1",      "HINT",      "LICZNIK", "KASA+5",      "MULTI-START", "MAX-MULTI-7",
        "ODKRYCIE-10", "SHOW-CARD", "UNDO-2",  "ODKRYCIE-20", "DECK-CARDS"};
    const TProfile& p = profile();
    const std::vector<TShopItem>& items = shopItems();
    const int shown = std::min(static_cast<int>(items.size()), TSklep::maxShown);
    for (const char* power : preference) {
        for (int k = 0; k < shown; ++k) {
            const TShopItem& item = items[static_cast<std::size_t>(k)];
            if (item.pwrID == power && !p.getMyItem2(item.id) && item.canBeBought(p.score))
                return k;
        }
    }
    return -1;
}

AutoPlayer::Target AutoPlayer::shopping(const TEkran& screen)
{
    const auto& shop = static_cast<const TSklep&>(screen);
    if (!shopVisited_) {
        shopVisited_ = true;
        heldAtEntry_ = hasProfile() ? profile().items.size() : 0;
    }
    // Once the panel is open, and not while it closes.
    if (shop.state != TSklep::State::Start || shop.alpha != 1)
        return {};
    const int wanted = wantedShopItem();
    const bool bought = hasProfile() && profile().items.size() > heldAtEntry_;
    if (bought || wanted < 0)
        return widgetCentre(shop.Gui.get(), "exit");
    if (shop.showed != wanted)
        return {true, TSklep::cellX(wanted), TSklep::cellY(wanted)};
    return widgetCentre(shop.Gui.get(), "buy");
}

AutoPlayer::Target AutoPlayer::closeLesson(const TTutorial& tutorial)
{
    const TTip* tip = tutorial.actTip;
    // Once it has come in, a hand reaches for its OK.
    if (!tip || tip->alpha < 1 || tip->dAlpha < 1 || !tutorial.gui)
        return {};
    for (const char* name : {"ok", "ok1", "ok2"}) {
        auto widget = tutorial.gui->getItem(name);
        if (widget && widget->_v && widget->_a)
            return {true, widget->dim.middleX(), widget->dim.middleY()};
    }
    return {};
}

AutoPlayer::Target AutoPlayer::decide()
{
    TEkran* screen = activeScreen();
    if (!screen)
        return {};
    // A lesson on screen is read and closed first; the switch of the highlighting is left as
    // it is.
    if (const TTutorial* lessons = base::program().tutorial.get(); lessons && lessons->actTip)
        return closeLesson(*lessons);
    if (screen->id == "SHOP")
        return shopping(*screen);
    if (screen->id == "MAIN-GAME") {
        inSummary_ = false;
        shopVisited_ = false;
        const auto& game = static_cast<const TMainGame&>(*screen);
        return chooser_ == Chooser::Solver ? chooseBySolver(game) : chooseInGame(game);
    }
    if (screen->id == "MAIN-MENU") {
        // Once the menu has come in, the quest; with no player yet the name entry comes first.
        const auto& title = static_cast<const TMainMenu&>(*screen);
        if (!hasProfile() || !title.menuReady() || title.fade > 0 || title.dFade != 0)
            return {};
        return widgetCentre(title.Gui.get(), "PLAY");
    }
    // The map's Play, once the map has come out of the dark.
    if (screen->id == "MAPA" && screen->alpha == 1 && screen->fade == 0 && screen->dFade == 0)
        return widgetCentre(screen->Gui.get(), "play");
    // The story and the outro are skipped, as by a player who has seen them.
    if ((screen->id == "STORY" || screen->id == "OUTRO") && screen->alpha == 1)
        return widgetCentre(screen->Gui.get(), "skip");
    // The credits after the outro go on until dismissed: a click once they have come in.
    if (screen->id == "CREDITS" && screen->alpha == 1 && screen->dAlpha == 1)
        return {true, 512, 384};
    if (screen->id == "QUEST-CONTINUE" && screen->alpha == 1 && screen->dAlpha == 1)
        return widgetCentre(screen->Gui.get(), "resume");
    if (screen->id == "LEVEL-SUMMARY")
        return onSummary(*screen);
    if (screen->id == "MAGIC-CARDS")
        return inCollection(*screen);
    // A goal reached: "ok" once the scroll has come to rest and its button is there, and the
    // hand has read it: the goal struck through and, with every goal reached, the line that
    // says so come in.
    if (screen->id == "OBJECTIVES-DONE") {
        const auto& done = static_cast<const TObjectivesDone&>(*screen);
        const bool read = done.crossA >= 1 && (done.allObjectivesDone == 0 || done.achievedA >= 1);
        if (done.state == ObjectivesState::Wait && done.gAlpha >= 1 && read)
            return widgetCentre(done.Gui.get(), "ok");
    }
    return {};
}

AutoPlayer::Target AutoPlayer::onSummary(const TEkran& screen)
{
    if (!inSummary_) {
        inSummary_ = true;
        ++summaries_;
        collectionWanted_ = summaries_ % collectionEvery == 0;
        lookFrames_ = 0;
    }
    // Once its figures have come in (a hand reads them first).
    if (static_cast<const TLevelEndScreen&>(screen).state != "WAIT")
        return {};
    // The shop first, once per summary, when the coins pay for an aid it wants.
    auto shop = screen.Gui ? screen.Gui->getItem("shop") : nullptr;
    if (!shopVisited_ && shop && shop->_v && shop->_a && wantedShopItem() >= 0)
        return widgetCentre(screen.Gui.get(), "shop");
    auto cards = screen.Gui ? screen.Gui->getItem("cards") : nullptr;
    if (collectionWanted_ && cards && cards->_v == 1 && cards->_a == 1)
        return widgetCentre(screen.Gui.get(), "cards");
    return widgetCentre(screen.Gui.get(), "go");
}

AutoPlayer::Target AutoPlayer::inCollection(const TEkran& screen)
{
    collectionWanted_ = false;
    const auto& collection = static_cast<const TMagicCardsScreen&>(screen);
    if (collection.alpha != 1 || collection.dAlpha != 1)
        return {};
    if (lookFrames_ < collectionLookFrames && collection.showA < 1) {
        ++lookFrames_;
        // A found card, else the first place of the outer ring.
        RingPlace at = TMagicCardsScreen::ringPlace(0, 0);
        bool found = false;
        for (int k = 0; k < 3 && !found; ++k) {
            const auto& ring = collection.ring(k);
            for (std::size_t i = 0; i < ring.size() && !found; ++i) {
                if (ring[i] && hasProfile() && profile().getMagicCard(ring[i]->id)) {
                    at = TMagicCardsScreen::ringPlace(k, static_cast<int>(i));
                    found = true;
                }
            }
        }
        return {true, at.x, at.y, false};
    }
    return widgetCentre(collection.Gui.get(), "ok");
}

bool AutoPlayer::typeOrConfirm(media::Input& input)
{
    TEkran* screen = activeScreen();
    if (!screen || screen->alpha != 1 || screen->dAlpha != 1)
        return false;
    if (cooldown_ > 0) {
        --cooldown_;
        return true;
    }
    if (screen->id == "ENTER-TEXT") {
        const auto& dialog = static_cast<const TEnterText&>(*screen);
        if (dialog.entry.empty()) {
            for (char32_t c : media::text::toUtf32(name_))
                input.feedChar(c);
        } else {
            // The characters are in; Enter a few frames later, as a hand would.
            press(input, media::key::Enter);
        }
        cooldown_ = 6;
        return true;
    }
    if (screen->id == "POPUP") {
        press(input, media::key::Enter);
        cooldown_ = 6;
        return true;
    }
    return false;
}

void AutoPlayer::press(media::Input& input, int key)
{
    input.feedKey(key, true);
    input.feedKey(key, false);
}

void AutoPlayer::act(media::Input& input, float sx, float sy, bool click)
{
    if (cooldown_ > 0) {
        --cooldown_;
        return;
    }
    if (!aimed_ || aimX_ != sx || aimY_ != sy) {
        // First the pointer goes there; the click comes in the next frame, as a hand would.
        input.feedMouseMove(sx, sy);
        aimed_ = true;
        aimX_ = sx;
        aimY_ = sy;
        return;
    }
    if (!click)
        return;
    input.feedMouseButton(1, true);
    input.feedMouseButton(1, false);
    aimed_ = false;
    cooldown_ = 6;
}
} // namespace shell
