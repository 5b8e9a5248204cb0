// TBelka.cpp
#include "gui/TBelka.hpp"

#include "gui/Fonts.hpp"
#include "gui/GuiError.hpp"
#include "gui/GuiValues.hpp"
#include "gui/StringTools.hpp"
#include "gui/TGui.hpp"
#include "gui/TMenu.hpp"
#include "gui/TRGMFont.hpp"
#include "gui/TTheme.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

#include <variant>

namespace
{
constexpr int defaultBarSize = 12;

// A font a menu names: the container's, or the program's for a submenu (no container).
media::Font* menuFont(const std::string& name, const TGui* gui)
{
    if (const TRGMFont* font = TRGMFont::getByID(name, gui))
        return font->_font;
    guiError("Nie znaleziono czcionki : " + name);
    return nullptr;
}
} // namespace

TBelka::TBelka()
{
    _class = classBar;
}

media::Font& TBelka::font() const
{
    return _font ? *_font : loadFont("", defaultBarSize);
}

int TBelka::_clean()
{
    _clickedOp.clear();
    _overOp.clear();
    return 1;
}

std::shared_ptr<TBarTitle> TBelka::getBarTitle(const std::string& path) const
{
    const std::size_t colon = path.find(':');
    const std::string name = path.substr(0, colon);
    if (colon != std::string::npos) {
        for (const auto& menu : _menusList) {
            if (media::text::equalsIgnoreCase(menu->id, name))
                return menu->getBarTitle(path.substr(colon + 1));
        }
    }
    guiError("Nie znaleziono " + name + " w belce :" + _id);
    return nullptr;
}

int TBelka::updateMe(int, int)
{
    _clean();
    // Hidden or inactive, the bar's menus neither open nor take the presses meant for what lies
    // under them.
    if (!_v || !_a)
        return 0;
    return _updateMenus();
}

int TBelka::_updateMenus()
{
    for (const auto& menu : _menusList)
        menu->update();
    return 1;
}

int TBelka::draw(float, float)
{
    media::Renderer& gfx = media::gfx();
    if (theme) {
        const TTheme& t = *theme;
        const float s = _scale;
        const auto leftWidth = static_cast<float>(t.belka(BarPiece::left).width());
        gfx.setAlpha(_alpha);
        // Pieces the theme lacks are skipped; the middle is stretched only over a width there is.
        gfx.setScale(s, s);
        gfx.drawPicture(t.belka(BarPiece::left), dim.x, dim.y);
        if (_widthScale > 0) {
            gfx.setScale(s * _widthScale, s);
            gfx.drawPicture(t.belka(BarPiece::middle), dim.x + leftWidth * s, dim.y);
        }
        gfx.setScale(s, s);
        gfx.drawPicture(t.belka(BarPiece::right), dim.x + leftWidth * s + _widthScale, dim.y);
        gfx.setScale(1, 1);
    }
    if (_v && _a)
        _drawMenus();
    return 1;
}

int TBelka::_drawMenus()
{
    for (const auto& menu : _menusList)
        menu->draw();
    return 1;
}

int TBelka::_zwinMenusy()
{
    for (const auto& menu : _menusList)
        menu->_zwin();
    return 1;
}

int TBelka::CLICK(const std::string& id)
{
    _zwinMenusy();
    _clickedOp = id;
    _overOp = id;
    return 1;
}

int TBelka::OVER(const std::string& id)
{
    _overOp = id;
    return 1;
}

int TBelka::getReady()
{
    float ends = 0;
    if (theme)
        ends =
            static_cast<float>(theme->belka(BarPiece::left).width() + theme->belka(BarPiece::right).width());
    _widthScale = dim.w - ends;
    return 1;
}

int TBelka::_poukladajMenu()
{
    const int y0 = static_cast<int>(dim.h / 2 - static_cast<float>(textHeight(font()) / 2));
    float x = 10;
    for (const auto& menu : _menusList) {
        menu->dim = createPoint(x, static_cast<float>(y0));
        menu->_comRect = TDim{};
        menu->_createRect();
        menu->_alpha = 1;
        menu->_dAlpha = 1;
        menu->_active = 1;
        menu->_setRect(0);
        x += menu->font().textWidth(menu->title) + 30;
        menu->getReady(0);
    }
    return 1;
}

std::shared_ptr<TBelka> TBelka::createFromList(const std::string& name,
                                               const std::vector<TSimpleEntry>& entries,
                                               const std::vector<TSmallObject>& nested, TGui& gui)
{
    auto bar = std::make_shared<TBelka>();
    bar->_id = name;
    const std::string* position = findEntry(entries, "POSITION");
    const std::vector<int> at = guiNumbers(position ? *position : "0 0", 2);
    bar->dim = createPoint(static_cast<float>(at[0]), static_cast<float>(at[1]));
    if (const std::string* width = findEntry(entries, "WIDTH"))
        bar->dim.w = static_cast<float>(guiInt(*width));
    bar->theme = themeOrNewest(findEntry(entries, "TEMAT"), gui);
    if (bar->theme)
        bar->dim.h = static_cast<float>(bar->theme->barHeight);
    else
        guiError("No theme asigned for bar object!");
    if (const std::string* font = findEntry(entries, "FONT"))
        bar->_font = gui.font(*font);
    if (const std::string* v = findEntry(entries, "VISIBLE"))
        bar->_v = guiFlag(*v);
    if (const std::string* a = findEntry(entries, "ACTIVE"))
        bar->_a = guiFlag(*a);
    bar->getReady();
    bar->_menusList = bar->createMenus(nested, gui);
    bar->_poukladajMenu();
    return bar;
}

std::vector<std::shared_ptr<TMenu>> TBelka::createMenus(const std::vector<TSmallObject>& nested, TGui& gui)
{
    std::vector<std::shared_ptr<TMenu>> menus;
    for (const TSmallObject& declaration : nested)
        menus.push_back(getMenu(declaration, declaration._name, 1, &gui));
    return menus;
}

std::shared_ptr<TMenu> TBelka::getMenu(const TSmallObject& body, const std::string& name, int first,
                                       TGui* gui)
{
    auto menu = std::make_shared<TMenu>();
    menu->id = name;
    menu->_first = first;
    menu->_belka = this;
    bool ownFont = false;
    for (const auto& token : body._tokeny) {
        if (const auto* inner = std::get_if<std::unique_ptr<TSmallObject>>(&token)) {
            std::shared_ptr<TMenu> submenu = getMenu(**inner, (*inner)->_name, 0, nullptr);
            submenu->_parent = menu.get();
            menu->_barTitles.push_back(std::move(submenu));
            continue;
        }
        const TSimpleEntry& entry = std::get<TSimpleEntry>(token);
        const std::string key = media::text::toUpper(entry._typ);
        if (key == "TITLE") {
            menu->title = stripQuotes(entry._value);
        } else if (key == "COMMAND") {
            // "id|caption", or "id|caption|font".
            const std::vector<std::string> parts = splitText(stripQuotes(entry._value), "|", "", "");
            auto command = std::make_shared<TBarTitle>();
            command->id = parts.empty() ? std::string() : parts[0];
            command->title = "  " + (parts.size() > 1 ? parts[1] : std::string());
            command->_font = parts.size() > 2 ? menuFont(parts[2], gui) : _font;
            command->_belka = this;
            command->_parent = menu.get();
            menu->_barTitles.push_back(std::move(command));
        } else if (key == "FONT") {
            menu->_font = menuFont(entry._value, gui);
            ownFont = true;
        }
    }
    if (!ownFont)
        menu->_font = _font;
    return menu;
}
