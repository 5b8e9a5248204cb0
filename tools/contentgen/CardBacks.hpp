// CardBacks.hpp: a card back for pictures elsewhere that show a face-down card as the game does.
#pragma once

#include "Image.hpp"

namespace contentgen::cards
{
// The first back of the deck: the navy lattice.
Image latticeBack();
} // namespace contentgen::cards
