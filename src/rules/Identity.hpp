// Identity.hpp: a card identity as the rules see it, and which ranks follow which.
#pragma once

namespace rules
{
// What a card is: its id (which picture, which kind) and its rank in sequences.
struct Identity
{
    int id = 0;
    int rank = 0; // 2..14 (the ace counts 14); 0 never follows anything
    // A wild card: the sword of rank r has the id r + 200.
    bool isSword() const { return id >= 202 && id <= 214; }
    // The hammer, which unlocks the rocks.
    bool isHammer() const { return id == 105; }
    bool isMagic() const { return id > 300; }
    friend bool operator==(const Identity&, const Identity&) = default;
};

// 1 when rank a is next to rank b: one above or one below, the ace (14) next to both the king
// (13) and the 2; otherwise 0.
int checkSequence(int a, int b);
} // namespace rules
