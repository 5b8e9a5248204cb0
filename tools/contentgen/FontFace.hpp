// FontFace.hpp: the game's TrueType face, loaded through FreeType for Cairo to draw with.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>

namespace contentgen
{
// Loads one face from a font file's bytes (`name` says which file, for the error). If loading
// fails, valid() is false and error() says why; drawing with an invalid face draws nothing.
class FontFace
{
public:
    FontFace(std::string bytes, const std::string& name);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    bool valid() const { return face_ != nullptr; }
    const std::string& error() const { return error_; }
    // Selects this face at `size` pixels on the context (with light hinting, like the game).
    void select(cairo_t* cr, double size) const;

private:
    struct FaceDeleter
    {
        void operator()(cairo_font_face_t* f) const { cairo_font_face_destroy(f); }
    };

    std::unique_ptr<cairo_font_face_t, FaceDeleter> face_;
    std::string error_;
};
} // namespace contentgen
