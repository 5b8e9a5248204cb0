// Paint.hpp: drawing helpers shared by every generator (gradients, glows, shapes, text, blur).
#pragma once

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Image.hpp"

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

namespace contentgen
{
class FontFace;

struct PatternDeleter
{
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

struct GradientStop
{
    double offset;
    Colour colour;
};

enum class Align
{
    Left,
    Centre,
    Right
};

namespace paint
{
void setColour(cairo_t* cr, const Colour& c);

Pattern linearGradient(double x0, double y0, double x1, double y1, std::initializer_list<GradientStop> stops);
// Circles share the centre (cx, cy): offset 0 at radius r0, offset 1 at radius r1.
Pattern radialGradient(double cx, double cy, double r0, double r1, std::initializer_list<GradientStop> stops);

// A soft round light: `colour` at the centre fading smoothly (close to a Gaussian) to nothing
// at `radius`. Drawn with the context's current operator.
void softGlow(cairo_t* cr, double cx, double cy, double radius, const Colour& colour);

// Adds a rounded-rectangle subpath.
void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r);

// Draws `text` in `face` at `size` px with its baseline at y and x placed by `align`:
// first the outline (a stroke of outlineWidth, round joins), then the fill on top.
// An outlineWidth of 0 draws no outline.
void textWithOutline(cairo_t* cr, const FontFace& face, const std::string& text, double size, double x,
                     double y, Align align, const Colour& fill, const Colour& outline, double outlineWidth);

// Blurs in place with three box passes per axis (close to a Gaussian of that radius),
// in premultiplied space so colours do not bleed from transparent pixels.
void blur(Image& image, double radius);

// Makes each pixel that is not transparent a little lighter or darker, in cloudy patches: the
// noise has a lattice cell every `sx` pixels across and `sy` down and `octaves` layers, and
// `amount` is its spread (0.2: up to 10% either way). Alpha is kept.
void mottle(Image& image, std::uint64_t seed, double sx, double sy, int octaves, double amount);

// A shadow of `shape`: its alpha, blurred by `radius`, in `colour` (colour.a scales it).
Canvas shadowOf(const Canvas& shape, double radius, const Colour& colour);
} // namespace paint
} // namespace contentgen
