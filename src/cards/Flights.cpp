// Flights.cpp
#include "cards/Flights.hpp"

#include "audio/Sounds.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "media/Platform.hpp"

#include <algorithm>

namespace
{
void fromTo(TFlyingCard& f, float x1, float y1, float x2, float y2)
{
    f.x1 = x1;
    f.y1 = y1;
    f.x2 = x2;
    f.y2 = y2;
}

void corner(TFlyingCard& f)
{
    if (media::random().rand(0, 1) == 0) {
        f.mx = f.x1;
        f.my = f.y2;
    } else {
        f.mx = f.x2;
        f.my = f.y1;
    }
}

void arc(TFlyingCard& f)
{
    f.mx = f.x1 + (f.x2 - f.x1) / 2;
    f.my = f.y1 - 50;
}
} // namespace

Flights::~Flights()
{
    clearFlights();
}

TFlyingCard& Flights::begin(int delay)
{
    auto flight = std::make_unique<TFlyingCard>();
    flight->startTime = media::clock().millisecs() + delay;
    flight->host = &host_;
    flyingCards.push_back(std::move(flight));
    return *flyingCards.back();
}

TFlyingCard& Flights::carry(std::shared_ptr<TCard> card, int delay)
{
    // A card the table no longer holds: the flight keeps it alive.
    TFlyingCard& f = begin(delay);
    f.card = card.get();
    card->flyingCard = &f;
    f.ownedCard = std::move(card);
    return f;
}

TFlyingCard& Flights::bare(FlightKind kind, TCardData* identity, float x1, float y1, float x2, float y2,
                           int delay)
{
    TFlyingCard& f = begin(delay);
    f.typ = kind;
    f.identity = identity;
    fromTo(f, x1, y1, x2, y2);
    arc(f);
    f.docelowySide = 1;
    return f;
}

void Flights::clearFlights()
{
    for (const auto& f : flyingCards) {
        if (f->card && f->card->flyingCard == f.get())
            f->card->flyingCard = nullptr;
    }
    flyingToSpot.clear();
    flyingCards.clear();
}

TFlyingCard& Flights::startCardToSpot(std::shared_ptr<TCard> card, float x2, float y2, int delay)
{
    const float x1 = card->x;
    const float y1 = card->y;
    const int cardSide = card->side;
    TFlyingCard& f = carry(std::move(card), delay);
    f.typ = FlightKind::CardToSpot;
    fromTo(f, x1, y1, x2, y2);
    f.x = x1;
    f.y = y1;
    corner(f);
    f.docelowySide = cardSide;
    flyingToSpot.push_back(&f);
    return f;
}

TFlyingCard& Flights::startDeckToSpot(TCardData* identity, float x1, float y1, float x2, float y2, int delay)
{
    TFlyingCard& f = bare(FlightKind::FromDeckToSpot, identity, x1, y1, x2, y2, delay);
    flyingToSpot.push_back(&f);
    return f;
}

TFlyingCard& Flights::startDeckToOut(TCardData* identity, float x1, float y1, float x2, float y2, int delay)
{
    TFlyingCard& f = bare(FlightKind::FromDeckToOut, identity, x1, y1, x2, y2, delay);
    f.x = -100;
    f.y = -100;
    return f;
}

TFlyingCard& Flights::startSpotToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay)
{
    return bare(FlightKind::FromSpotToDeck, identity, x1, y1, x2, y2, delay);
}

TFlyingCard& Flights::startSwordToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay)
{
    return bare(FlightKind::SwordToDeck, identity, x1, y1, x2, y2, delay);
}

TFlyingCard& Flights::startDeckToSword(TCardData* identity, float x1, float y1, float x2, float y2,
                                       float rackAngle)
{
    TFlyingCard& f = bare(FlightKind::DeckToSword, identity, x1, y1, x2, y2, 0);
    f.x = x1;
    f.y = y1;
    f.docelowyRot = rackAngle + 90;
    return f;
}

TFlyingCard& Flights::startSwordToCard(TCard& card, float x1, float y1, float x2, float y2)
{
    TFlyingCard& f = begin(0);
    f.typ = FlightKind::SwordToCard;
    f.card = &card;
    fromTo(f, x1, y1, x2, y2);
    arc(f);
    f.x = x1;
    f.y = y1;
    f.side = 1;
    f.docelowySide = 1;
    f.docelowyRot = card.rot;
    f.levelCheck = 1;
    card.flyingCard = &f;
    return f;
}

TFlyingCard& Flights::startPickSword(std::shared_ptr<TCard> card, float x2, float y2)
{
    const float x = card->x;
    const float y = card->y;
    const float cardRot = card->rot;
    TFlyingCard& f = carry(std::move(card), 0);
    f.typ = FlightKind::PickSword1;
    fromTo(f, x, y, x2, y2);
    f.x = x;
    f.y = y;
    f.side = 1;
    f.swordRot = f.swordStartRot = cardRot;
    f.swordScale = 1;
    playMySound("spec-card-find");
    return f;
}

TFlyingCard& Flights::startPickSwordFly(std::shared_ptr<TCard> card)
{
    const float x = card->x;
    const float y = card->y;
    const float cardRot = card->rot;
    TFlyingCard& f = carry(std::move(card), 0);
    f.typ = FlightKind::PickSwordFly1;
    fromTo(f, x, y, 1200, 500);
    f.x = x;
    f.y = y;
    f.side = 1;
    f.docelowySide = 1;
    f.swordRot = f.swordStartRot = cardRot;
    f.swordScale = 1;
    return f;
}

TFlyingCard& Flights::standard(FlightKind kind, TCard& card, float x1, float y1, float x2, float y2,
                               int delay)
{
    TFlyingCard& f = begin(delay);
    f.typ = kind;
    f.card = &card;
    fromTo(f, x1, y1, x2, y2);
    corner(f);
    f.standardSpeed = 0.02f;
    f.docelowySide = card.side;
    card.flyingCard = &f;
    return f;
}

TFlyingCard& Flights::startStandard(TCard& card, float x1, float y1, float x2, float y2, int delay)
{
    return standard(FlightKind::Standard, card, x1, y1, x2, y2, delay);
}

TFlyingCard& Flights::startStandard1(TCard& card, float x1, float y1, float x2, float y2, int delay)
{
    return standard(FlightKind::Standard1, card, x1, y1, x2, y2, delay);
}

TFlyingCard& Flights::startFlyOut(std::shared_ptr<TCard> card, float x1, float y1, float x2, float y2,
                                  int delay)
{
    TFlyingCard& f = carry(std::move(card), delay);
    f.typ = FlightKind::FlyOutStepOne;
    fromTo(f, x1, y1, x2, y2);
    corner(f);
    f.side = 1;
    f.docelowySide = 1;
    f.p = 0;
    f.x = x1;
    f.y = y1;
    return f;
}

void Flights::finish(std::list<std::unique_ptr<TFlyingCard>>::iterator it)
{
    TFlyingCard* done = it->get();
    done->destroy();
    flyingToSpot.erase(std::remove(flyingToSpot.begin(), flyingToSpot.end(), done), flyingToSpot.end());
    flyingCards.erase(it);
}

void Flights::updateFlights()
{
    for (auto it = flyingCards.begin(); it != flyingCards.end();) {
        auto current = it++;
        if ((*current)->update())
            finish(current);
    }
}

void Flights::drawFlights()
{
    for (const auto& f : flyingCards)
        f->draw(numerRewersu);
}

void Flights::landAllFlights()
{
    // Every arrival is made in order; an arrival that starts another flight lands that too.
    for (int guard = 0; !flyingCards.empty() && guard < 10000; ++guard) {
        TFlyingCard& f = *flyingCards.front();
        // What happens on the way happens now: the rocks open, a sword joins the rack.
        if (f.typ == FlightKind::FlyOutStepOne)
            host_.rocksOpen(f);
        const bool toRack = f.typ == FlightKind::PickSword1 || f.typ == FlightKind::PickSword2;
        if (toRack && !f.byloPart) {
            f.byloPart = 1;
            host_.swordRacked(f);
        }
        finish(flyingCards.begin());
    }
}
