// SDL's software renderer (headless) with the renderer's shortcuts (stretched copies kept, its
// own blending) gives exactly the pixels SDL gives without them, whatever is drawn where.
#include "media/FontCache.hpp"
#include "media/PictureCache.hpp"
#include "media/Platform.hpp"
#include "media/Renderer.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

namespace
{
using namespace media;

// A soft round spot with some colour, as the particles are.
Image spot(int size)
{
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            const float dx = (x + 0.5f) / size - 0.5f;
            const float dy = (y + 0.5f) / size - 0.5f;
            const float d = 1 - 2 * std::sqrt(dx * dx + dy * dy);
            p[0] = static_cast<std::uint8_t>(120 + x * 135 / size);
            p[1] = static_cast<std::uint8_t>(200 - y * 150 / size);
            p[2] = 230;
            p[3] = static_cast<std::uint8_t>(d > 0 ? d * 255 : 0);
        }
    }
    return image;
}

// Draws the scene with the renderer's shortcuts on or off and reads the frame.
Image drawn(bool keep, const std::function<void(Renderer&, const Picture&, const Picture&)>& scene)
{
    PlatformOptions options;
    options.backend = Backend::Headless;
    options.seed = 1;
    std::string error;
    std::unique_ptr<Platform> platform = createPlatform(options, error);
    EXPECT_TRUE(platform) << error;
    if (!platform)
        return {};
    Renderer& r = platform->renderer();
    r.useShortcuts(keep);
    Image opaqueImage(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            std::uint8_t* p = opaqueImage.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 6);
            p[1] = static_cast<std::uint8_t>(y * 8);
            p[2] = 90;
            p[3] = 255;
        }
    Picture soft = makePicture(r, spot(24), Filtered, "");
    Picture opaque = makePicture(r, opaqueImage, Filtered, "");
    r.setClearColor(20, 30, 60);
    // Twice, so the second frame draws from copies the first one made.
    Image frame;
    for (int i = 0; i < 2; ++i) {
        r.cls();
        scene(r, soft, opaque);
        frame = r.readFrame(0, 0, Renderer::logicalWidth, Renderer::logicalHeight);
        r.endFrame();
    }
    return frame;
}

TEST(SoftwareShortcuts, GiveTheSamePixelsAsSdlsOwnWay)
{
    const std::pair<const char*, std::function<void(Renderer&, const Picture&, const Picture&)>> scenes[] = {
        {"grown and shrunk, light and alpha",
         [](Renderer& r, const Picture& soft, const Picture&) {
             for (int i = 0; i < 40; ++i) {
                 r.setBlend(i % 3 ? Blend::Light : Blend::Alpha);
                 r.setColor(255, 120 + i * 3, 255 - i * 4);
                 r.setAlpha(0.2f + i * 0.02f);
                 r.setScale(0.3f + i * 0.11f, 0.3f + i * 0.11f);
                 r.drawPicture(soft, 30.5f + i * 24.3f, 100.25f + (i % 7) * 40);
             }
         }},
        {"stretched one way only, as the title's halo",
         [](Renderer& r, const Picture& soft, const Picture&) {
             r.setBlend(Blend::Light);
             r.setAlpha(0.3f);
             r.setScale(3.2f, 0.9f);
             r.drawPicture(soft, 512, 300);
         }},
        {"half off every edge",
         [](Renderer& r, const Picture& soft, const Picture&) {
             r.setScale(2.7f, 2.7f);
             for (auto [x, y] : {std::pair{-10.7f, 300.f}, {1030.4f, 200.f}, {400.f, -12.2f}, {600.f, 770.f}})
                 r.drawPicture(soft, x, y);
         }},
        {"inside, across and outside a clip",
         [](Renderer& r, const Picture& soft, const Picture& opaque) {
             r.setViewport(200, 150, 300, 200);
             r.setScale(1.9f, 1.9f);
             r.drawPicture(soft, 350, 250);
             r.drawPicture(soft, 205, 160);
             r.drawPicture(soft, 495, 340);
             r.drawPicture(opaque, 480, 140);
             r.setViewport(0, 0, Renderer::logicalWidth, Renderer::logicalHeight);
         }},
        {"plain blends, whole, at the edges and across a clip",
         [](Renderer& r, const Picture& soft, const Picture&) {
             for (auto [x, y] : {std::pair{100.f, 100.f},
                                 {-11.5f, 300.f},
                                 {1015.3f, 200.f},
                                 {300.f, 760.2f},
                                 {-23.5f, 50.f},
                                 {1035.99f, 50.f}})
                 r.drawPicture(soft, x, y);
             r.setViewport(500, 500, 40, 40);
             r.drawPicture(soft, 505, 530);
             r.setViewport(0, 0, Renderer::logicalWidth, Renderer::logicalHeight);
         }},
        {"a plain blend of a picture drawn stretched before",
         [](Renderer& r, const Picture& soft, const Picture&) {
             r.drawPicture(soft, 100, 100);
             r.setScale(1.5f, 1.5f);
             r.drawPicture(soft, 200, 100);
             r.setScale(1, 1);
             r.drawPicture(soft, 300, 100);
         }},
        {"modulated and added, whole",
         [](Renderer& r, const Picture& soft, const Picture&) {
             r.setColor(255, 90, 30);
             r.drawPicture(soft, 100, 100);
             r.setColor(255, 255, 255);
             r.setAlpha(0.37f);
             r.drawPicture(soft, 150, 100);
             r.setBlend(Blend::Light);
             for (int i = 0; i < 12; ++i)
                 r.drawPicture(soft, 200, 100); // until the light saturates
             r.setColor(40, 200, 255);
             r.drawPicture(soft, 250, 100);
         }},
        {"words",
         [](Renderer& r, const Picture&, const Picture&) {
             Font& font = fonts().get(40);
             r.drawText(font, "Eldmere by the still water", 100, 100);
             r.setColor(236, 200, 120);
             r.setAlpha(0.8f);
             r.drawText(font, "Begin the quest", 120.4f, 300.7f);
             r.setScale(1.3f, 1.3f);
             r.drawText(font, "Larger", 100, 500);
         }},
        {"three hundred pictures of every kind, anywhere",
         [](Renderer& r, const Picture& soft, const Picture& opaque) {
             std::mt19937 random(7);
             auto uniform = [&](float a, float b) {
                 return std::uniform_real_distribution<float>(a, b)(random);
             };
             for (int i = 0; i < 300; ++i) {
                 const int kind = static_cast<int>(random() % 4);
                 r.setBlend(random() % 2 ? Blend::Light : Blend::Alpha);
                 r.setColor(random() % 3 ? 255 : static_cast<int>(random() % 256),
                            static_cast<int>(random() % 256), 255);
                 r.setAlpha(random() % 3 ? 1.0f : uniform(0, 1));
                 const float scale = kind == 0 ? 1.0f : uniform(0.2f, 3.5f);
                 r.setScale(scale, kind == 3 ? scale * 0.6f : scale);
                 r.setRotation(kind == 2 ? uniform(0, 360) : 0);
                 if (random() % 5 == 0)
                     r.setViewport(static_cast<int>(random() % 800), static_cast<int>(random() % 600), 150,
                                   120);
                 r.drawPicture(random() % 4 ? soft : opaque, uniform(-60, 1084), uniform(-60, 828));
                 r.setViewport(0, 0, Renderer::logicalWidth, Renderer::logicalHeight);
             }
         }},
        {"turned every way, stretched or not, at the edges and across a clip",
         [](Renderer& r, const Picture& soft, const Picture& opaque) {
             int i = 0;
             for (float angle :
                  {0.5f, 17.0f, 44.99f, 89.9f, 90.0f, 135.0f, 180.0f, 200.3f, 300.0f, -30.0f, 725.0f}) {
                 r.setRotation(angle);
                 r.setBlend(i % 2 ? Blend::Light : Blend::Alpha);
                 r.setColor(255, i % 3 ? 255 : 120, 255);
                 r.setAlpha(i % 4 ? 1.0f : 0.6f);
                 r.setScale(i % 3 ? 1.0f : 2.3f, i % 3 ? 1.0f : 1.7f);
                 r.drawPicture(i % 5 ? soft : opaque, 60.3f + i * 85, 200.6f);
                 ++i;
             }
             r.setRotation(33);
             r.setScale(3, 3);
             for (auto [x, y] : {std::pair{-5.5f, 400.f}, {1020.f, 400.f}, {500.f, -4.f}, {500.f, 765.f}})
                 r.drawPicture(soft, x, y);
             r.setViewport(300, 500, 100, 60);
             r.drawPicture(soft, 310, 510);
             r.setViewport(0, 0, Renderer::logicalWidth, Renderer::logicalHeight);
             // A part of the picture, at its own size and stretched.
             r.setScale(1, 1);
             r.drawSubPicture(opaque, 700, 600, 20, 15, 5, 5, 20, 15);
             r.drawSubPicture(soft, 760, 600, 12, 10, 6, 7, 12, 10);
             r.setScale(2, 2);
             r.drawSubPicture(soft, 820, 600, 30, 22, 6, 7, 12, 10);
         }},
        {"rectangles filled, blended and added, anywhere",
         [](Renderer& r, const Picture& soft, const Picture&) {
             r.setScale(2, 2);
             r.drawPicture(soft, 100, 100); // something under the veils
             r.setScale(1, 1);
             r.setColor(10, 20, 40);
             r.setAlpha(0.55f);
             r.drawRect(0, 0, 1024, 768);
             int i = 0;
             for (auto [x, y, w, h] : {std::array{30.7f, 40.2f, 100.9f, 20.5f},
                                       {-20.f, 300.f, 60.f, 30.f},
                                       {1000.5f, 700.f, 80.f, 90.f},
                                       {500.f, 500.f, 0.4f, 0.2f},
                                       {-3.5f, -2.5f, 10.f, 10.f},
                                       {200.f, 600.f, 300.f, 100.f}}) {
                 r.setBlend(i % 2 ? Blend::Light : Blend::Alpha);
                 r.setColor(240, 100 + i * 20, 30 * i);
                 r.setAlpha(i % 3 ? 1.0f : 0.35f);
                 if (i == 5)
                     r.setViewport(250, 620, 100, 200);
                 r.drawRect(x, y, w, h);
                 ++i;
             }
             r.setViewport(0, 0, Renderer::logicalWidth, Renderer::logicalHeight);
         }},
        {"a crowd of large pictures, enough to share out, over a veil and under an opaque one",
         [](Renderer& r, const Picture& soft, const Picture& opaque) {
             std::mt19937 random(11);
             r.setColor(30, 10, 60);
             r.setAlpha(0.4f);
             r.drawRect(0, 0, 1024, 768);
             for (int i = 0; i < 600; ++i) {
                 r.setBlend(i % 3 ? Blend::Light : Blend::Alpha);
                 r.setColor(255, static_cast<int>(random() % 256), 200);
                 r.setAlpha(0.1f + static_cast<float>(random() % 90) / 100);
                 const float scale = 1 + static_cast<float>(random() % 60) / 10;
                 r.setScale(scale, scale);
                 r.setRotation(i % 7 ? 0.0f : static_cast<float>(random() % 360));
                 r.drawPicture(soft, static_cast<float>(random() % 1100) - 40,
                               static_cast<float>(random() % 840) - 40);
                 if (i == 300) {
                     r.setRotation(0);
                     r.setAlpha(1);
                     r.setColor(255, 255, 255);
                     r.setScale(10, 10);
                     r.drawPicture(opaque, 300, 300);
                 }
             }
         }},
        {"an opaque picture copied and blended",
         [](Renderer& r, const Picture&, const Picture& opaque) {
             r.setScale(4.3f, 3.1f);
             r.drawPicture(opaque, 300, 300);
             r.setAlpha(0.5f);
             r.drawPicture(opaque, 700, 500);
         }},
    };
    for (const auto& [what, scene] : scenes) {
        Image kept = drawn(true, scene);
        Image sdls = drawn(false, scene);
        ASSERT_FALSE(kept.empty()) << what;
        ASSERT_EQ(kept.rgba.size(), sdls.rgba.size()) << what;
        std::size_t differing = 0;
        for (std::size_t i = 0; i < kept.rgba.size(); ++i)
            differing += kept.rgba[i] != sdls.rgba[i];
        EXPECT_EQ(differing, 0u) << what;
        // The scene did draw something.
        std::size_t lit = 0;
        for (std::size_t i = 0; i < kept.rgba.size(); i += 4)
            lit += kept.rgba[i] != 20 || kept.rgba[i + 1] != 30 || kept.rgba[i + 2] != 60;
        EXPECT_GT(lit, 100u) << what;
    }
}
} // namespace
