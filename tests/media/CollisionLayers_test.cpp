// Tests of the pixel collision layers.
#include "media/CollisionLayers.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using media::CollisionLayers;
using media::MaskCell;
using media::PixelMask;
using media::Placement;

PixelMask opaque(int width, int height)
{
    PixelMask mask(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            mask.set(x, y, true);
    }
    return mask;
}

// 10 x 10 with its top-left 5 x 5 corner transparent.
PixelMask notched()
{
    PixelMask mask = opaque(10, 10);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x)
            mask.set(x, y, false);
    }
    return mask;
}

Placement at(float x, float y, float rotation = 0)
{
    Placement placement;
    placement.x = x;
    placement.y = y;
    placement.rotation = rotation;
    return placement;
}

class CollisionLayersTest : public testing::Test
{
protected:
    PixelMask square = opaque(10, 10);
    PixelMask notch = notched();
    PixelMask probeMask = opaque(4, 4);
    MaskCell squareCell = MaskCell::whole(square);
    MaskCell probe = MaskCell::whole(probeMask);
    // Tags: the addresses of these names.
    const std::string first = "first", second = "second", third = "third", far = "far";
};

TEST_F(CollisionLayersTest, ReturnsOverlappedCellsOfTheChosenLayersInWriteOrder)
{
    CollisionLayers layers;
    // Written out of alphabetical order on purpose: the answer keeps the write order.
    layers.write(squareCell, at(0, 0), 0b11, &third);
    layers.write(squareCell, at(5, 5), 0b01, &first);
    layers.write(squareCell, at(8, 0), 0b10, &second);
    layers.write(squareCell, at(100, 100), 0b01, &far);
    ASSERT_EQ(layers.size(), 4u);

    // The probe covers screen pixels 7..10 x 7..10: every cell but the far one reaches there.
    struct Case
    {
        std::uint32_t selected;
        std::vector<const void*> expected;
    };
    const std::vector<Case> cases = {
        {0b01, {&third, &first}},
        {0b10, {&third, &second}},
        {0b11, {&third, &first, &second}},
        {0b100, {}},
        {0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layers.test(probe, at(7, 7), c.selected), c.expected) << "layers " << c.selected;
}

TEST_F(CollisionLayersTest, TestsPixelsNotRectangles)
{
    CollisionLayers layers;
    layers.write(MaskCell::whole(notch), at(10, 10), 1, &first);
    // Inside the notch's bounding box but over its transparent corner.
    EXPECT_TRUE(layers.test(probe, at(10, 10), 1).empty());
    EXPECT_TRUE(layers.test(probe, at(7, 7), 1).empty());
    // Moved right until its last column reaches the first opaque column (screen x 15).
    EXPECT_TRUE(layers.test(probe, at(11, 10), 1).empty());
    EXPECT_EQ(layers.test(probe, at(12, 10), 1), std::vector<const void*>{&first});
}

TEST_F(CollisionLayersTest, FindsTurnedCellsWhereTheyReallyAre)
{
    CollisionLayers layers;
    // Turned a quarter clockwise about its top-left corner, the square spans x -10..0, y 0..10.
    layers.write(squareCell, at(0, 0, 90), 1, &first);
    EXPECT_EQ(layers.test(probe, at(-6, 3), 1), std::vector<const void*>{&first});
    EXPECT_TRUE(layers.test(probe, at(2, 3), 1).empty());
    EXPECT_TRUE(layers.test(probe, at(-6, -6), 1).empty());
}

TEST_F(CollisionLayersTest, ResetForgetsEverything)
{
    CollisionLayers layers;
    layers.write(squareCell, at(0, 0), 1, &first);
    EXPECT_EQ(layers.test(probe, at(0, 0), 1).size(), 1u);
    layers.reset();
    EXPECT_EQ(layers.size(), 0u);
    EXPECT_TRUE(layers.test(probe, at(0, 0), 1).empty());
}

TEST_F(CollisionLayersTest, CellsThatCoverNothingMeetNothing)
{
    CollisionLayers layers;
    Placement flat = at(0, 0);
    flat.scaleY = 0;
    layers.write(squareCell, flat, 1, &first);
    layers.write(MaskCell{}, at(0, 0), 1, &second);
    EXPECT_EQ(layers.size(), 2u);
    EXPECT_TRUE(layers.test(probe, at(0, 0), 1).empty());
    EXPECT_TRUE(layers.test(probe, flat, 1).empty());
}
} // namespace
