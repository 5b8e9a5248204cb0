// CardGeometry.hpp: the size and outline every card picture shares, the suits and the card palette.
#pragma once

#include "Colour.hpp"
#include "Paint.hpp"

#include <cairo.h>

#include <algorithm>

namespace contentgen::cards
{
// Every card, back and overlay cell is this size; the game cuts its sheets into such cells.
constexpr int width = 96;
constexpr int height = 140;
constexpr double cornerRadius = 7.0;
// Cells in a face sheet (A, 2..10, J, Q, K) and frames in the ice and rock strips.
constexpr int sheetCells = 13;
constexpr int overlayFrames = 9;

// The card's rounded rectangle shrunk by `inset` on every side, its corners kept concentric.
inline void outline(cairo_t* cr, double inset = 0.0)
{
    paint::roundedRectangle(cr, inset, inset, width - 2.0 * inset, height - 2.0 * inset,
                            std::max(1.0, cornerRadius - inset));
}

// The four suits, in the order of the sheets (kolor 1..4). Each differs from the others in
// shape as well as colour: a crescent, a leaf on its stem, a three-tongued flame, a drop.
enum class Suit
{
    Moons,
    Leaves,
    Flames,
    Drops
};
constexpr Suit allSuits[] = {Suit::Moons, Suit::Leaves, Suit::Flames, Suit::Drops};

struct SuitColours
{
    Colour light; // highlights and the lit side of a symbol
    Colour main;  // the body of a symbol
    Colour dark;  // shade and outline
    Colour index; // the rank in the corners: dark enough to read on ivory and gold
};

inline SuitColours coloursOf(Suit suit)
{
    switch (suit) {
    // Beyond hue the pairs a colour-blind eye may confuse also differ in lightness: the moons are
    // pale silver-violet against the deep blue drops, the flames a bright vermilion against the
    // darker moss leaves.
    case Suit::Moons:
        return {Colour::bytes(238, 234, 250), Colour::bytes(156, 138, 206), Colour::bytes(60, 42, 106),
                Colour::bytes(86, 56, 146)};
    case Suit::Leaves:
        return {Colour::bytes(172, 212, 136), Colour::bytes(58, 120, 62), Colour::bytes(20, 56, 28),
                Colour::bytes(28, 86, 42)};
    case Suit::Flames:
        return {Colour::bytes(255, 202, 92), Colour::bytes(224, 52, 36), Colour::bytes(112, 14, 14),
                Colour::bytes(172, 26, 24)};
    case Suit::Drops:
        return {Colour::bytes(164, 216, 248), Colour::bytes(28, 96, 190), Colour::bytes(12, 40, 100),
                Colour::bytes(18, 62, 146)};
    }
    return {};
}

// Shared colours of the card art.
constexpr Colour ink = Colour::bytes(46, 32, 22);          // card edges and outlines, never pure black
constexpr Colour ivory = Colour::bytes(252, 246, 228);     // face stock, lit corner
constexpr Colour parchment = Colour::bytes(236, 222, 190); // face stock, far corner
constexpr Colour goldLight = Colour::bytes(255, 238, 168);
constexpr Colour gold = Colour::bytes(222, 174, 66);
constexpr Colour goldDeep = Colour::bytes(142, 94, 28);
constexpr Colour steelLight = Colour::bytes(226, 234, 244);
constexpr Colour steel = Colour::bytes(150, 168, 194);
constexpr Colour steelDeep = Colour::bytes(64, 82, 116);
constexpr Colour navy = Colour::bytes(18, 34, 74);
} // namespace contentgen::cards
