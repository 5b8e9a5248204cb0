// TSklep.hpp: the shop, a panel over another screen where the player spends coins on aids that
// last (and sells them back) and on swords of the ranks missing from the rack. The catalogue is
// the program's (ShopItems.hpp); what an owned aid does is up to the parts of the game that ask
// the profile for it.
#pragma once

#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <array>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TProfile;
class TShopItem;
class TSwordData;

class TSklep : public TEkran
{
public:
    enum class State
    {
        Start, // opening, and open
        End    // closing
    };

    // Which of "buy" and "sell" may be pressed.
    struct Buttons
    {
        bool buy = false;
        bool sell = false;
        bool operator==(const Buttons&) const = default;
    };

    TSklep();

    // The pictures, fonts, texts and widgets; the catalogue is read at start-up.
    void setup() override;
    // Opens over `background`; without one, over the quest map.
    void prepare(TEkran* background);
    void update() override;
    void draw() override;
    bool calm() const override;
    // Runs the shop over `background` until it has closed; "".
    std::string mainloop(TEkran* background);

    // --- what the buttons may do, and what they do
    // The buttons for `picked` (none: nothing picked) and the player `p`.
    static Buttons buttonsFor(const TShopItem* picked, const TProfile& p);
    // The picked item is bought, when it may be: a sword of a missing rank for "CARD", else the
    // aid joins the player's items. The price and what the player owns are looked at again
    // here, so a buy never leaves the coins below nothing nor gives an aid twice.
    void goBuy();
    // The picked aid goes back for its full price, when the player owns it.
    void goSell();
    // 1 when the player holds a sword of every rank 2..14.
    static int allSwords(const TProfile& p);
    int allSwords() const;

    // --- the grid
    // The centre of the cell of item k (from 0, in catalogue order).
    static float cellX(int k);
    static float cellY(int k);
    // How many items the panel has room for.
    static constexpr int maxShown = 12;
    // The index of the item under (x, y), or -1.
    int itemAt(int x, int y) const;
    // The items on show (the catalogue up to the panel's room).
    int shownCount() const;
    // The item picked, or none.
    const TShopItem* picked() const;
    // Picks item k (-1: none), as a click on it does.
    void pick(int k) { showed = k; }

    media::Picture panel;
    State state = State::Start;
    media::Picture itemBack, tick, buyLight, sellLight;
    float startX = 250, startY = 210;
    float stepX = 150, stepY = 150;
    int cols = 3; // a row ends after this column
    std::array<float, 2> lightA{}, dLightA{};
    float overA = -1, dOverA = -1;
    std::vector<const TSwordData*> actSwordsList; // the ranks missing from the rack at opening
    int showed = -1;                              // the picked item's index, or -1
    int over = -1;                                // the index of the item under the mouse, or -1
    media::Font* titleFont = nullptr;             // owned by the font cache
    media::Font* opisFont = nullptr;
    media::Font* cenaFont = nullptr;
    media::Font* cashFont = nullptr;
    std::string txtPrice, txtKupione, txtCash, txtCant;

private:
    void _updateGrid();
    void _updateButtons();
    void _updateState();
    void _controlKeys();
    void _drawVeil();
    void _drawItems();
    void _drawOver(int k);
    void _drawCash();
    void _drawLights();

    bool toldTooMany_ = false;
};

// The program's shop, made and set up the first time it is asked for.
TSklep& shopScreen();
