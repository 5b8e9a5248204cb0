// ImageFile.cpp: PNG through libpng's simplified API, JPEG through libjpeg.
#include "ImageFile.hpp"

#include <csetjmp>
#include <cstdint>
#include <cstdio> // before jpeglib.h, which uses FILE and size_t
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace contentgen
{
namespace
{
void nudgeKeyColours(Image& image)
{
    for (Pixel& p : image.pixels()) {
        if (p.r == 0 && p.g == 0 && p.b == 0) {
            p = Pixel{1, 1, 1, p.a};
        } else if (p.r == 255 && p.g == 0 && p.b == 255) {
            p = Pixel{254, 1, 254, p.a};
        } else if (p.r == 0 && p.g == 255 && p.b == 255) {
            p = Pixel{1, 254, 254, p.a};
        }
    }
}

// Gives every fully transparent pixel the mean colour of its non-transparent neighbours,
// growing outwards a few rings; pixels still unset take the mean visible colour.
void bleedIntoTransparency(Image& image)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<std::uint8_t> known(static_cast<std::size_t>(w) * h);
    long long sum[3] = {0, 0, 0};
    long long count = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Pixel& p = image.at(x, y);
            if (p.a > 0) {
                known[static_cast<std::size_t>(y) * w + x] = 1;
                sum[0] += p.r;
                sum[1] += p.g;
                sum[2] += p.b;
                ++count;
            }
        }
    }
    if (count == 0) {
        return;
    }
    for (int ring = 0; ring < 4; ++ring) {
        std::vector<std::uint8_t> next = known;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (known[static_cast<std::size_t>(y) * w + x]) {
                    continue;
                }
                int r = 0, g = 0, b = 0, n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (image.contains(nx, ny) && known[static_cast<std::size_t>(ny) * w + nx]) {
                            const Pixel& q = image.at(nx, ny);
                            r += q.r;
                            g += q.g;
                            b += q.b;
                            ++n;
                        }
                    }
                }
                if (n > 0) {
                    Pixel& p = image.at(x, y);
                    p.r = static_cast<std::uint8_t>((r + n / 2) / n);
                    p.g = static_cast<std::uint8_t>((g + n / 2) / n);
                    p.b = static_cast<std::uint8_t>((b + n / 2) / n);
                    next[static_cast<std::size_t>(y) * w + x] = 1;
                }
            }
        }
        known.swap(next);
    }
    const Pixel mean{static_cast<std::uint8_t>(sum[0] / count), static_cast<std::uint8_t>(sum[1] / count),
                     static_cast<std::uint8_t>(sum[2] / count), 0};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!known[static_cast<std::size_t>(y) * w + x]) {
                image.at(x, y) = mean;
            }
        }
    }
}

bool makeFolders(const std::filesystem::path& path, std::string& error)
{
    std::error_code ec;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    if (ec) {
        error = "cannot create the folder " + path.parent_path().string() + ": " + ec.message();
        return false;
    }
    return true;
}

bool writeBytes(const std::filesystem::path& path, const unsigned char* data, std::size_t size,
                std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

// libjpeg reports fatal errors through a callback that must not return: jump back to the
// caller's setjmp. The functions holding the setjmp keep only plain C objects alive.
struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jpegErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Compresses tightly packed RGB rows; the caller frees *out with free().
bool compressJpeg(const unsigned char* rgb, int width, int height, int quality, unsigned char** out,
                  unsigned long* outSize)
{
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegErrorExit;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    info.dct_method = JDCT_ISLOW;
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<std::size_t>(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

// Decodes a JPEG from memory and counts the pixels that landed exactly on a key colour;
// returns -1 if the data does not decode.
long countKeyPixelsInJpeg(const unsigned char* data, unsigned long size)
{
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegErrorExit;
    unsigned char* row = nullptr;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(row);
        return -1;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    row = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(info.output_width) * 3));
    long keyed = 0;
    while (row != nullptr && info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(&info, rows, 1);
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            const Pixel p{row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255};
            keyed += isKeyColour(p) ? 1 : 0;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::free(row);
    return keyed;
}

struct MallocDeleter
{
    void operator()(unsigned char* p) const { std::free(p); }
};
} // namespace

bool isKeyColour(const Pixel& p)
{
    return (p.r == 0 && p.g == 0 && p.b == 0) || (p.r == 255 && p.g == 0 && p.b == 255)
           || (p.r == 0 && p.g == 255 && p.b == 255);
}

bool savePng(Image image, const std::filesystem::path& path, std::string& error)
{
    if (!makeFolders(path, error)) {
        return false;
    }
    const bool opaque = image.isOpaque();
    if (!opaque) {
        bleedIntoTransparency(image);
    }
    nudgeKeyColours(image);

    std::vector<unsigned char> bytes;
    bytes.reserve(image.pixels().size() * 4);
    for (const Pixel& p : image.pixels()) {
        bytes.push_back(p.r);
        bytes.push_back(p.g);
        bytes.push_back(p.b);
        if (!opaque) {
            bytes.push_back(p.a);
        }
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width());
    png.height = static_cast<png_uint_32>(image.height());
    png.format = opaque ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
    const std::string file = path.string();
    if (!png_image_write_to_file(&png, file.c_str(), 0, bytes.data(), 0, nullptr)) {
        error = "cannot write " + file + ": " + png.message;
        png_image_free(&png);
        return false;
    }
    return true;
}

bool saveJpeg(Image image, const std::filesystem::path& path, int quality, std::string& error)
{
    if (!makeFolders(path, error)) {
        return false;
    }
    nudgeKeyColours(image);
    std::vector<unsigned char> rgb;
    rgb.reserve(image.pixels().size() * 3);
    for (const Pixel& p : image.pixels()) {
        rgb.push_back(p.r);
        rgb.push_back(p.g);
        rgb.push_back(p.b);
    }
    unsigned char* raw = nullptr;
    unsigned long size = 0;
    const bool compressed = compressJpeg(rgb.data(), image.width(), image.height(), quality, &raw, &size);
    const std::unique_ptr<unsigned char, MallocDeleter> data(raw);
    if (!compressed || !data) {
        error = "cannot compress " + path.string();
        return false;
    }
    const long keyed = countKeyPixelsInJpeg(data.get(), size);
    if (keyed != 0) {
        error = keyed < 0 ? "the JPEG written for " + path.string() + " does not decode"
                          : path.string() + ": " + std::to_string(keyed)
                                + " pixels decode to a key colour; lift the darkest tones";
        return false;
    }
    return writeBytes(path, data.get(), size, error);
}
} // namespace contentgen
