// LevelViewer.cpp
#include "screens/LevelViewer.hpp"

#include "cards/Cards.hpp"
#include "levels/Levels.hpp"
#include "media/Platform.hpp"
#include "shell/Frame.hpp"
#include "shell/Program.hpp"

#include <algorithm>

namespace screens
{
LevelViewer::LevelViewer()
{
    id = "LEVEL-VIEWER";
}

LevelViewer::~LevelViewer()
{
    setLevelHost(nullptr);
}

void LevelViewer::setup()
{
    glow_ = shell::program().whiteImage;
    glow_.midHandle();
}

void LevelViewer::prepare(const std::string& levelPath)
{
    setLevelHost(this);
    STANDARD_DATA();
    fade = 1;
    dFade = 0;
    wynik = "";
    path_ = levelPath;
    level_ = loadLevelFile(levelPath, 1, 1, 1);
    _prepareDelta();
}

void LevelViewer::pickSword(TCard& card)
{
    // No rack here: the uncovered sword just stays on the table, face up.
    card.side = 1;
}

void LevelViewer::update()
{
    beginFrame();
    _updateFade();
    TCard::_updatehint();
    if (level_) {
        // Only the topmost card under the mouse lights up.
        bool taken = false;
        for (auto it = level_->cards.rbegin(); it != level_->cards.rend(); ++it) {
            TCard& card = **it;
            if (taken) {
                card.dOverA = 0;
                card._updateOverAlpha();
                continue;
            }
            taken = card.update() != 0;
        }
    }
    if (media::input().keyHits(media::key::Escape) && dFade == 0) {
        wynik = "END";
        dFade = 1;
    }
}

void LevelViewer::drawTable()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(22, 40, 34);
    gfx.drawRect(0, 0, 1024, 768);
    // A soft pool of light over the middle of the table.
    gfx.setBlend(media::Blend::Light);
    gfx.setColor(90, 130, 100);
    gfx.setAlpha(0.35f);
    gfx.setScale(4.5f, 3.2f);
    gfx.drawPicture(glow_, 512, 360);
    drawStandards();
}

void LevelViewer::drawDeckAndSpot()
{
    media::Renderer& gfx = media::gfx();
    const CardGraphics& g = cardGraphics();
    drawStandards();
    // The tray the deck and spot stand on.
    gfx.setColor(12, 22, 18);
    gfx.setAlpha(0.55f);
    gfx.drawRect(level_->deckHolderX, level_->deckHolderY, 450, 170);
    drawStandards();
    // The deck fans out to the right, each card a little less apart than the one before.
    float step = 13;
    float x = level_->deckHolderX + 85;
    const int back = std::clamp(level_->numerRewersu, 0, 5);
    for (std::size_t i = 0; i < level_->deck.size(); ++i) {
        gfx.drawPicture(g.revers[static_cast<std::size_t>(back)], x, level_->deckY);
        x += step;
        step = std::max(0.0f, step - 0.8f);
    }
    TDim spot = level_->COUNT_spotDim();
    if (!level_->spot.empty())
        level_->spot.back()->draw(spot.x, spot.y, 0, 0);
}

void LevelViewer::draw()
{
    drawTable();
    if (level_) {
        for (const auto& card : level_->cards)
            card->draw();
        drawDeckAndSpot();
    }
    drawStandards();
    _drawBlackFade();
    drawStandards();
}

std::string LevelViewer::mainLoop(const std::string& levelPath)
{
    prepare(levelPath);
    while (true) {
        update();
        draw();
        endFrame(false);
        if (fadedOut())
            break;
    }
    setLevelHost(nullptr);
    return wynik;
}
} // namespace screens
