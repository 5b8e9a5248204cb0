// CardFaces.cpp: the card faces: four suit sheets on ivory stock, the same 52 cards gilded for
// the magic sheets, and the steel sword sheet of wild cards.
//
// Layout of a face (96 x 140): the rank and suit symbol sit in the top-left corner (x < 27,
// y < 48) and again, turned half round, in the bottom-right one, so a card covered all but its
// corner still reads. Pips, the ace's symbol and the court panels keep to the middle band
// between the two corner columns.

#include "CardFaces.hpp"
#include "CardArt.hpp"

#include "Context.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "ValueNoise.hpp"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace contentgen::cards
{
namespace
{
constexpr double pi = std::numbers::pi;

// The corner index: rank centred on this column, its baseline, the suit symbol under it.
constexpr double indexX = 14.5;
constexpr double indexBaseline = 27.5;
constexpr double indexSize = 28.0;
constexpr double indexMaxWidth = 21.0;
constexpr double indexSymbolY = 39.5;
constexpr double indexSymbolSize = 15.0;

// The pips: two columns either side of the centre line and a middle one, rows from top to bottom.
constexpr double pipSize = 16.0;
constexpr double pipColumn = 13.5;
constexpr double pipTop = 26.0;
constexpr double pipBottom = 114.0;

enum class Stock
{
    Ivory, // the ordinary cards
    Gold   // the magic cards: gold leaf
};

// ---------------------------------------------------------------------------------------------
// Card stock.

// Paper grain: faint cloudy variation plus a fine tooth. `strength` is in channel steps.
void grain(Image& image, std::uint64_t seed, double strength)
{
    const ValueNoise noise(seed);
    Random random(seed ^ 0x9a1e);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double cloud = (noise.fbm(x / 14.0, y / 14.0, 3) - 0.5) * 2.0;
            const double tooth = random.uniform() - 0.5;
            const double k = strength * (cloud + 0.6 * tooth);
            Pixel& p = image.at(x, y);
            p.r = toByte(p.r + k);
            p.g = toByte(p.g + k);
            p.b = toByte(p.b + k * 0.8);
        }
    }
}

// Gold leaf is laid in small squares, each catching the light a little differently.
void goldLeaf(Image& image)
{
    const ValueNoise noise(0x601d1eaf);
    Random random(0x1eaf);
    constexpr int leaf = 19;
    std::vector<double> tone(64);
    for (double& t : tone) {
        t = random.range(-4.0, 4.0);
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int cell = ((y + 5) / leaf) * 7 + (x + 3 + ((y + 5) / leaf) * 7) / leaf;
            const double streak = (noise.fbm(x / 40.0, y / 3.0, 3) - 0.5) * 14.0;
            const double k = tone[static_cast<std::size_t>(cell) % tone.size()] + streak;
            Pixel& p = image.at(x, y);
            p.r = toByte(p.r + k);
            p.g = toByte(p.g + k * 0.9);
            p.b = toByte(p.b + k * 0.5);
        }
    }
}

Image stockImage(Stock stock)
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    if (stock == Stock::Ivory) {
        Pattern paper = paint::linearGradient(0, 0, width, height, {{0.0, ivory}, {1.0, parchment}});
        cairo_set_source(cr, paper.get());
        cairo_paint(cr);
        Image image = canvas.toImage();
        grain(image, 0x1707, 3.0);
        return image;
    }
    Pattern leaf = paint::linearGradient(0, 0, width * 0.6, height,
                                         {{0.0, Colour::bytes(255, 240, 184)},
                                          {0.45, Colour::bytes(246, 218, 140)},
                                          {1.0, Colour::bytes(226, 184, 96)}});
    cairo_set_source(cr, leaf.get());
    cairo_paint(cr);
    // The gilded card glows softly from within.
    paint::softGlow(cr, width / 2.0, height / 2.0, 62.0, Colour::bytes(255, 252, 226, 0.75));
    Image image = canvas.toImage();
    goldLeaf(image);
    return image;
}

// A small diamond with a dark edge, the magic frame's corner jewel.
void jewel(cairo_t* cr, double x, double y, double r, const Colour& fill)
{
    cairo_move_to(cr, x, y - r);
    cairo_line_to(cr, x + r, y);
    cairo_line_to(cr, x, y + r);
    cairo_line_to(cr, x - r, y);
    cairo_close_path(cr);
    paint::setColour(cr, fill);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
}

// The blank card: stock and inner frame (the edge is stroked last, over everything).
Canvas blankFace(Stock stock)
{
    static const Image ivoryStock = stockImage(Stock::Ivory);
    static const Image goldStock = stockImage(Stock::Gold);
    Canvas canvas(stock == Stock::Ivory ? ivoryStock : goldStock);
    cairo_t* cr = canvas.cr();
    if (stock == Stock::Ivory) {
        outline(cr, 4.0);
        cairo_set_line_width(cr, 1.1);
        paint::setColour(cr, gold.scaled(0.9));
        cairo_stroke(cr);
        return canvas;
    }
    // A richer double frame: a deep gold band with a bright line inside it, jewels at the corners.
    outline(cr, 3.6);
    cairo_set_line_width(cr, 2.2);
    paint::setColour(cr, goldDeep.withAlpha(0.9));
    cairo_stroke(cr);
    outline(cr, 6.2);
    cairo_set_line_width(cr, 0.9);
    paint::setColour(cr, Colour::bytes(255, 250, 220, 0.95));
    cairo_stroke(cr);
    for (const auto& [x, y] : std::array<std::pair<double, double>, 4>{
             {{5.0, 5.0}, {width - 5.0, 5.0}, {5.0, height - 5.0}, {width - 5.0, height - 5.0}}}) {
        jewel(cr, x, y, 3.2, Colour::bytes(255, 248, 214));
    }
    return canvas;
}

// Finishes a card: the dark edge every card shares, then the cut to the common outline.
Image finish(const Canvas& canvas, const Colour& edgeColour = ink)
{
    edge(canvas.cr(), edgeColour, 1.3);
    return cutToOutline(canvas);
}

// Draws `corner` in the top-left corner and again turned half round in the bottom-right one.
void bothCorners(cairo_t* cr, const std::function<void()>& corner)
{
    corner();
    cairo_save(cr);
    cairo_translate(cr, width, height);
    cairo_rotate(cr, pi);
    corner();
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------------------------
// Pip cards.

struct Pip
{
    int column; // -1 left, 0 middle, 1 right
    double row; // 0 top to 1 bottom
};

std::vector<Pip> pipLayout(int rank)
{
    auto pairs = [](std::initializer_list<double> rows) {
        std::vector<Pip> pips;
        for (double r : rows) {
            pips.push_back({-1, r});
            pips.push_back({1, r});
        }
        return pips;
    };
    auto with = [](std::vector<Pip> pips, std::initializer_list<double> middle) {
        for (double r : middle) {
            pips.push_back({0, r});
        }
        return pips;
    };
    constexpr double third = 1.0 / 3.0;
    switch (rank) {
    case 2: return with({}, {0.0, 1.0});
    case 3: return with({}, {0.0, 0.5, 1.0});
    case 4: return pairs({0.0, 1.0});
    case 5: return with(pairs({0.0, 1.0}), {0.5});
    case 6: return pairs({0.0, 0.5, 1.0});
    case 7: return with(pairs({0.0, 0.5, 1.0}), {0.25});
    case 8: return with(pairs({0.0, 0.5, 1.0}), {0.25, 0.75});
    case 9: return with(pairs({0.0, third, 2 * third, 1.0}), {0.5});
    case 10: return with(pairs({0.0, third, 2 * third, 1.0}), {third / 2, 1.0 - third / 2});
    default: return {};
    }
}

void pips(cairo_t* cr, Suit suit, int rank, Finish finish)
{
    for (const Pip& p : pipLayout(rank)) {
        const double x = width / 2.0 + p.column * pipColumn;
        const double y = pipTop + (pipBottom - pipTop) * p.row;
        drawSuit(cr, suit, x, y, pipSize, finish);
    }
}

// The ace: one large symbol inside a gold ring of beads and rays.
void ace(cairo_t* cr, Suit suit, Stock stock)
{
    const SuitColours c = coloursOf(suit);
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    paint::softGlow(cr, cx, cy, 36.0, c.light.withAlpha(stock == Stock::Gold ? 0.55 : 0.45));
    // Rays between the ring and the symbol.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 24; ++i) {
        const double a = i * 2.0 * pi / 24.0;
        const double r0 = 24.5;
        const double r1 = (i % 2 == 0) ? 29.0 : 27.5;
        cairo_move_to(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a));
        cairo_line_to(cr, cx + r1 * std::cos(a), cy + r1 * std::sin(a));
    }
    cairo_set_line_width(cr, 1.1);
    paint::setColour(cr, goldDeep.withAlpha(0.8));
    cairo_stroke(cr);
    cairo_restore(cr);
    // The double ring.
    cairo_arc(cr, cx, cy, 31.0, 0, 2 * pi);
    cairo_set_line_width(cr, 2.2);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 31.0, 0, 2 * pi);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, goldLight);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 23.5, 0, 2 * pi);
    cairo_set_line_width(cr, 0.9);
    paint::setColour(cr, gold.withAlpha(0.9));
    cairo_stroke(cr);
    // Beads on the ring, a bigger one at each quarter.
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2.0 * pi / 16.0 - pi / 2.0;
        const double r = (i % 4 == 0) ? 2.6 : 1.5;
        cairo_arc(cr, cx + 31.0 * std::cos(a), cy + 31.0 * std::sin(a), r, 0, 2 * pi);
        paint::setColour(cr, i % 4 == 0 ? c.main : goldLight);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.7);
        paint::setColour(cr, goldDeep);
        cairo_stroke(cr);
    }
    drawSuit(cr, suit, cx, cy, 38.0, stock == Stock::Gold ? Finish::Gilded : Finish::Plain);
}

// ---------------------------------------------------------------------------------------------
// Court cards: the whole card inside the frame is a panel in the suit's colour, so courts stand
// apart from the ivory pip cards at once; the corners keep ivory cartouches for the index. In
// the middle a large gold emblem tells the three apart: the jack's shield, the queen's circlet
// (a ring with one great gem), the king's tall crown.

enum class Court
{
    Jack,
    Queen,
    King
};

// The panel fills the card inside the frame; on magic cards it leaves the gilded frame showing.
constexpr double panelInset = 6.5;
constexpr double gildedPanelInset = 8.5;
// The cartouche behind the corner index: the corner of the card up to here.
constexpr double cartoucheRight = 28.0;
constexpr double cartoucheBottom = 50.5;

void strokeInk(cairo_t* cr, double w)
{
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, w);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
}

// Gold for an emblem: a vertical sheen from bright to deep.
Pattern goldSheen(double y0, double y1)
{
    return paint::linearGradient(0, y0, 0, y1, {{0.0, goldLight}, {0.5, gold}, {1.0, goldDeep}});
}

// The jack's heater shield: a gold rim, a border of the suit's colour, the suit symbol on ivory.
// Drawn about the origin, about 40 x 48.
void shield(cairo_t* cr, Suit suit, Finish finish)
{
    const SuitColours c = coloursOf(suit);
    auto path = [&](double s) {
        cairo_new_path(cr);
        cairo_move_to(cr, -20 * s, -22 * s);
        cairo_curve_to(cr, -7 * s, -19 * s, 7 * s, -19 * s, 20 * s, -22 * s);
        cairo_curve_to(cr, 20 * s, 3 * s, 14 * s, 16 * s, 0, 26 * s);
        cairo_curve_to(cr, -14 * s, 16 * s, -20 * s, 3 * s, -20 * s, -22 * s);
        cairo_close_path(cr);
    };
    Pattern sheen = goldSheen(-22, 26);
    path(1.0);
    cairo_set_source(cr, sheen.get());
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.4);
    path(0.84);
    paint::setColour(cr, c.main.mix(c.dark, 0.2));
    cairo_fill_preserve(cr);
    strokeInk(cr, 0.9);
    path(0.68);
    paint::setColour(cr, ivory);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
    // Gold studs on the border.
    for (const auto& [x, y] : std::array<std::pair<double, double>, 5>{
             {{-14.5, -15.5}, {14.5, -15.5}, {-14.0, 2.0}, {14.0, 2.0}, {0.0, 19.5}}}) {
        cairo_arc(cr, x, y, 1.6, 0, 2 * pi);
        cairo_set_source(cr, sheen.get());
        cairo_fill_preserve(cr);
        strokeInk(cr, 0.6);
    }
    drawSuit(cr, suit, 0.0, -0.5, 20.0, finish);
}

// The queen's circlet: a gold ring seen from a little above, pearls along its far side and a
// great gem of the suit's colour set in its front. About 50 x 40.
void circlet(cairo_t* cr, Suit suit)
{
    const SuitColours c = coloursOf(suit);
    Pattern sheen = goldSheen(-14, 14);
    auto ellipse = [&](double rx, double ry, double dy) {
        cairo_save(cr);
        cairo_translate(cr, 0, dy);
        cairo_scale(cr, rx, ry);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1.0, 0, 2 * pi);
        cairo_restore(cr);
    };
    // Pearls stand on the far side of the ring, behind the band.
    for (int i = 0; i < 11; ++i) {
        const double a = pi + (i + 0.5) * pi / 11.0;
        const double x = 21.0 * std::cos(a);
        const double y = 9.0 * std::sin(a) - 4.5;
        cairo_move_to(cr, x, y + 3.5);
        cairo_line_to(cr, x, y);
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, goldDeep);
        cairo_stroke(cr);
        cairo_arc(cr, x, y - 0.8, 2.1, 0, 2 * pi);
        paint::setColour(cr, Colour::bytes(252, 248, 238));
        cairo_fill_preserve(cr);
        strokeInk(cr, 0.6);
    }
    // The band: a ring between two ellipses, with a thin inner edge showing its depth.
    cairo_new_path(cr);
    ellipse(24.0, 12.0, 0.0);
    ellipse(18.5, 7.5, -1.0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source(cr, sheen.get());
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.3);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    ellipse(21.2, 9.8, -0.5);
    cairo_set_line_width(cr, 0.8);
    paint::setColour(cr, goldLight.withAlpha(0.9));
    cairo_stroke(cr);
    // The gem in a gold setting at the front of the ring.
    cairo_save(cr);
    cairo_translate(cr, 0, 12.0);
    cairo_new_path(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * pi / 4 + pi / 8;
        cairo_line_to(cr, 10.5 * std::cos(a), 10.5 * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_set_source(cr, sheen.get());
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.1);
    cairo_new_path(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * pi / 4 + pi / 8;
        cairo_line_to(cr, 7.6 * std::cos(a), 7.6 * std::sin(a));
    }
    cairo_close_path(cr);
    Pattern gem = paint::radialGradient(-2.5, -2.5, 0, 10, {{0.0, c.light}, {0.45, c.main}, {1.0, c.dark}});
    cairo_set_source(cr, gem.get());
    cairo_fill_preserve(cr);
    strokeInk(cr, 0.8);
    // Facets and a glint.
    cairo_move_to(cr, -3.6, -3.6);
    cairo_line_to(cr, 3.6, -3.6);
    cairo_line_to(cr, 3.6, 3.6);
    cairo_line_to(cr, -3.6, 3.6);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 0.6);
    paint::setColour(cr, c.light.withAlpha(0.7));
    cairo_stroke(cr);
    cairo_arc(cr, -2.6, -2.8, 1.4, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(255, 255, 255, 0.9));
    cairo_fill(cr);
    cairo_restore(cr);
    // Two pearls hanging either side of the gem.
    for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, side * 15.0, 12.5, 2.0, 0, 2 * pi);
        paint::setColour(cr, Colour::bytes(252, 248, 238));
        cairo_fill_preserve(cr);
        strokeInk(cr, 0.6);
    }
}

// The king's crown: five tall points with pearls, a cross on the middle one, a band set with the
// suit's jewel. About 50 x 48.
void crown(cairo_t* cr, Suit suit)
{
    const SuitColours c = coloursOf(suit);
    const double base = 17.0;
    const double bandTop = 6.0;
    const double half = 24.0;
    const std::array<std::pair<double, double>, 5> tips = {
        {{-half, -14.0}, {-12.0, -9.0}, {0.0, -20.0}, {12.0, -9.0}, {half, -14.0}}};
    Pattern sheen = goldSheen(-22, base);
    cairo_new_path(cr);
    cairo_move_to(cr, -half + 3, base);
    cairo_line_to(cr, -half, bandTop);
    cairo_line_to(cr, tips[0].first, tips[0].second);
    cairo_curve_to(cr, -20.0, -4.0, -16.0, -2.0, tips[1].first, tips[1].second);
    cairo_curve_to(cr, -9.0, -2.0, -5.0, -3.0, tips[2].first, tips[2].second);
    cairo_curve_to(cr, 5.0, -3.0, 9.0, -2.0, tips[3].first, tips[3].second);
    cairo_curve_to(cr, 16.0, -2.0, 20.0, -4.0, tips[4].first, tips[4].second);
    cairo_line_to(cr, half, bandTop);
    cairo_line_to(cr, half - 3, base);
    cairo_close_path(cr);
    cairo_set_source(cr, sheen.get());
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.4);
    // The band, a shade deeper, with its top edge.
    cairo_rectangle(cr, -half + 1.5, bandTop, 2 * half - 3, base - bandTop);
    paint::setColour(cr, goldDeep.withAlpha(0.45));
    cairo_fill(cr);
    cairo_move_to(cr, -half + 0.5, bandTop);
    cairo_line_to(cr, half - 0.5, bandTop);
    cairo_set_line_width(cr, 1.0);
    paint::setColour(cr, ink);
    cairo_stroke(cr);
    // Jewels in the band: the suit's colour in the middle, pearls either side.
    for (int i = -2; i <= 2; ++i) {
        const double x = i * 9.0;
        const double y = (bandTop + base) / 2.0;
        if (i == 0) {
            paint::roundedRectangle(cr, x - 4.5, y - 3.6, 9.0, 7.2, 1.5);
            Pattern gem = paint::radialGradient(x - 1.5, y - 1.5, 0, 6, {{0.0, c.light}, {1.0, c.main}});
            cairo_set_source(cr, gem.get());
        } else {
            cairo_arc(cr, x, y, i % 2 == 0 ? 2.0 : 2.4, 0, 2 * pi);
            paint::setColour(cr, i % 2 == 0 ? Colour::bytes(252, 248, 238) : c.main);
        }
        cairo_fill_preserve(cr);
        strokeInk(cr, 0.7);
    }
    // Pearls on the outer tips, a cross on the middle one.
    for (std::size_t i = 0; i < tips.size(); ++i) {
        const auto [x, y] = tips[i];
        if (i == 2) {
            cairo_new_path(cr);
            cairo_rectangle(cr, x - 1.5, y - 9.0, 3.0, 9.5);
            cairo_rectangle(cr, x - 4.5, y - 6.8, 9.0, 3.0);
            cairo_set_source(cr, sheen.get());
            cairo_fill(cr);
            cairo_move_to(cr, x - 1.5, y);
            cairo_line_to(cr, x - 1.5, y - 3.8);
            cairo_line_to(cr, x - 4.5, y - 3.8);
            cairo_line_to(cr, x - 4.5, y - 6.8);
            cairo_line_to(cr, x - 1.5, y - 6.8);
            cairo_line_to(cr, x - 1.5, y - 9.0);
            cairo_line_to(cr, x + 1.5, y - 9.0);
            cairo_line_to(cr, x + 1.5, y - 6.8);
            cairo_line_to(cr, x + 4.5, y - 6.8);
            cairo_line_to(cr, x + 4.5, y - 3.8);
            cairo_line_to(cr, x + 1.5, y - 3.8);
            cairo_line_to(cr, x + 1.5, y);
            strokeInk(cr, 0.8);
            continue;
        }
        cairo_arc(cr, x, y - 1.5, 2.6, 0, 2 * pi);
        paint::setColour(cr, Colour::bytes(252, 248, 238));
        cairo_fill_preserve(cr);
        strokeInk(cr, 0.8);
    }
}

// The panel's pattern, one per rank: a lattice for the jack, scattered pearls for the queen,
// rays from the crown for the king.
void panelPattern(cairo_t* cr, Court which, const SuitColours& c, double emblemY)
{
    cairo_save(cr);
    paint::setColour(cr, c.light.withAlpha(0.22));
    switch (which) {
    case Court::Jack:
        cairo_set_line_width(cr, 0.8);
        for (double k = -120; k < 260; k += 9.0) {
            cairo_move_to(cr, 0, k);
            cairo_line_to(cr, width, k + width);
            cairo_move_to(cr, 0, k + width);
            cairo_line_to(cr, width, k);
        }
        cairo_stroke(cr);
        break;
    case Court::Queen:
        for (int j = 0; j < 16; ++j) {
            for (int i = 0; i < 11; ++i) {
                const double x = 4.0 + i * 9.0 + ((j % 2 == 0) ? 0.0 : 4.5);
                const double y = 4.0 + j * 9.0;
                cairo_new_sub_path(cr);
                cairo_arc(cr, x, y, 1.3, 0, 2 * pi);
            }
        }
        cairo_fill(cr);
        break;
    case Court::King:
        for (int i = 0; i < 36; i += 2) {
            const double a0 = i * 2 * pi / 36;
            const double a1 = (i + 1) * 2 * pi / 36;
            cairo_move_to(cr, width / 2.0, emblemY);
            cairo_line_to(cr, width / 2.0 + 160 * std::cos(a0), emblemY + 160 * std::sin(a0));
            cairo_line_to(cr, width / 2.0 + 160 * std::cos(a1), emblemY + 160 * std::sin(a1));
            cairo_close_path(cr);
        }
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}

void court(cairo_t* cr, Suit suit, Court which, Stock stock)
{
    const SuitColours c = coloursOf(suit);
    const bool gilded = stock == Stock::Gold;
    const Finish finish = gilded ? Finish::Gilded : Finish::Plain;
    const double emblemY = 72.0;
    const double inset = gilded ? gildedPanelInset : panelInset;
    // The panel.
    cairo_save(cr);
    outline(cr, inset);
    cairo_clip(cr);
    Pattern cloth = paint::linearGradient(0, 0, width * 0.4, height,
                                          {{0.0, c.main.mix(c.light, 0.12)}, {1.0, c.main.mix(c.dark, 0.6)}});
    cairo_set_source(cr, cloth.get());
    cairo_paint(cr);
    panelPattern(cr, which, c, emblemY);
    paint::softGlow(cr, width / 2.0, emblemY, 40.0, goldLight.withAlpha(gilded ? 0.6 : 0.4));
    if (gilded) {
        // Magic courts glitter: small gold stars scattered over the panel.
        Random random(0x5ba7c1e + static_cast<std::uint64_t>(which));
        for (int i = 0; i < 14; ++i) {
            const double x = random.range(10, width - 10);
            const double y = random.range(10, height - 10);
            const double r = random.range(1.5, 3.2);
            cairo_new_path(cr);
            for (int k = 0; k < 8; ++k) {
                const double a = k * pi / 4;
                const double d = (k % 2 == 0) ? r : r * 0.3;
                cairo_line_to(cr, x + d * std::cos(a), y + d * std::sin(a));
            }
            cairo_close_path(cr);
            paint::setColour(cr, goldLight.withAlpha(0.85));
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    outline(cr, inset);
    cairo_set_line_width(cr, gilded ? 2.4 : 1.6);
    paint::setColour(cr, goldDeep);
    cairo_stroke(cr);
    outline(cr, inset);
    cairo_set_line_width(cr, gilded ? 1.1 : 0.7);
    paint::setColour(cr, goldLight);
    cairo_stroke(cr);

    // Ivory cartouches under the indices, and a roundel with the suit symbol in the other corners.
    const Colour card = gilded ? Colour::bytes(255, 242, 196) : ivory;
    bothCorners(cr, [&] {
        const double r = 6.0;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, cartoucheRight, 0);
        cairo_line_to(cr, cartoucheRight, cartoucheBottom - r);
        cairo_arc(cr, cartoucheRight - r, cartoucheBottom - r, r, 0, pi / 2);
        cairo_line_to(cr, 0, cartoucheBottom);
        cairo_close_path(cr);
        paint::setColour(cr, card);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip(cr);
        outline(cr, 4.0);
        cairo_set_line_width(cr, 1.1);
        paint::setColour(cr, gold.scaled(0.9));
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_move_to(cr, cartoucheRight, inset);
        cairo_line_to(cr, cartoucheRight, cartoucheBottom - r);
        cairo_arc(cr, cartoucheRight - r, cartoucheBottom - r, r, 0, pi / 2);
        cairo_line_to(cr, inset, cartoucheBottom);
        cairo_set_line_width(cr, 2.0);
        paint::setColour(cr, goldDeep);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 0.8);
        paint::setColour(cr, goldLight);
        cairo_stroke(cr);

        const double rx = width - 23.0;
        const double ry = 24.0;
        cairo_arc(cr, rx, ry, 10.5, 0, 2 * pi);
        paint::setColour(cr, card);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.6);
        paint::setColour(cr, goldDeep);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 0.7);
        paint::setColour(cr, goldLight);
        cairo_stroke(cr);
        drawSuit(cr, suit, rx, ry, 13.5, finish);
    });

    cairo_save(cr);
    cairo_translate(cr, width / 2.0, emblemY);
    switch (which) {
    case Court::Jack: shield(cr, suit, finish); break;
    case Court::Queen: circlet(cr, suit); break;
    case Court::King: crown(cr, suit); break;
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------------------------
// A whole face.

Image face(Context& context, Suit suit, int rank, Stock stock)
{
    const SuitColours c = coloursOf(suit);
    const Finish pipFinish = stock == Stock::Gold ? Finish::Gilded : Finish::Plain;
    Canvas canvas = blankFace(stock);
    cairo_t* cr = canvas.cr();
    if (rank == 1) {
        ace(cr, suit, stock);
    } else if (rank <= 10) {
        pips(cr, suit, rank, pipFinish);
    } else {
        court(cr, suit, static_cast<Court>(rank - 11), stock);
    }
    const FontFace& font = context.font();
    const std::string name = rankName(rank);
    bothCorners(cr, [&] {
        if (stock == Stock::Gold) {
            rankText(cr, font, name, indexX, indexBaseline, indexSize, indexMaxWidth, c.index,
                     Colour::bytes(255, 250, 228, 0.8), 3.0);
        } else {
            rankText(cr, font, name, indexX, indexBaseline, indexSize, indexMaxWidth, c.index);
        }
        drawSuit(cr, suit, indexX, indexSymbolY, indexSymbolSize, pipFinish);
    });
    return finish(canvas, stock == Stock::Gold ? goldDeep.scaled(0.7) : ink);
}

void suitSheet(Context& context, Suit suit, Stock stock, const std::string& path)
{
    std::vector<Image> cells;
    for (int rank = 1; rank <= sheetCells; ++rank) {
        cells.push_back(face(context, suit, rank, stock));
    }
    context.save(strip(cells), path);
}

// ---------------------------------------------------------------------------------------------
// Swords: wild cards on polished steel, a blade down the middle.

Image steelStock()
{
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    Pattern metal = paint::linearGradient(
        0, 0, width * 0.5, height, {{0.0, steelLight}, {0.5, steel}, {1.0, steelDeep.mix(steel, 0.4)}});
    cairo_set_source(cr, metal.get());
    cairo_paint(cr);
    Image image = canvas.toImage();
    // Brushed metal: fine horizontal streaks.
    const ValueNoise noise(0x57ee1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double k = (noise.fbm(x / 30.0, y / 1.2, 2) - 0.5) * 16.0;
            Pixel& p = image.at(x, y);
            p.r = toByte(p.r + k);
            p.g = toByte(p.g + k);
            p.b = toByte(p.b + k);
        }
    }
    return image;
}

// The sword, point down, its hilt in the top of the card. `s` scales it about (cx, top).
void sword(cairo_t* cr, double cx, double top, double s, bool glow)
{
    cairo_save(cr);
    cairo_translate(cr, cx, top);
    cairo_scale(cr, s, s);
    const double guardY = 22.0;
    const double tip = 116.0;
    if (glow) {
        cairo_save(cr);
        cairo_scale(cr, 0.45, 1.0);
        paint::softGlow(cr, 0, 70, 60, Colour::bytes(170, 220, 255, 0.8));
        cairo_restore(cr);
    }
    // Blade: a long taper, lit on its left half.
    auto blade = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, -5.5, guardY);
        cairo_line_to(cr, 5.5, guardY);
        cairo_line_to(cr, 4.6, tip - 14.0);
        cairo_line_to(cr, 0.0, tip);
        cairo_line_to(cr, -4.6, tip - 14.0);
        cairo_close_path(cr);
    };
    Pattern polish = paint::linearGradient(-5.5, 0, 5.5, 0,
                                           {{0.0, Colour::bytes(250, 252, 255)},
                                            {0.48, Colour::bytes(214, 226, 240)},
                                            {0.52, Colour::bytes(150, 168, 196)},
                                            {1.0, Colour::bytes(112, 130, 164)}});
    blade();
    cairo_set_source(cr, polish.get());
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, 1.2 / s);
    paint::setColour(cr, navy);
    cairo_stroke(cr);
    // The fuller, a groove down the blade.
    cairo_move_to(cr, 0, guardY + 3);
    cairo_line_to(cr, 0, tip - 22);
    cairo_set_line_width(cr, 1.6);
    paint::setColour(cr, steelDeep.withAlpha(0.7));
    cairo_stroke(cr);
    // Grip, wound with blue leather.
    cairo_rectangle(cr, -2.6, 6.0, 5.2, guardY - 6.0);
    paint::setColour(cr, Colour::bytes(36, 58, 112));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9 / s);
    paint::setColour(cr, navy);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.8);
    paint::setColour(cr, Colour::bytes(120, 150, 210, 0.8));
    for (double y = 8.0; y < guardY - 1.0; y += 3.0) {
        cairo_move_to(cr, -2.6, y + 1.5);
        cairo_line_to(cr, 2.6, y);
    }
    cairo_stroke(cr);
    // Cross-guard with curled ends and a blue gem.
    Pattern gilt = goldSheen(guardY - 3, guardY + 4);
    cairo_new_path(cr);
    cairo_move_to(cr, -18.0, guardY - 4.0);
    cairo_curve_to(cr, -14.0, guardY - 1.0, -8.0, guardY - 2.5, 0.0, guardY - 2.5);
    cairo_curve_to(cr, 8.0, guardY - 2.5, 14.0, guardY - 1.0, 18.0, guardY - 4.0);
    cairo_curve_to(cr, 18.5, guardY, 15.0, guardY + 3.0, 10.0, guardY + 3.0);
    cairo_line_to(cr, -10.0, guardY + 3.0);
    cairo_curve_to(cr, -15.0, guardY + 3.0, -18.5, guardY, -18.0, guardY - 4.0);
    cairo_close_path(cr);
    cairo_set_source(cr, gilt.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0 / s);
    paint::setColour(cr, navy);
    cairo_stroke(cr);
    cairo_arc(cr, 0, guardY, 2.6, 0, 2 * pi);
    paint::setColour(cr, Colour::bytes(60, 140, 230));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8 / s);
    paint::setColour(cr, navy);
    cairo_stroke(cr);
    // Pommel.
    cairo_arc(cr, 0, 4.0, 3.8, 0, 2 * pi);
    cairo_set_source(cr, gilt.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0 / s);
    paint::setColour(cr, navy);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The sword as a small solid sign, `size` tall, point down, for the corner index.
void swordIcon(cairo_t* cr, double x, double y, double size)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size, size);
    cairo_new_path(cr);
    cairo_move_to(cr, -0.085, -0.17);
    cairo_line_to(cr, 0.085, -0.17);
    cairo_line_to(cr, 0.07, 0.36);
    cairo_line_to(cr, 0.0, 0.5);
    cairo_line_to(cr, -0.07, 0.36);
    cairo_close_path(cr);
    paint::roundedRectangle(cr, -0.32, -0.25, 0.64, 0.09, 0.04);
    cairo_rectangle(cr, -0.05, -0.42, 0.1, 0.18);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, -0.44, 0.075, 0, 2 * pi);
    paint::setColour(cr, navy);
    cairo_fill(cr);
    cairo_restore(cr);
}

Image swordFace(Context& context, int rank)
{
    static const Image stock = steelStock();
    Canvas canvas(stock);
    cairo_t* cr = canvas.cr();
    // A silver double frame.
    outline(cr, 3.8);
    cairo_set_line_width(cr, 1.8);
    paint::setColour(cr, steelDeep);
    cairo_stroke(cr);
    outline(cr, 5.6);
    cairo_set_line_width(cr, 0.9);
    paint::setColour(cr, Colour::bytes(248, 252, 255, 0.95));
    cairo_stroke(cr);
    sword(cr, width / 2.0, 9.0, 1.04, true);
    const FontFace& font = context.font();
    const std::string name = rankName(rank);
    bothCorners(cr, [&] {
        rankText(cr, font, name, indexX, indexBaseline, indexSize, indexMaxWidth, navy,
                 Colour::bytes(244, 248, 255, 0.9), 3.2);
        // A small sword where the ordinary cards show their suit.
        swordIcon(cr, indexX, indexSymbolY, 17.0);
    });
    return finish(canvas, navy);
}

void swordSheet(Context& context)
{
    std::vector<Image> cells;
    for (int rank = 2; rank <= 14; ++rank) { // the sword sheet runs 2..10, J, Q, K, A
        cells.push_back(swordFace(context, rank));
    }
    context.save(strip(cells), "gfx/cards/swords.png");
}
} // namespace

Image suitFace(Context& context, Suit suit, int rank, bool gilded)
{
    return face(context, suit, rank, gilded ? Stock::Gold : Stock::Ivory);
}

Image swordCard(Context& context, int rank)
{
    return swordFace(context, rank);
}

void addCardFaces(Registry& registry)
{
    for (int k = 1; k <= 4; ++k) {
        const Suit suit = allSuits[k - 1];
        const std::string normal = "gfx/cards/suit-" + std::to_string(k) + ".png";
        registry.add("cards", normal,
                     [suit, normal](Context& context) { suitSheet(context, suit, Stock::Ivory, normal); });
    }
    registry.add("cards", "gfx/cards/swords.png", swordSheet);
    for (int k = 1; k <= 4; ++k) {
        const Suit suit = allSuits[k - 1];
        const std::string magic = "gfx/cards/magic-" + std::to_string(k) + ".png";
        registry.add("cards", magic,
                     [suit, magic](Context& context) { suitSheet(context, suit, Stock::Gold, magic); });
    }
}
} // namespace contentgen::cards
