// TMenu.cpp
#include "gui/TMenu.hpp"

#include "base/Approach.hpp"
#include "gui/TBelka.hpp"
#include "gui/TMouse.hpp"
#include "gui/TTheme.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"

#include <algorithm>

namespace
{
constexpr float fadeSpeed = 0.06f;

int trunc(float v)
{
    return static_cast<int>(v);
}
} // namespace

int TMenu::_getMaxWidth() const
{
    float widest = 0;
    media::Font* last = &font();
    for (const auto& entry : _barTitles) {
        widest = std::max(widest, entry->font().textWidth(entry->title));
        last = &entry->font();
    }
    // Room for the check mark, as wide as the last entry's font makes it.
    return trunc(widest + last->textWidth("* "));
}

int TMenu::_setRect(int offset)
{
    media::Font& own = font();
    _comRect.x = dim.x + static_cast<float>(offset);
    _comRect.y = _first ? dim.y + 1.5f * static_cast<float>(textHeight(own)) : dim.y;
    _comRect.w = static_cast<float>(_getMaxWidth() + 40);
    media::Font& last = _barTitles.empty() ? own : _barTitles.back()->font();
    int h = textHeight(last) / 2;
    for (const auto& entry : _barTitles)
        h += textHeight(entry->font()) + 1;
    _comRect.h = static_cast<float>(h);
    return 1;
}

int TMenu::getReady(int offset)
{
    if (!_first)
        _setRect(offset);
    const int x = trunc(_comRect.x + 10);
    int y = trunc(_comRect.y);
    for (const auto& entry : _barTitles) {
        entry->dim = createPoint(static_cast<float>(x), static_cast<float>(y));
        const int h = textHeight(entry->font());
        entry->_createRect();
        if (TMenu* submenu = entry->asMenu()) {
            submenu->_comRect = TDim{};
            submenu->getReady(_getMaxWidth());
        }
        y += h + 1;
    }
    // Every highlight of a menu is as wide as the widest caption.
    const auto widest = static_cast<float>(_getMaxWidth());
    for (const auto& entry : _barTitles) {
        entry->dim.w = widest;
        entry->rect.w = widest;
    }
    return 1;
}

int TMenu::_rozwin()
{
    for (const auto& entry : _barTitles)
        entry->_dAlpha = 1;
    _dBoxA = 1;
    return 1;
}

int TMenu::_zwin()
{
    for (const auto& entry : _barTitles) {
        entry->_dAlpha = 0;
        if (TMenu* submenu = entry->asMenu())
            submenu->_zwin();
    }
    _dBoxA = 0;
    return 1;
}

int TMenu::_zwinBezwzglednie()
{
    _belka->_actualMenu = nullptr;
    _dBoxA = 0;
    for (const auto& entry : _barTitles)
        entry->_dAlpha = 0;
    return 1;
}

TDim TMenu::screenBox() const
{
    return createDim(_comRect.x + _belka->dim.x, _comRect.y + _belka->dim.y, _comRect.w, _comRect.h);
}

int TMenu::updateMe()
{
    TBelka& bar = *_belka;
    TMouse& mouse = guiMouse();
    if (_first && _clicked)
        bar._actualMenu = this;
    const TDim box = screenBox();
    const bool inBox = mouse.inRect(trunc(box.x), trunc(box.y), trunc(box.w), trunc(box.h)) != 0;
    if (_first) {
        // A press anywhere but in the box or on the title closes the menu.
        if (mouse.leftPressed && !inBox && !_clicked)
            _zwinBezwzglednie();
    } else if (!inBox && !_clicked && !_rozwiniety) {
        // The pointer has left the submenu (and it has no submenu of its own open).
        _dBoxA = 0;
        for (const auto& entry : _barTitles)
            entry->_dAlpha = 0;
    }
    if ((!_first && _over) || _clicked)
        _rozwin();
    if (_first && _over && bar._actualMenu && bar._actualMenu != this) {
        bar._actualMenu->_zwin();
        _rozwin();
        bar._actualMenu = this;
    }
    approach(_boxA, _dBoxA, fadeSpeed);
    _rozwiniety = 0;
    for (const auto& entry : _barTitles) {
        entry->update();
        if (const TMenu* submenu = entry->asMenu(); submenu && submenu->_dBoxA == 1)
            _rozwiniety = 1;
    }
    return 1;
}

int TMenu::_drawBox()
{
    const TTheme* theme = _belka->theme.get();
    if (!theme)
        return 0;
    media::Renderer& gfx = media::gfx();
    const float barX = _belka->dim.x;
    const float barY = _belka->dim.y;
    const auto left = static_cast<float>(trunc(_comRect.x + barX));
    const auto right = static_cast<float>(trunc(_comRect.x + _comRect.w + barX + 5));
    const auto top = static_cast<float>(trunc(_comRect.y + barY - 5));
    const auto bottom = static_cast<float>(trunc(_comRect.y + _comRect.h + barY));
    const auto w = [theme](FramePiece p) { return static_cast<float>(theme->box(p).width()); };
    const auto h = [theme](FramePiece p) { return static_cast<float>(theme->box(p).height()); };
    const float insideW = right - left - w(FramePiece::leftUp) - w(FramePiece::rightUp);
    const float insideH = bottom - top - h(FramePiece::leftUp) - h(FramePiece::leftDown);
    const auto piece = [&](FramePiece p, float sx, float sy, float x, float y) {
        gfx.setScale(sx, sy);
        gfx.drawPicture(theme->box(p), x, y);
    };
    gfx.setAlpha(_boxA);
    piece(FramePiece::leftUp, 1, 1, left, top);
    piece(FramePiece::rightUp, 1, 1, right - w(FramePiece::rightUp), top);
    piece(FramePiece::rightDown, 1, 1, right - w(FramePiece::rightDown), bottom - h(FramePiece::rightDown));
    piece(FramePiece::leftDown, 1, 1, left, bottom - h(FramePiece::leftDown));
    piece(FramePiece::up, pieceStretch(insideW, w(FramePiece::up)), 1, left + w(FramePiece::leftUp), top);
    piece(FramePiece::down, pieceStretch(insideW, w(FramePiece::down)), 1, left + w(FramePiece::leftDown),
          bottom - h(FramePiece::down));
    piece(FramePiece::left, 1, pieceStretch(insideH, h(FramePiece::left)), left, top + h(FramePiece::leftUp));
    piece(FramePiece::right, 1, pieceStretch(insideH, h(FramePiece::right)), right - w(FramePiece::right),
          top + h(FramePiece::rightUp));
    piece(FramePiece::middle, pieceStretch(insideW, w(FramePiece::middle)),
          pieceStretch(insideH, h(FramePiece::middle)), left + w(FramePiece::leftUp),
          top + h(FramePiece::leftUp));
    gfx.setScale(1, 1);
    gfx.setColor(255, 255, 255);
    return 1;
}

int TMenu::drawMe()
{
    if (_boxA > 0)
        _drawBox();
    // Commands first, then submenus, so an open submenu lies over the commands.
    for (const auto& entry : _barTitles) {
        if (!entry->asMenu())
            entry->draw();
    }
    for (const auto& entry : _barTitles) {
        if (entry->asMenu())
            entry->draw();
    }
    return 1;
}

std::shared_ptr<TBarTitle> TMenu::getBarTitle(const std::string& path) const
{
    const std::size_t colon = path.find(':');
    const std::string name = path.substr(0, colon);
    for (const auto& entry : _barTitles) {
        if (entry->id != name)
            continue;
        if (colon != std::string::npos) {
            if (TMenu* submenu = entry->asMenu())
                return submenu->getBarTitle(path.substr(colon + 1));
        }
        return entry;
    }
    return nullptr;
}
