// Picture.hpp: a loaded picture (or strip of equal cells) with its drawing handle.
#pragma once

#include "media/PixelMask.hpp"
#include "media/Texture.hpp"

#include <memory>
#include <string>
#include <vector>

namespace media
{
// Load flags. Masked: in fully opaque pictures, pixels of the mask colour are transparent. Filtered: smooth
// scaling. Mip-mapped: smaller copies are kept for pictures drawn much smaller than their size.
enum PictureFlag : unsigned
{
    Masked = 1,
    Filtered = 2,
    MipMapped = 4,
};
constexpr unsigned defaultPictureFlags = Masked | Filtered;

struct CellRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CellRect&) const = default;
};

// The pixels of a picture as the renderer holds them, shared by every Picture made from it.
struct PictureData
{
    std::string path; // where it was loaded from; "" for pictures made in the program
    unsigned flags = 0;
    int sheetWidth = 0;
    int sheetHeight = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    int firstCell = 0; // frame 0 is this cell of the sheet
    int cellCount = 1;
    int columns = 1; // cells per row of the sheet
    // levels[0] is the whole sheet; each further level halves it (mip-mapped pictures only).
    std::vector<std::unique_ptr<Texture>> levels;
    PixelMask mask; // opaque pixels of the whole sheet

    CellRect cell(int frame) const;
};

// A cheap value: shared pixels plus this holder's own handle. An empty Picture (a file that
// could not be loaded) has size 0 and draws nothing.
class Picture
{
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}

    bool empty() const { return !data_ || data_->levels.empty(); }
    int width() const { return data_ ? data_->cellWidth : 0; }
    int height() const { return data_ ? data_->cellHeight : 0; }
    int frames() const { return data_ ? data_->cellCount : 0; }
    const std::string& path() const;

    float handleX() const { return handleX_; }
    float handleY() const { return handleY_; }
    void setHandle(float x, float y)
    {
        handleX_ = x;
        handleY_ = y;
    }
    // The handle at the middle of a cell.
    void midHandle() { setHandle(width() * 0.5f, height() * 0.5f); }

    // The opaque pixels of one frame (an empty cell for an empty picture or a bad frame).
    MaskCell mask(int frame = 0) const;

    const PictureData* data() const { return data_.get(); }
    bool sameData(const Picture& other) const { return data_ == other.data_; }

private:
    std::shared_ptr<const PictureData> data_;
    float handleX_ = 0;
    float handleY_ = 0;
};
} // namespace media
