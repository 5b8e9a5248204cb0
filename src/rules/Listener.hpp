// Listener.hpp: the one receiver of a board's events.
#pragma once

#include "rules/Event.hpp"

namespace rules
{
class Board;

// Told of every event as it happens, with the board as it stands at that moment.
class Listener
{
public:
    virtual ~Listener() = default;
    virtual void onEvent(const Event& event, const Board& board) = 0;
};
} // namespace rules
