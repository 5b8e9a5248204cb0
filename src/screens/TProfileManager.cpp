// TProfileManager.cpp
#include "screens/TProfileManager.hpp"

#include "shell/Program.hpp"

#include <cassert>

TProfile& TProfileManager::useGuestProfile()
{
    profiles.push_back(std::make_unique<TProfile>());
    profile = profiles.back().get();
    return *profile;
}

TProfileManager& profileManager()
{
    return *shell::program().profileManager;
}

bool hasProfile()
{
    return shell::hasProgram() && shell::program().profileManager && shell::program().profileManager->profile;
}

TProfile& profile()
{
    assert(hasProfile() && "no current player");
    return *profileManager().profile;
}
