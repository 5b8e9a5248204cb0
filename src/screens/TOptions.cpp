// TOptions.cpp
#include "screens/TOptions.hpp"

#include "audio/TGlobalSnd.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "base/VirtualScreen.hpp"
#include "data/DataFiles.hpp"
#include "gui/TMouse.hpp"
#include "media/FileSystem.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TCredits.hpp"
#include "screens/TMainMenu.hpp"

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

TGlobalSnd* soundRegistry()
{
    return base::hasProgram() ? base::program().globalSnd.get() : nullptr;
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
    // Absent from older files: off.
    onlyWinnableDeals = asFlag(file.getFloat("settings::onlyWinnableDeals"));
    if (TGlobalSnd* sounds = soundRegistry()) {
        sounds->setMusicVol(musicVol);
        sounds->setSoundVol(soundVol);
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
    file.setFloat("settings::onlyWinnableDeals", onlyWinnableDeals);
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

TOptions::TOptions()
{
    id = "OPTIONS";
}

void TOptions::setup()
{
    pasek = media::pictures().load("gfx/gui/options/pasek.png");
    Gui = loadGui("gfx/gui/options/options.gui");
}

bool TOptions::overTitle() const
{
    return dynamic_cast<const TMainMenu*>(ekran) != nullptr;
}

void TOptions::prepare(TEkran* background)
{
    openOver(*this, background);
    fade2 = 0;
    dFade2 = 0.5f;
    wynik = "";
    holdedMusic = 0;
    holdedSound = 0;
    const bool title = overTitle();
    if (auto credits = Gui->getItem("credits"))
        credits->setState(title ? 1 : 0, title ? 1 : 0);
    if (auto back = Gui->getItem("mainMenu"))
        back->setState(title ? 0 : 1, title ? 0 : 1);
    // A restart of the title screen would only close the screen: it is offered in a level alone.
    if (auto again = Gui->getItem("restart"))
        again->setState(title ? 0 : 1, title ? 0 : 1);
    showToggles();
    forgetInput();
}

void TOptions::showToggles()
{
    const auto show = [this](const char* on, const char* off, int value) {
        if (auto w = Gui->getItem(on))
            w->setState(value, value);
        if (auto w = Gui->getItem(off))
            w->setState(1 - value, 1 - value);
    };
    show("on", "off", fullScreen);
    show("onW", "offW", wideScreen);
    show("onC", "offC", customCursor);
    show("onD", "offD", onlyWinnableDeals);
}

bool TOptions::dragBar(const VolumeBar& bar, int& holded, float& volume)
{
    const TMouse& mouse = guiMouse();
    const bool inArea = mouse.inRect(bar.areaX, bar.areaY, bar.areaW, bar.areaH) != 0;
    const int right = bar.areaX + bar.areaW;
    const bool sideways = holded && (mouse.x < bar.areaX || mouse.x > right) && mouse.y >= bar.rowTop
                          && mouse.y <= bar.rowBottom;
    if (!inArea && !sideways)
        return false;
    holded = 1;
    volume =
        static_cast<float>(std::clamp(mouse.x, bar.areaX, right) - bar.areaX) / static_cast<float>(bar.areaW);
    return true;
}

void TOptions::updateBars()
{
    // A press this frame holds the button too, so a click on a bar sets its volume.
    const bool held = media::input().mouseDown(media::mouse::Left) || guiMouse().leftPressed;
    if (!held) {
        holdedMusic = 0;
        holdedSound = 0;
        return;
    }
    TGlobalSnd* sounds = soundRegistry();
    if (dragBar(musicBar, holdedMusic, musicVol) && sounds)
        sounds->setMusicVol(musicVol);
    const float before = soundVol;
    if (dragBar(soundBar, holdedSound, soundVol)) {
        if (sounds)
            sounds->setSoundVol(soundVol);
        // A tick at every tenth, at the new loudness.
        if (static_cast<int>(before * 10) != static_cast<int>(soundVol * 10) && sounds)
            sounds->playMySound("test");
    }
}

void TOptions::updateToggles()
{
    if (!guiMouse().leftPressed)
        return;
    const TMouse& mouse = guiMouse();
    const auto pressedIn = [&mouse](const HitRect& r) { return mouse.inRect(r.x, r.y, r.w, r.h) != 0; };
    if (pressedIn(fullScreenRow))
        switchScreen();
    else if (pressedIn(wideScreenRow))
        switchWideScreen();
    else if (pressedIn(cursorRow))
        switchCursor();
    else if (pressedIn(winnableDealsRow))
        switchWinnableDeals();
}

void TOptions::switchScreen()
{
    fullScreen = 1 - fullScreen;
    // A headless run has no window to change; otherwise the player's choice holds from now on,
    // whatever the command line asked for this run.
    if (!media::display().headless()) {
        fullScreenThisRun.reset();
        openScreen();
    }
    forgetInput();
}

void TOptions::switchWideScreen()
{
    wideScreen = 1 - wideScreen;
    if (!media::display().headless() && fullScreenThisRun.value_or(fullScreen != 0))
        openScreen();
    forgetInput();
}

void TOptions::switchCursor()
{
    customCursor = 1 - customCursor;
    setupMouse();
    forgetInput();
}

void TOptions::switchWinnableDeals()
{
    onlyWinnableDeals = 1 - onlyWinnableDeals;
    forgetInput();
}

void TOptions::applyVolumes()
{
    musicVol = roundedVolume(musicVol);
    soundVol = roundedVolume(soundVol);
    if (TGlobalSnd* sounds = soundRegistry()) {
        sounds->setMusicVol(musicVol);
        sounds->setSoundVol(soundVol);
    }
}

void TOptions::changeVolume(float& volume, float by)
{
    volume += by;
    applyVolumes();
}

void TOptions::close()
{
    dAlpha = 0;
    dFade = 0;
    dFade2 = 0;
}

void TOptions::updateButtons()
{
    constexpr float step = 0.05f;
    if (Gui->clickedItem("ok") || media::input().keyHits(media::key::Escape) > 0) {
        close();
    } else if (Gui->clickedItem("plus1")) {
        changeVolume(musicVol, step);
    } else if (Gui->clickedItem("minus1")) {
        changeVolume(musicVol, -step);
    } else if (Gui->clickedItem("plus2")) {
        changeVolume(soundVol, step);
    } else if (Gui->clickedItem("minus2")) {
        changeVolume(soundVol, -step);
    } else if (Gui->clickedItem("on") || Gui->clickedItem("off")) {
        switchScreen();
    } else if (Gui->clickedItem("onW") || Gui->clickedItem("offW")) {
        switchWideScreen();
    } else if (Gui->clickedItem("onC") || Gui->clickedItem("offC")) {
        switchCursor();
    } else if (Gui->clickedItem("onD") || Gui->clickedItem("offD")) {
        switchWinnableDeals();
    } else if (Gui->clickedItem("credits")) {
        credits().mainLoop(this);
        forgetInput();
    } else if (Gui->clickedItem("restart")) {
        wynik = restart;
        close();
    } else if (Gui->clickedItem("mainMenu")) {
        wynik = mainMenu;
        close();
    }
}

void TOptions::update()
{
    beginFrame();
    updateBars();
    updateToggles();
    _updateAlpha();
    _updateFade();
    approach(fade2, dFade2, 0.05f);
    _updateGui();
    // The buttons answer only while the screen stands fully open.
    if (alpha == 1 && dAlpha == 1)
        updateButtons();
    showToggles();
}

void TOptions::draw()
{
    if (ekran)
        ekran->draw();
    media::Renderer& gfx = media::gfx();
    if (fade2 > 0) {
        drawStandards();
        gfx.setColor(0, 0, 0);
        gfx.setAlpha(fade2);
        gfx.drawRect(0, 0, 1024, 768);
    }
    drawStandards();
    _drawGui();
    drawStandards();
    gfx.setAlpha(alpha);
    const auto drawBar = [&gfx, this](const VolumeBar& bar, float volume) {
        const float w = static_cast<float>(pasek.width()) * std::clamp(volume, 0.0f, 1.0f);
        const float h = static_cast<float>(pasek.height());
        if (w > 0)
            gfx.drawSubPicture(pasek, static_cast<float>(bar.drawX), static_cast<float>(bar.drawY), w, h, 0,
                               0, w, h);
    };
    drawBar(musicBar, musicVol);
    drawBar(soundBar, soundVol);
    drawStandards();
    _drawBlackFade();
    drawStandards();
}

std::string TOptions::mainLoop(TEkran* background)
{
    if (!Gui)
        setup();
    prepare(background);
    runUntilGone(*this);
    // The screen's answer and the settings are settled: the pointer's last press stays here.
    forgetInput();
    saveOptions();
    return wynik;
}
