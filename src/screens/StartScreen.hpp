// StartScreen.hpp: the first screen of the game: the lake at night and the game's name.
// A click lights a ripple on the water; Escape fades out and ends the game.
#pragma once

#include "data/TTxtFile.hpp"
#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <string>
#include <vector>

namespace screens
{
class StartScreen : public TEkran
{
public:
    StartScreen();

    // The first picture of the run, shown the moment the window opens and kept while the rest
    // loads: the lake under the dark veil the screen lifts when it first fades in.
    void showFirstPicture();
    void setup() override;
    void prepare();
    void update() override;
    void draw() override;
    bool calm() const override;
    std::string mainLoop();

    // A ripple of light where the player clicked.
    struct Ripple
    {
        float x = 0;
        float y = 0;
        float age = 0; // 0 .. 1
    };
    const std::vector<Ripple>& ripples() const { return ripples_; }
    static constexpr std::size_t maxRipples = 12;

    // The button that starts play, by its centre.
    float playButtonX() const { return 512; }
    float playButtonY() const { return 585; }
    bool overPlayButton(int x, int y) const;

private:
    // Fades out to black, then the loop ends with `result`.
    void leave(const std::string& result);
    void drawTextCentred(int size, const std::string& text, float centreY, int r, int g, int b, float a);

    media::Picture backdrop_;
    media::Picture glow_;
    std::string title_;
    TTxtFile texts_;
    std::vector<Ripple> ripples_;
    float pulse_ = 0;    // 0 .. 1, round and round
    float playGlow_ = 0; // the button's hover light
    // Set while the first picture is what the window shows, so the first fade-in starts there.
    bool firstPictureShown_ = false;
    static constexpr float firstPictureVeil = 0.55f;
    static constexpr float fadeFrames = 20; // to fade in or out
};
} // namespace screens
