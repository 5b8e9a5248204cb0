// ShippedPicture.hpp: reading a picture of the laid-out run folder in a content test.
#pragma once

#include "media/FileSystem.hpp"
#include "media/Image.hpp"
#include "media/ImageCodec.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace content_testing
{
// A picture at `path`, decoded; nothing (and a test failure) when it is missing or damaged.
inline std::optional<media::Image> readPicture(const std::string& path)
{
    auto bytes = media::fs::readBytes(path);
    if (!bytes) {
        ADD_FAILURE() << path << " is missing";
        return std::nullopt;
    }
    std::string error;
    auto decoded = media::decodeImage(*bytes, error);
    if (!decoded) {
        ADD_FAILURE() << path << ": " << error;
        return std::nullopt;
    }
    return decoded->image;
}

// How light a pixel looks, 0 to 255.
inline double luminance(const media::Image& image, int x, int y)
{
    const std::uint8_t* p = image.pixel(x, y);
    return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2];
}
} // namespace content_testing
