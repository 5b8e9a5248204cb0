// Trace.hpp: one line of text per event, for logs and for comparing two runs of a level.
#pragma once

#include "rules/Board.hpp"
#include "rules/Event.hpp"

#include <cstdint>
#include <string>

namespace rules
{
// "frame=<n> event=<kind> card=<id or 0> spot=<id or 0> deck=<count> table=<count> score=<n>
// drive=<n> multiplier=<1.3> digest=<hex>" for the kinds worth tracing; empty for the others
// (a refused card, a card taken off the table, a short drive's end).
std::string traceLine(long long frame, const Event& e, const Board& b);
// A digest as 16 lower-case hex digits.
std::string digestText(std::uint64_t digest);
} // namespace rules
