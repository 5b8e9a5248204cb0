// Event.hpp: what the rules report, one event at a time and in order, to whoever shows the
// level: each kind says which fields of the one event struct it fills.
#pragma once

#include "rules/Identity.hpp"

namespace rules
{
enum class EventKind
{
    Deal,        // the table is laid out and its cards turned as dealt
    Refuse,      // slot, card: the card does not follow the spot card; nothing changes
    Take,        // slot, card, lastIce, hadRocks: a played card leaves the table
    Uncover,     // slot, card, turned (then rocksBroken, snowMelted): a card is free now
    HammerLeave, // slot, card, ticket (the rocks open when it lands)
    RocksOpen,   // ticket: the rocks are unlocked; the uncovering that follows comes after
    SwordPick,   // slot, card, alreadyHeld, columnCoin: a table sword is picked up
    Play,        // slot, card, driveBefore, points, driveCoin, columnCoin: a card joins the spot
    Deck,        // card: the deck's front card joins the spot
    DeckSword,   // card, alreadyHeld: the deck's front card is a sword and goes to the rack
    SwordUse,    // card: a rack sword goes onto the spot
    DriveEnd,    // length, ticket (the light, 0 for a short drive): the drive ends
    Coin,        // amount, slot and card it lay under (-1 and none for a drive coin), ticket
    Multiplier,  // length, tenthsBefore, maximumReached, ticket: a drive's light has arrived
    LevelEnd,    // figures
    Undo         // undone, slot, card: the newest move recorded in the history is taken back
};

// The moves the history records, each taken back its own way.
enum class UndoKind
{
    CardPlayed, // a table card went onto the spot ("KARTA-ZDJETA")
    DeckCard,   // the deck's front card went onto the spot ("KARTA-DODANA")
    SwordUsed,  // a rack sword went onto the spot ("UZYTO-SWORD")
    SwordPicked // a table sword went to the rack ("PICK-UP-SWORD")
};
// The name a kind is known by in the history ("KARTA-ZDJETA" and so on).
const char* undoName(UndoKind kind);

// A coin on its way to the score.
struct Coin
{
    int ticket = 0; // 0: no coin
    int amount = 0;
};

// The figures of a finished level.
struct LevelEnd
{
    int cardsLeft = 0;
    int deckLeft = 0;
    int bonus = 0;
    long long total = 0;    // table score, bonus and the cash aid
    long long recorded = 0; // the total times the multiplier
    bool perfect = false;
};

// One fat struct; each kind documents which fields it fills.
struct Event
{
    EventKind kind = EventKind::Deal;
    int slot = -1;                                // the table card involved (index into the layout's table)
    Identity card;                                // the identity involved
    bool lastIce = false;                         // Take: the played card carried the table's last ice
    bool hadRocks = false;                        // Take
    bool turned = false;                          // Uncover: it was face down and turns up now
    bool rocksBroken = false, snowMelted = false; // Uncover (only when turned)
    bool alreadyHeld = false;                     // SwordPick, DeckSword: the player holds that sword already
    int driveBefore = 0;                          // Play: the drive before this play
    int points = 0;       // Play: 3, 6 for a magic card, 0 beyond the fifth (a coin instead)
    Coin driveCoin;       // Play: the 10-point coin of a long drive
    Coin columnCoin;      // Play, SwordPick: the coin that lay under the card
    int ticket = 0;       // HammerLeave, DriveEnd; and the landed ticket of Coin, Multiplier, RocksOpen
    int length = 0;       // DriveEnd, Multiplier: the drive's length
    int amount = 0;       // Coin: points that joined the score
    int tenthsBefore = 0; // Multiplier
    bool maximumReached = false;            // Multiplier: the multiplier has just reached its maximum
    LevelEnd figures;                       // LevelEnd
    UndoKind undone = UndoKind::CardPlayed; // Undo
};
} // namespace rules
