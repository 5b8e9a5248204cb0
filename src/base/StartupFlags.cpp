// StartupFlags.cpp
#include "base/StartupFlags.hpp"

int cheatsOn = 0;
int guiReloadKey = 0;
