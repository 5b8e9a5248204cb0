// VirtualScreen.cpp
#include "base/VirtualScreen.hpp"

#include "base/Program.hpp"

#include "media/Platform.hpp"
#include "media/Report.hpp"

#include <algorithm>
#include <cmath>

LetterBox LetterBox::compute(float surfaceW, float surfaceH, float logicalW, float logicalH, int flags)
{
    LetterBox box;
    box.logicalWidth = logicalW;
    box.logicalHeight = logicalH;
    box.flags = flags;
    if (surfaceW <= 0 || surfaceH <= 0 || logicalW <= 0 || logicalH <= 0)
        return box;
    float s = std::min(surfaceW / logicalW, surfaceH / logicalH);
    if (flags & 4)
        s = std::max(1.0f, std::floor(s));
    box.scale = s;
    box.offsetX = (surfaceW / s - logicalW) * 0.5f;
    box.offsetY = (surfaceH / s - logicalH) * 0.5f;
    return box;
}

const LetterBox& virtualScreen()
{
    return base::program().letterBox;
}

void setupVirtualScreen(int logicalWidth, int logicalHeight, int flags)
{
    media::Display& display = media::display();
    media::Size surface = display.surfaceSize();
    LetterBox& current = base::program().letterBox;
    current = LetterBox::compute(static_cast<float>(surface.width), static_cast<float>(surface.height),
                                 static_cast<float>(logicalWidth), static_cast<float>(logicalHeight), flags);
    // The frame is its own 1024 x 768 picture; the display puts it on the surface, and what
    // lies around it stays black.
    display.setFramePlacement({current.offsetX * current.scale, current.offsetY * current.scale,
                               current.logicalWidth * current.scale, current.logicalHeight * current.scale});
    media::Renderer& gfx = media::gfx();
    gfx.setViewport(0, 0, logicalWidth, logicalHeight);
    gfx.setOrigin(0, 0);
    gfx.cls();
}

bool openGraphics(int width, int height, bool fullScreen, bool wideScreen)
{
    media::Display& display = media::display();
    std::string error;
    bool opened = false;
    const int desktopWidth = base::program().desktopWidth;
    const int desktopHeight = base::program().desktopHeight;
    if (fullScreen) {
        int w = wideScreen ? desktopWidth : width;
        int h = wideScreen ? desktopHeight : height;
        opened = display.open(w, h, true, error);
        if (!opened) {
            media::reportLine("Full screen " + std::to_string(w) + "x" + std::to_string(h) + " failed ("
                              + error + "); trying again");
            opened = wideScreen ? display.open(desktopWidth, desktopHeight, true, error)
                                : display.open(800, 600, true, error);
        }
    } else {
        if (desktopHeight >= height)
            opened = display.open(width, height, false, error);
        if (!opened)
            opened = display.open(640, 480, false, error);
    }
    if (!opened) {
        media::reportLine("The display could not be opened: " + error);
        return false;
    }
    setupVirtualScreen(1024, 768, 3);
    return true;
}

void clearVirtualScreen()
{
    // The borders lie outside the frame picture and are cleared by the display itself when it
    // presents, so only the logical area is left to clear.
    media::gfx().cls();
}

float virtualMouseX()
{
    const LetterBox& current = virtualScreen();
    return media::input().mouseX() / current.scale - current.offsetX;
}

float virtualMouseY()
{
    const LetterBox& current = virtualScreen();
    return media::input().mouseY() / current.scale - current.offsetY;
}
