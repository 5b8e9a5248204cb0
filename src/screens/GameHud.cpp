// GameHud.cpp
#include "screens/GameHud.hpp"

#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "effects/ParticleKinds.hpp"
#include "gui/Fonts.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

media::Picture load(const std::string& name)
{
    return media::pictures().load("gfx/gui/mainGame/" + name);
}

media::Picture loadCentred(const std::string& path)
{
    media::Picture p = media::pictures().load(path);
    p.midHandle();
    return p;
}

void setDrawing(float alpha)
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setAlpha(alpha);
}
} // namespace

void GameHud::setup(const std::string& endHandText)
{
    guiMenu = load("stage-name.png");
    guiCash = loadCentred("gfx/gui/mainGame/gui-cash.png");
    guiDrive = load("gui-drive.png");
    bulbDeck = load("bulb-deckholder.png");
    bulbSmall2 = loadCentred("gfx/gui/mainGame/bulb-small-2.png");
    endHand = loadCentred("gfx/gui/mainGame/end-hand.png");
    endCombo = loadCentred("gfx/gui/mainGame/end-combo.png");
    for (std::size_t i = 0; i < bulb.size(); ++i)
        bulb[i] = loadCentred("gfx/gui/mainGame/bulb-" + std::to_string(i + 1) + ".png");
    bulbGreen = loadCentred("gfx/gui/mainGame/bulb-green.png");
    bulbSmall = loadCentred("gfx/gui/mainGame/bulb-small.png");
    guiPanelL = load("panelLewy.png");
    guiPanelL.setHandle(12, 6);
    guiPanelP = load("panelPrawy.png");
    guiPanelP.setHandle(153, 5);
    guiDeckHolder[0] = load("deck-holder.png");
    guiDeckHolder[1] = load("deck-holder-1.png");
    for (media::Picture& holder : guiDeckHolder)
        holder.setHandle(5, 8);
    for (std::size_t i = 0; i < poswiata.size(); ++i)
        poswiata[i] =
            media::pictures().load("gfx/effects/poswiata-" + std::to_string(i + 1) + ".png", media::Filtered);
    const std::string face = "gfx/fonts/bookman.ttf";
    multiFont = &loadFont(face, 16);
    nameFont = &loadFont(face, 20);
    licznikFont = &loadFont(face, 18);
    endH = static_cast<float>(measureTextBox(endHandText, 60, loadFont(face, 12), 1));
    cyfry = loadDigitFont();
}

// --- the lights

std::array<float, 4> GameHud::bulbTargets(int tenths)
{
    // Worked in tenths, so 1.1 and 1.3 light exactly what they print.
    constexpr std::array<int, 4> thresholds{5, 10, 15, 20};
    const int m = tenths - 10;
    std::array<float, 4> targets{};
    std::size_t i = 0;
    while (i < thresholds.size() && m >= thresholds[i])
        targets[i++] = 1;
    if (i < thresholds.size())
        targets[i] = std::clamp(static_cast<float>(m) / static_cast<float>(thresholds[i]), 0.0f, 1.0f);
    return targets;
}

int GameHud::numerBulb(const std::array<float, 4>& targets)
{
    int n = 0;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (targets[i] > 0.5f)
            n = static_cast<int>(i);
    }
    return n;
}

std::string GameHud::multiplierText(int tenths)
{
    tenths = std::max(tenths, 0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

void GameHud::_updateBulbA(int tenths)
{
    const std::array<float, 4> targets = bulbTargets(tenths);
    numerBulb_ = numerBulb(targets);
    for (std::size_t i = 0; i < bulbA.size(); ++i) {
        approach(bulbA[i], targets[i], 0.01f);
        approach(tba[i], static_cast<int>(i) == numerBulb_ ? 1.0f : 0.0f, 0.01f);
    }
    for (std::size_t j = 0; j < ba.size(); ++j)
        approach(ba[j], smallBulbLit(tenths, static_cast<int>(j)) ? 1.0f : 0.0f, 0.01f);
}

void GameHud::_updateGreenBulb(int driveN)
{
    const float target = static_cast<float>(std::min(driveN, 6)) / 6.0f;
    approach(greenB, target, greenB < target ? 0.01f : 0.04f);
}

void GameHud::_updateComboAlpha(int driveN)
{
    const float target = driveN != 0 ? 1.0f : 0.0f;
    approach(comboA, target, comboA < target ? 0.05f : 0.04f);
}

void GameHud::_updateZatrzas()
{
    const float step = 0.3f * base::program().delta;
    if (trzas < dTrzas) {
        trzas = std::min(dTrzas, trzas + step);
        if (trzas == dTrzas)
            dTrzas = 0;
    } else if (trzas > dTrzas) {
        trzas = std::max(dTrzas, trzas - step);
        if (trzas == dTrzas && eCount > 0 && --eCount != 0)
            dTrzas = 1;
    }
}

void GameHud::update(const HudFigures& figures)
{
    _updateBulbA(figures.multiplierTenths);
    _updateGreenBulb(figures.driveN);
    _updateComboAlpha(figures.driveN);
    _updateZatrzas();
    motes.updateAll(figures.driveN);
}

void GameHud::reset()
{
    remDriveN = 0;
    motes.clear();
}

void GameHud::zatrzas(ParticleList& particles)
{
    trzas = 0;
    dTrzas = 1;
    eCount = 2;
    particlePanelGlow(particles, 512, 74, 2);
}

float GameHud::getAdXForCashPanel() const
{
    if (trzas <= 0.5f)
        return -5.0f * std::sin(90.0f * (1.0f - trzas / 0.5f) * degrees);
    return 5.0f * std::sin(90.0f * (trzas - 0.5f) / 0.5f * degrees);
}

TDim GameHud::getComboDim() const
{
    const auto i = static_cast<std::size_t>(std::clamp(numerBulb_, 0, 3));
    TDim d;
    d.x = static_cast<float>(static_cast<int>(bulbX[i]));
    d.y = static_cast<float>(static_cast<int>(bulbY[i]));
    return d;
}

// --- drawing

void GameHud::_drawPanele(float alpha) const
{
    media::Renderer& gfx = media::gfx();
    setDrawing(alpha);
    gfx.drawPicture(guiMenu, 15, 0);
    gfx.drawPicture(guiCash, 512 + getAdXForCashPanel(), 67);
    gfx.drawPicture(guiDrive, static_cast<float>(1024 - guiDrive.width()), 0);
}

void GameHud::_drawInfo(const HudFigures& figures) const
{
    media::Renderer& gfx = media::gfx();
    const float alpha = figures.alpha;
    setDrawing(greenB * alpha);
    gfx.drawPicture(bulbGreen, 844, 82);
    motes.drawAll(alpha);
    if (figures.driveN != 0 || remDriveN != 0) {
        const int n = figures.driveN != 0 ? figures.driveN : remDriveN;
        setDrawing(comboA * alpha);
        cyfry.drawNumbers(n, static_cast<float>(854 - CyfryFont::numbersWidth(n) / 2),
                          static_cast<float>(98 - CyfryFont::numbersHeight()));
    }
    const auto score = static_cast<int>(std::clamp<long long>(figures.score, 0, 2147483647));
    setDrawing(alpha);
    cyfry.drawNumbers(
        score, 522.0f - static_cast<float>(CyfryFont::numbersWidth(score) / 2) + getAdXForCashPanel(), 60);
    _drawRunes(figures);
    drawNameText(figures.levelName, alpha);
    if (figures.deckCounter && licznikFont) {
        const std::string count = std::to_string(figures.deckCount);
        const float x = 267.0f - static_cast<float>(licznikFont->textWidth(count)) / 2;
        const float y = 688.0f - static_cast<float>(licznikFont->height()) / 2;
        setDrawing(0.5f * alpha);
        gfx.setColor(0, 0, 0);
        gfx.drawText(*licznikFont, count, x + 1, y + 1);
        setDrawing(alpha);
        gfx.setColor(255, 255, 0);
        gfx.drawText(*licznikFont, count, x, y);
    }
    setDrawing(1);
}

void GameHud::drawNameText(const std::string& text, float alpha) const
{
    if (!nameFont || text.empty())
        return;
    media::Renderer& gfx = media::gfx();
    setDrawing(alpha);
    gfx.setColor(0, 0, 0);
    gfx.drawText(*nameFont, text, 190.0f - static_cast<float>(nameFont->textWidth(text)) / 2, 26);
}

void GameHud::_drawRunes(const HudFigures& figures) const
{
    media::Renderer& gfx = media::gfx();
    const float alpha = figures.alpha;
    const std::string text = multiplierText(figures.multiplierTenths);
    const int w = multiFont ? multiFont->textWidth(text) / 2 : 0;
    const int h = multiFont ? multiFont->height() / 2 : 0;
    for (std::size_t i = 0; i < bulb.size(); ++i) {
        setDrawing(bulbA[i] * alpha);
        gfx.drawPicture(bulb[i], bulbX[i], bulbY[i]);
        if (!multiFont || tba[i] * alpha <= 0)
            continue;
        setDrawing(tba[i] * alpha);
        gfx.setColor(0, 0, 0);
        gfx.drawText(*multiFont, text, bulbX[i] - static_cast<float>(w) - 1,
                     bulbY[i] - static_cast<float>(h) + 1);
        gfx.setColor(233, 255, 2);
        gfx.drawText(*multiFont, text, bulbX[i] - static_cast<float>(w) - 3,
                     bulbY[i] - static_cast<float>(h));
    }
    for (std::size_t j = 0; j < ba.size(); ++j) {
        setDrawing(alpha);
        gfx.drawPicture(bulbSmall, bx[j], by[j]);
        setDrawing(ba[j] * alpha);
        gfx.drawPicture(bulbSmall2, bx[j], by[j]);
    }
    setDrawing(1);
}
