// FontCache.cpp: fonts by size.
#include "media/FontCache.hpp"

#include <algorithm>

extern const unsigned char eldmereEmbeddedFont[];
extern const std::size_t eldmereEmbeddedFont_size;

namespace media
{
Font& FontCache::get(int pixelSize)
{
    pixelSize = std::clamp(pixelSize, 1, 512);
    auto& slot = fonts_[pixelSize];
    if (!slot)
        slot = std::make_unique<Font>(embeddedFontData(), embeddedFontSize(), pixelSize);
    return *slot;
}

const unsigned char* embeddedFontData()
{
    return eldmereEmbeddedFont;
}

std::size_t embeddedFontSize()
{
    return eldmereEmbeddedFont_size;
}
} // namespace media
