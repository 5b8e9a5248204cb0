// TMenu.hpp: a drop-down menu of a menu bar: its title (on the bar, or as an entry of its parent
// menu) and a box of commands and submenus that fades open and closed.
#pragma once

#include "gui/TBarTitle.hpp"

#include <memory>
#include <string>
#include <vector>

class TMenu : public TBarTitle
{
public:
    TMenu* asMenu() override { return this; }

    // The widest caption of the entries, and room for a check mark.
    int _getMaxWidth() const;
    // The command box: below the title on the bar, or `offset` to the right of a submenu's entry.
    int _setRect(int offset);
    // Open: the box and its entries fade in.
    int _rozwin();
    // Close, with every submenu.
    int _zwin();
    // Close for good: the bar no longer remembers a menu as open.
    int _zwinBezwzglednie();
    // One frame: closing by a press or by the pointer leaving, opening, switching to the title
    // under the pointer, the box's fade, then every entry.
    int updateMe();
    // The box of nine theme pieces around the entries.
    int _drawBox();
    int drawMe();
    // The entry named by `path` ("id", or "submenu:id" on into submenus; letter case counts).
    std::shared_ptr<TBarTitle> getBarTitle(const std::string& path) const;
    // Places the entries one under the other in the box, a submenu's box beside its entry.
    int getReady(int offset);

    TDim _comRect; // the command box, from the bar's corner
    float _boxA = 0;
    float _dBoxA = 0;
    int _first = 0; // 1 on the bar, 0 for a submenu
    std::vector<std::shared_ptr<TBarTitle>> _barTitles;
    int _rozwiniety = 0; // one of its submenus is open

private:
    // The command box on the screen.
    TDim screenBox() const;
};
