// AwardArt.cpp: the "awards" group: the medallions of the ten awards
// (gfx/gui/awards/award-1.png to award-10.png) and the empty socket shown for an award not yet
// won (award-none.png), 64 x 64, held by their middle, on nothing.
//
// Three families, each with its own rim and field, and within a family the metal rises from
// copper to silver to gold:
//   1-3  the stages: a laurel wreath round a night-blue field whose moon waxes from a crescent
//        (apprentice) to a gibbous moon (journeyman) to the full moon (master);
//   4-7  the long drives: a rayed rim round an ember-red field with one, two and three flames,
//        and then a white-hot blue blaze of five on a night field, its rim set with rubies;
//   8-10 the clean tables: a beaded rim round green baize holding one, three and five stars.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "HudArt.hpp"
#include "Paint.hpp"
#include "Registry.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
using namespace gui; // the palette, the metals, moons and stars

constexpr double pi = std::numbers::pi;
constexpr int medalSize = 64;
constexpr double centre = medalSize / 2.0;

enum class Rim
{
    Laurel,
    Rays,
    Beads
};

Pattern metalFill(const Metal& metal, double r)
{
    return paint::linearGradient(centre - r, centre - r, centre + r, centre + r,
                                 {{0.0, metal.light}, {0.45, metal.mid}, {1.0, metal.deep}});
}

void inkedFill(cairo_t* cr, const Pattern& fill, double width)
{
    cairo_set_source(cr, fill.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
}

// The rim of a medallion, out to radius 30, and the field inside it to `field`.
void rim(cairo_t* cr, Rim kind, const Metal& metal, double field)
{
    const Pattern fill = metalFill(metal, 30.0);
    switch (kind) {
    case Rim::Rays:
        // Sixteen short rays behind a plain ring.
        cairo_new_path(cr);
        starPath(cr, centre, centre, 30.5, 24.0, 16);
        inkedFill(cr, fill, 1.3);
        cairo_new_path(cr);
        cairo_arc(cr, centre, centre, 25.0, 0, 2 * pi);
        inkedFill(cr, fill, 1.3);
        break;
    case Rim::Beads:
        cairo_new_path(cr);
        cairo_arc(cr, centre, centre, 28.0, 0, 2 * pi);
        inkedFill(cr, fill, 1.4);
        for (int k = 0; k < 20; ++k) {
            const double a = 2.0 * pi * k / 20.0;
            cairo_new_path(cr);
            cairo_arc(cr, centre + 24.8 * std::cos(a), centre + 24.8 * std::sin(a), 1.7, 0, 2 * pi);
            paint::setColour(cr, metal.light);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 0.6);
            paint::setColour(cr, metal.deep);
            cairo_stroke(cr);
        }
        break;
    case Rim::Laurel:
        cairo_new_path(cr);
        cairo_arc(cr, centre, centre, 23.0, 0, 2 * pi);
        inkedFill(cr, fill, 1.3);
        // Two branches of leaves rising from the foot round both sides to meet at the top.
        for (const double side : {-1.0, 1.0}) {
            for (int k = 0; k < 7; ++k) {
                const double a = pi / 2.0 + side * (0.35 + k * 0.36);
                const double lx = centre + 25.5 * std::cos(a);
                const double ly = centre + 25.5 * std::sin(a);
                cairo_save(cr);
                cairo_translate(cr, lx, ly);
                cairo_rotate(cr, a + side * pi / 2.0 + side * 0.5);
                cairo_new_path(cr);
                cairo_move_to(cr, -6.0, 0);
                cairo_curve_to(cr, -2.0, -3.6, 2.0, -3.6, 6.0, 0);
                cairo_curve_to(cr, 2.0, 3.6, -2.0, 3.6, -6.0, 0);
                cairo_close_path(cr);
                cairo_restore(cr);
                inkedFill(cr, fill, 1.0);
            }
        }
        // The ribbon tying them at the foot.
        cairo_new_path(cr);
        cairo_move_to(cr, centre - 8, 56);
        cairo_line_to(cr, centre + 8, 56);
        cairo_line_to(cr, centre + 11, 62);
        cairo_line_to(cr, centre, 59);
        cairo_line_to(cr, centre - 11, 62);
        cairo_close_path(cr);
        inkedFill(cr,
                  paint::linearGradient(
                      0, 56, 0, 62, {{0.0, Colour::bytes(90, 130, 220)}, {1.0, Colour::bytes(30, 50, 120)}}),
                  1.0);
        break;
    }
    // The field, sunk a little below the rim.
    cairo_new_path(cr);
    cairo_arc(cr, centre, centre, field + 1.2, 0, 2 * pi);
    paint::setColour(cr, ink);
    cairo_fill(cr);
}

void field(cairo_t* cr, double r, const Colour& colour)
{
    cairo_new_path(cr);
    cairo_arc(cr, centre, centre, r, 0, 2 * pi);
    Pattern fill = paint::radialGradient(centre, centre - r * 0.35, 0.0, r * 1.3,
                                         {{0.0, colour.scaled(1.7)}, {1.0, colour.scaled(0.65)}});
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
    // Shade under the rim's upper edge.
    Pattern shade = paint::linearGradient(0, centre - r, 0, centre,
                                          {{0.0, Colour{0, 0, 0, 0.45}}, {1.0, Colour{0, 0, 0, 0.0}}});
    cairo_arc(cr, centre, centre, r, 0, 2 * pi);
    cairo_set_source(cr, shade.get());
    cairo_fill(cr);
}

// A glint of light on the rim at the upper left, over everything.
void shine(cairo_t* cr)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    paint::softGlow(cr, centre - 15, centre - 16, 9, Colour{1, 1, 1, 0.45});
    cairo_restore(cr);
}

Canvas withShadow(const Canvas& art)
{
    Canvas canvas(medalSize, medalSize);
    canvas.paint(paint::shadowOf(art, 1.6, Colour{0, 0, 0, 0.55}), 0.0, 1.2);
    canvas.paint(art);
    return canvas;
}

// 1-3: the laurel, and the moon waxing with the award.
Canvas stageMedal(const Metal& metal, double bite)
{
    Canvas art(medalSize, medalSize);
    cairo_t* cr = art.cr();
    rim(cr, Rim::Laurel, metal, 17.0);
    field(cr, 17.0, night);
    cairo_new_path(cr);
    moonPath(cr, centre, centre, 11.0, bite);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    Pattern moon = paint::linearGradient(centre - 11, centre - 11, centre + 11, centre + 11,
                                         {{0.0, goldPale}, {0.5, goldLight}, {1.0, gold}});
    cairo_set_source(cr, moon.get());
    cairo_fill(cr);
    shine(cr);
    return withShadow(art);
}

// A flame of height h standing on (x, base), leaning a little by `lean`.
// The colours of a fire from its outer tongue in to its heart, and the field it burns on.
struct Fire
{
    Colour tip;
    Colour outer;
    Colour inner;
    Colour heart;
    Colour field;
    Colour glow;
};
constexpr Fire redFire{Colour::bytes(220, 40, 20),  Colour::bytes(255, 150, 40),
                       Colour::bytes(255, 214, 80), Colour::bytes(255, 250, 220),
                       Colour::bytes(96, 20, 14),   Colour::bytes(255, 120, 30, 0.5)};
// The longest drives burn white-hot and blue.
constexpr Fire blueFire{Colour::bytes(40, 70, 220),   Colour::bytes(90, 170, 255),
                        Colour::bytes(190, 235, 255), Colour::bytes(255, 255, 255),
                        Colour::bytes(18, 24, 70),    Colour::bytes(80, 150, 255, 0.55)};

void flame(cairo_t* cr, const Fire& fire, double x, double base, double h, double lean)
{
    const double w = h * 0.38;
    auto tongue = [&](double k) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, base);
        cairo_curve_to(cr, x - w * k * 1.2, base, x - w * k * 1.1, base - h * k * 0.5, x - w * k * 0.2,
                       base - h * k * 0.75);
        cairo_curve_to(cr, x - w * k * 0.1, base - h * k * 0.85, x + lean * k, base - h * k * 0.9,
                       x + lean * k, base - h * k);
        cairo_curve_to(cr, x + w * k * 0.5, base - h * k * 0.7, x + w * k * 1.2, base - h * k * 0.4,
                       x + w * k * 1.0, base - h * k * 0.15);
        cairo_curve_to(cr, x + w * k * 0.9, base, x + w * k * 0.4, base, x, base);
        cairo_close_path(cr);
    };
    tongue(1.0);
    Pattern outer = paint::linearGradient(0, base - h, 0, base, {{0.0, fire.tip}, {1.0, fire.outer}});
    cairo_set_source(cr, outer.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    tongue(0.62);
    paint::setColour(cr, fire.inner);
    cairo_fill(cr);
    tongue(0.32);
    paint::setColour(cr, fire.heart);
    cairo_fill(cr);
}

// 4-7: the rayed rim round one, two or three flames, the tallest in the middle, or round the
// hottest blaze, blue, with rubies in the rim.
Canvas driveMedal(const Metal& metal, int flames, bool hottest)
{
    Canvas art(medalSize, medalSize);
    cairo_t* cr = art.cr();
    rim(cr, Rim::Rays, metal, 19.5);
    const Fire& fire = hottest ? blueFire : redFire;
    field(cr, 19.5, fire.field);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    paint::softGlow(cr, centre, centre + 4, 16, fire.glow);
    cairo_restore(cr);
    // Where each flame stands, by how many there are: the outer ones first, so the middle one
    // stands in front.
    struct Tongue
    {
        double x, h, lean;
    };
    std::vector<Tongue> tongues;
    switch (flames) {
    case 1: tongues = {{centre, 24, 1.5}}; break;
    case 2: tongues = {{centre - 6, 20, -2}, {centre + 6, 23, 2}}; break;
    case 3: tongues = {{centre - 9, 17, -2.5}, {centre + 9, 17, 2.5}, {centre, 26, 1}}; break;
    default:
        tongues = {{centre - 12, 13, -3},
                   {centre + 12, 13, 3},
                   {centre - 5, 20, -1.5},
                   {centre + 5, 20, 1.5},
                   {centre, 28, 0.5}};
        break;
    }
    for (const Tongue& t : tongues) {
        flame(cr, fire, t.x, centre + 14, t.h, t.lean);
    }
    // The embers they burn on.
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, centre, centre + 14.5);
    cairo_scale(cr, 6.0 + 3.0 * flames, 3.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
    inkedFill(cr,
              paint::linearGradient(0, centre + 11, 0, centre + 18,
                                    {{0.0, Colour::bytes(255, 170, 60)}, {1.0, Colour::bytes(120, 30, 10)}}),
              1.0);
    if (hottest) {
        for (int k = 0; k < 4; ++k) {
            const double a = pi / 4.0 + k * pi / 2.0;
            const double gx = centre + 22.2 * std::cos(a);
            const double gy = centre + 22.2 * std::sin(a);
            cairo_new_path(cr);
            cairo_arc(cr, gx, gy, 3.0, 0, 2 * pi);
            Pattern ruby = paint::radialGradient(
                gx - 1, gy - 1, 0, 3.2,
                {{0.0, Colour::bytes(255, 160, 170)}, {1.0, Colour::bytes(150, 0, 30)}});
            inkedFill(cr, ruby, 0.8);
        }
    }
    shine(cr);
    return withShadow(art);
}

// 8-10: the beaded rim, green baize, and stars laid on it.
Canvas perfectMedal(const Metal& metal, int stars)
{
    Canvas art(medalSize, medalSize);
    cairo_t* cr = art.cr();
    rim(cr, Rim::Beads, metal, 21.0);
    field(cr, 21.0, Colour::bytes(20, 92, 52));
    auto star = [&](double x, double y, double r) {
        cairo_new_path(cr);
        starPath(cr, x, y, r, r * 0.45, 5);
        Pattern gilt = paint::linearGradient(x - r, y - r, x + r, y + r,
                                             {{0.0, goldPale}, {0.5, goldLight}, {1.0, gold}});
        inkedFill(cr, gilt, 1.0);
    };
    switch (stars) {
    case 1: star(centre, centre + 1, 14.0); break;
    case 3:
        star(centre - 10, centre + 5, 7.5);
        star(centre + 10, centre + 5, 7.5);
        star(centre, centre - 6, 10.0);
        break;
    default:
        for (int k = 0; k < 5; ++k) {
            const double a = -pi / 2.0 + 2.0 * pi * k / 5.0;
            star(centre + 12.0 * std::cos(a), centre + 12.0 * std::sin(a), 6.0);
        }
        cairo_new_path(cr);
        cairo_arc(cr, centre, centre, 4.2, 0, 2 * pi);
        inkedFill(
            cr,
            paint::radialGradient(centre - 1.2, centre - 1.2, 0, 4.5,
                                  {{0.0, Colour::bytes(220, 250, 255)}, {1.0, Colour::bytes(40, 130, 210)}}),
            0.9);
        break;
    }
    shine(cr);
    return withShadow(art);
}

// award-none.png: the socket an award would sit in: a dull ring round a dark hollow, faint.
Canvas emptySocket()
{
    Canvas canvas(medalSize, medalSize);
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_arc(cr, centre, centre, 28.0, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(20, 16, 14, 0.75));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre, centre, 26.0, 0, 2 * pi);
    cairo_set_line_width(cr, 3.0);
    paint::setColour(cr, Colour::bytes(92, 84, 74, 0.85));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre, centre, 22.0, 0, 2 * pi);
    Pattern hollow = paint::radialGradient(
        centre, centre + 6, 0, 26,
        {{0.0, Colour::bytes(46, 42, 44, 0.9)}, {1.0, Colour::bytes(10, 10, 14, 0.95)}});
    cairo_set_source(cr, hollow.get());
    cairo_fill(cr);
    // The faint print of a medal that is not there yet.
    cairo_new_path(cr);
    starPath(cr, centre, centre, 11.0, 5.0, 5);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, Colour::bytes(120, 110, 96, 0.45));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre, centre, 26.0, pi * 1.05, pi * 1.45);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::setColour(cr, Colour{1, 1, 1, 0.18});
    cairo_stroke(cr);
    return canvas;
}

std::string awardPath(int id)
{
    return "gfx/gui/awards/award-" + std::to_string(id) + ".png";
}
} // namespace

void addAwardArt(Registry& registry)
{
    const Metal metals[] = {copper, silver, goldMetal};
    for (int k = 0; k < 3; ++k) {
        const double bite = std::array{0.5, 1.45, 2.0}[static_cast<std::size_t>(k)];
        registry.add("awards", awardPath(1 + k), [k, bite, metal = metals[k]](Context& c) {
            c.save(stageMedal(metal, bite), awardPath(1 + k));
        });
    }
    for (int k = 0; k < 4; ++k) {
        registry.add("awards", awardPath(4 + k), [k, metal = metals[std::min(k, 2)]](Context& c) {
            c.save(driveMedal(metal, k + 1, k == 3), awardPath(4 + k));
        });
    }
    for (int k = 0; k < 3; ++k) {
        registry.add("awards", awardPath(8 + k), [k, metal = metals[k]](Context& c) {
            c.save(perfectMedal(metal, 1 + 2 * k), awardPath(8 + k));
        });
    }
    registry.add("awards", "gfx/gui/awards/award-none.png",
                 [](Context& c) { c.save(emptySocket(), "gfx/gui/awards/award-none.png"); });
}
} // namespace contentgen
