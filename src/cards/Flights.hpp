// Flights.hpp: every card in flight, and starting each kind of flight.
#pragma once

#include "cards/TFlyingCard.hpp"

#include <list>
#include <memory>
#include <vector>

// Every running flight in the order it began, and those bound for the spot.
extern std::list<std::unique_ptr<TFlyingCard>> flyingCards;
extern std::vector<TFlyingCard*> flyingToSpot;

// Empties both lists (a new level begins).
void clearFlights();

// A played table card, taken off the table, to the spot.
TFlyingCard& startCardToSpot(std::shared_ptr<TCard> card, float x2, float y2, int delay);
// A deck identity turned onto the spot, or dealt out at the end of a level, or put back.
TFlyingCard& startDeckToSpot(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                             TLevel* level);
TFlyingCard& startDeckToOut(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                            TLevel* level);
TFlyingCard& startSpotToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                             TLevel* level);
TFlyingCard& startSwordToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                              TLevel* level);
// A sword card found: it swells in place, then flies to (x2, y2) and joins the rack.
TFlyingCard& startPickSword(std::shared_ptr<TCard> card, float x2, float y2);
// A sword card the player already has: it swells, spins and leaves the screen.
TFlyingCard& startPickSwordFly(std::shared_ptr<TCard> card);
// A table card moving across the table (the opening deal), staying on the table.
TFlyingCard& startStandard(TCard& card, float x1, float y1, float x2, float y2, int delay);
TFlyingCard& startStandard1(TCard& card, float x1, float y1, float x2, float y2, int delay);
// A card leaving the table for good: it swells, shrinks back and drops off the screen.
TFlyingCard& startFlyOut(std::shared_ptr<TCard> card, float x1, float y1, float x2, float y2, int delay);

void updateFlights();
void drawFlights();
// Lands every flight at once, arrivals made in order (the level is being left).
void landAllFlights();
