// HudArt.cpp: the "hud" group: the game screen's frame pieces and lights. Here, what they
// share: carved wood, sunk windows, sockets, studs, moon medallions and coins.

#include "HudArt.hpp"

#include "Groups.hpp"
#include "Maths.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace contentgen::gui
{
namespace
{
constexpr double pi = std::numbers::pi;

// Dark wood filling the whole picture: broad streaks along the grain, finer rings warped
// across it.
Image woodTexture(int w, int h, Grain grain, std::uint64_t seed)
{
    Image image(w, h);
    const ValueNoise noise(seed);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double along = grain == Grain::Across ? x : y;
            const double across = grain == Grain::Across ? y : x;
            const double warp = noise.fbm(along / 140.0, across / 24.0, 3);
            const double ring = 0.5 + 0.5 * std::sin(across / 2.3 + warp * 11.0);
            const double broad = noise.fbm(along / 80.0, across / 5.0, 4);
            const double t = std::clamp(0.12 + 0.62 * broad + 0.2 * ring * ring, 0.0, 1.0);
            const Colour c = woodDeep.mix(woodLight, t);
            image.at(x, y) = Pixel{unitToByte(c.r), unitToByte(c.g), unitToByte(c.b), 255};
        }
    }
    return image;
}

// Paints the whole clip with a fade from `from` at y `top` to `to` at y `bottom`.
void wash(cairo_t* cr, double top, double bottom, const Colour& from, const Colour& to)
{
    Pattern fade = paint::linearGradient(0, top, 0, bottom, {{0.0, from}, {1.0, to}});
    cairo_set_source(cr, fade.get());
    cairo_paint(cr);
}

// A fill running from light gold at the top-left to deep gold at the bottom-right of the
// square of radius r round (cx, cy).
Pattern giltAround(double cx, double cy, double r)
{
    return paint::linearGradient(cx - r, cy - r, cx + r, cy + r,
                                 {{0.0, goldPale}, {0.35, goldLight}, {0.7, gold}, {1.0, goldDeep}});
}
// Adds the front (lower) half of an ellipse round (x, y) to the path, left to right or back.
void frontArc(cairo_t* cr, double x, double y, double rx, double ry, bool rightwards)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    if (rightwards) {
        cairo_arc_negative(cr, 0, 0, 1, pi, 0);
    } else {
        cairo_arc(cr, 0, 0, 1, 0, pi);
    }
    cairo_restore(cr);
}
} // namespace

Outline roundedBox(double x, double y, double w, double h, double r)
{
    return [=](cairo_t* cr, double inset) {
        paint::roundedRectangle(cr, x + inset, y + inset, w - 2.0 * inset, h - 2.0 * inset,
                                std::max(1.0, r - inset));
    };
}

Outline circle(double cx, double cy, double r)
{
    return [=](cairo_t* cr, double inset) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r - inset, 0.0, 2.0 * pi);
        cairo_close_path(cr);
    };
}

void strokeOutline(cairo_t* cr, const Outline& outline, double inset, double width, const Colour& colour)
{
    cairo_new_path(cr);
    outline(cr, inset);
    cairo_set_line_width(cr, width);
    paint::setColour(cr, colour);
    cairo_stroke(cr);
}

Box boxOf(const Outline& outline)
{
    const Canvas scratch(1, 1);
    cairo_new_path(scratch.cr());
    outline(scratch.cr(), 0.0);
    Box box;
    cairo_path_extents(scratch.cr(), &box.left, &box.top, &box.right, &box.bottom);
    return box;
}

void goldGroove(cairo_t* cr, double width, double line)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, width);
    paint::setColour(cr, ink.withAlpha(0.6));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, line);
    paint::setColour(cr, gold.withAlpha(0.9));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void woodPanel(Canvas& target, const Outline& outline, Grain grain, std::uint64_t seed, double inlay)
{
    const int w = target.width();
    const int h = target.height();

    Canvas shape(w, h);
    cairo_new_path(shape.cr());
    outline(shape.cr(), 0.0);
    paint::setColour(shape.cr(), Colour{0, 0, 0, 1});
    cairo_fill(shape.cr());
    target.paint(paint::shadowOf(shape, 4.0, Colour::bytes(4, 6, 12, 0.6)), 0.0, 2.0);

    const Canvas wood(woodTexture(w, h, grain, seed));
    cairo_t* cr = target.cr();
    cairo_save(cr);
    cairo_new_path(cr);
    outline(cr, 0.0);
    cairo_clip(cr);
    // Lit and shaded over the part of it that shows.
    const Box box = boxOf(outline);
    const double y0 = std::max(0.0, box.top);
    const double y1 = std::min(static_cast<double>(h), box.bottom);
    cairo_set_source_surface(cr, wood.surface(), 0.0, 0.0);
    cairo_paint(cr);
    // Light from above: a sheen along the top, shade gathering towards the bottom.
    const double fall = std::min(y1 - y0, 140.0);
    wash(cr, y0, y0 + fall, Colour{1, 1, 1, 0.12}, Colour{1, 1, 1, 0.0});
    wash(cr, y1 - fall, y1, Colour{0, 0, 0, 0.0}, Colour{0, 0, 0, 0.28});
    // The bevel: dark inside the rim, a lit ridge just within it.
    strokeOutline(cr, outline, 0.0, 9.0, ink.withAlpha(0.55));
    strokeOutline(cr, outline, 5.0, 1.2, woodLight.scaled(1.5).withAlpha(0.35));
    if (inlay > 0.0) {
        cairo_new_path(cr);
        outline(cr, inlay);
        goldGroove(cr, 3.4, 1.3);
    }
    cairo_restore(cr);

    // The gold rim over the edge, and a fine dark line outside it.
    Pattern rim =
        paint::linearGradient(0, y0, 0, std::min(y1, y0 + 260.0),
                              {{0.0, goldLight}, {0.5, goldDeep.mix(goldLight, 0.4)}, {1.0, goldDeep}});
    cairo_new_path(cr);
    outline(cr, 1.4);
    cairo_set_line_width(cr, 2.8);
    cairo_set_source(cr, rim.get());
    cairo_stroke(cr);
    strokeOutline(cr, outline, 0.0, 1.0, ink);
}

void sunkWindow(Canvas& target, const Outline& outline, const Colour& deep, const Colour& shallow,
                double texture)
{
    cairo_t* cr = target.cr();
    cairo_save(cr);
    cairo_new_path(cr);
    outline(cr, 0.0);
    const Box box = boxOf(outline);
    const double y0 = box.top;
    const double y1 = box.bottom;
    Pattern glass = paint::linearGradient(0, y0, 0, y1, {{0.0, deep}, {1.0, shallow}});
    if (texture > 0.0) {
        Canvas layer(target.width(), target.height());
        cairo_new_path(layer.cr());
        outline(layer.cr(), 0.0);
        cairo_set_source(layer.cr(), glass.get());
        cairo_fill(layer.cr());
        Image image = layer.toImage();
        paint::mottle(image, static_cast<std::uint64_t>(box.left * 977.0 + box.top), 2.5, 1.6, 4, texture);
        target.paint(Canvas(image));
    } else {
        cairo_set_source(cr, glass.get());
        cairo_fill_preserve(cr);
    }
    cairo_new_path(cr);
    outline(cr, 0.0);
    cairo_clip(cr);
    // Shadow cast by the upper lip, and a darker edge all round.
    wash(cr, y0, y0 + (y1 - y0) * 0.45, Colour{0, 0, 0, 0.55}, Colour{0, 0, 0, 0.0});
    strokeOutline(cr, outline, 0.0, 5.0, Colour{0, 0, 0, 0.5});
    cairo_restore(cr);

    Pattern rim = paint::linearGradient(0, y0, 0, y1, {{0.0, goldDeep}, {1.0, gold}});
    cairo_new_path(cr);
    outline(cr, -1.2);
    cairo_set_line_width(cr, 2.0);
    cairo_set_source(cr, rim.get());
    cairo_stroke(cr);
    strokeOutline(cr, outline, -2.6, 0.9, ink.withAlpha(0.8));
}

void socket(cairo_t* cr, double cx, double cy, double r, double ring)
{
    const double hole = r - (ring > 0.0 ? ring : std::max(1.6, r * 0.2));
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r + 1.0, 0, 2 * pi);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    Pattern gilt = giltAround(cx, cy, r);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_set_source(cr, gilt.get());
    cairo_fill(cr);
    // The recess, lit a little from below, as if the light came through the glass.
    Pattern recess =
        paint::radialGradient(cx, cy + hole * 0.35, 0.0, hole * 1.3,
                              {{0.0, Colour::bytes(30, 26, 30)}, {1.0, Colour::bytes(8, 8, 14)}});
    cairo_arc(cr, cx, cy, hole, 0, 2 * pi);
    cairo_set_source(cr, recess.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::min(1.2, hole * 0.2));
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    // The dead glass catches a thin crescent of light at its upper left.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, hole * 0.62, pi * 1.05, pi * 1.45);
    cairo_set_line_width(cr, std::max(0.8, hole * 0.16));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::setColour(cr, Colour{1, 1, 1, 0.13});
    cairo_stroke(cr);
}

void stud(cairo_t* cr, double cx, double cy, double r)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy + 0.8, r + 0.8, 0, 2 * pi);
    paint::setColour(cr, Colour{0, 0, 0, 0.5});
    cairo_fill(cr);
    Pattern dome = paint::radialGradient(cx - r * 0.35, cy - r * 0.4, 0.0, r * 1.4,
                                         {{0.0, goldPale}, {0.45, gold}, {1.0, goldDeep}});
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_set_source(cr, dome.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
}

void moonMedallion(cairo_t* cr, double cx, double cy, double r, double bite)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r + 1.2, 0, 2 * pi);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    Pattern field = paint::radialGradient(cx, cy - r * 0.3, 0.0, r * 1.2,
                                          {{0.0, night.scaled(1.6)}, {1.0, night.scaled(0.7)}});
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_set_source(cr, field.get());
    cairo_fill(cr);
    Pattern gilt = giltAround(cx, cy, r);
    cairo_arc(cr, cx, cy, r - 1.0, 0, 2 * pi);
    cairo_set_line_width(cr, 2.0);
    cairo_set_source(cr, gilt.get());
    cairo_stroke(cr);

    const double m = r * 0.58;
    cairo_new_path(cr);
    moonPath(cr, cx, cy, m, bite);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    Pattern moon = giltAround(cx, cy, m);
    cairo_set_source(cr, moon.get());
    cairo_fill(cr);
}

void moonPath(cairo_t* cr, double cx, double cy, double m, double bite)
{
    // The shadow is a disc of 0.82 moon radii whose centre lies `bite` radii to the side.
    const double d = std::max(std::abs(bite), 0.2) * m; // never a ring: the shadow always reaches the rim
    const double rb = 0.82 * m;
    cairo_new_sub_path(cr);
    if (d >= m + rb) {
        cairo_arc(cr, cx, cy, m, 0, 2 * pi);
        cairo_close_path(cr);
        return;
    }
    // The lit rim runs the long way round from one crossing of the two circles to the other,
    // and the shadow's edge comes back inside the moon.
    const double theta = bite < 0.0 ? pi : 0.0;
    const double bx = cx + (bite < 0.0 ? -d : d);
    const double along = (m * m - rb * rb + d * d) / (2.0 * d);
    const double alpha = std::acos(std::clamp(along / m, -1.0, 1.0));
    const double x1 = cx + m * std::cos(theta + alpha);
    const double y1 = cy + m * std::sin(theta + alpha);
    const double x2 = cx + m * std::cos(theta - alpha);
    const double y2 = cy + m * std::sin(theta - alpha);
    cairo_arc(cr, cx, cy, m, theta + alpha, theta + 2.0 * pi - alpha);
    cairo_arc_negative(cr, bx, cy, rb, std::atan2(y2 - cy, x2 - bx), std::atan2(y1 - cy, x1 - bx));
    cairo_close_path(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = -pi / 2.0 + pi * i / points;
        const double radius = i % 2 == 0 ? outer : inner;
        cairo_line_to(cr, cx + radius * std::cos(a), cy + radius * std::sin(a));
    }
    cairo_close_path(cr);
}

void coinFace(cairo_t* cr, double cx, double cy, double r, const Metal& metal, Stamp stamp)
{
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    const double face = r - std::max(1.2, r * 0.09);
    Pattern body = paint::linearGradient(cx - face, cy - face, cx + face, cy + face,
                                         {{0.0, metal.light}, {0.45, metal.mid}, {1.0, metal.deep}});
    cairo_arc(cr, cx, cy, face, 0, 2 * pi);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    // The raised rim: a groove inside it, lit on the far side.
    const double groove = face * 0.78;
    cairo_arc(cr, cx, cy, groove, 0, 2 * pi);
    cairo_set_line_width(cr, std::max(1.0, r * 0.08));
    paint::setColour(cr, metal.deep.withAlpha(0.85));
    cairo_stroke(cr);
    cairo_arc(cr, cx + 0.6, cy + 0.6, groove, -pi * 0.1, pi * 0.6);
    cairo_set_line_width(cr, std::max(0.7, r * 0.05));
    paint::setColour(cr, metal.light.withAlpha(0.8));
    cairo_stroke(cr);
    // The inner field, a shade flatter than the rim.
    Pattern inner = paint::linearGradient(cx - groove, cy - groove, cx + groove, cy + groove,
                                          {{0.0, metal.mid.mix(metal.light, 0.55)}, {1.0, metal.mid}});
    cairo_arc(cr, cx, cy, groove - r * 0.05, 0, 2 * pi);
    cairo_set_source(cr, inner.get());
    cairo_fill(cr);

    // The stamp in relief: its shadow to the lower right, its lit face on top.
    const double s = groove * 0.62;
    auto stampPath = [&](double dx, double dy) {
        cairo_new_path(cr);
        switch (stamp) {
        case Stamp::Moon: moonPath(cr, cx + dx, cy + dy, s, 0.5); break;
        case Stamp::Star: starPath(cr, cx + dx, cy + dy, s * 1.05, s * 0.45, 5); break;
        case Stamp::Sun:
            starPath(cr, cx + dx, cy + dy, s * 1.08, s * 0.72, 12);
            cairo_new_sub_path(cr);
            cairo_arc_negative(cr, cx + dx, cy + dy, s * 0.42, 0, -2 * pi);
            break;
        }
    };
    const double lift = std::max(0.7, r * 0.06);
    stampPath(lift, lift);
    paint::setColour(cr, metal.deep.withAlpha(0.9));
    cairo_fill(cr);
    stampPath(0.0, 0.0);
    Pattern relief =
        paint::linearGradient(cx - s, cy - s, cx + s, cy + s, {{0.0, metal.light}, {1.0, metal.mid}});
    cairo_set_source(cr, relief.get());
    cairo_fill(cr);

    // A glint on the upper left of the rim.
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    paint::softGlow(cr, cx - face * 0.55, cy - face * 0.55, r * 0.45, Colour{1, 1, 1, 0.55});
    cairo_restore(cr);
}

void coinStack(cairo_t* cr, double x, double base, double rx, int count)
{
    const double ry = rx * 0.36;
    const double thick = 4.4;
    Pattern side = paint::linearGradient(x - rx, 0, x + rx, 0,
                                         {{0.0, goldDeep}, {0.3, goldLight}, {0.55, gold}, {1.0, goldDeep}});
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int i = 0; i < count; ++i) {
        // The coin's edge: the band between the fronts of its lower and upper faces.
        const double y = base - i * thick;
        cairo_new_path(cr);
        cairo_move_to(cr, x - rx, y - thick);
        cairo_line_to(cr, x - rx, y);
        frontArc(cr, x, y, rx, ry, true);
        cairo_line_to(cr, x + rx, y - thick);
        frontArc(cr, x, y - thick, rx, ry, false);
        cairo_close_path(cr);
        cairo_set_source(cr, side.get());
        cairo_fill_preserve(cr);
        paint::setColour(cr, ink);
        cairo_stroke(cr);
    }
    // The top coin's face, with its rim.
    const double top = base - count * thick;
    for (const double k : {1.0, 0.72}) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, x, top);
        cairo_scale(cr, rx * k, ry * k);
        cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
        cairo_restore(cr);
        if (k == 1.0) {
            Pattern face =
                paint::linearGradient(x - rx, top - ry, x + rx, top + ry, {{0.0, goldPale}, {1.0, gold}});
            cairo_set_source(cr, face.get());
            cairo_fill_preserve(cr);
            paint::setColour(cr, ink);
        } else {
            paint::setColour(cr, goldDeep);
        }
        cairo_stroke(cr);
    }
}

void glint(cairo_t* cr, double x, double y, double size)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - size);
    cairo_curve_to(cr, x + size * 0.12, y - size * 0.12, x + size * 0.12, y - size * 0.12, x + size, y);
    cairo_curve_to(cr, x + size * 0.12, y + size * 0.12, x + size * 0.12, y + size * 0.12, x, y + size);
    cairo_curve_to(cr, x - size * 0.12, y + size * 0.12, x - size * 0.12, y + size * 0.12, x - size, y);
    cairo_curve_to(cr, x - size * 0.12, y - size * 0.12, x - size * 0.12, y - size * 0.12, x, y - size);
    cairo_close_path(cr);
    paint::setColour(cr, goldPale);
    cairo_fill(cr);
    paint::softGlow(cr, x, y, size * 0.6, Colour{1, 1, 1, 0.8});
}

Image mirrored(const Image& image)
{
    Image out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            out.at(image.width() - 1 - x, y) = image.at(x, y);
        }
    }
    return out;
}
} // namespace contentgen::gui

namespace contentgen
{
void addHudArt(Registry& registry)
{
    gui::addHudPanels(registry);
    gui::addHudLights(registry);
}
} // namespace contentgen
