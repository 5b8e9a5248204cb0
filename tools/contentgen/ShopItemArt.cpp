// ShopItemArt.cpp: the wares of the shop (gfx/gui/screen-sklep/items/item-1.png to item-9.png),
// 96 x 96, held by their middle, on nothing. Each lies in a dark velvet slot, so each is drawn
// with a dark ink outline and a soft shadow, and each has its own shape and colour, so the
// player tells them apart at a glance:
//   1 a sword, the wild card, with a small plus     6 an hourglass of blue glass
//   2 a green arrow turning back                    7 an eye over a card's back
//   3 a flame rising from a brazier                 8 a lantern lighting two cards
//   4 a crown under a seven-pointed star            9 an owl's feather pointing at a glowing rune
//   5 a leather purse with coins

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "HudArt.hpp"
#include "Paint.hpp"
#include "Registry.hpp"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>

namespace contentgen
{
namespace
{
using namespace gui; // the palette, coins, stars and glints

constexpr double pi = std::numbers::pi;
constexpr int itemSize = 96;

// Fills the current path with `fill` and outlines it in ink `outline` pixels wide.
void fillInked(cairo_t* cr, const Pattern& fill, double outline = 1.6)
{
    cairo_set_source(cr, fill.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
}

Pattern gilt(double x0, double y0, double x1, double y1)
{
    return paint::linearGradient(x0, y0, x1, y1,
                                 {{0.0, goldPale}, {0.35, goldLight}, {0.7, gold}, {1.0, goldDeep}});
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
}

// A ware: whatever `draw` paints on a 96 x 96 picture, with a soft shadow under it.
Canvas ware(const std::function<void(cairo_t*)>& draw)
{
    Canvas art(itemSize, itemSize);
    draw(art.cr());
    Canvas canvas(itemSize, itemSize);
    canvas.paint(paint::shadowOf(art, 3.0, Colour{0, 0, 0, 0.6}), 1.0, 2.0);
    canvas.paint(art);
    return canvas;
}

// ---------------------------------------------------------------------------------------------
// 1: a sword pointing up to the left, with a gold plus on a blue badge beside its tip (not green:
// the owned tick is a green seal).

void swordWare(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 48, 50);
    cairo_rotate(cr, -pi / 4.0);
    cairo_scale(cr, 1.12, 1.12);
    // The blade.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -44);
    cairo_line_to(cr, 6, -34);
    cairo_line_to(cr, 6, 12);
    cairo_line_to(cr, -6, 12);
    cairo_line_to(cr, -6, -34);
    cairo_close_path(cr);
    fillInked(cr, paint::linearGradient(-6, 0, 6, 0,
                                        {{0.0, pewterDeep},
                                         {0.35, Colour::bytes(250, 252, 255)},
                                         {0.55, pewterLight},
                                         {1.0, pewterDeep}}));
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -34);
    cairo_line_to(cr, 0, 8);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, pewterDeep.withAlpha(0.8));
    cairo_stroke(cr);
    // The guard, the grip and the pommel.
    cairo_new_path(cr);
    paint::roundedRectangle(cr, -19, 11, 38, 8, 3);
    fillInked(cr, gilt(-19, 11, 19, 19));
    cairo_new_path(cr);
    cairo_rectangle(cr, -3.5, 19, 7, 15);
    fillInked(cr, paint::linearGradient(-3.5, 0, 3.5, 0,
                                        {{0.0, Colour::bytes(60, 30, 16)},
                                         {0.5, Colour::bytes(140, 80, 40)},
                                         {1.0, Colour::bytes(60, 30, 16)}}));
    for (double y = 22; y < 34; y += 4) {
        cairo_new_path(cr);
        cairo_move_to(cr, -3.5, y);
        cairo_line_to(cr, 3.5, y + 2);
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, ink.withAlpha(0.7));
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 0, 38, 5.5, 0, 2 * pi);
    fillInked(
        cr, paint::radialGradient(-1.5, 36.5, 0, 6,
                                  {{0.0, Colour::bytes(170, 210, 255)}, {1.0, Colour::bytes(30, 60, 160)}}));
    cairo_restore(cr);
    // The plus badge.
    const double bx = 73.0;
    const double by = 23.0;
    cairo_new_path(cr);
    cairo_arc(cr, bx, by, 14.0, 0, 2 * pi);
    fillInked(
        cr, paint::radialGradient(bx - 4, by - 4, 1, 15,
                                  {{0.0, Colour::bytes(110, 150, 240)}, {1.0, Colour::bytes(20, 36, 110)}}));
    cairo_new_path(cr);
    cairo_move_to(cr, bx - 7.5, by);
    cairo_line_to(cr, bx + 7.5, by);
    cairo_move_to(cr, bx, by - 7.5);
    cairo_line_to(cr, bx, by + 7.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 6.0);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3.6);
    paint::setColour(cr, goldPale);
    cairo_stroke(cr);
}

// ---------------------------------------------------------------------------------------------
// 2: a thick green arrow that sweeps over the top and comes back down on the left.

void undoWare(cairo_t* cr)
{
    const double cx = 52.0;
    const double cy = 54.0;
    const double r = 26.0;
    const double from = 0.25;    // just below the right-hand side
    const double to = pi * 1.02; // the left-hand side
    // The shaft as one band between two arcs, so it can be filled and outlined.
    const double half = 7.5;
    cairo_new_path(cr);
    cairo_arc_negative(cr, cx, cy, r + half, from, -to);
    cairo_arc(cr, cx, cy, r - half, -to, from);
    cairo_close_path(cr);
    const Colour light = Colour::bytes(150, 240, 170);
    const Colour mid = Colour::bytes(46, 170, 90);
    const Colour deep = Colour::bytes(14, 84, 44);
    fillInked(cr,
              paint::linearGradient(cx, cy - r - half, cx, cy + r, {{0.0, light}, {0.5, mid}, {1.0, deep}}),
              2.0);
    // The head, pointing down at the end of the sweep.
    const double ex = cx + r * std::cos(-to);
    const double ey = cy + r * std::sin(-to);
    cairo_new_path(cr);
    cairo_move_to(cr, ex - 16.0, ey - 2.0);
    cairo_line_to(cr, ex + 16.0, ey - 2.0);
    cairo_line_to(cr, ex, ey + 24.0);
    cairo_close_path(cr);
    fillInked(cr,
              paint::linearGradient(ex - 16, ey, ex + 16, ey + 20, {{0.0, light}, {0.5, mid}, {1.0, deep}}),
              2.0);
    // A light along the outer edge of the sweep.
    cairo_new_path(cr);
    cairo_arc_negative(cr, cx, cy, r + half - 3.0, -0.3, -pi * 0.85);
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::setColour(cr, Colour{1, 1, 1, 0.5});
    cairo_stroke(cr);
}

// ---------------------------------------------------------------------------------------------
// 3: a tall flame of three tongues leaping from a small gold brazier, sparks above it.

void flamePath(cairo_t* cr, double cx, double base, double w, double h, double lean)
{
    cairo_new_path(cr);
    cairo_move_to(cr, cx, base);
    cairo_curve_to(cr, cx - w, base, cx - w * 1.05, base - h * 0.45, cx - w * 0.35, base - h * 0.7);
    cairo_curve_to(cr, cx - w * 0.25, base - h * 0.55, cx - w * 0.1, base - h * 0.62, cx - w * 0.1,
                   base - h * 0.72);
    cairo_curve_to(cr, cx - w * 0.05, base - h * 0.85, cx + lean * 0.4, base - h * 0.9, cx + lean, base - h);
    cairo_curve_to(cr, cx + w * 0.4, base - h * 0.8, cx + w * 0.25, base - h * 0.6, cx + w * 0.55,
                   base - h * 0.55);
    cairo_curve_to(cr, cx + w * 0.6, base - h * 0.45, cx + w * 1.05, base - h * 0.3, cx + w * 0.95,
                   base - h * 0.15);
    cairo_curve_to(cr, cx + w * 0.9, base, cx + w * 0.4, base, cx, base);
    cairo_close_path(cr);
}

void flameWare(cairo_t* cr)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    paint::softGlow(cr, 48, 46, 40, Colour::bytes(255, 150, 40, 0.45));
    cairo_restore(cr);
    flamePath(cr, 48, 74, 24, 66, 4);
    fillInked(cr,
              paint::linearGradient(0, 8, 0, 74,
                                    {{0.0, Colour::bytes(200, 30, 20)},
                                     {0.5, Colour::bytes(246, 96, 24)},
                                     {1.0, Colour::bytes(255, 150, 40)}}),
              1.8);
    flamePath(cr, 48, 74, 15, 46, 2);
    paint::setColour(cr, Colour::bytes(255, 196, 60));
    cairo_fill(cr);
    flamePath(cr, 48, 74, 8, 26, 1);
    paint::setColour(cr, Colour::bytes(255, 248, 210));
    cairo_fill(cr);
    // The brazier.
    cairo_new_path(cr);
    cairo_move_to(cr, 24, 72);
    cairo_line_to(cr, 72, 72);
    cairo_curve_to(cr, 70, 84, 60, 88, 48, 88);
    cairo_curve_to(cr, 36, 88, 26, 84, 24, 72);
    cairo_close_path(cr);
    fillInked(cr, gilt(24, 72, 72, 88));
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 20, 68, 56, 7, 3);
    fillInked(cr, gilt(20, 68, 76, 75));
    for (const double x : {38.0, 58.0}) {
        stud(cr, x, 80, 2.5);
    }
    // Sparks.
    for (const auto& [x, y, s] :
         {std::tuple{22.0, 22.0, 3.5}, std::tuple{74.0, 16.0, 4.5}, std::tuple{66.0, 36.0, 3.0}}) {
        paint::softGlow(cr, x, y, s * 2.0, Colour::bytes(255, 200, 80, 0.8));
        cairo_new_path(cr);
        cairo_arc(cr, x, y, s * 0.5, 0, 2 * pi);
        paint::setColour(cr, Colour::bytes(255, 250, 220));
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------------------------------------
// 4: a gold crown set with rubies, a seven-pointed star shining over it.

void crownWare(cairo_t* cr)
{
    // The star first, in its own light.
    paint::softGlow(cr, 48, 24, 24, Colour::bytes(255, 250, 210, 0.8));
    cairo_new_path(cr);
    starPath(cr, 48, 25, 19, 8.5, 7);
    fillInked(cr,
              paint::radialGradient(46, 22, 0, 20,
                                    {{0.0, Colour::bytes(255, 255, 245)}, {0.6, goldPale}, {1.0, goldLight}}),
              1.5);
    // The crown: five points over a band, velvet inside.
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 52);
    cairo_curve_to(cr, 34, 46, 62, 46, 74, 52);
    cairo_line_to(cr, 74, 66);
    cairo_line_to(cr, 22, 66);
    cairo_close_path(cr);
    fillInked(cr, paint::linearGradient(
                      0, 46, 0, 66, {{0.0, Colour::bytes(150, 40, 120)}, {1.0, Colour::bytes(70, 14, 60)}}));
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 80);
    cairo_line_to(cr, 12, 46);
    cairo_line_to(cr, 28, 62);
    cairo_line_to(cr, 36, 40);
    cairo_line_to(cr, 48, 60);
    cairo_line_to(cr, 60, 40);
    cairo_line_to(cr, 68, 62);
    cairo_line_to(cr, 84, 46);
    cairo_line_to(cr, 82, 80);
    cairo_close_path(cr);
    fillInked(cr, gilt(12, 40, 84, 82), 1.8);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 12, 74, 72, 12, 3);
    fillInked(cr, gilt(12, 74, 84, 86), 1.8);
    for (const auto& [x, y] : {std::pair{12.0, 46.0}, std::pair{36.0, 40.0}, std::pair{60.0, 40.0},
                               std::pair{84.0, 46.0}, std::pair{48.0, 60.0}}) {
        stud(cr, x, y, 3.6);
    }
    for (const double x : {26.0, 48.0, 70.0}) {
        cairo_new_path(cr);
        ellipsePath(cr, x, 80, x == 48.0 ? 6.0 : 4.5, 4.0);
        fillInked(
            cr,
            paint::radialGradient(x - 1.5, 78.5, 0, 6,
                                  {{0.0, Colour::bytes(255, 150, 150)}, {1.0, Colour::bytes(160, 10, 30)}}),
            1.1);
    }
}

// ---------------------------------------------------------------------------------------------
// 5: a leather purse tied with a gold cord, coins spilling in front of it.

void purseWare(cairo_t* cr)
{
    const Colour leather = Colour::bytes(160, 96, 48);
    const Colour leatherDeep = Colour::bytes(78, 40, 18);
    // The body.
    cairo_new_path(cr);
    cairo_move_to(cr, 36, 34);
    cairo_curve_to(cr, 12, 46, 10, 84, 30, 88);
    cairo_curve_to(cr, 42, 91, 58, 91, 70, 88);
    cairo_curve_to(cr, 88, 84, 84, 46, 60, 34);
    cairo_close_path(cr);
    fillInked(cr,
              paint::radialGradient(40, 56, 2, 44,
                                    {{0.0, leather.scaled(1.3)}, {0.6, leather}, {1.0, leatherDeep}}),
              1.8);
    // Its ruffled neck above the cord.
    cairo_new_path(cr);
    cairo_move_to(cr, 36, 34);
    cairo_curve_to(cr, 26, 22, 30, 12, 36, 18);
    cairo_curve_to(cr, 40, 8, 46, 10, 48, 16);
    cairo_curve_to(cr, 52, 8, 60, 10, 60, 18);
    cairo_curve_to(cr, 68, 12, 72, 22, 60, 34);
    cairo_close_path(cr);
    fillInked(cr, paint::linearGradient(0, 10, 0, 34, {{0.0, leather.scaled(1.25)}, {1.0, leatherDeep}}),
              1.6);
    // Stitches and the cord.
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 48);
    cairo_curve_to(cr, 22, 62, 24, 78, 32, 84);
    cairo_set_dash(cr, std::array{3.0, 3.0}.data(), 2, 0);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, Colour::bytes(240, 200, 140, 0.7));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_new_path(cr);
    cairo_move_to(cr, 32, 34);
    cairo_curve_to(cr, 42, 38, 54, 38, 64, 34);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5.5);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3.4);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 62, 36);
    cairo_curve_to(cr, 70, 42, 68, 50, 74, 54);
    cairo_set_line_width(cr, 4.5);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.6);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    // The coins.
    coinFace(cr, 24, 78, 12, silver, Stamp::Star);
    coinFace(cr, 72, 80, 12, copper, Stamp::Sun);
    coinFace(cr, 50, 80, 14, goldMetal, Stamp::Moon);
    glint(cr, 80, 24, 6);
}

// ---------------------------------------------------------------------------------------------
// 6: an hourglass of pale blue glass in a dark wooden frame, the sand running.

void hourglassWare(cairo_t* cr)
{
    const Colour glassLight = Colour::bytes(210, 240, 255, 0.85);
    const Colour glassDeep = Colour::bytes(70, 150, 210, 0.85);
    const Colour sand = Colour::bytes(236, 196, 110);
    auto bulbs = [&](double inset) {
        cairo_new_path(cr);
        cairo_move_to(cr, 28 + inset, 20);
        cairo_line_to(cr, 68 - inset, 20);
        cairo_curve_to(cr, 68 - inset, 38, 52 - inset * 0.2, 44, 50, 48);
        cairo_curve_to(cr, 52 - inset * 0.2, 52, 68 - inset, 58, 68 - inset, 76);
        cairo_line_to(cr, 28 + inset, 76);
        cairo_curve_to(cr, 28 + inset, 58, 44 + inset * 0.2, 52, 46, 48);
        cairo_curve_to(cr, 44 + inset * 0.2, 44, 28 + inset, 38, 28 + inset, 20);
        cairo_close_path(cr);
    };
    bulbs(0.0);
    fillInked(cr,
              paint::linearGradient(28, 0, 68, 0, {{0.0, glassDeep}, {0.3, glassLight}, {1.0, glassDeep}}),
              1.6);
    // The sand: a little left above, a heap below, a thread between.
    cairo_save(cr);
    bulbs(2.0);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 34, 34);
    cairo_curve_to(cr, 42, 38, 54, 38, 62, 34);
    cairo_line_to(cr, 50, 48);
    cairo_line_to(cr, 46, 48);
    cairo_close_path(cr);
    paint::setColour(cr, sand);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 28, 76);
    cairo_curve_to(cr, 34, 62, 44, 58, 48, 58);
    cairo_curve_to(cr, 52, 58, 62, 62, 68, 76);
    cairo_close_path(cr);
    Pattern heap = paint::linearGradient(0, 58, 0, 76, {{0.0, sand.scaled(1.1)}, {1.0, sand.scaled(0.75)}});
    cairo_set_source(cr, heap.get());
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 48, 46);
    cairo_line_to(cr, 48, 60);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, sand);
    cairo_stroke(cr);
    // A gleam on the glass.
    cairo_new_path(cr);
    cairo_move_to(cr, 34, 24);
    cairo_curve_to(cr, 34, 34, 38, 38, 42, 42);
    cairo_move_to(cr, 34, 72);
    cairo_curve_to(cr, 34, 64, 38, 58, 41, 55);
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::setColour(cr, Colour{1, 1, 1, 0.75});
    cairo_stroke(cr);
    // The frame: two plates and three posts.
    Pattern wood = paint::linearGradient(0, 0, 0, 10, {{0.0, woodLight.scaled(1.6)}, {1.0, woodDeep}});
    for (const double x : {22.0, 70.0}) {
        cairo_new_path(cr);
        paint::roundedRectangle(cr, x, 18, 5, 60, 2);
        fillInked(cr, paint::linearGradient(x, 0, x + 5, 0, {{0.0, woodLight.scaled(1.6)}, {1.0, woodDeep}}),
                  1.3);
    }
    for (const double y : {10.0, 76.0}) {
        cairo_new_path(cr);
        paint::roundedRectangle(cr, 16, y, 64, 10, 3);
        fillInked(cr, paint::linearGradient(0, y, 0, y + 10, {{0.0, woodLight.scaled(1.6)}, {1.0, woodDeep}}),
                  1.6);
        cairo_new_path(cr);
        cairo_move_to(cr, 18, y + (y < 40 ? 9.0 : 1.0));
        cairo_line_to(cr, 78, y + (y < 40 ? 9.0 : 1.0));
        cairo_set_line_width(cr, 1.6);
        paint::setColour(cr, gold);
        cairo_stroke(cr);
        stud(cr, 20, y + 5, 2.6);
        stud(cr, 76, y + 5, 2.6);
    }
}

// ---------------------------------------------------------------------------------------------
// 7: a card lying face down, our night-blue back with its gold frame and moon, and a wide open
// eye over it.

void cardBack(cairo_t* cr, double cx, double cy, double w, double h, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, -w / 2, -h / 2, w, h, 5);
    fillInked(
        cr, paint::linearGradient(0, -h / 2, 0, h / 2, {{0.0, night.scaled(1.8)}, {1.0, night.scaled(0.8)}}),
        1.6);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, -w / 2 + 4, -h / 2 + 4, w - 8, h - 8, 3);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    cairo_new_path(cr);
    moonPath(cr, 0, h * 0.12, w * 0.2, 0.6);
    paint::setColour(cr, goldLight);
    cairo_fill(cr);
    cairo_restore(cr);
}

void eyeWare(cairo_t* cr)
{
    cardBack(cr, 50, 60, 48, 66, 0.14);
    // The eye: an almond of white, a lake-blue iris, the pupil and a glint.
    const double ex = 46.0;
    const double ey = 36.0;
    auto almond = [&]() {
        cairo_new_path(cr);
        cairo_move_to(cr, ex - 34, ey);
        cairo_curve_to(cr, ex - 18, ey - 22, ex + 18, ey - 22, ex + 34, ey);
        cairo_curve_to(cr, ex + 18, ey + 22, ex - 18, ey + 22, ex - 34, ey);
        cairo_close_path(cr);
    };
    almond();
    fillInked(
        cr,
        paint::radialGradient(ex, ey - 2, 4, 34,
                              {{0.0, Colour::bytes(255, 255, 252)}, {1.0, Colour::bytes(200, 206, 220)}}),
        2.4);
    cairo_save(cr);
    almond();
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_arc(cr, ex, ey, 12.5, 0, 2 * pi);
    fillInked(cr,
              paint::radialGradient(ex, ey, 3, 13,
                                    {{0.0, Colour::bytes(120, 200, 240)},
                                     {0.7, Colour::bytes(40, 110, 190)},
                                     {1.0, Colour::bytes(16, 44, 100)}}),
              1.2);
    cairo_new_path(cr);
    cairo_arc(cr, ex, ey, 5.5, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(8, 8, 14));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, ex - 4, ey - 4.5, 2.6, 0, 2 * pi);
    paint::setColour(cr, Colour{1, 1, 1, 0.95});
    cairo_fill(cr);
    cairo_restore(cr);
    // The upper lid's lashes.
    for (int k = -2; k <= 2; ++k) {
        const double t = k / 2.6;
        const double x = ex + t * 26.0;
        const double y = ey - 16.5 * (1.0 - t * t * 0.9);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + t * 5.0, y - 7.0);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        paint::setColour(cr, ink);
        cairo_stroke(cr);
    }
}

// ---------------------------------------------------------------------------------------------
// 8: a brass lantern burning warm, and two cards in its light turned face up.

void cardFace(cairo_t* cr, double cx, double cy, double w, double h, double turn, const Colour& pip)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, -w / 2, -h / 2, w, h, 5);
    fillInked(
        cr,
        paint::linearGradient(-w / 2, -h / 2, w / 2, h / 2,
                              {{0.0, Colour::bytes(255, 252, 236)}, {1.0, Colour::bytes(230, 214, 176)}}),
        1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -9);
    cairo_line_to(cr, 7, 0);
    cairo_line_to(cr, 0, 9);
    cairo_line_to(cr, -7, 0);
    cairo_close_path(cr);
    paint::setColour(cr, pip);
    cairo_fill(cr);
    for (const double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, s * (w / 2 - 7), s * (h / 2 - 8), 2.8, 0, 2 * pi);
        paint::setColour(cr, pip);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void lanternWare(cairo_t* cr)
{
    // The light falling to the right over the cards.
    paint::softGlow(cr, 40, 48, 38, Colour::bytes(255, 210, 110, 0.6));
    cardFace(cr, 58, 58, 30, 42, 0.12, Colour::bytes(200, 30, 40));
    cardFace(cr, 68, 66, 30, 42, 0.38, Colour::bytes(30, 30, 50));
    // The lantern: a ring, a roof, a glass cage with the flame, a base.
    cairo_new_path(cr);
    cairo_arc(cr, 30, 12, 6, 0, 2 * pi);
    cairo_set_line_width(cr, 4.0);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.2);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 16);
    cairo_line_to(cr, 46, 30);
    cairo_line_to(cr, 14, 30);
    cairo_close_path(cr);
    fillInked(cr, gilt(14, 16, 46, 30));
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 16, 30, 28, 40, 3);
    fillInked(cr,
              paint::radialGradient(30, 52, 2, 22,
                                    {{0.0, Colour::bytes(255, 255, 230)},
                                     {0.45, Colour::bytes(255, 214, 100)},
                                     {1.0, Colour::bytes(230, 130, 30)}}),
              1.6);
    flamePath(cr, 30, 60, 6, 20, 1);
    paint::setColour(cr, Colour::bytes(255, 255, 245));
    cairo_fill(cr);
    for (const double x : {16.0, 30.0, 44.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, 30);
        cairo_line_to(cr, x, 70);
        cairo_set_line_width(cr, 3.0);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.5);
        paint::setColour(cr, goldDeep.mix(gold, 0.5));
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 12, 68, 36, 9, 3);
    fillInked(cr, gilt(12, 68, 48, 77));
    glint(cr, 50, 30, 5);
}

// ---------------------------------------------------------------------------------------------
// 9: an owl's feather, barred brown and cream, its tip pointing down to a rune glowing violet.

void featherWare(cairo_t* cr)
{
    const double rx = 24.0;
    const double ry = 72.0;
    const Colour rune = Colour::bytes(200, 140, 255);
    paint::softGlow(cr, rx, ry, 24, rune.withAlpha(0.75));
    cairo_new_path(cr);
    cairo_arc(cr, rx, ry, 12, 0, 2 * pi);
    fillInked(cr,
              paint::radialGradient(rx - 3, ry - 3, 1, 13,
                                    {{0.0, Colour::bytes(120, 80, 190)}, {1.0, Colour::bytes(40, 20, 80)}}),
              1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, rx, ry - 8);
    cairo_line_to(cr, rx, ry + 8);
    cairo_move_to(cr, rx - 6, ry - 3);
    cairo_line_to(cr, rx, ry - 8);
    cairo_line_to(cr, rx + 6, ry - 3);
    cairo_move_to(cr, rx - 5, ry + 4);
    cairo_line_to(cr, rx + 5, ry + 4);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, Colour::bytes(245, 230, 255));
    cairo_stroke(cr);

    // The feather, lying from the upper right down to the rune.
    cairo_save(cr);
    cairo_translate(cr, 60, 42);
    cairo_rotate(cr, pi * 0.27);
    auto vane = [&]() {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 36);
        cairo_curve_to(cr, -14, 20, -16, -16, -2, -40);
        cairo_curve_to(cr, 8, -26, 14, 6, 4, 30);
        cairo_close_path(cr);
    };
    vane();
    fillInked(cr,
              paint::linearGradient(-14, 0, 14, 0,
                                    {{0.0, Colour::bytes(120, 78, 40)},
                                     {0.5, Colour::bytes(214, 178, 120)},
                                     {1.0, Colour::bytes(150, 100, 54)}}),
              1.6);
    cairo_save(cr);
    vane();
    cairo_clip(cr);
    for (double y = -30; y < 30; y += 11) {
        cairo_new_path(cr);
        cairo_move_to(cr, -16, y + 6);
        cairo_curve_to(cr, -6, y, 6, y, 16, y + 5);
        cairo_set_line_width(cr, 4.0);
        paint::setColour(cr, Colour::bytes(80, 46, 20, 0.7));
        cairo_stroke(cr);
    }
    for (double y = -34; y < 30; y += 3.5) {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, -16, y - 6);
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 16, y - 6);
        cairo_set_line_width(cr, 0.6);
        paint::setColour(cr, Colour::bytes(255, 240, 210, 0.35));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // The quill.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 48);
    cairo_curve_to(cr, 0, 20, 0, -10, -2, -40);
    cairo_set_line_width(cr, 3.4);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.8);
    paint::setColour(cr, Colour::bytes(250, 240, 220));
    cairo_stroke(cr);
    cairo_restore(cr);
    glint(cr, 12, 58, 5);
}

struct Ware
{
    int id;
    void (*draw)(cairo_t*);
};

constexpr Ware wares[] = {{1, swordWare}, {2, undoWare},    {3, flameWare},
                          {4, crownWare}, {5, purseWare},   {6, hourglassWare},
                          {7, eyeWare},   {8, lanternWare}, {9, featherWare}};
} // namespace

void addShopItemArt(Registry& registry)
{
    for (const Ware& w : wares) {
        const std::string path = "gfx/gui/screen-sklep/items/item-" + std::to_string(w.id) + ".png";
        registry.add("shop", path, [path, draw = w.draw](Context& c) { c.save(ware(draw), path); });
    }
}
} // namespace contentgen
