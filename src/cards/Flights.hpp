// Flights.hpp: every card in flight over one level, in the order the flights began, and
// starting each kind of flight.
#pragma once

#include "cards/FlightHost.hpp"
#include "cards/TFlyingCard.hpp"

#include <list>
#include <memory>
#include <vector>

class Flights
{
public:
    explicit Flights(FlightHost& host) : host_(host) {}
    Flights(const Flights&) = delete;
    Flights& operator=(const Flights&) = delete;
    ~Flights();

    // A played table card, taken off the table, to the spot.
    TFlyingCard& startCardToSpot(std::shared_ptr<TCard> card, float x2, float y2, int delay);
    // A deck identity turned onto the spot, or dealt out at the end of a level, or put back.
    TFlyingCard& startDeckToSpot(TCardData* identity, float x1, float y1, float x2, float y2, int delay);
    TFlyingCard& startDeckToOut(TCardData* identity, float x1, float y1, float x2, float y2, int delay);
    TFlyingCard& startSpotToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay);
    TFlyingCard& startSwordToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay);
    // Taken back: a used sword from the spot to its place on the rack, turning to its angle there
    // (`rackAngle`); a picked-up sword from the rack back to its place on the table.
    TFlyingCard& startDeckToSword(TCardData* identity, float x1, float y1, float x2, float y2,
                                  float rackAngle);
    TFlyingCard& startSwordToCard(TCard& card, float x1, float y1, float x2, float y2);
    // A sword card found: it swells in place, then flies to (x2, y2) and joins the rack.
    TFlyingCard& startPickSword(std::shared_ptr<TCard> card, float x2, float y2);
    // A sword card the player already has: it swells, spins and leaves the screen.
    TFlyingCard& startPickSwordFly(std::shared_ptr<TCard> card);
    // A table card moving across the table (the opening deal), staying on the table.
    TFlyingCard& startStandard(TCard& card, float x1, float y1, float x2, float y2, int delay);
    TFlyingCard& startStandard1(TCard& card, float x1, float y1, float x2, float y2, int delay);
    // A card leaving the table for good: it swells, shrinks back and drops off the screen.
    TFlyingCard& startFlyOut(std::shared_ptr<TCard> card, float x1, float y1, float x2, float y2, int delay);

    // Arrivals may start new flights: they join the end of the list and run in this same pass.
    void updateFlights();
    void drawFlights();
    // Lands every flight at once, arrivals made in order (the level is being left).
    void landAllFlights();
    // Every flight goes, nothing landed (a new deal begins).
    void clearFlights();

    // Every running flight in the order it began, and those bound for the spot.
    std::list<std::unique_ptr<TFlyingCard>> flyingCards;
    std::vector<TFlyingCard*> flyingToSpot;
    // The level's card back, for what flies face down.
    int numerRewersu = 0;

private:
    TFlyingCard& begin(int delay);
    TFlyingCard& carry(std::shared_ptr<TCard> card, int delay);
    TFlyingCard& bare(FlightKind kind, TCardData* identity, float x1, float y1, float x2, float y2,
                      int delay);
    TFlyingCard& standard(FlightKind kind, TCard& card, float x1, float y1, float x2, float y2, int delay);
    void finish(std::list<std::unique_ptr<TFlyingCard>>::iterator it);

    FlightHost& host_;
};
