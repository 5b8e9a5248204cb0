// TControl.cpp
#include "gui/TControl.hpp"

#include <utility>

TControl::TControl()
{
    _class = classControl;
}

int TControl::draw(float ox, float oy)
{
    return rysujObiekty(ox, oy);
}

int TControl::rysujObiekty(float ox, float oy)
{
    for (const auto& child : listaObiektow)
        child->draw(dim.x + ox, dim.y + oy);
    return 1;
}

int TControl::updateObiekty(float ox, float oy)
{
    for (const auto& child : listaObiektow)
        child->update(dim.x + ox, dim.y + oy);
    return 1;
}

int TControl::dodajObiekt(std::shared_ptr<TGuiObject> widget)
{
    if (!widget)
        return 0;
    listaObiektow.push_back(std::move(widget));
    return 1;
}

int TControl::updateMe(int ox, int oy)
{
    return updateObiekty(static_cast<float>(ox), static_cast<float>(oy));
}
