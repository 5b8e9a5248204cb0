// PlacedCell.cpp: mapping screen pixels back into placed mask cells.
#include "media/PlacedCell.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace media
{
namespace
{
// Positions and handles are kept within this many pixels of the origin, and the screen
// rectangles looked at within twice that: far beyond any screen, small enough that every
// coordinate below is an exact double.
constexpr double positionLimit = 268435456.0; // 2^28
constexpr double screenLimit = 2 * positionLimit;
constexpr double quantum = 65536.0;

double quantize(float value)
{
    double clamped = std::clamp(static_cast<double>(value), -positionLimit, positionLimit);
    return std::round(clamped * quantum) / quantum;
}

// Cosine and sine of a clockwise rotation; the quarter turns are exact.
void rotationOf(float degrees, double& cosine, double& sine)
{
    if (degrees == 0) {
        cosine = 1;
        sine = 0;
        return;
    }
    double turn = std::fmod(static_cast<double>(degrees), 360.0);
    if (turn < 0)
        turn += 360.0;
    if (turn == 0 || turn == 360) {
        cosine = 1;
        sine = 0;
    } else if (turn == 90) {
        cosine = 0;
        sine = 1;
    } else if (turn == 180) {
        cosine = -1;
        sine = 0;
    } else if (turn == 270) {
        cosine = 0;
        sine = -1;
    } else {
        double radians = turn * std::numbers::pi / 180.0;
        cosine = std::cos(radians);
        sine = std::sin(radians);
    }
}

std::int64_t screenFloor(double value)
{
    return static_cast<std::int64_t>(std::floor(std::clamp(value, -screenLimit, screenLimit)));
}

std::int64_t screenCeil(double value)
{
    return static_cast<std::int64_t>(std::ceil(std::clamp(value, -screenLimit, screenLimit)));
}

// `count` (1..64) pixels of a mask row from column `column` on, as the low bits of a word. The
// columns must lie inside the mask.
std::uint64_t rowBits(const std::uint64_t* row, int words, std::int64_t column, std::int64_t count)
{
    auto word = static_cast<int>(column >> 6);
    auto shift = static_cast<int>(column & 63);
    std::uint64_t bits = row[word] >> shift;
    if (shift != 0 && word + 1 < words)
        bits |= row[word + 1] << (64 - shift);
    if (count < 64)
        bits &= (std::uint64_t{1} << count) - 1;
    return bits;
}

// Narrows [from, to] to the columns where low <= base + slope * dx <= high, dx = X + 0.5 - x.
void narrowAxis(double base, double slope, int low, int high, double size, double reachX, double x,
                std::int64_t& from, std::int64_t& to)
{
    if (from > to)
        return;
    // Far wider than any rounding in covers() or here, yet far below a pixel.
    double slack = 1e-9 * (size + std::fabs(slope) * reachX + low + high + 1); // low, high >= 0
    double lowest = low - slack;
    double highest = high + slack;
    if (slope == 0) {
        if (!(base >= lowest && base <= highest))
            to = from - 1;
        return;
    }
    double t0 = (lowest - base) / slope;
    double t1 = (highest - base) / slope;
    if (t0 > t1)
        std::swap(t0, t1);
    // dx = X + 0.5 - x lies in [t0, t1]; one pixel more each way for the rounding of floor and ceil.
    from = std::max(from, screenFloor(t0 + x - 0.5) - 1);
    to = std::min(to, screenCeil(t1 + x - 0.5) + 1);
}

// Narrows [from, to] on screen row `screenY` (of the search rectangle's columns [left, right])
// to the columns the cell can cover, with room to spare for rounding.
void narrowRow(const PlacedCell& p, std::int64_t screenY, std::int64_t left, std::int64_t right,
               std::int64_t& from, std::int64_t& to)
{
    double dy = (static_cast<double>(screenY) + 0.5) - p.y;
    double reachX = std::max(std::fabs((static_cast<double>(left) + 0.5) - p.x),
                             std::fabs((static_cast<double>(right) + 0.5) - p.x));
    // Along the row, u = handleX + dy * b + dx * a and v = handleY + dy * d + dx * c.
    narrowAxis(p.handleX + dy * p.b, p.a, p.u0, p.u1, std::fabs(p.handleX) + std::fabs(dy * p.b), reachX, p.x,
               from, to);
    narrowAxis(p.handleY + dy * p.d, p.c, p.v0, p.v1, std::fabs(p.handleY) + std::fabs(dy * p.d), reachX, p.x,
               from, to);
}

bool overlapUnrotated(const PlacedCell& p, const PlacedCell& q, std::int64_t left, std::int64_t top,
                      std::int64_t right, std::int64_t bottom)
{
    std::int64_t span = right - left + 1;
    std::int64_t pColumn = p.originX + (left - p.ix);
    std::int64_t qColumn = q.originX + (left - q.ix);
    for (std::int64_t y = top; y <= bottom; ++y) {
        const std::uint64_t* pRow = p.mask->row(static_cast<int>(p.originY + (y - p.iy)));
        const std::uint64_t* qRow = q.mask->row(static_cast<int>(q.originY + (y - q.iy)));
        for (std::int64_t done = 0; done < span; done += 64) {
            std::int64_t count = std::min<std::int64_t>(64, span - done);
            if ((rowBits(pRow, p.mask->wordsPerRow(), pColumn + done, count)
                 & rowBits(qRow, q.mask->wordsPerRow(), qColumn + done, count))
                != 0)
                return true;
        }
    }
    return false;
}
} // namespace

PlacedCell PlacedCell::place(const MaskCell& cell, const Placement& at)
{
    PlacedCell placed;
    if (cell.empty() || cell.mask->empty())
        return placed;
    // Only the part of the cell inside the mask can be opaque.
    std::int64_t u0 = std::max<std::int64_t>(0, -std::int64_t{cell.x});
    std::int64_t u1 = std::min<std::int64_t>(cell.width, std::int64_t{cell.mask->width()} - cell.x);
    std::int64_t v0 = std::max<std::int64_t>(0, -std::int64_t{cell.y});
    std::int64_t v1 = std::min<std::int64_t>(cell.height, std::int64_t{cell.mask->height()} - cell.y);
    if (u0 >= u1 || v0 >= v1)
        return placed;
    for (float value : {at.x, at.y, at.handleX, at.handleY, at.scaleX, at.scaleY, at.rotation}) {
        if (!std::isfinite(value))
            return placed;
    }
    if (at.scaleX == 0 || at.scaleY == 0)
        return placed;

    placed.originX = cell.x;
    placed.originY = cell.y;
    placed.u0 = static_cast<int>(u0);
    placed.u1 = static_cast<int>(u1);
    placed.v0 = static_cast<int>(v0);
    placed.v1 = static_cast<int>(v1);
    placed.x = quantize(at.x);
    placed.y = quantize(at.y);
    placed.handleX = quantize(at.handleX);
    placed.handleY = quantize(at.handleY);
    double cosine = 1;
    double sine = 0;
    rotationOf(at.rotation, cosine, sine);
    double scaleX = at.scaleX;
    double scaleY = at.scaleY;
    placed.a = cosine / scaleX;
    placed.b = sine / scaleX;
    placed.c = -sine / scaleY;
    placed.d = cosine / scaleY;
    placed.identity = cosine == 1 && sine == 0 && scaleX == 1 && scaleY == 1;

    if (placed.identity) {
        // Pixel X's centre lands at local u = X + (handleX + 0.5 - x), exactly.
        placed.ix = -static_cast<std::int64_t>(std::floor(placed.handleX + 0.5 - placed.x));
        placed.iy = -static_cast<std::int64_t>(std::floor(placed.handleY + 0.5 - placed.y));
        placed.left = placed.ix + u0;
        placed.right = placed.ix + u1 - 1;
        placed.top = placed.iy + v0;
        placed.bottom = placed.iy + v1 - 1;
    } else {
        double minX = screenLimit, maxX = -screenLimit, minY = screenLimit, maxY = -screenLimit;
        for (double u : {static_cast<double>(u0), static_cast<double>(u1)}) {
            for (double v : {static_cast<double>(v0), static_cast<double>(v1)}) {
                double du = (u - placed.handleX) * scaleX;
                double dv = (v - placed.handleY) * scaleY;
                double sx = placed.x + du * cosine - dv * sine;
                double sy = placed.y + du * sine + dv * cosine;
                minX = std::min(minX, sx);
                maxX = std::max(maxX, sx);
                minY = std::min(minY, sy);
                maxY = std::max(maxY, sy);
            }
        }
        // One pixel of slack each way: covers() decides, the rectangle only limits the search.
        placed.left = screenFloor(minX) - 1;
        placed.right = screenCeil(maxX) + 1;
        placed.top = screenFloor(minY) - 1;
        placed.bottom = screenCeil(maxY) + 1;
    }
    placed.mask = cell.mask;
    return placed;
}

bool PlacedCell::covers(std::int64_t screenX, std::int64_t screenY) const
{
    if (mask == nullptr || screenX < left || screenX > right || screenY < top || screenY > bottom)
        return false;
    double dx = (static_cast<double>(screenX) + 0.5) - x;
    double dy = (static_cast<double>(screenY) + 0.5) - y;
    double u = handleX + (dx * a + dy * b);
    double v = handleY + (dx * c + dy * d);
    if (!(u >= u0 && u < u1 && v >= v0 && v < v1))
        return false;
    return mask->test(originX + static_cast<int>(std::floor(u)), originY + static_cast<int>(std::floor(v)));
}

bool PlacedCell::overlap(const PlacedCell& first, const PlacedCell& second)
{
    if (first.empty() || second.empty())
        return false;
    std::int64_t left = std::max(first.left, second.left);
    std::int64_t right = std::min(first.right, second.right);
    std::int64_t top = std::max(first.top, second.top);
    std::int64_t bottom = std::min(first.bottom, second.bottom);
    if (left > right || top > bottom)
        return false;
    if (first.identity && second.identity)
        return overlapUnrotated(first, second, left, top, right, bottom);
    for (std::int64_t y = top; y <= bottom; ++y) {
        std::int64_t from = left;
        std::int64_t to = right;
        narrowRow(first, y, left, right, from, to);
        narrowRow(second, y, left, right, from, to);
        for (std::int64_t x = from; x <= to; ++x) {
            if (first.covers(x, y) && second.covers(x, y))
                return true;
        }
    }
    return false;
}
} // namespace media
