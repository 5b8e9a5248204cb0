// LogoArt.cpp: the game's name on the title screen (gfx/gui/screen-title/logo.png), lettered
// in the game's own face: "Eldmere" in bevelled gold with a tall initial, a dark ink outline
// and a soft shadow that keeps it clear over the night sky, over a gold flourish with a full
// moon between two stars.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "FontFace.hpp"
#include "GuiPalette.hpp"
#include "HudArt.hpp"
#include "Image.hpp"
#include "Paint.hpp"
#include "Registry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace contentgen
{
namespace
{
using namespace gui; // the palette

constexpr double pi = std::numbers::pi;
constexpr int logoWidth = 420;
constexpr int logoHeight = 160;
constexpr double baseline = 112.0;
constexpr double lettering = 372.0;   // the name's width, outline included
constexpr double initialScale = 1.32; // the initial against the other letters
constexpr double outlineWidth = 7.0;

const std::string initial = "E";
const std::string rest = "ldmere";

double advance(cairo_t* cr, const FontFace& face, double size, const std::string& text)
{
    face.select(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

// Adds the name to the path at letter size `size`, starting at x.
void namePath(cairo_t* cr, const FontFace& face, double size, double x)
{
    cairo_new_path(cr);
    face.select(cr, size * initialScale);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, initial.c_str());
    const double after = x + advance(cr, face, size * initialScale, initial) - size * 0.04;
    face.select(cr, size);
    cairo_move_to(cr, after, baseline);
    cairo_text_path(cr, rest.c_str());
}

// The flourish under the name: a line swelling from fine points to the moon in the middle.
void flourish(cairo_t* cr, double y)
{
    const double cx = logoWidth / 2.0;
    const double reach = 150.0;
    auto swell = [&](double widthScale) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx - reach, y);
        cairo_curve_to(cr, cx - reach * 0.5, y - 2.6 * widthScale, cx - 24, y - 3.2 * widthScale, cx, y);
        cairo_curve_to(cr, cx + 24, y - 3.2 * widthScale, cx + reach * 0.5, y - 2.6 * widthScale, cx + reach,
                       y);
        cairo_curve_to(cr, cx + reach * 0.5, y + 2.6 * widthScale, cx + 24, y + 3.2 * widthScale, cx, y);
        cairo_curve_to(cr, cx - 24, y + 3.2 * widthScale, cx - reach * 0.5, y + 2.6 * widthScale, cx - reach,
                       y);
        cairo_close_path(cr);
    };
    swell(1.0);
    cairo_set_line_width(cr, 3.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    Pattern gilt = paint::linearGradient(0, y - 3, 0, y + 3, {{0.0, goldPale}, {1.0, gold}});
    cairo_set_source(cr, gilt.get());
    cairo_fill(cr);
    // Curls at the tips.
    for (const double side : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, 0.0);
        cairo_scale(cr, side, 1.0); // the right curl is the left one turned over
        cairo_arc(cr, -(reach + 5.0), y - 4.0, 4.5, pi * 0.5, pi * 2.2);
        cairo_restore(cr);
        cairo_set_line_width(cr, 3.6);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.6);
        paint::setColour(cr, goldLight);
        cairo_stroke(cr);
        cairo_new_path(cr);
        starPath(cr, cx + side * 58.0, y, 6.5, 2.4, 4);
        cairo_set_line_width(cr, 2.0);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        paint::setColour(cr, goldPale);
        cairo_fill(cr);
    }
    moonMedallion(cr, cx, y, 13.0, 2.0);
}

void logo(Context& context)
{
    const FontFace& face = context.font();
    Canvas measure(1, 1);
    const double at100 = advance(measure.cr(), face, 100.0 * initialScale, initial) - 4.0
                         + advance(measure.cr(), face, 100.0, rest);
    const double size = 100.0 * (lettering - outlineWidth) / at100;
    const double left = (logoWidth - lettering + outlineWidth) / 2.0;

    // A soft dark shadow round the letters.
    Canvas shadowShape(logoWidth, logoHeight);
    namePath(shadowShape.cr(), face, size, left);
    cairo_set_line_width(shadowShape.cr(), outlineWidth + 6.0);
    cairo_set_line_join(shadowShape.cr(), CAIRO_LINE_JOIN_ROUND);
    paint::setColour(shadowShape.cr(), Colour{0, 0, 0, 1});
    cairo_stroke_preserve(shadowShape.cr());
    cairo_fill(shadowShape.cr());
    Canvas canvas(logoWidth, logoHeight);
    canvas.paint(paint::shadowOf(shadowShape, 12.0, Colour::bytes(6, 8, 24, 0.75)), 0.0, 3.0);
    cairo_t* cr = canvas.cr();

    flourish(cr, 134.0);

    // The ink outline, a gold edge inside it, then the letters' face.
    namePath(cr, face, size, left);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, outlineWidth);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3.2);
    paint::setColour(cr, goldDeep);
    cairo_stroke_preserve(cr);
    Pattern fill = paint::linearGradient(0, baseline - size * 0.95, 0, baseline,
                                         {{0.0, goldPale}, {0.38, goldLight}, {0.7, gold}, {1.0, goldDeep}});
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);

    // The bevel: inside each letter, light along its upper left edges, shade along its lower
    // right ones.
    cairo_save(cr);
    namePath(cr, face, size, left);
    cairo_clip(cr);
    cairo_translate(cr, 1.6, 1.8);
    namePath(cr, face, size, left);
    cairo_set_line_width(cr, 2.6);
    paint::setColour(cr, goldDeep.withAlpha(0.75));
    cairo_stroke(cr);
    cairo_translate(cr, -2.8, -3.0);
    namePath(cr, face, size, left);
    cairo_set_line_width(cr, 1.8);
    paint::setColour(cr, Colour{1.0, 1.0, 0.94, 0.7});
    cairo_stroke(cr);
    cairo_restore(cr);

    context.save(canvas, "gfx/gui/screen-title/logo.png");
}
} // namespace

void addLogoArt(Registry& registry)
{
    registry.add("title", "gfx/gui/screen-title/logo.png", logo);
}
} // namespace contentgen
