// CardOverlays.hpp: the obstacles laid over a card, for pictures elsewhere that show them.
#pragma once

#include "Image.hpp"

namespace contentgen::cards
{
// The heap of rocks on a card, as its first frame shows it.
Image rocksCover();
// The ice over a card, as its first frame shows it.
Image iceCover();
} // namespace contentgen::cards
