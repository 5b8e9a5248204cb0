// TOptions.hpp: the player-independent settings (full screen, wide screen, the game's own
// cursor, music and sound volume) and their file in the per-user data folder.
#pragma once

#include "screens/TEkran.hpp"

#include <optional>
#include <string>

class TOptions : public TEkran
{
public:
    // Reads the settings file, writing the defaults first when there is none.
    void loadOptions();
    // Writes the five settings; false (with a console line) when the file cannot be written.
    bool saveOptions();
    // Opens or reopens the display at 1024 x 768 with the current full-screen settings.
    bool openScreen();
    // The game's own cursor hides the system pointer, and the other way round.
    void setupMouse();

    // userDataPath + "/Data/settings.dat".
    static std::string settingsPath();

    int fullScreen = 1;
    int wideScreen = 0;
    int customCursor = 1;
    float soundVol = 0.5f;
    float musicVol = 0.5f;

    // Set from the command line for this run only; the stored setting is left as it was.
    std::optional<bool> fullScreenThisRun;
};
