// Picture.cpp: cells of a sheet.
#include "media/Picture.hpp"

namespace media
{
CellRect PictureData::cell(int frame) const
{
    if (frame < 0 || frame >= cellCount || columns <= 0)
        return {};
    int index = firstCell + frame;
    return {(index % columns) * cellWidth, (index / columns) * cellHeight, cellWidth, cellHeight};
}

const std::string& Picture::path() const
{
    static const std::string none;
    return data_ ? data_->path : none;
}

MaskCell Picture::mask(int frame) const
{
    if (!data_)
        return {};
    CellRect r = data_->cell(frame);
    if (r.width <= 0)
        return {};
    return {&data_->mask, r.x, r.y, r.width, r.height};
}
} // namespace media
