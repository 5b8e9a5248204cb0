// GuiPreview.cpp
#include "screens/GuiPreview.hpp"

#include "media/Platform.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"

#include <cstdio>
#include <utility>

namespace screens
{
GuiPreview::GuiPreview(std::string path) : path_(std::move(path))
{
    id = "GUI-PREVIEW";
}

void GuiPreview::setup()
{
    Gui = loadGui(path_);
}

void GuiPreview::update()
{
    beginFrame();
    _updateGui();
    if (Gui && !Gui->_clicked.empty()) {
        std::printf("gui clicked %s\n", Gui->_clicked.c_str());
        std::fflush(stdout);
    }
}

void GuiPreview::draw()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    // The night lake, plainly: deep blue over a darker band of water.
    gfx.setColor(20, 30, 52);
    gfx.drawRect(0, 0, 1024, 768);
    gfx.setColor(12, 20, 36);
    gfx.drawRect(0, 520, 1024, 248);
    drawStandards();
    _drawGui();
    drawStandards();
}

std::string GuiPreview::mainLoop()
{
    ScreenScope running(this);
    while (true) {
        update();
        draw();
        endFrame(false);
        if (media::input().keyHits(media::key::Escape))
            return "END";
    }
}
} // namespace screens
