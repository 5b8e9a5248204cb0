// TFlyingCard.hpp: one card moving between the table, the deck, the spot, the sword rack and
// the edges of the screen; on arrival it makes the change the movement stands for.
#pragma once

#include <memory>
#include <string>

class FlightHost;
class TCard;
class TCardData;

// What a flight is doing now; a kind may hand over to the next when its motion ends.
enum class FlightKind
{
    Standard,
    Standard1,
    CardToSpot,
    FromDeckToSpot,
    FromDeckToOut,
    FromSpotToDeck,
    SwordToDeck,
    DeckToSword, // an undone sword use: from the spot back to its place on the rack
    SwordToCard, // an undone pick-up: from the rack back to its place on the table
    PickSword1,
    PickSwordFly1,
    PickSword2,
    FlyOutStepOne,
    FlyOutStepTwo,
};
// The kind's name as logs and messages show it ("CARD-TO-SPOT", ...).
const char* kindName(FlightKind kind);

class TFlyingCard
{
public:
    TFlyingCard() = default;
    ~TFlyingCard();
    TFlyingCard(const TFlyingCard&) = delete;
    TFlyingCard& operator=(const TFlyingCard&) = delete;

    // The width of a card turned by `angle` degrees about its upright axis; sets `side`.
    float countXSCaleBYRot(float angle);
    // The point at curve parameter t on the flight's curve, into x and y.
    void countPosition(float t);
    // Drawn with the level's card back `back` (0..5) where it shows its back.
    void draw_pickUp_sword(int back);
    void _drawDeckCardOut(int back);
    void draw(int back);
    int IamMagicCard() const;
    void update_standard();
    void update_standard1();
    void update_card_to_spot();
    void update_from_deck_to_spot();
    void update_from_deck_to_out();
    void update_from_spot_to_deck();
    void update_sword_to_deck();
    void update_deck_to_sword();
    void update_sword_to_card();
    void update_pick_sword1();
    void update_pick_sword_fly_1();
    void update_pick_sword2();
    void update_fly_out_step_one();
    void update_fly_out_step_two();
    // One frame of the flight; true once it has ended (its arrival made).
    bool update();
    // The arrival: what the movement stands for happens now.
    void destroy();

    // What flies: a table card or a bare identity (from the deck or the spot, or a rack sword's).
    TCard* card = nullptr;            // the flying table card; owned by `ownedCard` once off the table
    TCardData* identity = nullptr;    // a bare identity
    std::shared_ptr<TCard> ownedCard; // keeps a card that has left the table alive in flight
    FlightHost* host = nullptr;       // the level in play, told of what the flight stands for
    int ticket = 0;                   // what the rules wait for (the hammer's swell opens the rocks)

    float p = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;
    float x = 0, y = 0;
    int side = 0;
    int docelowySide = 0;
    float sx = 1;
    float swordScale = 1;
    float swordRot = 0;
    float swordStartRot = 0;
    float rot = 0;
    float docelowyRot = 0;
    FlightKind typ = FlightKind::Standard;
    long long startTime = 0;
    float alpha = 1;
    int levelCheck = 0;
    int moveToDeck = 0;
    bool takesBack = false; // the way back of an undone move
    int koniec = 0;
    float sScale = 1;
    float standardSpeed = 0.01f;
    int byloPart = 0;
    float allSpeed = 1;
    int bylDzwiek = 0;

    // The identity the flight shows and, on the spot, stands for.
    TCardData* shownIdentity() const;

private:
    // Advances p by speed; true on the frame that should end the flight (after a one-frame rest).
    bool advance(float speed, bool useAllSpeed = true);
    // The next kind of the flight, in a straight line from here to its end point.
    void headStraightOn(FlightKind kind);
    // One frame along the curve: the card turns `turn` degrees about its upright axis from
    // `turnFrom` over the way, and spins `spin` degrees in the picture, ending at `settle`. The
    // eased progress, 1 once the flight has ended.
    float glide(float speed, float turn, float turnFrom, float spin, float settle);
    bool ended_ = false;
};
