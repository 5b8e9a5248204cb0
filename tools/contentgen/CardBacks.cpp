// CardBacks.cpp: the five card backs, the golden back of magic cards, and the hammer card
// (the special card that unlocks rocks), which the game draws at half scale.

#include "CardBacks.hpp"
#include "CardArt.hpp"

#include "Context.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "ValueNoise.hpp"

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace contentgen::cards
{
namespace
{
constexpr double pi = std::numbers::pi;
constexpr double cx = width / 2.0;
constexpr double cy = height / 2.0;

// The frame every back carries: a band of `colour` inside the edge and a fine line inside that.
void backFrame(cairo_t* cr, const Colour& band, const Colour& line)
{
    outline(cr, 5.0);
    cairo_set_line_width(cr, 2.0);
    paint::setColour(cr, band);
    cairo_stroke(cr);
    outline(cr, 7.6);
    cairo_set_line_width(cr, 0.8);
    paint::setColour(cr, line);
    cairo_stroke(cr);
}

// Clips to the area inside the frame.
void clipInside(cairo_t* cr)
{
    outline(cr, 6.0);
    cairo_clip(cr);
}

// Adds per-pixel noise to a picture (cloudy, in channel steps), keeping its alpha.
void mottle(Image& image, std::uint64_t seed, double scale, double strength)
{
    const ValueNoise noise(seed);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double k = (noise.fbm(x / scale, y / scale, 4) - 0.5) * 2.0 * strength;
            Pixel& p = image.at(x, y);
            p.r = toByte(p.r + k);
            p.g = toByte(p.g + k);
            p.b = toByte(p.b + k);
        }
    }
}

Image finishBack(const Canvas& canvas)
{
    edge(canvas.cr(), ink, 1.3);
    return cutToOutline(canvas);
}

// A gold medallion ring of radius r at the centre, with a dark rim so it stands off the pattern.
void medallionRing(cairo_t* cr, double r, const Colour& field)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    paint::setColour(cr, field);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3.4);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.0);
    Pattern gilt = paint::linearGradient(cx - r, cy - r, cx + r, cy + r, {{0.0, goldLight}, {1.0, goldDeep}});
    cairo_set_source(cr, gilt.get());
    cairo_stroke(cr);
}

// ---------------------------------------------------------------------------------------------
// revers-1: deep blue with a gold lattice and the Eldmere emblem, a crescent over still water.

void emblem(cairo_t* cr, double r)
{
    const Colour night = Colour::bytes(14, 26, 66);
    medallionRing(cr, r, night);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r - 1.0, 0, 2 * pi);
    cairo_clip(cr);
    // Hills and water.
    cairo_move_to(cr, cx - r, cy + 3);
    cairo_curve_to(cr, cx - r * 0.5, cy - 3, cx - r * 0.2, cy, cx, cy + 1);
    cairo_curve_to(cr, cx + r * 0.3, cy - 4, cx + r * 0.6, cy - 2, cx + r, cy + 2);
    cairo_line_to(cr, cx + r, cy + 4);
    cairo_line_to(cr, cx - r, cy + 4);
    cairo_close_path(cr);
    paint::setColour(cr, Colour::bytes(46, 78, 44));
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 2; ++i) {
        const double y = cy + 8.0 + i * 5.0;
        const double half = 8.0 - i * 2.5;
        cairo_move_to(cr, cx - half, y);
        cairo_line_to(cr, cx + half, y);
        cairo_set_line_width(cr, 1.6);
        paint::setColour(cr, gold.withAlpha(0.9 - 0.3 * i));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // The crescent, in gold.
    cairo_save(cr);
    cairo_translate(cr, cx, cy - 6.5);
    cairo_scale(cr, 11.0, 11.0);
    suitPath(cr, Suit::Moons);
    cairo_restore(cr);
    Pattern moon = paint::linearGradient(cx - 6, cy - 12, cx + 6, cy, {{0.0, goldLight}, {1.0, gold}});
    cairo_set_source(cr, moon.get());
    cairo_fill(cr);
}

Image backLattice()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Pattern cloth = paint::linearGradient(
        0, 0, width, height, {{0.0, Colour::bytes(36, 66, 146)}, {1.0, Colour::bytes(12, 24, 70)}});
    cairo_set_source(cr, cloth.get());
    cairo_paint(cr);
    cairo_save(cr);
    clipInside(cr);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, gold.withAlpha(0.55));
    constexpr double step = 12.0;
    for (double k = -height; k <= 2 * height; k += step) {
        cairo_move_to(cr, -10, k);
        cairo_line_to(cr, width + 10, k + (width + 20) * 1.2);
        cairo_move_to(cr, -10, k);
        cairo_line_to(cr, width + 10, k - (width + 20) * 1.2);
    }
    cairo_stroke(cr);
    // Gold studs where the lines cross, and a darker diamond in each cell.
    for (int j = -2; j < 16; ++j) {
        for (int i = -2; i < 12; ++i) {
            const double x = cx + (i - 5) * step / 1.2 + ((j % 2 == 0) ? 0.0 : step / 2.4);
            const double y = cy + (j - 7) * step / 2.0;
            cairo_arc(cr, x, y, 1.2, 0, 2 * pi);
            paint::setColour(cr, goldLight.withAlpha(0.8));
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    backFrame(cr, gold, goldLight.withAlpha(0.7));
    emblem(cr, 18.0);
    return finishBack(canvas);
}

// ---------------------------------------------------------------------------------------------
// revers-2: moss green with a woven knotwork of pale ribbons and three linked gold rings.

void ribbon(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& fill)
{
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_width(cr, 5.2);
    paint::setColour(cr, Colour::bytes(16, 34, 14));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3.2);
    paint::setColour(cr, fill);
    cairo_stroke(cr);
}

Image backKnotwork()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Pattern cloth = paint::linearGradient(
        0, 0, width, height, {{0.0, Colour::bytes(82, 124, 60)}, {1.0, Colour::bytes(30, 58, 28)}});
    cairo_set_source(cr, cloth.get());
    cairo_paint(cr);
    cairo_save(cr);
    clipInside(cr);
    // A weave: ribbons one way, ribbons the other way, then the first ribbons again at every
    // other crossing so each ribbon goes over, under, over.
    constexpr double step = 16.0;
    const Colour pale = Colour::bytes(150, 178, 104);
    const Colour pale2 = Colour::bytes(128, 160, 88);
    auto line = [&](double k, int dir) {
        // dir +1: down-right, -1: up-right; k is where it crosses x = cx.
        const double x0 = -20.0;
        const double x1 = width + 20.0;
        ribbon(cr, x0, k + dir * (x0 - cx), x1, k + dir * (x1 - cx), dir > 0 ? pale : pale2);
    };
    for (double k = cy - 10 * step; k <= cy + 10 * step; k += step) {
        line(k, 1);
    }
    for (double k = cy - 10 * step + step / 2.0; k <= cy + 10 * step; k += step) {
        line(k, -1);
    }
    // Crossings of line a (dir +1, through (cx, a)) and line b (dir -1, through (cx, b)):
    // x = cx + (b - a) / 2, y = (a + b) / 2.
    int n = 0;
    for (double a = cy - 10 * step; a <= cy + 10 * step; a += step) {
        int m = 0;
        for (double b = cy - 10 * step + step / 2.0; b <= cy + 10 * step; b += step) {
            if ((n + m) % 2 == 0) {
                const double x = cx + (b - a) / 2.0;
                const double y = (a + b) / 2.0;
                ribbon(cr, x - 3.6, y - 3.6, x + 3.6, y + 3.6, pale);
            }
            ++m;
        }
        ++n;
    }
    cairo_restore(cr);
    backFrame(cr, gold, goldLight.withAlpha(0.7));
    // Three linked rings in the middle.
    medallionRing(cr, 19.0, Colour::bytes(30, 60, 28));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double rr = 7.5;
    std::array<std::pair<double, double>, 3> centres{};
    for (int i = 0; i < 3; ++i) {
        const double a = -pi / 2 + i * 2 * pi / 3;
        centres[static_cast<std::size_t>(i)] = {cx + 5.2 * std::cos(a), cy + 5.2 * std::sin(a)};
    }
    for (const auto& [x, y] : centres) {
        cairo_arc(cr, x, y, rr, 0, 2 * pi);
        cairo_set_line_width(cr, 3.6);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 2.0);
        paint::setColour(cr, gold);
        cairo_stroke(cr);
    }
    return finishBack(canvas);
}

// ---------------------------------------------------------------------------------------------
// revers-3: burgundy damask, rows of quatrefoils, a gold eight-pointed star.

void quatrefoil(cairo_t* cr, double x, double y, double r)
{
    for (int i = 0; i < 4; ++i) {
        const double a = i * pi / 2;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + r * std::cos(a), y + r * std::sin(a), r, 0, 2 * pi);
    }
}

void eightStar(cairo_t* cr, double r, double inner)
{
    cairo_new_path(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = i * pi / 8 - pi / 2;
        const double k = (i % 2 == 0) ? r : inner;
        cairo_line_to(cr, cx + k * std::cos(a), cy + k * std::sin(a));
    }
    cairo_close_path(cr);
}

Image backDamask()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Pattern cloth = paint::radialGradient(
        cx, cy, 0, 90, {{0.0, Colour::bytes(150, 34, 52)}, {1.0, Colour::bytes(66, 10, 24)}});
    cairo_set_source(cr, cloth.get());
    cairo_paint(cr);
    cairo_save(cr);
    clipInside(cr);
    for (int j = -1; j < 11; ++j) {
        for (int i = -1; i < 8; ++i) {
            const double x = 8.0 + i * 16.0 + ((j % 2 == 0) ? 0.0 : 8.0);
            const double y = 6.0 + j * 14.0;
            cairo_new_path(cr);
            quatrefoil(cr, x, y, 2.6);
            paint::setColour(cr, Colour::bytes(200, 80, 90, 0.35));
            cairo_fill(cr);
            cairo_arc(cr, x, y, 1.0, 0, 2 * pi);
            paint::setColour(cr, gold.withAlpha(0.7));
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    backFrame(cr, gold, goldLight.withAlpha(0.7));
    medallionRing(cr, 20.0, Colour::bytes(90, 14, 32));
    Pattern gilt =
        paint::linearGradient(cx - 16, cy - 16, cx + 16, cy + 16, {{0.0, goldLight}, {1.0, goldDeep}});
    eightStar(cr, 15.0, 6.5);
    cairo_set_source(cr, gilt.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 3.0, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(150, 20, 40));
    cairo_fill(cr);
    return finishBack(canvas);
}

// ---------------------------------------------------------------------------------------------
// revers-4: the night sky over the Eldmere, stars and a crescent above a dark shore.

Image backNight()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    const double shore = 100.0;
    Pattern sky = paint::linearGradient(0, 0, 0, shore,
                                        {{0.0, Colour::bytes(10, 14, 42)},
                                         {0.7, Colour::bytes(30, 32, 84)},
                                         {1.0, Colour::bytes(66, 60, 118)}});
    cairo_set_source(cr, sky.get());
    cairo_paint(cr);
    Random random(0x5ea75);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 70; ++i) {
        const double x = random.range(6, width - 6);
        const double y = random.range(6, shore - 6);
        const double size = std::pow(random.uniform(), 3.0);
        paint::softGlow(cr, x, y, 1.3 + 2.8 * size, Colour::bytes(220, 226, 255, 0.5 + 0.5 * size));
    }
    paint::softGlow(cr, 64, 34, 28, Colour::bytes(150, 150, 210, 0.35));
    cairo_restore(cr);
    // The moon.
    cairo_save(cr);
    cairo_translate(cr, 64, 34);
    cairo_rotate(cr, -0.5);
    cairo_scale(cr, 22, 22);
    suitPath(cr, Suit::Moons);
    cairo_restore(cr);
    Pattern moon = paint::linearGradient(
        54, 24, 74, 44, {{0.0, Colour::bytes(255, 250, 226)}, {1.0, Colour::bytes(226, 212, 170)}});
    cairo_set_source(cr, moon.get());
    cairo_fill(cr);
    // Far hills, the water, the moon's path.
    cairo_move_to(cr, 0, shore - 4);
    cairo_curve_to(cr, 20, shore - 16, 34, shore - 6, 48, shore - 9);
    cairo_curve_to(cr, 64, shore - 14, 80, shore - 6, width, shore - 10);
    cairo_line_to(cr, width, shore);
    cairo_line_to(cr, 0, shore);
    cairo_close_path(cr);
    paint::setColour(cr, Colour::bytes(20, 24, 52));
    cairo_fill(cr);
    Pattern water = paint::linearGradient(
        0, shore, 0, height, {{0.0, Colour::bytes(34, 36, 84)}, {1.0, Colour::bytes(10, 14, 40)}});
    cairo_rectangle(cr, 0, shore, width, height - shore);
    cairo_set_source(cr, water.get());
    cairo_fill(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 12; ++i) {
        const double y = shore + 3 + i * 3.0;
        const double half = 3.0 + i * 1.3 + random.range(0, 3);
        const double x = 64 + random.range(-3, 3);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, half, 1.0);
        paint::softGlow(cr, 0, 0, 1.0, Colour::bytes(255, 240, 200, 0.55 - 0.03 * i));
        cairo_restore(cr);
    }
    cairo_restore(cr);
    backFrame(cr, Colour::bytes(176, 186, 214), Colour::bytes(220, 226, 246, 0.6));
    return finishBack(canvas);
}

// ---------------------------------------------------------------------------------------------
// revers-5: a slate tablet with a carved ring of runes.

// A line cut into stone: a dark groove with a light lip below it.
void carve(cairo_t* cr, double w)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_translate(cr, 0.6, 0.8);
    cairo_set_line_width(cr, w);
    paint::setColour(cr, Colour::bytes(190, 204, 216, 0.7));
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, w);
    paint::setColour(cr, Colour::bytes(18, 22, 30, 0.95));
    cairo_stroke(cr);
}

// One of our runes: strokes on a small stave, chosen by `kind`.
void rune(cairo_t* cr, double x, double y, double h, int kind)
{
    const double w = h * 0.45;
    cairo_move_to(cr, x, y - h / 2);
    cairo_line_to(cr, x, y + h / 2);
    switch (kind % 5) {
    case 0:
        cairo_move_to(cr, x, y - h / 4);
        cairo_line_to(cr, x + w, y - h / 2);
        break;
    case 1:
        cairo_move_to(cr, x - w, y - h / 2);
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, x + w, y - h / 2);
        break;
    case 2:
        cairo_move_to(cr, x, y - h / 2);
        cairo_line_to(cr, x + w, y - h / 4);
        cairo_line_to(cr, x, y);
        break;
    case 3:
        cairo_move_to(cr, x - w, y - h / 4);
        cairo_line_to(cr, x + w, y + h / 4);
        break;
    default:
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + w, y + h / 2);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - w, y + h / 2);
        break;
    }
}

Image backSlate()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Pattern stone = paint::linearGradient(
        0, 0, width, height, {{0.0, Colour::bytes(100, 112, 126)}, {1.0, Colour::bytes(52, 60, 72)}});
    cairo_set_source(cr, stone.get());
    cairo_paint(cr);
    Image image = canvas.toImage();
    mottle(image, 0x51a7e, 18.0, 9.0);
    Canvas slate(image);
    cr = slate.cr();
    // Faint layering across the slate.
    Random random(0x51a7);
    for (int i = 0; i < 9; ++i) {
        const double y = random.range(8, height - 8);
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, 30, y + random.range(-4, 4), 60, y + random.range(-4, 4), width,
                       y + random.range(-5, 5));
        cairo_set_line_width(cr, 0.7);
        paint::setColour(cr, Colour::bytes(30, 36, 44, 0.35));
        cairo_stroke(cr);
    }
    outline(cr, 6.0);
    carve(cr, 1.4);
    cairo_arc(cr, cx, cy, 34, 0, 2 * pi);
    carve(cr, 1.3);
    cairo_arc(cr, cx, cy, 23, 0, 2 * pi);
    carve(cr, 1.3);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 2 * pi / 12 - pi / 2;
        cairo_save(cr);
        cairo_translate(cr, cx + 28.5 * std::cos(a), cy + 28.5 * std::sin(a));
        cairo_rotate(cr, a + pi / 2);
        rune(cr, 0, 0, 8.0, i * 3 + 1);
        cairo_restore(cr);
        carve(cr, 1.3);
    }
    // A great rune in the middle, its groove lit from within by a pale moss-green light.
    paint::softGlow(cr, cx, cy, 26, Colour::bytes(140, 220, 170, 0.45));
    rune(cr, cx - 3, cy, 28, 1);
    carve(cr, 2.6);
    rune(cr, cx - 3, cy, 28, 1);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, Colour::bytes(200, 250, 210, 0.85));
    cairo_stroke(cr);
    return finishBack(slate);
}

// ---------------------------------------------------------------------------------------------
// revers-gold-1: the magic cards' back, gold leaf with a sunburst and a jewelled star.

Image backGold()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Pattern leaf = paint::radialGradient(cx, cy, 0, 90,
                                         {{0.0, Colour::bytes(255, 236, 160)},
                                          {0.6, Colour::bytes(230, 184, 84)},
                                          {1.0, Colour::bytes(170, 118, 40)}});
    cairo_set_source(cr, leaf.get());
    cairo_paint(cr);
    // Sunburst wedges.
    for (int i = 0; i < 32; i += 2) {
        const double a0 = i * 2 * pi / 32;
        const double a1 = (i + 1) * 2 * pi / 32;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 140 * std::cos(a0), cy + 140 * std::sin(a0));
        cairo_line_to(cr, cx + 140 * std::cos(a1), cy + 140 * std::sin(a1));
        cairo_close_path(cr);
    }
    paint::setColour(cr, Colour::bytes(255, 246, 200, 0.28));
    cairo_fill(cr);
    Image image = canvas.toImage();
    mottle(image, 0x601d, 10.0, 6.0);
    Canvas gilded(image);
    cr = gilded.cr();
    outline(cr, 3.6);
    cairo_set_line_width(cr, 2.2);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
    outline(cr, 6.4);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, Colour::bytes(255, 250, 224));
    cairo_stroke(cr);
    paint::softGlow(cr, cx, cy, 40, Colour::bytes(255, 255, 236, 0.7));
    medallionRing(cr, 19.0, Colour::bytes(140, 30, 44));
    eightStar(cr, 15.0, 6.0);
    Pattern gilt = paint::linearGradient(cx - 15, cy - 15, cx + 15, cy + 15,
                                         {{0.0, Colour::bytes(255, 252, 226)}, {1.0, gold}});
    cairo_set_source(cr, gilt.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 3.2, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(60, 140, 230));
    cairo_fill(cr);
    // Corner jewels.
    for (const auto& [x, y] : std::array<std::pair<double, double>, 4>{
             {{5.0, 5.0}, {width - 5.0, 5.0}, {5.0, height - 5.0}, {width - 5.0, height - 5.0}}}) {
        cairo_move_to(cr, x, y - 3.2);
        cairo_line_to(cr, x + 3.2, y);
        cairo_line_to(cr, x, y + 3.2);
        cairo_line_to(cr, x - 3.2, y);
        cairo_close_path(cr);
        paint::setColour(cr, Colour::bytes(255, 250, 224));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.8);
        paint::setColour(cr, goldDeep);
        cairo_stroke(cr);
    }
    edge(cr, goldDeep.scaled(0.7), 1.3);
    return cutToOutline(gilded);
}

// ---------------------------------------------------------------------------------------------
// card-klucz: the hammer card on grey stone, a stonemason's hammer over a glowing rune. Drawn
// at twice the card size; the game shows it at half scale.

Image hammerCard()
{
    constexpr int s = 2;
    Canvas canvas(width * s, height * s);
    cairo_t* cr = canvas.cr();
    Pattern stone = paint::linearGradient(
        0, 0, width * s, height * s, {{0.0, Colour::bytes(170, 170, 164)}, {1.0, Colour::bytes(96, 96, 94)}});
    cairo_set_source(cr, stone.get());
    cairo_paint(cr);
    Image image = canvas.toImage();
    mottle(image, 0x57011e, 22.0, 14.0);
    Canvas card(image);
    cr = card.cr();
    cairo_scale(cr, s, s);
    // Speckle.
    Random random(0x5bec);
    for (int i = 0; i < 160; ++i) {
        const double x = random.range(0, width);
        const double y = random.range(0, height);
        cairo_arc(cr, x, y, random.range(0.25, 0.7), 0, 2 * pi);
        paint::setColour(cr, random.uniform() < 0.5 ? Colour::bytes(60, 60, 58, 0.5)
                                                    : Colour::bytes(220, 218, 210, 0.5));
        cairo_fill(cr);
    }
    outline(cr, 6.0);
    carve(cr, 1.5);

    // The rune: a stave through a lozenge, a hook at its head, in a ring; it glows gold.
    cairo_save(cr);
    paint::softGlow(cr, cx, cy + 6, 38, Colour::bytes(255, 214, 120, 0.55));
    cairo_restore(cr);
    auto runePath = [&] {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy + 6, 30, 0, 2 * pi);
        cairo_move_to(cr, cx, cy - 19);
        cairo_line_to(cr, cx, cy + 31);
        cairo_move_to(cr, cx, cy - 7);
        cairo_line_to(cr, cx + 12, cy + 6);
        cairo_line_to(cr, cx, cy + 19);
        cairo_line_to(cr, cx - 12, cy + 6);
        cairo_close_path(cr);
        cairo_move_to(cr, cx, cy - 19);
        cairo_line_to(cr, cx + 9, cy - 12);
    };
    runePath();
    carve(cr, 3.6);
    runePath();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, Colour::bytes(255, 222, 140, 0.95));
    cairo_stroke(cr);

    // The hammer, leaning: a wooden handle and an iron head, one face flat, the other a chisel.
    cairo_save(cr);
    cairo_translate(cr, cx + 12, cy + 10);
    cairo_rotate(cr, -0.45);
    cairo_scale(cr, 1.15, 1.15);
    // Shadow on the stone.
    cairo_save(cr);
    cairo_translate(cr, 3, 4);
    paint::roundedRectangle(cr, -3.6, -34, 7.2, 78, 3.2);
    paint::roundedRectangle(cr, -22, -46, 44, 15, 2.5);
    paint::setColour(cr, Colour::bytes(30, 30, 30, 0.35));
    cairo_fill(cr);
    cairo_restore(cr);
    Pattern wood = paint::linearGradient(-3.6, 0, 3.6, 0,
                                         {{0.0, Colour::bytes(196, 136, 74)},
                                          {0.5, Colour::bytes(150, 96, 46)},
                                          {1.0, Colour::bytes(100, 60, 28)}});
    paint::roundedRectangle(cr, -3.6, -36, 7.2, 80, 3.2);
    cairo_set_source(cr, wood.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    // Grain on the handle.
    cairo_set_line_width(cr, 0.6);
    paint::setColour(cr, Colour::bytes(90, 52, 24, 0.6));
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, -1.6 + i * 1.6, -28);
        cairo_curve_to(cr, -2.0 + i * 1.6, 0, -1.0 + i * 1.6, 20, -1.6 + i * 1.6, 40);
    }
    cairo_stroke(cr);
    // The head.
    Pattern iron = paint::linearGradient(0, -46, 0, -31,
                                         {{0.0, Colour::bytes(200, 206, 214)},
                                          {0.45, Colour::bytes(130, 138, 150)},
                                          {1.0, Colour::bytes(62, 66, 76)}});
    cairo_new_path(cr);
    cairo_move_to(cr, -24, -47);
    cairo_line_to(cr, -8, -45);
    cairo_line_to(cr, 8, -45);
    cairo_line_to(cr, 22, -42.5); // the chisel end narrows to an edge
    cairo_line_to(cr, 27, -38.5);
    cairo_line_to(cr, 22, -34.5);
    cairo_line_to(cr, 8, -32);
    cairo_line_to(cr, -8, -32);
    cairo_line_to(cr, -24, -30);
    cairo_close_path(cr);
    cairo_set_source(cr, iron.get());
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, 1.3);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    // The striking face and the eye where the handle goes in.
    cairo_rectangle(cr, -26, -48, 4.0, 19);
    paint::setColour(cr, Colour::bytes(170, 176, 186));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_move_to(cr, -20, -44);
    cairo_line_to(cr, 20, -41.5);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, Colour::bytes(240, 244, 250, 0.8));
    cairo_stroke(cr);
    cairo_rectangle(cr, -4.2, -45, 8.4, 13);
    paint::setColour(cr, Colour::bytes(80, 84, 94, 0.6));
    cairo_fill(cr);
    cairo_restore(cr);

    // Chips of stone knocked loose.
    for (int i = 0; i < 7; ++i) {
        const double x = random.range(18, 40);
        const double y = random.range(30, 52);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + random.range(1.5, 3), y + random.range(-1, 1));
        cairo_line_to(cr, x + random.range(0, 2), y + random.range(1.5, 3));
        cairo_close_path(cr);
        paint::setColour(cr, Colour::bytes(200, 198, 190));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.5);
        paint::setColour(cr, ink);
        cairo_stroke(cr);
    }
    edge(cr, ink, 1.3);
    return cutToOutline(card, s);
}
} // namespace

Image latticeBack()
{
    return backLattice();
}

void addCardBacks(Registry& registry)
{
    const std::array<std::pair<const char*, Image (*)()>, 6> backs = {{
        {"gfx/cards/revers-1.png", backLattice},
        {"gfx/cards/revers-2.png", backKnotwork},
        {"gfx/cards/revers-3.png", backDamask},
        {"gfx/cards/revers-4.png", backNight},
        {"gfx/cards/revers-5.png", backSlate},
        {"gfx/cards/revers-gold-1.png", backGold},
    }};
    for (const auto& [path, draw] : backs) {
        const std::string name = path;
        registry.add("cards", name, [name, draw](Context& context) { context.save(draw(), name); });
    }
    registry.add("cards", "gfx/cards/card-klucz.png",
                 [](Context& context) { context.save(hammerCard(), "gfx/cards/card-klucz.png"); });
}
} // namespace contentgen::cards
