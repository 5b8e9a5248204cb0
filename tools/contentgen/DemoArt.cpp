// DemoArt.cpp: the "demo" group: the pictures of the demonstration screen (gfx/gui/demo/),
// which shows every kind of widget the description files can declare.
//
// gfx/gui/demo/lantern.png: a small hanging lantern, four cells of 48 x 64 side by side. The
// lantern itself is the same in every cell; only its flame and the light it throws change:
// cells 0 to 2 are a calm flame flickering, cell 3 the flame bent low by a gust.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "GuiPalette.hpp"
#include "Paint.hpp"
#include "Registry.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace contentgen
{
namespace
{
constexpr double pi = std::numbers::pi;

using namespace gui; // the palette

constexpr int lanternCell = 48;
constexpr int lanternHeight = 64;

constexpr Colour bronzeLight = Colour::bytes(122, 80, 42);
constexpr Colour bronzeDeep = Colour::bytes(52, 32, 18);
constexpr Colour flameOuter = Colour::bytes(255, 138, 36);
constexpr Colour flameInner = Colour::bytes(255, 226, 130);
constexpr Colour flameCore = Colour::bytes(255, 250, 222);
constexpr Colour lampLight = Colour::bytes(255, 196, 96);

struct Flame
{
    double height; // from the wick to the tip
    double lean;   // how far the tip stands right of the wick
    double bright; // the strength of the light it throws
};

// The four looks, in the order of the strip.
constexpr std::array<Flame, 4> flames{
    {{11.0, 0.0, 1.0}, {13.0, 0.9, 1.1}, {10.0, -1.1, 0.92}, {8.5, 3.0, 0.8}}};

// The glass pane the light shows through.
constexpr double paneLeft = 15.0;
constexpr double paneRight = 33.0;
constexpr double paneTop = 20.0;
constexpr double paneBottom = 48.0;
constexpr double wickX = 24.0;
constexpr double wickY = 43.0;

// A flame of the given size as a path: a round foot at the wick and a tip drawn out above it,
// bent by `lean` more and more towards the tip, as a draught bends it.
void flamePath(cairo_t* cr, double scale, const Flame& f)
{
    const double r = 3.0 * scale;
    const double footY = wickY - r;
    const double tipY = wickY - f.height * scale;
    const auto bent = [&](double x, double y) {
        const double t = std::clamp((footY - y) / (footY - tipY), 0.0, 1.0);
        return std::array<double, 2>{x + f.lean * scale * std::pow(t, 1.6), y};
    };
    const auto curve = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
        const auto a = bent(x1, y1);
        const auto b = bent(x2, y2);
        const auto c = bent(x3, y3);
        cairo_curve_to(cr, a[0], a[1], b[0], b[1], c[0], c[1]);
    };
    const double reach = footY - tipY;
    const auto tip = bent(wickX, tipY);
    cairo_new_path(cr);
    cairo_move_to(cr, tip[0], tip[1]);
    curve(wickX + 0.45 * r, tipY + 0.35 * reach, wickX + 1.05 * r, footY - 0.6 * r, wickX + r, footY);
    cairo_arc(cr, wickX, footY, r, 0.0, pi);
    curve(wickX - 1.05 * r, footY - 0.6 * r, wickX - 0.45 * r, tipY + 0.35 * reach, wickX, tipY);
    cairo_close_path(cr);
}

void outlined(cairo_t* cr, const Colour& fill, double width = 1.3)
{
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    paint::setColour(cr, fill);
    cairo_fill(cr);
}

Canvas lanternCellPicture(const Flame& f)
{
    Canvas canvas(lanternCell, lanternHeight);
    cairo_t* cr = canvas.cr();

    // The light on the air round the lantern, fading out well inside the cell.
    paint::softGlow(cr, wickX, 35.0, 23.0, lampLight.withAlpha(0.32 * f.bright));

    // The ring it hangs from.
    cairo_new_path(cr);
    cairo_arc(cr, 24.0, 6.5, 4.2, 0.0, 2.0 * pi);
    cairo_set_line_width(cr, 3.6);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.8);
    paint::setColour(cr, gold);
    cairo_stroke(cr);

    // The glass, lit from the flame.
    cairo_new_path(cr);
    cairo_rectangle(cr, paneLeft, paneTop, paneRight - paneLeft, paneBottom - paneTop);
    Pattern lit = paint::radialGradient(wickX, wickY - 6.0, 0.0, 20.0,
                                        {{0.0, flameInner.scaled(f.bright)},
                                         {0.45, lampLight.mix(flameOuter, 0.4).scaled(0.8 * f.bright)},
                                         {1.0, Colour::bytes(110, 56, 22)}});
    cairo_set_source(cr, lit.get());
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, paneLeft, paneTop, paneRight - paneLeft, paneBottom - paneTop);
    cairo_clip(cr);
    paint::softGlow(cr, wickX + f.lean * 0.5, wickY - f.height * 0.5, 12.0,
                    flameCore.withAlpha(0.5 * f.bright));
    // The flame: orange, then yellow, then a pale core.
    flamePath(cr, 1.0, f);
    paint::setColour(cr, flameOuter);
    cairo_fill(cr);
    flamePath(cr, 0.68, f);
    paint::setColour(cr, flameInner);
    cairo_fill(cr);
    flamePath(cr, 0.36, f);
    paint::setColour(cr, flameCore);
    cairo_fill(cr);
    // The wick.
    cairo_new_path(cr);
    cairo_rectangle(cr, wickX - 0.7, wickY - 0.5, 1.4, 2.5);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    // A glint down the glass.
    cairo_new_path(cr);
    cairo_move_to(cr, paneLeft + 3.0, paneTop + 3.0);
    cairo_line_to(cr, paneLeft + 3.0, paneBottom - 9.0);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, Colour{1, 1, 1, 0.35});
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, paneLeft, paneTop, paneRight - paneLeft, paneBottom - paneTop);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, ink);
    cairo_stroke(cr);

    // The corner posts.
    for (double x : {paneLeft - 2.0, paneRight - 0.5}) {
        cairo_new_path(cr);
        cairo_rectangle(cr, x, paneTop - 1.0, 2.5, paneBottom - paneTop + 2.0);
        Pattern post = paint::linearGradient(x, 0, x + 2.5, 0, {{0.0, bronzeLight}, {1.0, bronzeDeep}});
        cairo_set_line_width(cr, 1.1);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        cairo_set_source(cr, post.get());
        cairo_fill(cr);
    }

    // The roof, and the gold plate under it.
    cairo_new_path(cr);
    cairo_move_to(cr, 12.0, 19.0);
    cairo_line_to(cr, 19.5, 11.0);
    cairo_line_to(cr, 28.5, 11.0);
    cairo_line_to(cr, 36.0, 19.0);
    cairo_close_path(cr);
    Pattern roof = paint::linearGradient(0, 11, 0, 19, {{0.0, bronzeLight}, {1.0, bronzeDeep}});
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, roof.get());
    cairo_fill(cr);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 11.0, 17.5, 26.0, 3.5, 1.2);
    outlined(cr, goldLight, 1.1);

    // The foot: a gold plate and a bronze bowl.
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 11.0, 47.5, 26.0, 3.5, 1.2);
    outlined(cr, gold, 1.1);
    cairo_new_path(cr);
    cairo_move_to(cr, 14.0, 51.5);
    cairo_line_to(cr, 34.0, 51.5);
    cairo_curve_to(cr, 32.0, 57.0, 28.0, 58.5, 24.0, 58.5);
    cairo_curve_to(cr, 20.0, 58.5, 16.0, 57.0, 14.0, 51.5);
    cairo_close_path(cr);
    Pattern bowl = paint::linearGradient(14, 0, 34, 0, {{0.0, bronzeLight}, {1.0, bronzeDeep}});
    cairo_set_line_width(cr, 1.3);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, bowl.get());
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 24.0, 59.5, 1.8, 0.0, 2.0 * pi);
    outlined(cr, gold, 1.0);
    return canvas;
}

void lantern(Context& context)
{
    Canvas strip(lanternCell * static_cast<int>(flames.size()), lanternHeight);
    for (std::size_t i = 0; i < flames.size(); ++i) {
        strip.paint(lanternCellPicture(flames[i]), static_cast<double>(i) * lanternCell, 0.0);
    }
    context.save(strip, "gfx/gui/demo/lantern.png");
}
} // namespace

void addDemoArt(Registry& registry)
{
    registry.add("demo", "gfx/gui/demo/lantern.png", lantern);
}
} // namespace contentgen
