// Tests of PNG and JPEG decoding and PNG encoding.
#include "media/ImageCodec.hpp"

#include "media/FileSystem.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <unistd.h>

namespace
{
std::string fixture(const std::string& name)
{
    return std::string(ELDMERE_TEST_FIXTURES) + "/media/" + name;
}

std::string fixtureBytes(const std::string& name)
{
    std::optional<std::string> bytes = media::fs::readBytes(fixture(name));
    EXPECT_TRUE(bytes.has_value()) << "missing fixture " << name;
    return bytes.value_or(std::string());
}

// Every pixel different, alpha from 0 to 255, colour kept under full transparency.
media::Image noisyImage(int width, int height, unsigned seed)
{
    media::Image image(width, height);
    std::mt19937 random(seed);
    for (std::uint8_t& byte : image.rgba)
        byte = static_cast<std::uint8_t>(random());
    image.pixel(0, 0)[3] = 0;
    image.pixel(width - 1, height - 1)[3] = 255;
    return image;
}

class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "eldmere-codec-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void expectSameImage(const media::Image& actual, const media::Image& expected)
{
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    EXPECT_TRUE(actual.rgba == expected.rgba);
}

TEST(ImageCodec, PngRoundTripKeepsEveryByte)
{
    for (auto [width, height] : {std::pair{1, 1}, std::pair{13, 7}, std::pair{70, 3}}) {
        media::Image original = noisyImage(width, height, static_cast<unsigned>(width * 100 + height));
        std::string error;
        std::optional<std::string> bytes = media::encodePng(original, error);
        ASSERT_TRUE(bytes) << error;
        std::optional<media::DecodedImage> decoded = media::decodeImage(*bytes, error);
        ASSERT_TRUE(decoded) << error;
        EXPECT_TRUE(decoded->hasAlpha);
        expectSameImage(decoded->image, original);
    }
}

TEST(ImageCodec, WritePngReplacesTheFileWithTheEncodedPicture)
{
    TemporaryFolder folder;
    ASSERT_FALSE(folder.path().empty());
    std::string path = folder.path() + "/picture.png";
    ASSERT_TRUE(media::fs::writeFileAtomically(path, "old contents"));

    media::Image original = noisyImage(9, 5, 7);
    std::string error;
    ASSERT_TRUE(media::writePng(path, original, error)) << error;
    std::optional<std::string> bytes = media::fs::readBytes(path);
    ASSERT_TRUE(bytes);
    std::optional<media::DecodedImage> decoded = media::decodePng(*bytes, error);
    ASSERT_TRUE(decoded) << error;
    expectSameImage(decoded->image, original);
}

TEST(ImageCodec, WritingFailsCleanly)
{
    std::string error;
    EXPECT_FALSE(media::writePng("/nonexistent-folder-of-eldmere/picture.png", noisyImage(2, 2, 1), error));
    EXPECT_FALSE(error.empty());

    error.clear();
    EXPECT_FALSE(media::encodePng(media::Image(), error));
    EXPECT_FALSE(error.empty());

    media::Image inconsistent(4, 4);
    inconsistent.rgba.resize(10);
    error.clear();
    EXPECT_FALSE(media::encodePng(inconsistent, error));
    EXPECT_FALSE(error.empty());
}

TEST(ImageCodec, DecodesJpegToOpaqueRgba)
{
    // 16 x 8: the left half red (220, 30, 30), the right half blue (30, 40, 210).
    std::string error;
    std::optional<media::DecodedImage> decoded = media::decodeImage(fixtureBytes("two-halves.jpg"), error);
    ASSERT_TRUE(decoded) << error;
    EXPECT_FALSE(decoded->hasAlpha);
    const media::Image& image = decoded->image;
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 8);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* pixel = image.pixel(x, y);
            int expected[3] = {220, 30, 30};
            if (x >= 8) {
                expected[0] = 30;
                expected[1] = 40;
                expected[2] = 210;
            }
            for (int channel = 0; channel < 3; ++channel)
                EXPECT_NEAR(pixel[channel], expected[channel], 12) << "pixel " << x << "," << y;
            EXPECT_EQ(pixel[3], 255);
        }
    }
}

TEST(ImageCodec, AlphaFlagFollowsTheFile)
{
    std::string error;
    std::optional<media::DecodedImage> opaque = media::decodeImage(fixtureBytes("opaque-rgb.png"), error);
    ASSERT_TRUE(opaque) << error;
    EXPECT_FALSE(opaque->hasAlpha);
    EXPECT_EQ(opaque->image.pixel(3, 1)[3], 255);

    // The same 4 x 2 picture with white as its transparent colour: the white bottom row vanishes.
    std::optional<media::DecodedImage> keyed = media::decodeImage(fixtureBytes("colour-key.png"), error);
    ASSERT_TRUE(keyed) << error;
    EXPECT_TRUE(keyed->hasAlpha);
    ASSERT_EQ(keyed->image.width, 4);
    ASSERT_EQ(keyed->image.height, 2);
    for (int x = 0; x < 4; ++x) {
        const std::uint8_t* top = keyed->image.pixel(x, 0);
        EXPECT_EQ(top[0], 10);
        EXPECT_EQ(top[1], 200);
        EXPECT_EQ(top[2], 90);
        EXPECT_EQ(top[3], 255);
        EXPECT_EQ(keyed->image.pixel(x, 1)[3], 0);
    }
}

// A damaged file: the first `keep` bytes of a fixture, or literal bytes.
struct BadFile
{
    const char* name;
    const char* fixtureName; // null: use `bytes`
    std::size_t keep;
    std::string bytes;
    const char* errorMentions;
};

const std::string pngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr std::size_t all = std::string::npos;

void PrintTo(const BadFile& bad, std::ostream* out)
{
    *out << bad.name;
}

class RejectedPicture : public testing::TestWithParam<BadFile>
{};

TEST_P(RejectedPicture, GivesNothingAndSaysWhy)
{
    const BadFile& bad = GetParam();
    std::string bytes = bad.fixtureName ? fixtureBytes(bad.fixtureName).substr(0, bad.keep) : bad.bytes;
    std::string error;
    EXPECT_FALSE(media::decodeImage(bytes, error));
    EXPECT_NE(error.find(bad.errorMentions), std::string::npos) << "error was: " << error;
}

INSTANTIATE_TEST_SUITE_P(
    ImageCodec, RejectedPicture,
    testing::Values(BadFile{"TextNamedPng", "not-a-picture.png", all, "", "not a PNG or JPEG picture"},
                    BadFile{"Empty", nullptr, 0, "", "not a PNG or JPEG picture"},
                    BadFile{"TruncatedPng", "noise-truncated.png", all, "", "PNG"},
                    BadFile{"PngSignatureOnly", nullptr, 0, pngSignature, "PNG"},
                    BadFile{"PngWithGarbage", nullptr, 0, pngSignature + std::string(40, 'x'), "PNG"},
                    BadFile{"TruncatedJpeg", "two-halves-truncated.jpg", all, "", "truncated JPEG"},
                    BadFile{"JpegSignatureOnly", nullptr, 0, "\xFF\xD8\xFF", "JPEG"},
                    BadFile{"JpegWithGarbage", nullptr, 0, "\xFF\xD8\xFF\xE0" + std::string(60, '\x17'),
                            "JPEG"},
                    BadFile{"JpegHeaderOnly", "two-halves.jpg", 200, "", "JPEG"}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST(ImageCodec, EachDecoderRefusesTheOtherFormat)
{
    std::string error;
    EXPECT_FALSE(media::decodePng(fixtureBytes("two-halves.jpg"), error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(media::decodeJpeg(fixtureBytes("opaque-rgb.png"), error));
    EXPECT_FALSE(error.empty());
}
} // namespace
