// Landscape.hpp: the pieces of a moonlit landscape the backdrops share: soft randomness, a
// colour blended into a pixel, a ridge silhouette and firs along a ground line.
#pragma once

#include "Colour.hpp"
#include "Image.hpp"
#include "Random.hpp"

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace contentgen
{
// A normally distributed number (mean 0, deviation 1).
double gaussian(Random& random);
// Blends colour c with weight a into a pixel (straight, opaque result).
void blend(Pixel& p, const Colour& c, double a);
// A silhouette whose top edge is ridge(x), filled down to `bottom`.
void ridgeShape(cairo_t* cr, const std::function<double(double)>& ridge, double x0, double x1, double bottom);
// A fir: a trunk and layered drooping tiers, narrowing to a point.
void fir(cairo_t* cr, double x, double base, double h, Random& random);
// Firs standing on ground(x) from x0 to x1, about `spacing` apart, minH to maxH tall.
void forest(cairo_t* cr, const std::function<double(double)>& ground, double x0, double x1, double spacing,
            double minH, double maxH, std::uint64_t seed);

// How a full moon looks: its halo and glow, the light on its face, and the grey seas on it.
struct MoonLook
{
    double x = 0, y = 0, r = 0;
    double haloR = 0;
    Colour halo;
    double glowR = 0;
    Colour glow;
    double lightDx = 0, lightDy = 0, lightScale = 1; // the face's gradient, from its lit side
    Colour face[3];                                  // centre, 70 %, rim
    Colour sea;
    struct Sea
    {
        double dx, dy, r, a;
    };
    std::vector<Sea> seas;
};
// The moon, its halo added to what is under it.
void paintMoon(cairo_t* cr, const MoonLook& look);
} // namespace contentgen
