// GuiError.hpp: how the toolkit tells the content author about a broken description file.
#pragma once

#include <string>

// Reports " >> BLAD! << : " + message: always as a console line, and in a message box when
// there is a screen to show one on. Never stops the program; the caller goes on with the next
// key or declaration.
void guiError(const std::string& message);
