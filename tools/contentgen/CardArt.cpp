// CardArt.cpp: the "cards" group: the shared outline, strips, suit symbols and corner ranks,
// and the registration of every card picture.

#include "CardArt.hpp"

#include "FontFace.hpp"
#include "Groups.hpp"
#include "Paint.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace contentgen
{
namespace cards
{
namespace
{
constexpr double pi = std::numbers::pi;

// The angle of a point seen from a centre.
double angleOf(double cx, double cy, double x, double y)
{
    return std::atan2(y - cy, x - cx);
}

// True when `a`, swept from `from` in the positive direction, is passed before `to`.
bool sweepPasses(double from, double to, double a)
{
    auto wrap = [](double v) {
        v = std::fmod(v, 2.0 * pi);
        return v < 0.0 ? v + 2.0 * pi : v;
    };
    return wrap(a - from) < wrap(to - from);
}

// An arc from angle `from` to `to` that goes by the angle `through`.
void arcThrough(cairo_t* cr, double cx, double cy, double r, double from, double to, double through)
{
    if (sweepPasses(from, to, through)) {
        cairo_arc(cr, cx, cy, r, from, to);
    } else {
        cairo_arc_negative(cr, cx, cy, r, from, to);
    }
}

// The crescent: the outer disc with a second disc bitten out of its upper right.
constexpr double moonOuterX = -0.05;
constexpr double moonOuterY = 0.02;
constexpr double moonOuterR = 0.48;
constexpr double moonInnerX = 0.17;
constexpr double moonInnerY = -0.14;
constexpr double moonInnerR = 0.37;

void moonPath(cairo_t* cr)
{
    // Where the two circles cross: the horns of the crescent.
    const double dx = moonInnerX - moonOuterX;
    const double dy = moonInnerY - moonOuterY;
    const double d = std::hypot(dx, dy);
    const double along = (d * d + moonOuterR * moonOuterR - moonInnerR * moonInnerR) / (2.0 * d);
    const double across = std::sqrt(moonOuterR * moonOuterR - along * along);
    const double mx = moonOuterX + dx * along / d;
    const double my = moonOuterY + dy * along / d;
    const double p1x = mx - dy * across / d;
    const double p1y = my + dx * across / d;
    const double p2x = mx + dy * across / d;
    const double p2y = my - dx * across / d;
    const double towardInner = std::atan2(dy, dx);
    const double awayFromInner = towardInner + pi;
    cairo_new_sub_path(cr);
    arcThrough(cr, moonOuterX, moonOuterY, moonOuterR, angleOf(moonOuterX, moonOuterY, p1x, p1y),
               angleOf(moonOuterX, moonOuterY, p2x, p2y), awayFromInner);
    arcThrough(cr, moonInnerX, moonInnerY, moonInnerR, angleOf(moonInnerX, moonInnerY, p2x, p2y),
               angleOf(moonInnerX, moonInnerY, p1x, p1y), awayFromInner);
    cairo_close_path(cr);
}

// A broad leaf leaning right, pointed at the tip, on a short curved stem.
constexpr double leafTurn = 0.42; // radians, tip towards the upper right

void leafPath(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 0.02, 0.02);
    cairo_rotate(cr, leafTurn);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0.0, 0.30);
    cairo_curve_to(cr, 0.34, 0.22, 0.34, -0.26, 0.0, -0.54);
    cairo_curve_to(cr, -0.34, -0.26, -0.34, 0.22, 0.0, 0.30);
    cairo_close_path(cr);
    // The stem, a thin curved blade from the leaf's base.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, -0.045, 0.26);
    cairo_curve_to(cr, -0.05, 0.38, -0.09, 0.46, -0.15, 0.53);
    cairo_line_to(cr, -0.09, 0.555);
    cairo_curve_to(cr, -0.02, 0.47, 0.04, 0.39, 0.045, 0.26);
    cairo_close_path(cr);
    cairo_restore(cr);
}

// A flame of three tongues: a tall one in the middle whose tip bends over to the right, a
// licking tongue on the left and a short one on the right.
void flamePath(cairo_t* cr)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0.0, 0.50);
    cairo_curve_to(cr, -0.26, 0.50, -0.40, 0.34, -0.39, 0.12);
    cairo_curve_to(cr, -0.38, -0.04, -0.30, -0.16, -0.36, -0.32);
    cairo_curve_to(cr, -0.22, -0.24, -0.14, -0.14, -0.13, -0.02);
    cairo_curve_to(cr, -0.16, -0.20, -0.10, -0.36, 0.02, -0.44);
    cairo_curve_to(cr, 0.10, -0.49, 0.14, -0.52, 0.16, -0.58);
    cairo_curve_to(cr, 0.22, -0.42, 0.18, -0.28, 0.16, -0.14);
    cairo_curve_to(cr, 0.24, -0.16, 0.32, -0.20, 0.34, -0.28);
    cairo_curve_to(cr, 0.42, -0.12, 0.41, 0.00, 0.39, 0.14);
    cairo_curve_to(cr, 0.37, 0.36, 0.22, 0.50, 0.0, 0.50);
    cairo_close_path(cr);
}

// The flame's glowing core, a small single tongue low in the flame.
void flameCorePath(cairo_t* cr)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0.0, 0.40);
    cairo_curve_to(cr, -0.17, 0.40, -0.23, 0.26, -0.20, 0.14);
    cairo_curve_to(cr, -0.16, 0.02, -0.06, -0.06, 0.01, -0.20);
    cairo_curve_to(cr, 0.06, -0.06, 0.22, 0.04, 0.21, 0.16);
    cairo_curve_to(cr, 0.21, 0.30, 0.14, 0.40, 0.0, 0.40);
    cairo_close_path(cr);
}

// A drop of lake water: pointed at the top, round below.
constexpr double dropCentreY = 0.17;
constexpr double dropR = 0.33;

void dropPath(cairo_t* cr)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0.0, -0.54);
    cairo_curve_to(cr, 0.06, -0.36, dropR, -0.14, dropR, dropCentreY);
    cairo_arc(cr, 0.0, dropCentreY, dropR, 0.0, pi);
    cairo_curve_to(cr, -dropR, -0.14, -0.06, -0.36, 0.0, -0.54);
    cairo_close_path(cr);
}

// A small four-pointed star, the moon's companion on large symbols.
void starPath(cairo_t* cr, double x, double y, double r)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * pi / 4.0 - pi / 2.0;
        const double k = (i % 2 == 0) ? r : r * 0.32;
        cairo_line_to(cr, x + k * std::cos(a), y + k * std::sin(a));
    }
    cairo_close_path(cr);
}

// The smallest size at which a suit shows its inner details: the flame's core and the drop's
// highlight help even small pips; veins and craters only clutter them.
double detailSize(Suit suit)
{
    return (suit == Suit::Flames || suit == Suit::Drops) ? 12.0 : 22.0;
}

// Inner details, in unit coordinates, drawn over the filled symbol.
void details(cairo_t* cr, Suit suit, const SuitColours& c, double size)
{
    const double px = 1.0 / size; // one pixel in unit coordinates
    cairo_save(cr);
    suitPath(cr, suit);
    cairo_clip(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (suit) {
    case Suit::Moons:
        // A light rim along the outer edge and two faint craters.
        cairo_arc(cr, moonOuterX, moonOuterY, moonOuterR - 2.2 * px, 0.55 * pi, 1.45 * pi);
        cairo_set_line_width(cr, 1.6 * px);
        paint::setColour(cr, c.light.withAlpha(0.85));
        cairo_stroke(cr);
        paint::setColour(cr, c.dark.withAlpha(0.25));
        cairo_arc(cr, -0.30, 0.08, 0.07, 0, 2 * pi);
        cairo_fill(cr);
        cairo_arc(cr, -0.16, 0.30, 0.05, 0, 2 * pi);
        cairo_fill(cr);
        break;
    case Suit::Leaves: {
        cairo_translate(cr, 0.02, 0.02);
        cairo_rotate(cr, leafTurn);
        paint::setColour(cr, c.light.withAlpha(0.9));
        cairo_set_line_width(cr, 1.3 * px);
        cairo_move_to(cr, 0.0, 0.30);
        cairo_curve_to(cr, 0.02, 0.1, 0.02, -0.2, 0.0, -0.46);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 0.9 * px);
        for (int i = 0; i < 3; ++i) {
            const double y = 0.16 - i * 0.17;
            for (int side = -1; side <= 1; side += 2) {
                cairo_move_to(cr, 0.0, y);
                cairo_curve_to(cr, side * 0.08, y - 0.04, side * 0.15, y - 0.08, side * 0.21, y - 0.15);
            }
        }
        cairo_stroke(cr);
        break;
    }
    case Suit::Flames: {
        Pattern core =
            paint::linearGradient(0, 0.4, 0, -0.2, {{0.0, c.light}, {1.0, c.light.mix(c.main, 0.5)}});
        flameCorePath(cr);
        cairo_set_source(cr, core.get());
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, 0.0, 0.22);
        cairo_scale(cr, 0.5, 0.5);
        flameCorePath(cr);
        paint::setColour(cr, Colour::bytes(255, 244, 200, 0.9));
        cairo_fill(cr);
        cairo_restore(cr);
        break;
    }
    case Suit::Drops:
        cairo_save(cr);
        cairo_translate(cr, -0.15, 0.14);
        cairo_rotate(cr, 0.35);
        cairo_scale(cr, 0.07, 0.17);
        cairo_arc(cr, 0, 0, 1.0, 0, 2 * pi);
        cairo_restore(cr);
        paint::setColour(cr, Colour::bytes(255, 255, 255, 0.75));
        cairo_fill(cr);
        cairo_arc(cr, 0.10, 0.34, 0.05, 0, 2 * pi);
        paint::setColour(cr, c.light.withAlpha(0.55));
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}
} // namespace

Image mask(int scale)
{
    Canvas canvas(width * scale, height * scale);
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, scale, scale);
    outline(cr);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_fill(cr);
    return canvas.toImage();
}

Image cutToOutline(const Canvas& canvas, int scale)
{
    Image picture = canvas.toImage();
    const Image shape = mask(scale);
    for (std::size_t i = 0; i < picture.pixels().size(); ++i) {
        Pixel& p = picture.pixels()[i];
        p.a = static_cast<std::uint8_t>((p.a * shape.pixels()[i].a + 127) / 255);
    }
    return picture;
}

Image strip(const std::vector<Image>& cells)
{
    if (cells.empty()) {
        return {};
    }
    const int w = cells.front().width();
    const int h = cells.front().height();
    Image out(w * static_cast<int>(cells.size()), h);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                out.at(static_cast<int>(i) * w + x, y) = cells[i].at(x, y);
            }
        }
    }
    return out;
}

void edge(cairo_t* cr, const Colour& colour, double lineWidth)
{
    outline(cr, lineWidth / 2.0);
    cairo_set_line_width(cr, lineWidth);
    paint::setColour(cr, colour);
    cairo_stroke(cr);
}

void suitPath(cairo_t* cr, Suit suit)
{
    switch (suit) {
    case Suit::Moons: moonPath(cr); break;
    case Suit::Leaves: leafPath(cr); break;
    case Suit::Flames: flamePath(cr); break;
    case Suit::Drops: dropPath(cr); break;
    }
}

void drawSuit(cairo_t* cr, Suit suit, double cx, double cy, double size, Finish finish)
{
    const SuitColours c = coloursOf(suit);
    const double px = 1.0 / size;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size, size);
    cairo_new_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double line = std::max(0.9, size * 0.045) * px;
    if (finish == Finish::Gilded) {
        // A halo of bright gold round the symbol, behind it, so the symbol keeps its colour.
        suitPath(cr, suit);
        cairo_set_line_width(cr, line + 2.4 * px);
        paint::setColour(cr, Colour::bytes(255, 250, 214, 0.95));
        cairo_stroke(cr);
    }
    Pattern body = paint::linearGradient(
        -0.35, -0.5, 0.35, 0.5,
        {{0.0, c.main.mix(c.light, 0.45)}, {0.45, c.main}, {1.0, c.main.mix(c.dark, 0.45)}});
    suitPath(cr, suit);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    if (size >= detailSize(suit)) {
        details(cr, suit, c, size);
    }
    suitPath(cr, suit);
    cairo_set_line_width(cr, line);
    paint::setColour(cr, finish == Finish::Gilded ? goldDeep.mix(c.dark, 0.5) : c.dark);
    cairo_stroke(cr);
    if (suit == Suit::Moons && size >= 36.0) {
        // A star keeps the moon company in the hollow of the crescent.
        starPath(cr, 0.30, 0.14, 0.14);
        paint::setColour(cr, finish == Finish::Gilded ? goldLight : c.light);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, line * 0.8);
        paint::setColour(cr, c.dark);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void rankText(cairo_t* cr, const FontFace& face, const std::string& text, double cx, double y, double size,
              double maxWidth, const Colour& fill, const Colour& halo, double haloWidth)
{
    if (!face.valid() || text.empty()) {
        return;
    }
    cairo_save(cr);
    face.select(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const double squeeze = std::min(1.0, maxWidth / std::max(1.0, extents.width));
    cairo_translate(cr, cx, y);
    cairo_scale(cr, squeeze, 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, -extents.x_bearing - extents.width / 2.0, 0.0);
    cairo_text_path(cr, text.c_str());
    if (haloWidth > 0.0) {
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_set_line_width(cr, haloWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        paint::setColour(cr, halo);
        cairo_stroke_preserve(cr);
        cairo_restore(cr);
    }
    // Averia's strokes are light; a thin stroke in the fill colour gives the rank more weight.
    paint::setColour(cr, fill);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_line_width(cr, 0.8);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

std::string rankName(int rank)
{
    switch (rank) {
    case 1:
    case 14: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return std::to_string(rank);
    }
}
} // namespace cards

void addCardArt(Registry& registry)
{
    cards::addCardOverlays(registry);
    cards::addCardFaces(registry);
    cards::addCardBacks(registry);
}
} // namespace contentgen
