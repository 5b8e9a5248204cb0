// TCard.cpp
#include "cards/TCard.hpp"

#include "cards/Cards.hpp"
#include "cards/Flights.hpp"
#include "cards/TCardData.hpp"
#include "cards/TResource.hpp"
#include "cards/UndoHistory.hpp"
#include "effects/Captions.hpp"
#include "effects/ParticleKinds.hpp"
#include "gui/TMouse.hpp"
#include "levels/LevelHost.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"
#include "screens/Sounds.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/Approach.hpp"
#include "shell/Globals.hpp"
#include "shell/Program.hpp"

#include <algorithm>
#include <cmath>

float TCard::hintA = 0;
float TCard::dHintA = 0;

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

// Distance between two card centres, each truncated to whole pixels first.
float centreDistance(const TCard& a, const TCard& b)
{
    float dx = static_cast<float>(static_cast<int>(a.x) - static_cast<int>(b.x));
    float dy = static_cast<float>(static_cast<int>(a.y) - static_cast<int>(b.y));
    return std::sqrt(dx * dx + dy * dy);
}

void setCardState(media::Renderer& gfx, const TCard& c, float a, media::Blend blend)
{
    gfx.setColor(255, 255, 255);
    gfx.setBlend(blend);
    gfx.setAlpha(a);
    gfx.setScale(c.sx * c.scale, c.sy * c.scale);
    gfx.setRotation(c.rot);
}
} // namespace

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

bool TCard::hinted()
{
    bool hintLevel = hasProfile() && profile().hintLevel();
    return hintLevel || levelHost().runesOfEldmere();
}

void TCard::_drawOverHint()
{
    media::Renderer& gfx = media::gfx();
    float g = alpha * hintA * 0.5f * (isMagicCard(*this) ? 0.2f : 1.0f);
    setCardState(gfx, *this, g, media::Blend::Light);
    gfx.drawPicture(cardGraphics().over, x, y);
}

void TCard::_drawHint()
{
    if (!hinted())
        return;
    media::Renderer& gfx = media::gfx();
    float g = alpha * hintA * 0.5f * (isMagicCard(*this) ? 0.2f : 1.0f);
    _drawOverHint();
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

void TCard::draw()
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
            _drawHint();
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

bool TCard::_updateOver()
{
    if (flyingCard || !odkryta || !hasGuiMouse()) {
        dOverA = 0;
        return false;
    }
    const media::Picture& mask = cardGraphics().mask;
    const media::Picture& probe = shell::program().pointImage;
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
    bool over =
        !mask.empty() && !probe.empty() && media::masksOverlap(mask.mask(), card, probe.mask(), point);
    dOverA = over ? 1.0f : 0.0f;
    return over;
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
    negA = std::max(0.0f, negA - 0.05f * delta);
}

void TCard::_updateSideData()
{
    if (side == 0 && forceSide && state.empty()) {
        setState("SHOW-FORCE");
        p = 0;
    }
}

namespace
{
// One frame of turning over; true when the card has just finished.
bool turn(TCard& c)
{
    c.p = std::min(1.0f, c.p + 0.05f * delta);
    float swing = std::sin(90.0f * c.p * degrees);
    c.sx = TCard::countXSCaleBYRot(180 + 180 * swing);
    // The face shows from the moment the card stands on its edge.
    if (swing >= 0.5f)
        c.side = 1;
    if (c.p < 1)
        return false;
    c.state.clear();
    c.side = 1;
    c.sx = 1;
    return true;
}
} // namespace

void TCard::_update_STATE_show()
{
    if (!turn(*this))
        return;
    if (isSwordCard(*this))
        levelHost().pickSword(*this);
    if (isSpecialCard(*this))
        showSand();
}

void TCard::_update_STATE_show_force()
{
    if (turn(*this) && isSpecialCard(*this))
        showSand();
}

void TCard::_updateState()
{
    if (state == "SHOW")
        _update_STATE_show();
    else if (state == "SHOW-FORCE")
        _update_STATE_show_force();
}

void TCard::_updatehint()
{
    approach(hintA, dHintA, 0.05f);
    if (hintA == dHintA)
        dHintA = dHintA > 0.5f ? 0.0f : 1.0f;
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
    specFrame += 0.02f * delta;
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
    waterFrame += 0.3f * delta;
    while (waterFrame >= 8)
        waterFrame -= 8;
}

void TCard::_updateMagicOutline()
{
    if (!isMagicCard(*this) || !cd->notFound)
        return;
    startA += 0.05f * delta;
    approach(moa, dMoa, 0.02f);
    if (moa == dMoa)
        dMoa = dMoa > 0.5f ? 0.0f : 1.0f;
}

int TCard::update()
{
    bool over = _updateOver();
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

void TCard::setState(const std::string& s)
{
    state = media::text::toUpper(s);
}

void TCard::flyOut2()
{
    showCaption(16, 512, 384, 3000);
    playMySound("rocks-uncover");
    // Nothing done before the rocks open can be taken back.
    undoHistory.clear();
    if (!myLevel)
        return;
    const float fromX = x;
    const float fromY = y;
    // The flight keeps the card alive from here on (its own code may still be running).
    if (std::shared_ptr<TCard> taken = myLevel->takeOffTable(*this))
        startFlyOut(std::move(taken), fromX, fromY, fromX, 900, 0);
}

void TCard::changeToSword()
{
    if (!cd)
        return;
    if (TCardData* sword = cardDataById(cd->seqN + 200))
        cd = sword;
}

void TCard::changeToNormal()
{
    if (!cd)
        return;
    if (TCardData* normal = cardDataById(cd->seqN - 200))
        cd = normal;
}

void TCard::showUp()
{
    setState("SHOW");
    if (utrudnienie1) {
        generateRockParticles(x, y);
        playMySound("stone");
    }
    if (utrudnienie3) {
        generateSnowParticles(x, y);
        playMySound("snow");
    }
    utrudnienie1 = 0;
    utrudnienie3 = 0;
    odkryta = 1;
    p = 0;
}

void TCard::showSand()
{
    if (!myLevel)
        return;
    TLevel& level = *myLevel;
    level.utrudnienie1Odblokowane = 1;
    flyOut2();
    level.CHECK_Cover(0);
}

bool TCard::collide2(const TCard& other) const
{
    return cardsOverlap(*this, other);
}

void TCard::CHECK_Cover(const std::vector<std::unique_ptr<TCard>>& cards, int initial)
{
    // Locked rocks keep the card face down whatever lies on it.
    if (utrudnienie1 && myLevel && !myLevel->utrudnienie1Odblokowane) {
        side = 0;
        return;
    }
    bool covered = false;
    bool past = false;
    for (const auto& other : cards) {
        if (other.get() == this) {
            past = true;
            continue;
        }
        if (!past)
            continue;
        if (centreDistance(*this, *other) < 150 && collide2(*other)) {
            covered = true;
            odkryta = 0;
            break;
        }
        // A sword above will be picked up: this card is to be shown again then.
        if (isSwordCard(*other) && initial == 0)
            odkryta = 0;
    }
    if (covered) {
        if (side == 1 && !forceSide)
            side = 0;
        odkryta = 0;
    } else if (odkryta == 0) {
        if (initial == 1) {
            side = 1;
            odkryta = 1;
            if (isSpecialCard(*this)) {
                TLevel* level = myLevel;
                flyOut2();
                if (level)
                    level->CHECK_Cover(0);
                return;
            }
            if (x > pomWaterX) {
                if (!forceSide)
                    side = 0;
                odkryta = 0;
            }
        } else {
            if (isSwordCard(*this))
                levelHost().pickSword(*this);
            if (!isSpecialCard(*this) && x > pomWaterX && utrudnienie3) {
                if (!forceSide)
                    side = 0;
                return;
            }
            if (isSpecialCard(*this)) {
                TLevel* level = myLevel;
                flyOut2();
                if (level)
                    level->CHECK_Cover(0);
                return;
            }
            if (side == 0) {
                showUp();
                if (isSwordCard(*this))
                    side = 1;
            } else {
                odkryta = 1;
            }
        }
    }
    if (isSwordCard(*this))
        side = 1;
}
