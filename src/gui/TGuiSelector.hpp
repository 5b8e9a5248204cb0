// TGuiSelector.hpp: a widget that reports a choice made inside it (an entry of a menu) instead of
// itself: the container takes the entry's identifier as the name clicked or pointed at.
#pragma once

#include "gui/TGuiObject.hpp"

#include <string>

class TGuiSelector : public TGuiObject
{
public:
    // Forgets this frame's choice; the base keeps nothing to forget.
    virtual int _clean() { return 0; }

    std::string _clickedOp; // the entry clicked this frame, or ""
    std::string _overOp;    // the entry under the pointer this frame, or ""
};
