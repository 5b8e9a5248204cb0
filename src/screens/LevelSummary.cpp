// LevelSummary.cpp
#include "screens/LevelSummary.hpp"

#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"

namespace screens
{
LevelSummary::LevelSummary()
{
    id = "LEVEL-SUMMARY";
}

void LevelSummary::setResult(float tableScore, int bonus, int cardsLeft, long long multiplierTenths,
                             long long recorded)
{
    tableScore_ = tableScore;
    bonus_ = bonus;
    cardsLeft_ = cardsLeft;
    multiplierTenths_ = multiplierTenths;
    recorded_ = recorded;
}

void LevelSummary::prepare(TEkran* background)
{
    ekran = background;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    wynik.clear();
    _exit = 0;
}

void LevelSummary::update()
{
    beginFrame();
    _updateAlpha();
    media::Input& input = media::input();
    bool goOn =
        guiMouse().leftPressed || input.keyHits(media::key::Enter) || input.keyHits(media::key::Space);
    if (goOn && alpha == 1)
        dAlpha = 0;
    if (alpha == 0 && dAlpha == 0)
        _exit = 1;
}

void LevelSummary::draw()
{
    if (ekran)
        ekran->draw();
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(6, 12, 10);
    gfx.setAlpha(0.7f * alpha);
    gfx.drawRect(262, 184, 500, 400);
    drawStandards();
    auto line = [&](int size, const std::string& text, float y, int r, int g, int b) {
        media::Font& font = media::fonts().get(size);
        gfx.setColor(r, g, b);
        gfx.setAlpha(alpha);
        gfx.drawText(font, text, 512 - font.textWidth(text) / 2, y);
    };
    line(48, cardsLeft_ == 0 ? "A perfect level" : "Level complete", 210, 246, 214, 130);
    line(28, "Table score  " + std::to_string(static_cast<long long>(tableScore_)), 300, 235, 230, 215);
    line(28, "Cards left  " + std::to_string(cardsLeft_) + "   bonus  " + std::to_string(bonus_), 345, 235,
         230, 215);
    line(28,
         "Multiplier  x" + std::to_string(multiplierTenths_ / 10) + "."
             + std::to_string(multiplierTenths_ % 10),
         390, 235, 230, 215);
    line(40, "Score  " + std::to_string(recorded_), 450, 246, 214, 130);
    line(22, "Click to go on", 530, 190, 200, 210);
    drawStandards();
}

std::string LevelSummary::mainLoop(TEkran* background)
{
    ScreenScope running(this);
    prepare(background);
    while (!_exit) {
        update();
        draw();
        endFrame(false);
    }
    return wynik;
}
} // namespace screens
