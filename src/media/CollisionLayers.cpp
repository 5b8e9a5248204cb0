// CollisionLayers.cpp: placed cells remembered per layer and tested pixel-exactly.
#include "media/CollisionLayers.hpp"

#include "media/PlacedCell.hpp"

#include <cmath>

namespace media
{
namespace
{
// The covered pixel range [first, last] as floats, rounded outwards so a far-away range never
// shrinks.
float lowerBound(std::int64_t first)
{
    auto value = static_cast<float>(first);
    return static_cast<double>(value) > static_cast<double>(first) ? std::nextafter(value, -INFINITY) : value;
}

float upperBound(std::int64_t last)
{
    auto value = static_cast<float>(last + 1);
    return static_cast<double>(value) < static_cast<double>(last + 1) ? std::nextafter(value, INFINITY)
                                                                      : value;
}

bool boundsMeet(float left, float top, float right, float bottom, const PlacedCell& placed)
{
    return left < upperBound(placed.right) && lowerBound(placed.left) < right
           && top < upperBound(placed.bottom) && lowerBound(placed.top) < bottom;
}
} // namespace

void CollisionLayers::reset()
{
    written_.clear();
}

void CollisionLayers::write(const MaskCell& cell, const Placement& at, std::uint32_t layers, const void* tag)
{
    Written entry;
    entry.cell = cell;
    entry.at = at;
    entry.layers = layers;
    entry.tag = tag;
    PlacedCell placed = PlacedCell::place(cell, at);
    if (placed.empty()) {
        // Covers nothing: bounds that meet nothing.
        entry.left = entry.top = INFINITY;
        entry.right = entry.bottom = -INFINITY;
    } else {
        entry.left = lowerBound(placed.left);
        entry.top = lowerBound(placed.top);
        entry.right = upperBound(placed.right);
        entry.bottom = upperBound(placed.bottom);
    }
    written_.push_back(entry);
}

std::vector<const void*> CollisionLayers::test(const MaskCell& cell, const Placement& at,
                                               std::uint32_t layers) const
{
    std::vector<const void*> hits;
    PlacedCell placed = PlacedCell::place(cell, at);
    if (placed.empty() || layers == 0)
        return hits;
    for (const Written& entry : written_) {
        if ((entry.layers & layers) == 0
            || !boundsMeet(entry.left, entry.top, entry.right, entry.bottom, placed))
            continue;
        if (PlacedCell::overlap(PlacedCell::place(entry.cell, entry.at), placed))
            hits.push_back(entry.tag);
    }
    return hits;
}
} // namespace media
