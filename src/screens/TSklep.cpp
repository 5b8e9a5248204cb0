// TSklep.cpp
#include "screens/TSklep.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "cards/Swords.hpp"
#include "cards/TSwordData.hpp"
#include "data/TextTables.hpp"
#include "gui/TMouse.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/FontCache.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/ShopItems.hpp"
#include "screens/TMapa.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TTutorial.hpp"

#include <algorithm>

namespace
{
constexpr float lightSpeed = 0.05f;
constexpr float glowSpeed = 0.05f;
// How dark the screen behind the panel gets.
constexpr float veilDepth = 0.6f;
// An item whose picture is missing still answers the pointer over a cell of this size.
constexpr int missingPictureSize = 96;

TProfile* player()
{
    return hasProfile() ? &profile() : nullptr;
}

bool isCard(const TShopItem& item)
{
    return item.pwrID == "CARD";
}

int width(const TShopItem& item)
{
    return item.img.empty() ? missingPictureSize : item.img.width();
}

int height(const TShopItem& item)
{
    return item.img.empty() ? missingPictureSize : item.img.height();
}

// Text centred on x with its top at y: black one pixel down and right at `shade`, then in colour.
void drawCentred(media::Font& font, const std::string& text, float x, float y, float alpha, float shade,
                 int r, int g, int b)
{
    media::Renderer& gfx = media::gfx();
    const float left = x - font.textWidth(text) / 2.0f;
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(alpha * shade);
    gfx.drawText(font, text, left + 1, y + 1);
    gfx.setColor(r, g, b);
    gfx.setAlpha(alpha);
    gfx.drawText(font, text, left, y);
}
} // namespace

TSklep::TSklep()
{
    id = "SHOP";
}

void TSklep::setup()
{
    auto& pictures = media::pictures();
    panel = pictures.load("gfx/gui/screen-sklep/shop-panel.jpg");
    itemBack = pictures.load("gfx/gui/screen-sklep/back.png");
    itemBack.midHandle();
    tick = pictures.load("gfx/gui/screen-sklep/tick.png");
    tick.midHandle();
    buyLight = pictures.load("gfx/gui/screen-sklep/buy-light.png");
    sellLight = pictures.load("gfx/gui/screen-sklep/sell-light.png");
    titleFont = &media::fonts().get(24);
    opisFont = &media::fonts().get(20);
    cenaFont = &media::fonts().get(20);
    cashFont = &media::fonts().get(24);
    loadShopPictures();
    Gui = loadGui("gfx/gui/screen-sklep/sklep.gui");
    const TTxtFile texts = loadTextTable("txt/#LANG#/sklep.txt");
    txtPrice = getText(texts, 3);
    txtKupione = getText(texts, 4);
    txtCash = getText(texts, 5);
    txtCant = getText(texts, 8);
}

void TSklep::prepare(TEkran* background)
{
    ekran = background;
    if (!ekran && base::program().mapa)
        ekran = base::program().mapa.get();
    alpha = 0;
    dAlpha = 0;
    fade = 0;
    dFade = 1;
    overA = dOverA = -1;
    state = State::Start;
    showed = -1;
    over = -1;
    lightA = dLightA = {0, 0};
    for (TShopItem& item : shopItems()) {
        item.oa = 0;
        item.doa = -1;
    }
    actSwordsList.clear();
    if (const TProfile* p = player())
        actSwordsList = p->getPotencialWildCards();
    if (static_cast<int>(shopItems().size()) > maxShown && !toldTooMany_) {
        media::report("data/shopItems.dat", "holds " + std::to_string(shopItems().size())
                                                + " items; the shop has room for the first "
                                                + std::to_string(maxShown) + " and leaves the rest out");
        toldTooMany_ = true;
    }
    _updateButtons();
    forgetInput();
}

std::string TSklep::mainloop(TEkran* background)
{
    ScreenScope running(this);
    prepare(background);
    while (!(state == State::End && fade == 0 && dFade == 0)) {
        update();
        draw();
        endFrame(false);
    }
    forgetInput();
    return "";
}

// --- buying and selling

TSklep::Buttons TSklep::buttonsFor(const TShopItem* picked, const TProfile& p)
{
    Buttons b;
    if (!picked)
        return b;
    if (isCard(*picked)) {
        b.buy = picked->canBeBought(p.score) && allSwords(p) == 0;
        return b;
    }
    const bool owned = p.getMyItem2(picked->id) != nullptr;
    b.sell = owned;
    b.buy = !owned && picked->canBeBought(p.score);
    return b;
}

int TSklep::allSwords(const TProfile& p)
{
    return p.getPotencialWildCards().empty() ? 1 : 0;
}

int TSklep::allSwords() const
{
    const TProfile* p = player();
    return p ? allSwords(*p) : 0;
}

void TSklep::goBuy()
{
    TProfile* p = player();
    const TShopItem* item = picked();
    if (!p || !item || !buttonsFor(item, *p).buy)
        return;
    if (isCard(*item)) {
        const std::vector<const TSwordData*> missing = p->getPotencialWildCards();
        const TSwordData* type =
            missing[static_cast<std::size_t>(media::random().rand(0, static_cast<int>(missing.size()) - 1))];
        std::optional<TSword> sword = newSwordById(type->id);
        if (!sword)
            return;
        p->swords.push_back(std::move(*sword));
        p->score -= item->cena;
        p->sortSwords();
        p->countSwordsPosition2();
        actSwordsList = p->getPotencialWildCards();
    } else {
        p->score -= item->cena;
        p->items.push_back(*item);
    }
    playMySound("coin-1");
}

void TSklep::goSell()
{
    TProfile* p = player();
    const TShopItem* item = picked();
    if (!p || !item || !buttonsFor(item, *p).sell)
        return;
    auto owned = std::find_if(p->items.begin(), p->items.end(),
                              [item](const TShopItem& mine) { return mine.id == item->id; });
    p->items.erase(owned);
    p->score += item->cena;
    playMySound("coin-2");
}

// --- the grid

float TSklep::cellX(int k)
{
    return 250.0f + 150.0f * static_cast<float>(k % 4);
}

float TSklep::cellY(int k)
{
    return 210.0f + 150.0f * static_cast<float>(k / 4);
}

int TSklep::shownCount() const
{
    return std::min(static_cast<int>(shopItems().size()), maxShown);
}

const TShopItem* TSklep::picked() const
{
    if (showed < 0 || showed >= shownCount())
        return nullptr;
    return &shopItems()[static_cast<std::size_t>(showed)];
}

int TSklep::itemAt(int x, int y) const
{
    const std::vector<TShopItem>& items = shopItems();
    for (int k = 0; k < shownCount(); ++k) {
        const TShopItem& item = items[static_cast<std::size_t>(k)];
        const float left = cellX(k) - static_cast<float>(width(item)) / 2.0f;
        const float top = cellY(k) - static_cast<float>(height(item)) / 2.0f;
        if (static_cast<float>(x) >= left && static_cast<float>(x) < left + static_cast<float>(width(item))
            && static_cast<float>(y) >= top && static_cast<float>(y) < top + static_cast<float>(height(item)))
            return k;
    }
    return -1;
}

// --- frames

void TSklep::update()
{
    beginFrame();
    _updateGui();
    _updateAlpha();
    for (std::size_t n = 0; n < lightA.size(); ++n)
        approach(lightA[n], dLightA[n], lightSpeed);
    _updateFade();
    updateTutorial(*this);
    _updateGrid();
    _updateState();
    _controlKeys();
    _updateButtons();
}

void TSklep::_updateGrid()
{
    const bool open = state == State::Start && alpha == 1;
    TMouse& mouse = guiMouse();
    over = open ? itemAt(mouse.x, mouse.y) : -1;
    std::vector<TShopItem>& items = shopItems();
    for (int k = 0; k < static_cast<int>(items.size()); ++k) {
        TShopItem& item = items[static_cast<std::size_t>(k)];
        item.doa = k == over ? 1.0f : -1.0f;
        approach(item.oa, item.doa, glowSpeed);
    }
    if (over >= 0 && mouse.leftPressed)
        showed = over;
}

void TSklep::_updateButtons()
{
    const TProfile* p = player();
    const Buttons b = p ? buttonsFor(picked(), *p) : Buttons{};
    dLightA = {b.buy ? 1.0f : 0.0f, b.sell ? 1.0f : 0.0f};
    if (!Gui)
        return;
    if (auto buy = Gui->getItem("buy"))
        buy->setState(1, b.buy ? 1 : 0);
    if (auto sell = Gui->getItem("sell"))
        sell->setState(1, b.sell ? 1 : 0);
}

void TSklep::_updateState()
{
    if (state == State::Start) {
        dFade = 1;
        if (fade == 1)
            dAlpha = 1;
    } else {
        dAlpha = 0;
        if (alpha == 0)
            dFade = 0;
    }
}

void TSklep::_controlKeys()
{
    // Nothing answers until the panel is open, nor once it is closing.
    if (state != State::Start || alpha != 1)
        return;
    media::Input& input = media::input();
    if (cheatsOn && input.keyHits(media::key::A + ('C' - 'A')) > 0) {
        if (TProfile* p = player())
            p->score += 10000;
    }
    if (!Gui)
        return;
    if (Gui->clickedItem("buy"))
        goBuy();
    else if (Gui->clickedItem("sell"))
        goSell();
    if (Gui->clickedItem("exit") || input.keyHits(media::key::Escape) > 0)
        state = State::End;
}

bool TSklep::calm() const
{
    if (alpha != dAlpha || fade != dFade || lightA != dLightA)
        return false;
    return std::all_of(shopItems().begin(), shopItems().end(),
                       [](const TShopItem& item) { return item.oa == item.doa; });
}

void TSklep::draw()
{
    if (ekran)
        ekran->draw();
    drawStandards();
    _drawVeil();
    media::gfx().setAlpha(alpha);
    media::gfx().drawPicture(panel, 0, 0);
    drawStandards();
    _drawItems();
    _drawCash();
    _drawLights();
    drawStandards();
    _drawGui();
    drawTutorial(*this);
    drawStandards();
}

void TSklep::_drawVeil()
{
    if (fade <= 0)
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(veilDepth * fade);
    gfx.drawRect(0, 0, 1024, 768);
    drawStandards();
}

void TSklep::_drawItems()
{
    if (alpha <= 0)
        return;
    media::Renderer& gfx = media::gfx();
    const TProfile* p = player();
    const bool everySword = p && allSwords(*p) == 1;
    const std::vector<TShopItem>& items = shopItems();
    for (int k = 0; k < shownCount(); ++k) {
        const TShopItem& item = items[static_cast<std::size_t>(k)];
        const float x = cellX(k);
        const float y = cellY(k);
        drawStandards();
        gfx.setAlpha(alpha);
        if (k == showed)
            gfx.drawPicture(itemBack, x, y);
        gfx.drawPicture(item.img, x, y);
        if (item.oa > 0) {
            gfx.setBlend(media::Blend::Light);
            gfx.setAlpha(item.oa * alpha * 0.5f);
            gfx.drawPicture(item.img, x, y);
            gfx.setBlend(media::Blend::Alpha);
            gfx.setAlpha(alpha);
        }
        const bool owned = p && p->getMyItem2(item.id);
        if (owned || (isCard(item) && everySword))
            gfx.drawPicture(tick, x + 35, y + 35);
    }
    for (int k = 0; k < shownCount(); ++k) {
        if (items[static_cast<std::size_t>(k)].oa > 0)
            _drawOver(k);
    }
    drawStandards();
}

void TSklep::_drawOver(int k)
{
    const TShopItem& item = shopItems()[static_cast<std::size_t>(k)];
    const float x = cellX(k);
    const float y = cellY(k);
    const float py = y > 500 ? y - 160 : y + 160;
    const float a = item.oa * alpha;
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(a * 0.5f);
    gfx.drawRect(x - 120, py - 100, 240, 200);
    if (titleFont)
        drawCentred(*titleFont, item.title, x, py - 95, a, 0.5f, 255, 255, 255);
    if (opisFont) {
        gfx.setColor(0, 0, 0);
        gfx.setAlpha(a);
        drawTextBox(item.opis, static_cast<int>(x) - 94, static_cast<int>(py) - 54, 190, "LEFT", *opisFont,
                    0);
        gfx.setColor(255, 255, 255);
        drawTextBox(item.opis, static_cast<int>(x) - 95, static_cast<int>(py) - 55, 190, "LEFT", *opisFont,
                    0);
    }
    if (cenaFont) {
        drawCentred(*cenaFont, txtPrice + TShopItem::getCashTxt(item.cena), x, py + 55, a, 1, 255, 255, 0);
        const TProfile* p = player();
        if (p && !item.canBeBought(p->score))
            drawCentred(*cenaFont, txtCant, x - 115 + 110, py + 75, a, 1, 255, 0, 0);
    }
    drawStandards();
}

void TSklep::_drawCash()
{
    const TProfile* p = player();
    if (!p || !cashFont || alpha <= 0)
        return;
    const std::string coins = std::to_string(p->score);
    const float top = 115.0f - static_cast<float>(textHeight(*cashFont)) / 2.0f;
    drawCentred(*cashFont, coins, 125, top, alpha, 0.5f, 255, 255, 255);
    drawStandards();
}

void TSklep::_drawLights()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setAlpha(lightA[0] * alpha);
    gfx.drawPicture(buyLight, 100, 592);
    gfx.setAlpha(lightA[1] * alpha);
    gfx.drawPicture(sellLight, 435, 492);
    drawStandards();
}

TSklep& shopScreen()
{
    return setUpOnce(base::program().sklep);
}
