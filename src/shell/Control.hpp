// Control.hpp: the flow between screens. Every screen's loop returns an identifier; this maps
// it to the next screen, or to a quest action that yields the next identifier in turn.
#pragma once

#include <string>

// The identifier to act on next, compared in upper case.
extern std::string currentScreenId;

class Control
{
public:
    Control() = delete;

    // 1 while the game screen is the one running.
    static int isPlayerPlayingLevel();
    static void start();
    // Runs screens until the flow reaches "END".
    static void mainLoop();
    // What one identifier runs, and the identifier that comes next.
    static std::string step(const std::string& id);
};
