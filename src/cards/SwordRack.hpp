// SwordRack.hpp: the ellipse the rack swords fan out on. Its centre lies below the screen, so
// the swords rise from the bottom edge near x 730.
#pragma once

#include "gui/TDim.hpp"

namespace rack
{
constexpr float centreX = 920;
constexpr float centreY = 1034;
constexpr float radiusX = 694;
constexpr float radiusY = 294;
// How far a clicked sword slides out along its radius before it leaves for the spot.
constexpr float slideOut = 130;

// The point at `angle` degrees on the ellipse, both radii `extra` pixels longer, in whole
// pixels (truncated toward zero).
TDim point(float angle, float extra = 0);
} // namespace rack
