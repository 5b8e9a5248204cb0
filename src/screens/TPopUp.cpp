// TPopUp.cpp
#include "screens/TPopUp.hpp"

#include "base/Program.hpp"
#include "data/TextTables.hpp"
#include "gui/TButton.hpp"
#include "gui/TMouse.hpp"
#include "gui/TText.hpp"
#include "media/Platform.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"

namespace
{
constexpr float panelX = 512;
constexpr float panelY = 384;
// The message is centred in the parchment above the buttons.
constexpr float textMiddleY = 350;
constexpr int messageFontSize = 20;

void flushInput()
{
    media::input().flushKeys();
    media::input().flushMouse();
    if (hasGuiMouse())
        guiMouse().clear();
}
} // namespace

TPopUp::TPopUp()
{
    id = "POPUP";
}

void TPopUp::setup()
{
    img1 = media::pictures().load("gfx/gui/popup/scroll.png");
    img1.midHandle();
    img2 = media::pictures().load("gfx/gui/popup/scroll2.png");
    img2.midHandle();
    img = img1;
    Gui = loadGui("gfx/gui/popUp/popUp.gui");
    _font = &media::fonts().get(messageFontSize);
    if (auto yes = Gui->getItem("yes")) {
        yesX_ = static_cast<int>(yes->dim.x);
        yesY_ = static_cast<int>(yes->dim.y);
        aloneX_ = yesX_;
        if (auto no = Gui->getItem("no"))
            aloneX_ = (yesX_ + static_cast<int>(no->dim.x)) / 2;
    }
    TTxtFile texts = loadTextTable("txt/#LANG#/popup.txt");
    txtYes = getText(texts, 1);
    txtOk = getText(texts, 3);
}

void TPopUp::setYesCaption(const std::string& caption)
{
    if (auto yes = Gui->getItemAs<TButton>("yes")) {
        yes->_txt = caption;
        yes->countDims();
    }
}

void TPopUp::useQuestionLook()
{
    setYesCaption(txtYes);
    img = img1;
}

void TPopUp::useMessageLook()
{
    setYesCaption(txtOk);
    img = img2;
}

void TPopUp::prepare(const std::string& text, TEkran* background, bool showNo)
{
    txt = text;
    ekran = background;
    if (auto no = Gui->getItem("no"))
        no->setState(showNo ? 1 : 0, showNo ? 1 : 0);
    if (auto yes = Gui->getItem("yes"))
        yes->setPosition(showNo ? yesX_ : aloneX_, yesY_);
    if (auto t1 = Gui->getItemAs<TText>("t1")) {
        t1->_txt = text;
        t1->_font = _font;
        t1->_scale = t1->_dScale = 1;
        const int height = t1->countH();
        t1->setPosition(static_cast<int>(t1->dim.x), static_cast<int>(textMiddleY) - height / 2);
    }
    flushInput();
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
    answer = 0;
}

void TPopUp::close(int result)
{
    flushInput();
    answer = result;
    dAlpha = 0;
}

void TPopUp::update()
{
    // The frame's prologue reads the window's close request too, so a run whose frames run out
    // while the box is open still ends.
    beginFrame();
    _updateAlpha();
    _updateGui();
    if (dAlpha != 1)
        return;
    media::Input& input = media::input();
    if (Gui->clickedItem("yes") || input.keyHits(media::key::Enter) > 0)
        close(1);
    else if (Gui->clickedItem("no") || input.keyHits(media::key::Escape) > 0)
        close(0);
}

void TPopUp::draw()
{
    _drawPanelOverBackground(img, panelX, panelY);
}

int TPopUp::mainLoop(const std::string& text, TEkran* background, int showNo)
{
    prepare(text, background, showNo != 0);
    runUntilGone(*this);
    return answer;
}

TPopUp& popUp()
{
    return setUpOnce(base::program().popUp);
}

int askYesNo(const std::string& text, TEkran* background)
{
    TPopUp& box = popUp();
    box.useQuestionLook();
    return box.mainLoop(text, background, 1);
}

int showMessage(const std::string& text, TEkran* background)
{
    TPopUp& box = popUp();
    box.useMessageLook();
    return box.mainLoop(text, background, 0);
}
