// TTutorial.hpp: the lessons of the tutorial. Each lesson shows once per quest over the game
// screen, the shop or the level summary, when its screen, its stage and level and its trigger
// all hold; the player's profile keeps the ids of the lessons still to come. A blocked lesson
// holds its screen still (what is in the air goes on moving) until the player closes it; any
// other shows while play goes on.
#pragma once

#include "gui/TGui.hpp"
#include "media/Picture.hpp"
#include "screens/TTip.hpp"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TEkran;

class TTutorial
{
public:
    static constexpr const char* lessonFile = "data/tutorial.dat";
    static constexpr const char* textTable = "txt/#LANG#/tutorial.txt";
    static constexpr const char* guiFile = "gfx/gui/tutorial/tutorial.gui";
    static constexpr const char* pictureFolder = "gfx/gui/tutorial/";
    // The lesson that stays pending however often it shows, and the one with the switch.
    static constexpr const char* skippedCardLesson = "POMINIETA";
    static constexpr const char* switchLesson = "CARDS";

    TTutorial() = default;
    virtual ~TTutorial() = default;
    TTutorial(const TTutorial&) = delete;
    TTutorial& operator=(const TTutorial&) = delete;

    // The fonts, the buttons, the panels, the lessons and their texts.
    void setup();
    // Reads the lessons from `datPath` with their texts from the table at `txtPath`; a lesson
    // file that is missing leaves no lessons. Bad entries are reported naming the file and the
    // lesson: a panel or font number outside 0..2 is clamped into it, a lesson without an id or
    // with the id of one before it is left out.
    void readLessons(const std::string& datPath, const std::string& txtPath);
    // The lesson on screen, when there is one.
    void draw(TEkran& screen);
    // "LEFT", "CENTER", "RIGHT", "JUSTIFY" for 0 to 3; "" for any other number.
    static std::string readAlign(int n);
    // With no lesson on screen, the current player's pending lessons are tested in their order
    // (a blocked one shown runs to its end before the test goes on; once one that is not blocked
    // is on screen the rest wait); else the lesson on screen runs a frame.
    void update(TEkran& screen);
    // Whether `tip` would show on `screen` now: its screen, its stage and level, its trigger.
    bool holds(const TEkran& screen, const TTip& tip) const;
    // Shows `tip` when it holds.
    void checkTip(TEkran& screen, TTip& tip);
    // Puts `tip` on screen and takes it off the player's pending list (all but the skipped-card
    // lesson); a blocked lesson runs until it is closed.
    void setTip(TTip& tip, TEkran& screen);
    // Frames of the blocked lesson on screen over `screen` until the player closes it.
    virtual void mainLoop(TEkran& screen);
    // The first lesson whose id is `id` in any letter case; nullptr when there is none.
    TTip* getTip(const std::string& id);
    const TTip* getTip(const std::string& id) const;
    // Every lesson's id in file order: what a new quest has still to show.
    std::vector<std::string> lessonIds() const;
    // The lesson font `n` (0 to 2), or the default font before setup.
    media::Font& tipFont(int n) const;

    std::unique_ptr<TGui> gui;
    std::vector<TTip> tips; // in file order; replaced whole by readLessons only
    TTip* actTip = nullptr;
    std::array<media::Font*, 3> fonts{}; // owned by the font cache
    std::array<media::Picture, 3> panels;
    // The frame the lesson on screen was last drawn in, so the blocked loop draws it once.
    long long drawnInFrame = -1;
};

// The one tutorial of the run.
TTutorial& tutorial();

// The hooks of the screens that show lessons, once a frame: at the end of their update and
// their drawing. Nothing happens with the tutorial turned off, and lessons are tested only in
// the quest.
void updateTutorial(TEkran& screen);
void drawTutorial(TEkran& screen);
