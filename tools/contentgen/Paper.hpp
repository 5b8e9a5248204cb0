// Paper.hpp: old parchment, the sheets the dialogs, the level summary and the shop lay on the
// carved wood (HudArt.hpp): its colours, the sheet's wavering outline and the soft shadow a
// sheet casts.
#pragma once

#include "Canvas.hpp"
#include "Colour.hpp"
#include "HudArt.hpp"

#include <cairo.h>

#include <cstdint>
#include <functional>

namespace contentgen::gui
{
constexpr Colour paperLight = Colour::bytes(250, 240, 212);
constexpr Colour paperMid = Colour::bytes(240, 224, 184);
constexpr Colour paperEdge = Colour::bytes(206, 176, 126);
constexpr Colour paperBurn = Colour::bytes(132, 86, 44);

// Old paper in the shape of `field` on `target`: warm, mottled, pale in the middle and browned
// towards its edges. `tint` warms (above 1) or cools the whole sheet a little.
void parchment(Canvas& target, const Outline& field, std::uint64_t seed, double tint = 1.0);

// The outline of a sheet from x0 to x1 and y0 to y1 whose side edges waver a little, as cut
// paper does.
Outline sheet(double x0, double y0, double x1, double y1, std::uint64_t seed);

// A soft shadow under whatever `shape` draws, offset down by `drop`.
void shadowUnder(Canvas& target, const std::function<void(cairo_t*)>& shape, double radius, double drop,
                 double strength);
} // namespace contentgen::gui
