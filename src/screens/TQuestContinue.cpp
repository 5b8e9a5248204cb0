// TQuestContinue.cpp
#include "screens/TQuestContinue.hpp"

#include "base/Program.hpp"
#include "media/Platform.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"

TQuestContinue::TQuestContinue()
{
    id = "QUEST-CONTINUE";
}

void TQuestContinue::setup()
{
    img = media::pictures().load("gfx/gui/continueQuest/scroll.png");
    img.midHandle();
    Gui = loadGui("gfx/gui/continueQuest/continue.gui");
}

void TQuestContinue::prepare()
{
    dFade = 0.5f;
    fade = 0;
    alpha = 0;
    dAlpha = 1;
    wynik = "";
}

void TQuestContinue::answer(const char* choice)
{
    wynik = choice;
    dAlpha = 0;
    dFade = 0;
}

void TQuestContinue::update()
{
    beginFrame();
    _updateAlpha();
    _updateFade();
    _updateGui();
    // One answer only: the buttons are done with once the scroll starts to go.
    if (dAlpha != 1)
        return;
    if (Gui->clickedItem("resume"))
        answer(continueQuest);
    else if (Gui->clickedItem("new"))
        answer(newQuest);
    else if (Gui->clickedItem("exit"))
        answer("");
}

void TQuestContinue::draw()
{
    if (ekran)
        ekran->draw();
    // The veil darkens the title screen; the scroll comes in over it.
    _drawBlackFade();
    drawStandards();
    media::gfx().setAlpha(alpha);
    media::gfx().drawPicture(img, 512, 358);
    drawStandards();
    _drawGui();
    drawStandards();
}

std::string TQuestContinue::mainLoop(TEkran* background)
{
    ekran = background;
    prepare();
    runUntilGone(*this);
    return wynik;
}

TQuestContinue& questContinue()
{
    return setUpOnce(base::program().questContinue);
}
