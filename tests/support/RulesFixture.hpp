// RulesFixture.hpp: small tables for the rules with no content at all: identities made by
// hand, 96 x 140 cards whose shapes are plain rectangles, and a listener that writes down
// what it is told.
#pragma once

#include "rules/Board.hpp"
#include "rules/Layout.hpp"

#include <cstdlib>
#include <vector>

namespace testing_support
{
// The card of a rank (2..14, the ace 14) in a suit (1..4), numbered as the game numbers them.
inline rules::Identity rankCard(int rank, int suit = 1)
{
    return {(suit - 1) * 13 + (rank == 14 ? 1 : rank), rank};
}
inline rules::Identity magicCard(int rank)
{
    return {300 + rankCard(rank).id, rank};
}
inline rules::Identity swordCard(int rank)
{
    return {200 + rank, rank};
}
inline const rules::Identity hammerCard{105, 0};

inline rules::CardPlace place(float x, float y, rules::Identity card)
{
    rules::CardPlace p;
    p.x = x;
    p.y = y;
    p.card = card;
    return p;
}

inline rules::CardPlace withRocks(rules::CardPlace p)
{
    p.rocks = true;
    return p;
}
inline rules::CardPlace withIce(rules::CardPlace p)
{
    p.ice = true;
    return p;
}
inline rules::CardPlace withSnow(rules::CardPlace p)
{
    p.snow = true;
    return p;
}
inline rules::CardPlace forcedUp(rules::CardPlace p)
{
    p.forced = true;
    return p;
}
inline rules::CardPlace withCoin(rules::CardPlace p, int amount)
{
    p.hasCoin = true;
    p.coin = amount;
    return p;
}

// Two 96 x 140 cards overlap when their centres, in whole pixels, are closer than that.
inline bool rectanglesOverlap(const rules::CardPlace& a, const rules::CardPlace& b)
{
    return std::abs(static_cast<int>(a.x) - static_cast<int>(b.x)) < 96
           && std::abs(static_cast<int>(a.y) - static_cast<int>(b.y)) < 140;
}

// A layout of these cards (first lies lowest) with rectangle overlaps.
inline rules::Layout tableLayout(std::vector<rules::CardPlace> table, std::vector<rules::Identity> deck = {},
                                 std::vector<rules::Identity> spot = {})
{
    rules::Layout layout;
    layout.table = std::move(table);
    layout.overlaps = rules::overlapsOf(layout.table, [&](int a, int b) {
        return rectanglesOverlap(layout.table[static_cast<std::size_t>(a)],
                                 layout.table[static_cast<std::size_t>(b)]);
    });
    layout.deck = std::move(deck);
    layout.spot = std::move(spot);
    return layout;
}

// Every event in order, with how many cards lay on the table when it came.
class Recorder : public rules::Listener
{
public:
    struct Entry
    {
        rules::Event event;
        int tableCount = 0;
    };
    void onEvent(const rules::Event& event, const rules::Board& board) override
    {
        entries.push_back({event, board.tableCount()});
    }
    std::vector<rules::EventKind> kinds() const
    {
        std::vector<rules::EventKind> out;
        for (const Entry& e : entries)
            out.push_back(e.event.kind);
        return out;
    }
    // The events of one kind, in order.
    std::vector<rules::Event> of(rules::EventKind kind) const
    {
        std::vector<rules::Event> out;
        for (const Entry& e : entries) {
            if (e.event.kind == kind)
                out.push_back(e.event);
        }
        return out;
    }
    std::vector<Entry> entries;
};

// A board dealt and under way, telling `recorder` everything from then on.
struct Dealt
{
    explicit Dealt(rules::Layout layout) : board(std::move(layout))
    {
        board.deal();
        board.beginPlay();
        board.setListener(&recorder);
    }
    Recorder recorder;
    rules::Board board;
};
} // namespace testing_support
