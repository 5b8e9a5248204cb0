// A renderer that keeps a frame's drawing until the frame ends draws nothing for a frame that
// asks for exactly what the last one drew, and draws every frame that differs in any way.
#include "media/Renderer.hpp"

#include "media/PictureCache.hpp"
#include "media/null/NullRenderer.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace
{
using namespace media;

Picture picture(NullRenderer& r, int w, int h, bool opaque = false)
{
    Image image(w, h);
    if (opaque) {
        for (std::size_t i = 3; i < image.rgba.size(); i += 4)
            image.rgba[i] = 255;
    }
    return makePicture(r, image, Filtered, "");
}

// What one frame of a small screen looks like.
struct Look
{
    float x = 10;
    float alpha = 0.5f;
    int red = 255;
    Blend blend = Blend::Alpha;
    bool otherPicture = false;
    std::optional<CellRect> clip;
    bool extraRect = false;
};

void drawFrame(NullRenderer& r, const Picture& a, const Picture& b, const Look& look)
{
    r.cls();
    if (look.clip)
        r.setViewport(look.clip->x, look.clip->y, look.clip->width, look.clip->height);
    r.setColor(look.red, 200, 100);
    r.setAlpha(look.alpha);
    r.setBlend(look.blend);
    r.drawPicture(look.otherPicture ? b : a, look.x, 20);
    if (look.extraRect)
        r.drawRect(0, 0, 5, 5);
    r.setViewport(0, 0, Renderer::logicalWidth, Renderer::logicalHeight);
}

TEST(FrameRepeat, DrawingWaitsForTheFramesEndAndARepeatIsNotDrawn)
{
    NullRenderer r(true);
    Picture a = picture(r, 40, 30);
    Picture b = picture(r, 40, 30);
    drawFrame(r, a, b, {});
    EXPECT_EQ(r.drawCalls(), 0); // kept, not drawn yet
    EXPECT_TRUE(r.endFrame());
    EXPECT_EQ(r.drawCalls(), 1);
    EXPECT_EQ(r.clears(), 1);
    for (int i = 0; i < 3; ++i) {
        drawFrame(r, a, b, {});
        EXPECT_FALSE(r.endFrame());
    }
    EXPECT_EQ(r.drawCalls(), 1);
    EXPECT_EQ(r.clears(), 1);
}

TEST(FrameRepeat, AnyDifferenceDrawsTheFrame)
{
    const std::pair<const char*, std::function<void(Look&)>> changes[] = {
        {"moved a tenth of a pixel", [](Look& l) { l.x = 10.1f; }},
        {"another alpha", [](Look& l) { l.alpha = 0.6f; }},
        {"another colour", [](Look& l) { l.red = 254; }},
        {"another blend", [](Look& l) { l.blend = Blend::Light; }},
        {"another picture of the same size", [](Look& l) { l.otherPicture = true; }},
        {"clipped",
         [](Look& l) {
             l.clip = CellRect{0, 0, 100, 100};
         }},
        {"one more rectangle", [](Look& l) { l.extraRect = true; }},
    };
    for (const auto& [what, change] : changes) {
        Look look;
        change(look);
        NullRenderer r(true);
        Picture a = picture(r, 40, 30);
        Picture b = picture(r, 40, 30);
        drawFrame(r, a, b, {});
        r.endFrame();
        const int before = r.drawCalls();
        drawFrame(r, a, b, look);
        EXPECT_TRUE(r.endFrame()) << what;
        EXPECT_GT(r.drawCalls(), before) << what;
        // ... and going back is a change too.
        drawFrame(r, a, b, {});
        EXPECT_TRUE(r.endFrame()) << what;
    }
}

TEST(FrameRepeat, APictureMadeWhereAnOldOneWasIsNotTakenForIt)
{
    // A new texture may well get the address of one just freed: the frame drawn with it must be
    // drawn even though its calls look the same.
    NullRenderer r(true);
    for (int i = 0; i < 20; ++i) {
        Picture p = picture(r, 40, 30);
        const int before = r.drawCalls();
        r.cls();
        r.drawPicture(p, 10, 20);
        EXPECT_TRUE(r.endFrame()) << "frame " << i;
        EXPECT_EQ(r.drawCalls(), before + 1);
    }
}

TEST(FrameRepeat, APictureGoingAwayMidFrameIsDrawnFirst)
{
    NullRenderer r(true);
    std::optional<Picture> p = picture(r, 40, 30);
    r.cls();
    r.drawPicture(*p, 10, 20);
    EXPECT_EQ(r.drawCalls(), 0);
    p.reset(); // the last holder lets go while the frame still needs it
    EXPECT_EQ(r.drawCalls(), 1);
    EXPECT_TRUE(r.endFrame());
    EXPECT_EQ(r.drawCalls(), 1);
}

TEST(FrameRepeat, ReadingTheFrameDrawsWhatWaitsAndTheFrameCountsAsDrawn)
{
    NullRenderer r(true);
    Picture a = picture(r, 40, 30);
    auto frame = [&] {
        r.cls();
        r.drawPicture(a, 10, 20);
    };
    frame();
    r.endFrame();
    frame();
    r.readFrame(0, 0, 10, 10);
    EXPECT_EQ(r.drawCalls(), 2);
    EXPECT_TRUE(r.endFrame());
}

TEST(FrameRepeat, AClearHiddenByAnOpaquePictureOverTheWholeFrameIsSkipped)
{
    struct Case
    {
        const char* what;
        bool opaque;
        float x, alpha, scale;
        int clears;
    };
    const Case cases[] = {
        {"opaque over everything", true, 0, 1, 1, 0},
        {"a pixel short of the left edge", true, 1, 1, 1, 1},
        {"see-through picture", false, 0, 1, 1, 1},
        {"drawn half strong", true, 0, 0.5f, 1, 1},
        {"a whole pixel smaller", true, 0, 1, 0.999f, 1},
    };
    for (const Case& c : cases) {
        NullRenderer r(true);
        Picture backdrop = picture(r, Renderer::logicalWidth, Renderer::logicalHeight, c.opaque);
        backdrop.setHandle(0, 0);
        r.cls();
        r.setAlpha(c.alpha);
        r.setScale(c.scale, c.scale);
        r.drawPicture(backdrop, c.x, 0);
        r.endFrame();
        EXPECT_EQ(r.clears(), c.clears) << c.what;
        EXPECT_EQ(r.drawCalls(), 1) << c.what;
    }
}

TEST(FrameRepeat, ARendererThatDoesNotDeferDrawsAtOnceAndEveryFrameCounts)
{
    NullRenderer r;
    Picture a = picture(r, 40, 30);
    for (int i = 1; i <= 2; ++i) {
        r.drawPicture(a, 10, 20);
        EXPECT_EQ(r.drawCalls(), i);
        EXPECT_TRUE(r.endFrame());
    }
}
} // namespace
