// TEkran.hpp: the base of every screen of the game, with its fades and its frame loop shape.
#pragma once

#include "gui/TGui.hpp"
#include "media/Picture.hpp"

#include <memory>
#include <string>

// A screen runs its own loop: prepare(), then frames of clear, update() (which starts with
// beginFrame()), draw() (the screen, then its fade), endFrame(false), and its reaction to the
// frame's clicks and keys, until its fade-out completes; it then returns `wynik`, the
// identifier of what comes next.
class TEkran
{
public:
    TEkran() = default;
    virtual ~TEkran() = default;
    TEkran(const TEkran&) = delete;
    TEkran& operator=(const TEkran&) = delete;

    // Loads the screen's pictures and texts once, while the game loads.
    virtual void setup();
    // Announces this screen as the last one that drew itself.
    virtual void sendPixMap();
    // White, alpha blending, scale 1, rotation 0, alpha 1.
    virtual void drawStandards();
    virtual void _drawGui();
    // Black over the whole screen at `fade`.
    virtual void _drawBlackFade();
    // The light burst: the white glow added over the centre, growing with `fade`.
    virtual void _drawFade();
    // The same burst at half the size; leaves the light blending, scale and alpha set.
    virtual void _drawWhiteFade();
    virtual void _drawMouse();
    virtual void draw();
    virtual void _updatePer();
    virtual void _updateFade();
    virtual void _updateAlpha();
    virtual void _updateGui();
    virtual void update();
    // Draws this screen alone into a cleared frame and grabs it as a picture.
    virtual media::Picture _getMyScreen();
    // alpha 1 and no fade.
    virtual void STANDARD_DATA();
    // Flushes the frame timer, so the next delta counts only the time from now.
    virtual void _prepareDelta();

    // Whether the fade-out has completed: fade and its target both exactly 1.
    bool fadedOut() const { return fade == 1.0f && dFade == 1.0f; }
    bool alphaGone() const { return alpha == 0.0f && dAlpha == 0.0f; }

    std::string id = "Screen Object";
    std::string wynik;
    int _exit = 0;
    float alpha = 1;
    float dAlpha = 1;
    float fade = 0;
    float dFade = 0;
    float p = 0;
    float dp = 0;
    float aSpeed = 0.05f;
    float fSpeed = 0.05f;
    float pSpeed = 0.005f;
    // The screen's widgets, when it has any.
    std::unique_ptr<TGui> Gui;
    // The screen this one is drawn over (not owned).
    TEkran* ekran = nullptr;
};

// The last screen that announced itself through sendPixMap().
TEkran* lastAnnouncedScreen();
