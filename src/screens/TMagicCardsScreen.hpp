// TMagicCardsScreen.hpp: the player's collection of magic cards, over the level summary: every
// magic card of the game laid out on three rings of a round panel, the ones found in colour and
// the others as dark silhouettes; a found card under the pointer is shown enlarged in the middle.
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
class TCardData;

// Where a card of the rings lies: its centre, its angle on the ring and how it is turned.
struct RingPlace
{
    float x = 0;
    float y = 0;
    float angle = 0;    // degrees on the ring, -90 at the top, clockwise
    float rotation = 0; // how the card is turned: its foot toward the middle, upright below
};

class TMagicCardsScreen : public TEkran
{
public:
    // The rings from the outside in: how many cards each holds, its radius and the angle
    // between two of its cards.
    static constexpr std::array<int, 3> ringSize = {24, 18, 10};
    static constexpr std::array<float, 3> ringRadius = {215, 150, 85};
    static constexpr std::array<float, 3> ringStep = {15, 20, 36};
    static constexpr float centreX = 506;
    static constexpr float centreY = 415;
    static constexpr float cardScale = 0.45f;

    TMagicCardsScreen();

    void setup() override;
    void draw() override;
    void update() override;
    // The screen fades in over `background`, nothing enlarged; the magic cards are dealt onto
    // the rings in the order the game defines them. Cards beyond the rings' 52 places are not
    // shown, and with fewer the last places stay empty.
    void prepare(TEkran* background);
    // Runs the screen over `background` until "ok" or Escape has faded it out.
    void mainloop(TEkran* background);

    // Card `index` (from 0) of ring `ring` (0 outermost).
    static RingPlace ringPlace(int ring, int index);
    // The ring's cards as prepare dealt them.
    const std::vector<TCardData*>& ring(int k) const;
    // The found card whose picture, as the rings show it, covers the point; the one drawn last
    // when several do. None over a card not found, nor over nothing.
    TCardData* ownedCardAt(float x, float y) const;

    media::Picture img;      // the round panel
    media::Picture cardShow; // the frame behind the enlarged card
    float dShowA = -2;
    float showA = -2; // the enlarged card's opacity (nothing shown below 0)
    TCardData* showCard = nullptr;
    std::vector<TCardData*> list1, list2, list3;
    TCardData* overCard = nullptr;
    std::string txtTitle;
    media::Font* font = nullptr; // owned by the font cache

private:
    void _drawBack();
    void _drawPanel();
    void drawMagicCard(const TCardData& card, const RingPlace& at);
    void _drawList(int k);
    void _drawCards();
    void _drawFade();
    void _drawShow();
    void _updateCards();
    void _updateShow();

    // The veil over the screen underneath, following the screen's opacity.
    float veil_ = 0;
};
