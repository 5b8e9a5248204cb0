// TOptions.hpp: the player-independent settings (full screen, wide screen, the game's own
// cursor, music and sound volume, only deals that can be cleared), their file in the per-user data folder,
// and the options screen that changes them: over the title screen, or over a level as its pause menu.
#pragma once

#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <optional>
#include <string>

class TOptions : public TEkran
{
public:
    // What mainLoop() hands back from a level's menu.
    static constexpr const char* restart = "RESTART";
    static constexpr const char* mainMenu = "MAIN-MENU";

    // Where the volume bars lie: each is drawn from its top-left corner, and dragged within
    // its area, or sideways out of it within its row while it is held.
    struct VolumeBar
    {
        int drawX;
        int drawY;
        int areaX;
        int areaY;
        int areaW;
        int areaH;
        int rowTop;
        int rowBottom;
    };
    static constexpr VolumeBar musicBar{404, 292, 406, 279, 265, 30, 280, 313};
    static constexpr VolumeBar soundBar{404, 381, 406, 368, 265, 30, 369, 402};
    // A press anywhere in a toggle's row switches it; its on/off widgets lie inside.
    struct HitRect
    {
        int x;
        int y;
        int w;
        int h;
    };
    static constexpr HitRect fullScreenRow{415, 430, 215, 37};
    static constexpr HitRect wideScreenRow{415, 475, 215, 37};
    static constexpr HitRect cursorRow{415, 515, 215, 37};
    static constexpr HitRect winnableDealsRow{415, 555, 215, 37};

    TOptions();

    // Reads the settings file, writing the defaults first when there is none.
    void loadOptions();
    // Writes the six settings; false (with a console line) when the file cannot be written.
    bool saveOptions();
    // Opens or reopens the display at 1024 x 768 with the current full-screen settings.
    bool openScreen();
    // The game's own cursor hides the system pointer, and the other way round.
    void setupMouse();

    // The widgets and the volume bar's picture.
    void setup() override;
    // Opens the screen over `background` (none: over black); over the title screen it offers
    // the credits, over a level the way back to the title and a restart.
    void prepare(TEkran* background);
    void update() override;
    void draw() override;
    // Runs the screen until it has faded out, then saves the settings: "" (closed with "ok" or
    // Escape), "RESTART" or "MAIN-MENU".
    std::string mainLoop(TEkran* background);

    // The toggles: the display reopens as the new setting asks (a headless run keeps its
    // display and only notes the setting); the pointer's state of the frame is forgotten.
    void switchScreen();
    void switchWideScreen();
    void switchCursor();
    // Takes effect from the next deal on.
    void switchWinnableDeals();

    // Both volumes brought to 0..1 in steps of 0.05 and handed to the sound registry.
    void applyVolumes();

    // userDataPath + "/Data/settings.dat".
    static std::string settingsPath();

    media::Picture pasek;
    int fullScreen = 1;
    int wideScreen = 0;
    int customCursor = 1;
    // The dealer deals again until the solver finds a line that clears the table.
    int onlyWinnableDeals = 0;
    float fade2 = 0;
    float dFade2 = 0;
    float soundVol = 0.5f;
    float musicVol = 0.5f;
    int holdedMusic = 0;
    int holdedSound = 0;

    // Set from the command line for this run only; the stored setting is left as it was.
    std::optional<bool> fullScreenThisRun;

private:
    bool overTitle() const;
    void showToggles();
    void updateBars();
    void updateToggles();
    void updateButtons();
    // Sets `volume` from the pointer while its bar is held; true when it was.
    bool dragBar(const VolumeBar& bar, int& holded, float& volume);
    void changeVolume(float& volume, float by);
    void close();
};
