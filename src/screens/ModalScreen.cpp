// ModalScreen.cpp
#include "screens/ModalScreen.hpp"

#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"

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
