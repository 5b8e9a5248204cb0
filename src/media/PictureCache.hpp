// PictureCache.hpp: every picture file the game loads, loaded once and shared.
#pragma once

#include "media/Image.hpp"
#include "media/Picture.hpp"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>

namespace media
{
class Renderer;

// Builds the shared pixels of a picture from an image: textures (with smaller copies when
// mip-mapped), the mask of opaque pixels, and the cell layout (one cell: the whole image).
Picture makePicture(Renderer& renderer, const Image& image, unsigned flags, const std::string& path);

class PictureCache
{
public:
    explicit PictureCache(Renderer& renderer) : renderer_(renderer) {}

    // A whole picture. A file that is missing or not a picture gives an empty Picture, reported
    // once with its path.
    Picture load(const std::string& path, unsigned flags = defaultPictureFlags);

    // A strip of equal cells: frame 0 is cell `first`, `count` frames (cells run left to right,
    // then on to the next row).
    Picture loadStrip(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                      unsigned flags = defaultPictureFlags);

    // In fully opaque pictures loaded with the Masked flag, pixels of exactly this colour
    // become transparent. Black until changed; the setting stays for later loads.
    void setMaskColor(int r, int g, int b);
    // The mask colour in force, as 0xRRGGBB.
    int maskColor() const { return maskColor_; }

    std::size_t size() const { return pictures_.size(); }

private:
    using Key = std::tuple<std::string, unsigned, int, int, int, int, int>;
    std::shared_ptr<const PictureData> loadData(const std::string& path, unsigned flags, int cellWidth,
                                                int cellHeight, int first, int count);

    Renderer& renderer_;
    std::map<Key, std::shared_ptr<const PictureData>> pictures_;
    std::set<std::string> reported_;
    int maskColor_ = 0x000000;
};
} // namespace media
