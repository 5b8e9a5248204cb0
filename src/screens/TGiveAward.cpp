// TGiveAward.cpp
#include "screens/TGiveAward.hpp"

#include "base/Program.hpp"
#include "data/TextTables.hpp"
#include "gui/TMouse.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"
#include "media/Renderer.hpp"
#include "media/Text.hpp"
#include "screens/Frame.hpp"
#include "screens/LevelInPlay.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TMainGame.hpp"

#include <initializer_list>
#include <utility>

namespace
{
constexpr int headingLine = 27;

long long now()
{
    return media::clock().millisecs();
}
} // namespace

TGiveAward::TGiveAward()
{
    id = "GIVE-AWARD";
}

void TGiveAward::setup()
{
    font1 = &media::fonts().get(36);
    font2 = &media::fonts().get(42);
    font3 = &media::fonts().get(30);
    txtInfo = media::text::trim(getText(loadTextTable("txt/#LANG#/awards.txt"), headingLine));
}

void TGiveAward::prepare(const TAward& what, TEkran* background)
{
    award = what;
    openOver(*this, background);
    time = now() + showMs;
    forgetInput();
}

void TGiveAward::update()
{
    beginFrame();
    // The level's celebrations and captions go on underneath.
    if (TMainGame* game = base::program().mainGame.get()) {
        if (LevelInPlay* play = game->levelInPlay()) {
            play->effects.updateEmitters();
            play->effects.updateParticles();
            play->effects.updateCaptions();
        }
    }
    _updateAlpha();
    if (dAlpha == 1 && (guiMouse().leftPressed || now() > time))
        dAlpha = 0;
}

void TGiveAward::drawLine(media::Font& font, const std::string& text, float y) const
{
    media::Renderer& gfx = media::gfx();
    const float x = static_cast<float>(static_cast<int>(512 - font.textWidth(text) / 2));
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(alpha * 0.5f);
    gfx.drawText(font, text, x + 4, y + 4);
    gfx.setAlpha(alpha);
    for (const auto& [dx, dy] : {std::pair{-1, -1}, std::pair{1, -1}, std::pair{-1, 1}, std::pair{1, 1}})
        gfx.drawText(font, text, x + static_cast<float>(dx), y + static_cast<float>(dy));
    gfx.setColor(255, 255, 255);
    gfx.drawText(font, text, x, y);
}

void TGiveAward::draw()
{
    if (ekran)
        ekran->draw();
    drawStandards();
    media::Renderer& gfx = media::gfx();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(alpha * 0.5f);
    gfx.drawRect(0, 0, 1024, 768);
    drawLine(*font1, txtInfo, 360);
    drawLine(*font2, award.title, 400);
    drawLine(*font3, award.descr, 450);
    drawStandards();
}

void TGiveAward::mainLoop(const TAward& what, TEkran* background)
{
    prepare(what, background);
    runUntilGone(*this);
    // The click that closed it does not reach the screen underneath.
    forgetInput();
}

TGiveAward& giveAward()
{
    return setUpOnce(base::program().giveAward);
}
