// Tests of pixel masks and of the pixel-exact hit and overlap tests.
#include "media/PixelMask.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace
{
using media::MaskCell;
using media::PixelMask;
using media::Placement;

// '#' is an opaque pixel, anything else transparent.
PixelMask maskFromRows(const std::vector<std::string>& rows)
{
    PixelMask mask(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x)
            mask.set(x, y, rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#');
    }
    return mask;
}

// A strip of three 4 x 3 cells; the middle one is an L, its neighbours fully opaque, so reading
// past the middle cell's edges shows up as a wrong hit.
const PixelMask& strip()
{
    static const PixelMask mask = maskFromRows({
        "#####...####",
        "#####...####",
        "#######.####",
    });
    return mask;
}

// The L: local pixels (0,0), (0,1), (0,2), (1,2), (2,2) are opaque; column 3 is transparent.
MaskCell lCell()
{
    return {&strip(), 4, 0, 4, 3};
}

Placement at(float x, float y)
{
    Placement placement;
    placement.x = x;
    placement.y = y;
    return placement;
}

Placement turned(Placement placement, float degrees)
{
    placement.rotation = degrees;
    return placement;
}

Placement scaled(Placement placement, float sx, float sy)
{
    placement.scaleX = sx;
    placement.scaleY = sy;
    return placement;
}

Placement withHandle(Placement placement, float hx, float hy)
{
    placement.handleX = hx;
    placement.handleY = hy;
    return placement;
}

TEST(PixelMask, BuildsFromAlphaAtTheThreshold)
{
    media::Image image(70, 2);
    image.pixel(0, 0)[3] = 127;
    image.pixel(1, 0)[3] = 128;
    image.pixel(64, 1)[3] = 255;
    image.pixel(69, 1)[3] = 200;
    PixelMask mask = PixelMask::fromImage(image);
    ASSERT_EQ(mask.width(), 70);
    ASSERT_EQ(mask.height(), 2);
    ASSERT_EQ(mask.wordsPerRow(), 2);
    EXPECT_FALSE(mask.test(0, 0));
    EXPECT_TRUE(mask.test(1, 0));
    EXPECT_EQ(mask.row(0)[0], std::uint64_t{2});
    EXPECT_EQ(mask.row(1)[1], (std::uint64_t{1} << 0) | (std::uint64_t{1} << 5));
    EXPECT_EQ(mask.row(1)[0], std::uint64_t{0});

    PixelMask lenient = PixelMask::fromImage(image, 100);
    EXPECT_TRUE(lenient.test(0, 0));
}

TEST(PixelMask, SetAndTestStayInside)
{
    PixelMask mask(3, 2);
    mask.set(2, 1, true);
    mask.set(3, 1, true);  // outside: ignored
    mask.set(-1, 0, true); // outside: ignored
    EXPECT_TRUE(mask.test(2, 1));
    EXPECT_FALSE(mask.test(3, 1));
    EXPECT_FALSE(mask.test(-1, 0));
    EXPECT_FALSE(mask.test(2, 2));
    EXPECT_EQ(mask.row(1)[0], std::uint64_t{4});
    mask.set(2, 1, false);
    EXPECT_FALSE(mask.test(2, 1));
    EXPECT_TRUE(PixelMask(0, 5).empty());
}

struct PointProbe
{
    const char* what;
    Placement placement;
    float px;
    float py;
    bool hit;
};

void PrintTo(const PointProbe& probe, std::ostream* out)
{
    *out << probe.what;
}

class MaskPointProbe : public testing::TestWithParam<PointProbe>
{};

TEST_P(MaskPointProbe, MatchesTheGeometry)
{
    const PointProbe& probe = GetParam();
    EXPECT_EQ(media::maskHitsPoint(lCell(), probe.placement, probe.px, probe.py), probe.hit)
        << probe.what << " at " << probe.px << "," << probe.py;
}

// The L placed with its handle (0,0) on (10, 20) unless said otherwise. "local (u,v)" names the
// cell pixel whose centre a screen pixel's centre lands on.
INSTANTIATE_TEST_SUITE_P(
    Unrotated, MaskPointProbe,
    testing::Values(PointProbe{"local (0,0)", at(10, 20), 10.5f, 20.5f, true},
                    PointProbe{"local (1,0)", at(10, 20), 11.5f, 20.5f, false},
                    PointProbe{"local (2,2)", at(10, 20), 12.9f, 22.1f, true},
                    PointProbe{"local (3,2), transparent column", at(10, 20), 13.5f, 22.5f, false},
                    PointProbe{"left of the cell", at(10, 20), 9.99f, 22.5f, false},
                    PointProbe{"corner of pixel (10,22)", at(10, 20), 10.0f, 22.0f, true},
                    PointProbe{"below the cell", at(10, 20), 12.5f, 23.0f, false},
                    PointProbe{"handle (2,1): local (0,0)", withHandle(at(10, 20), 2, 1), 8.5f, 19.5f, true},
                    PointProbe{"handle (2,1): local (2,2)", withHandle(at(10, 20), 2, 1), 10.5f, 21.5f, true},
                    PointProbe{"handle (2,1): local (2,0)", withHandle(at(10, 20), 2, 1), 10.5f, 19.5f,
                               false},
                    // The centre of pixel 10 lies on the cell's left edge at 10.5: it is inside.
                    PointProbe{"edge at a pixel centre", at(10.5f, 20), 10.5f, 20.5f, true},
                    PointProbe{"just past a pixel centre", at(10.51f, 20), 10.5f, 20.5f, false}));

// Quarter turns clockwise: at 90 degrees local (u,v) lands on screen (9 - v, 20 + u); at 180 on
// (9 - u, 19 - v); at -90 on (10 + v, 19 - u).
INSTANTIATE_TEST_SUITE_P(
    QuarterTurns, MaskPointProbe,
    testing::Values(PointProbe{"90: local (0,0)", turned(at(10, 20), 90), 9.5f, 20.5f, true},
                    PointProbe{"90: local (0,2)", turned(at(10, 20), 90), 7.5f, 20.5f, true},
                    PointProbe{"90: local (2,2)", turned(at(10, 20), 90), 7.5f, 22.5f, true},
                    PointProbe{"90: local (2,0)", turned(at(10, 20), 90), 9.5f, 22.5f, false},
                    PointProbe{"90: local (3,2)", turned(at(10, 20), 90), 7.5f, 23.5f, false},
                    PointProbe{"90: right of the handle", turned(at(10, 20), 90), 10.5f, 20.5f, false},
                    PointProbe{"180: local (0,0)", turned(at(10, 20), 180), 9.5f, 19.5f, true},
                    PointProbe{"180: local (2,2)", turned(at(10, 20), 180), 7.5f, 17.5f, true},
                    PointProbe{"180: local (0,2)", turned(at(10, 20), 180), 9.5f, 17.5f, true},
                    PointProbe{"180: local (2,0)", turned(at(10, 20), 180), 7.5f, 19.5f, false},
                    PointProbe{"180: local (3,2)", turned(at(10, 20), 180), 6.5f, 17.5f, false},
                    PointProbe{"-90: local (2,2)", turned(at(10, 20), -90), 12.5f, 17.5f, true},
                    PointProbe{"-90: local (0,2)", turned(at(10, 20), -90), 12.5f, 19.5f, true},
                    PointProbe{"-90: local (2,0)", turned(at(10, 20), -90), 10.5f, 17.5f, false},
                    PointProbe{"450 is 90: local (0,2)", turned(at(10, 20), 450), 7.5f, 20.5f, true},
                    // About handle (2,1), 90 degrees: local (u,v) lands on (10 - v, 18 + u).
                    PointProbe{"90 about (2,1): local (0,0)", turned(withHandle(at(10, 20), 2, 1), 90), 10.5f,
                               18.5f, true},
                    PointProbe{"90 about (2,1): local (2,2)", turned(withHandle(at(10, 20), 2, 1), 90), 8.5f,
                               20.5f, true},
                    PointProbe{"90 about (2,1): local (2,0)", turned(withHandle(at(10, 20), 2, 1), 90), 10.5f,
                               20.5f, false}));

// At 45 degrees the centre of screen pixel (X, Y) maps to u = (dx + dy) / sqrt 2,
// v = (dy - dx) / sqrt 2 with (dx, dy) = (X + 0.5 - 10, Y + 0.5 - 20).
INSTANTIATE_TEST_SUITE_P(
    FortyFive, MaskPointProbe,
    testing::Values(
        PointProbe{"(8,22) -> (0.71, 2.83): local (0,2)", turned(at(10, 20), 45), 8.5f, 22.5f, true},
        PointProbe{"(10,23) -> (2.83, 2.12): local (2,2)", turned(at(10, 20), 45), 10.5f, 23.5f, true},
        PointProbe{"(9,23) -> (2.12, 2.83): local (2,2)", turned(at(10, 20), 45), 9.5f, 23.5f, true},
        PointProbe{"(9,21) -> (0.71, 1.41): local (0,1)", turned(at(10, 20), 45), 9.5f, 21.5f, true},
        PointProbe{"(10,21) -> (1.41, 0.71): local (1,0)", turned(at(10, 20), 45), 10.5f, 21.5f, false},
        PointProbe{"(11,22) -> (2.83, 0.71): local (2,0)", turned(at(10, 20), 45), 11.5f, 22.5f, false},
        PointProbe{"(10,24) -> (3.54, 2.83): local (3,2)", turned(at(10, 20), 45), 10.5f, 24.5f, false},
        PointProbe{"(8,23) -> (1.41, 3.54): below", turned(at(10, 20), 45), 8.5f, 23.5f, false}));

// Scale 2: local (u,v) fills screen pixels 10 + 2u .. 11 + 2u. Scale 0.5 from (10.25, 20.25):
// screen pixel 10 samples local 0, pixel 11 local 2. Mirrored in x: pixel 9 - u.
INSTANTIATE_TEST_SUITE_P(
    Scaled, MaskPointProbe,
    testing::Values(
        PointProbe{"x2: local (0,0)", scaled(at(10, 20), 2, 2), 11.5f, 21.5f, true},
        PointProbe{"x2: local (1,0)", scaled(at(10, 20), 2, 2), 12.5f, 20.5f, false},
        PointProbe{"x2: local (2,2)", scaled(at(10, 20), 2, 2), 15.5f, 25.5f, true},
        PointProbe{"x2: local (3,2)", scaled(at(10, 20), 2, 2), 16.5f, 25.5f, false},
        PointProbe{"x2: local (0,2)", scaled(at(10, 20), 2, 2), 11.5f, 25.5f, true},
        PointProbe{"x2: below", scaled(at(10, 20), 2, 2), 15.5f, 26.5f, false},
        PointProbe{"x0.5: local (0,0)", scaled(at(10.25f, 20.25f), 0.5f, 0.5f), 10.5f, 20.5f, true},
        PointProbe{"x0.5: local (2,0)", scaled(at(10.25f, 20.25f), 0.5f, 0.5f), 11.5f, 20.5f, false},
        PointProbe{"x0.5: local (0,2)", scaled(at(10.25f, 20.25f), 0.5f, 0.5f), 10.5f, 21.5f, true},
        PointProbe{"x0.5: local (2,2)", scaled(at(10.25f, 20.25f), 0.5f, 0.5f), 11.5f, 21.5f, true},
        PointProbe{"x0.5: right", scaled(at(10.25f, 20.25f), 0.5f, 0.5f), 12.5f, 21.5f, false},
        PointProbe{"mirrored: local (0,0)", scaled(at(10, 20), -1, 1), 9.5f, 20.5f, true},
        PointProbe{"mirrored: local (2,2)", scaled(at(10, 20), -1, 1), 7.5f, 22.5f, true},
        PointProbe{"mirrored: local (2,0)", scaled(at(10, 20), -1, 1), 7.5f, 20.5f, false},
        PointProbe{"mirrored: unmirrored side", scaled(at(10, 20), -1, 1), 10.5f, 20.5f, false},
        PointProbe{"zero scale", scaled(at(10, 20), 0, 1), 10.0f, 20.5f, false},
        PointProbe{"zero scale", scaled(at(10, 20), 1, 0), 10.5f, 20.0f, false}));

struct PairCase
{
    const char* what;
    std::vector<std::string> first;
    Placement firstAt;
    std::vector<std::string> second;
    Placement secondAt;
    bool overlap;
};

const std::vector<std::string> square4 = {"####", "####", "####", "####"};
const std::vector<std::string> disc8 = {
    "..####..", ".######.", "########", "########", "########", "########", ".######.", "..####..",
};
const std::vector<std::string> dot = {"#"};
const std::vector<std::string> lShape = {"#...", "#...", "###."};

void PrintTo(const PairCase& pair, std::ostream* out)
{
    *out << pair.what;
}

class MaskPair : public testing::TestWithParam<PairCase>
{};

TEST_P(MaskPair, OverlapsExactlyWhenAPixelIsShared)
{
    const PairCase& pair = GetParam();
    PixelMask first = maskFromRows(pair.first);
    PixelMask second = maskFromRows(pair.second);
    EXPECT_EQ(
        media::masksOverlap(MaskCell::whole(first), pair.firstAt, MaskCell::whole(second), pair.secondAt),
        pair.overlap)
        << pair.what;
    EXPECT_EQ(
        media::masksOverlap(MaskCell::whole(second), pair.secondAt, MaskCell::whole(first), pair.firstAt),
        pair.overlap)
        << pair.what << " (swapped)";
}

INSTANTIATE_TEST_SUITE_P(
    MaskPairs, MaskPair,
    testing::Values(
        PairCase{"edges touch", square4, at(0, 0), square4, at(4, 0), false},
        PairCase{"edges touch vertically", square4, at(0, 0), square4, at(0, 4), false},
        PairCase{"one column shared", square4, at(0, 0), square4, at(3, 0), true},
        PairCase{"one pixel shared", square4, at(0, 0), square4, at(3, 3), true},
        PairCase{"a centre on the edge counts", square4, at(0, 0), square4, at(3.5f, 3.5f), true},
        PairCase{"past the centre", square4, at(0, 0), square4, at(3.51f, 0), false},
        PairCase{"half a pixel apart, one pixel each", square4, at(0, 0), square4, at(4.5f, 0), false},
        PairCase{"negative coordinates", square4, at(-7, -9), square4, at(-4, -6), true},
        PairCase{"transparent corners meet", disc8, at(0, 0), disc8, at(7, 7), false},
        PairCase{"transparent corners, deeper", disc8, at(0, 0), disc8, at(6, 6), false},
        PairCase{"discs side by side", disc8, at(0, 0), disc8, at(7, 0), true},
        PairCase{"dot inside the L's gap", lShape, at(10, 20), dot, at(12, 20), false},
        PairCase{"dot on the L's foot", lShape, at(10, 20), dot, at(12, 22), true},
        PairCase{"diamond clear of the square", square4, at(0, 0), square4,
                 turned(withHandle(at(6.9f, 2), 2, 2), 45), false},
        PairCase{"diamond tip in the square", square4, at(0, 0), square4,
                 turned(withHandle(at(5.5f, 2), 2, 2), 45), true},
        PairCase{"mirrored L reaches the dot", lShape, scaled(at(10, 20), -1, 1), dot, at(7, 22), true},
        PairCase{"mirrored L misses the dot", lShape, scaled(at(10, 20), -1, 1), dot, at(7, 20), false},
        PairCase{"doubled L covers (15,25)", lShape, scaled(at(10, 20), 2, 2), dot, at(15, 25), true},
        PairCase{"doubled L misses (13,21)", lShape, scaled(at(10, 20), 2, 2), dot, at(13, 21), false},
        PairCase{"zero scale covers nothing", square4, scaled(at(0, 0), 0, 1), square4, at(0, 0), false}));

// A strip cell covers only its own rectangle, never its neighbours' pixels.
TEST(MaskOverlap, StripCellStopsAtItsEdges)
{
    PixelMask dotMask = maskFromRows(dot);
    MaskCell dotCell = MaskCell::whole(dotMask);
    // Column 3 of the L is transparent, though the next cell's column 0 is opaque.
    EXPECT_FALSE(media::masksOverlap(lCell(), at(0, 0), dotCell, at(3, 0)));
    EXPECT_TRUE(media::masksOverlap(lCell(), at(0, 0), dotCell, at(0, 0)));
    // A cell reaching past the mask: the missing pixels are transparent.
    MaskCell overhanging{&strip(), 10, 0, 4, 3};
    EXPECT_TRUE(media::masksOverlap(overhanging, at(0, 0), dotCell, at(1, 2)));
    EXPECT_FALSE(media::masksOverlap(overhanging, at(0, 0), dotCell, at(2, 2)));
    EXPECT_FALSE(media::maskHitsPoint(overhanging, at(0, 0), 2.5f, 0.5f));
}

// --- Randomised comparison of the word-at-a-time path with the per-pixel rule -----------------

struct RandomScene
{
    PixelMask strip;
    std::vector<MaskCell> cells;
};

RandomScene randomScene(std::mt19937& random)
{
    // Three 21 x 13 cells in a 70-wide strip (cells straddle the 64-bit word boundary), blobs
    // of opaque pixels, plus cells reaching past the strip's edges.
    RandomScene scene{PixelMask(70, 13), {}};
    std::uniform_int_distribution<int> coin(0, 99);
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 70; ++x)
            scene.strip.set(x, y, coin(random) < 35);
    }
    for (int x : {0, 21, 42, 49})
        scene.cells.push_back({&scene.strip, x, 0, 21, 13});
    scene.cells.push_back({&scene.strip, 60, 2, 21, 13});
    scene.cells.push_back({&scene.strip, -5, -3, 12, 9});
    scene.cells.push_back({&scene.strip, 30, 4, 40, 5});
    return scene;
}

float randomCoordinate(std::mt19937& random, float low, float high)
{
    std::uniform_int_distribution<int> kind(0, 4);
    std::uniform_real_distribution<float> anywhere(low, high);
    float value = anywhere(random);
    switch (kind(random)) {
    case 0: return std::floor(value);
    case 1: return std::floor(value) + 0.5f;
    case 2: return std::floor(value) + 0.25f;
    default: return value;
    }
}

Placement randomPlacement(std::mt19937& random, bool transformed)
{
    Placement placement;
    placement.x = randomCoordinate(random, -10, 40);
    placement.y = randomCoordinate(random, -10, 25);
    placement.handleX = randomCoordinate(random, -3, 22);
    placement.handleY = randomCoordinate(random, -3, 14);
    if (transformed) {
        std::uniform_real_distribution<float> angle(-360, 360);
        std::uniform_real_distribution<float> scale(0.3f, 2.2f);
        std::uniform_int_distribution<int> sign(0, 3);
        placement.rotation = sign(random) == 0 ? 90.0f * static_cast<float>(sign(random)) : angle(random);
        placement.scaleX = scale(random) * (sign(random) == 0 ? -1.0f : 1.0f);
        placement.scaleY = scale(random) * (sign(random) == 0 ? -1.0f : 1.0f);
    }
    return placement;
}

// Turned half a turn and mirrored both ways: the same pixels, but not the unrotated shortcut.
Placement sameCoverageTheLongWay(Placement placement)
{
    placement.rotation = 180;
    placement.scaleX = -placement.scaleX;
    placement.scaleY = -placement.scaleY;
    return placement;
}

// A square around the placement holding every pixel the cell can cover, whatever the turn.
struct Reach
{
    int left, top, right, bottom;
};

Reach reachOf(const MaskCell& cell, const Placement& at)
{
    float across = std::max(std::fabs(at.handleX), std::fabs(static_cast<float>(cell.width) - at.handleX));
    float down = std::max(std::fabs(at.handleY), std::fabs(static_cast<float>(cell.height) - at.handleY));
    float radius = std::hypot(across, down) * std::max(std::fabs(at.scaleX), std::fabs(at.scaleY)) + 2;
    return {static_cast<int>(std::floor(at.x - radius)), static_cast<int>(std::floor(at.y - radius)),
            static_cast<int>(std::ceil(at.x + radius)), static_cast<int>(std::ceil(at.y + radius))};
}

// Whether any screen pixel is covered by both, asked one point at a time.
bool overlapByPoints(const MaskCell& a, const Placement& atA, const MaskCell& b, const Placement& atB)
{
    Reach ra = reachOf(a, atA);
    Reach rb = reachOf(b, atB);
    for (int y = std::max(ra.top, rb.top); y <= std::min(ra.bottom, rb.bottom); ++y) {
        for (int x = std::max(ra.left, rb.left); x <= std::min(ra.right, rb.right); ++x) {
            float px = static_cast<float>(x) + 0.5f;
            float py = static_cast<float>(y) + 0.5f;
            if (media::maskHitsPoint(a, atA, px, py) && media::maskHitsPoint(b, atB, px, py))
                return true;
        }
    }
    return false;
}

TEST(MaskOverlap, UnrotatedShortcutAgreesWithThePixelRule)
{
    std::mt19937 random(20240611);
    int overlaps = 0;
    int misses = 0;
    for (int round = 0; round < 40; ++round) {
        RandomScene scene = randomScene(random);
        std::uniform_int_distribution<std::size_t> pick(0, scene.cells.size() - 1);
        for (int pair = 0; pair < 60; ++pair) {
            const MaskCell& a = scene.cells[pick(random)];
            const MaskCell& b = scene.cells[pick(random)];
            Placement atA = randomPlacement(random, false);
            Placement atB = randomPlacement(random, false);
            bool quick = media::masksOverlap(a, atA, b, atB);
            bool general =
                media::masksOverlap(a, sameCoverageTheLongWay(atA), b, sameCoverageTheLongWay(atB));
            ASSERT_EQ(quick, general)
                << "round " << round << " pair " << pair << " a at " << atA.x << "," << atA.y << " handle "
                << atA.handleX << "," << atA.handleY << "; b at " << atB.x << "," << atB.y << " handle "
                << atB.handleX << "," << atB.handleY;
            if (pair % 6 == 0) {
                ASSERT_EQ(quick, overlapByPoints(a, atA, b, atB)) << "round " << round << " pair " << pair;
            }
            (quick ? overlaps : misses) += 1;
        }
    }
    // Both answers must be common, or the comparison proves little.
    EXPECT_GT(overlaps, 300);
    EXPECT_GT(misses, 300);
}

TEST(MaskOverlap, TransformedOverlapAgreesWithThePointTest)
{
    std::mt19937 random(77);
    int overlaps = 0;
    int misses = 0;
    for (int round = 0; round < 30; ++round) {
        RandomScene scene = randomScene(random);
        std::uniform_int_distribution<std::size_t> pick(0, scene.cells.size() - 1);
        for (int pair = 0; pair < 10; ++pair) {
            const MaskCell& a = scene.cells[pick(random)];
            const MaskCell& b = scene.cells[pick(random)];
            Placement atA = randomPlacement(random, true);
            Placement atB = randomPlacement(random, pair % 2 == 0);
            bool overlap = media::masksOverlap(a, atA, b, atB);
            ASSERT_EQ(overlap, overlapByPoints(a, atA, b, atB))
                << "round " << round << " pair " << pair << " rotations " << atA.rotation << ", "
                << atB.rotation;
            (overlap ? overlaps : misses) += 1;
        }
    }
    EXPECT_GT(overlaps, 40);
    EXPECT_GT(misses, 40);
}
} // namespace
