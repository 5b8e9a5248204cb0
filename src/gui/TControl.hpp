// TControl.hpp: a widget that holds child widgets, placed from its own top-left corner, and the
// theme that dresses it.
#pragma once

#include "gui/TGuiObject.hpp"

#include <memory>
#include <vector>

class TTheme;

class TControl : public TGuiObject
{
public:
    TControl();

    int draw(float ox, float oy) override;
    // Draws every child, in the order added, from this control's corner plus (ox, oy).
    int rysujObiekty(float ox, float oy);
    // Updates every child, from this control's corner plus (ox, oy).
    int updateObiekty(float ox, float oy);
    int dodajObiekt(std::shared_ptr<TGuiObject> widget);

    std::vector<std::shared_ptr<TGuiObject>> listaObiektow;
    std::shared_ptr<TTheme> theme; // shared with the containers and the program's theme list

protected:
    int updateMe(int ox, int oy) override;
};
