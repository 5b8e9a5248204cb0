// GuiArt.cpp: the "gui" group: the gold digits of the score and the drive counter
// (gfx/cyfry.png), the button plates every screen shares (gfx/gui/common/), and the game
// screen's undo tab (gfx/gui/mainGame/).
//
// Buttons are dark slate plates with a bevelled gold rim, like the card backs' frames; the game
// writes their captions itself, in its own face, so the plates carry no words. Strips hold the
// four looks side by side in the order the game reads them: normal, pointed at, pressed,
// disabled. Single plates come with a dimmed twin for the disabled look.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "FontFace.hpp"
#include "GuiPalette.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Registry.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

namespace contentgen
{
namespace
{
constexpr double pi = std::numbers::pi;

using namespace gui; // the palette

// ---------------------------------------------------------------------------------------------
// gfx/cyfry.png: 11 cells of 30 x 34, the digits 0-9 then ".". The game moves its pen 16 to 18
// pixels a character, so every glyph (outline included) is at most 17 pixels wide and sits in
// the middle of its cell; all share one baseline.

constexpr int digitCellWidth = 30;
constexpr int digitCellHeight = 34;
constexpr double digitMaxWidth = 16.5;
constexpr double digitOutline = 2.4;  // stroke width; half of it lies outside the letter
constexpr double digitCondense = 0.8; // narrower than the face, so the digits can stand taller

struct Ink
{
    double left, top, width, height;
};

// The face at `size`, condensed.
void selectDigits(cairo_t* cr, const FontFace& face, double size)
{
    face.select(cr, size);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, size * digitCondense, size);
    cairo_set_font_matrix(cr, &m);
}

Ink inkOf(cairo_t* cr, const std::string& text)
{
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return {e.x_bearing, e.y_bearing, e.width, e.height};
}

void digits(Context& context)
{
    const FontFace& face = context.font();
    const std::array<std::string, 11> glyphs{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "."};
    Canvas canvas(digitCellWidth * 11, digitCellHeight);
    cairo_t* cr = canvas.cr();

    // The largest size at which every digit fits its advance and the cell's height.
    double size = 40.0;
    double top = 0.0;
    double bottom = 0.0;
    for (; size > 8.0; size -= 0.5) {
        selectDigits(cr, face, size);
        double widest = 0.0;
        top = 0.0;
        bottom = 0.0;
        for (const std::string& g : glyphs) {
            const Ink glyph = inkOf(cr, g);
            widest = std::max(widest, glyph.width + digitOutline);
            top = std::min(top, glyph.top);
            bottom = std::max(bottom, glyph.top + glyph.height);
        }
        if (widest <= digitMaxWidth && bottom - top + digitOutline <= digitCellHeight - 2.0) {
            break;
        }
    }
    const double baseline = std::round((digitCellHeight - (bottom - top)) / 2.0 - top);
    selectDigits(cr, face, size);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Ink glyph = inkOf(cr, glyphs[i]);
        const double cellLeft = static_cast<double>(i) * digitCellWidth;
        const double x = cellLeft + (digitCellWidth - glyph.width) / 2.0 - glyph.left;
        cairo_new_path(cr);
        cairo_move_to(cr, x, baseline);
        cairo_text_path(cr, glyphs[i].c_str());
        cairo_set_line_width(cr, digitOutline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        Pattern fill = paint::linearGradient(0, baseline + top, 0, baseline + bottom,
                                             {{0.0, goldPale}, {0.45, goldLight}, {1.0, gold.scaled(0.9)}});
        cairo_set_source(cr, fill.get());
        cairo_fill(cr);
    }
    context.save(canvas, "gfx/cyfry.png");
}

// ---------------------------------------------------------------------------------------------
// Plates.

enum class Look
{
    Normal,
    Over,
    Pressed,
    Disabled
};

// Fine slate grain: each pixel of the body a little lighter or darker.
void grain(Canvas& canvas, std::uint64_t seed, double amount)
{
    Image image = canvas.toImage();
    paint::mottle(image, seed, 7.0, 2.5, 3, amount);
    canvas = Canvas(image);
}

using ShapePath = std::function<void(cairo_t*)>;

// One plate in the shape `path` traces (within the box x, y, w, h) in the given look, drawn on
// `target`: a soft shadow, the slate body with its grain, a sheen, the gold rim.
void plate(Canvas& target, const ShapePath& path, double y, double h, Look look, std::uint64_t seed)
{
    const int w = target.width();
    const int ht = target.height();
    const bool disabled = look == Look::Disabled;

    // The shadow under the plate.
    Canvas shape(w, ht);
    path(shape.cr());
    paint::setColour(shape.cr(), Colour{0, 0, 0, 1});
    cairo_fill(shape.cr());
    Canvas shadow = paint::shadowOf(shape, 3.0, Colour::bytes(6, 8, 14, 0.55));
    target.paint(shadow, 0, 1.5);

    // The body.
    Canvas body(w, ht);
    cairo_t* cr = body.cr();
    Colour upper = slateTop;
    Colour lower = slateBottom;
    if (look == Look::Over) {
        upper = upper.scaled(1.22);
        lower = lower.scaled(1.25);
    } else if (look == Look::Pressed) {
        std::swap(upper, lower);
        upper = upper.scaled(0.85);
        lower = lower.scaled(0.9);
    } else if (disabled) {
        upper = Colour::bytes(74, 74, 78);
        lower = Colour::bytes(38, 38, 42);
    }
    path(cr);
    Pattern fill = paint::linearGradient(0, y, 0, y + h, {{0.0, upper}, {1.0, lower}});
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
    grain(body, seed, disabled ? 0.12 : 0.22);
    cr = body.cr();

    // A sheen over the upper half; pressed plates have a shadow there instead.
    cairo_save(cr);
    path(cr);
    cairo_clip(cr);
    if (look == Look::Pressed) {
        Pattern dark = paint::linearGradient(0, y, 0, y + h * 0.45,
                                             {{0.0, Colour{0, 0, 0, 0.45}}, {1.0, Colour{0, 0, 0, 0.0}}});
        cairo_set_source(cr, dark.get());
    } else {
        Pattern sheen = paint::linearGradient(
            0, y, 0, y + h * 0.55,
            {{0.0, Colour{1, 1, 1, disabled ? 0.06 : 0.16}}, {1.0, Colour{1, 1, 1, 0.0}}});
        cairo_set_source(cr, sheen.get());
    }
    cairo_paint(cr);
    // Pointed at: warm light gathers inside the rim.
    if (look == Look::Over) {
        path(cr);
        cairo_set_line_width(cr, 10.0);
        paint::setColour(cr, goldLight.withAlpha(0.22));
        cairo_stroke(cr);
    }
    cairo_restore(cr);

    // The rim: bevelled gold (pewter when disabled), with a thin dark line inside it.
    const Colour rimTop = disabled ? pewterLight : (look == Look::Over ? goldPale : goldLight);
    const Colour rimBottom = disabled ? pewterDeep : (look == Look::Over ? gold : goldDeep);
    Pattern rim = paint::linearGradient(0, y, 0, y + h,
                                        {{0.0, rimTop}, {0.5, rimBottom.mix(rimTop, 0.4)}, {1.0, rimBottom}});
    cairo_save(cr);
    path(cr);
    cairo_clip(cr);
    path(cr);
    cairo_set_line_width(cr, 6.2);
    paint::setColour(cr, ink.withAlpha(0.55));
    cairo_stroke(cr);
    cairo_restore(cr);
    path(cr);
    cairo_set_line_width(cr, 2.6);
    cairo_set_source(cr, rim.get());
    cairo_stroke(cr);

    target.paint(body);
}

ShapePath roundedBox(double x, double y, double w, double h, double r)
{
    return [=](cairo_t* cr) {
        cairo_new_path(cr);
        paint::roundedRectangle(cr, x, y, w, h, r);
    };
}

// A plate of w x h pixels, its shape inset so the shadow fits.
Canvas platePicture(int w, int h, Look look, std::uint64_t seed)
{
    Canvas canvas(w, h);
    const double x = 3.0;
    const double y = 2.5;
    const double pw = w - 6.0;
    const double ph = h - 6.5;
    plate(canvas, roundedBox(x, y, pw, ph, std::min(ph * 0.32, 14.0)), y, ph, look, seed);
    return canvas;
}

// Four looks side by side.
Canvas plateStrip(int w, int h, std::uint64_t seed)
{
    Canvas strip(w * 4, h);
    const std::array<Look, 4> looks{Look::Normal, Look::Over, Look::Pressed, Look::Disabled};
    for (int i = 0; i < 4; ++i) {
        strip.paint(platePicture(w, h, looks[i], seed), static_cast<double>(i) * w, 0.0);
    }
    return strip;
}

// ---------------------------------------------------------------------------------------------
// Round icon buttons: a slate disc in a gold ring with a gold sign on it.

constexpr int roundSize = 56;

void roundPath(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_arc(cr, roundSize / 2.0, roundSize / 2.0 - 1.0, roundSize / 2.0 - 4.0, 0, 2 * pi);
}

using Sign = std::function<void(cairo_t*)>; // adds the sign's outline, centred on (0, 0)

void upSign(cairo_t* cr)
{
    cairo_move_to(cr, 0, -10);
    cairo_line_to(cr, 11, 5);
    cairo_line_to(cr, 4.5, 5);
    cairo_line_to(cr, 4.5, 11);
    cairo_line_to(cr, -4.5, 11);
    cairo_line_to(cr, -4.5, 5);
    cairo_line_to(cr, -11, 5);
    cairo_close_path(cr);
}

void downSign(cairo_t* cr)
{
    cairo_save(cr);
    cairo_scale(cr, 1, -1);
    upSign(cr);
    cairo_restore(cr);
}

void closeSign(cairo_t* cr)
{
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_rotate(cr, pi / 4 + i * pi / 2);
        paint::roundedRectangle(cr, -12, -3.2, 24, 6.4, 2.5);
        cairo_restore(cr);
    }
}

// A level bar: the minus; turned a quarter and laid over it, the plus.
void minusSign(cairo_t* cr)
{
    paint::roundedRectangle(cr, -12, -3.4, 24, 6.8, 2.5);
}

void plusSign(cairo_t* cr)
{
    minusSign(cr);
    cairo_save(cr);
    cairo_rotate(cr, pi / 2);
    minusSign(cr);
    cairo_restore(cr);
}

Canvas roundStrip(std::uint64_t seed, const Sign& sign)
{
    Canvas strip(roundSize * 4, roundSize);
    const std::array<Look, 4> looks{Look::Normal, Look::Over, Look::Pressed, Look::Disabled};
    for (int i = 0; i < 4; ++i) {
        Canvas cell(roundSize, roundSize);
        plate(cell, roundPath, 3.0, roundSize - 8.0, looks[i], seed);
        cairo_t* cr = cell.cr();
        cairo_save(cr);
        cairo_translate(cr, roundSize / 2.0, roundSize / 2.0 - 1.0 + (looks[i] == Look::Pressed ? 1.0 : 0.0));
        cairo_new_path(cr);
        sign(cr);
        cairo_set_line_width(cr, 2.4);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        const bool off = looks[i] == Look::Disabled;
        Pattern fill = paint::linearGradient(
            0, -11, 0, 11, {{0.0, off ? pewterLight : goldPale}, {1.0, off ? pewterDeep : gold}});
        cairo_set_source(cr, fill.get());
        cairo_fill(cr);
        cairo_restore(cr);
        strip.paint(cell, static_cast<double>(i) * roundSize, 0.0);
    }
    return strip;
}

// ---------------------------------------------------------------------------------------------
// gfx/gui/mainGame/undo-tab.png: a dark wooden tab that slides out of the left edge of the
// screen; its right end is rounded, its left end runs off the screen. The undo button's plate
// sits on its right part; a gold back-curling arrow on its left part shows as it slides in
// (at rest the tab is centred on the screen's edge, slid in on x 105).

// Slid in, the tab must end left of the deck holder (x 230): 250 pixels centred on x 105.
constexpr int tabWidth = 250;
constexpr int tabHeight = 56;

void tabPath(cairo_t* cr)
{
    const double top = 3.0;
    const double h = tabHeight - 8.0;
    const double right = tabWidth - 4.0;
    const double r = 14.0; // square enough at its end to hold the button resting there
    cairo_new_path(cr);
    cairo_move_to(cr, -10, top);
    cairo_arc(cr, right - r, top + r, r, -pi / 2, 0);
    cairo_arc(cr, right - r, top + h - r, r, 0, pi / 2);
    cairo_line_to(cr, -10, top + h);
    cairo_close_path(cr);
}

void undoTab(Context& context)
{
    Canvas canvas(tabWidth, tabHeight);
    plate(canvas, tabPath, 3.0, tabHeight - 8.0, Look::Normal, 41);
    // Wood rather than slate: warm the body with a multiply of brown, grain running along it.
    Image image = canvas.toImage();
    const ValueNoise noise(77);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Pixel& p = image.at(x, y);
            if (p.a == 0) {
                continue;
            }
            // Leave the gold rim alone: only the dark, blue body is recoloured.
            if (p.b <= p.r) {
                continue;
            }
            const double lum = (p.r * 0.3 + p.g * 0.5 + p.b * 0.2) / 255.0;
            const double n = noise.fbm(x / 40.0, y / 3.0, 4);
            const Colour c = woodDeep.mix(woodLight, std::clamp(lum * 1.9 + (n - 0.5) * 0.5, 0.0, 1.0));
            p.r = unitToByte(c.r);
            p.g = unitToByte(c.g);
            p.b = unitToByte(c.b);
        }
    }
    canvas = Canvas(image);
    // The emblem: an arrow curling back to the left.
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, 80, tabHeight / 2.0 - 1.0);
    cairo_new_path(cr);
    cairo_arc(cr, 2, 2, 10, -pi * 0.95, pi * 0.55);
    cairo_set_line_width(cr, 7.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 2, 2, 10, -pi * 0.95, pi * 0.55);
    cairo_set_line_width(cr, 3.6);
    paint::setColour(cr, goldLight);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -15, -7);
    cairo_line_to(cr, -3, -9);
    cairo_line_to(cr, -10, 3);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    paint::setColour(cr, goldLight);
    cairo_fill(cr);
    cairo_restore(cr);
    context.save(canvas, "gfx/gui/mainGame/undo-tab.png");
}
} // namespace

void addGuiArt(Registry& registry)
{
    registry.add("gui", "gfx/cyfry.png", digits);
    // A wide plate for captions (the game writes them): the four looks, and single plates.
    registry.add("gui", "gfx/gui/common/plate-wide.png",
                 [](Context& c) { c.save(plateStrip(200, 56, 11), "gfx/gui/common/plate-wide.png"); });
    registry.add("gui", "gfx/gui/common/plate.png", [](Context& c) {
        c.save(platePicture(200, 56, Look::Normal, 11), "gfx/gui/common/plate.png");
    });
    registry.add("gui", "gfx/gui/common/plate-off.png", [](Context& c) {
        c.save(platePicture(200, 56, Look::Disabled, 11), "gfx/gui/common/plate-off.png");
    });
    registry.add("gui", "gfx/gui/common/plate-narrow.png", [](Context& c) {
        c.save(platePicture(90, 42, Look::Normal, 29), "gfx/gui/common/plate-narrow.png");
    });
    registry.add("gui", "gfx/gui/common/plate-narrow-off.png", [](Context& c) {
        c.save(platePicture(90, 42, Look::Disabled, 29), "gfx/gui/common/plate-narrow-off.png");
    });
    registry.add("gui", "gfx/gui/common/plate-small.png", [](Context& c) {
        c.save(platePicture(112, 42, Look::Normal, 23), "gfx/gui/common/plate-small.png");
    });
    registry.add("gui", "gfx/gui/common/plate-small-off.png", [](Context& c) {
        c.save(platePicture(112, 42, Look::Disabled, 23), "gfx/gui/common/plate-small-off.png");
    });
    // Small round buttons with a sign: up, down, close.
    registry.add("gui", "gfx/gui/common/round-up.png",
                 [](Context& c) { c.save(roundStrip(31, upSign), "gfx/gui/common/round-up.png"); });
    registry.add("gui", "gfx/gui/common/round-down.png",
                 [](Context& c) { c.save(roundStrip(32, downSign), "gfx/gui/common/round-down.png"); });
    registry.add("gui", "gfx/gui/common/round-close.png",
                 [](Context& c) { c.save(roundStrip(33, closeSign), "gfx/gui/common/round-close.png"); });
    registry.add("gui", "gfx/gui/common/round-minus.png",
                 [](Context& c) { c.save(roundStrip(34, minusSign), "gfx/gui/common/round-minus.png"); });
    registry.add("gui", "gfx/gui/common/round-plus.png",
                 [](Context& c) { c.save(roundStrip(35, plusSign), "gfx/gui/common/round-plus.png"); });
    registry.add("gui", "gfx/gui/mainGame/undo-tab.png", undoTab);
}
} // namespace contentgen
