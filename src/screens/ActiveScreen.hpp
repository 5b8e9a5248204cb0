// ActiveScreen.hpp: which screen's loop is running now (a modal screen runs inside another's).
#pragma once

class TEkran;

TEkran* activeScreen();

// Marks a screen as running for the life of the object, then gives the mark back.
class ScreenScope
{
public:
    explicit ScreenScope(TEkran* screen);
    ~ScreenScope();
    ScreenScope(const ScreenScope&) = delete;
    ScreenScope& operator=(const ScreenScope&) = delete;

private:
    TEkran* previous_;
};
