// StoryArt.cpp: the "story" group: the layers of the cut-scenes before and after the quest
// (gfx/story/). Every layer is 1120 x 840, a little larger than the screen, so that it can
// pan and zoom behind the letterbox bars without showing an edge; the water line lies at
// y 440 on every layer, so the layers of a part stack into one scene.
//
// The backs are JPEGs (a sky over the lake: night with the moon, a deep blue dusk, a rose and
// gold dawn; and the inside of the old boathouse); everything in front of them is a PNG with
// alpha: the far shore with its lamps, mist, the road down to the lake with the wanderer, the
// old cards of Eldmere, the eight lights around the water, the boat, and the wanderer at rest
// by the shore at dawn. Everything comes from fixed seeds.

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
#include <numbers>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
constexpr int width = 1120;
constexpr int height = 840;
constexpr double waterLine = 440.0;
constexpr double pi = std::numbers::pi;

constexpr Colour lampGold = Colour::bytes(255, 196, 92);
constexpr Colour lampCore = Colour::bytes(255, 240, 196);
constexpr Colour silhouette = Colour::bytes(12, 12, 26);

struct SkyLook
{
    std::vector<GradientStop> sky;   // from the top down to the water line
    std::vector<GradientStop> water; // from the water line down
    int stars = 0;
    double starFade = 1.0; // how bright the stars are
    bool moon = false;
    double moonX = 0;
    double moonY = 0;
    std::uint64_t seed = 1;
};

Pattern gradientOf(double y0, double y1, const std::vector<GradientStop>& stops)
{
    Pattern p(cairo_pattern_create_linear(0, y0, 0, y1));
    for (const GradientStop& s : stops)
        cairo_pattern_add_color_stop_rgba(p.get(), s.offset, s.colour.r, s.colour.g, s.colour.b, s.colour.a);
    return p;
}

// The sky and the open water under it, with stars, the moon and its path on the water.
Image skyAndWater(const SkyLook& look)
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Pattern sky = gradientOf(0, waterLine, look.sky);
    cairo_set_source(cr, sky.get());
    cairo_rectangle(cr, 0, 0, width, waterLine);
    cairo_fill(cr);
    Pattern water = gradientOf(waterLine, height, look.water);
    cairo_set_source(cr, water.get());
    cairo_rectangle(cr, 0, waterLine, width, height - waterLine);
    cairo_fill(cr);

    Random random(look.seed);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < look.stars; ++i) {
        const double x = random.range(0, width);
        const double y = (waterLine - 60.0) * std::pow(random.uniform(), 1.4);
        const double size = std::pow(random.uniform(), 3.0);
        const double haze = 1.0 - 0.8 * smoothstep(200.0, waterLine - 60.0, y);
        const Colour c = Colour::bytes(210, 214, 255).mix(Colour::bytes(255, 232, 190), random.uniform());
        paint::softGlow(cr, x, y, 1.5 + 3.0 * size, c.withAlpha((0.3 + 0.7 * size) * haze * look.starFade));
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    if (look.moon) {
        paintMoon(cr,
                  {look.moonX,
                   look.moonY,
                   38,
                   300.0,
                   Colour::bytes(110, 120, 190, 0.22),
                   120.0,
                   Colour::bytes(200, 205, 240, 0.34),
                   -12,
                   -14,
                   1.3,
                   {Colour::bytes(255, 252, 236), Colour::bytes(244, 236, 206), Colour::bytes(214, 202, 172)},
                   Colour::bytes(176, 170, 160),
                   {{-12, -8, 18, 0.4}, {14, 10, 14, 0.32}, {-2, 18, 10, 0.26}}});
    }
    Image image = canvas.toImage();

    // Slow ripples on the water, and the moon's broken path towards us.
    const ValueNoise noise(look.seed ^ 0x5a17);
    for (int y = static_cast<int>(waterLine); y < height; ++y) {
        const double depth = (y - waterLine) / (height - waterLine);
        for (int x = 0; x < width; ++x) {
            const double ripple = noise.fbm(x / 140.0, y / (2.0 + 8.0 * depth), 3);
            Pixel& p = image.at(x, y);
            const double k = 0.88 + 0.24 * ripple;
            p.r = toByte(p.r * k);
            p.g = toByte(p.g * k);
            p.b = toByte(p.b * k);
            if (look.moon) {
                const double spread = 18.0 + 90.0 * depth;
                const double across = std::exp(-std::pow((x - look.moonX) / spread, 2.0));
                const double glint = smoothstep(0.55, 0.75, noise.fbm(x / 30.0 + 9.0, y / 1.5, 2));
                blend(p, Colour::bytes(250, 240, 210), 0.75 * across * glint);
            }
        }
    }
    return image;
}

// The water line on a layer that holds land: everything above it is mirrored below it,
// darker and broken by ripples, on the water that stays clear.
void mirrorIntoWater(Image& image, double strength, std::uint64_t seed)
{
    const Image above = image;
    const ValueNoise noise(seed);
    const int top = static_cast<int>(waterLine);
    for (int y = top; y < height; ++y) {
        const double depth = (y - waterLine) / (height - waterLine);
        const int sy = 2 * top - y - 1;
        if (sy < 0)
            break;
        for (int x = 0; x < width; ++x) {
            const double wobble = (2.0 + 24.0 * depth) * (noise.fbm(x / 80.0, y / 2.5, 3) - 0.5);
            const int sx = std::clamp(static_cast<int>(x + wobble), 0, width - 1);
            const Pixel& s = above.at(sx, sy);
            if (s.a == 0)
                continue;
            const double fade = strength * (1.0 - depth) * s.a / 255.0;
            Pixel& p = image.at(x, y);
            const Colour c = Colour::bytes(s.r, s.g, s.b).scaled(0.7);
            const double a = fade + (p.a / 255.0) * (1.0 - fade);
            if (a <= 0)
                continue;
            auto mixed = [&](std::uint8_t under, double over) {
                return toByte((over * 255.0 * fade + under * (p.a / 255.0) * (1.0 - fade)) / a);
            };
            p = Pixel{mixed(p.r, c.r), mixed(p.g, c.g), mixed(p.b, c.b), toByte(a * 255.0)};
        }
    }
}

// A warm lamp: its glow, its flame, and its streak on the water below it.
void lamp(cairo_t* cr, double x, double y, double size, double strength = 1.0)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    paint::softGlow(cr, x, y, 26.0 * size, lampGold.withAlpha(0.45 * strength));
    paint::softGlow(cr, x, y, 7.0 * size, lampCore.withAlpha(0.95 * strength));
    // The streak: a tall thin glow on the water, broken into dashes.
    const double below = 2.0 * waterLine - y;
    for (int i = 0; i < 7; ++i) {
        const double sy = below - 6.0 + 9.0 * i;
        const double w = (4.0 + 2.0 * i) * size;
        cairo_save(cr);
        cairo_translate(cr, x + std::sin(i * 2.1) * 3.0, sy);
        cairo_scale(cr, 1.0, 0.22);
        paint::softGlow(cr, 0, 0, w * 2.2, lampGold.withAlpha(0.5 * strength * (1.0 - i / 8.0)));
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

// The far shore: hazy hills, a wooded line along the water and, when asked, lamps in it.
Image farShore(Colour hills, Colour woods, double rise, int lamps, std::uint64_t seed)
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    const ValueNoise noise(seed);
    auto far = [&](double x) {
        return waterLine - 10.0 - rise * std::pow(noise.fbm(x / 230.0, 3.5, 4), 1.4)
               + 5.0 * std::sin(x / 90.0);
    };
    paint::setColour(cr, hills);
    ridgeShape(cr, far, -4, width + 4, waterLine + 1);
    cairo_fill(cr);
    auto near = [&](double x) { return waterLine - 6.0 - 12.0 * noise.fbm(x / 90.0, 11.0, 3); };
    paint::setColour(cr, woods);
    ridgeShape(cr, near, -4, width + 4, waterLine + 1);
    cairo_fill(cr);
    forest(cr, near, -8, width + 8, 8.0, 8.0, 24.0, seed ^ 0xf17);
    Image image = canvas.toImage();
    mirrorIntoWater(image, 0.6, seed ^ 0x77);
    if (lamps > 0) {
        Canvas lit(image);
        Random random(seed ^ 0x1a3b);
        for (int i = 0; i < lamps; ++i) {
            const double x = 80.0 + (width - 160.0) * (i + random.range(0.2, 0.8)) / lamps;
            lamp(lit.cr(), x, near(x) + 3.0, random.range(0.55, 0.9));
        }
        image = lit.toImage();
    }
    return image;
}

// A band of mist lying on the water, thicker in drifting patches.
Image mist(double centre, double depth, Colour tint, double strength, std::uint64_t seed)
{
    Image image(width, height);
    const ValueNoise noise(seed);
    for (int y = 0; y < height; ++y) {
        const double band = std::exp(-std::pow((y - centre) / depth, 2.0));
        if (band < 0.01)
            continue;
        for (int x = 0; x < width; ++x) {
            const double n = noise.fbm(x / 260.0, y / 38.0, 4);
            const double a = strength * band * smoothstep(0.3, 0.75, n);
            image.at(x, y) = Pixel{toByte(tint.r * 255.0), toByte(tint.g * 255.0), toByte(tint.b * 255.0),
                                   toByte(a * 255.0)};
        }
    }
    return image;
}

// The wanderer: a cloaked figure with a staff and a hood, standing on `ground`, `tall` high,
// and the lantern's glow on the far side of the staff when it carries one.
void wanderer(cairo_t* cr, double x, double ground, double tall, bool lantern)
{
    const double u = tall / 100.0;
    paint::setColour(cr, silhouette);
    // The cloak, wider at the hem, a little blown to the left.
    cairo_move_to(cr, x - 6 * u, ground - 78 * u);
    cairo_curve_to(cr, x - 16 * u, ground - 50 * u, x - 26 * u, ground - 14 * u, x - 24 * u, ground);
    cairo_line_to(cr, x + 18 * u, ground);
    cairo_curve_to(cr, x + 17 * u, ground - 30 * u, x + 12 * u, ground - 58 * u, x + 8 * u, ground - 78 * u);
    cairo_close_path(cr);
    cairo_fill(cr);
    // The hood, pointed at the back.
    cairo_move_to(cr, x - 9 * u, ground - 74 * u);
    cairo_curve_to(cr, x - 12 * u, ground - 92 * u, x - 2 * u, ground - 102 * u, x + 6 * u, ground - 96 * u);
    cairo_curve_to(cr, x + 11 * u, ground - 90 * u, x + 10 * u, ground - 80 * u, x + 9 * u, ground - 74 * u);
    cairo_close_path(cr);
    cairo_fill(cr);
    // The staff, taller than its bearer.
    cairo_set_line_width(cr, 2.6 * u);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x + 22 * u, ground + 1 * u);
    cairo_line_to(cr, x + 16 * u, ground - 112 * u);
    cairo_stroke(cr);
    if (lantern) {
        // Hung from the staff's top: the frame, then its light.
        const double lx = x + 28 * u;
        const double ly = ground - 92 * u;
        cairo_set_line_width(cr, 1.2 * u);
        cairo_move_to(cr, x + 16.5 * u, ground - 106 * u);
        cairo_line_to(cr, lx, ly - 8 * u);
        cairo_stroke(cr);
        cairo_rectangle(cr, lx - 4 * u, ly - 7 * u, 8 * u, 12 * u);
        cairo_fill(cr);
        paint::softGlow(cr, lx, ly, 70 * u, lampGold.withAlpha(0.42));
        paint::softGlow(cr, lx, ly, 12 * u, lampCore);
        // The light catches the cloak's edge on that side.
        cairo_set_line_width(cr, 1.4 * u);
        paint::setColour(cr, lampGold.withAlpha(0.55));
        cairo_move_to(cr, x + 8 * u, ground - 76 * u);
        cairo_curve_to(cr, x + 12 * u, ground - 58 * u, x + 17 * u, ground - 30 * u, x + 18 * u,
                       ground - 2 * u);
        cairo_stroke(cr);
    }
}

// Reeds at the water's edge: thin dark blades leaning in the breeze.
void reeds(cairo_t* cr, double x0, double x1, double base, double tall, std::uint64_t seed)
{
    Random random(seed);
    paint::setColour(cr, silhouette);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double x = x0; x < x1; x += random.range(3.0, 9.0)) {
        const double h = tall * random.range(0.45, 1.0);
        const double lean = random.range(-0.25, 0.35) * h;
        cairo_set_line_width(cr, random.range(1.5, 3.2));
        cairo_move_to(cr, x, base);
        cairo_curve_to(cr, x, base - h * 0.5, x + lean * 0.4, base - h * 0.8, x + lean, base - h);
        cairo_stroke(cr);
        if (random.uniform() < 0.18) {
            // A bulrush head.
            cairo_save(cr);
            cairo_translate(cr, x + lean * 0.85, base - h * 0.88);
            cairo_rotate(cr, std::atan2(lean, h));
            cairo_scale(cr, 1.0, 3.2);
            cairo_arc(cr, 0, 0, 2.6, 0, 2 * pi);
            cairo_restore(cr);
            cairo_fill(cr);
        }
    }
}

// The road down to the lake between dark near hills, and the wanderer on it.
Image roadDown()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    const ValueNoise noise(0x20ad);
    auto hill = [&](double x) {
        return 560.0 - 90.0 * std::exp(-std::pow((x - 140.0) / 260.0, 2.0))
               - 60.0 * std::exp(-std::pow((x - 1010.0) / 200.0, 2.0)) + 10.0 * noise.fbm(x / 70.0, 1.0, 3);
    };
    paint::setColour(cr, Colour::bytes(16, 16, 32));
    ridgeShape(cr, hill, -4, width + 4, height + 4);
    cairo_fill(cr);
    forest(cr, hill, -10, 330, 14.0, 30.0, 70.0, 0x20ae);
    forest(cr, hill, 880, width + 10, 14.0, 26.0, 60.0, 0x20af);
    // The road, pale in the dusk, winding down towards the water.
    Pattern road = paint::linearGradient(0, 520, 0, height,
                                         {{0.0, Colour::bytes(70, 66, 92, 0.0)},
                                          {0.3, Colour::bytes(78, 72, 96, 0.8)},
                                          {1.0, Colour::bytes(58, 52, 70, 1.0)}});
    cairo_move_to(cr, 560, 548);
    cairo_curve_to(cr, 600, 600, 430, 660, 380, height + 4);
    cairo_line_to(cr, 660, height + 4);
    cairo_curve_to(cr, 620, 680, 650, 600, 578, 548);
    cairo_close_path(cr);
    cairo_set_source(cr, road.get());
    cairo_fill(cr);
    wanderer(cr, 520, 668, 120, true);
    reeds(cr, 0, 250, 700, 60, 0x20b0);
    reeds(cr, 900, width, 705, 70, 0x20b1);
    return canvas.toImage();
}

// The inside of the old boathouse: dark planks, a window on the lake, a warm candle's light
// and the table on which the cards lie.
Image boathouse()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    paint::setColour(cr, Colour::bytes(38, 24, 16));
    cairo_paint(cr);
    Random random(0xb0a7);
    for (double x = 0; x < width; x += random.range(70, 110)) {
        const double shade = random.range(0.75, 1.15);
        paint::setColour(cr, Colour::bytes(54, 34, 22).scaled(shade));
        cairo_rectangle(cr, x + 2, 0, random.range(64, 104), 560);
        cairo_fill(cr);
    }
    // The window: night over the lake, a sliver of moon, lamps on the far shore.
    Pattern night = paint::linearGradient(0, 170, 0, 380,
                                          {{0.0, Colour::bytes(14, 16, 44)},
                                           {0.7, Colour::bytes(40, 40, 92)},
                                           {1.0, Colour::bytes(20, 26, 58)}});
    cairo_rectangle(cr, 700, 170, 230, 210);
    cairo_set_source(cr, night.get());
    cairo_fill(cr);
    paint::setColour(cr, Colour::bytes(30, 30, 62));
    cairo_rectangle(cr, 700, 300, 230, 14);
    cairo_fill(cr);
    for (const double lx : {730.0, 790.0, 880.0})
        paint::softGlow(cr, lx, 302, 9, lampGold.withAlpha(0.9));
    paint::softGlow(cr, 860, 220, 16, Colour::bytes(250, 244, 220, 0.9));
    paint::setColour(cr, Colour::bytes(26, 16, 10));
    cairo_set_line_width(cr, 12);
    cairo_rectangle(cr, 700, 170, 230, 210);
    cairo_move_to(cr, 815, 170);
    cairo_line_to(cr, 815, 380);
    cairo_move_to(cr, 700, 275);
    cairo_line_to(cr, 930, 275);
    cairo_stroke(cr);
    // The table top, planks running towards us.
    Pattern table = paint::linearGradient(
        0, 540, 0, height, {{0.0, Colour::bytes(70, 44, 24)}, {1.0, Colour::bytes(44, 26, 14)}});
    cairo_rectangle(cr, 0, 540, width, height - 540);
    cairo_set_source(cr, table.get());
    cairo_fill(cr);
    paint::setColour(cr, Colour::bytes(28, 16, 8, 0.8));
    cairo_set_line_width(cr, 2);
    for (int i = -6; i <= 6; ++i) {
        cairo_move_to(cr, 560 + i * 60, 540);
        cairo_line_to(cr, 560 + i * 190, height);
    }
    cairo_stroke(cr);
    // The candle's warm light over everything.
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    paint::softGlow(cr, 300, 470, 520, Colour::bytes(150, 90, 30, 0.55));
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    Image image = canvas.toImage();
    paint::mottle(image, 0xb0a8, 40, 6, 3, 0.25);
    // Dark corners.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot((x - 560.0) / 620.0, (y - 470.0) / 470.0);
            blend(image.at(x, y), Colour::bytes(8, 4, 2), 0.8 * smoothstep(0.55, 1.1, d));
        }
    }
    return image;
}

// One of the old cards, face down: worn parchment with a gilded border and the lake's
// eight-pointed star, rotated about its centre.
void oldCard(cairo_t* cr, double cx, double cy, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    const double w = 120;
    const double h = 176;
    paint::roundedRectangle(cr, -w / 2 + 6, -h / 2 + 10, w, h, 10);
    paint::setColour(cr, Colour::bytes(0, 0, 0, 0.45));
    cairo_fill(cr);
    paint::roundedRectangle(cr, -w / 2, -h / 2, w, h, 10);
    Pattern face = paint::linearGradient(
        0, -h / 2, 0, h / 2, {{0.0, Colour::bytes(96, 40, 34)}, {1.0, Colour::bytes(58, 22, 22)}});
    cairo_set_source(cr, face.get());
    cairo_fill_preserve(cr);
    paint::setColour(cr, Colour::bytes(226, 180, 92));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    paint::roundedRectangle(cr, -w / 2 + 10, -h / 2 + 10, w - 20, h - 20, 6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The star.
    cairo_new_path(cr);
    for (int i = 0; i < 16; ++i) {
        const double r = i % 2 == 0 ? 38.0 : 14.0;
        const double a = i * pi / 8;
        cairo_line_to(cr, r * std::sin(a), -r * std::cos(a));
    }
    cairo_close_path(cr);
    paint::setColour(cr, Colour::bytes(240, 200, 110));
    cairo_fill(cr);
    paint::softGlow(cr, 0, 0, 30, lampCore.withAlpha(0.6));
    cairo_restore(cr);
}

// The cards fanned on the table, glowing in the candle light.
Image cardsOnTable()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    paint::softGlow(cr, 560, 560, 330, lampGold.withAlpha(0.28));
    for (int i = 0; i < 5; ++i) {
        const double t = i - 2.0;
        oldCard(cr, 560 + t * 62, 560 + t * t * 7, t * 0.2);
    }
    // The candle stub at the left, its flame, and its light.
    paint::setColour(cr, Colour::bytes(214, 196, 160));
    cairo_rectangle(cr, 282, 500, 36, 90);
    cairo_fill(cr);
    paint::setColour(cr, Colour::bytes(40, 26, 16));
    cairo_move_to(cr, 300, 500);
    cairo_line_to(cr, 300, 490);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    paint::softGlow(cr, 300, 470, 120, lampGold.withAlpha(0.5));
    cairo_save(cr);
    cairo_translate(cr, 300, 474);
    cairo_scale(cr, 0.55, 1.0);
    paint::softGlow(cr, 0, 0, 24, lampCore);
    cairo_restore(cr);
    return canvas.toImage();
}

// Golden motes drifting up in the light.
Image motes(std::uint64_t seed)
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Random random(seed);
    for (int i = 0; i < 90; ++i) {
        const double x = random.range(150, 970);
        const double y = random.range(160, 660);
        const double r = random.range(2.0, 7.0);
        paint::softGlow(cr, x, y, r * 3, lampGold.withAlpha(random.range(0.25, 0.7)));
        paint::softGlow(cr, x, y, r * 0.7, lampCore.withAlpha(0.9));
    }
    return canvas.toImage();
}

// The wide lake under the night: a low far shore all around and the near bank with reeds.
Image lakeRing()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    const ValueNoise noise(0x1a4e);
    auto far = [&](double x) { return waterLine - 8.0 - 34.0 * std::pow(noise.fbm(x / 160.0, 2.0, 4), 1.6); };
    paint::setColour(cr, Colour::bytes(30, 30, 70));
    ridgeShape(cr, far, -4, width + 4, waterLine + 1);
    cairo_fill(cr);
    forest(cr, far, -6, width + 6, 9.0, 6.0, 16.0, 0x1a4f);
    Image image = canvas.toImage();
    mirrorIntoWater(image, 0.55, 0x1a50);
    Canvas near(image);
    cairo_t* nc = near.cr();
    auto bank = [](double x) { return 700.0 - 40.0 * std::exp(-std::pow((x - 160.0) / 240.0, 2.0)); };
    paint::setColour(nc, silhouette);
    ridgeShape(nc, bank, -4, width + 4, height + 4);
    cairo_fill(nc);
    reeds(nc, 0, 420, 680, 90, 0x1a51);
    reeds(nc, 820, width, 700, 70, 0x1a52);
    return near.toImage();
}

// The eight lights of Eldmere around the water, one for each place of the quest.
Image eightLights(double strength)
{
    Canvas canvas(width, height);
    constexpr double places[8][2] = {{130, 436}, {262, 430}, {398, 426}, {512, 422},
                                     {634, 425}, {760, 429}, {884, 432}, {1004, 437}};
    for (const auto& at : places)
        lamp(canvas.cr(), at[0], at[1], 1.05, strength);
    return canvas.toImage();
}

// The boat on the lake, the wanderer in it with the lantern on the prow.
Image boat()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    const double x = 640;
    const double y = 560;
    // Rings on the water around the hull.
    paint::setColour(cr, Colour::bytes(255, 214, 140, 0.25));
    cairo_set_line_width(cr, 1.5);
    for (int i = 1; i <= 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x, y + 4);
        cairo_scale(cr, 1.0, 0.16);
        cairo_arc(cr, 0, 0, 80.0 + 34.0 * i, 0, 2 * pi);
        cairo_restore(cr);
        cairo_stroke(cr);
    }
    paint::setColour(cr, silhouette);
    cairo_move_to(cr, x - 96, y - 14);
    cairo_curve_to(cr, x - 60, y + 10, x + 60, y + 10, x + 104, y - 22);
    cairo_line_to(cr, x + 90, y - 8);
    cairo_curve_to(cr, x + 40, y + 6, x - 50, y + 6, x - 88, y - 6);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, x - 96, y - 14);
    cairo_curve_to(cr, x - 40, y - 2, x + 50, y - 4, x + 104, y - 22);
    cairo_line_to(cr, x + 96, y + 2);
    cairo_curve_to(cr, x + 40, y + 14, x - 50, y + 14, x - 90, y);
    cairo_close_path(cr);
    cairo_fill(cr);
    wanderer(cr, x - 30, y - 6, 70, false);
    // The lantern on its pole at the prow.
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, x + 96, y - 18);
    cairo_line_to(cr, x + 112, y - 70);
    cairo_stroke(cr);
    paint::softGlow(cr, x + 114, y - 66, 60, lampGold.withAlpha(0.45));
    paint::softGlow(cr, x + 114, y - 66, 10, lampCore);
    // Its light on the water.
    for (int i = 0; i < 6; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x + 114 + std::sin(i * 1.7) * 4, y + 14 + i * 12);
        cairo_scale(cr, 1.0, 0.2);
        paint::softGlow(cr, 0, 0, 24.0 + 6.0 * i, lampGold.withAlpha(0.4 * (1.0 - i / 7.0)));
        cairo_restore(cr);
    }
    return canvas.toImage();
}

// The end of the walk: the near bank at dawn, the wanderer looking over the quiet lake with
// the lantern set down in the grass.
Image wandererAtRest()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    auto bank = [](double x) { return 650.0 - 70.0 * std::exp(-std::pow((x - 220.0) / 300.0, 2.0)); };
    paint::setColour(cr, Colour::bytes(20, 16, 30));
    ridgeShape(cr, bank, -4, width + 4, height + 4);
    cairo_fill(cr);
    reeds(cr, 420, 760, 660, 80, 0x7e57);
    reeds(cr, 900, width, 668, 60, 0x7e58);
    // An old willow leaning over the water on the left.
    paint::setColour(cr, Colour::bytes(20, 16, 30));
    cairo_move_to(cr, 60, 600);
    cairo_curve_to(cr, 90, 460, 160, 330, 300, 240);
    cairo_line_to(cr, 310, 252);
    cairo_curve_to(cr, 190, 350, 130, 470, 120, 600);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Its long fronds hanging towards the water, swaying a little.
    Random random(0x7e59);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 90; ++i) {
        const double t = random.range(0.35, 1.0);
        const double fx = 60 + 240 * t - 30 * t * (1 - t);
        const double fy = 600 - 360 * t + 120 * t * (1 - t);
        const double length = random.range(70, 240) * (0.6 + 0.4 * t);
        const double sway = random.range(-14, 22);
        cairo_set_line_width(cr, random.range(1.2, 2.6));
        cairo_move_to(cr, fx, fy);
        cairo_curve_to(cr, fx + sway * 0.2, fy + length * 0.4, fx + sway * 0.8, fy + length * 0.7, fx + sway,
                       fy + length);
        cairo_stroke(cr);
    }
    wanderer(cr, 330, 590, 110, false);
    // The lantern in the grass, still burning low.
    const double lx = 376;
    const double ly = 584;
    paint::setColour(cr, silhouette);
    cairo_rectangle(cr, lx - 6, ly - 14, 12, 16);
    cairo_fill(cr);
    paint::softGlow(cr, lx, ly - 6, 60, lampGold.withAlpha(0.4));
    paint::softGlow(cr, lx, ly - 6, 8, lampCore);
    return canvas.toImage();
}

const SkyLook nightSky{{{0.0, Colour::bytes(8, 10, 32)},
                        {0.5, Colour::bytes(22, 24, 66)},
                        {0.85, Colour::bytes(46, 44, 100)},
                        {1.0, Colour::bytes(82, 72, 124)}},
                       {{0.0, Colour::bytes(40, 40, 86)}, {1.0, Colour::bytes(10, 14, 36)}},
                       260,
                       1.0,
                       true,
                       800,
                       170,
                       0x5107};

const SkyLook duskSky{{{0.0, Colour::bytes(14, 14, 44)},
                       {0.6, Colour::bytes(40, 36, 90)},
                       {0.9, Colour::bytes(110, 74, 110)},
                       {1.0, Colour::bytes(170, 110, 96)}},
                      {{0.0, Colour::bytes(96, 70, 100)}, {1.0, Colour::bytes(14, 14, 38)}},
                      120,
                      0.7,
                      false,
                      0,
                      0,
                      0xd05c};

const SkyLook dawnSky{{{0.0, Colour::bytes(30, 38, 92)},
                       {0.45, Colour::bytes(96, 90, 150)},
                       {0.8, Colour::bytes(214, 150, 150)},
                       {1.0, Colour::bytes(255, 206, 140)}},
                      {{0.0, Colour::bytes(220, 170, 140)},
                       {0.4, Colour::bytes(110, 96, 140)},
                       {1.0, Colour::bytes(30, 34, 72)}},
                      60,
                      0.35,
                      false,
                      0,
                      0,
                      0xda17};

void saveLayer(Context& context, const Image& image, const std::string& name)
{
    context.save(image, "gfx/story/" + name, 90);
}
} // namespace

void addStoryArt(Registry& registry)
{
    registry.add("story", "gfx/story/sky-night.jpg",
                 [](Context& c) { saveLayer(c, skyAndWater(nightSky), "sky-night.jpg"); });
    registry.add("story", "gfx/story/sky-dusk.jpg",
                 [](Context& c) { saveLayer(c, skyAndWater(duskSky), "sky-dusk.jpg"); });
    registry.add("story", "gfx/story/sky-dawn.jpg",
                 [](Context& c) { saveLayer(c, skyAndWater(dawnSky), "sky-dawn.jpg"); });
    registry.add("story", "gfx/story/boathouse.jpg",
                 [](Context& c) { saveLayer(c, boathouse(), "boathouse.jpg"); });
    registry.add("story", "gfx/story/shore-far.png", [](Context& c) {
        saveLayer(c, farShore(Colour::bytes(40, 38, 88), Colour::bytes(22, 22, 52), 140, 6, 0x5f01),
                  "shore-far.png");
    });
    registry.add("story", "gfx/story/shore-dawn.png", [](Context& c) {
        saveLayer(c, farShore(Colour::bytes(120, 96, 140), Colour::bytes(62, 50, 84), 120, 0, 0x5f02),
                  "shore-dawn.png");
    });
    registry.add("story", "gfx/story/mist-low.png", [](Context& c) {
        saveLayer(c, mist(470, 60, Colour::bytes(190, 196, 230), 0.55, 0x3157), "mist-low.png");
    });
    registry.add("story", "gfx/story/mist-high.png", [](Context& c) {
        saveLayer(c, mist(380, 110, Colour::bytes(170, 176, 216), 0.45, 0x3158), "mist-high.png");
    });
    registry.add("story", "gfx/story/mist-dawn.png", [](Context& c) {
        saveLayer(c, mist(450, 80, Colour::bytes(255, 226, 200), 0.6, 0x3159), "mist-dawn.png");
    });
    registry.add("story", "gfx/story/road.png", [](Context& c) { saveLayer(c, roadDown(), "road.png"); });
    registry.add("story", "gfx/story/cards.png",
                 [](Context& c) { saveLayer(c, cardsOnTable(), "cards.png"); });
    registry.add("story", "gfx/story/motes.png",
                 [](Context& c) { saveLayer(c, motes(0x6073), "motes.png"); });
    registry.add("story", "gfx/story/lake-ring.png",
                 [](Context& c) { saveLayer(c, lakeRing(), "lake-ring.png"); });
    registry.add("story", "gfx/story/eight-lights.png",
                 [](Context& c) { saveLayer(c, eightLights(0.8), "eight-lights.png"); });
    registry.add("story", "gfx/story/eight-lights-bright.png",
                 [](Context& c) { saveLayer(c, eightLights(1.0), "eight-lights-bright.png"); });
    registry.add("story", "gfx/story/boat.png", [](Context& c) { saveLayer(c, boat(), "boat.png"); });
    registry.add("story", "gfx/story/wanderer-rest.png",
                 [](Context& c) { saveLayer(c, wandererAtRest(), "wanderer-rest.png"); });
}
} // namespace contentgen
