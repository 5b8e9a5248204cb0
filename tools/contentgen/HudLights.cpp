// HudLights.cpp: what lights up and flies about the game screen: the drive panel's bulbs
// (gfx/gui/mainGame/bulb-*.png), two soft glows (gfx/effects/), the signs at the deck for
// ending the level and for cashing in a long drive, and the coins and the gem that fly into
// the cash panel (gfx/resources/res-1.png to res-4.png).
//
// All are centred on the point the game draws them at and fade to nothing round their edges.

#include "HudArt.hpp"

#include "Context.hpp"
#include "Registry.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace contentgen::gui
{
namespace
{
constexpr double pi = std::numbers::pi;

// ---------------------------------------------------------------------------------------------
// Bulbs: round glass seen from above, a bright core, a darker rim and a glow round it.

struct Glass
{
    Colour core;
    Colour body;
    Colour rim;
    Colour glow;
};

// The four multiplier bulbs, each warmer and brighter than the last.
constexpr std::array<Glass, 4> multiplierGlass{{
    {Colour::bytes(255, 232, 176), Colour::bytes(238, 150, 42), Colour::bytes(140, 64, 14),
     Colour::bytes(255, 170, 60)}, // amber
    {Colour::bytes(255, 248, 210), Colour::bytes(246, 200, 70), Colour::bytes(156, 106, 18),
     Colour::bytes(255, 214, 100)}, // gold
    {Colour::bytes(255, 230, 180), Colour::bytes(252, 128, 36), Colour::bytes(164, 50, 10),
     Colour::bytes(255, 136, 48)}, // orange
    {Colour::bytes(255, 255, 246), Colour::bytes(255, 238, 176), Colour::bytes(204, 160, 80),
     Colour::bytes(255, 246, 214)}, // white gold
}};
constexpr Glass greenGlass{Colour::bytes(226, 255, 224), Colour::bytes(84, 210, 100),
                           Colour::bytes(22, 96, 44), Colour::bytes(120, 255, 140)};
constexpr Glass litSmall{Colour::bytes(255, 252, 226), Colour::bytes(252, 208, 96),
                         Colour::bytes(170, 110, 24), Colour::bytes(255, 220, 120)};
constexpr Glass deadSmall{Colour::bytes(120, 92, 62), Colour::bytes(74, 52, 34), Colour::bytes(36, 24, 18),
                          Colour::bytes(0, 0, 0)};

// A bulb of glass radius r in a square picture of `size`; `glow` is the strength of the light
// round it (0 for a dead bulb).
Canvas bulb(int size, double r, const Glass& glass, double glow)
{
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const double c = size / 2.0;
    if (glow > 0.0) {
        // A halo from the glass's edge out to the picture's.
        Pattern halo = paint::radialGradient(c, c, r * 0.9, c,
                                             {{0.0, glass.glow.withAlpha(glow)},
                                              {0.35, glass.glow.withAlpha(glow * 0.4)},
                                              {1.0, glass.glow.withAlpha(0.0)}});
        cairo_arc(cr, c, c, c, 0, 2 * pi);
        cairo_set_source(cr, halo.get());
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, c, c, r + 0.9, 0, 2 * pi);
    paint::setColour(cr, ink.withAlpha(glow > 0.0 ? 0.55 : 0.9));
    cairo_fill(cr);
    Pattern body = paint::radialGradient(c - r * 0.2, c - r * 0.25, 0.0, r * 1.25,
                                         {{0.0, glass.core}, {0.55, glass.body}, {1.0, glass.rim}});
    cairo_arc(cr, c, c, r, 0, 2 * pi);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    if (glow > 0.0) {
        // The hot heart of the light.
        paint::softGlow(cr, c, c + r * 0.1, r * 0.7, glass.core.withAlpha(0.9));
    }
    // The window's reflection at the upper left.
    cairo_save(cr);
    cairo_translate(cr, c - r * 0.38, c - r * 0.42);
    cairo_rotate(cr, -pi / 4.0);
    cairo_scale(cr, r * 0.34, r * 0.2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
    paint::setColour(cr, Colour{1, 1, 1, glow > 0.0 ? 0.75 : 0.35});
    cairo_fill(cr);
    return canvas;
}

void multiplierBulb(Context& context, int k)
{
    const std::string path = "gfx/gui/mainGame/bulb-" + std::to_string(k) + ".png";
    context.save(bulb(48, 13.0, multiplierGlass[static_cast<std::size_t>(k - 1)], 0.5 + 0.1 * k), path);
}

// A round soft light of `colour`, filling a square picture of `size`.
Canvas glowPicture(int size, const Colour& colour)
{
    Canvas canvas(size, size);
    paint::softGlow(canvas.cr(), size / 2.0, size / 2.0, size / 2.0, colour);
    return canvas;
}

// ---------------------------------------------------------------------------------------------
// end-hand.png: an open hand held up on a slate disc, the sign to stop here and end the level.

constexpr int handSize = 64;

// Adds the hand to the path, palm centre near (0, 4): each finger and the thumb a
// rounded bar, overlapping the palm.
void handPath(cairo_t* cr)
{
    struct Bar
    {
        double x0, y0, x1, y1, width;
    };
    const std::array<Bar, 5> bars{{
        {-7.4, 2, -7.6, -12, 5.0}, // index
        {-2.5, 2, -2.5, -16, 5.0}, // middle
        {2.5, 2, 2.6, -14, 5.0},   // ring
        {7.3, 3, 7.8, -8.5, 4.6},  // little finger
        {-9.0, 10, -16.5, 0, 5.4}, // thumb
    }};
    for (const Bar& b : bars) {
        const double angle = std::atan2(b.y1 - b.y0, b.x1 - b.x0);
        const double half = b.width / 2.0;
        cairo_new_sub_path(cr);
        cairo_arc(cr, b.x1, b.y1, half, angle - pi / 2.0, angle + pi / 2.0);
        cairo_arc(cr, b.x0, b.y0, half, angle + pi / 2.0, angle + 3.0 * pi / 2.0);
        cairo_close_path(cr);
    }
    paint::roundedRectangle(cr, -10, -2, 20, 20, 6);
}

void endHand(Context& context)
{
    Canvas canvas(handSize, handSize);
    cairo_t* cr = canvas.cr();
    const double c = handSize / 2.0;
    paint::softGlow(cr, c, c + 1, c, Colour::bytes(4, 6, 12, 0.6));
    cairo_new_path(cr);
    cairo_arc(cr, c, c, 26.5, 0, 2 * pi);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    Pattern slate = paint::linearGradient(0, c - 26, 0, c + 26, {{0.0, slateTop}, {1.0, slateBottom}});
    cairo_arc(cr, c, c, 25.5, 0, 2 * pi);
    cairo_set_source(cr, slate.get());
    cairo_fill(cr);
    Pattern rim = paint::linearGradient(0, c - 26, 0, c + 26, {{0.0, goldLight}, {1.0, goldDeep}});
    cairo_arc(cr, c, c, 24.0, 0, 2 * pi);
    cairo_set_line_width(cr, 2.6);
    cairo_set_source(cr, rim.get());
    cairo_stroke(cr);

    // Stroked all over first, then filled: the fill covers the outlines inside the hand, and
    // the hairline left between touching fingers sets them apart.
    cairo_save(cr);
    cairo_translate(cr, c + 1.0, c - 1.0);
    cairo_new_path(cr);
    handPath(cr);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    Pattern gilt = paint::linearGradient(-12, -16, 10, 18, {{0.0, goldPale}, {0.5, goldLight}, {1.0, gold}});
    cairo_set_source(cr, gilt.get());
    cairo_fill(cr);
    cairo_restore(cr);
    context.save(canvas, "gfx/gui/mainGame/end-hand.png");
}

// ---------------------------------------------------------------------------------------------
// end-combo.png: drawn over the deck's top card while a long drive can be cashed in: three
// stacks of gold coins in a burst of light, card-sized, with a gold coin face-on in front.

constexpr int comboWidth = 110;
constexpr int comboHeight = 150;

void endCombo(Context& context)
{
    Canvas canvas(comboWidth, comboHeight);
    cairo_t* cr = canvas.cr();
    const double cx = comboWidth / 2.0;
    const double cy = 82.0;
    // The burst: a warm glow and rays turning about the hoard.
    // Both die out before the picture's edges.
    const double reach = comboWidth / 2.0;
    paint::softGlow(cr, cx, cy, reach, goldLight.withAlpha(0.8));
    Pattern fade = paint::radialGradient(cx, cy, 8, reach,
                                         {{0.0, goldLight.withAlpha(0.75)}, {1.0, goldLight.withAlpha(0.0)}});
    for (int i = 0; i < 16; ++i) {
        const double a = 2.0 * pi * i / 16.0 + 0.1;
        const double spread = i % 2 == 0 ? 0.09 : 0.05;
        cairo_new_path(cr);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + reach * std::cos(a - spread), cy + reach * std::sin(a - spread));
        cairo_line_to(cr, cx + reach * std::cos(a + spread), cy + reach * std::sin(a + spread));
        cairo_close_path(cr);
        cairo_set_source(cr, fade.get());
        cairo_fill(cr);
    }

    coinStack(cr, cx, 104, 15, 9);
    coinStack(cr, cx - 26, 118, 14, 5);
    coinStack(cr, cx + 26, 116, 14, 7);
    coinFace(cr, cx, 116, 18, goldMetal, Stamp::Moon);
    glint(cr, 24, 56, 8);
    glint(cr, 88, 44, 10);
    glint(cr, 60, 28, 6);
    context.save(canvas, "gfx/gui/mainGame/end-combo.png");
}

// ---------------------------------------------------------------------------------------------
// gfx/resources/: what flies into the cash panel, spinning; 1 is the drive's copper coin.

constexpr int resourceSize = 36;

void coinResource(Context& context, int k, const Metal& metal, Stamp stamp)
{
    Canvas canvas(resourceSize, resourceSize);
    const double c = resourceSize / 2.0;
    paint::softGlow(canvas.cr(), c + 0.5, c + 1.5, c, Colour::bytes(4, 6, 12, 0.5));
    coinFace(canvas.cr(), c, c, 15.0, metal, stamp);
    context.save(canvas, "gfx/resources/res-" + std::to_string(k) + ".png");
}

// A blue gem cut as an octagon seen from above: a flat table in the middle, facets round it.
void gemResource(Context& context)
{
    Canvas canvas(resourceSize, resourceSize);
    cairo_t* cr = canvas.cr();
    const double c = resourceSize / 2.0;
    paint::softGlow(cr, c + 0.5, c + 1.5, c, Colour::bytes(4, 6, 12, 0.5));
    const Colour pale = Colour::bytes(190, 228, 255);
    const Colour blue = Colour::bytes(56, 120, 228);
    const Colour deep = Colour::bytes(18, 40, 128);
    auto corner = [&](double r, int i) {
        const double a = -pi / 2.0 + pi / 8.0 + 2.0 * pi * i / 8.0;
        return std::array<double, 2>{c + r * std::cos(a), c + r * std::sin(a)};
    };
    const double outer = 15.0;
    const double table = 7.5;
    cairo_new_path(cr);
    for (int i = 0; i < 8; ++i) {
        const auto p = corner(outer + 1.0, i);
        cairo_line_to(cr, p[0], p[1]);
    }
    cairo_close_path(cr);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    // The facets, lit from the upper left: each between two outer corners and the table.
    for (int i = 0; i < 8; ++i) {
        const auto a = corner(outer, i);
        const auto b = corner(outer, i + 1);
        const auto ta = corner(table, i);
        const auto tb = corner(table, i + 1);
        const double facing = std::cos(-pi / 2.0 + pi / 8.0 + 2.0 * pi * (i + 0.5) / 8.0 + 3.0 * pi / 4.0);
        const Colour shade = facing > 0.0 ? blue.mix(pale, facing * 0.8) : blue.mix(deep, -facing);
        cairo_new_path(cr);
        cairo_move_to(cr, a[0], a[1]);
        cairo_line_to(cr, b[0], b[1]);
        cairo_line_to(cr, tb[0], tb[1]);
        cairo_line_to(cr, ta[0], ta[1]);
        cairo_close_path(cr);
        paint::setColour(cr, shade);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.6);
        paint::setColour(cr, deep.withAlpha(0.8));
        cairo_stroke(cr);
    }
    Pattern top =
        paint::linearGradient(c - table, c - table, c + table, c + table, {{0.0, pale}, {1.0, blue}});
    cairo_new_path(cr);
    for (int i = 0; i < 8; ++i) {
        const auto p = corner(table, i);
        cairo_line_to(cr, p[0], p[1]);
    }
    cairo_close_path(cr);
    cairo_set_source(cr, top.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.7);
    paint::setColour(cr, deep.withAlpha(0.7));
    cairo_stroke(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    paint::softGlow(cr, c - 4.5, c - 4.5, 5.5, Colour{1, 1, 1, 0.7});
    context.save(canvas, "gfx/resources/res-4.png");
}
} // namespace

void addHudLights(Registry& registry)
{
    for (int k = 1; k <= 4; ++k) {
        registry.add("hud", "gfx/gui/mainGame/bulb-" + std::to_string(k) + ".png",
                     [k](Context& c) { multiplierBulb(c, k); });
    }
    registry.add("hud", "gfx/gui/mainGame/bulb-small.png", [](Context& c) {
        c.save(bulb(14, 5.0, deadSmall, 0.0), "gfx/gui/mainGame/bulb-small.png");
    });
    registry.add("hud", "gfx/gui/mainGame/bulb-small-2.png", [](Context& c) {
        c.save(bulb(14, 4.6, litSmall, 0.95), "gfx/gui/mainGame/bulb-small-2.png");
    });
    registry.add("hud", "gfx/gui/mainGame/bulb-green.png", [](Context& c) {
        c.save(bulb(40, 12.0, greenGlass, 0.6), "gfx/gui/mainGame/bulb-green.png");
    });
    registry.add("hud", "gfx/gui/mainGame/bulb-deckholder.png", [](Context& c) {
        c.save(glowPicture(16, goldLight.withAlpha(0.8)), "gfx/gui/mainGame/bulb-deckholder.png");
    });
    registry.add("hud", "gfx/effects/poswiata-1.png", [](Context& c) {
        c.save(glowPicture(64, goldPale.withAlpha(0.85)), "gfx/effects/poswiata-1.png");
    });
    registry.add("hud", "gfx/effects/poswiata-2.png", [](Context& c) {
        c.save(glowPicture(64, Colour::bytes(200, 220, 255, 0.85)), "gfx/effects/poswiata-2.png");
    });
    registry.add("hud", "gfx/gui/mainGame/end-hand.png", endHand);
    registry.add("hud", "gfx/gui/mainGame/end-combo.png", endCombo);
    registry.add("hud", "gfx/resources/res-1.png",
                 [](Context& c) { coinResource(c, 1, copper, Stamp::Moon); });
    registry.add("hud", "gfx/resources/res-2.png",
                 [](Context& c) { coinResource(c, 2, silver, Stamp::Star); });
    registry.add("hud", "gfx/resources/res-3.png",
                 [](Context& c) { coinResource(c, 3, goldMetal, Stamp::Sun); });
    registry.add("hud", "gfx/resources/res-4.png", gemResource);
}
} // namespace contentgen::gui
