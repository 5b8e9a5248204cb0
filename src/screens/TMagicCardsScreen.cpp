// TMagicCardsScreen.cpp
#include "screens/TMagicCardsScreen.hpp"

#include "base/Approach.hpp"
#include "cards/Cards.hpp"
#include "cards/TCardData.hpp"
#include "data/TextTables.hpp"
#include "gui/TMouse.hpp"
#include "media/Font.hpp"
#include "media/FontCache.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"

#include <cmath>
#include <numbers>

namespace
{
constexpr int titleSize = 24;
constexpr float titleY = 120;
constexpr float showX = 512;
constexpr float showY = 384;
// The enlarged card comes in slowly and goes quickly.
constexpr float showRise = 0.05f;
constexpr float showFall = 0.15f;

float sinDeg(float degrees)
{
    return std::sin(degrees * std::numbers::pi_v<float> / 180.0f);
}

float cosDeg(float degrees)
{
    return std::cos(degrees * std::numbers::pi_v<float> / 180.0f);
}

bool owned(const TCardData& card)
{
    return hasProfile() && profile().getMagicCard(card.id) != nullptr;
}

// The card's picture as the ring shows it, for the pointer test.
media::Placement placementOf(const TCardData& card, const RingPlace& at)
{
    media::Placement p;
    p.x = at.x;
    p.y = at.y;
    p.handleX = card.img.handleX();
    p.handleY = card.img.handleY();
    p.scaleX = p.scaleY = TMagicCardsScreen::cardScale;
    p.rotation = at.rotation;
    return p;
}
} // namespace

TMagicCardsScreen::TMagicCardsScreen()
{
    id = "MAGIC-CARDS";
}

void TMagicCardsScreen::setup()
{
    img = media::pictures().load("gfx/gui/magic-cards/panel.png");
    img.midHandle();
    cardShow = media::pictures().load("gfx/gui/magic-cards/show.png");
    cardShow.midHandle();
    Gui = loadGui("gfx/gui/magic-cards/magicCards.gui");
    font = &media::fonts().get(titleSize);
    std::string title = getText(loadTextTable("txt/#LANG#/magicCards.txt"), 1);
    while (!title.empty() && (title.back() == '\r' || title.back() == '\n'))
        title.pop_back();
    txtTitle = title;
}

RingPlace TMagicCardsScreen::ringPlace(int ring, int index)
{
    const auto k = static_cast<std::size_t>(ring);
    RingPlace at;
    at.angle = -90.0f + ringStep[k] * static_cast<float>(index);
    at.x = centreX + ringRadius[k] * cosDeg(at.angle);
    at.y = centreY + ringRadius[k] * sinDeg(at.angle);
    // The cards stand with their feet toward the middle; in the lower half that would put them
    // upside down, so there they are turned round to stand upright.
    const bool lowerHalf = at.angle > 0 && at.angle < 180;
    at.rotation = at.angle + (lowerHalf ? 270.0f : 90.0f);
    return at;
}

const std::vector<TCardData*>& TMagicCardsScreen::ring(int k) const
{
    return k == 0 ? list1 : (k == 1 ? list2 : list3);
}

void TMagicCardsScreen::prepare(TEkran* background)
{
    openOver(*this, background);
    veil_ = 0;
    showA = dShowA = -2;
    showCard = nullptr;
    overCard = nullptr;
    list1.clear();
    list2.clear();
    list3.clear();
    const std::vector<TCardData*>& magic = cardSet().magicCardData;
    std::size_t next = 0;
    for (int k = 0; k < 3; ++k) {
        auto& list = k == 0 ? list1 : (k == 1 ? list2 : list3);
        for (int i = 0; i < ringSize[static_cast<std::size_t>(k)] && next < magic.size(); ++i)
            list.push_back(magic[next++]);
    }
    forgetInput();
    _prepareDelta();
}

TCardData* TMagicCardsScreen::ownedCardAt(float x, float y) const
{
    TCardData* hit = nullptr;
    for (int k = 0; k < 3; ++k) {
        const std::vector<TCardData*>& list = ring(k);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const TCardData* card = list[i];
            if (!card || card->img.empty() || !owned(*card))
                continue;
            const RingPlace at = ringPlace(k, static_cast<int>(i));
            if (media::maskHitsPoint(card->img.mask(card->frame), placementOf(*card, at), x, y))
                hit = list[i];
        }
    }
    return hit;
}

// --- frames

void TMagicCardsScreen::_updateCards()
{
    overCard = hasGuiMouse() ? ownedCardAt(static_cast<float>(guiMouse().x), static_cast<float>(guiMouse().y))
                             : nullptr;
    if (overCard) {
        showCard = overCard;
        dShowA = 1;
    } else {
        dShowA = -1;
    }
}

void TMagicCardsScreen::_updateShow()
{
    if (showA < dShowA) {
        approach(showA, dShowA, showRise);
    } else if (showA > dShowA) {
        approach(showA, dShowA, showFall);
        // Below nothing it is gone at once.
        if (showA < 0)
            showA = -1;
    }
}

void TMagicCardsScreen::update()
{
    beginFrame();
    _updateAlpha();
    veil_ = sinDeg(90.0f * alpha) * 0.5f;
    _updateGui();
    // Once the screen is on its way out nothing new is enlarged.
    if (dAlpha == 1)
        _updateCards();
    else
        dShowA = -1;
    _updateShow();
    if (dAlpha != 1)
        return;
    if ((Gui && Gui->clickedItem("ok")) || media::input().keyHits(media::key::Escape) > 0) {
        dAlpha = 0;
        forgetInput();
    }
}

void TMagicCardsScreen::mainloop(TEkran* background)
{
    prepare(background);
    runUntilGone(*this);
    forgetInput();
}

// --- drawing

void TMagicCardsScreen::_drawBack()
{
    if (ekran)
        ekran->draw();
    drawStandards();
}

void TMagicCardsScreen::_drawFade()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(veil_);
    gfx.drawRect(0, 0, 1024, 768);
    drawStandards();
}

void TMagicCardsScreen::_drawPanel()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setAlpha(sinDeg(90.0f * alpha));
    gfx.drawPicture(img, 512, 384);
    if (font && !txtTitle.empty()) {
        gfx.setColor(0, 0, 0);
        gfx.drawText(*font, txtTitle, 512 - font->textWidth(txtTitle) / 2.0f, titleY - font->height() / 2.0f);
    }
    drawStandards();
}

void TMagicCardsScreen::drawMagicCard(const TCardData& card, const RingPlace& at)
{
    media::Renderer& gfx = media::gfx();
    gfx.setScale(cardScale, cardScale);
    gfx.setRotation(at.rotation);
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(0.3f * alpha);
    if (owned(card)) {
        // In colour over a dark copy a pixel down and to the right.
        card.draw(at.x + 1, at.y + 1, 0, 0);
        gfx.setColor(255, 255, 255);
        gfx.setAlpha(alpha);
        card.draw(at.x, at.y, 0, 0);
    } else {
        card.draw(at.x, at.y, 0, 0);
    }
}

void TMagicCardsScreen::_drawList(int k)
{
    const std::vector<TCardData*>& list = ring(k);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i])
            drawMagicCard(*list[i], ringPlace(k, static_cast<int>(i)));
    }
}

void TMagicCardsScreen::_drawCards()
{
    if (alpha <= 0)
        return;
    for (int k = 0; k < 3; ++k)
        _drawList(k);
    drawStandards();
}

void TMagicCardsScreen::_drawShow()
{
    const float a = showA * alpha;
    if (!showCard || a <= 0)
        return;
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setAlpha(a);
    gfx.drawPicture(cardShow, showX, showY);
    showCard->draw(showX, showY, 0, 0);
    drawStandards();
}

void TMagicCardsScreen::draw()
{
    _drawBack();
    _drawFade();
    _drawPanel();
    _drawCards();
    _drawShow();
    _drawGui();
    drawStandards();
}
