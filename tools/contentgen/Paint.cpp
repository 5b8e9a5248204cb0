// Paint.cpp: gradients, glows, shapes, outlined text and blur.
#include "Paint.hpp"

#include "FontFace.hpp"
#include "Maths.hpp"
#include "ValueNoise.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace contentgen::paint
{
namespace
{
void addStops(cairo_pattern_t* p, std::initializer_list<GradientStop> stops)
{
    for (const GradientStop& s : stops) {
        cairo_pattern_add_color_stop_rgba(p, s.offset, s.colour.r, s.colour.g, s.colour.b, s.colour.a);
    }
}

// One box-blur pass of half-width r along a line of n premultiplied samples (4 channels).
void boxLine(const std::vector<double>& in, std::vector<double>& out, int n, int r)
{
    const double scale = 1.0 / (2 * r + 1);
    for (int c = 0; c < 4; ++c) {
        double sum = 0.0;
        for (int i = -r; i <= r; ++i) {
            sum += in[static_cast<std::size_t>(std::clamp(i, 0, n - 1)) * 4 + c];
        }
        for (int i = 0; i < n; ++i) {
            out[static_cast<std::size_t>(i) * 4 + c] = sum * scale;
            sum += in[static_cast<std::size_t>(std::min(i + r + 1, n - 1)) * 4 + c];
            sum -= in[static_cast<std::size_t>(std::max(i - r, 0)) * 4 + c];
        }
    }
}
} // namespace

void setColour(cairo_t* cr, const Colour& c)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

Pattern linearGradient(double x0, double y0, double x1, double y1, std::initializer_list<GradientStop> stops)
{
    Pattern p(cairo_pattern_create_linear(x0, y0, x1, y1));
    addStops(p.get(), stops);
    return p;
}

Pattern radialGradient(double cx, double cy, double r0, double r1, std::initializer_list<GradientStop> stops)
{
    Pattern p(cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1));
    addStops(p.get(), stops);
    return p;
}

void softGlow(cairo_t* cr, double cx, double cy, double radius, const Colour& colour)
{
    Pattern p(cairo_pattern_create_radial(cx, cy, 0.0, cx, cy, radius));
    // exp(-4.5 t^2), pulled to exactly zero at the rim.
    constexpr int steps = 12;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double rim = std::exp(-4.5);
        const double k = (std::exp(-4.5 * t * t) - rim) / (1.0 - rim);
        cairo_pattern_add_color_stop_rgba(p.get(), t, colour.r, colour.g, colour.b, colour.a * k);
    }
    cairo_save(cr);
    cairo_set_source(cr, p.get());
    cairo_arc(cr, cx, cy, radius, 0.0, 2.0 * std::numbers::pi);
    cairo_fill(cr);
    cairo_restore(cr);
}

void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2.0, h / 2.0});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -std::numbers::pi / 2.0, 0.0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0.0, std::numbers::pi / 2.0);
    cairo_arc(cr, x + r, y + h - r, r, std::numbers::pi / 2.0, std::numbers::pi);
    cairo_arc(cr, x + r, y + r, r, std::numbers::pi, 1.5 * std::numbers::pi);
    cairo_close_path(cr);
}

void textWithOutline(cairo_t* cr, const FontFace& face, const std::string& text, double size, double x,
                     double y, Align align, const Colour& fill, const Colour& outline, double outlineWidth)
{
    if (!face.valid() || text.empty()) {
        return;
    }
    cairo_save(cr);
    face.select(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    double left = x;
    if (align == Align::Centre) {
        left = x - extents.x_advance / 2.0;
    } else if (align == Align::Right) {
        left = x - extents.x_advance;
    }
    cairo_new_path(cr);
    cairo_move_to(cr, left, y);
    cairo_text_path(cr, text.c_str());
    if (outlineWidth > 0.0) {
        setColour(cr, outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void blur(Image& image, double radius)
{
    const int w = image.width();
    const int h = image.height();
    if (radius <= 0.0 || w == 0 || h == 0) {
        return;
    }
    // Three passes of width 2r+1 give a variance of r(r+1); pick r for radius ~ 2 sigma.
    const double sigma = radius / 2.0;
    const double halfWidth = (std::sqrt(1.0 + 4.0 * sigma * sigma) - 1.0) / 2.0;
    const int r = std::max(1, static_cast<int>(std::lround(halfWidth)));
    std::vector<double> data(static_cast<std::size_t>(w) * h * 4);
    for (std::size_t i = 0; i < image.pixels().size(); ++i) {
        const Pixel& p = image.pixels()[i];
        const double a = p.a / 255.0;
        data[i * 4 + 0] = p.r / 255.0 * a;
        data[i * 4 + 1] = p.g / 255.0 * a;
        data[i * 4 + 2] = p.b / 255.0 * a;
        data[i * 4 + 3] = a;
    }
    auto at = [w](int x, int y) { return (static_cast<std::size_t>(y) * w + x) * 4; };
    std::vector<double> line(static_cast<std::size_t>(std::max(w, h)) * 4);
    std::vector<double> out(line.size());
    for (int y = 0; y < h; ++y) {
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(y) * w * 4, w * 4, line.begin());
        for (int pass = 0; pass < 3; ++pass) {
            boxLine(line, out, w, r);
            line.swap(out);
        }
        std::copy_n(line.begin(), w * 4, data.begin() + static_cast<std::ptrdiff_t>(y) * w * 4);
    }
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            for (int c = 0; c < 4; ++c) {
                line[static_cast<std::size_t>(y) * 4 + c] = data[at(x, y) + c];
            }
        }
        for (int pass = 0; pass < 3; ++pass) {
            boxLine(line, out, h, r);
            line.swap(out);
        }
        for (int y = 0; y < h; ++y) {
            for (int c = 0; c < 4; ++c) {
                data[at(x, y) + c] = line[static_cast<std::size_t>(y) * 4 + c];
            }
        }
    }
    for (std::size_t i = 0; i < image.pixels().size(); ++i) {
        const double a = data[i * 4 + 3];
        Pixel& p = image.pixels()[i];
        p.a = unitToByte(a);
        if (a > 1e-9) {
            p.r = unitToByte(data[i * 4 + 0] / a);
            p.g = unitToByte(data[i * 4 + 1] / a);
            p.b = unitToByte(data[i * 4 + 2] / a);
        }
    }
}

void mottle(Image& image, std::uint64_t seed, double sx, double sy, int octaves, double amount)
{
    const ValueNoise noise(seed);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Pixel& p = image.at(x, y);
            if (p.a == 0) {
                continue;
            }
            const double k = 1.0 + (noise.fbm(x / sx, y / sy, octaves) - 0.5) * amount;
            p.r = toByte(p.r * k);
            p.g = toByte(p.g * k);
            p.b = toByte(p.b * k);
        }
    }
}

Canvas shadowOf(const Canvas& shape, double radius, const Colour& colour)
{
    Image image = shape.toImage();
    for (Pixel& p : image.pixels()) {
        const std::uint8_t alpha = unitToByte(p.a / 255.0 * colour.a);
        p = Pixel{unitToByte(colour.r), unitToByte(colour.g), unitToByte(colour.b), alpha};
    }
    blur(image, radius);
    return Canvas(image);
}
} // namespace contentgen::paint
