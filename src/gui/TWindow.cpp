// TWindow.cpp
#include "gui/TWindow.hpp"

#include "gui/GuiError.hpp"
#include "gui/GuiValues.hpp"
#include "gui/TGui.hpp"
#include "gui/TTheme.hpp"
#include "media/Platform.hpp"

namespace
{
enum Stretch
{
    edgeX,
    edgeY,
    middleX,
    middleY
};
} // namespace

TWindow::TWindow()
{
    _class = classWindow;
}

int TWindow::obliczSkale()
{
    skala = {};
    incX = incY = decX = decY = 0;
    if (!theme)
        return 0;
    const TTheme& t = *theme;
    const auto width = [&t](FramePiece p) { return static_cast<float>(t.okno(p).width()); };
    const auto height = [&t](FramePiece p) { return static_cast<float>(t.okno(p).height()); };
    const float insideW = dim.w - (width(FramePiece::leftUp) + width(FramePiece::rightUp));
    const float insideH = dim.h - (height(FramePiece::leftUp) + height(FramePiece::rightDown));
    // Opposite edges share a stretch, measured on the first of the pair the theme has, so a
    // theme lacking one edge still stretches the other.
    const float across = width(FramePiece::up) > 0 ? width(FramePiece::up) : width(FramePiece::down);
    const float along = height(FramePiece::right) > 0 ? height(FramePiece::right) : height(FramePiece::left);
    skala[edgeX] = pieceStretch(insideW, across);
    skala[edgeY] = pieceStretch(insideH, along);
    skala[middleX] = pieceStretch(insideW, width(FramePiece::middle));
    skala[middleY] = pieceStretch(insideH, height(FramePiece::middle));
    incX = width(FramePiece::leftUp);
    incY = height(FramePiece::leftUp);
    decX = width(FramePiece::rightUp);
    decY = height(FramePiece::rightUp);
    return 1;
}

int TWindow::draw(float ox, float oy)
{
    media::Renderer& gfx = media::gfx();
    if (theme) {
        const TTheme& t = *theme;
        const float x = dim.x + ox;
        const float y = dim.y + oy;
        const TRGB colour = rgb.value_or(TRGB{});
        gfx.setColor(colour.r, colour.g, colour.b);
        gfx.setAlpha(_alpha);
        // Pictures left empty by the theme draw nothing.
        const auto piece = [&](FramePiece p, float sx, float sy, float px, float py) {
            gfx.setScale(sx, sy);
            gfx.drawPicture(t.okno(p), px, py);
        };
        piece(FramePiece::leftUp, 1, 1, x, y);
        piece(FramePiece::rightUp, 1, 1, x + dim.w, y);
        piece(FramePiece::rightDown, 1, 1, x + dim.w, y + dim.h);
        piece(FramePiece::leftDown, 1, 1, x, y + dim.h);
        piece(FramePiece::up, skala[edgeX], 1, x + incX, y);
        piece(FramePiece::right, 1, skala[edgeY], x + dim.w, y + incY);
        piece(FramePiece::down, skala[edgeX], 1, x + incX, y + dim.h);
        piece(FramePiece::left, 1, skala[edgeY], x, y + incY);
        piece(FramePiece::middle, skala[middleX], skala[middleY], x + incX, y + incY);
    }
    gfx.setScale(1, 1);
    return rysujObiekty(ox, oy);
}

std::shared_ptr<TWindow> TWindow::CreateFromList(const std::string& name,
                                                 const std::vector<TSimpleEntry>& entries, TGui& gui)
{
    auto window = std::make_shared<TWindow>();
    window->_id = name;
    const std::string* position = findEntry(entries, "POSITION");
    const std::vector<int> n = guiNumbers(position ? *position : "0 0 0 0", 4);
    window->dim = createDim(static_cast<float>(n[0]), static_cast<float>(n[1]), static_cast<float>(n[2]),
                            static_cast<float>(n[3]));
    window->theme = themeOrNewest(findEntry(entries, "THEME"), gui);
    if (!window->theme)
        guiError("No theme for window object!");
    if (const std::string* v = findEntry(entries, "VISIBLE"))
        window->_v = guiFlag(*v);
    if (const std::string* a = findEntry(entries, "ACTIVE"))
        window->_a = guiFlag(*a);
    window->obliczSkale();
    return window;
}
