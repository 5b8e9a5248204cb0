// StartScreen.cpp
#include "screens/StartScreen.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "data/TextTables.hpp"
#include "gui/ShadowedText.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"

#include <algorithm>
#include <cmath>

namespace screens
{
namespace
{
constexpr float titleY = 300;
constexpr float pi = 3.14159265f;
} // namespace

StartScreen::StartScreen()
{
    id = "START";
}

namespace
{
constexpr const char* backdropPath = "gfx/start/backdrop.jpg";
}

void StartScreen::showFirstPicture()
{
    backdrop_ = media::pictures().load(backdropPath);
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.drawPicture(backdrop_, 0, 0);
    fade = firstPictureVeil;
    _drawBlackFade();
    drawStandards();
    // Not a frame of any screen: the frame count and the game's clock stay where they are.
    media::display().present();
    clearVirtualScreen();
    firstPictureShown_ = true;
}

void StartScreen::setup()
{
    backdrop_ = media::pictures().load(backdropPath);
    glow_ = base::program().whiteImage;
    glow_.midHandle();
    title_ = base::program().windowTitle;
    texts_ = loadTextTable("txt/#LANG#/start.txt");
}

void StartScreen::prepare()
{
    STANDARD_DATA();
    // Fade in from black, or from the first picture where it is still on show; in the same
    // time either way.
    fade = firstPictureShown_ ? firstPictureVeil : 1;
    fSpeed = fade / fadeFrames;
    firstPictureShown_ = false;
    dFade = 0;
    wynik = "";
    ripples_.clear();
    pulse_ = 0;
    playMyMusic("title");
    _prepareDelta();
}

bool StartScreen::calm() const
{
    // Only the slow breath of the light moves: no fade, no ripple, no button lighting up.
    return fade == dFade && ripples_.empty() && (playGlow_ == 0 || playGlow_ == 1);
}

void StartScreen::leave(const std::string& result)
{
    wynik = result;
    dFade = 1;
    fSpeed = 1.0f / fadeFrames;
}

void StartScreen::update()
{
    beginFrame();
    _updateFade();
    _updateAlpha();
    _updateGui();

    pulse_ = std::fmod(pulse_ + 0.004f * base::program().delta, 1.0f);
    for (Ripple& r : ripples_)
        r.age += 0.012f * base::program().delta;
    std::erase_if(ripples_, [](const Ripple& r) { return r.age >= 1; });

    TMouse& mouse = guiMouse();
    const bool overPlay = overPlayButton(mouse.x, mouse.y);
    approach(playGlow_, overPlay ? 1.0f : 0.0f, 0.08f);
    if (overPlay)
        mouse.setCursor("over");
    if (mouse.leftPressed && dFade == 0) {
        if (overPlay) {
            leave("MAIN-GAME");
            return;
        }
        if (ripples_.size() >= maxRipples)
            ripples_.erase(ripples_.begin());
        ripples_.push_back({static_cast<float>(mouse.x), static_cast<float>(mouse.y), 0});
    }
}

bool StartScreen::overPlayButton(int x, int y) const
{
    return x >= playButtonX() - 130 && x <= playButtonX() + 130 && y >= playButtonY() - 26
           && y <= playButtonY() + 26;
}

void StartScreen::drawTextCentred(int size, const std::string& text, float centreY, int r, int g, int b,
                                  float a)
{
    media::Font& font = media::fonts().get(size);
    float x = 512 - font.textWidth(text) / 2;
    float y = centreY - font.height() / 2.0f;
    // A soft dark shadow keeps the letters readable on the sky.
    drawShadowedText(font, text, x, y, r, g, b, a, 2, 3);
}

void StartScreen::draw()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.drawPicture(backdrop_, 0, 0);

    // The title's halo breathes slowly.
    float breath = 0.5f - 0.5f * std::cos(pulse_ * 2 * pi);
    gfx.setBlend(media::Blend::Light);
    gfx.setColor(255, 196, 110);
    gfx.setAlpha(0.22f + 0.12f * breath);
    gfx.setScale(3.2f, 0.9f);
    gfx.drawPicture(glow_, 512, titleY);

    // Ripples of light where the player clicked.
    for (const Ripple& r : ripples_) {
        float size = 0.2f + 1.1f * r.age;
        gfx.setColor(150, 190, 255);
        gfx.setAlpha(0.6f * (1 - r.age));
        gfx.setScale(size, size * 0.35f);
        gfx.drawPicture(glow_, r.x, r.y);
    }
    drawStandards();

    drawTextCentred(132, title_, titleY, 236, 200, 120, 1);
    drawTextCentred(30, getText(texts_, 1), titleY + 96, 214, 220, 240, 0.95f);
    // The button that begins play: gold words on a dark plate that lights under the mouse.
    gfx.setBlend(media::Blend::Alpha);
    gfx.setColor(10, 12, 30);
    gfx.setAlpha(0.45f + 0.2f * playGlow_);
    gfx.drawRect(playButtonX() - 130, playButtonY() - 26, 260, 52);
    gfx.setBlend(media::Blend::Light);
    gfx.setColor(255, 200, 120);
    gfx.setAlpha(0.1f + 0.25f * playGlow_);
    gfx.setScale(1.3f, 0.3f);
    gfx.drawPicture(glow_, playButtonX(), playButtonY());
    drawStandards();
    drawTextCentred(34, getText(texts_, 3), playButtonY(), 246, 214, 130, 0.85f + 0.15f * playGlow_);
    drawTextCentred(22, getText(texts_, 2), 700, 190, 200, 230, 0.55f + 0.35f * breath);

    drawStandards();
    _drawBlackFade();
    drawStandards();
}

std::string StartScreen::mainLoop()
{
    ScreenScope running(this);
    prepare();
    while (true) {
        update();
        draw();
        endFrame(false);
        if (media::input().keyHits(media::key::Escape) && dFade == 0)
            leave("END");
        if (fadedOut())
            break;
    }
    return wynik;
}
} // namespace screens
