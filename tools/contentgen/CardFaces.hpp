// CardFaces.hpp: single card faces for pictures elsewhere that show a card as the game does.
#pragma once

#include "CardGeometry.hpp"
#include "Image.hpp"

namespace contentgen
{
class Context;
}

namespace contentgen::cards
{
// The face of `rank` (1 ace .. 13 king) of `suit`, ivory or gilded as the magic cards are.
Image suitFace(Context& context, Suit suit, int rank, bool gilded = false);
// The sword card of `rank` (2 .. 14, the ace last).
Image swordCard(Context& context, int rank);
} // namespace contentgen::cards
