// ParticleArt.cpp: the "particles" group: the small pictures the effects throw about,
// gfx/particles/p-0.png to p-28.png (data/particles.dat lists them by number).
//
// The lights (0 to 19) are added to the screen and tinted by the code, so they are pure white
// with the shape carried by alpha alone. The splash, stone and snow pieces (20 to 28) are
// alpha-blended untinted, so they carry their own colours and a darker rim that reads over the
// ivory cards as well as over the green table.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace contentgen
{
namespace
{
constexpr double pi = std::numbers::pi;

std::string particlePath(int k)
{
    return "gfx/particles/p-" + std::to_string(k) + ".png";
}

// ---------------------------------------------------------------------------------------------
// Light shapes, as alpha over (x, y) in pixels from the picture's centre.

using Shape = std::function<double(double x, double y)>;

// 1 at t = 0 falling smoothly (close to a Gaussian of steepness k) to exactly 0 at t = 1.
double fall(double t, double k = 4.5)
{
    if (t >= 1.0) {
        return 0.0;
    }
    const double rim = std::exp(-k);
    return (std::exp(-k * t * t) - rim) / (1.0 - rim);
}

// Lights add up the way light does on a screen: neither part can push the sum past 1.
double screen(double a, double b)
{
    return 1.0 - (1.0 - a) * (1.0 - b);
}

// A thin ray through the centre at `angle`, `length` pixels each way, tapering to nothing at
// its tips; `width` is the sideways spread.
double ray(double x, double y, double angle, double length, double width)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double along = std::abs(x * c + y * s);
    const double across = -x * s + y * c;
    if (along >= length) {
        return 0.0;
    }
    const double taper = std::pow(1.0 - along / length, 1.6);
    return taper * std::exp(-(across * across) / (width * width));
}

// `count` rays evenly round, the first one horizontal.
double rays(double x, double y, int count, double length, double width, double turn = 0.0)
{
    double a = 0.0;
    for (int i = 0; i < count; ++i) {
        a = screen(a, ray(x, y, turn + pi * i / count, length, width));
    }
    return a;
}

// A white picture whose alpha is `shape`, averaged over 4 x 4 samples a pixel.
Image light(int w, int h, const Shape& shape)
{
    constexpr int samples = 4;
    Image image(w, h, Pixel{255, 255, 255, 0});
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double sum = 0.0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples - w / 2.0;
                    const double py = y + (sy + 0.5) / samples - h / 2.0;
                    sum += std::clamp(shape(px, py), 0.0, 1.0);
                }
            }
            image.at(x, y).a = unitToByte(sum / (samples * samples));
        }
    }
    return image;
}

Image light(int size, const Shape& shape)
{
    return light(size, size, shape);
}

// A four-pointed twinkle with a soft core: coin glitter and motes.
Image twinkle()
{
    return light(24, [](double x, double y) {
        const double r = std::hypot(x, y);
        const double core = fall(r / 6.0);
        const double halo = 0.28 * fall(r / 11.5);
        return screen(screen(core, halo), rays(x, y, 2, 11.5, 0.85));
    });
}

// A star with four long rays and four short ones between them, a bright core and a faint halo.
Image starSparkle(int size)
{
    const double reach = size / 2.0 - 0.5;
    return light(size, [reach](double x, double y) {
        const double r = std::hypot(x, y);
        const double core = fall(r / (reach * 0.32));
        const double halo = 0.32 * fall(r / (reach * 0.78));
        const double mainRays = rays(x, y, 2, reach, 0.9);
        const double shortRays = 0.7 * rays(x, y, 2, reach * 0.58, 0.7, pi / 4.0);
        return screen(screen(core, halo), screen(mainRays, shortRays));
    });
}

Image softDot(int size, double k = 4.5, double fullness = 1.0)
{
    const double radius = size / 2.0;
    return light(size,
                 [=](double x, double y) { return std::pow(fall(std::hypot(x, y) / radius, k), fullness); });
}

// ---------------------------------------------------------------------------------------------
// The lights.

void p0(Context& context)
{
    context.save(twinkle(), particlePath(0));
}

void p1(Context& context)
{
    context.save(softDot(16), particlePath(1));
}

void p2(Context& context)
{
    context.save(starSparkle(32), particlePath(2));
}

// The burst dot: small, with a fuller middle than the mote so it stays bright at half size.
void p3(Context& context)
{
    context.save(softDot(12, 4.5, 0.75), particlePath(3));
}

// The burst glow: a wide radial gradient.
void p4(Context& context)
{
    context.save(softDot(32, 3.8), particlePath(4));
}

// The panel glow, drawn up to three times its size: a long, gentle fall with no visible rim.
void p8(Context& context)
{
    const Image glow = light(128, [](double x, double y) {
        const double s = 1.0 - smoothstep(0.0, 1.0, std::hypot(x, y) / 64.0);
        return s * s;
    });
    context.save(glow, particlePath(8));
}

// The spare slots the code never draws: a few more motes and glints, so the set is complete.
Image spareLight(int k)
{
    switch (k) {
    case 5: // six-pointed twinkle
        return light(24, [](double x, double y) {
            return screen(fall(std::hypot(x, y) / 4.5), rays(x, y, 3, 11.0, 0.8));
        });
    case 6: // soft ring
        return light(24, [](double x, double y) {
            const double r = std::hypot(x, y);
            const double ring = 0.8 * std::exp(-std::pow((r - 7.0) / 1.8, 2.0)) * fall(r / 12.0, 1.0);
            return screen(ring, 0.3 * fall(r / 5.0));
        });
    case 7: return softDot(8);
    case 9: return softDot(48, 3.5);
    case 10: // streak
        return light(32, 12, [](double x, double y) { return fall(std::hypot(x / 16.0, y / 5.5)); });
    case 11: // diamond glint
        return light(20, [](double x, double y) {
            const double diamond = fall((std::abs(x) + std::abs(y)) / 9.5);
            return screen(diamond * diamond, fall(std::hypot(x, y) / 3.5));
        });
    case 12: return starSparkle(40);
    case 13: return softDot(24, 3.0, 0.7);
    case 14: // small cross glint
        return light(16, [](double x, double y) {
            return screen(fall(std::hypot(x, y) / 3.2), rays(x, y, 2, 7.5, 0.7));
        });
    case 15: // a flat disc with a brighter rim, like an out-of-focus light
        return light(20, [](double x, double y) {
            const double r = std::hypot(x, y);
            return 0.6 * (1.0 - smoothstep(7.6, 9.4, r)) + 0.3 * std::exp(-std::pow((r - 8.2) / 0.9, 2.0));
        });
    case 16: // two faint rings
        return light(32, [](double x, double y) {
            const double r = std::hypot(x, y);
            const double inner = std::exp(-std::pow((r - 5.5) / 1.4, 2.0));
            const double outer = 0.6 * std::exp(-std::pow((r - 12.0) / 1.8, 2.0)) * fall(r / 16.0, 1.0);
            return screen(inner, outer);
        });
    case 17: { // a wisp of light, patchy
        const ValueNoise noise(0x3157);
        return light(32, [noise](double x, double y) {
            const double body = fall(std::hypot(x, y * 1.3) / 16.0, 3.5);
            return body * std::clamp(0.25 + 1.1 * noise.fbm(x / 6.0 + 3.0, y / 6.0 + 3.0, 3), 0.0, 1.0);
        });
    }
    case 18: // three little twinkles together
        return light(32, [](double x, double y) {
            const double spots[3][3] = {{-6.0, -5.0, 1.0}, {7.0, -1.0, 0.8}, {-1.0, 8.0, 0.65}};
            double a = 0.0;
            for (const auto& s : spots) {
                const double dx = x - s[0];
                const double dy = y - s[1];
                const double one =
                    screen(fall(std::hypot(dx, dy) / (3.0 * s[2])), rays(dx, dy, 2, 7.0 * s[2], 0.7));
                a = screen(a, one * s[2]);
            }
            return a;
        });
    default: // 19: a tiny hard dot
        return light(6, [](double x, double y) { return 1.0 - smoothstep(1.8, 2.9, std::hypot(x, y)); });
    }
}

// ---------------------------------------------------------------------------------------------
// Water: the splash of an ice card. Pale, see-through, with a bright glint and a bluer rim.

constexpr Colour waterPale = Colour::bytes(228, 246, 255);
constexpr Colour waterBody = Colour::bytes(150, 206, 238);
constexpr Colour waterRim = Colour::bytes(58, 118, 172);

// Fills the current path as a drop of water whose light comes from the upper left.
void waterFill(cairo_t* cr, double cx, double cy, double r)
{
    Pattern body = paint::radialGradient(cx + 0.25 * r, cy + 0.3 * r, 0.0, 1.25 * r,
                                         {{0.0, waterPale.withAlpha(0.35)},
                                          {0.65, waterBody.withAlpha(0.55)},
                                          {1.0, waterBody.withAlpha(0.85)}});
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, waterRim.withAlpha(0.8));
    cairo_stroke(cr);
}

void glint(cairo_t* cr, double x, double y, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * pi);
    cairo_restore(cr);
    paint::setColour(cr, Colour::bytes(255, 255, 255, 0.95));
    cairo_fill(cr);
}

Canvas roundDrop()
{
    Canvas c(14, 14);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 7, 7, 5.6, 0, 2 * pi);
    waterFill(cr, 7, 7, 5.6);
    glint(cr, 5.2, 5.0, 1.7, 1.2);
    // The light comes through and gathers on the far side.
    cairo_arc(cr, 7, 7, 4.0, 0.15 * pi, 0.55 * pi);
    cairo_set_line_width(cr, 1.1);
    paint::setColour(cr, Colour::bytes(255, 255, 255, 0.55));
    cairo_stroke(cr);
    return c;
}

// A falling drop: round below, drawn out to a point above.
Canvas longDrop()
{
    Canvas c(12, 20);
    cairo_t* cr = c.cr();
    const double cx = 6.0;
    const double cy = 13.5;
    const double r = 4.4;
    cairo_move_to(cr, cx, 1.2);
    cairo_curve_to(cr, cx + 1.2, 5.0, cx + r, cy - 3.5, cx + r, cy);
    cairo_arc(cr, cx, cy, r, 0.0, pi);
    cairo_curve_to(cr, cx - r, cy - 3.5, cx - 1.2, 5.0, cx, 1.2);
    cairo_close_path(cr);
    waterFill(cr, cx, cy, r);
    glint(cr, cx - 1.6, cy - 1.8, 1.1, 1.8);
    return c;
}

// Fine spray: a handful of droplets.
Canvas spray()
{
    Canvas c(16, 16);
    cairo_t* cr = c.cr();
    const double drops[][3] = {
        {5.0, 5.5, 2.6}, {11.2, 4.2, 1.6}, {10.0, 10.5, 2.1}, {4.2, 11.6, 1.5}, {13.2, 13.0, 1.1}};
    for (const auto& d : drops) {
        cairo_arc(cr, d[0], d[1], d[2], 0, 2 * pi);
        waterFill(cr, d[0], d[1], d[2]);
        glint(cr, d[0] - 0.35 * d[2], d[1] - 0.35 * d[2], 0.45 * d[2], 0.35 * d[2]);
    }
    return c;
}

// A splinter of the ice that covered the card: a clear, faceted sliver.
Canvas iceShard()
{
    Canvas c(16, 16);
    cairo_t* cr = c.cr();
    const double pts[][2] = {{3.0, 12.8}, {5.0, 4.6}, {10.6, 1.8}, {13.4, 6.0}, {8.4, 14.2}};
    cairo_new_path(cr);
    for (const auto& p : pts) {
        cairo_line_to(cr, p[0], p[1]);
    }
    cairo_close_path(cr);
    Pattern body = paint::linearGradient(4, 3, 12, 14,
                                         {{0.0, Colour::bytes(250, 254, 255, 0.92)},
                                          {0.5, Colour::bytes(196, 232, 250, 0.7)},
                                          {1.0, Colour::bytes(140, 196, 232, 0.85)}});
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, waterRim.withAlpha(0.85));
    cairo_stroke(cr);
    // Facet edges catching the light.
    cairo_move_to(cr, 5.0, 4.6);
    cairo_line_to(cr, 9.0, 8.0);
    cairo_line_to(cr, 13.4, 6.0);
    cairo_move_to(cr, 9.0, 8.0);
    cairo_line_to(cr, 8.4, 14.2);
    cairo_set_line_width(cr, 0.8);
    paint::setColour(cr, Colour::bytes(255, 255, 255, 0.9));
    cairo_stroke(cr);
    return c;
}

// ---------------------------------------------------------------------------------------------
// Stone chips: the rocks broken off a card. Angular, lit from the upper left.

Canvas stoneChip(int size, std::uint64_t seed, const Colour& base)
{
    Canvas c(size, size);
    cairo_t* cr = c.cr();
    Random random(seed);
    const double cx = size / 2.0;
    const double cy = size / 2.0;
    const double r = size / 2.0 - 1.4;
    const int corners = 6 + random.below(2);
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < corners; ++i) {
        const double a = 2.0 * pi * (i + random.range(-0.25, 0.25)) / corners;
        const double d = r * random.range(0.68, 1.0);
        pts.push_back({cx + d * std::cos(a), cy + d * std::sin(a) * 0.82});
    }
    auto outline = [&]() {
        cairo_new_path(cr);
        for (const auto& [x, y] : pts) {
            cairo_line_to(cr, x, y);
        }
        cairo_close_path(cr);
    };
    outline();
    Pattern body = paint::linearGradient(cx - r, cy - r, cx + r, cy + r,
                                         {{0.0, base.scaled(1.45)}, {0.5, base}, {1.0, base.scaled(0.55)}});
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    // A flat top face turned to the light: the upper-left corners pulled towards the middle.
    cairo_new_path(cr);
    for (const auto& [x, y] : pts) {
        const double k = (x + y < cx + cy) ? 0.85 : 0.25;
        cairo_line_to(cr, cx - 0.8 + (x - cx) * k, cy - 0.8 + (y - cy) * k);
    }
    cairo_close_path(cr);
    paint::setColour(cr, base.scaled(1.6).withAlpha(0.6));
    cairo_fill(cr);
    outline();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, Colour::bytes(40, 34, 30, 0.95));
    cairo_stroke(cr);
    Image image = c.toImage();
    // A little grain, so the chip looks like stone and not plastic.
    const ValueNoise noise(seed ^ 0x57);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Pixel& p = image.at(x, y);
            const double k = (noise.at(x / 1.7, y / 1.7) - 0.5) * 30.0;
            p.r = toByte(p.r + k);
            p.g = toByte(p.g + k);
            p.b = toByte(p.b + k);
        }
    }
    return Canvas(image);
}

// ---------------------------------------------------------------------------------------------
// Snow: white, shaded faintly blue on the side away from the light.

constexpr Colour snowShade = Colour::bytes(176, 200, 232);

// Soft lumps of snow, each (x, y, radius) in pixels, run together: alpha from their summed
// density, shading from its slope (lit from the upper left), and a bluer rim so the snow still
// shows over an ivory card.
Image snowLumps(int size, const std::vector<std::array<double, 3>>& lumps)
{
    auto density = [&](double px, double py) {
        double d = 0.0;
        for (const auto& [lx, ly, lr] : lumps) {
            d += fall(std::hypot(px - lx, py - ly) / lr, 3.0);
        }
        return d;
    };
    Image image(size, size);
    constexpr int samples = 3;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double alpha = 0.0;
            double shade = 0.0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples;
                    const double py = y + (sy + 0.5) / samples;
                    const double d = density(px, py);
                    // Denser towards the lower right: this side faces the light.
                    const double slope = density(px + 1.2, py + 1.2) - density(px - 1.2, py - 1.2);
                    const double rim = 1.0 - smoothstep(0.1, 0.9, d);
                    alpha += smoothstep(0.06, 0.5, d);
                    shade += std::clamp(0.3 - 1.6 * slope + 0.5 * rim, 0.0, 1.0);
                }
            }
            alpha /= samples * samples;
            shade /= samples * samples;
            const Colour c = Colour::bytes(255, 255, 255).mix(snowShade, shade);
            image.at(x, y) =
                Pixel{unitToByte(c.r), unitToByte(c.g), unitToByte(c.b), unitToByte(alpha * 0.96)};
        }
    }
    return image;
}

Image snowPuff()
{
    return snowLumps(24, {{{12.0, 12.5, 7.5},
                           {7.0, 10.0, 5.5},
                           {16.5, 9.0, 5.5},
                           {9.0, 16.0, 5.0},
                           {16.0, 16.0, 5.0},
                           {12.0, 6.5, 4.5}}});
}

Image snowClump()
{
    return snowLumps(14, {{{6.5, 7.5, 4.6}, {9.5, 6.0, 3.6}, {8.0, 10.0, 3.4}}});
}

// A six-armed flake with two pairs of side branches on each arm.
Canvas snowflake()
{
    Canvas c(22, 22);
    cairo_t* cr = c.cr();
    const double cx = 11.0;
    const double cy = 11.0;
    auto arms = [&]() {
        cairo_new_path(cr);
        for (int i = 0; i < 6; ++i) {
            const double a = pi / 2.0 + i * pi / 3.0;
            const double ux = std::cos(a);
            const double uy = std::sin(a);
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + 8.6 * ux, cy + 8.6 * uy);
            for (const auto& [at, len] : {std::pair{4.2, 2.8}, std::pair{6.6, 1.9}}) {
                for (int side = -1; side <= 1; side += 2) {
                    const double b = a + side * pi / 3.0;
                    cairo_move_to(cr, cx + at * ux, cy + at * uy);
                    cairo_line_to(cr, cx + at * ux + len * std::cos(b), cy + at * uy + len * std::sin(b));
                }
            }
        }
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    arms();
    cairo_set_line_width(cr, 3.0);
    paint::setColour(cr, Colour::bytes(120, 160, 208, 0.55));
    cairo_stroke(cr);
    arms();
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, Colour::bytes(250, 252, 255));
    cairo_stroke(cr);
    paint::softGlow(cr, cx, cy, 3.2, Colour::bytes(255, 255, 255, 1.0));
    return c;
}

void addImage(Registry& registry, int k, std::function<Image()> make)
{
    registry.add("particles", particlePath(k),
                 [k, make = std::move(make)](Context& context) { context.save(make(), particlePath(k)); });
}

void addCanvas(Registry& registry, int k, std::function<Canvas()> make)
{
    registry.add("particles", particlePath(k),
                 [k, make = std::move(make)](Context& context) { context.save(make(), particlePath(k)); });
}
} // namespace

void addParticleArt(Registry& registry)
{
    registry.add("particles", particlePath(0), p0);
    registry.add("particles", particlePath(1), p1);
    registry.add("particles", particlePath(2), p2);
    registry.add("particles", particlePath(3), p3);
    registry.add("particles", particlePath(4), p4);
    for (int k : {5, 6, 7}) {
        addImage(registry, k, [k] { return spareLight(k); });
    }
    registry.add("particles", particlePath(8), p8);
    for (int k = 9; k <= 19; ++k) {
        addImage(registry, k, [k] { return spareLight(k); });
    }
    addCanvas(registry, 20, roundDrop);
    addCanvas(registry, 21, longDrop);
    addCanvas(registry, 22, spray);
    addCanvas(registry, 23, iceShard);
    addCanvas(registry, 24, [] { return stoneChip(13, 0xc41b, Colour::bytes(128, 124, 118)); });
    addCanvas(registry, 25, [] { return stoneChip(17, 0xc41c, Colour::bytes(132, 114, 92)); });
    addImage(registry, 26, snowPuff);
    addCanvas(registry, 27, snowflake);
    addImage(registry, 28, snowClump);
}
} // namespace contentgen
