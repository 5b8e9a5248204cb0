// FontFace.cpp: FreeType face to Cairo font face, with lifetimes Cairo can rely on.
#include "FontFace.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace contentgen
{
namespace
{
cairo_user_data_key_t faceKey;

// Cairo may keep a font face in its caches after we drop it, so the FreeType face and its
// library (one library per face) live until Cairo lets the face go.
void releaseFace(void* data)
{
    auto face = static_cast<FT_Face>(data);
    FT_Library library = face->glyph->library;
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}
} // namespace

FontFace::FontFace(const std::filesystem::path& path)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        error_ = "FreeType does not start";
        return;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.string().c_str(), 0, &face) != 0) {
        error_ = "cannot load the font " + path.string();
        FT_Done_FreeType(library);
        return;
    }
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    if (cairo_font_face_set_user_data(cairoFace, &faceKey, face, releaseFace) != CAIRO_STATUS_SUCCESS) {
        error_ = "cannot attach the font to Cairo";
        cairo_font_face_destroy(cairoFace);
        FT_Done_Face(face);
        FT_Done_FreeType(library);
        return;
    }
    // From here the face's release (through Cairo) also drops the library.
    face_.reset(cairoFace);
}

FontFace::~FontFace() = default;

void FontFace::select(cairo_t* cr, double size) const
{
    if (!face_) {
        return;
    }
    cairo_set_font_face(cr, face_.get());
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}
} // namespace contentgen
