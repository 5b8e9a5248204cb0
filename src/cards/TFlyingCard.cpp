// TFlyingCard.cpp
#include "cards/TFlyingCard.hpp"

#include "audio/Sounds.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "cards/Cards.hpp"
#include "cards/Flights.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "cards/TSword.hpp"
#include "cards/TSwordData.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

float easeOut(float p)
{
    return std::sin(90.0f * p * degrees);
}
} // namespace

const char* kindName(FlightKind kind)
{
    switch (kind) {
    case FlightKind::Standard: return "STANDARD";
    case FlightKind::Standard1: return "STANDARD1";
    case FlightKind::CardToSpot: return "CARD-TO-SPOT";
    case FlightKind::FromDeckToSpot: return "FROM-DECK-TO-SPOT";
    case FlightKind::FromDeckToOut: return "FROM-DECK-TO-OUT";
    case FlightKind::FromSpotToDeck: return "FROM-SPOT-TO-DECK";
    case FlightKind::SwordToDeck: return "SWORD-TO-DECK";
    case FlightKind::DeckToSword: return "DECK-TO-SWORD";
    case FlightKind::SwordToCard: return "SWORD-TO-CARD";
    case FlightKind::PickSword1: return "PICK-SWORD1";
    case FlightKind::PickSwordFly1: return "PICK-SWORD-FLY-1";
    case FlightKind::PickSword2: return "PICK-SWORD2";
    case FlightKind::FlyOutStepOne: return "FLY-OUT-STEP-ONE";
    case FlightKind::FlyOutStepTwo: return "FLY-OUT-STEP-TWO";
    }
    return "";
}

TFlyingCard::~TFlyingCard() = default;

TCardData* TFlyingCard::shownIdentity() const
{
    if (card)
        return card->cd;
    return identity;
}

float TFlyingCard::countXSCaleBYRot(float angle)
{
    while (angle < 0)
        angle += 360;
    while (angle > 360)
        angle -= 360;
    if (angle == 0 || angle == 360) {
        side = 1;
        return 1;
    }
    if (angle == 180) {
        side = 0;
        return 1;
    }
    if (angle < 90) {
        side = 1;
        return 1 - angle / 90;
    }
    if (angle < 180) {
        side = 0;
        return angle == 90 ? 0 : (angle - 90) / 90;
    }
    if (angle < 270) {
        side = 0;
        return 1 - (angle - 180) / 90;
    }
    side = angle == 270 ? 0 : 1;
    return (angle - 270) / 90;
}

void TFlyingCard::countPosition(float t)
{
    float s = easeOut(t);
    x = x1 + 2 * s * (mx - x1) + s * s * (x1 - 2 * mx + x2);
    y = y1 + 2 * s * (my - y1) + s * s * (y1 - 2 * my + y2);
}

int TFlyingCard::IamMagicCard() const
{
    TCardData* id = shownIdentity();
    return id && id->isMagic() ? 1 : 0;
}

bool TFlyingCard::advance(float speed, bool useAllSpeed)
{
    if (koniec)
        return true;
    p = std::clamp(p + speed * base::program().delta * (useAllSpeed ? allSpeed : 1.0f), 0.0f, 1.0f);
    if (p >= 1)
        koniec = 1;
    return false;
}

void TFlyingCard::headStraightOn(FlightKind kind)
{
    typ = kind;
    x1 = x;
    y1 = y;
    mx = (x1 + x2) / 2;
    my = (y1 + y2) / 2;
    p = 0;
    koniec = 0;
}

float TFlyingCard::glide(float speed, float turn, float turnFrom, float spin, float settle)
{
    if (advance(speed)) {
        ended_ = true;
        return 1;
    }
    const float e = easeOut(p);
    sx = countXSCaleBYRot(turn * e + turnFrom);
    rot = spin * e + e * settle;
    countPosition(e);
    return e;
}

void TFlyingCard::update_standard()
{
    glide(standardSpeed, 360, docelowySide == 0 ? 180.0f : 0.0f, 360, docelowyRot);
}

void TFlyingCard::update_standard1()
{
    if (advance(standardSpeed)) {
        ended_ = true;
        return;
    }
    sx = 1;
    side = docelowySide;
    rot = 0;
    countPosition(easeOut(p));
}

void TFlyingCard::update_card_to_spot()
{
    const float e = glide(0.03f, 360, 0, 360, docelowyRot);
    if (e > 0.85f && !bylDzwiek) {
        bylDzwiek = 1;
        playMySound("card-holder");
    }
}

void TFlyingCard::update_from_deck_to_spot()
{
    glide(0.03f, 180, -180.0f * static_cast<float>(docelowySide), 0, 0);
}

void TFlyingCard::update_from_deck_to_out()
{
    glide(0.01f, 180, -180.0f * static_cast<float>(docelowySide), 360, docelowyRot);
}

void TFlyingCard::update_from_spot_to_deck()
{
    glide(0.03f, 180, 0, 0, 0);
}

void TFlyingCard::update_sword_to_deck()
{
    glide(0.02f, 360, 0, 360, 0);
}

void TFlyingCard::update_deck_to_sword()
{
    glide(0.02f, 360, 0, 0, docelowyRot);
}

void TFlyingCard::update_sword_to_card()
{
    glide(0.03f, 360, 0, 360, docelowyRot);
}

void TFlyingCard::update_pick_sword1()
{
    if (advance(0.015f)) {
        // Then straight to the target.
        headStraightOn(FlightKind::PickSword2);
        return;
    }
    float e = easeOut(p);
    swordScale = 1 + 0.1f * easeOut(e);
    if (p >= 0.5f)
        swordRot = 0;
}

void TFlyingCard::update_pick_sword_fly_1()
{
    if (advance(0.015f)) {
        // Then off the screen.
        headStraightOn(FlightKind::Standard);
        return;
    }
    float e = easeOut(p);
    swordScale = 1 + 0.1f * easeOut(e);
    if (p >= 0.5f)
        swordRot = (2 * e - 1) * (swordStartRot + 360);
}

void TFlyingCard::update_pick_sword2()
{
    if (koniec) {
        // Arrived: the sword joins the rack once, then the card fades away.
        if (!byloPart) {
            byloPart = 1;
            if (host)
                host->swordRacked(*this);
        }
        alpha -= 0.05f * base::program().delta;
        if (alpha < 0)
            ended_ = true;
        return;
    }
    advance(0.03f);
    float e = easeOut(p);
    sx = countXSCaleBYRot(360 * e);
    swordRot = 360 * e + e * (docelowyRot + 90);
    swordScale = 1.1f - 0.1f * easeOut(e);
    countPosition(e);
}

void TFlyingCard::update_fly_out_step_one()
{
    p = std::min(1.0f, p + 0.03f * base::program().delta);
    sScale = 1 + easeOut(p);
    if (p < 1)
        return;
    typ = FlightKind::FlyOutStepTwo;
    if (host)
        host->rocksOpen(*this);
}

void TFlyingCard::update_fly_out_step_two()
{
    p = std::max(0.0f, p - 0.03f * base::program().delta);
    sScale = 1 + easeOut(p);
    if (p > 0)
        return;
    typ = FlightKind::Standard;
    standardSpeed = 0.01f;
    koniec = 0;
}

bool TFlyingCard::update()
{
    if (ended_)
        return true;
    allSpeed = (cheatsOn && media::input().keyDown(media::key::letter('n'))) ? 0.02f : 1.0f;
    if (media::clock().millisecs() < startTime)
        return false;
    switch (typ) {
    case FlightKind::Standard: update_standard(); break;
    case FlightKind::Standard1: update_standard1(); break;
    case FlightKind::CardToSpot: update_card_to_spot(); break;
    case FlightKind::FromDeckToSpot: update_from_deck_to_spot(); break;
    case FlightKind::FromDeckToOut: update_from_deck_to_out(); break;
    case FlightKind::FromSpotToDeck: update_from_spot_to_deck(); break;
    case FlightKind::SwordToDeck: update_sword_to_deck(); break;
    case FlightKind::DeckToSword: update_deck_to_sword(); break;
    case FlightKind::SwordToCard: update_sword_to_card(); break;
    case FlightKind::PickSword1: update_pick_sword1(); break;
    case FlightKind::PickSwordFly1: update_pick_sword_fly_1(); break;
    case FlightKind::PickSword2: update_pick_sword2(); break;
    case FlightKind::FlyOutStepOne: update_fly_out_step_one(); break;
    case FlightKind::FlyOutStepTwo: update_fly_out_step_two(); break;
    }
    return ended_;
}

void TFlyingCard::destroy()
{
    // What the movement stands for happens in the level it belongs to.
    if (host)
        host->flightLanded(*this);
    if (card && card->flyingCard == this)
        card->flyingCard = nullptr;
}

void TFlyingCard::draw_pickUp_sword(int back)
{
    media::Renderer& gfx = media::gfx();
    gfx.setScale(sx * swordScale, swordScale);
    gfx.setRotation(swordRot);
    gfx.setAlpha(std::max(0.0f, alpha));
    gfx.setBlend(media::Blend::Alpha);
    gfx.setColor(255, 255, 255);
    TCardData* id = shownIdentity();
    if (side == 1 && id) {
        id->draw(x, y, 0, 0);
    } else {
        gfx.drawPicture(cardGraphics().revers[static_cast<std::size_t>(std::clamp(back, 0, 5))], x, y);
    }
}

void TFlyingCard::_drawDeckCardOut(int back)
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setAlpha(1);
    gfx.drawPicture(cardGraphics().revers[static_cast<std::size_t>(std::clamp(back, 0, 5))], x1, y1);
}

void TFlyingCard::draw(int back)
{
    if (x == 0 && y == 0)
        return;
    if (media::clock().millisecs() < startTime) {
        if (typ == FlightKind::FromDeckToOut)
            _drawDeckCardOut(back);
        return;
    }
    if (typ == FlightKind::PickSword1 || typ == FlightKind::PickSwordFly1 || typ == FlightKind::PickSword2) {
        draw_pickUp_sword(back);
        return;
    }
    media::Renderer& gfx = media::gfx();
    const bool flyOut = typ == FlightKind::FlyOutStepOne || typ == FlightKind::FlyOutStepTwo;
    gfx.setScale(flyOut ? sScale : sx, flyOut ? sScale : 1);
    gfx.setRotation(rot);
    gfx.setAlpha(alpha);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setColor(255, 255, 255);
    TCardData* id = shownIdentity();
    if (side == 1) {
        if (id)
            id->draw(x, y, 0, 0);
    } else {
        const CardGraphics& g = cardGraphics();
        gfx.drawPicture(
            IamMagicCard() ? g.reversGold : g.revers[static_cast<std::size_t>(std::clamp(back, 0, 5))], x, y);
        if (card && card->utrudnienie3)
            gfx.drawPicture(g.snow, x, y);
    }
    gfx.setScale(1, 1);
    gfx.setRotation(0);
}
