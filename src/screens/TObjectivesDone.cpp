// TObjectivesDone.cpp
#include "screens/TObjectivesDone.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "data/TextTables.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/FontCache.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"
#include "screens/LevelInPlay.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TLevelEndScreen.hpp"
#include "screens/TMainGame.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace
{
constexpr float panelX = 512;
constexpr float panelY = 384;
constexpr float titleY = 280;
constexpr float listX = 370;
constexpr float lineWidth = 270;
constexpr float achievedX = 400;
constexpr float achievedY = 350;
constexpr float achievedWidth = 224;
constexpr float okY = 542;
// How dark the game screen grows under the scroll.
constexpr float veil = 0.7f;
constexpr float firstSpeed = 0.04f;
constexpr float exitSpeed = 0.05f;

float sinDeg(float degrees)
{
    return std::sin(degrees * std::numbers::pi_v<float> / 180.0f);
}

std::string tableLine(const TTxtFile& table, int n)
{
    std::string line = getText(table, n);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}
} // namespace

TObjectivesDone::TObjectivesDone()
{
    id = "OBJECTIVES-DONE";
}

void TObjectivesDone::setup()
{
    img = media::pictures().load("gfx/gui/popup/scroll2.png");
    img.midHandle();
    Gui = loadGui("gfx/gui/objectivesPanel/panel.gui");
    if (auto ok = Gui ? Gui->getItem("ok") : nullptr)
        okX_ = static_cast<int>(ok->dim.x);
    font = &media::fonts().get(26);
    font2 = &media::fonts().get(30);
    font3 = &media::fonts().get(42);
    const TTxtFile texts = loadTextTable("txt/#LANG#/levelEndScreen.txt");
    txtObjectives = tableLine(texts, 10);
    txtAchieved = tableLine(texts, 11);
}

float TObjectivesDone::listStartY(std::size_t lines)
{
    constexpr std::array<float, 3> first = {380, 370, 360};
    return lines >= 1 && lines <= 3 ? first[lines - 1] : 430;
}

// --- entering and leaving

void TObjectivesDone::_prepareObjectivesDone()
{
    allObjectivesDone = std::all_of(objectivesList.begin(), objectivesList.end(),
                                    [](const TObjectiveText& line) { return line.win == 1; })
                            ? 1
                            : 0;
}

void TObjectivesDone::prepare(TMainGame& screen, int index)
{
    game = &screen;
    ekran = &screen;
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = veil;
    jSpeed = firstSpeed;
    jump = startJump;
    lastJump = 0;
    jumpPer = 1;
    dJumpPer = 0;
    gAlpha = 0;
    state = ObjectivesState::Begin;
    numer = index;
    crossA = 0;
    achievedA = 0;
    ended_ = false;
    cutJump();
    jumpH = sinDeg(90.0f * jumpPer) * jump;
    objectivesList =
        screen.summary() ? screen.summary()->createObjectivesList(screen) : std::vector<TObjectiveText>{};
    _prepareObjectivesDone();
    forgetInput();
    _prepareDelta();
}

void TObjectivesDone::mainloop(TMainGame& screen, int index)
{
    ScreenScope running(this);
    prepare(screen, index);
    while (!ended_) {
        update();
        draw();
        endFrame(false);
    }
    forgetInput();
}

void TObjectivesDone::goExit()
{
    state = ObjectivesState::End;
    jump = startJump;
    jumpPer = 0;
    dJumpPer = 1;
    jSpeed = exitSpeed;
    dFade = 0;
}

// --- frames

void TObjectivesDone::cutJump()
{
    lastJump = jump;
    jump /= 2.5f;
    jSpeed = std::min(1.0f, jSpeed * 1.2f);
    if (jump < 1)
        jump = 0;
}

void TObjectivesDone::_updateJump()
{
    approach(jumpPer, dJumpPer, jSpeed);
    if (state == ObjectivesState::End) {
        if (jumpPer >= 1 && jump == startJump)
            ended_ = true;
    } else if (jumpPer >= 1 && dJumpPer == 1) {
        dJumpPer = 0;
    } else if (jumpPer <= 0 && dJumpPer == 0) {
        dJumpPer = 1;
        cutJump();
    }
    jumpH = sinDeg(90.0f * jumpPer) * jump;
}

void TObjectivesDone::_updateState()
{
    switch (state) {
    case ObjectivesState::Begin:
        if (jump != 0)
            return;
        approach(gAlpha, 1, 0.05f);
        if (gAlpha < 1)
            return;
        state = ObjectivesState::Wait;
        forgetInput();
        playMySound("goal-achieved");
        if (numer >= 0 && numer < static_cast<int>(objectivesList.size()))
            objectivesList[static_cast<std::size_t>(numer)].win = 1;
        _prepareObjectivesDone();
        return;
    case ObjectivesState::Wait:
        approach(crossA, 1, 0.02f);
        if (crossA >= 1 && allObjectivesDone)
            approach(achievedA, 1, 0.02f);
        return;
    case ObjectivesState::End: return;
    }
}

void TObjectivesDone::_updateGUI()
{
    if (!Gui)
        return;
    if (auto ok = Gui->getItem("ok")) {
        ok->setPosition(okX_, static_cast<int>(okY - jumpH));
        ok->countDims();
    }
    Gui->setGuiAlpha(gAlpha);
    Gui->update();
}

void TObjectivesDone::_updateBack()
{
    if (!game)
        return;
    if (LevelInPlay* play = game->levelInPlay()) {
        play->effects.updateEmitters();
        play->effects.updateParticles();
    }
}

void TObjectivesDone::update()
{
    beginFrame();
    _updateState();
    _updateJump();
    approach(fade, dFade, fSpeed);
    _updateAlpha();
    _updateGUI();
    _updateBack();
    if (state != ObjectivesState::Wait)
        return;
    media::Input& input = media::input();
    if ((Gui && Gui->clickedItem("ok")) || input.keyHits(media::key::Enter) > 0
        || input.keyHits(media::key::Escape) > 0) {
        forgetInput();
        goExit();
    }
}

// --- drawing

void TObjectivesDone::_drawBack()
{
    if (ekran)
        ekran->draw();
    drawStandards();
}

void TObjectivesDone::_drawFade()
{
    if (fade <= 0)
        return;
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(fade);
    gfx.drawRect(0, 0, 1024, 768);
    drawStandards();
}

void TObjectivesDone::_drawPanel()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setAlpha(alpha);
    gfx.drawPicture(img, panelX, panelY - jumpH);
    const float words = gAlpha - achievedA;
    if (font2 && words > 0 && !txtObjectives.empty()) {
        gfx.setColor(0, 0, 0);
        gfx.setAlpha(words);
        gfx.drawText(*font2, txtObjectives, panelX - font2->textWidth(txtObjectives) / 2.0f,
                     titleY - jumpH - static_cast<float>(font2->height()) / 2.0f);
    }
    drawStandards();
}

void TObjectivesDone::_drawObj()
{
    const float words = gAlpha - achievedA;
    if (!font || words <= 0 || objectivesList.empty())
        return;
    float y = listStartY(objectivesList.size()) - jumpH;
    for (std::size_t i = 0; i < objectivesList.size(); ++i) {
        const TObjectiveText& line = objectivesList[i];
        if (static_cast<int>(i) == numer)
            y += static_cast<float>(line.draw2(*font, listX, y, words, crossA, lineWidth, "CENTER"));
        else
            y += static_cast<float>(line.draw(*font, listX, y, words, lineWidth, "CENTER"));
    }
    drawStandards();
}

void TObjectivesDone::_drawAchieved()
{
    if (!font3 || achievedA <= 0)
        return;
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(achievedA);
    drawTextBox(txtAchieved, static_cast<int>(achievedX), static_cast<int>(achievedY - jumpH), achievedWidth,
                "CENTER", *font3, 0);
    drawStandards();
}

void TObjectivesDone::draw()
{
    _drawBack();
    _drawFade();
    _drawPanel();
    _drawObj();
    _drawAchieved();
    _drawGui();
    drawStandards();
}
