// ImageFile.hpp: writing pictures to disk, with the rules every shipped picture obeys.
#pragma once

#include "Image.hpp"

#include <filesystem>
#include <string>

namespace contentgen
{
// Both writers create missing folders, move any pixel off the reserved key colours
// (black, magenta, cyan) by one step, and return false with `error` set on failure.

// An opaque image is written as RGB, anything else as RGBA. Fully transparent pixels
// take the colour of their visible neighbours first, so filtered scaling shows no dark fringe.
bool savePng(Image image, const std::filesystem::path& path, std::string& error);

// Writes a baseline JPEG (4:4:4, optimised Huffman tables; alpha is ignored) and decodes it
// again to check that compression did not land any pixel on a key colour.
bool saveJpeg(Image image, const std::filesystem::path& path, int quality, std::string& error);

// The reserved colours: a pixel exactly on one of them may vanish when a picture is keyed.
bool isKeyColour(const Pixel& p);
} // namespace contentgen
