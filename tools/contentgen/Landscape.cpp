// Landscape.cpp
#include "Landscape.hpp"

#include "Maths.hpp"
#include "Paint.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace contentgen
{
namespace
{
constexpr double pi = std::numbers::pi;
}

double gaussian(Random& random)
{
    const double u = std::max(1e-12, random.uniform());
    const double v = random.uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * pi * v);
}

void blend(Pixel& p, const Colour& c, double a)
{
    auto mix = [a](std::uint8_t dst, double src) { return toByte(dst + (src * 255.0 - dst) * a); };
    p.r = mix(p.r, c.r);
    p.g = mix(p.g, c.g);
    p.b = mix(p.b, c.b);
}

void ridgeShape(cairo_t* cr, const std::function<double(double)>& ridge, double x0, double x1, double bottom)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x0, bottom);
    for (double x = x0; x <= x1; x += 2.0) {
        cairo_line_to(cr, x, ridge(x));
    }
    cairo_line_to(cr, x1, bottom);
    cairo_close_path(cr);
}

void fir(cairo_t* cr, double x, double base, double h, Random& random)
{
    const double w = h * random.range(0.26, 0.34);
    const int tiers = 4 + static_cast<int>(h / 14.0);
    cairo_new_path(cr);
    cairo_rectangle(cr, x - h * 0.02 - 0.6, base - h * 0.2, h * 0.04 + 1.2, h * 0.2 + 2.0);
    cairo_fill(cr);
    for (int t = 0; t < tiers; ++t) {
        const double f = static_cast<double>(t) / tiers; // 0 at the bottom tier
        const double tierBottom = base - h * (0.12 + 0.80 * f);
        const double tierTop = base - h * std::min(1.0, 0.12 + 0.80 * f + 0.34);
        const double half = w * (1.0 - 0.85 * f) * random.range(0.85, 1.1);
        cairo_move_to(cr, x, tierTop);
        cairo_curve_to(cr, x + half * 0.3, tierTop + (tierBottom - tierTop) * 0.5, x + half * 0.7, tierBottom,
                       x + half, tierBottom + 1.5);
        cairo_line_to(cr, x - half, tierBottom + 1.5);
        cairo_curve_to(cr, x - half * 0.7, tierBottom, x - half * 0.3, tierTop + (tierBottom - tierTop) * 0.5,
                       x, tierTop);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void forest(cairo_t* cr, const std::function<double(double)>& ground, double x0, double x1, double spacing,
            double minH, double maxH, std::uint64_t seed)
{
    Random random(seed);
    for (double x = x0; x < x1; x += spacing * random.range(0.5, 1.3)) {
        const double h = random.range(minH, maxH);
        fir(cr, x, ground(x) + 2.0, h, random);
    }
}

void paintMoon(cairo_t* cr, const MoonLook& m)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    paint::softGlow(cr, m.x, m.y, m.haloR, m.halo);
    paint::softGlow(cr, m.x, m.y, m.glowR, m.glow);
    cairo_restore(cr);

    Pattern face = paint::radialGradient(m.x + m.lightDx, m.y + m.lightDy, 0.0, m.r * m.lightScale,
                                         {{0.0, m.face[0]}, {0.7, m.face[1]}, {1.0, m.face[2]}});
    cairo_arc(cr, m.x, m.y, m.r, 0, 2 * pi);
    cairo_set_source(cr, face.get());
    cairo_fill(cr);

    // Soft grey seas on its face.
    cairo_save(cr);
    cairo_arc(cr, m.x, m.y, m.r, 0, 2 * pi);
    cairo_clip(cr);
    for (const MoonLook::Sea& s : m.seas)
        paint::softGlow(cr, m.x + s.dx, m.y + s.dy, s.r, m.sea.withAlpha(s.a));
    cairo_restore(cr);
}
} // namespace contentgen
