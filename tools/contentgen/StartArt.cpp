// StartArt.cpp: the start screen's backdrop, a moonlit night over the Eldmere.
// Everything comes from fixed seeds, so the picture is the same on every build.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "Landscape.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace contentgen
{
namespace
{
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;

// The lake's far shore line; below it is water.
constexpr double waterLine = 500.0;
// The moon.
constexpr double moonX = 792.0;
constexpr double moonY = 148.0;
constexpr double moonR = 36.0;
// The title is drawn over this band, so it stays calm: no clouds to speak of, few stars.
constexpr double bandTop = 260.0;
constexpr double bandBottom = 420.0;

constexpr Colour farHills = Colour::bytes(36, 36, 80);
constexpr Colour midForest = Colour::bytes(25, 27, 56);
constexpr Colour nearForest = Colour::bytes(14, 16, 34);
constexpr Colour foreground = Colour::bytes(11, 13, 26);
constexpr Colour waterDeep = Colour::bytes(16, 22, 52);
constexpr Colour moonlight = Colour::bytes(255, 244, 208);

void sky(cairo_t* cr)
{
    Pattern gradient = paint::linearGradient(0, 0, 0, waterLine,
                                             {{0.00, Colour::bytes(11, 13, 38)},
                                              {0.33, Colour::bytes(22, 23, 62)},
                                              {0.58, Colour::bytes(31, 30, 80)},
                                              {0.84, Colour::bytes(45, 42, 98)},
                                              {1.00, Colour::bytes(82, 72, 126)}});
    cairo_set_source(cr, gradient.get());
    cairo_paint(cr);
}

void stars(cairo_t* cr)
{
    Random random(0x5717a25);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 190; ++i) {
        const double x = random.range(4.0, width - 4.0);
        const double y = 5.0 + 435.0 * std::pow(random.uniform(), 1.7);
        const double size = std::pow(random.uniform(), 3.0); // most stars faint, a few bright
        const double tint = random.uniform();
        const double moonDistance = std::hypot(x - moonX, y - moonY);
        if (moonDistance < 150.0) {
            continue; // drowned in moonlight
        }
        double brightness = 0.35 + 0.65 * size;
        brightness *= 1.0 - 0.75 * smoothstep(200.0, 440.0, y); // haze low in the sky
        if (y > bandTop && y < bandBottom) {
            brightness *= 0.6;
        }
        const Colour c = Colour::bytes(200, 210, 255).mix(Colour::bytes(255, 236, 200), tint);
        paint::softGlow(cr, x, y, 1.6 + 3.5 * size, c.withAlpha(brightness));
        if (size > 0.7 && y < bandTop - 40.0) {
            // The brightest few twinkle with a faint four-pointed glint.
            cairo_set_line_width(cr, 0.8);
            paint::setColour(cr, c.withAlpha(0.35 * brightness));
            const double arm = 3.0 + 5.0 * size;
            cairo_move_to(cr, x - arm, y);
            cairo_line_to(cr, x + arm, y);
            cairo_move_to(cr, x, y - arm);
            cairo_line_to(cr, x, y + arm);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void moon(cairo_t* cr)
{
    paintMoon(cr, {moonX,
                   moonY,
                   moonR,
                   330.0,
                   Colour::bytes(120, 130, 190, 0.22),
                   120.0,
                   Colour::bytes(200, 205, 240, 0.35),
                   -10,
                   -12,
                   1.25,
                   {Colour::bytes(255, 252, 236), Colour::bytes(244, 236, 206), Colour::bytes(214, 204, 178)},
                   Colour::bytes(170, 166, 160),
                   {{-9, -6, 16, 0.45}, {12, 8, 13, 0.35}, {-2, 16, 10, 0.3}, {14, -14, 8, 0.25}}});
}

// Thin wisps of cloud, lit from the moon's side, kept out of the title band.
void clouds(Image& image)
{
    const ValueNoise noise(0xc10d5);
    for (int y = 40; y < 440; ++y) {
        double profile = std::exp(-std::pow((y - 185.0) / 70.0, 2.0));
        if (y > bandTop - 20) {
            profile *= 1.0 - 0.85 * smoothstep(bandTop - 20, bandTop + 20, y);
        }
        for (int x = 0; x < width; ++x) {
            const double n = noise.fbm(x / 300.0, y / 34.0, 5);
            const double density = smoothstep(0.50, 0.78, n) * profile;
            if (density <= 0.0) {
                continue;
            }
            const double d = std::hypot(x - moonX, (y - moonY) * 1.3);
            const double lit = std::exp(-d / 170.0);
            const Colour body = Colour::bytes(44, 44, 86).mix(Colour::bytes(176, 172, 206), lit);
            blend(image.at(x, y), body, 0.62 * density);
        }
    }
}

void land(cairo_t* cr)
{
    const ValueNoise noise(0x4111);
    // Far mountains, hazy blue, peaks kept below the title band.
    auto far = [&](double x) {
        const double n = noise.fbm(x / 260.0, 3.5, 4);
        return 492.0 - 118.0 * std::pow(n, 1.25) + 7.0 * std::sin(x / 90.0);
    };
    Pattern haze =
        paint::linearGradient(0, 410, 0, waterLine, {{0.0, farHills}, {1.0, Colour::bytes(58, 54, 104)}});
    auto farClipped = [&](double x) { return std::max(far(x), bandBottom + 2.0); };
    ridgeShape(cr, farClipped, -4, width + 4, waterLine + 2);
    cairo_set_source(cr, haze.get());
    cairo_fill(cr);

    // Wooded hills along the far shore.
    auto mid = [&](double x) {
        return 482.0 - 16.0 * noise.fbm(x / 120.0, 9.0, 3) + 6.0 * std::sin(x / 57.0);
    };
    paint::setColour(cr, midForest);
    ridgeShape(cr, mid, -4, width + 4, waterLine + 2);
    cairo_fill(cr);
    forest(cr, mid, -6, width + 6, 7.0, 9.0, 24.0, 0xf0e57);

    // The dark headland on the left and the low bank on the right.
    auto left = [](double x) {
        return 398.0 + 102.0 * smoothstep(-40.0, 360.0, x) + 5.0 * std::sin(x / 23.0);
    };
    auto right = [](double x) {
        return 500.0 - 44.0 * smoothstep(700.0, 1030.0, x) + 3.0 * std::sin(x / 17.0);
    };
    paint::setColour(cr, nearForest);
    ridgeShape(cr, left, -4, 372, waterLine + 2);
    cairo_fill(cr);
    forest(cr, left, -10, 300, 12.0, 22.0, 44.0, 0x1ef7);
    ridgeShape(cr, right, 690, width + 4, waterLine + 2);
    cairo_fill(cr);
    forest(cr, right, 730, width + 10, 14.0, 14.0, 40.0, 0x819e7);
}

// The lake mirrors the land and sky, darker and bluer, broken by slow horizontal ripples.
void water(Image& image)
{
    const Image above = image;
    const ValueNoise noise(0x3a7e5);
    const int top = static_cast<int>(waterLine);
    for (int y = top; y < height; ++y) {
        const double depth = (y - waterLine) / (height - waterLine); // 0 at the shore, 1 nearest us
        for (int x = 0; x < width; ++x) {
            const double wobble = (1.0 + 7.0 * depth) * (noise.fbm(x / 90.0, y / 2.4, 3) - 0.5) * 2.0;
            const double sx = std::clamp(x + wobble, 0.0, width - 1.001);
            const int sy = std::clamp(static_cast<int>(2.0 * waterLine - y - 1.0 + 0.5 * wobble), 0, top - 1);
            const int ix = static_cast<int>(sx);
            const double fx = sx - ix;
            const Pixel& a = above.at(ix, sy);
            const Pixel& b = above.at(ix + 1, sy);
            const double streak = 0.86 + 0.28 * noise.fbm(x / 260.0 + 40.0, y / 3.0, 3);
            const double keep = 0.62 * streak;
            auto channel = [&](std::uint8_t ca, std::uint8_t cb, double deep) {
                const double reflected = (ca + (cb - ca) * fx) * keep;
                return toByte(reflected + deep * 255.0 * 0.34);
            };
            Pixel& p = image.at(x, y);
            p = Pixel{channel(a.r, b.r, waterDeep.r), channel(a.g, b.g, waterDeep.g),
                      channel(a.b, b.b, waterDeep.b), 255};
        }
    }
}

// The moon's path on the water: a broken column of glints widening towards us.
void moonPath(cairo_t* cr)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    // A faint glow under the glints.
    cairo_save(cr);
    cairo_translate(cr, moonX, 640);
    cairo_scale(cr, 0.45, 1.0);
    paint::softGlow(cr, 0, 0, 170, Colour::bytes(120, 120, 150, 0.22));
    cairo_restore(cr);

    Random random(0x6117);
    for (int i = 0; i < 300; ++i) {
        const double depth = std::pow(random.uniform(), 1.15);
        const double y = waterLine + 3.0 + (height - waterLine) * depth;
        const double spread = 9.0 + 60.0 * depth;
        const double offset = gaussian(random) * spread;
        const double x = moonX + offset;
        const double length = (5.0 + 34.0 * depth) * random.range(0.35, 1.3);
        const double fall = std::exp(-std::pow(offset / (spread * 1.2), 2.0));
        const double alpha = (0.35 + 0.75 * std::pow(random.uniform(), 2.0)) * fall * (1.0 - 0.4 * depth);
        // Each glint is a soft streak: a round glow squashed flat.
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, length / 2.0, 0.9 + 1.6 * depth);
        paint::softGlow(cr, 0.0, 0.0, 1.0, moonlight.withAlpha(std::min(1.0, alpha)));
        cairo_restore(cr);
    }
    // A thin line of light where the water meets the far shore.
    Pattern edge = paint::linearGradient(0, 0, width, 0,
                                         {{0.0, moonlight.withAlpha(0.0)},
                                          {0.77, moonlight.withAlpha(0.22)},
                                          {1.0, moonlight.withAlpha(0.05)}});
    cairo_set_source(cr, edge.get());
    cairo_rectangle(cr, 300, waterLine, width - 300, 1.2);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Mist lying on the water along the far shore.
void mist(Image& image)
{
    const ValueNoise noise(0x3157);
    const Colour tint = Colour::bytes(128, 128, 176);
    for (int y = 430; y < 600; ++y) {
        const double profile = std::exp(-std::pow((y - 494.0) / 26.0, 2.0));
        for (int x = 0; x < width; ++x) {
            const double n = noise.fbm(x / 220.0, y / 16.0, 4);
            const double a = 0.42 * profile * smoothstep(0.32, 0.75, n);
            if (a > 0.0) {
                blend(image.at(x, y), tint, a);
            }
        }
    }
}

// Reeds and a dark bank in the near corners frame the view.
void reeds(cairo_t* cr)
{
    paint::setColour(cr, foreground);
    cairo_new_path(cr);
    cairo_move_to(cr, -4, 612);
    cairo_curve_to(cr, 90, 640, 180, 700, 270, height + 4);
    cairo_line_to(cr, -4, height + 4);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, width + 4, 700);
    cairo_curve_to(cr, 980, 708, 930, 740, 890, height + 4);
    cairo_line_to(cr, width + 4, height + 4);
    cairo_close_path(cr);
    cairo_fill(cr);

    Random random(0x2eed5);
    auto clump = [&](double x0, double x1, double baseTop, double baseBottom, int count) {
        for (int i = 0; i < count; ++i) {
            const double x = random.range(x0, x1);
            const double base = random.range(baseTop, baseBottom);
            const double h = random.range(50.0, 150.0);
            const double lean = random.range(-0.35, 0.45) * h;
            const double w = random.range(1.6, 3.2);
            cairo_new_path(cr);
            cairo_move_to(cr, x - w, base);
            const double tipX = x + lean;
            const double tipY = base - h;
            cairo_curve_to(cr, x - w * 0.6, base - h * 0.5, x + lean * 0.4, base - h * 0.85, tipX, tipY);
            cairo_curve_to(cr, x + lean * 0.4 + 0.6, base - h * 0.85, x + w * 0.6, base - h * 0.5, x + w,
                           base);
            cairo_close_path(cr);
            cairo_fill(cr);
            if (random.uniform() < 0.22) {
                // A bulrush head.
                cairo_save(cr);
                const double hx = x + lean * 0.55;
                const double hy = base - h * 0.72;
                cairo_translate(cr, hx, hy);
                cairo_rotate(cr, std::atan2(lean, h) * 0.7);
                cairo_scale(cr, 1.0, 3.4);
                cairo_arc(cr, 0, 0, 2.6, 0, 2 * pi);
                cairo_restore(cr);
                cairo_fill(cr);
            }
        }
    };
    clump(-10, 170, 650, 768, 34);
    clump(910, 1034, 712, 768, 18);
}

void vignetteAndFinish(Image& image)
{
    Random random(0xd17e);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double dx = (x - width / 2.0) / (width / 2.0);
            const double dy = (y - height / 2.0) / (height / 2.0);
            const double k = 1.0 - 0.38 * smoothstep(0.55, 1.45, std::sqrt(dx * dx + dy * dy));
            Pixel& p = image.at(x, y);
            auto finish = [&](std::uint8_t v) {
                // A whisper of dither stops the long gradients from banding; nothing goes
                // darker than 8, so compression cannot land a pixel on pure black.
                return toByte(std::max(8.0, v * k + random.uniform() - 0.5));
            };
            p = Pixel{finish(p.r), finish(p.g), finish(p.b), 255};
        }
    }
}

void backdrop(Context& context)
{
    Canvas upper(width, height);
    sky(upper.cr());
    stars(upper.cr());
    moon(upper.cr());
    Image image = upper.toImage();
    clouds(image);

    Canvas scene(image);
    land(scene.cr());
    image = scene.toImage();
    water(image);

    Canvas lake(image);
    moonPath(lake.cr());
    image = lake.toImage();
    mist(image);

    Canvas front(image);
    reeds(front.cr());
    image = front.toImage();
    vignetteAndFinish(image);
    context.save(image, "gfx/start/backdrop.jpg", 90);
}
} // namespace

void addStartArt(Registry& registry)
{
    registry.add("start", "gfx/start/backdrop.jpg", backdrop);
}
} // namespace contentgen
