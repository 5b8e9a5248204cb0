// TEkran.hpp: the base of every screen of the game, with its fades and its frame loop shape.
#pragma once

#include "gui/TGui.hpp"

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
    // One frame of the screen, drawn and run.
    virtual void draw();
    virtual void update();
    // The screen's own clocks (its particles and emitters) stop while the window is inactive,
    // and go on again moved by the pause; a screen drawn over another passes it on.
    virtual void pauseEffects();
    virtual void resumeEffects();
    // Whether nothing on the screen moves fast just now, so that while no one touches the
    // controls it may be drawn at the calm pace.
    virtual bool calm() const { return false; }
    // While a lesson holds the screen still, what moves on its own goes on: particles,
    // emitters, captions and cards in the air.
    virtual void updateMovingParts() {}

    // White, alpha blending, scale 1, rotation 0, alpha 1.
    void drawStandards();
    void _drawGui();
    // A screen shown over another: that one (when given), `panel` at (x, y) at the screen's
    // alpha, the widgets.
    void _drawPanelOverBackground(const media::Picture& panel, float x, float y);
    // Black over the whole screen at `fade`.
    void _drawBlackFade();
    void _updateFade();
    void _updateAlpha();
    // The widgets fade with the screen and take the pointer.
    void _updateGui();
    // alpha 1 and no fade.
    void STANDARD_DATA();
    // Flushes the frame timer, so the next delta counts only the time from now.
    void _prepareDelta();

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
    float aSpeed = 0.05f;
    float fSpeed = 0.05f;
    // The screen's widgets, when it has any.
    std::unique_ptr<TGui> Gui;
    // The screen this one is drawn over (not owned).
    TEkran* ekran = nullptr;
};
