// ImageCodec.cpp: PNG through libpng's simplified API, JPEG through libjpeg-turbo.
#include "media/ImageCodec.hpp"

#include "media/FileSystem.hpp"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <jerror.h> // after jpeglib.h, which it needs
#include <jpeglib.h>
#include <png.h>

namespace media
{
namespace
{
// No picture of the game comes anywhere near this; a header claiming more is damaged or hostile,
// and refusing it keeps a bad file from asking for gigabytes.
constexpr unsigned maxSide = 16384;
constexpr unsigned long long maxPixels = 64ull * 1024 * 1024;

bool sizeAcceptable(unsigned width, unsigned height, std::string& error)
{
    if (width == 0 || height == 0) {
        error = "the picture has no pixels";
        return false;
    }
    if (width > maxSide || height > maxSide || static_cast<unsigned long long>(width) * height > maxPixels) {
        error = "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
        return false;
    }
    return true;
}

bool startsWith(std::string_view bytes, std::initializer_list<unsigned char> signature)
{
    if (bytes.size() < signature.size())
        return false;
    std::size_t i = 0;
    for (unsigned char expected : signature) {
        if (static_cast<unsigned char>(bytes[i++]) != expected)
            return false;
    }
    return true;
}

// Frees libpng's reading or writing state however we leave (safe when already freed).
class PngImageGuard
{
public:
    explicit PngImageGuard(png_image& image) : image_(image) {}
    ~PngImageGuard() { png_image_free(&image_); }
    PngImageGuard(const PngImageGuard&) = delete;
    PngImageGuard& operator=(const PngImageGuard&) = delete;

private:
    png_image& image_;
};

// libjpeg reports through this manager: fatal errors jump back to decodeJpeg instead of
// ending the process, warnings are counted and the first one kept, nothing goes to stderr.
struct JpegErrorManager
{
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char fatalMessage[JMSG_LENGTH_MAX];
    char firstWarning[JMSG_LENGTH_MAX];
    bool ranOutOfData;
};

void jpegErrorExit(j_common_ptr info)
{
    auto* err = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, err->fatalMessage);
    std::longjmp(err->jump, 1);
}

void jpegEmitMessage(j_common_ptr info, int level)
{
    auto* err = reinterpret_cast<JpegErrorManager*>(info->err);
    if (level >= 0)
        return; // trace output
    if (info->err->num_warnings == 0)
        (*info->err->format_message)(info, err->firstWarning);
    if (info->err->msg_code == JWRN_JPEG_EOF)
        err->ranOutOfData = true;
    ++info->err->num_warnings;
}

void jpegOutputMessage(j_common_ptr) {}

enum class JpegOutcome
{
    Decoded,
    Failed,  // libjpeg gave up; its message is in the error manager
    Refused, // we refused the picture; `error` says why
};

// Everything between setjmp and a possible longjmp lives here. Nothing with a destructor is
// alive while libjpeg runs (a longjmp would skip it); results go into the caller's objects.
JpegOutcome runJpegDecode(jpeg_decompress_struct& info, JpegErrorManager& err, std::string_view bytes,
                          Image& out, std::string& error)
{
    if (setjmp(err.jump) != 0)
        return JpegOutcome::Failed;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        error = "damaged JPEG picture: the file holds no picture";
        return JpegOutcome::Refused;
    }
    if (!sizeAcceptable(info.image_width, info.image_height, error))
        return JpegOutcome::Refused;
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.rgba.resize(static_cast<std::size_t>(out.width) * out.height * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgba.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 4;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            error = "damaged JPEG picture: the picture data stops early";
            return JpegOutcome::Refused;
        }
    }
    jpeg_finish_decompress(&info);
    return JpegOutcome::Decoded;
}
} // namespace

std::optional<DecodedImage> decodeImage(std::string_view bytes, std::string& error)
{
    if (startsWith(bytes, {0x89, 'P', 'N', 'G'}))
        return decodePng(bytes, error);
    if (startsWith(bytes, {0xFF, 0xD8, 0xFF}))
        return decodeJpeg(bytes, error);
    error = "not a PNG or JPEG picture";
    return std::nullopt;
}

std::optional<DecodedImage> decodePng(std::string_view bytes, std::string& error)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    PngImageGuard guard(png);
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        error = std::string("damaged PNG picture: ") + png.message;
        return std::nullopt;
    }
    if (!sizeAcceptable(png.width, png.height, error))
        return std::nullopt;

    DecodedImage decoded;
    // A tRNS chunk (a transparent colour or palette entries) also sets the alpha flag.
    decoded.hasAlpha = (png.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    png.format = PNG_FORMAT_RGBA;
    decoded.image = Image(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, decoded.image.rgba.data(), 0, nullptr)) {
        error = std::string("damaged PNG picture: ") + png.message;
        return std::nullopt;
    }
    return decoded;
}

std::optional<DecodedImage> decodeJpeg(std::string_view bytes, std::string& error)
{
    DecodedImage decoded;
    jpeg_decompress_struct info{};
    JpegErrorManager err{};
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.emit_message = jpegEmitMessage;
    err.mgr.output_message = jpegOutputMessage;
    JpegOutcome outcome = runJpegDecode(info, err, bytes, decoded.image, error);
    jpeg_destroy_decompress(&info);
    if (outcome == JpegOutcome::Failed)
        error = std::string("damaged JPEG picture: ") + err.fatalMessage;
    if (outcome != JpegOutcome::Decoded)
        return std::nullopt;
    // libjpeg fills a cut-off file with grey and only warns; such a picture is not the real one.
    if (err.ranOutOfData) {
        error = "truncated JPEG picture: the file ends before the picture does";
        return std::nullopt;
    }
    if (err.mgr.num_warnings > 0) {
        error = std::string("damaged JPEG picture: ") + err.firstWarning;
        return std::nullopt;
    }
    return decoded;
}

std::optional<std::string> encodePng(const Image& image, std::string& error)
{
    if (image.empty()) {
        error = "cannot write a picture with no pixels";
        return std::nullopt;
    }
    if (image.rgba.size() != static_cast<std::size_t>(image.width) * image.height * 4) {
        error = "the picture's pixel data does not match its size";
        return std::nullopt;
    }
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    PngImageGuard guard(png);

    std::string bytes(PNG_IMAGE_PNG_SIZE_MAX(png), '\0');
    png_alloc_size_t size = bytes.size();
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, image.rgba.data(), 0, nullptr)) {
        error = std::string("cannot encode the PNG picture: ") + png.message;
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

bool writePng(const std::string& path, const Image& image, std::string& error)
{
    std::optional<std::string> bytes = encodePng(image, error);
    if (!bytes)
        return false;
    return fs::writeFileAtomically(path, *bytes, &error);
}
} // namespace media
