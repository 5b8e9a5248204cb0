// Where pictures land: handles, scale, mirroring, rotation centre, origin and smaller copies.
#include "media/Renderer.hpp"

#include "media/PictureCache.hpp"
#include "media/null/NullRenderer.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace media;

Picture square(NullRenderer& r, int w, int h, unsigned flags = Filtered)
{
    return makePicture(r, Image(w, h), flags, "");
}

TEST(Renderer, HandleLandsOnThePositionAtAnyScale)
{
    NullRenderer r;
    Picture p = square(r, 40, 30);
    p.setHandle(10, 20);
    r.setScale(2, 3);
    r.setRotation(45);
    r.drawPicture(p, 100, 100);
    const auto& s = r.lastSprite();
    EXPECT_FLOAT_EQ(s.x, 80); // 100 - 10 x 2
    EXPECT_FLOAT_EQ(s.y, 40); // 100 - 20 x 3
    EXPECT_FLOAT_EQ(s.w, 80);
    EXPECT_FLOAT_EQ(s.h, 90);
    // It turns about the handle.
    EXPECT_FLOAT_EQ(s.x + s.centerX, 100);
    EXPECT_FLOAT_EQ(s.y + s.centerY, 100);
    EXPECT_FLOAT_EQ(s.angle, 45);
}

TEST(Renderer, MirroredPictureKeepsItsHandleInPlace)
{
    NullRenderer r;
    Picture p = square(r, 40, 30);
    p.setHandle(10, 0);
    r.setScale(-1, 1);
    r.drawPicture(p, 100, 50);
    const auto& s = r.lastSprite();
    EXPECT_TRUE(s.flipX);
    EXPECT_FALSE(s.flipY);
    // Mirrored about x = 100: the far side (30 pixels from the handle) now lies to the left.
    EXPECT_FLOAT_EQ(s.x, 70);
    EXPECT_FLOAT_EQ(s.w, 40);
    EXPECT_FLOAT_EQ(s.x + s.centerX, 100);
}

TEST(Renderer, OriginMovesDrawingAndCellsPickTheirPartOfTheSheet)
{
    NullRenderer r;
    Image sheet(300, 40);
    PictureCache cache(r);
    Picture strip = makePicture(r, sheet, Filtered, "");
    ASSERT_EQ(strip.frames(), 1);
    r.setOrigin(5, 7);
    r.drawPicture(strip, 0, 0);
    EXPECT_FLOAT_EQ(r.lastSprite().x, 5);
    EXPECT_FLOAT_EQ(r.lastSprite().y, 7);
    r.drawSubPicture(strip, 10, 10, 30, 20, 100, 10, 30, 20);
    EXPECT_EQ(r.lastSprite().source.x, 100);
    EXPECT_EQ(r.lastSprite().source.y, 10);
    EXPECT_EQ(r.lastSprite().source.width, 30);
    // A part asked for beyond the picture is cut to it.
    r.drawSubPicture(strip, 0, 0, 50, 50, 280, 0, 50, 50);
    EXPECT_EQ(r.lastSprite().source.width, 20);
    EXPECT_EQ(r.lastSprite().source.height, 40);
}

TEST(Renderer, MipMappedPicturesDrawFromTheSmallestCopyThatIsLargeEnough)
{
    NullRenderer r;
    Picture p = square(r, 256, 128, Filtered | MipMapped);
    ASSERT_GE(p.data()->levels.size(), 4u);
    struct Case
    {
        float scale;
        int sourceWidth;
    };
    for (Case c : {Case{1, 256}, Case{0.6f, 256}, Case{0.5f, 128}, Case{0.3f, 128}, Case{0.25f, 64},
                   Case{0.1f, 32}, Case{0.05f, 16}, Case{0.01f, 16}}) {
        r.setScale(c.scale, c.scale);
        r.drawPicture(p, 0, 0);
        EXPECT_EQ(r.lastSprite().source.width, c.sourceWidth) << "scale " << c.scale;
        EXPECT_FLOAT_EQ(r.lastSprite().w, 256 * c.scale);
    }
}

TEST(Renderer, NothingIsDrawnThatCannotBeSeen)
{
    NullRenderer r;
    Picture p = square(r, 4, 4);
    Picture empty;
    r.drawPicture(empty, 0, 0);
    r.setAlpha(0);
    r.drawPicture(p, 0, 0);
    r.drawRect(0, 0, 10, 10);
    r.setAlpha(1);
    r.setScale(0, 1);
    r.drawPicture(p, 0, 0);
    EXPECT_EQ(r.drawCalls(), 0);
}

TEST(Renderer, StateIsClampedAndSticks)
{
    NullRenderer r;
    r.setColor(300, -5, 128);
    r.setAlpha(2);
    EXPECT_EQ(r.state().red, 255);
    EXPECT_EQ(r.state().green, 0);
    EXPECT_EQ(r.state().blue, 128);
    EXPECT_EQ(r.state().alpha, 1.0f);
    r.setBlend(Blend::Light);
    r.drawRect(0, 0, 1, 1);
    EXPECT_EQ(r.lastState().blend, Blend::Light);
}
} // namespace
