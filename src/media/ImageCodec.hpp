// ImageCodec.hpp: PNG and JPEG files to and from Image.
#pragma once

#include "media/Image.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace media
{
struct DecodedImage
{
    Image image;
    bool hasAlpha = false; // the file carried an alpha channel (or a transparent colour)
};

// Decodes PNG (libpng) or JPEG (libjpeg-turbo) bytes, chosen by their signature. A file that
// is not a picture, is damaged or is truncated gives nothing and `error` says why; a bad file
// never ends the process.
std::optional<DecodedImage> decodeImage(std::string_view bytes, std::string& error);
std::optional<DecodedImage> decodePng(std::string_view bytes, std::string& error);
std::optional<DecodedImage> decodeJpeg(std::string_view bytes, std::string& error);

// PNG bytes of the image (RGBA).
std::optional<std::string> encodePng(const Image& image, std::string& error);

// Writes the image as a PNG file, replacing any old file only once the new one is complete.
bool writePng(const std::string& path, const Image& image, std::string& error);
} // namespace media
