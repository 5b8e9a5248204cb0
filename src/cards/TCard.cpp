// TCard.cpp
#include "cards/TCard.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "cards/Cards.hpp"
#include "cards/HintPulse.hpp"
#include "cards/TCardData.hpp"
#include "cards/TResource.hpp"
#include "effects/ParticleKinds.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

void setCardState(media::Renderer& gfx, const TCard& c, float a, media::Blend blend)
{
    gfx.setColor(255, 255, 255);
    gfx.setBlend(blend);
    gfx.setAlpha(a);
    gfx.setScale(c.sx * c.scale, c.sy * c.scale);
    gfx.setRotation(c.rot);
}
} // namespace

TCard::TCard() = default;
TCard::~TCard() = default;

bool isSwordCard(const TCard& c)
{
    return c.cd && c.cd->isSword();
}

bool isSpecialCard(const TCard& c)
{
    return c.cd && c.cd->isSpecCard();
}

bool isMagicCard(const TCard& c)
{
    return c.cd && c.cd->isMagic();
}

float TCard::countXSCaleBYRot(float angle)
{
    float a = std::fmod(angle, 360.0f);
    if (a < 0)
        a += 360;
    if (a <= 90)
        return 1 - a / 90;
    if (a <= 180)
        return (a - 90) / 90;
    if (a <= 270)
        return 1 - (a - 180) / 90;
    return (a - 270) / 90;
}

void TCard::drawFace(float a)
{
    media::Renderer& gfx = media::gfx();
    if (side == 1) {
        if (cd)
            cd->draw(x, y, utrudnienie2, waterFrame);
        return;
    }
    gfx.setAlpha(a);
    drawRewers();
}

void TCard::drawRewers()
{
    media::Renderer& gfx = media::gfx();
    const CardGraphics& g = cardGraphics();
    const media::Picture& back = isMagicCard(*this)
                                     ? g.reversGold
                                     : g.revers[static_cast<std::size_t>(std::clamp(numerRewersu, 0, 5))];
    gfx.drawPicture(back, x, y);
    if (utrudnienie2) {
        float a = gfx.state().alpha;
        gfx.setAlpha(a * 0.8f);
        gfx.drawPicture(g.ice, x, y, static_cast<int>(waterFrame));
        gfx.setAlpha(a);
    }
}

void TCard::_drawOverHint(const HintPulse& pulse)
{
    media::Renderer& gfx = media::gfx();
    float g = alpha * pulse.hintA * 0.5f * (isMagicCard(*this) ? 0.2f : 1.0f);
    setCardState(gfx, *this, g, media::Blend::Light);
    gfx.drawPicture(cardGraphics().over, x, y);
}

void TCard::_drawHint(const HintPulse& pulse)
{
    if (!pulse.shown)
        return;
    media::Renderer& gfx = media::gfx();
    float g = alpha * pulse.hintA * 0.5f * (isMagicCard(*this) ? 0.2f : 1.0f);
    _drawOverHint(pulse);
    setCardState(gfx, *this, 1, media::Blend::Alpha);
    drawFace(1);
    setCardState(gfx, *this, g, media::Blend::Light);
    drawFace(g);
    setCardState(gfx, *this, alpha, media::Blend::Alpha);
}

void TCard::_drawOverNormal()
{
    media::Renderer& gfx = media::gfx();
    setCardState(gfx, *this, alpha * overA, media::Blend::Alpha);
    gfx.drawPicture(cardGraphics().over, x, y);
    setCardState(gfx, *this, alpha, media::Blend::Alpha);
    drawFace(alpha);
    float glow = (0.3f + (isMagicCard(*this) ? 0.1f : 0.0f)) * overA * alpha;
    setCardState(gfx, *this, glow, media::Blend::Light);
    drawFace(glow);
}

void TCard::_drawOver()
{
    if (overA <= 0)
        return;
    _drawOverNormal();
    setCardState(media::gfx(), *this, alpha, media::Blend::Alpha);
}

void TCard::_drawNeg()
{
    if (negA <= 0)
        return;
    media::Renderer& gfx = media::gfx();
    setCardState(gfx, *this, 0.2f * negA * alpha, media::Blend::Light);
    drawFace(0.2f * negA * alpha);
    setCardState(gfx, *this, negA * alpha, media::Blend::Alpha);
    gfx.setColor(255, 40, 30);
    gfx.drawPicture(cardGraphics().over, x, y);
    setCardState(gfx, *this, alpha, media::Blend::Alpha);
}

void TCard::_drawMagicOutline()
{
    if (!isMagicCard(*this) || !cd->notFound)
        return;
    media::Renderer& gfx = media::gfx();
    float mix = std::sin(90.0f * moa * degrees);
    const CardGraphics& g = cardGraphics();
    setCardState(gfx, *this, alpha * mix, media::Blend::Light);
    gfx.drawPicture(g.magicOutline[0], x, y);
    setCardState(gfx, *this, alpha * (1 - mix), media::Blend::Light);
    gfx.drawPicture(g.magicOutline[1], x, y);
    setCardState(gfx, *this, alpha, media::Blend::Alpha);
}

void TCard::draw(const HintPulse& pulse)
{
    if ((x == 0 && y == 0) || flyingCard || !cd)
        return;
    media::Renderer& gfx = media::gfx();
    setCardState(gfx, *this, alpha, media::Blend::Alpha);
    if (cd->isSpecCard()) {
        cd->draw(x, y, 0, 0);
        return;
    }
    if (side == 1) {
        cd->draw(x, y, utrudnienie2, waterFrame);
        if (utrudnienie1)
            drawRockStuff();
        if (hint)
            _drawHint(pulse);
    } else {
        drawRewers();
        if (utrudnienie1)
            drawRockStuff();
        else if (utrudnienie3)
            drawSnowStuff();
    }
    _drawMagicOutline();
    _drawOver();
    if (utrudnienie1)
        drawRockStuff();
    _drawNeg();
}

void TCard::drawSnowStuff()
{
    media::gfx().drawPicture(cardGraphics().snow, x, y);
}

void TCard::drawRockStuff()
{
    media::Renderer& gfx = media::gfx();
    const float a = gfx.state().alpha;
    for (int k = 0; k < 9; ++k) {
        float frameAlpha = specFrameAlpha[static_cast<std::size_t>(k)];
        if (frameAlpha <= 0)
            continue;
        gfx.setAlpha(a * frameAlpha);
        gfx.drawPicture(cardGraphics().rocks, x, y, k);
    }
    gfx.setAlpha(a);
}

void TCard::_updateOver(bool over)
{
    // Whether the highlight rises is the game screen's to say (the card must follow the spot
    // card); the card only lets it fall when the pointer is not on it.
    if (!over)
        dOverA = 0;
}

bool TCard::pointerOver() const
{
    if (flyingCard || !odkryta || !hasGuiMouse())
        return false;
    const media::Picture& mask = cardGraphics().mask;
    const media::Picture& probe = base::program().pointImage;
    media::Placement card;
    card.x = x;
    card.y = y;
    card.handleX = mask.handleX();
    card.handleY = mask.handleY();
    card.scaleX = sx * scale;
    card.scaleY = sy * scale;
    card.rotation = rot;
    media::Placement point;
    point.x = static_cast<float>(guiMouse().x);
    point.y = static_cast<float>(guiMouse().y);
    return !mask.empty() && !probe.empty() && media::masksOverlap(mask.mask(), card, probe.mask(), point);
}

void TCard::_updateOverAlpha()
{
    approach(overA, dOverA, 0.05f);
}

void TCard::_updateNegativeAlpha()
{
    if (negA <= 0)
        return;
    overA = 0;
    dOverA = 0;
    negA = std::max(0.0f, negA - 0.05f * base::program().delta);
}

void TCard::_updateSideData()
{
    if (side == 0 && forceSide && state == TurnState::None) {
        setState(TurnState::ShowForce);
        p = 0;
    }
}

namespace
{
// One frame of turning over; true when the card has just finished.
bool turn(TCard& c)
{
    c.p = std::min(1.0f, c.p + 0.05f * base::program().delta);
    float swing = std::sin(90.0f * c.p * degrees);
    c.sx = TCard::countXSCaleBYRot(180 + 180 * swing);
    // The face shows from the moment the card stands on its edge.
    if (swing >= 0.5f)
        c.side = 1;
    if (c.p < 1)
        return false;
    c.state = TurnState::None;
    c.side = 1;
    c.sx = 1;
    return true;
}
} // namespace

void TCard::_update_STATE_show()
{
    turn(*this);
}

void TCard::_update_STATE_show_force()
{
    turn(*this);
}

void TCard::_updateState()
{
    switch (state) {
    case TurnState::Show: _update_STATE_show(); break;
    case TurnState::ShowForce: _update_STATE_show_force(); break;
    case TurnState::None: break;
    }
}

void TCard::_updateOverEffect(bool over)
{
    if (over && !lastover) {
        ov = 0;
        dov = 1;
        _moreOver = 1;
    }
    approach(ov, dov, 0.05f);
    if (!over && ov == dov)
        _moreOver = 0;
    lastover = over ? 1 : 0;
}

void TCard::_updateSpecCard()
{
    if (!utrudnienie1)
        return;
    specFrame += 0.02f * base::program().delta;
    while (specFrame >= 8)
        specFrame -= 8;
    int frame = static_cast<int>(specFrame);
    float t = specFrame - static_cast<float>(frame);
    specFrameAlpha.fill(0);
    specFrameAlpha[static_cast<std::size_t>(frame)] = 0.7f * (1 - t);
    specFrameAlpha[static_cast<std::size_t>(frame + 1)] = 0.7f * t;
}

void TCard::_updateWaterFrame()
{
    if (!utrudnienie2)
        return;
    waterFrame += 0.3f * base::program().delta;
    while (waterFrame >= 8)
        waterFrame -= 8;
}

void TCard::_updateMagicOutline()
{
    if (!isMagicCard(*this) || !cd->notFound)
        return;
    startA += 0.05f * base::program().delta;
    approach(moa, dMoa, 0.02f);
    if (moa == dMoa)
        dMoa = dMoa > 0.5f ? 0.0f : 1.0f;
}

int TCard::update()
{
    return update(pointerOver());
}

int TCard::update(bool over)
{
    _updateOver(over);
    _updateOverAlpha();
    _updateNegativeAlpha();
    _updateSideData();
    _updateState();
    _updateOverEffect(over);
    _updateWaterFrame();
    _updateMagicOutline();
    _updateSpecCard();
    return over ? 1 : 0;
}

void TCard::setState(TurnState s)
{
    state = s;
}

void TCard::changeToSword()
{
    if (!cd)
        return;
    if (TCardData* sword = cardDataById(cd->seqN + 200))
        cd = sword;
}

void TCard::showUp(ParticleList& fx)
{
    setState(TurnState::Show);
    if (utrudnienie1) {
        generateRockParticles(fx, x, y);
        playMySound("stone");
    }
    if (utrudnienie3) {
        generateSnowParticles(fx, x, y);
        playMySound("snow");
    }
    utrudnienie1 = 0;
    utrudnienie3 = 0;
    odkryta = 1;
    p = 0;
}
