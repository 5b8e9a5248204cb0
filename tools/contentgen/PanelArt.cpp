// PanelArt.cpp: the "panels" group: the boards and scrolls the menus and dialogs sit on. The
// title screen's menu panel (gfx/gui/screen-title/menu.png), the question and message scrolls
// (gfx/gui/popup/scroll.png, scroll2.png), the scroll that asks whether to continue the quest
// (gfx/gui/continueQuest/scroll.png), the player list's panel
// (gfx/gui/profileManager/panel.png), the volume bar (gfx/gui/options/pasek.png) and the groove
// it lies in (gfx/gui/options/groove.png), and the level summary's boards, ticks and rule
// (gfx/gui/screen-endLevel/).
//
// The game writes and places its buttons on all of them, so they carry no words, and where it
// writes there is a calm field: night glass on the menu, plain parchment on the scrolls and
// the player list.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "GuiPalette.hpp"
#include "HudArt.hpp"
#include "Image.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Paper.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "TitleLayout.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace contentgen
{
namespace
{
using namespace gui; // the palette and the carved wood

constexpr double pi = std::numbers::pi;

// ---------------------------------------------------------------------------------------------
// Scrolls.

// Where a sheet curves away round a roller or into a curl at its top and bottom edges, it
// falls into shade over `reach` pixels.
void shadeEnds(cairo_t* cr, const Outline& paper, double top, double bottom, double reach)
{
    cairo_save(cr);
    cairo_new_path(cr);
    paper(cr, 0.0);
    cairo_clip(cr);
    const Colour curl = paperBurn.scaled(0.6);
    Pattern upper = paint::linearGradient(0, top, 0, top + reach,
                                          {{0.0, curl.withAlpha(0.55)}, {1.0, curl.withAlpha(0.0)}});
    cairo_set_source(cr, upper.get());
    cairo_paint(cr);
    Pattern lower = paint::linearGradient(0, bottom - reach, 0, bottom,
                                          {{0.0, curl.withAlpha(0.0)}, {1.0, curl.withAlpha(0.5)}});
    cairo_set_source(cr, lower.get());
    cairo_paint(cr);
    cairo_restore(cr);
}

// A wooden roller across the scroll at height y from x0 to x1, radius r, gold bands near its
// ends and gold knobs on them.
void roller(cairo_t* cr, double x0, double x1, double y, double r)
{
    cairo_new_path(cr);
    paint::roundedRectangle(cr, x0, y - r, x1 - x0, 2.0 * r, 3.0);
    Pattern wood = paint::linearGradient(
        0, y - r, 0, y + r,
        {{0.0, woodDeep}, {0.25, woodLight.scaled(1.35)}, {0.45, woodLight}, {1.0, woodDeep.scaled(0.7)}});
    cairo_set_source(cr, wood.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    // Faint grain along it.
    cairo_save(cr);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, x0, y - r, x1 - x0, 2.0 * r, 3.0);
    cairo_clip(cr);
    Random random(static_cast<std::uint64_t>(y * 131.0 + x0));
    for (int k = 0; k < 7; ++k) {
        const double gy = y - r * 0.7 + random.uniform() * r * 1.5;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, gy);
        cairo_curve_to(cr, (x0 + x1) * 0.35, gy + random.range(-1.5, 1.5), (x0 + x1) * 0.65,
                       gy + random.range(-1.5, 1.5), x1, gy);
        cairo_set_line_width(cr, 0.7);
        paint::setColour(cr, ink.withAlpha(0.3));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    Pattern gilt = paint::linearGradient(0, y - r, 0, y + r,
                                         {{0.0, goldDeep}, {0.25, goldPale}, {0.5, gold}, {1.0, goldDeep}});
    for (const double bx : {x0 + 6.0, x1 - 14.0}) {
        cairo_new_path(cr);
        cairo_rectangle(cr, bx, y - r - 0.5, 8.0, 2.0 * r + 1.0);
        cairo_set_source(cr, gilt.get());
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, ink);
        cairo_stroke(cr);
    }
    // The knobs.
    const double k = r * 0.78;
    for (const double kx : {x0 - k + 2.0, x1 + k - 2.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, kx, y, k + 1.0, 0, 2 * pi);
        paint::setColour(cr, ink);
        cairo_fill(cr);
        Pattern knob = paint::radialGradient(kx - k * 0.35, y - k * 0.4, 0.0, k * 1.4,
                                             {{0.0, goldPale}, {0.45, gold}, {1.0, goldDeep}});
        cairo_arc(cr, kx, y, k, 0, 2 * pi);
        cairo_set_source(cr, knob.get());
        cairo_fill(cr);
        cairo_arc(cr, kx, y, k * 0.45, 0, 2 * pi);
        cairo_set_line_width(cr, 0.9);
        paint::setColour(cr, goldDeep.withAlpha(0.8));
        cairo_stroke(cr);
    }
}

// A sheet between two wooden rollers, w x h: the rollers run across its top and bottom, the
// paper curving round them.
Canvas rolledScroll(int w, int h, std::uint64_t seed)
{
    const double r = 14.0;
    const double knob = r * 0.78;
    const double rollerLeft = knob * 2.0 + 2.0;
    const double rollerRight = w - knob * 2.0 - 2.0;
    const double top = r + 6.0;
    const double bottom = h - r - 8.0;
    const double paperLeft = rollerLeft + 12.0;
    const double paperRight = rollerRight - 12.0;
    const Outline paper = sheet(paperLeft, top, paperRight, bottom, seed);

    Canvas canvas(w, h);
    shadowUnder(
        canvas,
        [&](cairo_t* cr) {
            cairo_new_path(cr);
            paper(cr, 0.0);
            cairo_fill(cr);
            paint::roundedRectangle(cr, rollerLeft - knob * 2.0, top - r,
                                    rollerRight - rollerLeft + knob * 4.0, 2.0 * r, r);
            paint::roundedRectangle(cr, rollerLeft - knob * 2.0, bottom - r,
                                    rollerRight - rollerLeft + knob * 4.0, 2.0 * r, r);
            cairo_fill(cr);
        },
        6.0, 4.0, 0.65);
    parchment(canvas, paper, seed);
    cairo_t* cr = canvas.cr();
    shadeEnds(cr, paper, top, bottom, r + 14.0);
    cairo_new_path(cr);
    paper(cr, 0.0);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, paperBurn.scaled(0.6));
    cairo_stroke(cr);
    roller(cr, rollerLeft, rollerRight, top, r);
    roller(cr, rollerLeft, rollerRight, bottom, r);
    return canvas;
}

// One end of a sheet rolled up on itself: a paper tube across the sheet at height y, showing
// its spiral at both ends. `back` rolls it away from us (the top edge), else towards us.
void paperCurl(cairo_t* cr, double x0, double x1, double y, double r, bool back)
{
    cairo_new_path(cr);
    paint::roundedRectangle(cr, x0, y - r, x1 - x0, 2.0 * r, r * 0.9);
    const Colour lit = paperLight;
    const Colour shade = paperEdge.mix(paperBurn, 0.7);
    Pattern tube =
        back ? paint::linearGradient(0, y - r, 0, y + r,
                                     {{0.0, paperMid}, {0.3, lit}, {0.65, paperEdge}, {1.0, shade}})
             : paint::linearGradient(0, y - r, 0, y + r,
                                     {{0.0, shade}, {0.35, paperEdge}, {0.7, lit}, {1.0, paperMid}});
    cairo_set_source(cr, tube.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, paperBurn.scaled(0.6));
    cairo_stroke(cr);
    // The spiral of paper seen at each end.
    for (const double ex : {x0 + r * 0.9, x1 - r * 0.9}) {
        cairo_new_path(cr);
        cairo_arc(cr, ex, y, r - 1.0, 0, 2 * pi);
        paint::setColour(cr, paperMid.mix(paperEdge, 0.5));
        cairo_fill(cr);
        cairo_new_path(cr);
        for (double a = 0.0; a < 5.5 * pi; a += 0.15) {
            const double rr = (r - 2.0) * (1.0 - a / (6.0 * pi));
            cairo_line_to(cr, ex + rr * std::cos(a), y + rr * std::sin(a));
        }
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, paperBurn.withAlpha(0.75));
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_arc(cr, ex, y, r - 1.0, 0, 2 * pi);
        cairo_set_line_width(cr, 1.2);
        paint::setColour(cr, paperBurn.scaled(0.6));
        cairo_stroke(cr);
    }
}

// A wax seal pressed with a crescent moon, on a ribbon.
void waxSeal(cairo_t* cr, double x, double y)
{
    const Colour ribbon = Colour::bytes(40, 58, 120);
    for (const double side : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x + side * 4.0, y);
        cairo_line_to(cr, x + side * 16.0, y + 30.0);
        cairo_line_to(cr, x + side * 9.0, y + 26.0);
        cairo_line_to(cr, x + side * 5.0, y + 33.0);
        cairo_line_to(cr, x - side * 4.0, y + 4.0);
        cairo_close_path(cr);
        Pattern band = paint::linearGradient(x, y, x + side * 14.0, y + 30.0,
                                             {{0.0, ribbon.scaled(1.4)}, {1.0, ribbon.scaled(0.7)}});
        cairo_set_source(cr, band.get());
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.1);
        paint::setColour(cr, ink);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    for (int k = 0; k < 24; ++k) {
        const double a = k * pi / 12.0;
        const double rr = 15.0 + (k % 2 == 0 ? 1.2 : -0.6);
        cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    }
    cairo_close_path(cr);
    Pattern wax = paint::radialGradient(
        x - 4, y - 5, 0, 19, {{0.0, Colour::bytes(214, 70, 60)}, {1.0, Colour::bytes(120, 24, 24)}});
    cairo_set_source(cr, wax.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, 10.0, 0, 2 * pi);
    cairo_set_line_width(cr, 1.2);
    paint::setColour(cr, Colour::bytes(96, 16, 16, 0.8));
    cairo_stroke(cr);
    cairo_new_path(cr);
    moonPath(cr, x, y, 6.5, 0.55);
    paint::setColour(cr, Colour::bytes(240, 130, 110, 0.85));
    cairo_fill(cr);
}

// The message scroll: a sheet whose own ends are rolled, the top away from us and the bottom
// towards us, sealed with wax at its foot.
Canvas curledScroll(int w, int h, std::uint64_t seed)
{
    const double r = 13.0;
    const double left = 26.0;
    const double right = w - 26.0;
    const double top = r + 6.0;
    const double bottom = h - r - 10.0;
    const Outline paper = sheet(left + 6.0, top, right - 6.0, bottom, seed);
    Canvas canvas(w, h);
    shadowUnder(
        canvas,
        [&](cairo_t* cr) {
            cairo_new_path(cr);
            paper(cr, 0.0);
            cairo_fill(cr);
            paint::roundedRectangle(cr, left, top - r, right - left, 2.0 * r, r);
            paint::roundedRectangle(cr, left, bottom - r, right - left, 2.0 * r, r);
            cairo_fill(cr);
        },
        6.0, 4.0, 0.65);
    parchment(canvas, paper, seed, 1.04);
    cairo_t* cr = canvas.cr();
    shadeEnds(cr, paper, top, bottom, r + 18.0);
    cairo_new_path(cr);
    paper(cr, 0.0);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, paperBurn.scaled(0.6));
    cairo_stroke(cr);
    paperCurl(cr, left, right, top, r, true);
    paperCurl(cr, left, right, bottom, r, false);
    waxSeal(cr, right - 58.0, bottom - 2.0);
    return canvas;
}

// The scroll that asks whether to go on with the quest: the rolled scroll, a full moon set in
// the middle of its upper roller.
Canvas questScroll(int w, int h)
{
    Canvas canvas = rolledScroll(w, h, 0x9e57);
    moonMedallion(canvas.cr(), w / 2.0, 20.0, 17.0, 2.0);
    return canvas;
}

// ---------------------------------------------------------------------------------------------
// menu.png: the board behind the title screen's menu buttons: carved wood round a pane of
// night glass, arched at the top, a full moon set in the crown of the arch.

// A box whose top is an arch: sides from `shoulder` below its top down to rounded lower corners.
Outline archedBox(double x, double y, double w, double h, double shoulder, double r)
{
    return [=](cairo_t* cr, double d) {
        const double left = x + d;
        const double right = x + w - d;
        const double bottom = y + h - d;
        const double rr = std::max(1.0, r - d);
        const double springs = y + shoulder; // where the arch leaves the sides
        cairo_new_sub_path(cr);
        cairo_move_to(cr, left, springs);
        cairo_save(cr);
        cairo_translate(cr, (left + right) / 2.0, springs);
        cairo_scale(cr, (right - left) / 2.0, shoulder - d);
        cairo_arc(cr, 0, 0, 1, pi, 2 * pi);
        cairo_restore(cr);
        cairo_arc(cr, right - rr, bottom - rr, rr, 0.0, pi / 2.0);
        cairo_arc(cr, left + rr, bottom - rr, rr, pi / 2.0, pi);
        cairo_close_path(cr);
    };
}

void menuPanel(Context& context)
{
    using title::menuHeight;
    using title::menuWidth;
    Canvas canvas(menuWidth, menuHeight);
    const Outline board = archedBox(8, 8, menuWidth - 16, menuHeight - 18, 64, 18);
    woodPanel(canvas, board, Grain::Down, 0x3e9c, 9.0);
    const Outline pane = archedBox(34, 40, menuWidth - 68, menuHeight - 74, 44, 10);
    sunkWindow(canvas, pane, Colour::bytes(8, 12, 32), Colour::bytes(26, 36, 76), 0.12);

    // Faint stars in the glass, as in the sky outside.
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_new_path(cr);
    pane(cr, 3.0);
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    Random random(0x57a2);
    for (int i = 0; i < 40; ++i) {
        const double x = random.range(44.0, menuWidth - 44.0);
        const double y = random.range(44.0, menuHeight - 50.0);
        const double size = std::pow(random.uniform(), 2.5);
        paint::softGlow(cr, x, y, 1.4 + 2.6 * size, Colour::bytes(200, 214, 255, 0.18 + 0.4 * size));
    }
    cairo_restore(cr);

    // Studs at the corners, the moon in the crown.
    stud(cr, 22, menuHeight - 24, 4.5);
    stud(cr, menuWidth - 22, menuHeight - 24, 4.5);
    stud(cr, 21, 76, 4.0);
    stud(cr, menuWidth - 21, 76, 4.0);
    moonMedallion(cr, menuWidth / 2.0, 24.0, 19.0, 2.0);
    context.save(canvas, "gfx/gui/screen-title/menu.png");
}

// ---------------------------------------------------------------------------------------------
// profileManager/panel.png, drawn from (290, 140): the game writes the players' names in rows
// from screen x 360 to 620 and y 245 to 485, so a parchment field lies under them, and its
// buttons go on the wood below.

constexpr int profileWidth = 444;
constexpr int profileHeight = 490;

void profilePanel(Context& context)
{
    Canvas canvas(profileWidth, profileHeight);
    woodPanel(canvas, roundedBox(6, 8, profileWidth - 12, profileHeight - 16, 20), Grain::Down, 0x9a01, 10.0);
    const Outline field = roundedBox(48, 88, profileWidth - 96, 284, 10);
    shadowUnder(
        canvas,
        [&](cairo_t* cr) {
            cairo_new_path(cr);
            field(cr, -2.0);
            cairo_fill(cr);
        },
        4.0, 2.0, 0.7);
    parchment(canvas, field, 0x9a02);
    cairo_t* cr = canvas.cr();
    strokeOutline(cr, field, -1.2, 2.2, gold);
    strokeOutline(cr, field, -2.6, 0.9, ink);
    // Ornaments clear of the writing: studs in the corners, a moon over the field.
    for (const double x : {26.0, profileWidth - 26.0}) {
        for (const double y : {30.0, profileHeight - 30.0}) {
            stud(cr, x, y, 4.5);
        }
    }
    moonMedallion(cr, profileWidth / 2.0, 46.0, 20.0, 2.0);
    for (const double side : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, profileWidth / 2.0 + side * 30.0, 46.0);
        cairo_line_to(cr, profileWidth / 2.0 + side * 150.0, 46.0);
        goldGroove(cr, 3.4, 1.3);
    }
    context.save(canvas, "gfx/gui/profileManager/panel.png");
}

// ---------------------------------------------------------------------------------------------
// options/pasek.png: the volume bar, a rod of glowing gold; the game shows as much of it from
// the left as the volume is loud, so it warms from amber at its left end to pale gold at its
// right.

constexpr int barWidth = 268;
constexpr int barHeight = 24;

// Upright notches 26 pixels apart from `first` to before `end`, in deep gold at `alpha`.
void scaleNotches(cairo_t* cr, double first, double end, double top, double bottom, double alpha)
{
    cairo_new_path(cr);
    for (double nx = first; nx < end; nx += 26.0) {
        cairo_move_to(cr, nx, top);
        cairo_line_to(cr, nx, bottom);
    }
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, goldDeep.withAlpha(alpha));
    cairo_stroke(cr);
}

void volumeBar(Context& context)
{
    Canvas canvas(barWidth, barHeight);
    cairo_t* cr = canvas.cr();
    const double x = 2.0;
    const double y = 3.0;
    const double w = barWidth - 4.0;
    const double h = barHeight - 7.0;
    cairo_new_path(cr);
    paint::roundedRectangle(cr, x, y + 1.5, w, h, h / 2.0);
    paint::setColour(cr, Colour{0, 0, 0, 0.45});
    cairo_fill(cr);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, x, y, w, h, h / 2.0);
    Pattern warmth = paint::linearGradient(
        x, 0, x + w, 0,
        {{0.0, Colour::bytes(170, 84, 22)}, {0.45, gold}, {0.85, goldLight}, {1.0, goldPale}});
    cairo_set_source(cr, warmth.get());
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    // Round like a rod: a bright line along the top, shade underneath.
    Pattern round = paint::linearGradient(0, y, 0, y + h,
                                          {{0.0, Colour{1, 1, 0.9, 0.55}},
                                           {0.3, Colour{1, 1, 0.9, 0.1}},
                                           {0.6, Colour{0, 0, 0, 0.0}},
                                           {1.0, Colour{0.2, 0.08, 0.0, 0.45}}});
    cairo_set_source(cr, round.get());
    cairo_paint(cr);
    // Notches every so often, to read the level by.
    scaleNotches(cr, x + 26.0, x + w - 10.0, y + 3.0, y + h - 3.0, 0.45);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    context.save(canvas, "gfx/gui/options/pasek.png");
}

// options/groove.png: the dark channel cut into the panel that the volume bar fills from the
// left; held by its middle, it lies centred on the bar, 4 pixels wider and 8 taller, so the
// empty part of the scale still shows where full volume would end.
void volumeGroove(Context& context)
{
    const int w = barWidth + 8;
    const int h = barHeight + 8;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    const double x = 2.0;
    const double y = 5.0;
    const double cw = w - 4.0;
    const double ch = barHeight - 3.0;
    cairo_new_path(cr);
    paint::roundedRectangle(cr, x, y, cw, ch, ch / 2.0);
    Pattern depth = paint::linearGradient(
        0, y, 0, y + ch, {{0.0, Colour::bytes(12, 8, 6, 0.95)}, {1.0, Colour::bytes(46, 32, 20, 0.9)}});
    cairo_set_source(cr, depth.get());
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    // The notches of the scale, faint in the dark.
    scaleNotches(cr, x + 28.0, x + cw - 12.0, y + 5.0, y + ch - 5.0, 0.5);
    cairo_restore(cr);
    // A lit lower lip and a gold rim.
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x + ch / 2.0, y + ch + 1.2);
    cairo_line_to(cr, x + cw - ch / 2.0, y + ch + 1.2);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, goldLight.withAlpha(0.45));
    cairo_stroke(cr);
    context.save(canvas, "gfx/gui/options/groove.png");
}

// ---------------------------------------------------------------------------------------------
// screen-endLevel/: the level summary. Both panels are dark carved wood round a parchment
// sheet; the bonus title sits in gold on the wood above the sheet, the figures, the row of the
// stage's levels and the goals are written on the sheet, and the buttons stand on the wood
// below it. panel.png (the quest, 760 x 640) is drawn centred on (512, 384), so its sheet spans
// screen y 140 to 618; panel2.png (free play, 600 x 520) spans screen y 204 to 570.

// A summary board: wood with a gold inlay, a parchment sheet from `sheetTop` to `sheetBottom`
// with a gold edge, studs in the corners and a moon above the sheet on each side.
Canvas summaryBoard(int w, int h, double sheetTop, double sheetBottom, std::uint64_t seed)
{
    Canvas canvas(w, h);
    woodPanel(canvas, roundedBox(6, 8, w - 12, h - 16, 22), Grain::Across, seed, 10.0);
    const Outline field = sheet(30, sheetTop, w - 30.0, sheetBottom, seed + 1);
    shadowUnder(
        canvas,
        [&](cairo_t* cr) {
            cairo_new_path(cr);
            field(cr, -2.0);
            cairo_fill(cr);
        },
        5.0, 3.0, 0.75);
    parchment(canvas, field, seed + 2, 1.02);
    cairo_t* cr = canvas.cr();
    strokeOutline(cr, field, -1.2, 2.2, gold);
    strokeOutline(cr, field, -2.6, 0.9, ink);
    for (const double x : {24.0, w - 24.0}) {
        for (const double y : {28.0, h - 28.0}) {
            stud(cr, x, y, 4.5);
        }
    }
    for (const double x : {70.0, w - 70.0}) {
        moonMedallion(cr, x, sheetTop / 2.0 + 3.0, 15.0, x < w / 2.0 ? 0.8 : 2.0);
    }
    return canvas;
}

// on.png: a level cleared with no card left: a gold check on a small wax-red seal.
void tickOnPicture(Context& context)
{
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_arc(cr, 16, 16.5, 13.5, 0, 2 * pi);
    Pattern wax = paint::radialGradient(13, 13, 1.0, 14.0,
                                        {{0.0, Colour::bytes(214, 84, 58)},
                                         {0.7, Colour::bytes(150, 36, 26)},
                                         {1.0, Colour::bytes(96, 18, 14)}});
    cairo_set_source(cr, wax.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 9.0, 16.5);
    cairo_line_to(cr, 14.0, 22.0);
    cairo_line_to(cr, 23.5, 10.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4.6);
    paint::setColour(cr, ink.withAlpha(0.8));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.8);
    paint::setColour(cr, goldLight);
    cairo_stroke(cr);
    context.save(canvas, "gfx/gui/screen-endLevel/on.png");
}

// off.png: a level that left cards: a faded brown cross in a ring pressed into the paper.
void tickOffPicture(Context& context)
{
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_arc(cr, 16, 16, 12.5, 0, 2 * pi);
    paint::setColour(cr, paperBurn.withAlpha(0.18));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, paperBurn.withAlpha(0.7));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 11.0, 11.0);
    cairo_line_to(cr, 21.0, 21.0);
    cairo_move_to(cr, 21.0, 11.0);
    cairo_line_to(cr, 11.0, 21.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.6);
    paint::setColour(cr, Colour::bytes(110, 44, 26, 0.85));
    cairo_stroke(cr);
    context.save(canvas, "gfx/gui/screen-endLevel/off.png");
}

// line.png: a rule under a group of figures: a gold line thinning to both ends, a small
// diamond in its middle.
void summaryRule(Context& context)
{
    constexpr int w = 270;
    constexpr int h = 12;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    Pattern fade = paint::linearGradient(0, 0, w, 0,
                                         {{0.0, goldDeep.withAlpha(0.0)},
                                          {0.25, goldDeep.withAlpha(0.85)},
                                          {0.5, gold},
                                          {0.75, goldDeep.withAlpha(0.85)},
                                          {1.0, goldDeep.withAlpha(0.0)}});
    cairo_new_path(cr);
    cairo_rectangle(cr, 4, h / 2.0 - 0.8, w - 8, 1.6);
    cairo_set_source(cr, fade.get());
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, w / 2.0, 1.0);
    cairo_line_to(cr, w / 2.0 + 5.0, h / 2.0);
    cairo_line_to(cr, w / 2.0, h - 1.0);
    cairo_line_to(cr, w / 2.0 - 5.0, h / 2.0);
    cairo_close_path(cr);
    paint::setColour(cr, gold);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    context.save(canvas, "gfx/gui/screen-endLevel/line.png");
}
} // namespace

void addPanelArt(Registry& registry)
{
    registry.add("panels", "gfx/gui/screen-title/menu.png", menuPanel);
    registry.add("panels", "gfx/gui/popup/scroll.png",
                 [](Context& c) { c.save(rolledScroll(460, 440, 0x5c01), "gfx/gui/popup/scroll.png"); });
    registry.add("panels", "gfx/gui/popup/scroll2.png",
                 [](Context& c) { c.save(curledScroll(460, 440, 0x5c02), "gfx/gui/popup/scroll2.png"); });
    registry.add("panels", "gfx/gui/continueQuest/scroll.png",
                 [](Context& c) { c.save(questScroll(460, 360), "gfx/gui/continueQuest/scroll.png"); });
    registry.add("panels", "gfx/gui/profileManager/panel.png", profilePanel);
    registry.add("panels", "gfx/gui/options/pasek.png", volumeBar);
    registry.add("panels", "gfx/gui/options/groove.png", volumeGroove);
    registry.add("panels", "gfx/gui/screen-endLevel/panel.png", [](Context& c) {
        c.save(summaryBoard(760, 640, 76, 554, 0xe1d1), "gfx/gui/screen-endLevel/panel.png");
    });
    registry.add("panels", "gfx/gui/screen-endLevel/panel2.png", [](Context& c) {
        c.save(summaryBoard(600, 520, 80, 446, 0xe1d2), "gfx/gui/screen-endLevel/panel2.png");
    });
    registry.add("panels", "gfx/gui/screen-endLevel/on.png", tickOnPicture);
    registry.add("panels", "gfx/gui/screen-endLevel/off.png", tickOffPicture);
    registry.add("panels", "gfx/gui/screen-endLevel/line.png", summaryRule);
    // The tutorial's lesson panels, held by their middle: the large and the middle one rolled
    // on wooden rollers, the small one (shown while play goes on) a curled sheet.
    registry.add("panels", "gfx/gui/tutorial/panel.png",
                 [](Context& c) { c.save(rolledScroll(640, 360, 0x7a01), "gfx/gui/tutorial/panel.png"); });
    registry.add("panels", "gfx/gui/tutorial/panel-2.png",
                 [](Context& c) { c.save(rolledScroll(480, 280, 0x7a02), "gfx/gui/tutorial/panel-2.png"); });
    registry.add("panels", "gfx/gui/tutorial/panel-3.png",
                 [](Context& c) { c.save(curledScroll(350, 210, 0x7a03), "gfx/gui/tutorial/panel-3.png"); });
}
} // namespace contentgen
