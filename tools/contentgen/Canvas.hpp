// Canvas.hpp: a Cairo image surface with its drawing context, owned together.
#pragma once

#include "Image.hpp"

#include <cairo.h>

#include <memory>

namespace contentgen
{
// An ARGB32 surface and a context drawing on it. Starts fully transparent. Cairo keeps
// premultiplied pixels; toImage()/Canvas(Image) convert to and from straight alpha.
class Canvas
{
public:
    Canvas(int width, int height);
    explicit Canvas(const Image& image);

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return context_.get(); }
    cairo_surface_t* surface() const { return surface_.get(); }

    // Straight-alpha copy of the pixels (flushes pending drawing first).
    Image toImage() const;

    // Paints another canvas onto this one with its top-left corner at (x, y).
    void paint(const Canvas& other, double x = 0.0, double y = 0.0, double alpha = 1.0) const;

private:
    struct SurfaceDeleter
    {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextDeleter
    {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface_;
    std::unique_ptr<cairo_t, ContextDeleter> context_;
};
} // namespace contentgen
