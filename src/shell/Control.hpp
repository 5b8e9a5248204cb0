// Control.hpp: the flow between screens. Every screen's loop returns an identifier; this maps
// it to the next screen, or to a quest action that yields the next identifier in turn.
#pragma once

#include <string>

class Control
{
public:
    void start();
    // Runs screens until the flow reaches "END".
    void mainLoop();
    // What one identifier runs, and the identifier that comes next.
    std::string step(const std::string& id);

    // The identifier to act on next, compared in upper case.
    std::string currentScreenId;
};
