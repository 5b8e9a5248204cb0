// Layout.hpp: a level as the rules take it over: the table cards as dealt, the deck, the spot,
// the rack and the figures of a level in progress.
#pragma once

#include "rules/Identity.hpp"

#include <functional>
#include <vector>

namespace rules
{
// One table card as dealt.
struct CardPlace
{
    Identity card;
    float x = 0, y = 0;  // centre on the 1024 x 768 table
    bool faceUp = false; // the level file's cards start face down
    bool uncovered = false;
    bool forced = false; // shown face up even while covered (an aid)
    bool rocks = false, ice = false, snow = false;
    bool hasCoin = false; // a coin hidden under this (column) card ...
    int coin = 0;         // ... worth this many points (may be 0)
};

// What the player owns that changes the rules.
struct Items
{
    bool cashBonus = false;       // 5 % of the table score is added at the end
    int maxMultiplierTenths = 50; // the multiplier's maximum: 5.0, or 7.0 with an aid
};

struct Layout
{
    std::vector<CardPlace> table;           // stacking order: a later card lies on earlier ones
    std::vector<std::vector<int>> overlaps; // per card: indices whose shapes overlap it
    std::vector<Identity> deck;             // front (turned next) first
    std::vector<Identity> spot;             // the last is the spot card
    std::vector<Identity> rack;             // swords the player holds
    long long score = 0;
    int driveN = 0;
    int multiplierTenths = 10; // 1.0
    int longestDrive = 0;      // the level's longest long drive
    bool rocksUnlocked = false;
    float iceLine = 0; // x of the rightmost ice card; 1500 when none
    Items items;
    // A lesson level: the deck is not turned while a table card can be played on the spot. The
    // game screen holds the deck back; the solver looks no further.
    bool deckWaitsForPlayableCards = false;
};

// The overlap lists of a table: for every pair whose centres, each truncated to whole pixels,
// lie less than 150 px apart, `shapesOverlap(a, b)` (indices into `table`, a < b) decides. The
// lists are symmetric and each is in ascending order.
std::vector<std::vector<int>> overlapsOf(const std::vector<CardPlace>& table,
                                         const std::function<bool(int, int)>& shapesOverlap);
} // namespace rules
