// TTip.hpp: one tutorial lesson: where it shows (screen, stage and level, trigger), its panel,
// texts and pictures, and its fade while it is on screen.
#pragma once

#include "gui/TDim.hpp"
#include "screens/TTipImg.hpp"
#include "screens/TTipText.hpp"

#include <string>
#include <vector>

class TEkran;
class TTutorial;

class TTip
{
public:
    // The veil, the panel, the pictures and the texts at the lesson's opacity, then the buttons.
    void draw(TTutorial& tutorial) const;
    // The opacity moves toward its target by 0.02 a frame; the buttons follow it.
    void _updateAlpha(TTutorial& tutorial);
    // The buttons: the highlight switch of the "CARDS" lesson shows the player's setting and
    // turns it; OK fades the lesson out.
    void _updateGui(TTutorial& tutorial);
    // The player's card highlighting, from on to off or back.
    static void switchOnOff();
    // One frame of the lesson on screen; once it has faded out the tutorial has none on screen.
    void update(TTutorial& tutorial, TEkran& screen);
    // Ready to fade in: only this panel's OK button shown.
    void reset(TTutorial& tutorial);

    std::string id;
    std::string ekran; // the screen the lesson belongs to ("MAIN-GAME", "SHOP", "LEVEL-SUMMARY")
    int nrPanelu = 0;  // the panel picture, 0 to 2
    TDim dim;          // the panel's centre
    int nrLevelu = 0;  // with nrStageu: the one level the lesson belongs to (0: any)
    int nrStageu = 0;
    std::string startAt; // the trigger
    std::vector<TTipImg> images;
    std::vector<TTipText> texts;
    float alpha = 0;
    float dAlpha = 0;
    int blocked = 1; // the game waits under the lesson until it is closed
};
