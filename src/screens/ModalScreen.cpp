// ModalScreen.cpp
#include "screens/ModalScreen.hpp"

#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"

void openOver(TEkran& screen, TEkran* background)
{
    screen.ekran = background;
    screen.alpha = 0;
    screen.dAlpha = 1;
    screen.fade = 0;
    screen.dFade = 0;
}

void forgetInput()
{
    media::input().flushKeys();
    media::input().flushMouse();
    if (hasGuiMouse())
        guiMouse().clear();
}

void runUntilGone(TEkran& screen)
{
    ScreenScope running(&screen);
    while (true) {
        screen.update();
        screen.draw();
        endFrame(false);
        if (screen.alphaGone())
            break;
    }
}
