// TProfileManager.hpp: the players and the one playing now.
#pragma once

#include "screens/TProfile.hpp"

#include <memory>
#include <vector>

class TProfileManager
{
public:
    // Makes a new player current who is kept in memory only: the game plays with it until
    // players can be chosen and saved.
    TProfile& useGuestProfile();

    TProfile* profile = nullptr; // the current player (one of `profiles`), or none
    std::vector<std::unique_ptr<TProfile>> profiles;
};

// The program's profile manager, and its current player.
TProfileManager& profileManager();
bool hasProfile();
TProfile& profile();
