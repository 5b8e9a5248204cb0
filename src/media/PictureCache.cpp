// PictureCache.cpp: decoding, keying, mip levels and the cache.
#include "media/PictureCache.hpp"

#include "media/FileSystem.hpp"
#include "media/ImageCodec.hpp"
#include "media/Renderer.hpp"
#include "media/Report.hpp"

#include <algorithm>

namespace media
{
namespace
{
// Half the size, each pixel the alpha-weighted mean of four.
Image halve(const Image& src)
{
    Image out(src.width / 2, src.height / 2);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            int sum[3] = {0, 0, 0};
            int alpha = 0;
            for (int k = 0; k < 4; ++k) {
                const std::uint8_t* p = src.pixel(2 * x + (k & 1), 2 * y + (k >> 1));
                for (int c = 0; c < 3; ++c)
                    sum[c] += p[c] * p[3];
                alpha += p[3];
            }
            std::uint8_t* q = out.pixel(x, y);
            for (int c = 0; c < 3; ++c)
                q[c] = static_cast<std::uint8_t>(alpha ? sum[c] / alpha : 0);
            q[3] = static_cast<std::uint8_t>((alpha + 2) / 4);
        }
    }
    return out;
}

// A picture with any transparency already says what is transparent; only fully opaque ones
// (JPEGs, and PNGs saved without alpha or with every pixel solid) are keyed.
bool fullyOpaque(const Image& image)
{
    for (std::size_t i = 3; i < image.rgba.size(); i += 4) {
        if (image.rgba[i] != 255)
            return false;
    }
    return true;
}

void keyOut(Image& image, int rgb)
{
    const std::uint8_t r = (rgb >> 16) & 0xFF;
    const std::uint8_t g = (rgb >> 8) & 0xFF;
    const std::uint8_t b = rgb & 0xFF;
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        if (image.rgba[i] == r && image.rgba[i + 1] == g && image.rgba[i + 2] == b)
            image.rgba[i + 3] = 0;
    }
}

std::shared_ptr<PictureData> buildData(Renderer& renderer, const Image& image, unsigned flags,
                                       const std::string& path)
{
    auto data = std::make_shared<PictureData>();
    data->path = path;
    data->flags = flags;
    data->sheetWidth = data->cellWidth = image.width;
    data->sheetHeight = data->cellHeight = image.height;
    data->mask = PixelMask::fromImage(image);
    const bool filtered = (flags & Filtered) != 0;
    data->levels.push_back(renderer.createTexture(image, filtered));
    if (flags & MipMapped) {
        Image level = image;
        // Smaller copies while the size halves exactly, down to 8 pixels.
        while (level.width % 2 == 0 && level.height % 2 == 0 && level.width >= 16 && level.height >= 16
               && data->levels.size() < 8) {
            level = halve(level);
            data->levels.push_back(renderer.createTexture(level, filtered));
        }
    }
    if (!data->levels.front())
        data->levels.clear();
    return data;
}
} // namespace

Picture makePicture(Renderer& renderer, const Image& image, unsigned flags, const std::string& path)
{
    if (image.empty())
        return {};
    return Picture(buildData(renderer, image, flags, path));
}

void PictureCache::setMaskColor(int r, int g, int b)
{
    maskColor_ = (std::clamp(r, 0, 255) << 16) | (std::clamp(g, 0, 255) << 8) | std::clamp(b, 0, 255);
}

Picture PictureCache::load(const std::string& path, unsigned flags)
{
    return Picture(loadData(path, flags, 0, 0, 0, 1));
}

Picture PictureCache::loadStrip(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                                unsigned flags)
{
    return Picture(loadData(path, flags, cellWidth, cellHeight, first, count));
}

std::shared_ptr<const PictureData> PictureCache::loadData(const std::string& path, unsigned flags,
                                                          int cellWidth, int cellHeight, int first, int count)
{
    std::string real = fs::resolve(path);
    Key key{real, flags, cellWidth, cellHeight, first, count, (flags & Masked) ? maskColor_ : -1};
    if (auto found = pictures_.find(key); found != pictures_.end())
        return found->second;

    auto fail = [&](const std::string& why) -> std::shared_ptr<const PictureData> {
        if (reported_.insert(path + why).second)
            report(path, why);
        pictures_[key] = nullptr; // asked again, it fails again without touching the disk
        return nullptr;
    };
    auto bytes = fs::readBytes(real);
    if (!bytes)
        return fail("picture not found");
    std::string error;
    auto decoded = decodeImage(*bytes, error);
    if (!decoded)
        return fail(error);
    if ((flags & Masked) && fullyOpaque(decoded->image))
        keyOut(decoded->image, maskColor_);

    auto data = buildData(renderer_, decoded->image, flags, path);
    if (cellWidth > 0 && cellHeight > 0) {
        if (cellWidth > data->sheetWidth || cellHeight > data->sheetHeight)
            return fail("cells of " + std::to_string(cellWidth) + "x" + std::to_string(cellHeight)
                        + " do not fit the picture");
        data->cellWidth = cellWidth;
        data->cellHeight = cellHeight;
        data->columns = data->sheetWidth / cellWidth;
        int available = data->columns * (data->sheetHeight / cellHeight);
        data->firstCell = std::clamp(first, 0, available - 1);
        data->cellCount = std::clamp(count, 1, available - data->firstCell);
    }
    pictures_[key] = data;
    return data;
}
} // namespace media
