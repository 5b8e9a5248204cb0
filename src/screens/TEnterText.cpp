// TEnterText.cpp
#include "screens/TEnterText.hpp"

#include "base/Program.hpp"
#include "data/TextTables.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TPopUp.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>

namespace
{
constexpr int caretBlinkMs = 500;
constexpr char32_t backspace = 8;
constexpr char32_t enter = 13;
constexpr char32_t escape = 27;
constexpr char32_t del = 127;
} // namespace

TEnterText::TEnterText()
{
    id = "ENTER-TEXT";
    // The characters a name must not hold: they would break paths and data files, or only
    // look like part of a name.
    for (const char* c : {"\"", "{", "}", "(", ")",  "[", "]", "+", "-", "=", " ", "*", "!", "@", "#",
                          "$",  "%", "^", "&", "\\", "/", "?", "<", ">", ".", ",", ":", ";", "'"})
        forbiddenChars.emplace_back(c);
}

void TEnterText::setup()
{
    Gui = loadGui("gfx/gui/enterText/enterText.gui");
    font = &media::fonts().get(24);
    font2 = &media::fonts().get(26);
    TTxtFile texts = loadTextTable("txt/#LANG#/profileManager.txt");
    txtTaken = getText(texts, 5);
    txtAlready = getText(texts, 6);
    txtEnt = getText(texts, 7);
}

void TEnterText::prepare(TEkran* background, const std::string& text, bool noCancel)
{
    ekran = background;
    entry = text;
    txtStart = media::text::toUpper(text);
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
    exists = 0;
    if (auto cancelButton = Gui->getItem("cancel"))
        cancelButton->setState(noCancel ? 0 : 1, noCancel ? 0 : 1);
    _exit = 0;
}

bool TEnterText::nameTaken() const
{
    if (entry.empty())
        return false;
    const std::string id = TProfile::idOf(media::text::toUpper(entry));
    if (std::find(takenIds.begin(), takenIds.end(), id) != takenIds.end())
        return true;
    return base::program().profileManager && profileManager().findById(id) != nullptr;
}

void TEnterText::updateEntryState()
{
    const long long now = media::clock().millisecs();
    if (now > time) {
        time = now + caretBlinkMs;
        switchOn = switchOn ? 0 : 1;
    }
    auto ok = Gui->getItem("ok");
    if (nameTaken()) {
        exists = 1;
        if (ok)
            ok->setState(0, 0);
    } else {
        exists = 0;
        if (ok)
            ok->setState(entry.empty() ? 0 : 1, entry.empty() ? 0 : 1);
    }
}

void TEnterText::typeChar(char32_t c)
{
    std::u32string typed = media::text::toUtf32(entry);
    if (c == backspace) {
        if (!typed.empty())
            typed.pop_back();
        entry = media::text::toUtf8(typed);
        return;
    }
    // Control codes (Tab, Escape, a stray carriage return) never become part of a name.
    if (c < 32 || c == del)
        return;
    const std::string character = media::text::toUtf8(std::u32string(1, c));
    if (std::find(forbiddenChars.begin(), forbiddenChars.end(), character) != forbiddenChars.end())
        return;
    if (typed.size() >= maxLength)
        return;
    entry += media::text::toUpper(character);
}

void TEnterText::accept()
{
    if (nameTaken() && media::text::toUpper(entry) != txtStart) {
        showMessage(txtAlready, this);
        return;
    }
    if (entry.empty())
        return;
    alpha = 0;
    dAlpha = 0;
}

void TEnterText::cancel()
{
    entry = cancelled;
    alpha = 0;
    dAlpha = 0;
}

void TEnterText::readTyping()
{
    media::Input& input = media::input();
    // Everything typed before Enter or Escape counts, in the order it was typed; what comes
    // after them is left.
    bool accepting = false;
    bool cancelling = false;
    while (!accepting && !cancelling) {
        const char32_t c = input.takeChar();
        if (c == 0)
            break;
        if (c == enter)
            accepting = true;
        else if (c == escape)
            cancelling = true;
        else
            typeChar(c);
    }
    accepting = input.keyHits(media::key::Enter) > 0 || Gui->clickedItem("ok") || accepting;
    cancelling = input.keyHits(media::key::Escape) > 0 || Gui->clickedItem("cancel") || cancelling;
    if (cancelling)
        cancel();
    else if (accepting)
        accept();
}

void TEnterText::update()
{
    beginFrame();
    _updateAlpha();
    _updateGui();
    updateEntryState();
    if (alpha == 1)
        readTyping();
}

void TEnterText::draw()
{
    if (ekran)
        ekran->draw();
    drawStandards();
    media::Renderer& gfx = media::gfx();
    gfx.setAlpha(alpha);
    _drawGui();
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setAlpha(alpha);
    gfx.setColor(0, 0, 0);
    gfx.drawText(*font2, txtEnt, 512 - font2->textWidth(txtEnt) / 2, 360);
    const int w = static_cast<int>(font->textWidth(entry));
    const float left = static_cast<float>(500 - w / 2);
    gfx.drawText(*font, entry, left, 440);
    if (switchOn)
        gfx.drawRect(left + static_cast<float>(w), 440, font->textWidth("A"),
                     static_cast<float>(font->height()));
    if (exists)
        gfx.drawText(*font, txtTaken, 500 - font->textWidth(txtTaken) / 2, 490);
    drawStandards();
}

std::string TEnterText::mainloop(TEkran* background, const std::string& text, const std::string&,
                                 int noCancel)
{
    prepare(background, text, noCancel != 0);
    runUntilGone(*this);
    takenIds.clear();
    media::input().flushKeys();
    media::input().flushMouse();
    if (hasGuiMouse())
        guiMouse().clear();
    return entry;
}

TEnterText& enterText()
{
    return setUpOnce(base::program().enterText);
}
