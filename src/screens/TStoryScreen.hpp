// TStoryScreen.hpp: a cut-scene screen, the story before the quest and the outro after it.
// Parts (stacks of slowly panning and zooming pictures) cross-fade one into the next, timed
// captions fade in and out over them, black bars frame the picture, and a "skip" button fades
// the scene out. Every entry reads its pictures, captions and widgets again.
#pragma once

#include "screens/TEkran.hpp"
#include "screens/TStoryPart.hpp"
#include "screens/TStoryTxt.hpp"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace media
{
class Font;
}

// The files of one cut-scene; "#LANG#" in the text table's path stands for the language.
struct StoryFiles
{
    std::string pictures; // the parts and their layers
    std::string captions; // when and where each caption shows
    std::string texts;    // the captions' words, one caption a line
    std::string gui;      // must hold a button "skip"
    int normalStory = 1;  // 1: the story, 0: the outro
};

class TStoryScreen : public TEkran
{
public:
    static constexpr std::array<int, 2> fontSizes{26, 32};
    // Pictures of the parts are read with this colour keyed out; the colour in force before is
    // put back after each picture.
    static constexpr int layerMaskRed = 0;
    static constexpr int layerMaskGreen = 255;
    static constexpr int layerMaskBlue = 255;

    explicit TStoryScreen(StoryFiles files);

    // The scene's clocks stop while the window is inactive.
    void pause();
    void resume();
    void pauseEffects() override { pause(); }
    void resumeEffects() override { resume(); }

    // The parts and their pictures, and the widgets.
    void loadStory();
    // The two caption fonts and the captions (the list starts empty each time).
    void setup() override;
    void _drawStory();
    void _drawBars();
    void _drawTexts();
    void draw() override;
    void _updateParts();
    void _updateTexts();
    void update() override;
    // Each entry: everything read again, the first part, the fade-in from black, the captions'
    // times counted from now.
    void prepare();
    // Runs the scene: Escape leaves at once, "skip" fades it out first, and it ends by itself
    // after its last part. Then what comes after it, and the flow's next screen.
    std::string mainLoop();
    // The next part starts fading in over the one playing (once that one is fully in); with
    // no part left the screen fades out.
    void nextPart();

    StoryFiles files;
    std::deque<TStoryPart> parts;
    std::vector<TStoryTxt> storyTexts;
    std::optional<TStoryPart> newPart;
    std::optional<TStoryPart> oldPart;
    std::array<media::Font*, 2> storyFonts{}; // owned by the font cache

protected:
    virtual void startMusic() {}
    // What follows the scene once it has ended, and the flow's next screen.
    virtual std::string afterward() = 0;
};
