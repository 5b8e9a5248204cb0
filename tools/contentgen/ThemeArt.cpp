// ThemeArt.cpp: the "theme" group: the pieces that dress the framed widgets
// (gfx/gui/window/): the window frame, the menu bar and the drop-down menu box of the theme
// that content/gfx/gui/window/temat1.txt names.
//
// The game stretches the edge and centre pieces to any size: an edge piece is one pixel long
// and stretched along the frame, the centre one pixel stretched over the whole inside. So each
// frame is painted once as a small whole, corner + one pixel + corner each way, from a profile
// across its rim that never changes along it, and the pieces are cut from that whole: the
// column of an edge is the column next to it in the corner, and the inside is one flat colour
// everywhere the edges end. The frame then joins without a seam at any size. Corner ornaments
// stay clear of the corner's last row and column.
//
// The window: a mitred frame of carved dark wood between gold rims, a gold moon medallion on
// each corner, round a pane of night-blue glass. The bar: a rail of the same wood with gold rims
// and rounded ends, bare, since the game writes the first title 10 pixels from its left end.
// The menu box: dark wood in a thin gold rim.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "GuiPalette.hpp"
#include "HudArt.hpp"
#include "Image.hpp"
#include "Maths.hpp"
#include "Registry.hpp"

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
using namespace gui; // the palette

// ---------------------------------------------------------------------------------------------
// Painting from a colour function.

using ColourAt = std::function<Colour(double x, double y)>;

// A picture whose every pixel is the mean of 4 x 4 samples of `at` over its square, averaged
// premultiplied so that transparent samples bring no colour in.
Image sampled(int w, int h, const ColourAt& at)
{
    constexpr int n = 4;
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double r = 0.0;
            double g = 0.0;
            double b = 0.0;
            double a = 0.0;
            for (int j = 0; j < n; ++j) {
                for (int i = 0; i < n; ++i) {
                    const Colour c = at(x + (i + 0.5) / n, y + (j + 0.5) / n);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            if (a > 0.0) {
                image.at(x, y) =
                    Pixel{unitToByte(r / a), unitToByte(g / a), unitToByte(b / a), unitToByte(a / (n * n))};
            }
        }
    }
    return image;
}

Image crop(const Image& image, int left, int top, int w, int h)
{
    Image part(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            part.at(x, y) = image.at(left + x, top + y);
        }
    }
    return part;
}

// ---------------------------------------------------------------------------------------------
// Where a point lies in a framed box.

enum Side
{
    Top,
    Left,
    Right,
    Bottom
};

// Light falls from above and a little from the left: how lit each side's rim is.
constexpr std::array<double, 4> sideLight{1.12, 1.0, 0.84, 0.74};

struct Place
{
    std::array<double, 4> from{}; // distance from each side, by Side
    Side nearest = Top;
    double depth = 0.0; // in from the outer edge, round the rounded corners; below 0 outside
};

// A point of a w x h box whose outer corners are rounded with `radius`. Within a rim the nearest
// side decides which board a point is on, so corners come out mitred.
Place placeIn(double x, double y, double w, double h, double radius)
{
    Place p;
    p.from = {y, x, w - x, h - y};
    p.nearest = static_cast<Side>(std::min_element(p.from.begin(), p.from.end()) - p.from.begin());
    const double across = std::min(x, w - x);
    const double down = std::min(y, h - y);
    if (across < radius && down < radius) {
        p.depth = radius - std::hypot(radius - across, radius - down);
    } else {
        p.depth = std::min(across, down);
    }
    return p;
}

constexpr Colour clear{0.0, 0.0, 0.0, 0.0};

// Polished gold across a rim of `width` from `t` = 0 (its outer edge) to 1: pale where it rounds
// towards the light, deep where it turns away.
Colour giltAcross(double t, double light)
{
    const Colour c =
        t < 0.45 ? goldPale.mix(goldLight, t / 0.45) : goldLight.mix(goldDeep, (t - 0.45) / 0.55);
    return c.scaled(light);
}

// Fine streaks of the wood's grain across a board, as a function of the distance across it.
double grainAcross(double d)
{
    return 0.5 + 0.3 * std::sin(d * 2.9 + 0.4) + 0.2 * std::sin(d * 7.7 + 1.3);
}

// ---------------------------------------------------------------------------------------------
// The window frame. Rims run 18 pixels in from the outer edge; the glass inside them is shaded
// under the rims and reaches its own flat colour at the corner pieces' inner edge.

constexpr int frameCorner = 24;
constexpr int frameWhole = 2 * frameCorner + 1;
constexpr double frameRound = 4.0;
constexpr double frameGlassFrom = 18.0;
constexpr Colour glass = Colour::bytes(20, 30, 62);
constexpr Colour glassShade = Colour::bytes(6, 8, 20);
constexpr std::array<double, 4> glassShadeBySide{0.75, 0.55, 0.45, 0.3};

Colour frameRim(double d, Side side)
{
    const double light = sideLight[side];
    if (d < 1.0) {
        return ink;
    }
    if (d < 4.0) {
        return giltAcross((d - 1.0) / 3.0, light);
    }
    if (d < 5.0) {
        return ink.mix(woodDeep, 0.35);
    }
    if (d < 15.0) {
        // A rounded moulding: highest and lightest along its middle, with a gold line in a
        // carved groove there.
        if (d >= 9.0 && d < 10.0) {
            return gold.scaled(light * 0.95);
        }
        const double u = (d - 5.0) / 10.0;
        const double bead = 0.6 + 0.55 * std::pow(std::sin(u * std::numbers::pi), 0.7);
        const double groove = (d >= 8.0 && d < 11.0) ? 0.55 : 1.0;
        const Colour wood = woodDeep.mix(woodLight, std::clamp(0.3 + 0.6 * grainAcross(d), 0.0, 1.0));
        return wood.scaled(bead * groove * light);
    }
    if (d < 17.0) {
        return giltAcross(0.3 + 0.7 * (d - 15.0) / 2.0, light * 0.92);
    }
    return ink;
}

Colour frameAt(double x, double y)
{
    const Place p = placeIn(x, y, frameWhole, frameWhole, frameRound);
    if (p.depth < 0.0) {
        return clear;
    }
    if (p.depth < frameGlassFrom) {
        return frameRim(p.depth, p.nearest);
    }
    // The glass, in the shadow of each rim near it.
    double shade = 0.0;
    for (int side = Top; side <= Bottom; ++side) {
        const double under = smoothstep(frameCorner - 1.0, frameGlassFrom, p.from[side]);
        shade = std::max(shade, glassShadeBySide[side] * under);
    }
    return glass.mix(glassShade, shade);
}

// The whole frame with its corner medallions: moons waxing on the left, waning on the right.
Image frameWholePicture()
{
    Canvas canvas(sampled(frameWhole, frameWhole, frameAt));
    cairo_t* cr = canvas.cr();
    constexpr double c = 9.5;
    constexpr double r = 7.8;
    constexpr double far = frameWhole - c;
    moonMedallion(cr, c, c, r, 0.55);
    moonMedallion(cr, far, c, r, -0.55);
    moonMedallion(cr, c, far, r, 1.1);
    moonMedallion(cr, far, far, r, -1.1);
    return canvas.toImage();
}

// ---------------------------------------------------------------------------------------------
// The menu bar: 28 pixels high, ends 14 wide rounded with a radius of 10. The rims follow the
// outline; the wood inside them changes only from top to bottom, so the one-pixel middle matches
// the ends' inner columns.

constexpr int barHeight = 28;
constexpr int barEnd = 14;
constexpr int barWhole = 2 * barEnd + 1;
constexpr double barRound = 10.0;

Colour barAt(double x, double y)
{
    const Place p = placeIn(x, y, barWhole, barHeight, barRound);
    const double d = p.depth;
    const double fromTop = y / barHeight;
    if (d < 0.0) {
        return clear;
    }
    if (d < 1.0) {
        return ink;
    }
    if (d < 3.0) {
        return goldLight.mix(goldDeep, fromTop).scaled(1.0 + 0.12 * (3.0 - d) / 2.0);
    }
    if (d < 4.0) {
        return ink.mix(woodDeep, 0.35);
    }
    // Boards lying along the bar, lit from above.
    const Colour wood = woodDeep.mix(woodLight, std::clamp(0.25 + 0.5 * grainAcross(y * 0.8), 0.0, 1.0));
    return wood.scaled(1.3 - 0.55 * fromTop);
}

Image barWholePicture()
{
    return sampled(barWhole, barHeight, barAt);
}

// ---------------------------------------------------------------------------------------------
// The drop-down menu box: 8-pixel corners rounded with a radius of 5, a thin gold rim, dark wood
// inside it shaded under the rim.

constexpr int boxCorner = 8;
constexpr int boxWhole = 2 * boxCorner + 1;
constexpr double boxRound = 5.0;
constexpr Colour boxFill = Colour::bytes(58, 36, 22);

Colour boxAt(double x, double y)
{
    const Place p = placeIn(x, y, boxWhole, boxWhole, boxRound);
    const double d = p.depth;
    if (d < 0.0) {
        return clear;
    }
    if (d < 1.0) {
        return ink;
    }
    if (d < 3.0) {
        return giltAcross((d - 1.0) / 2.0, sideLight[p.nearest]);
    }
    if (d < 4.0) {
        return ink;
    }
    double shade = 0.0;
    for (int side = Top; side <= Bottom; ++side) {
        const double under = smoothstep(boxCorner - 1.0, 4.0, p.from[side]);
        shade = std::max(shade, (side == Top ? 0.6 : 0.35) * under);
    }
    return boxFill.mix(Colour::bytes(14, 8, 4), shade);
}

// ---------------------------------------------------------------------------------------------
// Cutting the pieces.

enum class Cut
{
    TopLeft,
    Top,
    TopRight,
    Right,
    BottomRight,
    Bottom,
    BottomLeft,
    Left,
    Centre
};

// The piece `cut` of a whole (corner + 1 + corner each way).
Image pieceOf(const Image& whole, int corner, Cut cut)
{
    const int far = corner + 1;
    switch (cut) {
    case Cut::TopLeft: return crop(whole, 0, 0, corner, corner);
    case Cut::Top: return crop(whole, corner, 0, 1, corner);
    case Cut::TopRight: return crop(whole, far, 0, corner, corner);
    case Cut::Right: return crop(whole, far, corner, corner, 1);
    case Cut::BottomRight: return crop(whole, far, far, corner, corner);
    case Cut::Bottom: return crop(whole, corner, far, 1, corner);
    case Cut::BottomLeft: return crop(whole, 0, far, corner, corner);
    case Cut::Left: return crop(whole, 0, corner, corner, 1);
    case Cut::Centre: break;
    }
    return crop(whole, corner, corner, 1, 1);
}

struct Piece
{
    const char* name;
    Cut cut;
};

constexpr std::array<Piece, 9> ninePieces{{{"top-left", Cut::TopLeft},
                                           {"top", Cut::Top},
                                           {"top-right", Cut::TopRight},
                                           {"right", Cut::Right},
                                           {"bottom-right", Cut::BottomRight},
                                           {"bottom", Cut::Bottom},
                                           {"bottom-left", Cut::BottomLeft},
                                           {"left", Cut::Left},
                                           {"centre", Cut::Centre}}};

const std::string folder = "gfx/gui/window/";
} // namespace

void addThemeArt(Registry& registry)
{
    for (const Piece& piece : ninePieces) {
        const std::string frame = folder + "frame-" + piece.name + ".png";
        registry.add("theme", frame, [frame, cut = piece.cut](Context& c) {
            c.save(pieceOf(frameWholePicture(), frameCorner, cut), frame);
        });
        const std::string menu = folder + "menu-" + piece.name + ".png";
        registry.add("theme", menu, [menu, cut = piece.cut](Context& c) {
            c.save(pieceOf(sampled(boxWhole, boxWhole, boxAt), boxCorner, cut), menu);
        });
    }
    registry.add("theme", folder + "bar-left.png", [](Context& c) {
        c.save(crop(barWholePicture(), 0, 0, barEnd, barHeight), folder + "bar-left.png");
    });
    registry.add("theme", folder + "bar-middle.png", [](Context& c) {
        c.save(crop(barWholePicture(), barEnd, 0, 1, barHeight), folder + "bar-middle.png");
    });
    registry.add("theme", folder + "bar-right.png", [](Context& c) {
        c.save(crop(barWholePicture(), barEnd + 1, 0, barEnd, barHeight), folder + "bar-right.png");
    });
}
} // namespace contentgen
