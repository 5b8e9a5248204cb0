// ActiveScreen.cpp
#include "shell/ActiveScreen.hpp"

namespace
{
TEkran* running = nullptr;
}

TEkran* activeScreen()
{
    return running;
}

ScreenScope::ScreenScope(TEkran* screen) : previous_(running)
{
    running = screen;
}

ScreenScope::~ScreenScope()
{
    running = previous_;
}
