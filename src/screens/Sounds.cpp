// Sounds.cpp: forwards to the program's sound registry once there is one.
#include "screens/Sounds.hpp"

#include "screens/TGlobalSnd.hpp"
#include "shell/Program.hpp"

namespace
{
// Tests run game code with no program, or a program without its registry: nothing plays.
TGlobalSnd* registry()
{
    return shell::hasProgram() ? shell::program().globalSnd.get() : nullptr;
}
} // namespace

void playMySound(const std::string& name)
{
    if (TGlobalSnd* sounds = registry())
        sounds->playMySound(name);
}

void playMyMusic(const std::string& name)
{
    if (TGlobalSnd* sounds = registry())
        sounds->playMyMusic(name);
}

void playLevelSound(int n)
{
    if (TGlobalSnd* sounds = registry())
        sounds->playLevelSound(n);
}

void hideMusic()
{
    if (TGlobalSnd* sounds = registry())
        sounds->hideMusic();
}
