// TMainMenu.hpp: the title screen. The night over the lake zooms in once per run (clouds, the
// oak with its owl, pulsing lights), the logo sparkles, and the menu board fades in; its buttons
// lead to the quest, free play, the settings, the credits, the players and the way out.
#pragma once

#include "effects/CloudLayers.hpp"
#include "effects/TLightLayer.hpp"
#include "effects/TParticle.hpp"
#include "effects/TSowa.hpp"
#include "gui/TDim.hpp"
#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <array>
#include <functional>
#include <string>

class TMainMenu : public TEkran
{
public:
    // What mainLoop() hands the flow.
    static constexpr const char* newQuest = "NEW-QUEST";
    static constexpr const char* resumeQuest = "RESUME-QUEST";
    static constexpr const char* freePlay = "FREE-PLAY";
    static constexpr const char* more = "MORE";
    static constexpr const char* end = "END";

    static constexpr std::size_t lightCount = 7;
    static constexpr std::size_t sparkleCount = 26;
    // The logo's centre: the middle of the box the sparkles light.
    static constexpr float logoX = 266;
    static constexpr float logoY = 153;

    TMainMenu();

    // The first picture of the run, shown the moment the window opens and kept while the rest
    // loads: the lake as the intro starts, under the veil the first fade-in lifts.
    void showFirstPicture();
    // The pictures, the widgets, the texts, the clouds, the owl and the lights.
    void setup() override;
    // Each entry: the player's caption, the fade-in from black, the music, the intro on the
    // first entry only, ten clouds.
    void prepare();
    void update() override;
    void draw() override;
    bool calm() const override;
    // Runs the title screen until it has faded out; the screen chosen: NEW-QUEST,
    // RESUME-QUEST, FREE-PLAY, MORE or END.
    std::string mainLoop();

    // What the flow may set for the screens the title screen calls and comes back from; each
    // does nothing until set. The settings are shown over the title screen.
    std::function<void(TEkran& background)> showOptions;
    std::function<void()> showCredits;
    std::function<void()> showProfileManager;
    // Gives the game screen a level for free play, before the title screen fades out to it.
    std::function<void()> dealFreePlayLevel;

    // The "manager" button greets the current player, or asks for one.
    void setManagerCaption();
    // With no player yet: the name is asked for (no way to cancel) and a new player made.
    void askFirstPlayerName();
    // The buttons and keys of one frame (only once the menu has faded half in).
    void handleInput();
    void questEntry();
    void quit();
    // Whether the menu has faded in far enough to be used.
    bool menuReady() const { return menuA > 0.5f; }

    media::Picture back;
    media::Picture menuGfx;
    std::array<TLightLayer, lightCount> lightLayer;
    media::Picture tree;
    TSowa sowa;
    media::Picture logo;
    CloudLayers clouds;
    ParticleList particles;
    float menuA = 0;
    float dMenuA = 0;
    float per = 0;
    float dPer = 0;
    int firstTime = 1;
    std::array<TDim, sparkleCount> starDim{};
    long long time = 0; // clock time of the next sparkle
    int starInterwal = 500;
    std::array<std::string, 3> txtHello;
    std::string txtAreYouSure;
    std::string txtAreYouSure2;
    // Set while the first picture is what the window shows, so the first fade-in starts there.
    bool firstPictureShown = false;

private:
    static constexpr float firstPictureVeil = 0.55f;

    void leave(const char* result);
    // The lake, the clouds and the oak as they stand at intro progress `per`.
    void drawScenery();
    void updateMenu();
    void updateSparkles();
};
