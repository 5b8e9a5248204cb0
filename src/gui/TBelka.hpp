// TBelka.hpp: a menu bar: the theme's bar pieces stretched to its width, the titles of its
// drop-down menus along it, and the menus with their submenus. The container hears the command
// clicked or pointed at, by its identifier.
#pragma once

#include "gui/TGuiSelector.hpp"
#include "gui/TSimpleEntry.hpp"
#include "gui/TSmallObject.hpp"

#include <memory>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TBarTitle;
class TGui;
class TMenu;
class TTheme;

class TBelka : public TGuiSelector
{
public:
    TBelka();

    int _clean() override;
    // The entry named "menu:entry" (a submenu's entries further on: "menu:submenu:entry"); the
    // menu in any letter case, the entries as written. A menu that is not there is reported.
    std::shared_ptr<TBarTitle> getBarTitle(const std::string& path) const;
    // The bar pieces, then the menus; a hidden or inactive bar shows no menus.
    int draw(float ox, float oy) override;
    // Closes every menu.
    int _zwinMenusy();
    // A command was clicked: every menu closes and the command is this frame's choice.
    int CLICK(const std::string& id);
    // A command is under the pointer.
    int OVER(const std::string& id);
    int _drawMenus();
    int _updateMenus();
    // How far the middle piece stretches between the ends.
    int getReady();
    // The titles along the bar, each menu's box below its title.
    int _poukladajMenu();

    // The BAR declaration: POSITION, WIDTH, TEMAT (else the newest theme), FONT, VISIBLE, ACTIVE,
    // and one drop-down menu for each declaration nested in it.
    static std::shared_ptr<TBelka> createFromList(const std::string& name,
                                                  const std::vector<TSimpleEntry>& entries,
                                                  const std::vector<TSmallObject>& nested, TGui& gui);
    std::vector<std::shared_ptr<TMenu>> createMenus(const std::vector<TSmallObject>& nested, TGui& gui);
    // A menu from its declaration: TITLE, COMMAND "id|caption[|font]", FONT and nested submenus.
    // Fonts are the container's for the menus on the bar, the program's for submenus (no `gui`).
    std::shared_ptr<TMenu> getMenu(const TSmallObject& body, const std::string& name, int first, TGui* gui);

    // The bar's font, or the default size when it has none.
    media::Font& font() const;

    float _widthScale = 0;
    std::shared_ptr<TTheme> theme; // shared with the containers and the program's theme list
    std::vector<std::shared_ptr<TMenu>> _menusList;
    media::Font* _font = nullptr; // owned by the font cache
    TMenu* _actualMenu = nullptr; // one of _menusList: the menu opened last by the pointer

protected:
    // The menus follow the pointer, unless the bar is hidden or inactive.
    int updateMe(int ox, int oy) override;
};
