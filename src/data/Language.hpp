// Language.hpp: the code of the language the player reads ("en", "pl", ...).
#pragma once

#include <string>

// Read at start-up from "txt/lang.txt"; text-table paths use it as "txt/" + language + "/",
// or through "#LANG#". Empty until start-up has read it.
extern std::string language;
