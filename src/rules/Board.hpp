// Board.hpp: the level in play as the rules see it: the table, deck, spot and rack as plain
// data, the moves on them, and the changes that wait for something to land (tickets).
#pragma once

#include "rules/Event.hpp"
#include "rules/Identity.hpp"
#include "rules/Layout.hpp"
#include "rules/Listener.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace rules
{
// A table card as it is now; it keeps its slot after it has left the table.
struct CardState : CardPlace
{
    bool onTable = true;
};

// What a ticket stands for until it lands.
enum class PendingKind
{
    Coin,       // a coin flying to the score
    DriveLight, // a long drive's light flying to the multiplier
    Rocks       // the hammer's swell, after which the rocks open
};

struct Pending
{
    int ticket = 0;
    PendingKind kind = PendingKind::Coin;
    int amount = 0; // Coin: its points
    int length = 0; // DriveLight: the drive's length
    int slot = -1;  // Coin: the card it lay under (-1 for a drive's coin); Rocks: the hammer
};

// The table as it lay before a move that changed it, to lay it so again.
struct TableState
{
    std::vector<CardState> cards;
    int tableCount = 0;
    int iceCount = 0;
    float iceLine = 0;
};

// One move in the undo history, with the figures from before it.
struct UndoEvent
{
    UndoKind typ = UndoKind::CardPlayed;
    int slot = -1;            // CardPlayed, SwordPicked: the table card
    Identity card;            // what moved
    bool alreadyHeld = false; // SwordPicked: the sword went away, not to the rack
    long long score = 0;      // the figures before the move
    int driveN = 0;
    int driveMN = 10; // the multiplier in tenths
    TableState table; // CardPlayed, SwordPicked
};

// Every change is made at once and reported to the listener as it happens. A change the game
// shows arriving later (a coin's points, a drive's light, the rocks opening) is handed out as a
// ticket and made when that ticket lands.
class Board
{
public:
    static constexpr int MIN_LONG_DRIVE = 5;

    explicit Board(Layout layout);
    // The listener is told of every event from now on (none when null); it is not owned.
    void setListener(Listener* listener);
    // Off for a board that only looks ahead (the solver): no history is kept, so copies stay
    // small; undo() then has nothing to take back.
    void setKeepsUndoHistory(bool keep);

    // Turns the table as dealt (nothing leaves it), then event Deal.
    void deal();
    // The uncover test over the table; `initial` is 1 while a table is laid out, else 0.
    void CHECK_Cover(int initial);
    // The opening deal has landed: a free hammer leaves, then free swords are picked up.
    void beginPlay();

    // --- queries
    bool onTable(int slot) const;
    // The card in a slot of the layout's table (on the table or not).
    const CardState& card(int slot) const;
    // The slots on the table, in stacking order.
    std::vector<int> tableOrder() const;
    int tableCount() const { return tableCount_; }
    // How many slots the layout's table had (the cards on the table and those gone).
    int slotCount() const { return static_cast<int>(cards_.size()); }
    // The spot card the rules see: none when the spot is empty.
    std::optional<Identity> spotCard() const;
    // On the table, uncovered, and a sword or a card that follows the spot card.
    bool canPlay(int slot) const;

    // --- moves
    // Plays a table card onto the spot (a sword is picked up instead); false when the card is
    // not on the table, not uncovered, or does not follow the spot card.
    bool play(int slot);
    // The deck's front card goes to the spot (a sword to the rack); false when the deck is empty.
    bool turnDeck();
    // The drive grows by one with no card (a developer key).
    void LongDrive_add();
    // The drive ends; a long one sends its light to the multiplier.
    void LongDrive_end();
    void setDrive(int n);
    // Developer keys; the multiplier never goes below 0.
    void addMultiplierTenths(int d);
    // Developer key: the card in the slot takes another identity (a sword, say).
    void setIdentity(int slot, Identity card);
    // Leaving free play: drive 0, multiplier 1.0.
    void resetDriveAndMultiplier();
    // A rack sword onto the spot, whatever the spot card; false unless the rack holds it.
    bool useSword(int id);
    // Lands whatever is pending, works out the figures, and lets the deck go.
    LevelEnd endLevel();

    // --- the undo history
    // Moves are recorded as they are made: a table card played, a deck card turned (not a
    // sword), a rack sword used, a table sword picked up. The history starts empty when play
    // begins and empties again when the hammer leaves.
    const std::vector<UndoEvent>& undoHistory() const { return undoHistory_; }
    // Something to take back, and nothing on its way (a coin or a light landing after the
    // figures were put back would count twice).
    bool canUndo() const { return !undoHistory_.empty() && pending_.empty(); }
    // Takes back the newest move, then event Undo; false (nothing changes) unless canUndo().
    bool undo();

    // --- arrivals
    // The change a ticket stands for is made now; an unknown or landed ticket is ignored.
    void land(int ticket);
    // Every pending ticket, in the order they were handed out (and any they hand out).
    void landAll();
    const std::vector<Pending>& pending() const { return pending_; }

    // --- state
    long long score() const { return score_; }
    int driveN() const { return drive_; }
    int multiplierTenths() const { return tenths_; }
    int longestDrive() const { return longestDrive_; }
    const std::vector<Identity>& deck() const { return deck_; }
    // Includes cards still flying there.
    const std::vector<Identity>& spot() const { return spot_; }
    // Sorted by id.
    const std::vector<Identity>& rack() const { return rack_; }
    // What has left the level: the hammer, a sword already held, the deck at the end.
    const std::vector<Identity>& departed() const { return departed_; }
    bool rocksUnlocked() const { return rocksUnlocked_; }
    float iceLine() const { return iceLine_; }
    const Items& items() const { return items_; }
    bool deckWaitsForPlayableCards() const { return deckWaitsForPlayableCards_; }
    // A fingerprint of the state (not of the pending tickets): the table as a set, the deck, the
    // spot, the figures and the rack. Equal states give equal digests.
    std::uint64_t digest() const;

private:
    void emit(const Event& event) const;
    void coverTest(int slot, int initial);
    bool swordAbove(int slot) const;
    void recomputeIceLine();
    void takeOff(int slot);
    void pickSword(int slot);
    void hammerLeaves(int slot);
    void toRackOrDeparted(const Identity& sword, bool held);
    bool rackHolds(int id) const;
    int handOut(PendingKind kind, int amount, int length, int slot);
    Coin releaseColumnCoin(int slot);
    // Adds the move to the undo history (when one is kept), with the figures from before it.
    void remember(UndoKind typ, int slot, Identity card, bool keepTable, bool alreadyHeld = false);
    void layTable(const TableState& table);

    // Per slot, the later slots whose shapes overlap it: above[start[s] .. start[s+1]). Worked
    // out once per deal and shared by every copy of the board.
    struct CoverRelation
    {
        std::vector<int> start;
        std::vector<int> above;
    };

    std::vector<CardState> cards_;
    std::shared_ptr<const CoverRelation> cover_;
    std::vector<int> swordSlots_; // table slots holding a sword, ascending
    int tableCount_ = 0;
    int iceCount_ = 0; // cards on the table with ice
    std::vector<Identity> deck_;
    std::vector<Identity> spot_;
    std::vector<Identity> rack_;
    std::vector<Identity> departed_;
    long long score_ = 0;
    int drive_ = 0;
    int tenths_ = 10;
    int longestDrive_ = 0;
    bool rocksUnlocked_ = false;
    float iceLine_ = 0;
    Items items_;
    bool deckWaitsForPlayableCards_ = false;
    std::vector<Pending> pending_;
    int nextTicket_ = 1;
    std::vector<UndoEvent> undoHistory_;
    bool keepsUndoHistory_ = true;
    Listener* listener_ = nullptr; // not owned
};
} // namespace rules
