// HudArt.hpp: what the game screen's frame pieces share (carved wood with a gold rim, windows
// and sockets sunk into it, studs, moons, coins) and the two halves of the "hud" group: the
// panels and the lights. The colours are the button plates' own (GuiPalette.hpp).
#pragma once

#include "Canvas.hpp"
#include "Colour.hpp"
#include "GuiPalette.hpp"
#include "Image.hpp"
#include "Paint.hpp"

#include <cairo.h>

#include <cstdint>
#include <functional>

namespace contentgen
{
class Registry;
} // namespace contentgen

namespace contentgen::gui
{
constexpr Colour night = Colour::bytes(14, 26, 66); // the medallions' field, as on the card backs
// Windows sunk into the wood: the numbers the game writes there stand out against them.
constexpr Colour windowDeep = Colour::bytes(8, 10, 20);
constexpr Colour windowShallow = Colour::bytes(22, 28, 48);

// Adds a closed outline to the path, shrunk by `inset` pixels on every side (a negative inset
// grows it), so rims, bevels and inlays can follow the same shape.
using Outline = std::function<void(cairo_t* cr, double inset)>;

Outline roundedBox(double x, double y, double w, double h, double r);
Outline circle(double cx, double cy, double r);

// Strokes `outline` shrunk by `inset` with a line `width` pixels wide in `colour`.
void strokeOutline(cairo_t* cr, const Outline& outline, double inset, double width, const Colour& colour);

// The box round an outline.
struct Box
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};
Box boxOf(const Outline& outline);

// Strokes the path as a carved groove `width` pixels wide with a gold line `line` wide in it,
// and clears the path.
void goldGroove(cairo_t* cr, double width, double line);

// Which way the wood's grain runs.
enum class Grain
{
    Across, // boards lying along x
    Down    // boards standing along y
};

// A panel of dark carved wood in the shape of `outline`, painted on `target`: a soft shadow
// under it, the grain, light from above, a dark bevel inside the edge and the gold rim. An
// inlay above 0 adds a carved groove with a gold line that many pixels inside the rim.
void woodPanel(Canvas& target, const Outline& outline, Grain grain, std::uint64_t seed, double inlay);

// A window sunk into the wood on `target`: dark glass (or felt, with a texture above 0 to
// mottle it by) from `deep` at its top to `shallow`, in shadow under a thin gold lip.
void sunkWindow(Canvas& target, const Outline& outline, const Colour& deep = windowDeep,
                const Colour& shallow = windowShallow, double texture = 0.0);

// A round socket of radius r: a dark recess inside a gold ring `ring` pixels wide (0: a fifth
// of r), the glass of an unlit bulb just catching the light.
void socket(cairo_t* cr, double cx, double cy, double r, double ring = 0.0);

// A round gold stud, a rivet head of radius r.
void stud(cairo_t* cr, double cx, double cy, double r);

// Adds the lit part of a moon of radius m to the path: the disc less a shadow disc whose centre
// lies `bite` moon radii to the right (to the left when negative). About 0.5 leaves a thin
// crescent, 1 a fat one, 1.9 or more the full moon.
void moonPath(cairo_t* cr, double cx, double cy, double m, double bite);

// A gold moon (moonPath) on a night-blue medallion of radius r, in a gold ring.
void moonMedallion(cairo_t* cr, double cx, double cy, double r, double bite);

// The three metals of the coins.
struct Metal
{
    Colour light;
    Colour mid;
    Colour deep;
};
constexpr Metal copper{Colour::bytes(250, 196, 150), Colour::bytes(202, 112, 58), Colour::bytes(104, 44, 20)};
constexpr Metal silver{Colour::bytes(250, 252, 255), Colour::bytes(182, 190, 204),
                       Colour::bytes(78, 86, 106)};
constexpr Metal goldMetal{goldPale, gold, goldDeep};

// What a coin carries stamped on its face.
enum class Stamp
{
    Moon,
    Star,
    Sun
};

// A coin of radius r seen face on: a dark outline, a raised rim, the stamp in relief and a glint.
void coinFace(cairo_t* cr, double cx, double cy, double r, const Metal& metal, Stamp stamp);

// Adds a star of `points` points to the path: tips at radius `outer`, notches at `inner`, the
// first tip straight up.
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points);

// A stack of `count` gold coins of radius rx seen at a slant, the lowest one's centre at (x, base).
void coinStack(cairo_t* cr, double x, double base, double rx, int count);

// A four-pointed glint of pale gold, `size` from its centre to each tip.
void glint(cairo_t* cr, double x, double y, double size);

// The picture turned left to right.
Image mirrored(const Image& image);

void addHudPanels(Registry& registry); // HudPanels.cpp: name plate, cash and drive panels, holder, sides
void addHudLights(Registry& registry); // HudLights.cpp: bulbs, glows, the end signs, coins
} // namespace contentgen::gui
