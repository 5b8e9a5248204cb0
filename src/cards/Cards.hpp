// Cards.hpp: every card identity of the game, the pictures all table cards share, and the
// lookups and tests on them.
#pragma once

#include "cards/TCardData.hpp"
#include "media/Picture.hpp"

#include <array>
#include <string>
#include <vector>

class TCard;

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

// Identities by range, each in file order (views of the identities loadCards made).
extern std::vector<TCardData*> normalCardData;  // ids up to 100
extern std::vector<TCardData*> specialCardData; // ids above 100
extern std::vector<TCardData*> magicCardData;   // ids above 300 (also in specialCardData)

// Reads data/cards.dat and the card pictures. Problems are reported naming the file; the
// game goes on with what could be read.
void loadCards();
const CardGraphics& cardGraphics();
// Lets go of every identity and card picture (before the display closes).
void unloadCards();

// The first identity with the id among the normal cards, else among the special ones.
TCardData* cardDataById(int id);
// The first normal identity of that suit whose name matches, ignoring case.
TCardData* cardDataByName(const std::string& name, int kolor);
// Every normal identity below 100, in file order.
std::vector<TCardData*> normalCardList();
// One of them at random (none when there are none), and n such draws (repeats allowed).
TCardData* randomNormalCard();
std::vector<TCardData*> randomNormalCards(int n);

// Whether the masks of two table cards overlap where they lie (positions truncated to whole
// pixels, each with its own rotation, at scale 1).
bool cardsOverlap(const TCard& a, const TCard& b);
