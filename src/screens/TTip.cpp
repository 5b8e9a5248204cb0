// TTip.cpp
#include "screens/TTip.hpp"

#include "base/Program.hpp"
#include "gui/TextLayout.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "media/Renderer.hpp"
#include "media/Text.hpp"
#include "screens/TEkran.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TTutorial.hpp"

#include <algorithm>
#include <array>

namespace
{
// The close button of each panel.
constexpr std::array<const char*, 3> okButtons = {"ok", "ok1", "ok2"};

void showWidget(TGui* gui, const char* name, bool shown)
{
    if (!gui)
        return;
    if (auto widget = gui->getItem(name))
        widget->setState(shown ? 1 : 0, shown ? 1 : 0);
}
} // namespace

void TTip::reset(TTutorial& tutorial)
{
    alpha = 0;
    dAlpha = 1;
    for (const char* name : okButtons)
        showWidget(tutorial.gui.get(), name, false);
    showWidget(tutorial.gui.get(), okButtons[static_cast<std::size_t>(std::clamp(nrPanelu, 0, 2))], true);
}

void TTip::_updateAlpha(TTutorial& tutorial)
{
    const float step = 0.02f * (base::hasProgram() ? base::program().delta : 1.0f);
    if (alpha < dAlpha)
        alpha = std::min(dAlpha, alpha + step);
    else if (alpha > dAlpha)
        alpha = std::max(dAlpha, alpha - step);
    if (tutorial.gui) {
        for (const auto& widget : tutorial.gui->_listaObiektow) {
            widget->_alpha = alpha;
            widget->_dAlpha = alpha;
        }
    }
}

void TTip::switchOnOff()
{
    if (!hasProfile())
        return;
    int& lightUp = profile().cardsLightUp;
    lightUp = lightUp != 0 ? 0 : 1;
}

void TTip::_updateGui(TTutorial& tutorial)
{
    // A lesson that holds the game also closes from the keyboard, so that it can never hold it
    // for good, not even when the lesson buttons could not be read.
    media::Input& input = media::input();
    if (blocked != 0 && (input.keyHits(media::key::Enter) > 0 || input.keyHits(media::key::Escape) > 0))
        dAlpha = 0;
    TGui* gui = tutorial.gui.get();
    if (!gui)
        return;
    gui->update();
    if (media::text::toUpper(id) == TTutorial::switchLesson && hasProfile()) {
        if (gui->clickedItem("on") || gui->clickedItem("off"))
            switchOnOff();
        const bool on = profile().cardsLightUp != 0;
        showWidget(gui, "on", on);
        showWidget(gui, "off", !on);
    }
    if (gui->clickedItem("ok") || gui->clickedItem("ok1") || gui->clickedItem("ok2"))
        dAlpha = 0;
}

void TTip::update(TTutorial& tutorial, TEkran& screen)
{
    static_cast<void>(screen);
    _updateAlpha(tutorial);
    _updateGui(tutorial);
    if (alpha == 0 && dAlpha == 0 && tutorial.actTip == this)
        tutorial.actTip = nullptr;
}

void TTip::draw(TTutorial& tutorial) const
{
    media::Renderer& gfx = media::gfx();
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setBlend(media::Blend::Alpha);
    // The game dims under the lesson.
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(alpha * 0.5f);
    gfx.drawRect(0, 0, 1024, 768);
    gfx.setColor(255, 255, 255);
    gfx.setAlpha(alpha);
    gfx.drawPicture(tutorial.panels[static_cast<std::size_t>(std::clamp(nrPanelu, 0, 2))], dim.x, dim.y);
    for (const TTipImg& image : images)
        gfx.drawPicture(image.img, image.x, image.y);
    gfx.setColor(0, 0, 0);
    for (const TTipText& text : texts) {
        drawTextBox(text.txt, static_cast<int>(text.x + 1), static_cast<int>(text.y + 1), text.width,
                    text.align, tutorial.tipFont(text.fontN), 1);
    }
    gfx.setColor(255, 255, 255);
    gfx.setAlpha(1);
    if (tutorial.gui)
        tutorial.gui->draw();
}
