// CardSet.hpp: every card identity of the game and the pictures all table cards share, as
// loadCards reads them once for the whole run.
#pragma once

#include "cards/TCardData.hpp"
#include "media/Picture.hpp"

#include <array>
#include <deque>
#include <vector>

// Pictures every table card draws with, all with a centred handle.
struct CardGraphics
{
    std::array<media::Picture, 2> magicOutline;
    media::Picture over;                  // hover highlight, hint glow and red flash (tinted)
    std::array<media::Picture, 6> revers; // backs 0..5 (1 and 2 share a picture)
    media::Picture reversGold;            // the back of magic cards
    media::Picture snow;
    media::Picture mask;  // the card's opaque shape: every hit and overlap test
    media::Picture ice;   // 9 frames of 96 x 140
    media::Picture rocks; // 9 frames of 96 x 140
    media::Picture klucz; // the hammer, as the level editor shows it
};

struct CardSet
{
    // Owns every identity; a deque keeps their addresses while it grows.
    std::deque<TCardData> identities;
    // The identities by range, each in file order.
    std::vector<TCardData*> normalCardData;  // ids up to 100
    std::vector<TCardData*> specialCardData; // ids above 100
    std::vector<TCardData*> magicCardData;   // ids above 300 (also in specialCardData)
    CardGraphics graphics;
};
