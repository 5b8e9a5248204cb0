// GameHud.hpp: the display around the table of the game screen: the name plate, the cash panel
// with its shake and the score, the drive panel with its four multiplier bulbs, twenty small
// bulbs, the green drive bulb and the drive counter, and the deck counter. It loads its pictures
// and fonts once and moves its lights toward what the level shows, frame by frame.
#pragma once

#include "effects/TParticle.hpp"
#include "effects/TRotPart.hpp"
#include "gui/CyfryFont.hpp"
#include "gui/TDim.hpp"
#include "media/Picture.hpp"

#include <array>
#include <string>

namespace media
{
class Font;
}

// What the display shows in a frame.
struct HudFigures
{
    float alpha = 0;           // the screen's opacity; everything is drawn at a fraction of it
    long long score = 0;       // the level's score
    int driveN = 0;            // the running drive
    int multiplierTenths = 10; // the multiplier in tenths (1.5 is 15)
    std::string levelName;     // on the name plate
    bool deckCounter = false;  // the player owns the deck counter
    int deckCount = 0;         // identities left in the deck
};

class GameHud
{
public:
    static constexpr std::array<float, 4> bulbX{725, 781, 907, 964};
    static constexpr std::array<float, 4> bulbY{59, 76, 76, 59};
    static constexpr std::array<float, 20> bx{703, 716, 732, 745, 751, 752, 753, 759, 772, 786,
                                              903, 916, 929, 936, 936, 937, 944, 957, 973, 985};
    static constexpr std::array<float, 20> by{42,  34,  33, 41, 53, 68, 83, 96, 104, 104,
                                              103, 103, 96, 83, 68, 53, 41, 33, 34,  42};

    // Loads the pictures and fonts (once); `endHandText` only sets the end hand's height.
    void setup(const std::string& endHandText);

    // The lights move toward the figures.
    void update(const HudFigures& figures);
    // A level's play is prepared: its figures are shown as they are, with no drive running.
    void reset();

    // The name plate, the cash panel and the drive panel.
    void _drawPanele(float alpha) const;
    // The numbers and lights on them: the green bulb, the drive counter, the score, the
    // multiplier bulbs, the level's name and the deck counter.
    void _drawInfo(const HudFigures& figures) const;
    void _drawRunes(const HudFigures& figures) const;

    // The cash panel shakes twice (a coin has landed), with a burst of light.
    void zatrzas(ParticleList& particles);
    // The shake's offset of the cash panel and the score: -5 at rest, 0 halfway, +5 at the top.
    float getAdXForCashPanel() const;
    // The big bulb that shows the multiplier: the drive's light flies there.
    TDim getComboDim() const;
    // The multiplier as the bulbs show it: "1.5", "5.0".
    static std::string multiplierText(int tenths);
    // The target level of each big bulb for a multiplier, and the bulb that shows its text.
    static std::array<float, 4> bulbTargets(int tenths);
    static int numerBulb(const std::array<float, 4>& targets);
    // Whether small bulb j is lit at that multiplier.
    static bool smallBulbLit(int tenths, int j) { return tenths - 10 > j; }

    // The pictures the deck and the end-of-level signs use.
    media::Picture endHand, endCombo;
    std::array<media::Picture, 2> guiDeckHolder; // with the counter window, plain
    media::Picture guiPanelL, guiPanelP;
    float endH = 0; // the end hand's layout height

    // The lights, as they stand.
    std::array<float, 4> bulbA{};
    std::array<float, 4> tba{};
    std::array<float, 20> ba{};
    float greenB = 0;
    float comboA = 0;
    int remDriveN = 0; // the length of the drive that ended last, shown while the counter fades
    float trzas = 0, dTrzas = 0;
    int eCount = 0;
    int numerBulb_ = 0;
    DriveMotes motes; // circling the drive bulb while a drive runs

private:
    void _updateBulbA(int tenths);
    void _updateGreenBulb(int driveN);
    void _updateComboAlpha(int driveN);
    void _updateZatrzas();
    void drawNameText(const std::string& text, float alpha) const;

    media::Picture guiMenu, guiCash, guiDrive, bulbDeck, bulbSmall, bulbSmall2, bulbGreen;
    std::array<media::Picture, 4> bulb;
    std::array<media::Picture, 2> poswiata;
    media::Font* multiFont = nullptr;
    media::Font* nameFont = nullptr;
    media::Font* licznikFont = nullptr;
    CyfryFont cyfry;
};
