// LevelInPlay.hpp: everything that lives exactly as long as the level in play: its rules, the
// cards in the air, the resources on their way, the undo history, its particles, emitters and
// captions, and the hint pulse its cards share. The game screen owns one for its level.
#pragma once

#include "cards/Flights.hpp"
#include "cards/HintPulse.hpp"
#include "cards/Resources.hpp"
#include "cards/UndoHistory.hpp"
#include "effects/Effects.hpp"
#include "rules/Board.hpp"

#include <vector>

class TCard;
class TLevel;

class LevelInPlay
{
public:
    // The level's table as the rules take it over; its cards keep the slots of `level.cards`.
    LevelInPlay(const TLevel& level, rules::Layout layout, FlightHost& flightHost,
                ResourceHost& resourceHost);
    LevelInPlay(const LevelInPlay&) = delete;
    LevelInPlay& operator=(const LevelInPlay&) = delete;

    // The table card of a slot (the level, or what carries it, owns it), and the slot of a
    // table card (-1 for none).
    TCard& cardOf(int slot) const;
    int slotOf(const TCard& card) const;

    rules::Board board;
    std::vector<TCard*> slots;
    Effects effects;
    Flights flights;
    Resources resources;
    UndoHistory undo;
    HintPulse hint;
};
