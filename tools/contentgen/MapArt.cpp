// MapArt.cpp: the "map" group: the quest map (gfx/gui/screen-map/mapa.jpg), the frame laid over
// a stage's picture (nakladka.png), the eight stage pictures (stages/stage-1.png to stage-8.png)
// and a rune per stage, lit and dark (runes/run-1.png to run-8-dark.png).
//
// The map is old parchment with the lake of Eldmere in night blue on it, a dotted road round
// its shores through the eight places of the quest, where the game lays the runes. It keeps
// plain paper where the game writes: the story band at the top, the goals at the bottom, and
// the panel on the upper left where the stage's picture hangs in its frame. The stage pictures
// are small night scenes, each of its own place; the runes are simple carved glyphs.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "GuiPalette.hpp"
#include "HudArt.hpp"
#include "Image.hpp"
#include "Landscape.hpp"
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
#include <vector>

namespace contentgen
{
namespace
{
using namespace gui; // the palette and the carved wood

constexpr double pi = std::numbers::pi;
constexpr int mapWidth = 1024;
constexpr int mapHeight = 768;

struct Place
{
    double x;
    double y;
};
// The runes' places, as data/stages.dat lays them: the road runs from the reeds in the south-west
// round the shore and ends on the deep water in the middle of the lake.
constexpr std::array<Place, 8> places{
    {{110, 505}, {275, 455}, {440, 520}, {600, 430}, {820, 520}, {960, 320}, {830, 165}, {720, 330}}};

constexpr Place lakeCentre{720, 335};
constexpr double lakeRx = 215;
constexpr double lakeRy = 150;

constexpr Colour parchLight = Colour::bytes(242, 226, 188);
constexpr Colour parchDark = Colour::bytes(196, 160, 108);
constexpr Colour brownInk = Colour::bytes(92, 58, 30);
constexpr Colour waterDeep = Colour::bytes(16, 28, 62);
constexpr Colour waterShallow = Colour::bytes(46, 74, 120);
constexpr Colour nightTop = Colour::bytes(8, 12, 30);
constexpr Colour nightLow = Colour::bytes(40, 52, 92);

// How far the lake's shore lies from its centre in the direction `angle`.
double shoreRadius(double angle, const ValueNoise& noise)
{
    const double wobble =
        0.86 + 0.28 * noise.fbm(std::cos(angle) * 2.0 + 3.0, std::sin(angle) * 2.0 + 3.0, 3);
    return wobble;
}

void lakePath(cairo_t* cr, const ValueNoise& noise, double grow)
{
    cairo_new_path(cr);
    for (int i = 0; i <= 180; ++i) {
        const double angle = 2 * pi * i / 180.0;
        const double r = shoreRadius(angle, noise);
        const double x = lakeCentre.x + std::cos(angle) * (lakeRx * r + grow);
        const double y = lakeCentre.y + std::sin(angle) * (lakeRy * r + grow);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

// Parchment over the whole picture: mottled, browned towards the edges.
void paintParchment(Image& image, std::uint64_t seed)
{
    const ValueNoise noise(seed);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x - image.width() / 2.0) / (image.width() / 2.0);
            const double dy = (y - image.height() / 2.0) / (image.height() / 2.0);
            const double edge = smoothstep(0.55, 1.35, std::sqrt(dx * dx + dy * dy));
            const double blot = noise.fbm(x / 90.0, y / 90.0, 4) - 0.5;
            const double t = std::clamp(edge * 0.9 + blot * 0.35, 0.0, 1.0);
            const Colour c = parchLight.mix(parchDark, t);
            image.at(x, y) = {unitToByte(c.r), unitToByte(c.g), unitToByte(c.b), 255};
        }
    }
}

// A little fir in ink, the map-maker's sign for woods.
void inkFir(cairo_t* cr, double x, double y, double h)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - h);
    cairo_line_to(cr, x + h * 0.35, y);
    cairo_line_to(cr, x - h * 0.35, y);
    cairo_close_path(cr);
    paint::setColour(cr, brownInk.withAlpha(0.45));
    cairo_fill(cr);
}

// A little hill: an arch with a shaded side.
void inkHill(cairo_t* cr, double x, double y, double w, const Colour& ink)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x - w / 2, y);
    cairo_curve_to(cr, x - w / 4, y - w * 0.55, x + w / 4, y - w * 0.55, x + w / 2, y);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
}

// A mountain: a peak with its shaded side hatched.
void inkMountain(cairo_t* cr, double x, double y, double w)
{
    const double h = w * 0.8;
    cairo_new_path(cr);
    cairo_move_to(cr, x - w / 2, y);
    cairo_line_to(cr, x, y - h);
    cairo_line_to(cr, x + w / 2, y);
    paint::setColour(cr, parchLight);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, brownInk.withAlpha(0.75));
    cairo_stroke(cr);
    for (int i = 1; i < 5; ++i) {
        const double t = i / 5.0;
        cairo_new_path(cr);
        cairo_move_to(cr, x + w / 2 * t * 0.9, y - h * (1 - t) + 2);
        cairo_line_to(cr, x + w / 2 * t * 0.4, y);
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, brownInk.withAlpha(0.4));
        cairo_stroke(cr);
    }
}

void paintLake(cairo_t* cr)
{
    const ValueNoise noise(0x1a4e);
    // The shore's shallows, then the water.
    lakePath(cr, noise, 10.0);
    paint::setColour(cr, Colour::bytes(150, 138, 110, 0.6));
    cairo_fill(cr);
    lakePath(cr, noise, 0.0);
    Pattern water = paint::radialGradient(
        lakeCentre.x, lakeCentre.y, 0, lakeRx * 1.1,
        {{0.0, waterDeep}, {0.7, waterDeep.mix(waterShallow, 0.5)}, {1.0, waterShallow}});
    cairo_set_source(cr, water.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3.0);
    paint::setColour(cr, brownInk);
    cairo_stroke(cr);
    // Ripples: short pale strokes across the water, and the moon's light on it.
    cairo_save(cr);
    lakePath(cr, noise, -6.0);
    cairo_clip(cr);
    Random random(0x71e);
    for (int i = 0; i < 70; ++i) {
        const double x = lakeCentre.x + random.range(-lakeRx, lakeRx);
        const double y = lakeCentre.y + random.range(-lakeRy, lakeRy);
        const double w = random.range(8, 26);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + w / 3, y - 2, x + 2 * w / 3, y + 2, x + w, y);
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, Colour::bytes(170, 190, 230, random.range(0.15, 0.35)));
        cairo_stroke(cr);
    }
    paint::softGlow(cr, lakeCentre.x + 40, lakeCentre.y - 40, 110, Colour::bytes(160, 180, 230, 0.18));
    cairo_restore(cr);
}

// Heron Isle: a small island of reeds out in the water.
void paintIsle(cairo_t* cr, double x, double y)
{
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y + 4);
    cairo_scale(cr, 1.0, 0.55);
    cairo_arc(cr, 0, 0, 34, 0, 2 * pi);
    cairo_restore(cr);
    paint::setColour(cr, parchDark);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.0);
    paint::setColour(cr, brownInk);
    cairo_stroke(cr);
}

void paintLand(cairo_t* cr)
{
    // Mountains by the pass in the east, woods in the north-east and along the west shore,
    // reeds in the south-west.
    Random random(0x3a9);
    for (int i = 0; i < 14; ++i)
        inkMountain(cr, 905 + random.range(-10, 90), 200 + i * 22.0 + random.range(-6, 6),
                    random.range(34, 58));
    for (int i = 0; i < 10; ++i)
        inkHill(cr, 680 + random.range(0, 200), 600 + random.range(0, 50), random.range(30, 60),
                brownInk.withAlpha(0.35));
    for (int i = 0; i < 30; ++i)
        inkFir(cr, 40 + random.range(0, 40), 160 + random.range(0, 260), random.range(10, 15));
    for (int i = 0; i < 40; ++i)
        inkFir(cr, 760 + random.range(0, 170), 120 + random.range(0, 70), random.range(10, 16));
    for (int i = 0; i < 24; ++i)
        inkFir(cr, 470 + random.range(0, 60), 390 + random.range(0, 150), random.range(9, 14));
    for (int i = 0; i < 50; ++i) {
        const double x = 60 + random.range(0, 150);
        const double y = 470 + random.range(0, 80);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + random.range(-2, 2), y - random.range(6, 12));
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, brownInk.withAlpha(0.45));
        cairo_stroke(cr);
    }
    // A stream from the hills into the lake by the ford.
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 420);
    cairo_curve_to(cr, 160, 400, 240, 470, 300, 440);
    cairo_curve_to(cr, 380, 400, 450, 420, 520, 380);
    cairo_set_line_width(cr, 4.0);
    paint::setColour(cr, waterShallow.withAlpha(0.8));
    cairo_stroke(cr);
}

// The road through the places in order: dots of ink, and a ring where each place lies.
void paintRoad(cairo_t* cr)
{
    // A smooth curve through the places (each leg leaves a place heading from the one before
    // towards the one after).
    cairo_new_path(cr);
    cairo_move_to(cr, places[0].x, places[0].y);
    const std::size_t last = places.size() - 1;
    for (std::size_t i = 0; i < last; ++i) {
        const Place& before = places[i == 0 ? 0 : i - 1];
        const Place& a = places[i];
        const Place& b = places[i + 1];
        const Place& after = places[std::min(last, i + 2)];
        cairo_curve_to(cr, a.x + (b.x - before.x) / 6, a.y + (b.y - before.y) / 6, b.x - (after.x - a.x) / 6,
                       b.y - (after.y - a.y) / 6, b.x, b.y);
    }
    const double dashes[] = {2.0, 7.0};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3.2);
    paint::setColour(cr, Colour::bytes(120, 40, 24, 0.85));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (const Place& p : places) {
        cairo_new_path(cr);
        cairo_arc(cr, p.x, p.y, 30, 0, 2 * pi);
        paint::setColour(cr, parchLight.withAlpha(0.55));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.5);
        paint::setColour(cr, brownInk.withAlpha(0.7));
        cairo_stroke(cr);
    }
}

// A compass rose in the lower right, and a thin double border round the sheet.
void paintCompassAndBorder(cairo_t* cr)
{
    const double cx = 955;
    const double cy = 605;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * pi / 4 - pi / 2;
        const double len = i % 2 == 0 ? 34 : 18;
        cairo_new_path(cr);
        cairo_move_to(cr, cx + std::cos(angle) * len, cy + std::sin(angle) * len);
        cairo_line_to(cr, cx + std::cos(angle + 0.4) * 6, cy + std::sin(angle + 0.4) * 6);
        cairo_line_to(cr, cx, cy);
        cairo_close_path(cr);
        paint::setColour(cr, i == 0 ? Colour::bytes(150, 40, 26) : brownInk.withAlpha(0.75));
        cairo_fill(cr);
    }
    for (const double inset : {10.0, 16.0}) {
        cairo_new_path(cr);
        cairo_rectangle(cr, inset, inset, mapWidth - 2 * inset, mapHeight - 2 * inset);
        cairo_set_line_width(cr, inset < 12 ? 2.5 : 1.0);
        paint::setColour(cr, brownInk.withAlpha(0.7));
        cairo_stroke(cr);
    }
}

void mapPicture(Context& context)
{
    Image paper(mapWidth, mapHeight);
    paintParchment(paper, 0x3ea1);
    Canvas canvas(paper);
    cairo_t* cr = canvas.cr();
    paintLand(cr);
    paintLake(cr);
    paintIsle(cr, places[3].x, places[3].y);
    paintRoad(cr);
    paintCompassAndBorder(cr);
    context.save(canvas, "gfx/gui/screen-map/mapa.jpg", 92);
}

// ---------------------------------------------------------------------------------------------
// The frame over a stage's picture: carved dark wood with a gold rim round a window where the
// picture shows through.

constexpr int frameWidth = 380;
constexpr int frameHeight = 252;
constexpr double windowLeft = 40;
constexpr double windowTop = 26;
constexpr double windowWidth = 300;
constexpr double windowHeight = 200;

void framePicture(Context& context)
{
    Canvas canvas(frameWidth, frameHeight);
    woodPanel(canvas, roundedBox(6, 4, frameWidth - 12, frameHeight - 10, 14), Grain::Across, 0x7a3, 8);
    cairo_t* cr = canvas.cr();
    // The window: cut out, with a gold lip round it.
    cairo_new_path(cr);
    cairo_rectangle(cr, windowLeft, windowTop, windowWidth, windowHeight);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_new_path(cr);
    cairo_rectangle(cr, windowLeft - 2, windowTop - 2, windowWidth + 4, windowHeight + 4);
    cairo_set_line_width(cr, 4.0);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, windowLeft - 4.5, windowTop - 4.5, windowWidth + 9, windowHeight + 9);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    for (const Place corner : {Place{22, 15}, Place{frameWidth - 22.0, 15}, Place{22, frameHeight - 18.0},
                               Place{frameWidth - 22.0, frameHeight - 18.0}})
        stud(cr, corner.x, corner.y, 5);
    context.save(canvas, "gfx/gui/screen-map/nakladka.png");
}

// ---------------------------------------------------------------------------------------------
// The stage pictures: a night over water, and each place's own shapes in silhouette.

constexpr int sceneWidth = 300;
constexpr int sceneHeight = 200;
constexpr double horizon = 120;
constexpr Colour silhouette = Colour::bytes(10, 12, 22);

void sceneBase(cairo_t* cr, std::uint64_t seed, double moonX, const Colour& skyLow)
{
    Pattern sky = paint::linearGradient(0, 0, 0, horizon, {{0.0, nightTop}, {1.0, skyLow}});
    cairo_rectangle(cr, 0, 0, sceneWidth, horizon);
    cairo_set_source(cr, sky.get());
    cairo_fill(cr);
    Random random(seed);
    for (int i = 0; i < 40; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, random.range(0, sceneWidth), random.range(0, horizon * 0.8), random.range(0.4, 1.1), 0,
                  2 * pi);
        paint::setColour(cr, Colour::bytes(230, 230, 255, random.range(0.3, 0.9)));
        cairo_fill(cr);
    }
    paint::softGlow(cr, moonX, 38, 40, Colour::bytes(200, 210, 255, 0.35));
    cairo_new_path(cr);
    cairo_arc(cr, moonX, 38, 13, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(246, 240, 214));
    cairo_fill(cr);
    Pattern water =
        paint::linearGradient(0, horizon, 0, sceneHeight, {{0.0, skyLow.scaled(0.8)}, {1.0, waterDeep}});
    cairo_rectangle(cr, 0, horizon, sceneWidth, sceneHeight - horizon);
    cairo_set_source(cr, water.get());
    cairo_fill(cr);
    // The moon's path on the water.
    for (int i = 0; i < 14; ++i) {
        const double y = horizon + 4 + i * 5.5;
        const double w = 10 + i * 2.5;
        cairo_new_path(cr);
        cairo_move_to(cr, moonX - w / 2 + random.range(-4, 4), y);
        cairo_line_to(cr, moonX + w / 2 + random.range(-4, 4), y);
        cairo_set_line_width(cr, 1.4);
        paint::setColour(cr, Colour::bytes(230, 226, 200, 0.5 - i * 0.03));
        cairo_stroke(cr);
    }
}

void fill(cairo_t* cr, const Colour& colour)
{
    paint::setColour(cr, colour);
    cairo_fill(cr);
}

void reedsAndHut(cairo_t* cr)
{
    Random random(0x51);
    for (int i = 0; i < 60; ++i) {
        const double x = random.range(0, 140);
        cairo_new_path(cr);
        cairo_move_to(cr, x, sceneHeight);
        cairo_curve_to(cr, x + 2, 170, x + random.range(-6, 6), 150, x + random.range(-8, 8),
                       random.range(110, 150));
        cairo_set_line_width(cr, 1.6);
        paint::setColour(cr, silhouette);
        cairo_stroke(cr);
    }
    // The ferryman's hut on stilts, its lantern lit.
    cairo_new_path(cr);
    cairo_rectangle(cr, 200, 92, 60, 30);
    cairo_move_to(cr, 194, 94);
    cairo_line_to(cr, 230, 70);
    cairo_line_to(cr, 266, 94);
    cairo_close_path(cr);
    for (const double x : {204.0, 228.0, 252.0})
        cairo_rectangle(cr, x, 122, 3, 14);
    fill(cr, silhouette);
    paint::softGlow(cr, 218, 106, 18, Colour::bytes(255, 190, 90, 0.8));
    cairo_rectangle(cr, 214, 101, 8, 9);
    fill(cr, Colour::bytes(255, 214, 130));
}

void willowsAndFord(cairo_t* cr)
{
    for (const Place tree : {Place{60, 125}, Place{245, 122}}) {
        cairo_new_path(cr);
        cairo_rectangle(cr, tree.x - 4, tree.y - 40, 8, 40);
        cairo_arc(cr, tree.x, tree.y - 50, 34, pi, 2 * pi);
        fill(cr, silhouette);
        for (int i = -6; i <= 6; ++i) {
            cairo_new_path(cr);
            cairo_move_to(cr, tree.x + i * 5, tree.y - 52);
            cairo_curve_to(cr, tree.x + i * 6, tree.y - 30, tree.x + i * 6.5, tree.y - 16, tree.x + i * 7,
                           tree.y - 4);
            cairo_set_line_width(cr, 2.0);
            paint::setColour(cr, silhouette);
            cairo_stroke(cr);
        }
    }
    // Stepping stones across the water.
    for (int i = 0; i < 7; ++i) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 90 + i * 20, 150 + std::sin(i) * 6);
        cairo_scale(cr, 1.0, 0.45);
        cairo_arc(cr, 0, 0, 8, 0, 2 * pi);
        cairo_restore(cr);
        fill(cr, Colour::bytes(70, 70, 84));
    }
}

void mill(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_rectangle(cr, 150, 70, 80, 55);
    cairo_move_to(cr, 140, 72);
    cairo_line_to(cr, 190, 40);
    cairo_line_to(cr, 240, 72);
    cairo_close_path(cr);
    fill(cr, silhouette);
    // The still wheel.
    cairo_new_path(cr);
    cairo_arc(cr, 135, 118, 30, 0, 2 * pi);
    cairo_set_line_width(cr, 4);
    paint::setColour(cr, silhouette);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double angle = i * pi / 4;
        cairo_new_path(cr);
        cairo_move_to(cr, 135, 118);
        cairo_line_to(cr, 135 + std::cos(angle) * 30, 118 + std::sin(angle) * 30);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    // Mist along the water.
    for (int i = 0; i < 5; ++i)
        paint::softGlow(cr, 40 + i * 60, 130 + (i % 2) * 8, 50, Colour::bytes(200, 210, 230, 0.22));
}

void heronIsle(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 150, 132);
    cairo_scale(cr, 1.0, 0.22);
    cairo_arc(cr, 0, 0, 110, 0, 2 * pi);
    cairo_restore(cr);
    fill(cr, silhouette);
    // The heron on one leg.
    cairo_new_path(cr);
    cairo_move_to(cr, 160, 128);
    cairo_line_to(cr, 161, 100);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, silhouette);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 160, 92);
    cairo_rotate(cr, -0.4);
    cairo_scale(cr, 1.0, 0.5);
    cairo_arc(cr, 0, 0, 14, 0, 2 * pi);
    cairo_restore(cr);
    fill(cr, silhouette);
    cairo_new_path(cr);
    cairo_move_to(cr, 170, 86);
    cairo_curve_to(cr, 176, 76, 168, 68, 174, 62);
    cairo_set_line_width(cr, 3);
    paint::setColour(cr, silhouette);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 174, 62);
    cairo_line_to(cr, 190, 64);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void drownedBell(cairo_t* cr)
{
    // A leaning bell tower, half under water, its bell showing in the arch.
    cairo_save(cr);
    cairo_translate(cr, 170, 150);
    cairo_rotate(cr, 0.12);
    cairo_new_path(cr);
    cairo_rectangle(cr, -22, -90, 44, 90);
    cairo_move_to(cr, -28, -88);
    cairo_line_to(cr, 0, -118);
    cairo_line_to(cr, 28, -88);
    cairo_close_path(cr);
    fill(cr, silhouette);
    cairo_new_path(cr);
    cairo_rectangle(cr, -11, -78, 22, 26);
    fill(cr, Colour::bytes(40, 52, 92));
    cairo_new_path(cr);
    cairo_move_to(cr, -8, -56);
    cairo_curve_to(cr, -8, -72, 8, -72, 8, -56);
    cairo_close_path(cr);
    fill(cr, Colour::bytes(180, 140, 60));
    cairo_restore(cr);
    // Water over its foot.
    Pattern water = paint::linearGradient(0, 138, 0, sceneHeight, {{0.0, waterShallow}, {1.0, waterDeep}});
    cairo_rectangle(cr, 0, 140, sceneWidth, sceneHeight - 140);
    cairo_set_source(cr, water.get());
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 172, 146);
        cairo_scale(cr, 1.0, 0.25);
        cairo_arc(cr, 0, 0, 30 + i * 16, 0, 2 * pi);
        cairo_restore(cr);
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, Colour::bytes(200, 210, 240, 0.4 - i * 0.1));
        cairo_stroke(cr);
    }
}

void frostPass(cairo_t* cr)
{
    const std::array<Place, 5> peaks{{{0, 120}, {70, 40}, {150, 90}, {220, 30}, {300, 110}}};
    cairo_new_path(cr);
    cairo_move_to(cr, 0, horizon);
    for (const Place& p : peaks)
        cairo_line_to(cr, p.x, p.y);
    cairo_line_to(cr, sceneWidth, horizon);
    cairo_close_path(cr);
    fill(cr, Colour::bytes(34, 40, 64));
    // Snow on the peaks.
    for (std::size_t i = 1; i + 1 < peaks.size(); ++i) {
        const Place& p = peaks[i];
        if (p.y > 60)
            continue;
        cairo_new_path(cr);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, p.x + 22, p.y + 26);
        cairo_line_to(cr, p.x + 6, p.y + 20);
        cairo_line_to(cr, p.x - 6, p.y + 28);
        cairo_line_to(cr, p.x - 20, p.y + 24);
        cairo_close_path(cr);
        fill(cr, Colour::bytes(226, 234, 248));
    }
    // Frost on the water: pale sheets.
    for (int i = 0; i < 6; ++i) {
        cairo_new_path(cr);
        cairo_rectangle(cr, 20 + i * 45, 150 + (i % 3) * 12, 36, 3);
        fill(cr, Colour::bytes(200, 220, 246, 0.5));
    }
}

void lanternWood(cairo_t* cr)
{
    const std::function<double(double)> ground = [](double x) { return 128 + 4 * std::sin(x / 30.0); };
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 124, sceneWidth, 12);
    forest(cr, ground, -10, sceneWidth + 10, 16, 40, 80, 0x7e1);
    paint::setColour(cr, silhouette);
    cairo_fill(cr);
    Random random(0x1a7);
    for (int i = 0; i < 12; ++i) {
        const double x = random.range(20, 280);
        const double y = random.range(70, 150);
        paint::softGlow(cr, x, y, 12, Colour::bytes(255, 200, 110, 0.8));
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 2, 0, 2 * pi);
        fill(cr, Colour::bytes(255, 236, 180));
    }
}

void eldmereDeep(cairo_t* cr)
{
    // Only still black water under the moon, and a ring spreading where something moved.
    Pattern deep = paint::linearGradient(0, horizon, 0, sceneHeight,
                                         {{0.0, Colour::bytes(20, 26, 50)}, {1.0, Colour::bytes(4, 6, 14)}});
    cairo_rectangle(cr, 0, horizon + 30, sceneWidth, sceneHeight - horizon - 30);
    cairo_set_source(cr, deep.get());
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 110, 165);
        cairo_scale(cr, 1.0, 0.2);
        cairo_arc(cr, 0, 0, 20 + i * 22, 0, 2 * pi);
        cairo_restore(cr);
        cairo_set_line_width(cr, 1.2);
        paint::setColour(cr, Colour::bytes(160, 190, 240, 0.5 - i * 0.1));
        cairo_stroke(cr);
    }
    // The far shore, low.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, horizon);
    cairo_curve_to(cr, 80, 108, 200, 112, sceneWidth, 116);
    cairo_line_to(cr, sceneWidth, horizon + 2);
    cairo_line_to(cr, 0, horizon + 2);
    cairo_close_path(cr);
    fill(cr, silhouette);
}

struct Scene
{
    double moonX;
    Colour skyLow;
    void (*shapes)(cairo_t*);
};

const std::array<Scene, 8> scenes{{
    {70, nightLow, reedsAndHut},
    {150, Colour::bytes(44, 60, 88), willowsAndFord},
    {250, Colour::bytes(60, 66, 90), mill},
    {80, Colour::bytes(50, 62, 96), heronIsle},
    {240, Colour::bytes(36, 44, 80), drownedBell},
    {140, Colour::bytes(70, 84, 120), frostPass},
    {240, Colour::bytes(48, 44, 70), lanternWood},
    {150, Colour::bytes(24, 30, 60), eldmereDeep},
}};

void stagePicture(Context& context, int stage)
{
    const Scene& scene = scenes[static_cast<std::size_t>(stage - 1)];
    Canvas canvas(sceneWidth, sceneHeight);
    sceneBase(canvas.cr(), 0x5c00 + static_cast<std::uint64_t>(stage), scene.moonX, scene.skyLow);
    scene.shapes(canvas.cr());
    context.save(canvas, "gfx/gui/screen-map/stages/stage-" + std::to_string(stage) + ".png");
}

// ---------------------------------------------------------------------------------------------
// The runes: a glyph of straight strokes and rings on a small round stone. The lit one is gold
// with a glow about it; the dark one the same glyph cut in grey stone.

constexpr int runeSize = 64;

struct Stroke
{
    double x1, y1, x2, y2;
};
struct Glyph
{
    std::vector<Stroke> strokes; // in a box from -1 to 1
    double ring = 0;             // a ring of this radius round the middle, 0 for none
};

const std::array<Glyph, 8> glyphs{{
    // Reeds: three stems.
    {{{-0.5, 0.8, -0.5, -0.6}, {0, 0.8, 0, -0.8}, {0.5, 0.8, 0.5, -0.6}}, 0},
    // The ford: a stem crossed twice.
    {{{0, -0.8, 0, 0.8}, {-0.6, -0.2, 0.6, -0.2}, {-0.6, 0.3, 0.6, 0.3}}, 0},
    // The mill: a wheel with four spokes.
    {{{0, -0.55, 0, 0.55}, {-0.55, 0, 0.55, 0}}, 0.55},
    // The heron: a stem with a beak.
    {{{0, 0.8, 0, -0.7}, {0, -0.7, 0.6, -0.4}, {0, -0.1, -0.5, 0.3}}, 0},
    // The bell: an arrow down into a ring.
    {{{0, -0.8, 0, 0.2}, {-0.4, -0.2, 0, 0.2}, {0.4, -0.2, 0, 0.2}}, 0.3},
    // The pass: two peaks.
    {{{-0.8, 0.6, -0.35, -0.5}, {-0.35, -0.5, 0.1, 0.6}, {0.1, 0.6, 0.5, -0.2}, {0.5, -0.2, 0.8, 0.6}}, 0},
    // The lantern: a diamond on a stem.
    {{{0, -0.8, 0.4, -0.3},
      {0.4, -0.3, 0, 0.2},
      {0, 0.2, -0.4, -0.3},
      {-0.4, -0.3, 0, -0.8},
      {0, 0.2, 0, 0.8}},
     0},
    // The deep: an eye, a ring crossed by a level line.
    {{{-0.8, 0, 0.8, 0}}, 0.45},
}};

void glyphPath(cairo_t* cr, const Glyph& glyph, double cx, double cy, double scale)
{
    cairo_new_path(cr);
    for (const Stroke& s : glyph.strokes) {
        cairo_move_to(cr, cx + s.x1 * scale, cy + s.y1 * scale);
        cairo_line_to(cr, cx + s.x2 * scale, cy + s.y2 * scale);
    }
    if (glyph.ring > 0) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, glyph.ring * scale, 0, 2 * pi);
    }
}

void runePicture(Context& context, int stage, bool lit)
{
    const Glyph& glyph = glyphs[static_cast<std::size_t>(stage - 1)];
    Canvas canvas(runeSize, runeSize);
    cairo_t* cr = canvas.cr();
    const double c = runeSize / 2.0;
    if (lit)
        paint::softGlow(cr, c, c, 31, Colour::bytes(255, 206, 110, 0.75));
    // The stone.
    cairo_new_path(cr);
    cairo_arc(cr, c, c, 20, 0, 2 * pi);
    Pattern stone =
        paint::radialGradient(c - 6, c - 6, 2, 24,
                              {{0.0, lit ? Colour::bytes(96, 70, 44) : Colour::bytes(110, 108, 104)},
                               {1.0, lit ? Colour::bytes(44, 28, 16) : Colour::bytes(52, 52, 56)}});
    cairo_set_source(cr, stone.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    paint::setColour(cr, lit ? gold : Colour::bytes(30, 30, 34));
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (lit) {
        glyphPath(cr, glyph, c, c, 14);
        cairo_set_line_width(cr, 5.0);
        paint::setColour(cr, Colour::bytes(255, 170, 60, 0.5));
        cairo_stroke(cr);
    }
    glyphPath(cr, glyph, c, c, 14);
    cairo_set_line_width(cr, 2.6);
    paint::setColour(cr, lit ? goldPale : Colour::bytes(150, 150, 156));
    cairo_stroke(cr);
    const std::string name =
        "gfx/gui/screen-map/runes/run-" + std::to_string(stage) + (lit ? ".png" : "-dark.png");
    context.save(canvas, name);
}
} // namespace

void addMapArt(Registry& registry)
{
    registry.add("map", "gfx/gui/screen-map/mapa.jpg", mapPicture);
    registry.add("map", "gfx/gui/screen-map/nakladka.png", framePicture);
    for (int stage = 1; stage <= 8; ++stage) {
        const std::string n = std::to_string(stage);
        registry.add("map", "gfx/gui/screen-map/stages/stage-" + n + ".png",
                     [stage](Context& c) { stagePicture(c, stage); });
        registry.add("map", "gfx/gui/screen-map/runes/run-" + n + ".png",
                     [stage](Context& c) { runePicture(c, stage, true); });
        registry.add("map", "gfx/gui/screen-map/runes/run-" + n + "-dark.png",
                     [stage](Context& c) { runePicture(c, stage, false); });
    }
}
} // namespace contentgen
