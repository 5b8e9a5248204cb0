// Font.cpp: FreeType rasterising with light hinting, smoothing and kerning.
#include "media/Font.hpp"

#include "media/PictureCache.hpp"
#include "media/Renderer.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

namespace media
{
struct Font::Face
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    bool kerning = false;

    ~Face()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

Font::Font(const unsigned char* fontData, std::size_t fontSize, int pixelSize)
    : face_(std::make_unique<Face>()), pixelSize_(pixelSize)
{
    if (pixelSize <= 0 || FT_Init_FreeType(&face_->library) != 0
        || FT_New_Memory_Face(face_->library, fontData, static_cast<FT_Long>(fontSize), 0, &face_->face) != 0
        || FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        reportLine("The game's typeface could not be loaded at size " + std::to_string(pixelSize));
        face_ = std::make_unique<Face>();
        return;
    }
    const FT_Size_Metrics& m = face_->face->size->metrics;
    ascent_ = static_cast<int>(std::ceil(m.ascender / 64.0));
    descent_ = static_cast<int>(std::ceil(-m.descender / 64.0));
    face_->kerning = FT_HAS_KERNING(face_->face);
}

Font::~Font() = default;

bool Font::valid() const
{
    return face_ && face_->face;
}

const Font::Metrics& Font::metrics(char32_t c)
{
    auto found = metrics_.find(c);
    if (found != metrics_.end())
        return found->second;
    Metrics m;
    if (valid()) {
        m.index = FT_Get_Char_Index(face_->face, c);
        if (FT_Load_Glyph(face_->face, m.index, FT_LOAD_TARGET_LIGHT) == 0)
            m.advance = static_cast<float>(face_->face->glyph->advance.x / 64.0);
    }
    return metrics_.emplace(c, m).first->second;
}

float Font::kerning(char32_t left, char32_t right)
{
    if (!valid() || !face_->kerning || left == 0)
        return 0;
    FT_Vector delta{};
    if (FT_Get_Kerning(face_->face, metrics(left).index, metrics(right).index, FT_KERNING_DEFAULT, &delta)
        != 0)
        return 0;
    return static_cast<float>(delta.x / 64.0);
}

float Font::textWidth(std::string_view utf8)
{
    float width = 0;
    char32_t previous = 0;
    for (char32_t c : text::toUtf32(utf8)) {
        if (c == '\r' || c == '\n')
            continue;
        width += kerning(previous, c) + metrics(c).advance;
        previous = c;
    }
    return width;
}

const Font::Glyph& Font::glyph(char32_t c, Renderer& renderer)
{
    auto found = glyphs_.find(c);
    if (found != glyphs_.end())
        return found->second;
    Glyph g;
    const Metrics& m = metrics(c);
    g.advance = m.advance;
    if (valid() && FT_Load_Glyph(face_->face, m.index, FT_LOAD_TARGET_LIGHT) == 0
        && FT_Render_Glyph(face_->face->glyph, FT_RENDER_MODE_LIGHT) == 0) {
        FT_GlyphSlot slot = face_->face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        g.bearingX = static_cast<float>(slot->bitmap_left);
        g.bearingY = static_cast<float>(slot->bitmap_top);
        if (bitmap.width > 0 && bitmap.rows > 0 && bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            Image image(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows));
            for (int y = 0; y < image.height; ++y) {
                const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
                for (int x = 0; x < image.width; ++x) {
                    std::uint8_t* p = image.pixel(x, y);
                    p[0] = p[1] = p[2] = 255;
                    p[3] = row[x];
                }
            }
            g.picture = makePicture(renderer, image, Filtered, "");
        }
    }
    return glyphs_.emplace(c, std::move(g)).first->second;
}
} // namespace media
