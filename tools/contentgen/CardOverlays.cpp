// CardOverlays.cpp: the card mask, the hover glow, the magic outlines, and the snow, ice and
// rock overlays the game draws over a card.

#include "CardOverlays.hpp"
#include "CardArt.hpp"

#include "Context.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace contentgen::cards
{
namespace
{
constexpr double pi = std::numbers::pi;

// Signed distance from (x, y) to the outline of a card centred at (cx, cy): negative inside.
double outlineDistance(double x, double y, double cx, double cy)
{
    const double qx = std::abs(x - cx) - (width / 2.0 - cornerRadius);
    const double qy = std::abs(y - cy) - (height / 2.0 - cornerRadius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - cornerRadius;
}

// A point on the card outline (card centred at cx, cy), `t` in [0, 1) once round.
void outlinePoint(double t, double cx, double cy, double& x, double& y)
{
    const double w = width;
    const double h = height;
    double s = t * 2.0 * (w + h);
    double px = 0.0;
    double py = 0.0;
    if (s < w) {
        px = s;
    } else if ((s -= w) < h) {
        px = w;
        py = s;
    } else if ((s -= h) < w) {
        px = w - s;
        py = h;
    } else {
        py = h - (s - w);
    }
    // Round the corners: pull to the inner rectangle, push out by the corner radius.
    const double ix = std::clamp(px, cornerRadius, w - cornerRadius);
    const double iy = std::clamp(py, cornerRadius, h - cornerRadius);
    const double dx = px - ix;
    const double dy = py - iy;
    const double d = std::hypot(dx, dy);
    if (d > 1e-9) {
        px = ix + dx / d * cornerRadius;
        py = iy + dy / d * cornerRadius;
    }
    x = cx - w / 2.0 + px;
    y = cy - h / 2.0 + py;
}

// 1 at t = 0 falling smoothly to exactly 0 at t = 1 (close to a Gaussian).
double fall(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    const double rim = std::exp(-4.0);
    return (std::exp(-4.0 * t * t) - rim) / (1.0 - rim);
}

// ---------------------------------------------------------------------------------------------

void maskPicture(Context& context)
{
    context.save(mask(), "gfx/cards/mask.png");
}

// over.png: a white halo hugging the card's edge, strongest on the edge itself, feathered
// 8 pixels outwards and 7 inwards, empty in the middle of the card. The game tints it.
void overGlow(Context& context)
{
    constexpr int w = width + 16;
    constexpr int h = height + 16;
    Image image(w, h, Pixel{255, 255, 255, 0});
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double d = outlineDistance(x + 0.5, y + 0.5, w / 2.0, h / 2.0);
            const double a = d >= 0.0 ? fall(d / 8.0) : fall(-d / 7.0);
            image.at(x, y).a = unitToByte(a);
        }
    }
    context.save(image, "gfx/cards/over.png");
}

// magic-outline-1/2: a shimmering gold line round the card, drawn added to the screen. The two
// pictures differ in where the line swells and where the sparkles sit, so cross-fading them
// makes the outline seem to move.
void magicOutline(Context& context, int phase)
{
    constexpr int w = width + 20;
    constexpr int h = height + 20;
    const double offset = phase * 1.7;
    Image image(w, h, Pixel{255, 208, 100, 0});
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double d = outlineDistance(x + 0.5, y + 0.5, w / 2.0, h / 2.0);
            const double angle = std::atan2(y - h / 2.0, x - w / 2.0);
            const double swell =
                0.55 + 0.45 * std::sin(3.0 * angle + offset) * std::sin(5.0 * angle - offset);
            const double glow = d >= 0.0 ? fall(d / (6.0 + 3.0 * swell)) : fall(-d / 3.0);
            const double core = fall(std::abs(d - 0.8) / 1.6);
            const double a = std::min(1.0, 0.45 * glow * (0.5 + swell) + 0.55 * core * (0.6 + 0.4 * swell));
            Pixel& p = image.at(x, y);
            p.a = unitToByte(a);
            // The bright core runs paler, towards white gold.
            p.g = toByte(208 + 40 * core);
            p.b = toByte(100 + 110 * core);
        }
    }
    Canvas canvas(image);
    cairo_t* cr = canvas.cr();
    Random random(0x90d5a1 + static_cast<std::uint64_t>(phase) * 7919);
    for (int i = 0; i < 11; ++i) {
        double x = 0.0;
        double y = 0.0;
        outlinePoint((i + random.range(0.1, 0.9)) / 11.0, w / 2.0, h / 2.0, x, y);
        const double size = random.range(3.0, 6.5);
        paint::softGlow(cr, x, y, size * 1.4, Colour::bytes(255, 236, 170, 0.8));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, x - size, y);
        cairo_line_to(cr, x + size, y);
        cairo_move_to(cr, x, y - size);
        cairo_line_to(cr, x, y + size);
        cairo_set_line_width(cr, 1.1);
        paint::setColour(cr, Colour::bytes(255, 250, 220, 0.95));
        cairo_stroke(cr);
    }
    context.save(canvas, "gfx/cards/magic-outline-" + std::to_string(phase) + ".png");
}

// ---------------------------------------------------------------------------------------------
// snow.png: snow lying on a face-down card: a deep drift along the bottom, a smaller one in the
// top-left corner, a patchy dusting between through which the back shows, and a few flakes.

void snow(Context& context)
{
    const ValueNoise noise(0x5a0f);
    const ValueNoise fine(0x5a10);
    // How deep the snow lies: 1 is a full drift, small values a thin dusting.
    auto depth = [&](double x, double y) {
        const double crest = 94.0 + 14.0 * (noise.at(x / 24.0, 3.0) - 0.5) * 2.0 - 0.12 * x;
        const double lumps = 0.8 + 0.35 * noise.fbm(x / 11.0, y / 11.0, 3);
        const double bottom = smoothstep(crest - 5.0, crest + 12.0, y) * lumps;
        const double reach = std::hypot(x * 1.1, y) - 10.0 * noise.at(x / 8.0, y / 8.0);
        const double corner = smoothstep(36.0, 12.0, reach) * lumps;
        const double dust = 0.5 * smoothstep(0.52, 0.74, fine.fbm(x / 7.0, y / 7.0, 3));
        return std::max({bottom, corner, dust});
    };
    Random speckle(0x5bec1e);
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double h = depth(x, y);
            // Light from the upper left: slopes facing it are white, those turned away pale blue.
            const double slope = depth(x + 2.0, y + 2.0) - depth(x - 2.0, y - 2.0);
            const double shade = std::clamp(0.35 + slope * 3.0, 0.0, 1.0);
            const Colour c = Colour::bytes(255, 255, 255).mix(Colour::bytes(170, 196, 234), shade);
            double a = std::clamp(h * 1.15, 0.0, 0.96);
            if (speckle.uniform() < 0.05) {
                a = std::max(a, 0.65); // loose grains of snow
            }
            image.at(x, y) = Pixel{unitToByte(c.r), unitToByte(c.g), unitToByte(c.b), unitToByte(a)};
        }
    }
    Canvas canvas(image);
    cairo_t* cr = canvas.cr();
    Random random(0xf1a4e);
    for (int i = 0; i < 26; ++i) {
        const double x = random.range(6, width - 6);
        const double y = random.range(6, height - 30);
        const double r = random.range(1.2, 2.8);
        if (random.uniform() < 0.6) {
            paint::softGlow(cr, x, y, r * 1.6, Colour::bytes(255, 255, 255, 0.9));
            continue;
        }
        // A six-armed flake.
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int k = 0; k < 3; ++k) {
            const double a = k * pi / 3.0 + random.range(0, 0.5);
            cairo_move_to(cr, x - r * 1.5 * std::cos(a), y - r * 1.5 * std::sin(a));
            cairo_line_to(cr, x + r * 1.5 * std::cos(a), y + r * 1.5 * std::sin(a));
        }
        cairo_set_line_width(cr, 0.9);
        paint::setColour(cr, Colour::bytes(250, 252, 255, 0.95));
        cairo_stroke(cr);
    }
    // Glints on the drift.
    for (int i = 0; i < 10; ++i) {
        const double x = random.range(8, width - 8);
        const double y = random.range(112, height - 8);
        paint::softGlow(cr, x, y, 1.8, Colour::bytes(255, 255, 255, 1.0));
    }
    context.save(cutToOutline(canvas), "gfx/cards/snow.png");
}

// ---------------------------------------------------------------------------------------------
// ice.png: a translucent sheet of ice over the card. Frost thickens towards the edge, cracks
// run through it, and a sheen sweeps across; the sweep repeats every nine frames so the
// animation loops without a jump.

struct Crack
{
    std::vector<std::pair<double, double>> points;
};

std::vector<Crack> cracks()
{
    Random random(0x1ce);
    std::vector<Crack> all;
    // A few long cracks from the edges, each with a branch or two.
    const double starts[][3] = {{4, 30, 0.35}, {92, 60, 2.7}, {30, 136, -1.2}, {70, 4, 1.9}, {8, 110, -0.3}};
    for (const auto& s : starts) {
        double x = s[0];
        double y = s[1];
        double a = s[2];
        Crack c;
        c.points.push_back({x, y});
        const int steps = 5 + random.below(4);
        for (int i = 0; i < steps; ++i) {
            a += random.range(-0.3, 0.3);
            const double len = random.range(6.0, 12.0);
            x += len * std::cos(a);
            y += len * std::sin(a);
            c.points.push_back({x, y});
            if (random.uniform() < 0.35) {
                Crack branch;
                branch.points.push_back({x, y});
                double bx = x;
                double by = y;
                double ba = a + (random.uniform() < 0.5 ? -1.0 : 1.0) * random.range(0.6, 1.1);
                for (int j = 0; j < 3; ++j) {
                    const double bl = random.range(3.0, 7.0);
                    bx += bl * std::cos(ba);
                    by += bl * std::sin(ba);
                    ba += random.range(-0.4, 0.4);
                    branch.points.push_back({bx, by});
                }
                all.push_back(branch);
            }
        }
        all.push_back(c);
    }
    return all;
}

Image iceFrame(int frame, const std::vector<Crack>& crackLines)
{
    const ValueNoise noise(0x1ce5);
    Image image(width, height);
    // The sheen: a soft band across the card along the diagonal u = 0.55x + 0.83y, repeating
    // every `period` so frame 9 would equal frame 0.
    constexpr double period = 190.0;
    const double centre = -20.0 + period * frame / overlayFrames;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double d = -outlineDistance(x + 0.5, y + 0.5, width / 2.0, height / 2.0);
            const double frost = noise.fbm(x / 18.0, y / 18.0, 4);
            const double rim = fall(d / 6.0);
            double a = 0.30 + 0.12 * smoothstep(0.4, 0.8, frost) + 0.28 * rim;
            const double u = 0.55 * x + 0.83 * y;
            double sheen = 0.0;
            for (int k = -1; k <= 1; ++k) {
                sheen = std::max(sheen, fall(std::abs(u - centre - k * period) / 16.0));
            }
            a += 0.16 * sheen;
            const Colour ice =
                Colour::bytes(196, 232, 246).mix(Colour::bytes(255, 255, 255), 0.3 * frost + 0.6 * sheen);
            image.at(x, y) =
                Pixel{unitToByte(ice.r), unitToByte(ice.g), unitToByte(ice.b), unitToByte(std::min(a, 0.62))};
        }
    }
    Canvas canvas(image);
    cairo_t* cr = canvas.cr();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const Crack& c : crackLines) {
        cairo_new_path(cr);
        for (const auto& [x, y] : c.points) {
            cairo_line_to(cr, x, y);
        }
        cairo_save(cr);
        cairo_translate(cr, 0.7, 0.7);
        cairo_set_line_width(cr, 1.1);
        paint::setColour(cr, Colour::bytes(60, 120, 150, 0.35));
        cairo_stroke_preserve(cr);
        cairo_restore(cr);
        cairo_set_line_width(cr, 0.9);
        paint::setColour(cr, Colour::bytes(255, 255, 255, 0.75));
        cairo_stroke(cr);
    }
    return cutToOutline(canvas);
}

void ice(Context& context)
{
    const std::vector<Crack> crackLines = cracks();
    std::vector<Image> frames;
    for (int f = 0; f < overlayFrames; ++f) {
        frames.push_back(iceFrame(f, crackLines));
    }
    context.save(strip(frames), "gfx/cards/ice.png");
}

// ---------------------------------------------------------------------------------------------
// card-rocks.png: a heap of grey stones over the card. All nine frames show the same stones;
// the light wavers a little from frame to frame and flecks of mica catch it, so the game's
// cross-fade between frames looks like flickering torchlight rather than moving stones.

struct Stone
{
    double x, y, r;
    double stretch, turn;
    std::vector<double> radii; // the outline's corners, as fractions of r
    double tone;               // lighter or darker rock
    double warmth;             // brown-grey (1) or blue-grey (0)
};

std::vector<Stone> stones()
{
    Random random(0x70c5);
    std::vector<Stone> heap;
    auto add = [&](double x, double y, double r) {
        Stone s;
        s.x = x;
        s.y = y;
        s.r = r;
        s.stretch = random.range(0.6, 0.9);
        s.turn = random.range(0, pi);
        const int n = 6 + random.below(3);
        for (int k = 0; k < n; ++k) {
            s.radii.push_back(random.range(0.72, 1.08));
        }
        s.tone = random.range(-0.14, 0.12);
        s.warmth = random.uniform();
        heap.push_back(s);
    };
    // Stones on a jittered grid cover the card; towards the edge some are left out, so the
    // heap's rim is ragged. A few boulders sit on top in the middle.
    constexpr double cell = 15.0;
    for (double y = 4.0; y < height; y += cell * 0.8) {
        for (double x = 4.0; x < width; x += cell) {
            const double px = x + random.range(-4.0, 4.0) + (static_cast<int>(y / cell) % 2) * cell / 2.0;
            const double py = y + random.range(-4.0, 4.0);
            const double rim = -outlineDistance(px, py, width / 2.0, height / 2.0);
            if (rim < 0.0 || (rim < 9.0 && random.uniform() < 0.45)) {
                continue;
            }
            add(px, py, random.range(7.5, 11.5));
        }
    }
    for (int i = 0; i < 9; ++i) {
        add(width / 2.0 + random.range(-26, 26), height / 2.0 + random.range(-44, 44),
            random.range(12.0, 17.0));
    }
    // Drawn from the back (top of the card) to the front, the heap's lower stones on top.
    std::sort(heap.begin(), heap.end(), [](const Stone& a, const Stone& b) { return a.y + a.r < b.y + b.r; });
    return heap;
}

// The stone's outline: a polygon with its corners slightly rounded, grown by `grow` pixels
// and shrunk towards its centre by `scale`.
void stonePath(cairo_t* cr, const Stone& s, double grow, double scale = 1.0)
{
    cairo_save(cr);
    cairo_translate(cr, s.x, s.y);
    cairo_rotate(cr, s.turn);
    cairo_scale(cr, scale, s.stretch * scale);
    const std::size_t n = s.radii.size();
    auto corner = [&](std::size_t k) {
        const double a = static_cast<double>(k % n) * 2.0 * pi / static_cast<double>(n);
        const double r = s.r * s.radii[k % n] + grow;
        return std::pair{r * std::cos(a), r * std::sin(a)};
    };
    cairo_new_path(cr);
    for (std::size_t k = 0; k <= n; ++k) {
        const auto [x0, y0] = corner(k);
        const auto [x1, y1] = corner(k + 1);
        const double mx = (x0 + x1) / 2.0;
        const double my = (y0 + y1) / 2.0;
        if (k == 0) {
            cairo_move_to(cr, mx, my);
            continue;
        }
        double px = 0.0;
        double py = 0.0;
        cairo_get_current_point(cr, &px, &py);
        constexpr double sharp = 0.8; // how close the curve runs to each corner
        cairo_curve_to(cr, px + (x0 - px) * sharp, py + (y0 - py) * sharp, mx + (x0 - mx) * sharp,
                       my + (y0 - my) * sharp, mx, my);
    }
    cairo_close_path(cr);
    cairo_restore(cr);
}

Image rockFrame(int frame, const std::vector<Stone>& heap)
{
    const double phase = 2.0 * pi * frame / overlayFrames;
    const double lightAngle = -2.2 + 0.3 * std::sin(phase);
    const double flicker = 1.0 + 0.07 * std::sin(phase + 1.0) + 0.03 * std::sin(3.0 * phase);
    const double lx = std::cos(lightAngle);
    const double ly = std::sin(lightAngle);
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    // Dark grit under the stones, so no gap in the middle of the heap shows the card.
    Random grit(0x9a7e1);
    for (int i = 0; i < 260; ++i) {
        const double x = grit.range(0, width);
        const double y = grit.range(0, height);
        if (-outlineDistance(x, y, width / 2.0, height / 2.0) < 11.0) {
            continue;
        }
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, grit.range(3.0, 5.5), 0, 2 * pi);
    }
    paint::setColour(cr, Colour::bytes(62, 60, 58));
    cairo_fill(cr);
    const Colour cool = Colour::bytes(128, 132, 140);
    const Colour warm = Colour::bytes(140, 132, 122);
    for (const Stone& s : heap) {
        // Shadow cast away from the light.
        cairo_save(cr);
        cairo_translate(cr, -lx * 2.5, -ly * 2.5 + 1.0);
        stonePath(cr, s, 1.2);
        cairo_restore(cr);
        paint::setColour(cr, Colour::bytes(26, 24, 24, 0.5));
        cairo_fill(cr);
        const Colour base = cool.mix(warm, s.warmth).scaled((1.0 + s.tone) * flicker);
        const double reach = s.r * 1.1;
        Pattern body =
            paint::linearGradient(s.x + lx * reach, s.y + ly * reach, s.x - lx * reach, s.y - ly * reach,
                                  {{0.0, base.scaled(1.45)}, {0.45, base}, {1.0, base.scaled(0.5)}});
        stonePath(cr, s, 0.0);
        cairo_set_source(cr, body.get());
        cairo_fill(cr);
        // A flat facet turned to the light.
        cairo_save(cr);
        cairo_translate(cr, lx * s.r * 0.22, ly * s.r * 0.22);
        stonePath(cr, s, 0.0, 0.55);
        cairo_restore(cr);
        paint::setColour(cr, base.scaled(1.3).withAlpha(0.55));
        cairo_fill(cr);
        stonePath(cr, s, 0.0);
        cairo_set_line_width(cr, 0.8);
        paint::setColour(cr, Colour::bytes(34, 32, 32, 0.9));
        cairo_stroke(cr);
    }
    // Flecks of mica; each shines in some frames and not in others.
    Random random(0x3ca);
    for (int i = 0; i < 40; ++i) {
        const double x = random.range(8, width - 8);
        const double y = random.range(8, height - 8);
        const double when = random.range(0, 2 * pi);
        const double shine = std::max(0.0, std::sin(phase + when));
        if (shine > 0.05) {
            paint::softGlow(cr, x, y, 2.2, Colour::bytes(255, 250, 230, 0.9 * shine));
        }
    }
    Image image = canvas.toImage();
    // Rough stone texture.
    const ValueNoise noise(0x90c);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Pixel& p = image.at(x, y);
            if (p.a == 0) {
                continue;
            }
            const double k = (noise.fbm(x / 2.5, y / 2.5, 2) - 0.5) * 24.0;
            p.r = toByte(p.r + k);
            p.g = toByte(p.g + k);
            p.b = toByte(p.b + k);
        }
    }
    Canvas textured(image);
    return cutToOutline(textured);
}

void rocks(Context& context)
{
    const std::vector<Stone> heap = stones();
    std::vector<Image> frames;
    for (int f = 0; f < overlayFrames; ++f) {
        frames.push_back(rockFrame(f, heap));
    }
    context.save(strip(frames), "gfx/cards/card-rocks.png");
}
} // namespace

Image rocksCover()
{
    return rockFrame(0, stones());
}

Image iceCover()
{
    return iceFrame(0, cracks());
}

void addCardOverlays(Registry& registry)
{
    registry.add("cards", "gfx/cards/mask.png", maskPicture);
    registry.add("cards", "gfx/cards/over.png", overGlow);
    registry.add("cards", "gfx/cards/magic-outline-1.png", [](Context& c) { magicOutline(c, 1); });
    registry.add("cards", "gfx/cards/magic-outline-2.png", [](Context& c) { magicOutline(c, 2); });
    registry.add("cards", "gfx/cards/snow.png", snow);
    registry.add("cards", "gfx/cards/ice.png", ice);
    registry.add("cards", "gfx/cards/card-rocks.png", rocks);
}
} // namespace contentgen::cards
