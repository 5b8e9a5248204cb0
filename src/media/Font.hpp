// Font.hpp: the embedded typeface at one pixel size, rasterised by FreeType.
#pragma once

#include "media/Picture.hpp"

#include <memory>
#include <string_view>
#include <unordered_map>

namespace media
{
class Renderer;

class Font
{
public:
    struct Glyph
    {
        Picture picture;    // white, with the glyph's coverage as alpha; empty for blanks
        float bearingX = 0; // from the pen position to the picture's left edge
        float bearingY = 0; // from the baseline up to the picture's top edge
        float advance = 0;  // pen movement after the glyph
    };

    // A face read from the font file's bytes (kept alive by the caller) at `pixelSize`.
    // A font that fails to load measures and draws nothing.
    Font(const unsigned char* fontData, std::size_t fontSize, int pixelSize);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool valid() const;
    int size() const { return pixelSize_; }
    int ascent() const { return ascent_; }
    int descent() const { return descent_; } // below the baseline, positive
    // Height of a line of text: ascent plus descent.
    int height() const { return ascent_ + descent_; }
    float textWidth(std::string_view utf8);

    // The glyph's textures are made on first use through `renderer`.
    const Glyph& glyph(char32_t c, Renderer& renderer);
    float kerning(char32_t left, char32_t right);

private:
    struct Metrics
    {
        float advance = 0;
        unsigned index = 0;
    };
    const Metrics& metrics(char32_t c);

    struct Face; // FreeType's library and face
    std::unique_ptr<Face> face_;
    int pixelSize_ = 0;
    int ascent_ = 0;
    int descent_ = 0;
    std::unordered_map<char32_t, Metrics> metrics_;
    std::unordered_map<char32_t, Glyph> glyphs_;
};
} // namespace media
