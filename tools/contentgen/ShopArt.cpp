// ShopArt.cpp: the "shop" group: the merchant's stall the shop screen is drawn on
// (gfx/gui/screen-sklep/shop-panel.jpg, the whole screen from (0, 0)), the marker behind the
// picked item (back.png), the owned mark (tick.png) and the glows that light up the buy and sell
// buttons (buy-light.png, sell-light.png). The wares themselves are in ShopItemArt.cpp.
//
// The stall is a cabinet of our dark carved wood under a striped awning. Where the game draws
// on it the picture gives it room: a dark plaque for the coins (white figures centred on
// (125, 115)), a calm band for the title round (512, 104), clear wood top right for the exit
// button round (930, 104), a velvet slot for each of the nine wares on a parchment sheet (cells
// centred on (250 + 150c, 210 + 150r): rows 0 and 1 full, row 2 only its first cell) and two
// sunk wells where the lights glow from their top-left corners (100, 592) and (435, 492), the
// buy and sell buttons inside them. There are no words in it: the game writes them.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "HudArt.hpp"
#include "Image.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Paper.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace contentgen
{
namespace
{
using namespace gui; // the palette, the carved wood and the paper

constexpr double pi = std::numbers::pi;

constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;

// The grid of wares and the places the game draws at, on the screen.
constexpr double cellX0 = 250.0;
constexpr double cellY0 = 210.0;
constexpr double cellStep = 150.0;
constexpr double slotSize = 116.0; // the velvet slot under a 96-pixel ware
constexpr double lightWidth = 220.0;
constexpr double lightHeight = 110.0;
constexpr double buyX = 100.0;
constexpr double buyY = 592.0;
constexpr double sellX = 435.0;
constexpr double sellY = 492.0;
constexpr double coinsX = 125.0;
constexpr double coinsY = 115.0;

// The sheet the wares lie on: the two full rows, and a tongue down the left for the ninth.
constexpr double sheetLeft = 166.0;
constexpr double sheetTop = 132.0;
constexpr double sheetRight = 784.0;
constexpr double sheetBottom = 444.0;
constexpr double tongueRight = 334.0;
constexpr double tongueBottom = 582.0;

constexpr Colour velvetDeep = Colour::bytes(10, 22, 40);
constexpr Colour velvetShallow = Colour::bytes(26, 52, 78);
constexpr Colour awningBlue = Colour::bytes(36, 62, 118);
constexpr Colour awningCream = Colour::bytes(236, 218, 176);

// The sheet's outline: an L of cut paper whose edges waver a little.
Outline shopSheet()
{
    return [](cairo_t* cr, double inset) {
        const ValueNoise noise(0x5409);
        auto wave = [&](double t, double lane) { return 2.2 * (noise.fbm(t / 40.0, lane, 2) - 0.5) * 2.0; };
        const double l = sheetLeft + inset;
        const double t = sheetTop + inset;
        const double r = sheetRight - inset;
        const double b = sheetBottom - inset;
        const double tr = tongueRight - inset;
        const double tb = tongueBottom - inset;
        cairo_new_sub_path(cr);
        for (double x = l; x <= r; x += 4.0) {
            cairo_line_to(cr, x, t + wave(x, 1.0) * 0.5);
        }
        for (double y = t; y <= b; y += 4.0) {
            cairo_line_to(cr, r + wave(y, 3.0), y);
        }
        for (double x = r; x >= tr; x -= 4.0) {
            cairo_line_to(cr, x, b + wave(x, 5.0) * 0.5);
        }
        for (double y = b; y <= tb; y += 4.0) {
            cairo_line_to(cr, tr + wave(y, 7.0), y);
        }
        for (double x = tr; x >= l; x -= 4.0) {
            cairo_line_to(cr, x, tb + wave(x, 9.0) * 0.5);
        }
        for (double y = tb; y >= t; y -= 4.0) {
            cairo_line_to(cr, l + wave(y, 11.0), y);
        }
        cairo_close_path(cr);
    };
}

// The striped awning across the top of the stall: cloth hanging from a gilt rod, its lower edge
// cut in scallops with a gold fringe, in shade where it folds.
void awning(Canvas& canvas)
{
    constexpr double stripe = 64.0;
    constexpr double hem = 58.0;
    constexpr double scallop = 14.0;
    auto cloth = [&](cairo_t* cr) {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, screenWidth, 0);
        cairo_line_to(cr, screenWidth, hem);
        for (double x = screenWidth; x > 0.0; x -= stripe) {
            cairo_save(cr);
            cairo_translate(cr, x - stripe / 2.0, hem);
            cairo_scale(cr, stripe / 2.0, scallop);
            cairo_arc(cr, 0, 0, 1, 0, pi);
            cairo_restore(cr);
        }
        cairo_close_path(cr);
    };
    shadowUnder(canvas, cloth, 7.0, 6.0, 0.8);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cloth(cr);
    cairo_clip(cr);
    for (int k = 0; k * stripe < screenWidth; ++k) {
        const double x = k * stripe;
        const Colour base = k % 2 == 0 ? awningBlue : awningCream;
        // Each stripe swells towards us in the middle and folds back at its sides.
        Pattern fold = paint::linearGradient(
            x, 0, x + stripe, 0,
            {{0.0, base.scaled(0.62)}, {0.3, base.scaled(1.05)}, {0.55, base}, {1.0, base.scaled(0.7)}});
        cairo_new_path(cr);
        cairo_rectangle(cr, x, 0, stripe, hem + scallop + 2.0);
        cairo_set_source(cr, fold.get());
        cairo_fill(cr);
    }
    // Light from above, shade under the rod.
    Pattern fall = paint::linearGradient(0, 0, 0, hem + scallop,
                                         {{0.0, Colour{0, 0, 0, 0.45}},
                                          {0.25, Colour{0, 0, 0, 0.0}},
                                          {0.8, Colour{0, 0, 0, 0.05}},
                                          {1.0, Colour{0, 0, 0, 0.3}}});
    cairo_set_source(cr, fall.get());
    cairo_paint(cr);
    cairo_restore(cr);
    Image weave = canvas.toImage();
    // The cloth's weave: only over the awning, the rest of the picture is not touched.
    Image cloth2(screenWidth, screenHeight);
    for (int y = 0; y < static_cast<int>(hem + scallop + 2.0); ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            cloth2.at(x, y) = weave.at(x, y);
        }
    }
    paint::mottle(cloth2, 0xa3f1, 2.0, 2.0, 2, 0.08);
    canvas.paint(Canvas(cloth2));

    // The gold fringe along the scallops.
    cairo_new_path(cr);
    for (double x = screenWidth; x > 0.0; x -= stripe) {
        cairo_save(cr);
        cairo_translate(cr, x - stripe / 2.0, hem);
        cairo_scale(cr, stripe / 2.0 - 1.5, scallop - 1.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, pi);
        cairo_restore(cr);
    }
    cairo_set_line_width(cr, 4.0);
    paint::setColour(cr, ink.withAlpha(0.8));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.0);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    for (double x = stripe / 2.0; x < screenWidth; x += stripe) {
        // A tassel at the foot of each scallop.
        cairo_new_path(cr);
        cairo_move_to(cr, x, hem + scallop - 1.0);
        cairo_line_to(cr, x, hem + scallop + 7.0);
        cairo_set_line_width(cr, 2.0);
        paint::setColour(cr, goldDeep);
        cairo_stroke(cr);
        stud(cr, x, hem + scallop + 8.0, 3.0);
    }
    // The rod it hangs from.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 2, screenWidth, 9);
    Pattern rod =
        paint::linearGradient(0, 2, 0, 11, {{0.0, goldDeep}, {0.35, goldPale}, {0.6, gold}, {1.0, goldDeep}});
    cairo_set_source(cr, rod.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
}

// A sunk well for a light, a little inside the light's own box, so the glow spills over its lip.
Outline well(double x, double y)
{
    return roundedBox(x + 8.0, y + 8.0, lightWidth - 16.0, lightHeight - 16.0, 22.0);
}

// The merchant's brass scales standing on the wood left of the wares.
void scales(cairo_t* cr, double cx, double top, double foot)
{
    auto gilt = [&](double x0, double y0, double x1, double y1) {
        return paint::linearGradient(x0, y0, x1, y1, {{0.0, goldPale}, {0.4, gold}, {1.0, goldDeep}});
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // The foot and the post.
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, foot);
    cairo_scale(cr, 38.0, 9.0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
    Pattern base = gilt(cx - 38, foot - 9, cx + 38, foot + 9);
    cairo_set_source(cr, base.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 5, foot - 4);
    cairo_line_to(cr, cx - 3, top + 8);
    cairo_line_to(cr, cx + 3, top + 8);
    cairo_line_to(cr, cx + 5, foot - 4);
    cairo_close_path(cr);
    Pattern post = gilt(cx - 5, 0, cx + 5, 0);
    cairo_set_source(cr, post.get());
    cairo_fill_preserve(cr);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    // The beam, tipped a little to the left as if a coin lay in that pan.
    const double tilt = 0.08;
    const double arm = 50.0;
    const double bx0 = cx - arm * std::cos(tilt);
    const double by0 = top + 12 + arm * std::sin(tilt);
    const double bx1 = cx + arm * std::cos(tilt);
    const double by1 = top + 12 - arm * std::sin(tilt);
    cairo_new_path(cr);
    cairo_move_to(cr, bx0, by0);
    cairo_line_to(cr, bx1, by1);
    cairo_set_line_width(cr, 7.0);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4.4);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    stud(cr, cx, top + 12, 6.0);
    moonMedallion(cr, cx, top - 4, 9.0, 2.0);
    // The pans on their cords.
    for (const auto& [px, py] : {std::pair{bx0, by0}, std::pair{bx1, by1}}) {
        const double pan = py + 92.0;
        cairo_new_path(cr);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px - 20, pan);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px + 20, pan);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px, pan);
        cairo_set_line_width(cr, 1.2);
        paint::setColour(cr, goldLight.withAlpha(0.85));
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, px - 24, pan);
        cairo_curve_to(cr, px - 20, pan + 14, px + 20, pan + 14, px + 24, pan);
        cairo_close_path(cr);
        Pattern dish = gilt(px - 24, pan, px + 24, pan + 12);
        cairo_set_source(cr, dish.get());
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.3);
        paint::setColour(cr, ink);
        cairo_stroke(cr);
        stud(cr, px, py, 3.0);
    }
    coinFace(cr, bx0 - 2, by0 + 84, 8.0, goldMetal, Stamp::Moon);
}

// An arched window in the stall's right side, open on the lake at night: the moon over the far
// shore, its path on the water, the panes parted by gilt bars.
void lakeWindow(Canvas& canvas, double x, double y, double w, double h)
{
    const Outline pane = [=](cairo_t* cr, double d) {
        const double left = x + d;
        const double right = x + w - d;
        const double bottom = y + h - d;
        const double springs = y + w / 2.0;
        cairo_new_sub_path(cr);
        cairo_move_to(cr, left, bottom);
        cairo_line_to(cr, left, springs);
        cairo_arc(cr, (left + right) / 2.0, springs, (right - left) / 2.0, pi, 2 * pi);
        cairo_line_to(cr, right, bottom);
        cairo_close_path(cr);
    };
    shadowUnder(
        canvas,
        [&](cairo_t* cr) {
            cairo_new_path(cr);
            pane(cr, -6.0);
            cairo_fill(cr);
        },
        5.0, 3.0, 0.7);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_new_path(cr);
    pane(cr, 0.0);
    cairo_clip(cr);
    const double shore = y + h * 0.56;
    Pattern sky = paint::linearGradient(0, y, 0, shore,
                                        {{0.0, Colour::bytes(6, 10, 30)},
                                         {0.7, Colour::bytes(24, 40, 86)},
                                         {1.0, Colour::bytes(58, 76, 124)}});
    cairo_set_source(cr, sky.get());
    cairo_paint(cr);
    Random random(0x1a4e);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 40; ++i) {
        const double sx = random.range(x, x + w);
        const double sy = random.range(y, shore - 30.0);
        const double size = std::pow(random.uniform(), 2.5);
        paint::softGlow(cr, sx, sy, 1.2 + 2.2 * size, Colour::bytes(210, 220, 255, 0.25 + 0.5 * size));
    }
    const double moonX = x + w * 0.62;
    const double moonY = y + h * 0.3;
    paint::softGlow(cr, moonX, moonY, 60.0, Colour::bytes(200, 210, 255, 0.35));
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_new_path(cr);
    cairo_arc(cr, moonX, moonY, 17.0, 0, 2 * pi);
    Pattern moon =
        paint::radialGradient(moonX - 5, moonY - 5, 0, 20,
                              {{0.0, Colour::bytes(255, 252, 236)}, {1.0, Colour::bytes(222, 214, 180)}});
    cairo_set_source(cr, moon.get());
    cairo_fill(cr);
    // The far shore: low hills and a line of firs.
    const ValueNoise hills(0x77e1);
    cairo_new_path(cr);
    cairo_move_to(cr, x, shore);
    for (double hx = x; hx <= x + w; hx += 3.0) {
        const double hy = shore - 8.0 - 26.0 * hills.fbm(hx / 60.0, 0.5, 3);
        cairo_line_to(cr, hx, hy);
    }
    cairo_line_to(cr, x + w, shore + 1.0);
    cairo_line_to(cr, x, shore + 1.0);
    cairo_close_path(cr);
    paint::setColour(cr, Colour::bytes(10, 16, 30));
    cairo_fill(cr);
    // The lake, and the moon's path on it.
    Pattern water = paint::linearGradient(
        0, shore, 0, y + h, {{0.0, Colour::bytes(30, 48, 96)}, {1.0, Colour::bytes(8, 14, 34)}});
    cairo_rectangle(cr, x, shore, w, y + h - shore);
    cairo_set_source(cr, water.get());
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 26; ++i) {
        const double ry = shore + 4.0 + i * (y + h - shore - 8.0) / 26.0;
        const double spread = 6.0 + i * 1.6;
        const double rx = moonX + random.range(-4.0, 4.0);
        cairo_new_path(cr);
        cairo_move_to(cr, rx - spread * random.range(0.4, 1.0), ry);
        cairo_line_to(cr, rx + spread * random.range(0.4, 1.0), ry);
        cairo_set_line_width(cr, 1.6);
        paint::setColour(cr, Colour::bytes(200, 210, 240, 0.5 - i * 0.012));
        cairo_stroke(cr);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    // Shade under the lintel.
    Pattern lintel =
        paint::linearGradient(0, y, 0, y + 60, {{0.0, Colour{0, 0, 0, 0.5}}, {1.0, Colour{0, 0, 0, 0.0}}});
    cairo_set_source(cr, lintel.get());
    cairo_paint(cr);
    // The glazing bars.
    cairo_new_path(cr);
    cairo_move_to(cr, x + w / 2.0, y);
    cairo_line_to(cr, x + w / 2.0, y + h);
    cairo_move_to(cr, x, y + h * 0.46);
    cairo_line_to(cr, x + w, y + h * 0.46);
    cairo_set_line_width(cr, 7.0);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4.0);
    paint::setColour(cr, goldDeep.mix(gold, 0.5));
    cairo_stroke(cr);
    cairo_restore(cr);
    // The frame.
    strokeOutline(cr, pane, -3.0, 7.0, ink);
    cairo_new_path(cr);
    pane(cr, -3.0);
    Pattern rim = paint::linearGradient(0, y, 0, y + h, {{0.0, goldLight}, {0.5, gold}, {1.0, goldDeep}});
    cairo_set_line_width(cr, 4.0);
    cairo_set_source(cr, rim.get());
    cairo_stroke(cr);
    // The sill.
    cairo_new_path(cr);
    paint::roundedRectangle(cr, x - 12.0, y + h, w + 24.0, 14.0, 3.0);
    Pattern sill =
        paint::linearGradient(0, y + h, 0, y + h + 14.0, {{0.0, woodLight.scaled(1.4)}, {1.0, woodDeep}});
    cairo_set_source(cr, sill.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
}

// A gilt rule from x0 to x1 at height y, ending in small diamonds.
void giltRule(cairo_t* cr, double x0, double x1, double y)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1, y);
    goldGroove(cr, 3.4, 1.4);
    for (const double x : {x0, x1}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, y - 5.0);
        cairo_line_to(cr, x + 5.0, y);
        cairo_line_to(cr, x, y + 5.0);
        cairo_line_to(cr, x - 5.0, y);
        cairo_close_path(cr);
        paint::setColour(cr, gold);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.9);
        paint::setColour(cr, ink);
        cairo_stroke(cr);
    }
}

void shopPanel(Context& context)
{
    Canvas canvas(screenWidth, screenHeight);
    cairo_t* cr = canvas.cr();
    paint::setColour(cr, woodDeep.scaled(0.5));
    cairo_paint(cr);
    woodPanel(canvas, roundedBox(2, 2, screenWidth - 4, screenHeight - 4, 16), Grain::Down, 0x5407, 12.0);

    // The sheet with the wares' slots.
    const Outline paper = shopSheet();
    shadowUnder(
        canvas,
        [&](cairo_t* c) {
            cairo_new_path(c);
            paper(c, -2.0);
            cairo_fill(c);
        },
        6.0, 3.0, 0.8);
    parchment(canvas, paper, 0x5408, 1.02);
    strokeOutline(cr, paper, -1.2, 2.2, gold);
    strokeOutline(cr, paper, -2.6, 0.9, ink);
    for (int k = 0; k < 9; ++k) {
        const double x = cellX0 + cellStep * (k % 4);
        const double y = cellY0 + cellStep * (k / 4);
        const double half = slotSize / 2.0;
        sunkWindow(canvas, roundedBox(x - half, y - half, slotSize, slotSize, 14.0), velvetDeep,
                   velvetShallow, 0.14);
        // A faint pool of light on the velvet where the ware rests.
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        paint::softGlow(cr, x, y + 10.0, half * 0.9, Colour::bytes(60, 90, 130, 0.35));
        cairo_restore(cr);
    }

    // The wells the lights glow in.
    for (const auto& [x, y] : {std::pair{buyX, buyY}, std::pair{sellX, sellY}}) {
        sunkWindow(canvas, well(x, y), Colour::bytes(6, 6, 12), Colour::bytes(30, 24, 22), 0.0);
        stud(cr, x + 4.0, y + lightHeight / 2.0, 4.0);
        stud(cr, x + lightWidth - 4.0, y + lightHeight / 2.0, 4.0);
    }

    // The coin plaque, nailed over the sheet's corner.
    const Outline plaque = roundedBox(coinsX - 88.0, coinsY - 31.0, 176.0, 60.0, 12.0);
    woodPanel(canvas, plaque, Grain::Across, 0x540a, 0.0);
    sunkWindow(canvas, roundedBox(coinsX - 72.0, coinsY - 24.0, 144.0, 46.0, 10.0));
    stud(cr, coinsX - 80.0, coinsY - 1.0, 3.5);
    stud(cr, coinsX + 80.0, coinsY - 1.0, 3.5);

    // The title's band, between two gilt rules.
    giltRule(cr, 300.0, 410.0, 104.0);
    giltRule(cr, 614.0, 724.0, 104.0);
    moonMedallion(cr, 280.0, 104.0, 11.0, 0.8);
    moonMedallion(cr, 744.0, 104.0, 11.0, 2.0);

    scales(cr, 88.0, 196.0, 430.0);
    lakeWindow(canvas, 818.0, 160.0, 168.0, 330.0);

    // The day's takings on the counter, bottom right.
    coinStack(cr, 846.0, 700.0, 22.0, 6);
    coinStack(cr, 900.0, 712.0, 24.0, 9);
    coinStack(cr, 956.0, 698.0, 21.0, 4);
    coinFace(cr, 880.0, 716.0, 14.0, silver, Stamp::Star);
    coinFace(cr, 928.0, 722.0, 13.0, copper, Stamp::Sun);
    glint(cr, 912.0, 640.0, 8.0);
    glint(cr, 850.0, 660.0, 5.0);

    // A carved rule along the foot of the counter, under the sell well.
    giltRule(cr, 380.0, 760.0, 700.0);
    moonMedallion(cr, 570.0, 700.0, 14.0, 1.2);

    awning(canvas);
    // The ink and the wells' depths stop short of black, which a JPEG could round to the mask
    // colour.
    Image image = canvas.toImage();
    for (Pixel& p : image.pixels()) {
        p.r = std::max<std::uint8_t>(p.r, 10);
        p.g = std::max<std::uint8_t>(p.g, 9);
        p.b = std::max<std::uint8_t>(p.b, 9);
    }
    context.save(image, "gfx/gui/screen-sklep/shop-panel.jpg", 92);
}

// ---------------------------------------------------------------------------------------------
// The marker, the tick and the lights.

// back.png: behind the picked ware: a soft golden light, and a gilt frame that closes round the
// ware's slot (116 pixels) just outside its lip.
void pickedMarker(Context& context)
{
    constexpr int size = 140;
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const double c = size / 2.0;
    paint::softGlow(cr, c, c, c, goldLight.withAlpha(0.85));
    const Outline frame = roundedBox(c - 63.0, c - 63.0, 126.0, 126.0, 18.0);
    strokeOutline(cr, frame, 0.0, 6.0, ink.withAlpha(0.7));
    cairo_new_path(cr);
    frame(cr, 0.0);
    Pattern gilt = paint::linearGradient(0, c - 63.0, size, c + 63.0,
                                         {{0.0, goldPale}, {0.4, goldLight}, {0.75, gold}, {1.0, goldDeep}});
    cairo_set_line_width(cr, 3.6);
    cairo_set_source(cr, gilt.get());
    cairo_stroke(cr);
    for (const double x : {c - 63.0, c + 63.0}) {
        for (const double y : {c - 63.0, c + 63.0}) {
            glint(cr, x + (x < c ? 4.0 : -4.0), y + (y < c ? 4.0 : -4.0), 6.0);
        }
    }
    context.save(canvas, "gfx/gui/screen-sklep/back.png");
}

// tick.png: a ware the player owns: a gold check on a green enamel seal in a gold ring.
void ownedTick(Context& context)
{
    constexpr int size = 40;
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const double c = size / 2.0;
    cairo_new_path(cr);
    cairo_arc(cr, c, c + 1.0, 17.0, 0, 2 * pi);
    paint::setColour(cr, Colour{0, 0, 0, 0.4});
    cairo_fill(cr);
    cairo_arc(cr, c, c, 16.5, 0, 2 * pi);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    Pattern ring = paint::linearGradient(c - 16, c - 16, c + 16, c + 16,
                                         {{0.0, goldPale}, {0.5, gold}, {1.0, goldDeep}});
    cairo_arc(cr, c, c, 15.3, 0, 2 * pi);
    cairo_set_source(cr, ring.get());
    cairo_fill(cr);
    Pattern enamel = paint::radialGradient(c - 4, c - 5, 1.0, 15.0,
                                           {{0.0, Colour::bytes(110, 214, 120)},
                                            {0.6, Colour::bytes(34, 140, 62)},
                                            {1.0, Colour::bytes(14, 74, 34)}});
    cairo_arc(cr, c, c, 12.5, 0, 2 * pi);
    cairo_set_source(cr, enamel.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, c - 7.5, c + 0.5);
    cairo_line_to(cr, c - 2.0, c + 6.5);
    cairo_line_to(cr, c + 8.0, c - 6.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 5.4);
    paint::setColour(cr, ink.withAlpha(0.85));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3.2);
    paint::setColour(cr, goldPale);
    cairo_stroke(cr);
    context.save(canvas, "gfx/gui/screen-sklep/tick.png");
}

// A light for a well, drawn from its top-left corner: an oval glow that is strongest in the
// middle where the button sits and dies out before the picture's edges, a brighter band across
// it like light on the well's floor.
Image wellLight(const Colour& heart, const Colour& body)
{
    const int w = static_cast<int>(lightWidth);
    const int h = static_cast<int>(lightHeight);
    Image image(w, h);
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5 - cx) / (cx - 1.0);
            const double dy = (y + 0.5 - cy) / (cy - 1.0);
            const double d = std::sqrt(dx * dx + dy * dy);
            const double fall = 1.0 - smoothstep(0.3, 1.0, d);
            const double band = std::exp(-dy * dy * 6.0) * (1.0 - smoothstep(0.5, 0.95, std::abs(dx)));
            const double a = std::clamp(0.8 * fall + 0.25 * band * fall, 0.0, 1.0);
            const double t = std::clamp(1.0 - d, 0.0, 1.0);
            const Colour c = body.mix(heart, t * t);
            image.at(x, y) = Pixel{unitToByte(c.r), unitToByte(c.g), unitToByte(c.b), unitToByte(a)};
        }
    }
    return image;
}
} // namespace

void addShopArt(Registry& registry)
{
    registry.add("shop", "gfx/gui/screen-sklep/shop-panel.jpg", shopPanel);
    registry.add("shop", "gfx/gui/screen-sklep/back.png", pickedMarker);
    registry.add("shop", "gfx/gui/screen-sklep/tick.png", ownedTick);
    registry.add("shop", "gfx/gui/screen-sklep/buy-light.png", [](Context& c) {
        c.save(wellLight(Colour::bytes(255, 246, 204), Colour::bytes(240, 160, 40)),
               "gfx/gui/screen-sklep/buy-light.png");
    });
    registry.add("shop", "gfx/gui/screen-sklep/sell-light.png", [](Context& c) {
        c.save(wellLight(Colour::bytes(214, 255, 244), Colour::bytes(40, 176, 170)),
               "gfx/gui/screen-sklep/sell-light.png");
    });
}
} // namespace contentgen
