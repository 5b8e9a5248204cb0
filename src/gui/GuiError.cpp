// GuiError.cpp
#include "gui/GuiError.hpp"

#include "media/Platform.hpp"
#include "media/Report.hpp"

void guiError(const std::string& message)
{
    const std::string text = " >> BLAD! << : " + message;
    media::reportLine(text);
    // A headless run has nobody to click the box away: the console line is all it gets.
    if (media::installed() && !media::display().headless())
        media::display().messageBox("Eldmere", text);
}
