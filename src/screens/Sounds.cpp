// Sounds.cpp: forwards to the program's sound registry once there is one.
#include "screens/Sounds.hpp"

void playMySound(const std::string&)
{
    // The sound registry is not part of the game yet: nothing to play.
}

void playMyMusic(const std::string&)
{
}
