// Loading pictures: the cache, strips, the mask colour, and files that are not there.
#include "media/PictureCache.hpp"

#include "media/ImageCodec.hpp"
#include "media/Report.hpp"
#include "media/null/NullRenderer.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace
{
using namespace media;
using testing_support::TempFolder;

void writePicture(const std::string& path, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                  std::uint8_t a)
{
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = r;
            p[1] = g;
            p[2] = b;
            p[3] = a;
        }
    std::string error;
    ASSERT_TRUE(writePng(path, image, error)) << error;
}

class Pictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setReportSink([this](std::string_view line) { reports.emplace_back(line); });
    }
    void TearDown() override { setReportSink({}); }

    TempFolder folder;
    NullRenderer renderer;
    PictureCache cache{renderer};
    std::vector<std::string> reports;
};

TEST_F(Pictures, TheSameFileIsLoadedOnceEvenInAnotherLetterCase)
{
    writePicture(folder / "Glow.png", 8, 8, 255, 255, 255, 255);
    Picture a = cache.load(folder / "Glow.png");
    Picture b = cache.load(folder / "glow.PNG");
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a.sameData(b));
    // Each holder keeps its own handle.
    a.midHandle();
    EXPECT_EQ(b.handleX(), 0);
    EXPECT_EQ(a.handleX(), 4);
}

TEST_F(Pictures, AMissingFileIsEmptyAndReportedOnce)
{
    Picture a = cache.load(folder / "nothing.png");
    Picture b = cache.load(folder / "nothing.png");
    EXPECT_TRUE(a.empty());
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(a.width(), 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("nothing.png"), std::string::npos);
}

TEST_F(Pictures, StripsAreCutIntoCells)
{
    writePicture(folder / "strip.png", 90, 20, 200, 10, 10, 255);
    Picture strip = cache.loadStrip(folder / "strip.png", 30, 20, 1, 2);
    ASSERT_EQ(strip.frames(), 2);
    EXPECT_EQ(strip.width(), 30);
    EXPECT_EQ(strip.data()->cell(0).x, 30); // frame 0 is cell 1
    EXPECT_EQ(strip.data()->cell(1).x, 60);
    EXPECT_EQ(strip.data()->cell(2).width, 0);
    MaskCell m = strip.mask(1);
    EXPECT_EQ(m.x, 60);
    EXPECT_TRUE(m.mask->test(61, 5));
    // More frames than the sheet holds are cut to what it has.
    EXPECT_EQ(cache.loadStrip(folder / "strip.png", 30, 20, 0, 9).frames(), 3);
    // Cells larger than the sheet are refused.
    EXPECT_TRUE(cache.loadStrip(folder / "strip.png", 100, 20, 0, 1).empty());
}

TEST_F(Pictures, TheMaskColourKeysOutOnlyPicturesWithoutAlpha)
{
    // An opaque magenta square without an alpha channel, and a translucent one with it.
    Image opaque(4, 4);
    for (std::size_t i = 0; i < opaque.rgba.size(); i += 4) {
        opaque.rgba[i] = 255;
        opaque.rgba[i + 2] = 255;
        opaque.rgba[i + 3] = 255;
    }
    std::string error;
    ASSERT_TRUE(writePng(folder / "key.png", opaque, error));
    writePicture(folder / "alpha.png", 4, 4, 255, 0, 255, 200);

    cache.setMaskColor(255, 0, 255);
    Picture keyed = cache.load(folder / "key.png");
    Picture kept = cache.load(folder / "alpha.png");
    Picture unmasked = cache.load(folder / "key.png", Filtered);
    EXPECT_FALSE(keyed.mask().mask->test(1, 1));
    EXPECT_TRUE(kept.mask().mask->test(1, 1));
    EXPECT_TRUE(unmasked.mask().mask->test(1, 1));
}

TEST_F(Pictures, ABrokenFileIsReportedWithItsName)
{
    std::ofstream(folder / "words.png") << "not a picture at all";
    EXPECT_TRUE(cache.load(folder / "words.png").empty());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("words.png"), std::string::npos);
}
} // namespace
