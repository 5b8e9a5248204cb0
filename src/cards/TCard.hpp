// TCard.hpp: a card lying on the table of the level in play.
#pragma once

#include "effects/TParticle.hpp"

#include <array>
#include <memory>

struct HintPulse;
class TCardData;
class TFlyingCard;
class TResource;

// A card turning face up, and why.
enum class TurnState
{
    None,
    Show,      // uncovered: it turns up
    ShowForce, // an aid shows it although it is covered
};

// An identity placed at a position, face up or down, covered or uncovered, perhaps under an
// obstacle (rocks, ice, snow), with its own small animations. The level's card list is the
// stacking order: a card lies on every earlier card it overlaps. The rules decide which cards
// are uncovered; the card shows it.
class TCard
{
public:
    TCard();
    ~TCard();
    TCard(const TCard&) = delete;
    TCard& operator=(const TCard&) = delete;

    // The width factor of a card seen turned by `angle` degrees: 1 at 0 and 180, 0 at 90 and 270.
    static float countXSCaleBYRot(float angle);
    void drawRewers();
    void _drawOverHint(const HintPulse& pulse);
    void _drawOverNormal();
    void _drawOver();
    void _drawNeg();
    void _drawHint(const HintPulse& pulse);
    void _drawMagicOutline();
    // Draws the card as it lies, glowing with the level's hint pulse when it is lit.
    void draw(const HintPulse& pulse);
    void drawSnowStuff();
    void drawRockStuff();
    void _updateOver(bool over);
    void _updateOverAlpha();
    void _updateNegativeAlpha();
    void _updateSideData();
    void _update_STATE_show();
    void _update_STATE_show_force();
    void _updateState();
    void _updateOverEffect(bool over);
    void _updateSpecCard();
    void _updateWaterFrame();
    void _updateMagicOutline();
    // The mouse is over the card (only an uncovered card not in flight).
    bool pointerOver() const;
    // One frame of the card, `over` when the pointer is on it (1 is returned then). The
    // highlight heads for `dOverA`, which the game screen sets before the frame.
    int update(bool over);
    // The same, with the pointer looked at here.
    int update();
    void setState(TurnState s);
    // The identity becomes the sword of its rank, when there is one.
    void changeToSword();
    // Starts turning the card face up: rocks break and snow melts, in particles of `fx`.
    void showUp(ParticleList& fx);

    float x = 0, y = 0;
    float sx = 1, sy = 1;
    float alpha = 1;
    float scale = 1;
    float rot = 0;
    int side = 0;
    int forceSide = 0;
    float overA = 0, dOverA = 0;
    float negA = 0;
    float p = 0;
    float ov = 0, dov = 0;
    float startA = 0;
    float moa = 0, dMoa = 0;
    int hint = 0;
    float waterFrame = 0;
    TurnState state = TurnState::None;
    int odkryta = 0;
    int utrudnienie1 = 0;              // rocks
    int utrudnienie2 = 0;              // ice
    int utrudnienie3 = 0;              // snow
    TFlyingCard* flyingCard = nullptr; // the flight carrying the card; it neither draws nor hovers then
    std::unique_ptr<TResource> res;    // the resource hidden under a column card
    TCardData* cd = nullptr;           // the identity (owned by the card lists)
    int numerRewersu = 0;
    std::array<float, 9> specFrameAlpha{};
    float specFrame = 0;
    int lastover = 0;
    int _moreOver = 0;

private:
    void drawFace(float a);
};

// Whether a card is a sword, the hammer, or magic, by its identity (false without one).
bool isSwordCard(const TCard& c);
bool isSpecialCard(const TCard& c);
bool isMagicCard(const TCard& c);
