// ActiveScreen.cpp
#include "screens/ActiveScreen.hpp"

#include "base/Program.hpp"

TEkran* activeScreen()
{
    return base::program().runningScreen;
}

ScreenScope::ScreenScope(TEkran* screen) : previous_(base::program().runningScreen)
{
    base::program().runningScreen = screen;
}

ScreenScope::~ScreenScope()
{
    base::program().runningScreen = previous_;
}
