// Sounds.cpp: forwards to the program's sound registry once there is one.
#include "audio/Sounds.hpp"

#include "audio/TGlobalSnd.hpp"
#include "base/Program.hpp"

namespace
{
// Tests run game code with no program, or a program without its registry: nothing plays.
TGlobalSnd* registry()
{
    return base::hasProgram() ? base::program().globalSnd.get() : nullptr;
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
