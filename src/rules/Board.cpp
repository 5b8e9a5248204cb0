// Board.cpp
#include "rules/Board.hpp"

#include <algorithm>
#include <bit>
#include <tuple>

namespace rules
{
namespace
{
constexpr float noIceLine = 1500;

// The level's end bonus for 0..4 cards left on the table.
constexpr int endBonus[5] = {1000, 500, 250, 100, 50};

// 64-bit FNV-1a over fixed-width little-endian values.
class Fnv
{
public:
    void byte(std::uint8_t b)
    {
        hash_ ^= b;
        hash_ *= 1099511628211ULL;
    }
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            byte(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void u64(std::uint64_t v)
    {
        for (int i = 0; i < 8; ++i)
            byte(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void i32(int v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void flag(bool v) { byte(v ? 1 : 0); }
    void identities(const std::vector<Identity>& list)
    {
        u32(static_cast<std::uint32_t>(list.size()));
        for (const Identity& c : list)
            i32(c.id);
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 14695981039346656037ULL;
};

Event eventOf(EventKind kind, int slot = -1, Identity card = {})
{
    Event e;
    e.kind = kind;
    e.slot = slot;
    e.card = card;
    return e;
}

auto orderKey(const CardState& c)
{
    return std::make_tuple(c.card.id, c.x, c.y, c.faceUp, c.uncovered, c.forced, c.rocks, c.ice, c.snow);
}
} // namespace

Board::Board(Layout layout)
    : deck_(std::move(layout.deck)), spot_(std::move(layout.spot)), rack_(std::move(layout.rack)),
      score_(layout.score), drive_(layout.driveN), tenths_(std::max(0, layout.multiplierTenths)),
      longestDrive_(layout.longestDrive), rocksUnlocked_(layout.rocksUnlocked), iceLine_(layout.iceLine),
      items_(layout.items), deckWaitsForPlayableCards_(layout.deckWaitsForPlayableCards)
{
    const int n = static_cast<int>(layout.table.size());
    cards_.reserve(layout.table.size());
    for (const CardPlace& place : layout.table) {
        CardState& c = cards_.emplace_back();
        static_cast<CardPlace&>(c) = place;
        // The aid shows a forced card's face from the deal on.
        if (c.forced)
            c.faceUp = true;
        if (c.ice)
            ++iceCount_;
        if (c.card.isSword())
            swordSlots_.push_back(static_cast<int>(cards_.size()) - 1);
    }
    tableCount_ = n;

    // Only the cards above matter to the uncover test; take them from either side of a pair.
    std::vector<std::vector<int>> above(cards_.size());
    for (int s = 0; s < n && s < static_cast<int>(layout.overlaps.size()); ++s) {
        for (int other : layout.overlaps[static_cast<std::size_t>(s)]) {
            if (other < 0 || other >= n || other == s)
                continue;
            if (other > s)
                above[static_cast<std::size_t>(s)].push_back(other);
            else
                above[static_cast<std::size_t>(other)].push_back(s);
        }
    }
    auto cover = std::make_shared<CoverRelation>();
    cover->start.reserve(cards_.size() + 1);
    for (auto& list : above) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        cover->start.push_back(static_cast<int>(cover->above.size()));
        cover->above.insert(cover->above.end(), list.begin(), list.end());
    }
    cover->start.push_back(static_cast<int>(cover->above.size()));
    cover_ = std::move(cover);

    std::sort(rack_.begin(), rack_.end(), [](const Identity& a, const Identity& b) { return a.id < b.id; });
}

void Board::setListener(Listener* listener)
{
    listener_ = listener;
}

void Board::setKeepsUndoHistory(bool keep)
{
    keepsUndoHistory_ = keep;
    if (!keep)
        undoHistory_.clear();
}

void Board::emit(const Event& event) const
{
    if (listener_)
        listener_->onEvent(event, *this);
}

// --- covering

void Board::deal()
{
    CHECK_Cover(1);
    emit(eventOf(EventKind::Deal));
}

void Board::recomputeIceLine()
{
    float line = 0;
    for (const CardState& c : cards_) {
        if (c.onTable && c.ice && c.x > line)
            line = c.x;
    }
    if (line == 0)
        line = noIceLine;
    iceLine_ = line;
    for (CardState& c : cards_) {
        if (c.onTable && c.x > line && !c.rocks && !c.ice)
            c.snow = true;
    }
}

void Board::CHECK_Cover(int initial)
{
    if (tableCount_ == 0)
        return;
    if (iceCount_ == 0)
        recomputeIceLine();
    // Cards leave the table during the walk (swords, the hammer) and a nested walk runs then;
    // the table only ever loses cards, so walking the slots and passing over those gone is the
    // same as walking the table as it stood.
    const int n = static_cast<int>(cards_.size());
    for (int slot = 0; slot < n; ++slot) {
        if (cards_[static_cast<std::size_t>(slot)].onTable)
            coverTest(slot, initial);
    }
}

bool Board::swordAbove(int slot) const
{
    return std::any_of(swordSlots_.begin(), swordSlots_.end(), [&](int s) {
        return s > slot && cards_[static_cast<std::size_t>(s)].onTable
               && cards_[static_cast<std::size_t>(s)].card.isSword();
    });
}

void Board::coverTest(int slot, int initial)
{
    CardState& c = cards_[static_cast<std::size_t>(slot)];
    // Locked rocks keep the card face down whatever lies on it.
    if (c.rocks && !rocksUnlocked_) {
        c.faceUp = false;
        return;
    }
    const bool wasUncovered = c.uncovered;
    bool covered = false;
    const CoverRelation& cover = *cover_;
    for (int k = cover.start[static_cast<std::size_t>(slot)];
         k < cover.start[static_cast<std::size_t>(slot) + 1]; ++k) {
        if (cards_[static_cast<std::size_t>(cover.above[static_cast<std::size_t>(k)])].onTable) {
            covered = true;
            break;
        }
    }
    // A sword above will be picked up: the card is looked at again then.
    if (!covered && initial == 0 && swordAbove(slot))
        c.uncovered = false;

    if (covered) {
        if (c.faceUp && !c.forced)
            c.faceUp = false;
        c.uncovered = false;
    } else if (!c.uncovered) {
        if (initial == 1) {
            c.faceUp = true;
            c.uncovered = true;
            // A free hammer stays until play begins.
            if (c.card.isHammer())
                return;
            if (c.x > iceLine_) {
                if (!c.forced)
                    c.faceUp = false;
                c.uncovered = false;
            }
        } else {
            if (c.card.isSword()) {
                pickSword(slot);
                return;
            }
            if (!c.card.isHammer() && c.x > iceLine_ && c.snow) {
                if (!c.forced)
                    c.faceUp = false;
                return;
            }
            if (c.card.isHammer()) {
                hammerLeaves(slot);
                return;
            }
            if (!c.faceUp) {
                Event e = eventOf(EventKind::Uncover, slot, c.card);
                e.turned = true;
                e.rocksBroken = c.rocks;
                e.snowMelted = c.snow;
                c.faceUp = true;
                c.uncovered = true;
                c.rocks = false;
                c.snow = false;
                emit(e);
            } else {
                c.uncovered = true;
                if (!wasUncovered)
                    emit(eventOf(EventKind::Uncover, slot, c.card));
            }
        }
    }
    if (c.card.isSword())
        c.faceUp = true;
}

void Board::beginPlay()
{
    const int n = static_cast<int>(cards_.size());
    for (int slot = 0; slot < n; ++slot) {
        const CardState& c = cards_[static_cast<std::size_t>(slot)];
        if (c.onTable && c.uncovered && c.card.isHammer())
            hammerLeaves(slot);
    }
    // The swords lying free now, each picked up if it is still there by its turn.
    std::vector<int> swords;
    for (int slot = 0; slot < n; ++slot) {
        const CardState& c = cards_[static_cast<std::size_t>(slot)];
        if (c.onTable && c.uncovered && c.card.isSword())
            swords.push_back(slot);
    }
    for (int slot : swords) {
        if (cards_[static_cast<std::size_t>(slot)].onTable)
            pickSword(slot);
    }
    // What the deal did is not the player's to take back.
    undoHistory_.clear();
}

// --- taking cards off the table

void Board::takeOff(int slot)
{
    CardState& c = cards_[static_cast<std::size_t>(slot)];
    c.onTable = false;
    --tableCount_;
    if (c.ice)
        --iceCount_;
}

bool Board::rackHolds(int id) const
{
    return std::any_of(rack_.begin(), rack_.end(), [id](const Identity& s) { return s.id == id; });
}

void Board::toRackOrDeparted(const Identity& sword, bool held)
{
    if (held) {
        departed_.push_back(sword);
        return;
    }
    auto at = std::upper_bound(rack_.begin(), rack_.end(), sword,
                               [](const Identity& a, const Identity& b) { return a.id < b.id; });
    rack_.insert(at, sword);
}

int Board::handOut(PendingKind kind, int amount, int length, int slot)
{
    const int ticket = nextTicket_++;
    pending_.push_back(Pending{ticket, kind, amount, length, slot});
    return ticket;
}

Coin Board::releaseColumnCoin(int slot)
{
    CardState& c = cards_[static_cast<std::size_t>(slot)];
    if (!c.hasCoin)
        return {};
    c.hasCoin = false;
    return Coin{handOut(PendingKind::Coin, c.coin, 0, slot), c.coin};
}

void Board::pickSword(int slot)
{
    const Identity sword = cards_[static_cast<std::size_t>(slot)].card;
    const bool held = rackHolds(sword.id);
    remember(UndoKind::SwordPicked, slot, sword, true, held);
    takeOff(slot);
    CHECK_Cover(0);
    toRackOrDeparted(sword, held);
    Event e = eventOf(EventKind::SwordPick, slot, sword);
    e.alreadyHeld = held;
    e.columnCoin = releaseColumnCoin(slot);
    emit(e);
}

void Board::hammerLeaves(int slot)
{
    const Identity hammer = cards_[static_cast<std::size_t>(slot)].card;
    const int ticket = handOut(PendingKind::Rocks, 0, 0, slot);
    Event e = eventOf(EventKind::HammerLeave, slot, hammer);
    e.ticket = ticket;
    emit(e);
    takeOff(slot);
    departed_.push_back(hammer);
    // Nothing from before the rocks were opened can be taken back.
    undoHistory_.clear();
    CHECK_Cover(0);
}

// --- queries

bool Board::onTable(int slot) const
{
    return slot >= 0 && slot < static_cast<int>(cards_.size())
           && cards_[static_cast<std::size_t>(slot)].onTable;
}

const CardState& Board::card(int slot) const
{
    return cards_.at(static_cast<std::size_t>(slot));
}

std::vector<int> Board::tableOrder() const
{
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(tableCount_));
    for (int slot = 0; slot < static_cast<int>(cards_.size()); ++slot) {
        if (cards_[static_cast<std::size_t>(slot)].onTable)
            order.push_back(slot);
    }
    return order;
}

std::optional<Identity> Board::spotCard() const
{
    if (spot_.empty())
        return std::nullopt;
    return spot_.back();
}

bool Board::canPlay(int slot) const
{
    if (!onTable(slot))
        return false;
    const CardState& c = cards_[static_cast<std::size_t>(slot)];
    if (!c.uncovered)
        return false;
    if (c.card.isSword())
        return true;
    const std::optional<Identity> top = spotCard();
    return top && checkSequence(c.card.rank, top->rank) == 1;
}

// --- moves

bool Board::play(int slot)
{
    if (!onTable(slot) || !cards_[static_cast<std::size_t>(slot)].uncovered)
        return false;
    const CardState& c = cards_[static_cast<std::size_t>(slot)];
    const Identity played = c.card;
    if (played.isSword()) {
        pickSword(slot);
        return true;
    }
    const std::optional<Identity> top = spotCard();
    if (!top || checkSequence(played.rank, top->rank) == 0) {
        emit(eventOf(EventKind::Refuse, slot, played));
        return false;
    }
    const bool hadIce = c.ice;
    const bool hadRocks = c.rocks;
    remember(UndoKind::CardPlayed, slot, played, true);
    takeOff(slot);
    Event take = eventOf(EventKind::Take, slot, played);
    take.lastIce = hadIce && iceCount_ == 0;
    take.hadRocks = hadRocks;
    emit(take);
    CHECK_Cover(0);

    spot_.push_back(played);
    Event e = eventOf(EventKind::Play, slot, played);
    e.driveBefore = drive_;
    drive_ += 1;
    if (drive_ > MIN_LONG_DRIVE) {
        e.driveCoin = Coin{handOut(PendingKind::Coin, 10, 0, -1), 10};
    } else {
        e.points = played.isMagic() ? 6 : 3;
        score_ += e.points;
    }
    e.columnCoin = releaseColumnCoin(slot);
    emit(e);
    return true;
}

bool Board::turnDeck()
{
    if (deck_.empty())
        return false;
    const Identity front = deck_.front();
    deck_.erase(deck_.begin());
    if (front.isSword()) {
        // A sword from the deck goes to the rack, not to the spot; the drive goes on.
        CHECK_Cover(0);
        const bool held = rackHolds(front.id);
        toRackOrDeparted(front, held);
        Event e = eventOf(EventKind::DeckSword, -1, front);
        e.alreadyHeld = held;
        emit(e);
        return true;
    }
    remember(UndoKind::DeckCard, -1, front, false);
    spot_.push_back(front);
    emit(eventOf(EventKind::Deck, -1, front));
    if (drive_ != 0)
        LongDrive_end();
    return true;
}

void Board::LongDrive_add()
{
    drive_ += 1;
}

void Board::LongDrive_end()
{
    const int length = drive_;
    int ticket = 0;
    if (length > MIN_LONG_DRIVE) {
        longestDrive_ = std::max(longestDrive_, length);
        ticket = handOut(PendingKind::DriveLight, 0, length, -1);
    }
    // Reported while the drive still holds its length.
    Event e = eventOf(EventKind::DriveEnd);
    e.ticket = ticket;
    e.length = length;
    emit(e);
    drive_ = 0;
}

void Board::setDrive(int n)
{
    drive_ = n;
}

void Board::addMultiplierTenths(int d)
{
    tenths_ = std::max(0, tenths_ + d);
}

void Board::setIdentity(int slot, Identity card)
{
    cards_.at(static_cast<std::size_t>(slot)).card = card;
    swordSlots_.clear();
    for (int s = 0; s < static_cast<int>(cards_.size()); ++s) {
        if (cards_[static_cast<std::size_t>(s)].card.isSword())
            swordSlots_.push_back(s);
    }
}

void Board::resetDriveAndMultiplier()
{
    drive_ = 0;
    tenths_ = 10;
}

bool Board::useSword(int id)
{
    auto at = std::find_if(rack_.begin(), rack_.end(), [id](const Identity& s) { return s.id == id; });
    if (at == rack_.end())
        return false;
    const Identity sword = *at;
    // Recorded before the drive grows, so taking it back leaves the drive as it was.
    remember(UndoKind::SwordUsed, -1, sword, false);
    rack_.erase(at);
    spot_.push_back(sword);
    drive_ += 1;
    emit(eventOf(EventKind::SwordUse, -1, sword));
    return true;
}

// --- the undo history

void Board::remember(UndoKind typ, int slot, Identity card, bool keepTable, bool alreadyHeld)
{
    if (!keepsUndoHistory_)
        return;
    UndoEvent& e = undoHistory_.emplace_back();
    e.typ = typ;
    e.slot = slot;
    e.card = card;
    e.alreadyHeld = alreadyHeld;
    e.score = score_;
    e.driveN = drive_;
    e.driveMN = tenths_;
    if (keepTable)
        e.table = TableState{cards_, tableCount_, iceCount_, iceLine_};
}

void Board::layTable(const TableState& table)
{
    cards_ = table.cards;
    tableCount_ = table.tableCount;
    iceCount_ = table.iceCount;
    iceLine_ = table.iceLine;
    swordSlots_.clear();
    for (int s = 0; s < static_cast<int>(cards_.size()); ++s) {
        if (cards_[static_cast<std::size_t>(s)].card.isSword())
            swordSlots_.push_back(s);
    }
}

bool Board::undo()
{
    if (!canUndo())
        return false;
    const UndoEvent e = std::move(undoHistory_.back());
    undoHistory_.pop_back();
    const bool fromSpot = e.typ != UndoKind::SwordPicked;
    if (fromSpot && (spot_.empty() || spot_.back().id != e.card.id))
        return false; // the spot does not end with that card: nothing to take back
    switch (e.typ) {
    case UndoKind::CardPlayed:
        // The table as it lay, the coin under the card too: the figures below take back what
        // the coin brought.
        spot_.pop_back();
        layTable(e.table);
        break;
    case UndoKind::DeckCard:
        spot_.pop_back();
        deck_.insert(deck_.begin(), e.card);
        break;
    case UndoKind::SwordUsed:
        spot_.pop_back();
        toRackOrDeparted(e.card, rackHolds(e.card.id));
        break;
    case UndoKind::SwordPicked: {
        const auto same = [&](const Identity& s) { return s.id == e.card.id; };
        auto inRack = std::find_if(rack_.begin(), rack_.end(), same);
        auto gone = std::find_if(departed_.rbegin(), departed_.rend(), same);
        if (e.alreadyHeld && gone != departed_.rend())
            departed_.erase(std::next(gone).base());
        else if (inRack != rack_.end())
            rack_.erase(inRack);
        layTable(e.table);
        break;
    }
    }
    // Picking a sword up scores nothing, and when a play picks one up the play scores after:
    // taking the pick back leaves the play's figures alone.
    if (e.typ != UndoKind::SwordPicked) {
        score_ = e.score;
        drive_ = e.driveN;
        tenths_ = e.driveMN;
    }
    Event undone = eventOf(EventKind::Undo, e.slot, e.card);
    undone.undone = e.typ;
    emit(undone);
    return true;
}

LevelEnd Board::endLevel()
{
    landAll();
    LevelEnd f;
    f.cardsLeft = tableCount_;
    f.deckLeft = static_cast<int>(deck_.size());
    f.bonus = f.cardsLeft < 5 ? endBonus[f.cardsLeft] : 0;
    f.total = score_ + f.bonus;
    if (items_.cashBonus)
        f.total += score_ / 20;
    f.recorded = f.total * tenths_ / 10;
    f.perfect = f.cardsLeft == 0;
    Event e = eventOf(EventKind::LevelEnd);
    e.figures = f;
    emit(e);
    departed_.insert(departed_.end(), deck_.begin(), deck_.end());
    deck_.clear();
    if (f.cardsLeft == 0)
        LongDrive_end();
    else if (f.cardsLeft >= 5)
        drive_ = 0;
    return f;
}

// --- arrivals

void Board::land(int ticket)
{
    auto at = std::find_if(pending_.begin(), pending_.end(),
                           [ticket](const Pending& p) { return p.ticket == ticket; });
    if (at == pending_.end())
        return;
    const Pending p = *at;
    pending_.erase(at);
    switch (p.kind) {
    case PendingKind::Coin: {
        score_ += p.amount;
        Event e = eventOf(EventKind::Coin, p.slot,
                          p.slot >= 0 ? cards_[static_cast<std::size_t>(p.slot)].card : Identity{});
        e.ticket = p.ticket;
        e.amount = p.amount;
        emit(e);
        break;
    }
    case PendingKind::DriveLight: {
        const int before = tenths_;
        tenths_ += p.length - MIN_LONG_DRIVE;
        const int maximum = items_.maxMultiplierTenths;
        if (tenths_ > 30)
            tenths_ = maximum;
        Event e = eventOf(EventKind::Multiplier);
        e.ticket = p.ticket;
        e.length = p.length;
        e.tenthsBefore = before;
        e.maximumReached = tenths_ > before && tenths_ / 10 == maximum / 10;
        emit(e);
        break;
    }
    case PendingKind::Rocks: {
        rocksUnlocked_ = true;
        Event e = eventOf(EventKind::RocksOpen, p.slot);
        e.ticket = p.ticket;
        emit(e);
        CHECK_Cover(0);
        break;
    }
    }
}

void Board::landAll()
{
    while (!pending_.empty())
        land(pending_.front().ticket);
}

// --- digest

std::uint64_t Board::digest() const
{
    std::vector<const CardState*> table;
    table.reserve(static_cast<std::size_t>(tableCount_));
    for (const CardState& c : cards_) {
        if (c.onTable)
            table.push_back(&c);
    }
    std::sort(table.begin(), table.end(),
              [](const CardState* a, const CardState* b) { return orderKey(*a) < orderKey(*b); });
    Fnv h;
    h.u32(static_cast<std::uint32_t>(table.size()));
    for (const CardState* c : table) {
        h.i32(c->card.id);
        h.f32(c->x);
        h.f32(c->y);
        h.flag(c->faceUp);
        h.flag(c->uncovered);
        h.flag(c->forced);
        h.flag(c->rocks);
        h.flag(c->ice);
        h.flag(c->snow);
    }
    h.identities(deck_);
    h.identities(spot_);
    h.u64(static_cast<std::uint64_t>(score_));
    h.i32(drive_);
    h.i32(tenths_);
    h.identities(rack_);
    h.flag(rocksUnlocked_);
    h.f32(iceLine_);
    return h.value();
}
} // namespace rules
