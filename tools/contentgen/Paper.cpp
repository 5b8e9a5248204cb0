// Paper.cpp: old parchment and the sheets cut from it.

#include "Paper.hpp"

#include "Image.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "ValueNoise.hpp"

#include <algorithm>

namespace contentgen::gui
{
void parchment(Canvas& target, const Outline& field, std::uint64_t seed, double tint)
{
    const Box box = boxOf(field);
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double reach = std::max(box.right - box.left, box.bottom - box.top) * 0.62;
    Canvas paper(target.width(), target.height());
    cairo_t* pc = paper.cr();
    cairo_new_path(pc);
    field(pc, 0.0);
    Pattern fill = paint::radialGradient(
        cx, cy, 0.0, reach,
        {{0.0, paperLight}, {0.55, paperLight.mix(paperMid, 0.5)}, {0.85, paperMid}, {1.0, paperEdge}});
    cairo_set_source(pc, fill.get());
    cairo_fill(pc);
    // The edges browned with age, inside the outline.
    cairo_save(pc);
    cairo_new_path(pc);
    field(pc, 0.0);
    cairo_clip(pc);
    field(pc, 0.0);
    cairo_set_line_width(pc, 16.0);
    paint::setColour(pc, paperBurn.withAlpha(0.22));
    cairo_stroke(pc);
    cairo_restore(pc);
    Image image = paper.toImage();
    // Soften the browning, then bring back the sheet's hard outline.
    Image edge = image;
    paint::blur(edge, 6.0);
    const ValueNoise fibres(seed);
    for (std::size_t i = 0; i < image.pixels().size(); ++i) {
        Pixel& p = image.pixels()[i];
        if (p.a == 0) {
            continue;
        }
        const Pixel& s = edge.pixels()[i];
        const int x = static_cast<int>(i % static_cast<std::size_t>(image.width()));
        const int y = static_cast<int>(i / static_cast<std::size_t>(image.width()));
        // Long faint fibres across the sheet, and warmth.
        const double fibre = 1.0 + (fibres.fbm(x / 50.0, y / 4.0, 3) - 0.5) * 0.03;
        p.r = toByte(s.r * fibre * std::min(1.06, tint));
        p.g = toByte(s.g * fibre);
        p.b = toByte(s.b * fibre / std::max(0.94, tint));
    }
    paint::mottle(image, seed, 11.0, 8.0, 4, 0.1);
    target.paint(Canvas(image));
}

Outline sheet(double x0, double y0, double x1, double y1, std::uint64_t seed)
{
    return [=](cairo_t* cr, double inset) {
        const ValueNoise noise(seed);
        auto wave = [&](double y, double offset) {
            return 2.4 * (noise.fbm(y / 40.0, offset, 2) - 0.5) * 2.0;
        };
        cairo_new_sub_path(cr);
        cairo_move_to(cr, x0 + inset + wave(y0, 1.0), y0 + inset);
        cairo_line_to(cr, x1 - inset + wave(y0, 5.0), y0 + inset);
        for (double y = y0 + inset; y <= y1 - inset; y += 4.0) {
            cairo_line_to(cr, x1 - inset + wave(y, 5.0), y);
        }
        cairo_line_to(cr, x1 - inset + wave(y1, 5.0), y1 - inset);
        cairo_line_to(cr, x0 + inset + wave(y1, 1.0), y1 - inset);
        for (double y = y1 - inset; y >= y0 + inset; y -= 4.0) {
            cairo_line_to(cr, x0 + inset + wave(y, 1.0), y);
        }
        cairo_close_path(cr);
    };
}

void shadowUnder(Canvas& target, const std::function<void(cairo_t*)>& shape, double radius, double drop,
                 double strength)
{
    Canvas silhouette(target.width(), target.height());
    paint::setColour(silhouette.cr(), Colour{0, 0, 0, 1});
    shape(silhouette.cr());
    target.paint(paint::shadowOf(silhouette, radius, Colour::bytes(4, 6, 12, strength)), 0.0, drop);
}
} // namespace contentgen::gui
