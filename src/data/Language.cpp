// Language.cpp: the program-wide language code.
#include "data/Language.hpp"

std::string language;
