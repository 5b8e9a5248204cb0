// TOptions.cpp
#include "screens/TOptions.hpp"

#include "audio/TGlobalSnd.hpp"
#include "base/Program.hpp"
#include "base/VirtualScreen.hpp"
#include "data/DataFiles.hpp"
#include "gui/TMouse.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
int asFlag(double value)
{
    return value != 0 ? 1 : 0;
}

// Volumes are kept in steps of 0.05, so repeated +/- steps never drift (0.5 - 9 x 0.05 in
// floats is a hair under 0.05, and must not be saved as that).
float roundedVolume(double value)
{
    float v = std::clamp(static_cast<float>(value), 0.0f, 1.0f);
    return std::round(v * 20.0f) / 20.0f;
}

// A stored volume below one step is silence.
float storedVolume(double value)
{
    return value < 0.05 ? 0.0f : roundedVolume(value);
}
} // namespace

std::string TOptions::settingsPath()
{
    return base::program().userDataPath + "/Data/settings.dat";
}

void TOptions::loadOptions()
{
    if (media::fs::pathType(settingsPath()) == media::fs::PathType::Absent)
        saveOptions();
    TRCMFile file = loadDataFile(settingsPath());
    fullScreen = asFlag(file.getFloat("settings::fullScreen"));
    wideScreen = asFlag(file.getFloat("settings::wideScreen"));
    customCursor = asFlag(file.getFloat("settings::customCursor"));
    musicVol = storedVolume(file.getFloat("settings::musicVolume"));
    soundVol = storedVolume(file.getFloat("settings::soundVolume"));
    if (base::hasProgram() && base::program().globalSnd) {
        base::program().globalSnd->setMusicVol(musicVol);
        base::program().globalSnd->setSoundVol(soundVol);
    }
}

bool TOptions::saveOptions()
{
    TRCMFile file = newDataFile();
    file.setFloat("settings::fullScreen", fullScreen);
    file.setFloat("settings::wideScreen", wideScreen);
    file.setFloat("settings::customCursor", customCursor);
    file.setFloat("settings::musicVolume", roundedVolume(musicVol));
    file.setFloat("settings::soundVolume", roundedVolume(soundVol));
    return file.save(settingsPath());
}

bool TOptions::openScreen()
{
    bool full = fullScreenThisRun.value_or(fullScreen != 0);
    return openGraphics(1024, 768, full, wideScreen != 0);
}

void TOptions::setupMouse()
{
    if (hasGuiMouse()) {
        if (customCursor == 1)
            guiMouse().show();
        else
            guiMouse().hide();
    }
    media::display().showPointer(customCursor != 1);
}
