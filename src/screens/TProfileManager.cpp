// TProfileManager.cpp
#include "screens/TProfileManager.hpp"

#include "base/Program.hpp"

#include <cassert>

TProfile& TProfileManager::useGuestProfile()
{
    profiles.push_back(std::make_unique<TProfile>());
    profile = profiles.back().get();
    return *profile;
}

TProfileManager& profileManager()
{
    return *base::program().profileManager;
}

bool hasProfile()
{
    return base::hasProgram() && base::program().profileManager && base::program().profileManager->profile;
}

TProfile& profile()
{
    assert(hasProfile() && "no current player");
    return *profileManager().profile;
}
