// Canvas.cpp: the Cairo surface and its conversions to and from straight-alpha images.
#include "Canvas.hpp"

#include <cstdint>
#include <cstring>

namespace contentgen
{
namespace
{
std::uint8_t unpremultiply(std::uint32_t channel, std::uint32_t alpha)
{
    if (alpha == 0) {
        return 0;
    }
    const std::uint32_t v = (channel * 255 + alpha / 2) / alpha;
    return static_cast<std::uint8_t>(v > 255 ? 255 : v);
}

std::uint32_t premultiply(std::uint32_t channel, std::uint32_t alpha)
{
    return (channel * alpha + 127) / 255;
}
} // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context_(cairo_create(surface_.get()))
{}

Canvas::Canvas(const Image& image) : Canvas(image.width(), image.height())
{
    cairo_surface_flush(surface_.get());
    unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = image.at(x, y);
            row[x] = (std::uint32_t{p.a} << 24) | (premultiply(p.r, p.a) << 16) | (premultiply(p.g, p.a) << 8)
                     | premultiply(p.b, p.a);
        }
    }
    cairo_surface_mark_dirty(surface_.get());
}

Image Canvas::toImage() const
{
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const unsigned char* line = data + static_cast<std::ptrdiff_t>(y) * stride;
        const auto* row = reinterpret_cast<const std::uint32_t*>(line);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t v = row[x];
            const std::uint32_t a = v >> 24;
            image.at(x, y) = Pixel{unpremultiply((v >> 16) & 0xff, a), unpremultiply((v >> 8) & 0xff, a),
                                   unpremultiply(v & 0xff, a), static_cast<std::uint8_t>(a)};
        }
    }
    return image;
}

void Canvas::paint(const Canvas& other, double x, double y, double alpha) const
{
    cairo_t* c = cr();
    cairo_save(c);
    cairo_set_source_surface(c, other.surface(), x, y);
    cairo_paint_with_alpha(c, alpha);
    cairo_restore(c);
}
} // namespace contentgen
