// TitleArt.cpp: the "title" group's scenery: the title screen's backdrop and foreground
// (gfx/gui/screen-title/back.jpg and tree-layer.png; the credits scroll over the same night,
// darkened, gfx/backgrounds/background-3.jpg), the light patches that pulse over them
// (lights-1.png to lights-7.png) and the clouds that drift across the sky
// (gfx/effects/clouds/chmura1.png to chmura5.png).
//
// The screen zooms in from both layers, so each is a whole 1024 x 768 picture drawn centred:
// the backdrop a night over the lake of Eldmere with the full moon behind the owl's branch,
// the foreground an old oak on the right whose branch holds the owl, with reeds, a grassy
// bank and lily pads along the bottom, clear everywhere else. The light patches are added to
// the screen: fireflies over the reeds on the left, moonlight glittering on the water and the
// mist lit along the far shore. Everything comes from fixed seeds.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "GuiPalette.hpp"
#include "Landscape.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "TitleLayout.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
using namespace title; // the screen's layout

constexpr double pi = std::numbers::pi;
constexpr int width = screenWidth;
constexpr int height = screenHeight;

constexpr Colour moonlight = Colour::bytes(255, 244, 208);
constexpr Colour moonRim = Colour::bytes(150, 164, 214); // moonlight on dark things
constexpr Colour farHills = Colour::bytes(34, 33, 80);
constexpr Colour midForest = Colour::bytes(26, 28, 60);
constexpr Colour nearForest = Colour::bytes(14, 16, 34);
constexpr Colour waterDeep = Colour::bytes(16, 22, 52);

struct Point
{
    double x;
    double y;
};

// ---------------------------------------------------------------------------------------------
// back.jpg: the sky, the moon, the far shore and the lake.

void sky(cairo_t* cr)
{
    Pattern gradient = paint::linearGradient(0, 0, 0, waterLine,
                                             {{0.00, Colour::bytes(10, 12, 36)},
                                              {0.35, Colour::bytes(20, 22, 60)},
                                              {0.65, Colour::bytes(32, 31, 82)},
                                              {0.88, Colour::bytes(50, 46, 104)},
                                              {1.00, Colour::bytes(84, 74, 128)}});
    cairo_set_source(cr, gradient.get());
    cairo_paint(cr);
}

void stars(cairo_t* cr)
{
    Random random(0x7171e5);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 230; ++i) {
        const double x = random.range(4.0, width - 4.0);
        const double y = 4.0 + 370.0 * std::pow(random.uniform(), 1.5);
        const double size = std::pow(random.uniform(), 3.0); // most stars faint, a few bright
        const double tint = random.uniform();
        if (std::hypot(x - moonX, y - moonY) < moonR + 110.0) {
            continue; // drowned in moonlight
        }
        double brightness = 0.35 + 0.65 * size;
        brightness *= 1.0 - 0.7 * smoothstep(180.0, 380.0, y); // haze low in the sky
        const Colour c = Colour::bytes(200, 210, 255).mix(Colour::bytes(255, 236, 200), tint);
        paint::softGlow(cr, x, y, 1.6 + 3.5 * size, c.withAlpha(brightness));
        if (size > 0.65 && y < 260.0) {
            // The brightest few twinkle with a faint four-pointed glint.
            cairo_set_line_width(cr, 0.8);
            paint::setColour(cr, c.withAlpha(0.35 * brightness));
            const double arm = 3.0 + 6.0 * size;
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
                   360.0,
                   Colour::bytes(110, 120, 190, 0.24),
                   150.0,
                   Colour::bytes(200, 205, 240, 0.38),
                   -16,
                   -18,
                   1.3,
                   {Colour::bytes(255, 253, 240), Colour::bytes(246, 238, 208), Colour::bytes(218, 206, 176)},
                   Colour::bytes(176, 170, 160),
                   {{-16, -12, 26, 0.42},
                    {20, 12, 20, 0.34},
                    {-4, 26, 15, 0.28},
                    {24, -22, 12, 0.25},
                    {-30, 10, 10, 0.2}}});
}

// Thin wisps of cloud low in the sky, lit on the moon's side.
void wisps(Image& image)
{
    const ValueNoise noise(0xc10d7);
    for (int y = 190; y < 360; ++y) {
        const double profile = std::exp(-std::pow((y - 272.0) / 42.0, 2.0));
        for (int x = 0; x < width; ++x) {
            const double n = noise.fbm(x / 280.0, y / 30.0, 4);
            const double density = smoothstep(0.52, 0.8, n) * profile;
            if (density <= 0.0) {
                continue;
            }
            const double lit = std::exp(-std::hypot(x - moonX, (y - moonY) * 1.3) / 200.0);
            const Colour body = Colour::bytes(46, 46, 90).mix(Colour::bytes(176, 172, 210), lit);
            blend(image.at(x, y), body, 0.55 * density);
        }
    }
}

void farShore(cairo_t* cr)
{
    const ValueNoise noise(0x4117);
    // Far mountains, hazy blue, their peaks well clear of the moon.
    auto far = [&](double x) {
        const double n = noise.fbm(x / 200.0, 2.5, 4);
        return waterLine - 16.0 - 130.0 * std::pow(n, 1.5) + 6.0 * std::sin(x / 80.0);
    };
    Pattern haze =
        paint::linearGradient(0, 290, 0, waterLine, {{0.0, farHills}, {1.0, Colour::bytes(58, 54, 106)}});
    ridgeShape(cr, far, -4, width + 4, waterLine + 2);
    cairo_set_source(cr, haze.get());
    cairo_fill(cr);

    // Wooded hills along the far shore.
    auto mid = [&](double x) {
        return waterLine - 8.0 - 14.0 * noise.fbm(x / 110.0, 9.0, 3) + 5.0 * std::sin(x / 53.0);
    };
    paint::setColour(cr, midForest);
    ridgeShape(cr, mid, -4, width + 4, waterLine + 2);
    cairo_fill(cr);
    forest(cr, mid, -6, width + 6, 7.0, 8.0, 22.0, 0xf0e59);

    // A wooded headland on the left, and the bank behind the oak on the right.
    auto left = [](double x) {
        return 318.0 + 92.0 * smoothstep(-60.0, 330.0, x) + 4.0 * std::sin(x / 21.0);
    };
    auto right = [](double x) {
        return waterLine - 40.0 * smoothstep(640.0, 1000.0, x) + 3.0 * std::sin(x / 17.0);
    };
    paint::setColour(cr, nearForest);
    ridgeShape(cr, left, -4, 346, waterLine + 2);
    cairo_fill(cr);
    forest(cr, left, -10, 300, 11.0, 22.0, 48.0, 0x1ef9);
    ridgeShape(cr, right, 620, width + 4, waterLine + 2);
    cairo_fill(cr);
    forest(cr, right, 660, width + 10, 13.0, 14.0, 38.0, 0x819eb);
}

// The lake mirrors the land and sky, darker and bluer, broken by slow horizontal ripples; the
// moon's own reflection trembles low on the water.
void water(Image& image)
{
    const Image above = image;
    const ValueNoise noise(0x3a7e7);
    const int top = static_cast<int>(waterLine);
    for (int y = top; y < height; ++y) {
        const double depth = (y - waterLine) / (height - waterLine); // 0 at the shore, 1 nearest us
        for (int x = 0; x < width; ++x) {
            // Ripples grow towards us: the shore mirrors crisply, the moon breaks into slivers.
            const double wobble =
                (1.0 + 6.0 * depth + 30.0 * depth * depth) * (noise.fbm(x / 90.0, y / 2.6, 3) - 0.5) * 2.0;
            const double sliver = 0.1 + 1.05 * smoothstep(0.35, 0.65, noise.fbm(x / 60.0 + 17.0, y / 1.4, 2));
            const double sx = std::clamp(x + wobble, 0.0, width - 1.001);
            const int sy = std::clamp(static_cast<int>(2.0 * waterLine - y - 1.0 + 0.5 * wobble), 0, top - 1);
            const int ix = static_cast<int>(sx);
            const double fx = sx - ix;
            const Pixel& a = above.at(ix, sy);
            const Pixel& b = above.at(ix + 1, sy);
            const double streak = 0.86 + 0.28 * noise.fbm(x / 260.0 + 40.0, y / 3.0, 3);
            const double keep = 0.6 * streak * (1.0 - depth + depth * sliver);
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

// The moon's path on the water: a broken column of glints widening towards us, and a line of
// light where the water meets the far shore.
void moonPath(cairo_t* cr)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    Random random(0x6119);
    for (int i = 0; i < 260; ++i) {
        const double depth = std::pow(random.uniform(), 1.2);
        const double y = waterLine + 3.0 + (height - waterLine) * depth;
        const double spread = 7.0 + 46.0 * depth;
        const double offset = gaussian(random) * spread;
        const double length = (4.0 + 28.0 * depth) * random.range(0.35, 1.3);
        const double fall = std::exp(-std::pow(offset / (spread * 1.2), 2.0));
        const double alpha = (0.3 + 0.7 * std::pow(random.uniform(), 2.0)) * fall * (1.0 - 0.35 * depth);
        cairo_save(cr);
        cairo_translate(cr, moonX + offset, y);
        cairo_scale(cr, length / 2.0, 0.9 + 1.5 * depth);
        paint::softGlow(cr, 0.0, 0.0, 1.0, moonlight.withAlpha(std::min(1.0, alpha)));
        cairo_restore(cr);
    }
    Pattern edge = paint::linearGradient(0, 0, width, 0,
                                         {{0.0, moonlight.withAlpha(0.04)},
                                          {moonX / width, moonlight.withAlpha(0.24)},
                                          {1.0, moonlight.withAlpha(0.06)}});
    cairo_set_source(cr, edge.get());
    cairo_rectangle(cr, 0, waterLine, width, 1.2);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Mist lying on the water along the far shore.
void mist(Image& image)
{
    const ValueNoise noise(0x3159);
    const Colour tint = Colour::bytes(128, 130, 180);
    for (int y = 350; y < 480; ++y) {
        const double profile = std::exp(-std::pow((y - waterLine + 4.0) / 24.0, 2.0));
        for (int x = 0; x < width; ++x) {
            const double n = noise.fbm(x / 200.0, y / 15.0, 4);
            const double a = 0.44 * profile * smoothstep(0.3, 0.74, n);
            if (a > 0.0) {
                blend(image.at(x, y), tint, a);
            }
        }
    }
}

void vignetteAndFinish(Image& image)
{
    Random random(0xd17f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double dx = (x - width / 2.0) / (width / 2.0);
            const double dy = (y - height / 2.0) / (height / 2.0);
            const double k = 1.0 - 0.34 * smoothstep(0.55, 1.45, std::sqrt(dx * dx + dy * dy));
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

Image nightOverTheLake()
{
    Canvas upper(width, height);
    sky(upper.cr());
    stars(upper.cr());
    moon(upper.cr());
    Image image = upper.toImage();
    wisps(image);

    Canvas scene(image);
    farShore(scene.cr());
    image = scene.toImage();
    water(image);

    Canvas lake(image);
    moonPath(lake.cr());
    image = lake.toImage();
    mist(image);
    vignetteAndFinish(image);
    return image;
}

void backdrop(Context& context)
{
    context.save(nightOverTheLake(), "gfx/gui/screen-title/back.jpg", 90);
}

// The credits scroll over the same night, darkened so the names stand out against it.
void creditsBackdrop(Context& context)
{
    Image image = nightOverTheLake();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Pixel& p = image.at(x, y);
            auto dim = [](std::uint8_t v) { return toByte(std::max(8.0, v * 0.55)); };
            p = Pixel{dim(p.r), dim(p.g), dim(p.b), 255};
        }
    }
    context.save(image, "gfx/backgrounds/background-3.jpg", 90);
}

// ---------------------------------------------------------------------------------------------
// tree-layer.png: the oak, the banks and reeds, the lily pads.

// Points along a smooth curve through `knots` (Catmull-Rom), about `step` pixels apart, each
// with its share of the way from one knot to the next in `at` (knot index + fraction).
struct Sample
{
    Point p;
    double at;
};

std::vector<Sample> smoothLine(const std::vector<Point>& knots, double step)
{
    std::vector<Sample> out;
    const std::size_t n = knots.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Point& p0 = knots[i == 0 ? 0 : i - 1];
        const Point& p1 = knots[i];
        const Point& p2 = knots[i + 1];
        const Point& p3 = knots[std::min(i + 2, n - 1)];
        const int count = std::max(2, static_cast<int>(std::hypot(p2.x - p1.x, p2.y - p1.y) / step));
        for (int k = 0; k < count; ++k) {
            const double t = static_cast<double>(k) / count;
            const double t2 = t * t;
            const double t3 = t2 * t;
            auto along = [&](double a0, double a1, double a2, double a3) {
                return 0.5
                       * ((2.0 * a1) + (-a0 + a2) * t + (2.0 * a0 - 5.0 * a1 + 4.0 * a2 - a3) * t2
                          + (-a0 + 3.0 * a1 - 3.0 * a2 + a3) * t3);
            };
            out.push_back({{along(p0.x, p1.x, p2.x, p3.x), along(p0.y, p1.y, p2.y, p3.y)}, i + t});
        }
    }
    out.push_back({knots.back(), static_cast<double>(n - 1)});
    return out;
}

// Fills a limb: a tapering shape along `knots`, `widths[i]` across at knot i, rounded at both
// ends, its two edges knobbly in their own ways.
void limb(cairo_t* cr, const std::vector<Point>& knots, const std::vector<double>& widths)
{
    const std::vector<Sample> line = smoothLine(knots, 3.0);
    const ValueNoise gnarl(static_cast<std::uint64_t>(knots.front().x * 7.0 + knots.front().y));
    double travelled = 0.0;
    auto widthAt = [&](double at) {
        const std::size_t i = std::min(static_cast<std::size_t>(at), widths.size() - 2);
        return widths[i] + (widths[i + 1] - widths[i]) * (at - static_cast<double>(i));
    };
    std::vector<Point> leftSide;
    std::vector<Point> rightSide;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const Point& a = line[k == 0 ? 0 : k - 1].p;
        const Point& b = line[std::min(k + 1, line.size() - 1)].p;
        const double len = std::max(1e-6, std::hypot(b.x - a.x, b.y - a.y));
        const double nx = -(b.y - a.y) / len;
        const double ny = (b.x - a.x) / len;
        const double half = widthAt(line[k].at) / 2.0;
        if (k > 0) {
            travelled += std::hypot(line[k].p.x - line[k - 1].p.x, line[k].p.y - line[k - 1].p.y);
        }
        const double one = half * (1.0 + 0.22 * (gnarl.fbm(travelled / 26.0, 1.5, 2) - 0.5));
        const double other = half * (1.0 + 0.22 * (gnarl.fbm(travelled / 26.0, 7.5, 2) - 0.5));
        leftSide.push_back({line[k].p.x + nx * one, line[k].p.y + ny * one});
        rightSide.push_back({line[k].p.x - nx * other, line[k].p.y - ny * other});
    }
    cairo_new_path(cr);
    cairo_move_to(cr, leftSide.front().x, leftSide.front().y);
    for (const Point& p : leftSide) {
        cairo_line_to(cr, p.x, p.y);
    }
    for (auto it = rightSide.rbegin(); it != rightSide.rend(); ++it) {
        cairo_line_to(cr, it->x, it->y);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
    for (const Sample* end : {&line.front(), &line.back()}) {
        cairo_new_path(cr);
        cairo_arc(cr, end->p.x, end->p.y, widthAt(end->at) / 2.0, 0, 2 * pi);
        cairo_fill(cr);
    }
}

// The oak's wood, in screen coordinates: the trunk rising off the top right, the long branch
// the owl sits on, and lesser limbs.
void oakLimbs(cairo_t* cr)
{
    // The trunk, flaring into roots at the bottom.
    limb(cr,
         {{972, 800},
          {960, 700},
          {946, 590},
          {952, 470},
          {944, 380},
          {956, 280},
          {972, 190},
          {990, 90},
          {1004, -30}},
         {190, 130, 104, 94, 90, 82, 72, 62, 56});
    limb(cr, {{930, 700}, {890, 740}, {846, 770}, {820, 790}}, {46, 30, 18, 12});
    limb(cr, {{1000, 700}, {1030, 740}, {1050, 770}}, {40, 26, 16});
    // The owl's branch: out of the trunk above the menu, level under the owl, then up to a tip.
    limb(cr,
         {{966, 176},
          {920, 182},
          {870, 188},
          {824, 193},
          {784, 193},
          {perchX, perchY + 7.0},
          {708, 188},
          {676, 178},
          {652, 162},
          {636, 146}},
         {38, 28, 23, 19, 16, 14, 12, 9, 6, 3});
    // A twig off it, reaching up past the owl's left.
    limb(cr, {{706, 188}, {694, 170}, {688, 150}, {690, 130}}, {6, 4.5, 3, 1.6});
    limb(cr, {{664, 172}, {646, 180}, {626, 182}}, {4.5, 3, 1.4});
    // Limbs into the crown, off the top of the screen.
    limb(cr, {{984, 110}, {944, 70}, {896, 34}, {858, -6}, {840, -30}}, {40, 30, 22, 16, 12});
    limb(cr, {{930, 56}, {902, 76}, {872, 84}, {846, 80}}, {10, 7, 5, 3});
    limb(cr, {{1000, 240}, {1020, 222}, {1040, 214}}, {26, 18, 12});
}

// The crown's foliage: clusters of small leaves, lighter where they face the moon.
void leafCluster(cairo_t* cr, double cx, double cy, double radius, int count, Random& random)
{
    const Colour dark = Colour::bytes(12, 22, 28);
    const Colour lit = Colour::bytes(60, 88, 86);
    const double toMoon = std::atan2(moonY - cy, moonX - cx);
    // A dark mass behind the leaves, so the crown is full rather than see-through.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, 0.8);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, radius * 0.8, 0, 2 * pi);
    cairo_restore(cr);
    paint::setColour(cr, dark.scaled(0.7));
    cairo_fill(cr);
    for (int i = 0; i < count; ++i) {
        const double angle = random.range(0.0, 2 * pi);
        const double r = radius * std::sqrt(random.uniform());
        const double x = cx + r * std::cos(angle);
        const double y = cy + r * std::sin(angle) * 0.8;
        const double facing = std::cos(angle - toMoon) * (r / radius);
        const double light = std::clamp(0.25 + 0.6 * facing + random.range(-0.15, 0.15), 0.0, 1.0);
        const double length = random.range(11.0, 18.0);
        const double broad = length * random.range(0.38, 0.5);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, random.range(0.0, 2 * pi));
        cairo_new_path(cr);
        cairo_move_to(cr, -length / 2.0, 0.0);
        cairo_curve_to(cr, -length * 0.2, -broad, length * 0.2, -broad, length / 2.0, 0.0);
        cairo_curve_to(cr, length * 0.2, broad, -length * 0.2, broad, -length / 2.0, 0.0);
        cairo_close_path(cr);
        paint::setColour(cr, dark.mix(lit, light * light));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.9);
        paint::setColour(cr, gui::ink.withAlpha(0.75));
        cairo_stroke(cr);
        if (light > 0.55) {
            // The vein catches the light.
            cairo_move_to(cr, -length * 0.4, 0.0);
            cairo_line_to(cr, length * 0.35, 0.0);
            cairo_set_line_width(cr, 0.6);
            paint::setColour(cr, moonRim.withAlpha(0.3 * light));
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
}

void foliage(cairo_t* cr)
{
    Random random(0x1eaf);
    struct Cluster
    {
        double x, y, r;
        int count;
    };
    // Back to front: the far side of the crown first.
    constexpr std::array<Cluster, 14> clusters{{{1000, 10, 64, 0},
                                                {930, -10, 56, 0},
                                                {870, 0, 44, 0},
                                                {1010, 96, 44, 0},
                                                {910, 60, 40, 0},
                                                {856, 40, 30, 0},
                                                {966, 50, 46, 0},
                                                {1018, 168, 26, 0},
                                                {946, 118, 24, 0},
                                                {842, 92, 18, 0},
                                                {638, 138, 24, 0},
                                                {612, 176, 17, 0},
                                                {690, 124, 15, 0},
                                                {662, 110, 12, 0}}};
    for (const Cluster& c : clusters) {
        leafCluster(cr, c.x, c.y, c.r, c.count > 0 ? c.count : static_cast<int>(c.r * c.r / 11.0), random);
    }
}

// The wood painted: dark bark in long furrows, its edges lit by the moon on the side that
// faces it, a dark ink line round the whole. `left` is the screen x of the picture's left edge.
Image oakWood(int left)
{
    const int w = width - left;
    Canvas shape(w, height);
    cairo_translate(shape.cr(), -left, 0);
    paint::setColour(shape.cr(), Colour{1, 1, 1, 1});
    oakLimbs(shape.cr());
    const Image mask = shape.toImage();
    Image rounded = mask;
    paint::blur(rounded, 7.0);
    Image deep = mask;
    paint::blur(deep, 30.0);
    Image outline = mask;
    paint::blur(outline, 3.0);

    const ValueNoise noise(0xba4c);
    const Colour barkDeep = Colour::bytes(14, 12, 18);
    const Colour barkLight = Colour::bytes(62, 52, 52);
    Image wood(w, height);
    auto alphaOf = [](const Image& image, int x, int y) {
        x = std::clamp(x, 0, image.width() - 1);
        y = std::clamp(y, 0, image.height() - 1);
        return image.at(x, y).a / 255.0;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < w; ++x) {
            const double edge = std::min(1.0, alphaOf(outline, x, y) * 2.6);
            if (edge <= 0.0) {
                continue;
            }
            const double body = alphaOf(mask, x, y);
            Colour c = gui::ink;
            if (body > 0.0) {
                const double sx = x + left;
                // Furrows running along the trunk, broken into plates; rounder wood shows a
                // little more of its colour in the middle of a limb.
                const double furrow = noise.fbm(sx / 4.0, y / 40.0, 3);
                const double plates = noise.fbm(sx / 18.0, y / 12.0, 3);
                double t = 0.2 + 0.6 * plates;
                t *= 0.3 + 0.7 * smoothstep(0.36, 0.6, furrow);
                t *= 0.75 + 0.35 * alphaOf(deep, x, y);
                Colour bark = barkDeep.mix(barkLight, std::clamp(t, 0.0, 1.0));
                // The outward normal from the blurred shape; the moon lights what faces it.
                const double gx = alphaOf(rounded, x + 1, y) - alphaOf(rounded, x - 1, y);
                const double gy = alphaOf(rounded, x, y + 1) - alphaOf(rounded, x, y - 1);
                const double g = std::hypot(gx, gy);
                if (g > 1e-6) {
                    const double mx = moonX - sx;
                    const double my = moonY - y;
                    const double md = std::max(1.0, std::hypot(mx, my));
                    const double facing = (-gx * mx - gy * my) / (g * md);
                    const double rim = smoothstep(0.02, 0.11, g);
                    bark = bark.mix(moonRim.scaled(0.8), std::pow(std::max(0.0, facing), 1.5) * rim * 0.6);
                    bark = bark.scaled(1.0 - 0.5 * std::max(0.0, -facing) * rim);
                }
                c = gui::ink.mix(bark, body);
            }
            wood.at(x, y) = Pixel{unitToByte(c.r), unitToByte(c.g), unitToByte(c.b), unitToByte(edge)};
        }
    }
    return wood;
}

// A hollow in the trunk, where it shows right of the menu.
void knothole(cairo_t* cr)
{
    const double x = 991.0;
    const double y = 372.0;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 1.6);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 12.0, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(52, 44, 48));
    cairo_fill(cr);
    cairo_arc(cr, 0.8, 0.8, 8.5, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(8, 6, 10));
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, 12.0, pi * 0.7, pi * 1.5);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, moonRim.withAlpha(0.45));
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A blade of grass or a reed leaf from (x, base), `h` tall, leaning `lean` at the tip; the
// side towards the moon catches a thin line of light.
void blade(cairo_t* cr, double x, double base, double h, double lean, double w, const Colour& colour,
           double shine)
{
    const double tipX = x + lean;
    const double tipY = base - h;
    cairo_new_path(cr);
    cairo_move_to(cr, x - w, base);
    cairo_curve_to(cr, x - w * 0.6, base - h * 0.5, x + lean * 0.4, base - h * 0.85, tipX, tipY);
    cairo_curve_to(cr, x + lean * 0.4 + 0.6, base - h * 0.85, x + w * 0.6, base - h * 0.5, x + w, base);
    cairo_close_path(cr);
    paint::setColour(cr, colour);
    cairo_fill(cr);
    if (shine > 0.0) {
        const double side = tipX < moonX ? 1.0 : -1.0;
        cairo_new_path(cr);
        cairo_move_to(cr, x + side * w * 0.6, base - h * 0.15);
        cairo_curve_to(cr, x + side * w * 0.5, base - h * 0.5, x + lean * 0.4 + side * 0.3, base - h * 0.85,
                       tipX, tipY);
        cairo_set_line_width(cr, 0.8);
        paint::setColour(cr, moonRim.withAlpha(shine));
        cairo_stroke(cr);
    }
}

constexpr Colour reedColour = Colour::bytes(14, 22, 28);
constexpr Colour groundDeep = Colour::bytes(8, 10, 16);
constexpr Colour groundTop = Colour::bytes(20, 26, 34);

// Reeds standing in a clump, a few with bulrush heads.
void reeds(cairo_t* cr, double x0, double x1, const std::function<double(double)>& ground, int count,
           double minH, double maxH, Random& random)
{
    for (int i = 0; i < count; ++i) {
        const double x = random.range(x0, x1);
        const double base = ground(x) + random.range(2.0, 30.0);
        const double h = random.range(minH, maxH);
        const double lean = random.range(-0.3, 0.4) * h;
        const double shade = random.range(0.7, 1.25);
        blade(cr, x, base, h, lean, random.range(1.6, 3.2), reedColour.scaled(shade),
              random.uniform() < 0.6 ? random.range(0.15, 0.4) : 0.0);
        if (random.uniform() < 0.24) {
            const double hx = x + lean * 0.55;
            const double hy = base - h * 0.72;
            cairo_save(cr);
            cairo_translate(cr, hx, hy);
            cairo_rotate(cr, std::atan2(lean, h) * 0.7);
            cairo_new_path(cr);
            paint::roundedRectangle(cr, -3.0, -10.0, 6.0, 20.0, 3.0);
            paint::setColour(cr, Colour::bytes(54, 36, 26));
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 1.0);
            paint::setColour(cr, gui::ink);
            cairo_stroke(cr);
            cairo_new_path(cr);
            cairo_move_to(cr, hx < moonX ? 1.6 : -1.6, -7.5);
            cairo_line_to(cr, hx < moonX ? 1.6 : -1.6, 7.0);
            cairo_set_line_width(cr, 1.0);
            paint::setColour(cr, moonRim.withAlpha(0.35));
            cairo_stroke(cr);
            cairo_restore(cr);
        }
    }
}

// A bank along the bottom whose top edge is ground(x) from x0 to x1, dark earth under a fringe
// of grass.
void bank(cairo_t* cr, const std::function<double(double)>& ground, double x0, double x1, std::uint64_t seed)
{
    ridgeShape(cr, ground, x0, x1, height + 4);
    Pattern earth = paint::linearGradient(0, 560, 0, height, {{0.0, groundTop}, {1.0, groundDeep}});
    cairo_set_source(cr, earth.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.0);
    paint::setColour(cr, gui::ink);
    cairo_stroke(cr);
    Random random(seed);
    for (double x = x0; x < x1; x += random.range(1.5, 4.0)) {
        const double h = random.range(8.0, 26.0);
        blade(cr, x, ground(x) + 4.0, h, random.range(-0.5, 0.5) * h, random.range(1.0, 1.8),
              groundTop.scaled(random.range(0.8, 1.3)), random.uniform() < 0.3 ? 0.3 : 0.0);
    }
}

// A lily pad floating at (x, y): a flattened disc with a notch, lit on its moonward rim.
void lilyPad(cairo_t* cr, double x, double y, double r, double notch)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 0.32);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, r, notch + 0.28, notch - 0.28 + 2 * pi);
    cairo_close_path(cr);
    cairo_restore(cr);
    Pattern leaf =
        paint::linearGradient(x, y - r * 0.32, x, y + r * 0.32,
                              {{0.0, Colour::bytes(44, 70, 64)}, {1.0, Colour::bytes(16, 30, 30)}});
    cairo_set_source(cr, leaf.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.3);
    paint::setColour(cr, gui::ink);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 0.32);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, r - 2.0, pi * 1.15, pi * 1.75);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, moonRim.withAlpha(0.45));
    cairo_stroke(cr);
}

// A water lily open on the water: pale petals round a golden heart.
void waterLily(cairo_t* cr, double x, double y)
{
    const Colour petal = Colour::bytes(238, 230, 240);
    const Colour blush = Colour::bytes(214, 170, 196);
    auto petalAt = [&](double angle, double length, double lift) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, angle);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, -length * 0.25, -length * 0.35 - lift, -length * 0.05, -length - lift, 0,
                       -length - lift);
        cairo_curve_to(cr, length * 0.05, -length - lift, length * 0.25, -length * 0.35 - lift, 0, 0);
        cairo_close_path(cr);
        cairo_restore(cr);
        Pattern fill = paint::linearGradient(x, y - length, x, y, {{0.0, petal}, {1.0, blush}});
        cairo_set_source(cr, fill.get());
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, gui::ink.withAlpha(0.8));
        cairo_stroke(cr);
    };
    for (const double a : {-1.3, 1.3, -0.9, 0.9}) {
        petalAt(a, 13.0, 0.0);
    }
    for (const double a : {-0.45, 0.45, 0.0}) {
        petalAt(a, 15.0, 1.5);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y - 3.0, 3.0, 0, 2 * pi);
    paint::setColour(cr, gui::goldLight);
    cairo_fill(cr);
}

void treeLayer(Context& context)
{
    Canvas canvas(width, height);
    constexpr int woodLeft = 560;
    canvas.paint(Canvas(oakWood(woodLeft)), woodLeft, 0);
    cairo_t* cr = canvas.cr();
    knothole(cr);
    foliage(cr);

    Random random(0x2eed7);
    // The bank round the oak's roots, bottom right.
    auto rightGround = [](double x) {
        return 780.0 - 66.0 * smoothstep(716.0, 850.0, x) - 24.0 * smoothstep(850.0, 1024.0, x);
    };
    reeds(cr, 790, 900, rightGround, 18, 40.0, 120.0, random);
    bank(cr, rightGround, 716, width + 4, 0xba7c1);

    // The near bank on the left, high at the screen's edge, with tall reeds along it.
    auto leftGround = [](double x) {
        return 592.0 + 176.0 * smoothstep(-20.0, 380.0, x) + 5.0 * std::sin(x / 31.0);
    };
    reeds(cr, -10, 250, leftGround, 44, 70.0, 210.0, random);
    bank(cr, leftGround, -4, 372, 0xba7c2);
    reeds(cr, 160, 330, leftGround, 12, 40.0, 90.0, random);

    // Lily pads drifting near us, one with its flower open.
    lilyPad(cr, 430, 736, 30, pi * 0.35);
    lilyPad(cr, 486, 756, 38, pi * 0.6);
    lilyPad(cr, 552, 732, 24, pi * 0.2);
    lilyPad(cr, 604, 758, 30, pi * 0.8);
    lilyPad(cr, 394, 760, 22, pi * 0.5);
    lilyPad(cr, 660, 742, 18, pi * 0.1);
    waterLily(cr, 490, 752);
    context.save(canvas, "gfx/gui/screen-title/tree-layer.png");
}

// ---------------------------------------------------------------------------------------------
// lights-1.png to lights-7.png: soft patches the game adds to the screen and lets pulse. Each
// sums its lights as energy (so overlapping glows add up as light does) and fades to nothing
// well inside its edges.

struct Glow
{
    double x, y;   // centre, in the picture
    double rx, ry; // reach each way
    Colour colour; // colour.a: strength at the centre
};

Image lightPatch(int w, int h, const std::vector<Glow>& glows, std::uint64_t seed, double haze)
{
    const ValueNoise noise(seed);
    Image image(w, h);
    constexpr int n = 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double r = 0.0;
            double g = 0.0;
            double b = 0.0;
            for (int j = 0; j < n; ++j) {
                for (int i = 0; i < n; ++i) {
                    const double px = x + (i + 0.5) / n;
                    const double py = y + (j + 0.5) / n;
                    for (const Glow& glow : glows) {
                        const double d = std::hypot((px - glow.x) / glow.rx, (py - glow.y) / glow.ry);
                        if (d >= 1.0) {
                            continue;
                        }
                        double k = (std::exp(-4.5 * d * d) - std::exp(-4.5)) / (1.0 - std::exp(-4.5));
                        if (haze > 0.0 && glow.rx > 30.0) {
                            k *= 1.0 - haze + haze * 2.0 * noise.fbm(px / 40.0, py / 14.0, 3);
                        }
                        r += glow.colour.r * glow.colour.a * k;
                        g += glow.colour.g * glow.colour.a * k;
                        b += glow.colour.b * glow.colour.a * k;
                    }
                }
            }
            r /= n * n;
            g /= n * n;
            b /= n * n;
            // Nothing reaches the picture's edges.
            const double border = std::min({x + 0.5, y + 0.5, w - x - 0.5, h - y - 0.5});
            const double fade = smoothstep(1.0, 10.0, border);
            const double a = std::min(1.0, std::max({r, g, b})) * fade;
            if (a <= 0.0) {
                continue;
            }
            const double scale = std::max({r, g, b});
            image.at(x, y) = Pixel{unitToByte(std::min(1.0, r / scale)), unitToByte(std::min(1.0, g / scale)),
                                   unitToByte(std::min(1.0, b / scale)), unitToByte(a)};
        }
    }
    return image;
}

constexpr Colour fireflyCore = Colour::bytes(255, 252, 200);
constexpr Colour fireflyGlow = Colour::bytes(190, 255, 110);
constexpr Colour mistGlow = Colour::bytes(150, 168, 232);

// Fireflies over the reeds: a faint green haze with bright sparks in it.
Image fireflies(int w, int h, int count, std::uint64_t seed)
{
    Random random(seed);
    std::vector<Glow> glows{{w / 2.0, h / 2.0, w / 2.0 - 4.0, h / 2.0 - 4.0, fireflyGlow.withAlpha(0.16)}};
    for (int i = 0; i < count; ++i) {
        const double x = random.range(24.0, w - 24.0);
        const double y = random.range(20.0, h - 20.0);
        const double size = random.range(0.6, 1.0);
        glows.push_back({x, y, 16.0 * size, 16.0 * size, fireflyGlow.withAlpha(0.5 * size)});
        glows.push_back({x, y, 3.6 * size, 3.6 * size, fireflyCore.withAlpha(1.0)});
    }
    return lightPatch(w, h, glows, seed, 0.5);
}

// Moonlight glittering on the water below the moon: flat glints in a column.
Image glitter(int w, int h, std::uint64_t seed)
{
    Random random(seed);
    std::vector<Glow> glows{
        {w / 2.0, h / 2.0 + 10.0, w / 2.0 - 6.0, h / 2.0 - 6.0, moonlight.withAlpha(0.14)}};
    for (int i = 0; i < 26; ++i) {
        const double y = random.range(14.0, h - 12.0);
        const double spread = 6.0 + 18.0 * (y / h);
        const double x = std::clamp(w / 2.0 + gaussian(random) * spread, 18.0, w - 18.0);
        const double length = random.range(5.0, 14.0) * (0.6 + 0.6 * y / h);
        glows.push_back({x, y, length, 1.6 + 1.2 * y / h, moonlight.withAlpha(random.range(0.5, 1.0))});
    }
    return lightPatch(w, h, glows, seed, 0.0);
}

// Mist lit by the moon along the far shore: broad soft banks, wider than high.
Image mistPatch(int w, int h, std::uint64_t seed)
{
    Random random(seed);
    std::vector<Glow> glows;
    for (int i = 0; i < 5; ++i) {
        const double x = random.range(w * 0.3, w * 0.7);
        const double y = random.range(h * 0.42, h * 0.6);
        glows.push_back({x, y, random.range(w * 0.28, w * 0.48), random.range(h * 0.2, h * 0.4),
                         mistGlow.withAlpha(random.range(0.14, 0.22))});
    }
    return lightPatch(w, h, glows, seed, 0.7);
}

struct LightPatch
{
    int width;
    int height;
    std::function<Image(int, int)> draw;
};

// In the order of their numbers; where the game puts each one's top-left corner is in the
// comment.
const std::array<LightPatch, 7> lightPatches{{
    {250, 110, [](int w, int h) { return fireflies(w, h, 6, 0xf1e1); }}, // (0, 482), over the reeds
    {210, 96, [](int w, int h) { return fireflies(w, h, 5, 0xf1e2); }},  // (0, 572)
    {290, 124, [](int w, int h) { return fireflies(w, h, 7, 0xf1e3); }}, // (0, 643), low on the bank
    {2 * static_cast<int>(moonX - 709.0), 132,
     [](int w, int h) { return glitter(w, h, 0x6717); }},             // (709, 636)
    {220, 110, [](int w, int h) { return mistPatch(w, h, 0x3151); }}, // (22, 322), the headland
    {240, 100, [](int w, int h) { return mistPatch(w, h, 0x3152); }}, // (470, 322)
    {200, 110, [](int w, int h) { return mistPatch(w, h, 0x3153); }}, // (800, 322)
}};

// ---------------------------------------------------------------------------------------------
// gfx/effects/clouds/chmura1.png to chmura5.png: soft white clouds that the game draws at twice
// their size and a third of their strength: overlapping round puffs along a flat base, frayed
// by noise, lit from above and a little grey underneath.

constexpr int cloudWidth = 256;
constexpr int cloudHeight = 128;

Image cloud(std::uint64_t seed)
{
    Random random(seed);
    const ValueNoise noise(seed);
    struct Puff
    {
        double x, y, r;
        double flat = 1.0; // how much wider than high
    };
    std::vector<Puff> puffs;
    const int count = 7 + random.below(4);
    const double base = cloudHeight * random.range(0.66, 0.72);
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count;
        const double middle = 1.0 - std::pow(2.0 * t - 1.0, 2.0); // high in the middle, low at the ends
        const double r = random.range(18.0, 28.0) * (0.65 + 0.55 * middle);
        puffs.push_back({44.0 + t * (cloudWidth - 88.0) + random.range(-6.0, 6.0),
                         base - r * random.range(0.3, 0.7) - 16.0 * middle, r});
    }
    // Puffs thin out into wisps along the base at both ends.
    puffs.push_back({34.0, base - 5.0, 9.0, 3.0});
    puffs.push_back({cloudWidth - 34.0, base - 5.0, 9.0, 3.0});
    Image image(cloudWidth, cloudHeight);
    for (int y = 0; y < cloudHeight; ++y) {
        for (int x = 0; x < cloudWidth; ++x) {
            double field = 0.0;
            for (const Puff& p : puffs) {
                const double d2 = (std::pow((x - p.x) / p.flat, 2.0) + std::pow(y - p.y, 2.0)) / (p.r * p.r);
                field += std::exp(-d2);
            }
            // The underside flattens out along the base.
            field *= 1.0 - smoothstep(base - 4.0, base + 14.0, y);
            const double n = noise.fbm(x / 22.0, y / 16.0, 4);
            const double density = smoothstep(0.25, 1.05, field * (0.55 + 0.9 * n));
            const double border = std::min({x + 0.5, y + 0.5, cloudWidth - x - 0.5, cloudHeight - y - 0.5});
            const double a = density * smoothstep(2.0, 14.0, border);
            if (a <= 0.0) {
                continue;
            }
            const double shade = smoothstep(base - 30.0, base + 6.0, y);
            const Colour c = Colour{1, 1, 1, 1}.mix(Colour::bytes(206, 212, 234), shade);
            image.at(x, y) = Pixel{unitToByte(c.r), unitToByte(c.g), unitToByte(c.b), unitToByte(a)};
        }
    }
    return image;
}
} // namespace

void addTitleArt(Registry& registry)
{
    registry.add("title", "gfx/gui/screen-title/back.jpg", backdrop);
    registry.add("title", "gfx/backgrounds/background-3.jpg", creditsBackdrop);
    registry.add("title", "gfx/gui/screen-title/tree-layer.png", treeLayer);
    for (std::size_t i = 0; i < lightPatches.size(); ++i) {
        const std::string path = "gfx/gui/screen-title/lights-" + std::to_string(i + 1) + ".png";
        registry.add("title", path, [path, i](Context& c) {
            const LightPatch& patch = lightPatches[i];
            c.save(patch.draw(patch.width, patch.height), path);
        });
    }
    for (int i = 1; i <= 5; ++i) {
        const std::string path = "gfx/effects/clouds/chmura" + std::to_string(i) + ".png";
        registry.add("title", path,
                     [path, i](Context& c) { c.save(cloud(0xc10d0 + static_cast<std::uint64_t>(i)), path); });
    }
}
} // namespace contentgen
