// TOutro.cpp
#include "screens/TOutro.hpp"

#include "screens/TCredits.hpp"

TOutro::TOutro()
    : TStoryScreen(
        {"data/outro.dat", "data/outro-texts.dat", "txt/#LANG#/outro-texts.txt", "gfx/story/outro.gui", 0})
{
    id = "OUTRO";
}

std::string TOutro::afterward()
{
    credits().mainLoop(this);
    return next;
}
