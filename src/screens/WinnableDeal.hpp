// WinnableDeal.hpp: the dealer behind "winnable deals only". Each try deals the level with the
// random numbers seeded afresh (the seeds of the tries follow each other, so `eldmere --solve
// LEVEL --seed N` shows any one of them), and the first deal the solver clears is kept. The
// tries and the positions the solver may look at are few, so the choice never holds the game
// up for long; when none of the tries is decided as clearable, the deal that left the fewest
// cards is kept.
#pragma once

#include "rules/Layout.hpp"
#include "rules/Solver.hpp"

#include <cstdint>
#include <functional>
#include <memory>

class TLevel;

struct DealTries
{
    int tries = 20;
    long long nodesPerTry = 100'000;
    long long nodesInAll = 300'000;
};

struct ChosenDeal
{
    std::shared_ptr<TLevel> level;
    int tries = 0;          // deals made
    std::uint32_t seed = 0; // the seed the kept deal was dealt with
    rules::Verdict verdict = rules::Verdict::Unknown;
    int cardsLeftMin = 0; // of the kept deal
};

// `deal` deals the level from the random numbers as they stand (none when it cannot be read);
// `layout` lays a dealt level out as the rules will play it.
ChosenDeal dealWinnable(const std::function<std::shared_ptr<TLevel>()>& deal,
                        const std::function<rules::Layout(const TLevel&)>& layout,
                        const DealTries& limits = {});
