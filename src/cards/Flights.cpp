// Flights.cpp
#include "cards/Flights.hpp"

#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"
#include "screens/Sounds.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>

std::list<std::unique_ptr<TFlyingCard>> flyingCards;
std::vector<TFlyingCard*> flyingToSpot;

namespace
{
TFlyingCard& begin(int delay)
{
    auto flight = std::make_unique<TFlyingCard>();
    flight->startTime = media::clock().millisecs() + delay;
    flyingCards.push_back(std::move(flight));
    return *flyingCards.back();
}

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

// A flight carrying a card the table no longer holds: the flight keeps it alive.
TFlyingCard& carry(std::shared_ptr<TCard> card, int delay)
{
    TFlyingCard& f = begin(delay);
    f.card = card.get();
    f.level = card->myLevel;
    card->flyingCard = &f;
    f.ownedCard = std::move(card);
    return f;
}

TFlyingCard& bare(const char* typ, TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                  TLevel* level)
{
    TFlyingCard& f = begin(delay);
    f.typ = typ;
    f.identity = identity;
    f.level = level;
    fromTo(f, x1, y1, x2, y2);
    arc(f);
    f.docelowySide = 1;
    return f;
}
} // namespace

void clearFlights()
{
    for (const auto& f : flyingCards) {
        if (f->card && f->card->flyingCard == f.get())
            f->card->flyingCard = nullptr;
    }
    flyingToSpot.clear();
    flyingCards.clear();
}

TFlyingCard& startCardToSpot(std::shared_ptr<TCard> card, float x2, float y2, int delay)
{
    const float x1 = card->x;
    const float y1 = card->y;
    const int cardSide = card->side;
    TFlyingCard& f = carry(std::move(card), delay);
    f.typ = "CARD-TO-SPOT";
    fromTo(f, x1, y1, x2, y2);
    f.x = x1;
    f.y = y1;
    corner(f);
    f.docelowySide = cardSide;
    flyingToSpot.push_back(&f);
    return f;
}

TFlyingCard& startDeckToSpot(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                             TLevel* level)
{
    TFlyingCard& f = bare("FROM-DECK-TO-SPOT", identity, x1, y1, x2, y2, delay, level);
    flyingToSpot.push_back(&f);
    return f;
}

TFlyingCard& startDeckToOut(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                            TLevel* level)
{
    TFlyingCard& f = bare("FROM-DECK-TO-OUT", identity, x1, y1, x2, y2, delay, level);
    f.x = -100;
    f.y = -100;
    return f;
}

TFlyingCard& startSpotToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                             TLevel* level)
{
    return bare("FROM-SPOT-TO-DECK", identity, x1, y1, x2, y2, delay, level);
}

TFlyingCard& startSwordToDeck(TCardData* identity, float x1, float y1, float x2, float y2, int delay,
                              TLevel* level)
{
    return bare("SWORD-TO-DECK", identity, x1, y1, x2, y2, delay, level);
}

TFlyingCard& startPickSword(std::shared_ptr<TCard> card, float x2, float y2)
{
    const float x = card->x;
    const float y = card->y;
    const float cardRot = card->rot;
    TCardData* identity = card->cd;
    TFlyingCard& f = carry(std::move(card), 0);
    f.typ = "PICK-SWORD1";
    fromTo(f, x, y, x2, y2);
    f.x = x;
    f.y = y;
    f.side = 1;
    f.swordRot = f.swordStartRot = cardRot;
    f.swordScale = 1;
    f.docelowyRot = (hasProfile() && identity) ? profile().getSwordRotTemporary(*identity) : 0;
    playMySound("spec-card-find");
    return f;
}

TFlyingCard& startPickSwordFly(std::shared_ptr<TCard> card)
{
    const float x = card->x;
    const float y = card->y;
    const float cardRot = card->rot;
    TFlyingCard& f = carry(std::move(card), 0);
    f.typ = "PICK-SWORD-FLY-1";
    fromTo(f, x, y, 1200, 500);
    f.x = x;
    f.y = y;
    f.side = 1;
    f.docelowySide = 1;
    f.swordRot = f.swordStartRot = cardRot;
    f.swordScale = 1;
    return f;
}

namespace
{
TFlyingCard& standard(const char* typ, TCard& card, float x1, float y1, float x2, float y2, int delay)
{
    TFlyingCard& f = begin(delay);
    f.typ = typ;
    f.card = &card;
    f.level = card.myLevel;
    fromTo(f, x1, y1, x2, y2);
    corner(f);
    f.standardSpeed = 0.02f;
    f.docelowySide = card.side;
    card.flyingCard = &f;
    return f;
}
} // namespace

TFlyingCard& startStandard(TCard& card, float x1, float y1, float x2, float y2, int delay)
{
    return standard("STANDARD", card, x1, y1, x2, y2, delay);
}

TFlyingCard& startStandard1(TCard& card, float x1, float y1, float x2, float y2, int delay)
{
    return standard("STANDARD1", card, x1, y1, x2, y2, delay);
}

TFlyingCard& startFlyOut(std::shared_ptr<TCard> card, float x1, float y1, float x2, float y2, int delay)
{
    TFlyingCard& f = carry(std::move(card), delay);
    f.typ = "FLY-OUT-STEP-ONE";
    fromTo(f, x1, y1, x2, y2);
    corner(f);
    f.side = 1;
    f.docelowySide = 1;
    f.p = 0;
    f.x = x1;
    f.y = y1;
    return f;
}

namespace
{
void finish(std::list<std::unique_ptr<TFlyingCard>>::iterator it)
{
    TFlyingCard* done = it->get();
    done->destroy();
    flyingToSpot.erase(std::remove(flyingToSpot.begin(), flyingToSpot.end(), done), flyingToSpot.end());
    flyingCards.erase(it);
}
} // namespace

void updateFlights()
{
    // Arrivals may start new flights: they join the end of the list and run in this same pass.
    for (auto it = flyingCards.begin(); it != flyingCards.end();) {
        auto current = it++;
        if ((*current)->update())
            finish(current);
    }
}

void drawFlights()
{
    for (const auto& f : flyingCards)
        f->draw();
}

void landAllFlights()
{
    // Every arrival is made in order; an arrival that starts another flight lands that too.
    for (int guard = 0; !flyingCards.empty() && guard < 10000; ++guard) {
        TFlyingCard& f = *flyingCards.front();
        // Fly-outs unlock the rocks on the way; make sure that happens.
        if (f.typ == "FLY-OUT-STEP-ONE" && f.level) {
            f.level->utrudnienie1Odblokowane = 1;
            f.level->CHECK_Cover(0);
        }
        finish(flyingCards.begin());
    }
}
