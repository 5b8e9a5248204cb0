// ShellArt.cpp: the pictures the program shell needs before any screen: the light-burst
// sprite, the hit-test probe, the window icon and the two mouse cursors.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "Paint.hpp"
#include "Registry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
constexpr double pi = std::numbers::pi;

// House colours.
constexpr Colour goldLight = Colour::bytes(255, 236, 160);
constexpr Colour gold = Colour::bytes(232, 184, 72);
constexpr Colour goldDeep = Colour::bytes(150, 96, 26);
constexpr Colour ink = Colour::bytes(26, 19, 14); // outlines: dark brown, never pure black
constexpr Colour lakeBlue = Colour::bytes(22, 42, 96);
constexpr Colour lakeDeep = Colour::bytes(12, 22, 58);
constexpr Colour moss = Colour::bytes(52, 86, 46);

// Where both cursors point: the pixel under the pointer position.
constexpr int hotX = 14;
constexpr int hotY = 6;

// ---------------------------------------------------------------------------------------------
// gfx/white.png: white everywhere; alpha solid to 35% of the radius, then a smooth fall-off
// to nothing at the rim. The game scales it up to four times and adds it to the screen.
void white(Context& context)
{
    constexpr int size = 256;
    constexpr double radius = size / 2.0;
    constexpr double core = 0.35;
    Image image(size, size, Pixel{255, 255, 255, 0});
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - radius, y + 0.5 - radius) / radius;
            double a = 0.0;
            if (d <= core) {
                a = 1.0;
            } else if (d < 1.0) {
                // Smootherstep falls with zero slope at both ends: no ring at the core's edge
                // and no visible rim when scaled up.
                const double t = (d - core) / (1.0 - core);
                a = 1.0 - t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
            }
            image.at(x, y).a = static_cast<std::uint8_t>(std::lround(a * 255.0));
        }
    }
    context.save(image, "gfx/white.png");
}

// gfx/point.png: a tiny opaque probe the game draws under the mouse for pixel-exact hit tests.
void point(Context& context)
{
    context.save(Image(2, 2, Pixel{255, 255, 255, 255}), "gfx/point.png");
}

// ---------------------------------------------------------------------------------------------
// The window icon: two fanned cards, a lake-blue back behind an ivory face bearing the
// Eldmere emblem (a gold crescent over still water and moss-green hills, in a gold ring).

constexpr double cardW = 66.0;
constexpr double cardH = 94.0;
constexpr double cardRadius = 8.0;

void cardPath(cairo_t* cr)
{
    paint::roundedRectangle(cr, -cardW / 2.0, -cardH / 2.0, cardW, cardH, cardRadius);
}

void placeCard(cairo_t* cr, double cx, double cy, double degrees)
{
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, degrees * pi / 180.0);
}

// The emblem in a circle of radius r centred on the origin.
void emblem(cairo_t* cr, double r)
{
    // Night-blue disc, lighter near the horizon.
    Pattern sky = paint::linearGradient(0, -r, 0, r, {{0.0, lakeDeep}, {0.55, lakeBlue}, {1.0, lakeDeep}});
    cairo_arc(cr, 0, 0, r, 0, 2 * pi);
    cairo_set_source(cr, sky.get());
    cairo_fill(cr);

    cairo_save(cr);
    cairo_arc(cr, 0, 0, r, 0, 2 * pi);
    cairo_clip(cr);
    // Crescent: the moon's disc with a second, offset disc cut out of it.
    const double mx = -0.10 * r;
    const double my = -0.36 * r;
    const double mr = 0.44 * r;
    cairo_save(cr);
    cairo_arc(cr, mx, my, mr, 0, 2 * pi);
    cairo_clip(cr);
    cairo_rectangle(cr, -r, -r, 2 * r, 2 * r);
    cairo_new_sub_path(cr);
    cairo_arc(cr, mx + 0.36 * r, my - 0.16 * r, mr * 0.90, 0, 2 * pi);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Pattern moonGold = paint::linearGradient(mx - mr, my - mr, mx + mr, my + mr,
                                             {{0.0, goldLight}, {0.6, gold}, {1.0, goldDeep}});
    cairo_set_source(cr, moonGold.get());
    cairo_fill(cr);
    cairo_restore(cr);

    // Hills on the far shore.
    const double shore = 0.22 * r;
    cairo_move_to(cr, -r, shore);
    cairo_curve_to(cr, -0.7 * r, -0.02 * r, -0.45 * r, 0.02 * r, -0.25 * r, 0.12 * r);
    cairo_curve_to(cr, -0.05 * r, -0.10 * r, 0.35 * r, -0.12 * r, 0.55 * r, 0.08 * r);
    cairo_curve_to(cr, 0.70 * r, 0.02 * r, 0.85 * r, 0.06 * r, r, 0.14 * r);
    cairo_line_to(cr, r, shore);
    cairo_close_path(cr);
    paint::setColour(cr, moss);
    cairo_fill(cr);

    // Still water: two gold ripples under the moon.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 2; ++i) {
        const double y = shore + (0.24 + 0.26 * i) * r;
        const double half = (0.50 - 0.14 * i) * r;
        cairo_move_to(cr, mx - half, y);
        cairo_curve_to(cr, mx - half / 3, y - 0.07 * r, mx + half / 3, y + 0.07 * r, mx + half, y);
        cairo_set_line_width(cr, 0.10 * r);
        paint::setColour(cr, gold.withAlpha(0.95 - 0.25 * i));
        cairo_stroke(cr);
    }
    cairo_restore(cr);

    // Gold ring with a dark edge.
    cairo_arc(cr, 0, 0, r, 0, 2 * pi);
    cairo_set_line_width(cr, 0.16 * r);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 0.09 * r);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
}

void cardBack(cairo_t* cr)
{
    Pattern cloth = paint::linearGradient(-cardW / 2, -cardH / 2, cardW / 2, cardH / 2,
                                          {{0.0, lakeBlue.scaled(1.35)}, {1.0, lakeDeep}});
    cardPath(cr);
    cairo_set_source(cr, cloth.get());
    cairo_fill(cr);

    // Gold frame and a diamond lattice inside it.
    const double inset = 6.0;
    const double iw = cardW - 2 * inset;
    const double ih = cardH - 2 * inset;
    cairo_save(cr);
    paint::roundedRectangle(cr, -iw / 2, -ih / 2, iw, ih, 4.0);
    cairo_clip_preserve(cr);
    cairo_set_line_width(cr, 2.2);
    paint::setColour(cr, gold);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.1);
    paint::setColour(cr, gold.withAlpha(0.45));
    for (double k = -cardH; k <= cardH; k += 10.0) {
        cairo_move_to(cr, -cardW, k - cardW);
        cairo_line_to(cr, cardW, k + cardW);
        cairo_move_to(cr, -cardW, k + cardW);
        cairo_line_to(cr, cardW, k - cardW);
    }
    cairo_stroke(cr);
    cairo_restore(cr);

    // A gold lozenge in the middle.
    cairo_move_to(cr, 0, -13);
    cairo_line_to(cr, 9, 0);
    cairo_line_to(cr, 0, 13);
    cairo_line_to(cr, -9, 0);
    cairo_close_path(cr);
    paint::setColour(cr, ink);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke_preserve(cr);
    paint::setColour(cr, gold);
    cairo_fill(cr);
}

void cardFace(cairo_t* cr)
{
    Pattern vellum =
        paint::linearGradient(-cardW / 2, -cardH / 2, cardW / 2, cardH / 2,
                              {{0.0, Colour::bytes(250, 242, 218)}, {1.0, Colour::bytes(222, 202, 160)}});
    cardPath(cr);
    cairo_set_source(cr, vellum.get());
    cairo_fill(cr);

    const double inset = 5.0;
    paint::roundedRectangle(cr, -cardW / 2 + inset, -cardH / 2 + inset, cardW - 2 * inset, cardH - 2 * inset,
                            4.0);
    cairo_set_line_width(cr, 2.6);
    paint::setColour(cr, gold.scaled(0.92));
    cairo_stroke(cr);

    emblem(cr, 25.0);

    // Small gold pips in two corners, like a suit mark.
    for (int side = -1; side <= 1; side += 2) {
        const double x = side * (cardW / 2 - 12.5);
        const double y = side * (cardH / 2 - 13.0);
        cairo_move_to(cr, x, y - 5);
        cairo_line_to(cr, x + 3.5, y);
        cairo_line_to(cr, x, y + 5);
        cairo_line_to(cr, x - 3.5, y);
        cairo_close_path(cr);
        paint::setColour(cr, goldDeep);
        cairo_fill(cr);
    }
}

void drawCard(cairo_t* cr, double cx, double cy, double degrees, bool face)
{
    cairo_save(cr);
    placeCard(cr, cx, cy, degrees);
    face ? cardFace(cr) : cardBack(cr);
    cardPath(cr);
    cairo_set_line_width(cr, 2.6);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void icon(Context& context)
{
    constexpr int size = 128;
    Canvas cards(size, size);
    drawCard(cards.cr(), 49, 63, -13.0, false);
    drawCard(cards.cr(), 77, 63, 9.0, true);

    Canvas out(size, size);
    const Canvas shadow = paint::shadowOf(cards, 5.0, ink.withAlpha(0.55));
    out.paint(shadow, 2.0, 3.0);
    out.paint(cards);
    context.save(out, "gfx/icon.png");
}

// ---------------------------------------------------------------------------------------------
// Cursors. Both are 32 x 32 with the hot spot at (14, 6); each is drawn, given a soft shadow
// down-right (so the tip stays clean), and checked for where its tip landed.

constexpr int cursorSize = 32;

// The gilded arrow, outline polygon in pixels. The top is blunt by half a pixel so the tip
// pixel itself is nearly opaque and its right neighbour nearly empty.
const std::vector<std::pair<double, double>> arrowShape = {
    {0.0, 0.0}, {0.5, 0.0}, {14.0, 13.5}, {8.8, 13.9}, {12.6, 21.0}, {9.0, 22.8}, {5.4, 15.6}, {0.0, 20.6},
};

void arrowPath(cairo_t* cr)
{
    cairo_new_path(cr);
    for (const auto& [x, y] : arrowShape) {
        cairo_line_to(cr, hotX + x, hotY + y);
    }
    cairo_close_path(cr);
}

Canvas arrowCursor()
{
    Canvas c(cursorSize, cursorSize);
    cairo_t* cr = c.cr();
    arrowPath(cr);
    cairo_clip_preserve(cr);
    Pattern metal = paint::linearGradient(hotX, hotY, hotX + 10, hotY + 17,
                                          {{0.0, goldLight}, {0.45, gold}, {1.0, goldDeep}});
    cairo_set_source(cr, metal.get());
    cairo_fill_preserve(cr);
    // The right-hand facet lies in shade, like a gilded blade catching light on one side.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, hotX + 0.3, hotY);
    cairo_line_to(cr, hotX + 14.0, hotY + 13.5);
    cairo_line_to(cr, hotX + 8.8, hotY + 13.9);
    cairo_line_to(cr, hotX + 12.6, hotY + 21.0);
    cairo_line_to(cr, hotX + 10.8, hotY + 21.9);
    cairo_line_to(cr, hotX + 6.0, hotY + 12.8);
    cairo_close_path(cr);
    paint::setColour(cr, goldDeep.withAlpha(0.45));
    cairo_fill(cr);
    cairo_restore(cr);
    arrowPath(cr);
    // A bright bevel just inside the outline, then the outline; both live inside the shape
    // because of the clip, so the outer edge stays exactly on the polygon.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, 4.6);
    paint::setColour(cr, goldLight.withAlpha(0.55));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    return c;
}

// The pointing hand: a pale glove with a gold cuff, index finger up, fingertip centred on
// the hot spot. Each piece is a rounded rectangle (centre, size, corner, turn); filling the
// pieces in ink and then the same pieces shrunk by the outline width leaves an outline
// around their union only, so the index finger grows out of the palm without a seam.
struct HandPiece
{
    double cx, cy, w, h, r, degrees;
};

const std::vector<HandPiece> handPieces = {
    {14.5, 13.5, 5.0, 15.0, 2.5, 0.0}, // index finger
    {19.3, 18.0, 9.6, 7.0, 3.0, 0.0},  // palm under the curled fingers
    {19.6, 24.5, 14.0, 9.0, 2.6, 0.0}, // back of the hand down to the wrist
};
// The curled fingers sit on the palm as separate knuckles, each outlined on its own.
const std::vector<HandPiece> knuckles = {
    {18.8, 18.6, 4.9, 6.6, 2.4, 0.0}, // middle
    {22.7, 19.2, 4.6, 6.2, 2.3, 0.0}, // ring
    {26.1, 20.2, 4.0, 5.6, 2.0, 0.0}, // little
};
const HandPiece thumb = {11.6, 21.6, 5.2, 12.0, 2.5, -52.0};
constexpr double handOutline = 1.25;

void piecePath(cairo_t* cr, const HandPiece& p, double shrink)
{
    cairo_save(cr);
    cairo_translate(cr, p.cx, p.cy);
    cairo_rotate(cr, p.degrees * pi / 180.0);
    paint::roundedRectangle(cr, -p.w / 2 + shrink, -p.h / 2 + shrink, p.w - 2 * shrink, p.h - 2 * shrink,
                            std::max(0.5, p.r - shrink));
    cairo_restore(cr);
}

// Fills `pieces` as one outlined shape: ink for the union, then the glove inside.
void outlinedUnion(cairo_t* cr, const std::vector<HandPiece>& pieces, cairo_pattern_t* fill)
{
    cairo_new_path(cr);
    for (const HandPiece& p : pieces) {
        piecePath(cr, p, 0.0);
    }
    paint::setColour(cr, ink);
    cairo_fill(cr);
    for (const HandPiece& p : pieces) {
        piecePath(cr, p, handOutline);
    }
    cairo_set_source(cr, fill);
    cairo_fill(cr);
}

Canvas handCursor()
{
    Canvas c(cursorSize, cursorSize);
    cairo_t* cr = c.cr();
    Pattern glove = paint::linearGradient(11, 6, 27, 28,
                                          {{0.0, Colour::bytes(255, 250, 236)},
                                           {0.55, Colour::bytes(240, 228, 202)},
                                           {1.0, Colour::bytes(198, 178, 144)}});
    // Thumb first, tucked under the hand; then the hand; then the knuckles over the palm.
    outlinedUnion(cr, {thumb}, glove.get());
    outlinedUnion(cr, handPieces, glove.get());
    for (auto it = knuckles.rbegin(); it != knuckles.rend(); ++it) {
        outlinedUnion(cr, {*it}, glove.get());
    }

    // Gold cuff.
    paint::roundedRectangle(cr, 12.0, 27.0, 15.4, 4.6, 1.6);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    paint::roundedRectangle(cr, 12.0 + handOutline, 27.0 + handOutline, 15.4 - 2 * handOutline,
                            4.6 - 2 * handOutline, 0.8);
    Pattern band = paint::linearGradient(0, 27.5, 0, 31, {{0.0, goldLight}, {1.0, goldDeep}});
    cairo_set_source(cr, band.get());
    cairo_fill(cr);
    return c;
}

Canvas withShadow(const Canvas& shape)
{
    Canvas out(cursorSize, cursorSize);
    const Canvas shadow = paint::shadowOf(shape, 2.2, ink.withAlpha(0.5));
    out.paint(shadow, 1.0, 1.5);
    out.paint(shape);
    return out;
}

// The pointer must land where the game puts the hot spot: the hot pixel nearly opaque,
// nothing above its row, and for the arrow nothing left of its column either.
void checkTip(Context& context, const Canvas& shape, const std::string& name, bool leftmost)
{
    const Image image = shape.toImage();
    constexpr int faint = 24;
    bool stray = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool outside = y < hotY || (leftmost && x < hotX);
            stray = stray || (outside && image.at(x, y).a > faint);
        }
    }
    if (image.at(hotX, hotY).a < 200 || stray) {
        context.fail(name + ": the tip is not on the hot spot (" + std::to_string(hotX) + ", "
                     + std::to_string(hotY) + ")");
    }
}

void cursorNormal(Context& context)
{
    const Canvas arrow = arrowCursor();
    checkTip(context, arrow, "gfx/kursor.png", true);
    context.save(withShadow(arrow), "gfx/kursor.png");
}

void cursorOver(Context& context)
{
    const Canvas hand = handCursor();
    checkTip(context, hand, "gfx/kursor2.png", false);
    context.save(withShadow(hand), "gfx/kursor2.png");
}
} // namespace

void addShellArt(Registry& registry)
{
    registry.add("shell", "gfx/white.png", white);
    registry.add("shell", "gfx/point.png", point);
    registry.add("shell", "gfx/icon.png", icon);
    registry.add("shell", "gfx/kursor.png", cursorNormal);
    registry.add("shell", "gfx/kursor2.png", cursorOver);
}
} // namespace contentgen
