// Cards.hpp: every card identity of the game, the pictures all table cards share, and the
// lookups and tests on them.
#pragma once

#include "cards/CardSet.hpp"
#include "cards/TCardData.hpp"

#include <string>
#include <vector>

class TCard;

// Reads data/cards.dat and the card pictures. Problems are reported naming the file; the
// game goes on with what could be read.
void loadCards();
// The program's identities and card pictures (empty ones before loadCards).
CardSet& cardSet();
const CardGraphics& cardGraphics();

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
