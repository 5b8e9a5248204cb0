// OggFile.hpp: writing sounds to disk as Ogg Vorbis.
#pragma once

#include "Sound.hpp"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace contentgen
{
using OggTags = std::vector<std::pair<std::string, std::string>>;

// Encodes `sound` (mono or stereo, 44.1 kHz) with variable bit rate at `quality` (-0.1 .. 1;
// 0.3 is about 80 kbit/s for stereo music), creating missing folders. The stream's serial
// number comes from the file name, so the same sound always gives the same bytes. `tags` go
// into the comment header (e.g. TITLE). Samples beyond full scale are clipped. Returns false
// with `error` set on failure.
bool saveOgg(const Sound& sound, const std::filesystem::path& path, double quality, const OggTags& tags,
             std::string& error);
} // namespace contentgen
