// FontCache.hpp: the embedded typeface, one Font per pixel size, loaded once per run.
#pragma once

#include "media/Font.hpp"

#include <map>
#include <memory>

namespace media
{
class FontCache
{
public:
    // The embedded typeface at `pixelSize` (clamped to 1..512).
    Font& get(int pixelSize);

private:
    std::map<int, std::unique_ptr<Font>> fonts_;
};

// The bytes of the typeface compiled into the program.
const unsigned char* embeddedFontData();
std::size_t embeddedFontSize();
} // namespace media
