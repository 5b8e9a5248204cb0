// TCard.hpp: a card lying on the table of the level in play.
#pragma once

#include <array>
#include <list>
#include <memory>
#include <string>
#include <vector>

class TCardData;
class TFlyingCard;
class TLevel;
class TResource;

// One task of a card's task list (the list stays empty).
struct TCardTask
{
    std::string command;
};

// An identity placed at a position, face up or down, covered or uncovered, perhaps under an
// obstacle (rocks, ice, snow), with its own small animations. The level's card list is the
// stacking order: a card lies on every earlier card it overlaps.
class TCard
{
public:
    TCard() = default;
    TCard(const TCard&) = delete;
    TCard& operator=(const TCard&) = delete;

    // The width factor of a card seen turned by `angle` degrees: 1 at 0 and 180, 0 at 90 and 270.
    static float countXSCaleBYRot(float angle);
    void drawRewers();
    void _drawOverHint();
    // Whether playable cards show their hint glow now.
    static bool hinted();
    void _drawOverNormal();
    void _drawOver();
    void _drawNeg();
    void _drawHint();
    void _drawMagicOutline();
    void draw();
    void drawSnowStuff();
    void drawRockStuff();
    bool _updateOver();
    void _updateOverAlpha();
    void _updateNegativeAlpha();
    void _updateSideData();
    void _update_STATE_show();
    void _update_STATE_show_force();
    void _updateState();
    // The hint pulse all lit cards share.
    static void _updatehint();
    void _updateOverEffect(bool over);
    void _updateSpecCard();
    void _updateWaterFrame();
    void _updateMagicOutline();
    // One frame of the card; 1 when the mouse is over it (only an uncovered card not in flight).
    int update();
    void setState(const std::string& s);
    // The hammer leaves: it flies off the table and the rocks unlock.
    void flyOut2();
    void changeToSword();
    void changeToNormal();
    // Starts turning the card face up; rocks break and snow melts.
    void showUp();
    // The hammer has turned face up: the rocks unlock and it leaves the table.
    void showSand();
    // The uncover test: whether a later card of `cards` lies on this one, and what follows.
    void CHECK_Cover(const std::vector<std::unique_ptr<TCard>>& cards, int initial);
    // The mask of this card drawn into a collision layer (collide1), and another card's mask
    // tested against it (collide2).
    bool collide2(const TCard& other) const;

    // The shared hint pulse: its strength and target.
    static float hintA;
    static float dHintA;

    float x = 0, y = 0;
    float sx = 1, sy = 1;
    float alpha = 1;
    float scale = 1;
    float rot = 0;
    int side = 0;
    int forceSide = 0;
    float overA = 0, dOverA = 0;
    float negA = 0;
    float dNegA = 0;
    float p = 0;
    float ov = 0, dov = 0;
    float startA = 0;
    float moa = 0, dMoa = 0;
    int partTime = 0;
    int hint = 0;
    float waterFrame = 0;
    std::list<TCardTask> listaZadan;
    std::string state;
    int odkryta = 0;
    int foundAllready = 0;
    int utrudnienie1 = 0;              // rocks
    int utrudnienie2 = 0;              // ice
    int utrudnienie3 = 0;              // snow
    TFlyingCard* flyingCard = nullptr; // the flight carrying the card; it neither draws nor hovers then
    TLevel* myLevel = nullptr;         // the level the card lies in
    std::unique_ptr<TResource> res;    // the resource hidden under a column card
    TCardData* cd = nullptr;           // the identity (owned by the card lists)
    int numerRewersu = 0;
    std::array<float, 9> specFrameAlpha{};
    float specFrame = 0;
    float z = 0;
    int lastover = 0;
    int _moreOver = 0;

private:
    void drawFace(float a);
};

// Whether a card is a sword, the hammer, or magic, by its identity (false without one).
bool isSwordCard(const TCard& c);
bool isSpecialCard(const TCard& c);
bool isMagicCard(const TCard& c);
