// FontFace.cpp: FreeType face to Cairo font face, with lifetimes Cairo can rely on.
#include "FontFace.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <utility>

namespace contentgen
{
namespace
{
cairo_user_data_key_t faceKey;

// The font's bytes and the FreeType objects made from them (one library per face). Cairo may
// keep a font face in its caches after we drop it, so these live until Cairo lets the face go.
struct Loaded
{
    std::string bytes;
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    Loaded() = default;
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;
    ~Loaded()
    {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

void releaseFace(void* data)
{
    const std::unique_ptr<Loaded> loaded(static_cast<Loaded*>(data));
}
} // namespace

FontFace::FontFace(std::string bytes, const std::string& name)
{
    auto loaded = std::make_unique<Loaded>();
    loaded->bytes = std::move(bytes);
    if (FT_Init_FreeType(&loaded->library) != 0) {
        error_ = "FreeType does not start";
        return;
    }
    if (FT_New_Memory_Face(loaded->library, reinterpret_cast<const FT_Byte*>(loaded->bytes.data()),
                           static_cast<FT_Long>(loaded->bytes.size()), 0, &loaded->face)
        != 0) {
        error_ = "cannot load the font " + name;
        return;
    }
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(loaded->face, 0);
    if (cairo_font_face_set_user_data(cairoFace, &faceKey, loaded.get(), releaseFace)
        != CAIRO_STATUS_SUCCESS) {
        error_ = "cannot attach the font to Cairo";
        cairo_font_face_destroy(cairoFace);
        return;
    }
    // From here the face's release (through Cairo) frees the bytes and the FreeType objects.
    static_cast<void>(loaded.release());
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
