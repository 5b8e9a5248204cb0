// TBarTitle.hpp: one entry of a menu bar: a command of a drop-down menu, or (as the base of a
// menu) the menu's own title on the bar or in its parent menu. Not a widget: the bar updates and
// draws its entries.
#pragma once

#include "gui/TDim.hpp"

#include <string>

namespace media
{
class Font;
}
class TBelka;
class TMenu;

class TBarTitle
{
public:
    TBarTitle() = default;
    virtual ~TBarTitle() = default;
    TBarTitle(const TBarTitle&) = delete;
    TBarTitle& operator=(const TBarTitle&) = delete;

    // The highlight rectangle around the caption, until the first update places it on screen.
    int _createRect();
    // The highlight under the pointer, the caption (half seen when inactive, with a check mark
    // when checked), and for a menu its box and entries. Nothing while fully faded.
    int draw();
    // One frame: the pointer test (a press on the entry is taken, so nothing after it sees the
    // press), the fade by 0.06 a frame, a menu's own step, and a command's report to the bar.
    int update();

    // The entry as a menu; nullptr for a command.
    virtual TMenu* asMenu() { return nullptr; }
    // The font it is measured and drawn in: its own, or the default size when it has none.
    media::Font& font() const;

    TMenu* _parent = nullptr; // the enclosing menu; nullptr for a top-level menu (the bar holds it)
    TBelka* _belka = nullptr; // the bar, which owns the entry
    int checked = 0;
    std::string title = "NO TITLE";
    std::string id; // reported when the entry is clicked or pointed at
    TDim dim;       // from the bar's corner: where the caption goes, and its size
    TDim rect;      // the highlight and pointer rectangle, on the screen
    float _alpha = 0;
    float _dAlpha = 0;
    int _over = 0;
    int _clicked = 0;
    media::Font* _font = nullptr; // owned by the font cache
    int _active = 1;
};
