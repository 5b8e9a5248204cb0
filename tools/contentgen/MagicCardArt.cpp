// MagicCardArt.cpp: the "magic-cards" group: the pictures of the magic-card collection. The round
// board the collection lies on (gfx/gui/magic-cards/panel.png): a disc of dark carved wood with a
// gold rim around an old parchment face, three faint grooves pressed into it where the rings of
// cards lie and a small star where they meet; and the frame behind the card shown enlarged
// (gfx/gui/magic-cards/show.png): night glass in a gold frame, softly lit around.
//
// The game writes the title at the top of the board and lays the cards on its grooves, so the
// board carries no words and its face is calm.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "GuiPalette.hpp"
#include "HudArt.hpp"
#include "Image.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Registry.hpp"

#include <array>
#include <cmath>
#include <numbers>

namespace contentgen
{
namespace
{
using namespace gui;

constexpr double pi = std::numbers::pi;

constexpr int boardSize = 660;
constexpr double boardMiddle = boardSize / 2.0;
// The game centres the board on (512, 384) and the rings on (506, 415): here that is
// (324, 361), with the rings' radii.
constexpr double ringsX = 506.0 - 512.0 + boardMiddle;
constexpr double ringsY = 415.0 - 384.0 + boardMiddle;
constexpr std::array<double, 3> ringRadii = {215.0, 150.0, 85.0};

constexpr Colour paperLight = Colour::bytes(250, 240, 212);
constexpr Colour paperMid = Colour::bytes(238, 222, 182);
constexpr Colour paperEdge = Colour::bytes(204, 174, 124);
constexpr Colour paperBurn = Colour::bytes(132, 86, 44);

// The parchment face inside the wooden rim: pale in the middle, browned toward the rim,
// mottled like old paper.
void parchmentFace(Canvas& board, double radius)
{
    Canvas face(boardSize, boardSize);
    cairo_t* cr = face.cr();
    cairo_new_path(cr);
    cairo_arc(cr, boardMiddle, boardMiddle, radius, 0.0, 2.0 * pi);
    Pattern fill = paint::radialGradient(
        ringsX, ringsY, 0.0, radius * 1.05,
        {{0.0, paperLight}, {0.6, paperLight.mix(paperMid, 0.6)}, {0.9, paperMid}, {1.0, paperEdge}});
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
    // Browned under the rim.
    cairo_new_path(cr);
    cairo_arc(cr, boardMiddle, boardMiddle, radius - 6.0, 0.0, 2.0 * pi);
    cairo_set_line_width(cr, 14.0);
    paint::setColour(cr, paperBurn.withAlpha(0.2));
    cairo_stroke(cr);
    Image image = face.toImage();
    paint::mottle(image, 0x3a61, 13.0, 13.0, 4, 0.09);
    board.paint(Canvas(image));
}

// A faint groove pressed into the paper: a dark line with a light one just below it.
void groove(cairo_t* cr, double radius)
{
    cairo_new_path(cr);
    cairo_arc(cr, ringsX, ringsY + 1.2, radius, 0.0, 2.0 * pi);
    cairo_set_line_width(cr, 2.0);
    paint::setColour(cr, Colour::bytes(255, 250, 236, 0.55));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, ringsX, ringsY, radius, 0.0, 2.0 * pi);
    cairo_set_line_width(cr, 2.2);
    paint::setColour(cr, paperBurn.withAlpha(0.3));
    cairo_stroke(cr);
}

// panel.png: the round board of the collection.
void collectionBoard(Context& context)
{
    Canvas board(boardSize, boardSize);
    woodPanel(board, circle(boardMiddle, boardMiddle, boardMiddle - 8.0), Grain::Across, 0x3a60, 0.0);
    constexpr double faceRadius = boardMiddle - 34.0;
    parchmentFace(board, faceRadius);
    cairo_t* cr = board.cr();
    // The face sits in a gold bezel with an ink line inside it.
    strokeOutline(cr, circle(boardMiddle, boardMiddle, faceRadius), -1.5, 3.0, gold);
    strokeOutline(cr, circle(boardMiddle, boardMiddle, faceRadius), 2.0, 1.0, ink.withAlpha(0.8));
    for (double r : ringRadii)
        groove(cr, r);
    // A small star where the rings meet, pressed in gold.
    cairo_new_path(cr);
    starPath(cr, ringsX, ringsY, 22.0, 8.0, 8);
    paint::setColour(cr, goldDeep.withAlpha(0.35));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, paperBurn.withAlpha(0.5));
    cairo_stroke(cr);
    // Studs around the rim at the quarters and between them.
    for (int k = 0; k < 8; ++k) {
        const double a = pi / 8.0 + k * pi / 4.0;
        const double r = boardMiddle - 21.0;
        stud(cr, boardMiddle + r * std::cos(a), boardMiddle + r * std::sin(a), 4.5);
    }
    context.save(board, "gfx/gui/magic-cards/panel.png");
}

// show.png: the frame the enlarged card stands in (the card is 96 x 140, in the middle).
void showFrame(Context& context)
{
    constexpr int w = 140;
    constexpr int h = 190;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    // A soft warm light around the frame.
    Canvas light(w, h);
    paint::setColour(light.cr(), goldLight);
    paint::roundedRectangle(light.cr(), 10, 10, w - 20, h - 20, 12);
    cairo_fill(light.cr());
    canvas.paint(paint::shadowOf(light, 5.0, goldLight.withAlpha(0.75)));
    // Night glass inside a gold frame.
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 9, 9, w - 18, h - 18, 11);
    Pattern glass = paint::linearGradient(
        0, 9, 0, h - 9.0, {{0.0, Colour::bytes(30, 40, 86)}, {1.0, Colour::bytes(8, 12, 30)}});
    cairo_set_source(cr, glass.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4.0);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 12.5, 12.5, w - 25.0, h - 25.0, 8);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, ink.withAlpha(0.9));
    cairo_stroke(cr);
    cairo_new_path(cr);
    paint::roundedRectangle(cr, 7, 7, w - 14.0, h - 14.0, 13);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
    for (const double x : {17.0, w - 17.0}) {
        for (const double y : {17.0, h - 17.0})
            stud(cr, x, y, 3.0);
    }
    context.save(canvas, "gfx/gui/magic-cards/show.png");
}
} // namespace

void addMagicCardArt(Registry& registry)
{
    registry.add("magic-cards", "gfx/gui/magic-cards/panel.png", collectionBoard);
    registry.add("magic-cards", "gfx/gui/magic-cards/show.png", showFrame);
}
} // namespace contentgen
