// Context.cpp: reading inputs and saving pictures, keeping account of both, and collecting
// failures.
#include "Context.hpp"

#include "ImageFile.hpp"

#include <utility>

namespace contentgen
{
Context::Context(std::filesystem::path outDir, std::filesystem::path fontPath,
                 std::filesystem::path contentDir)
    : outDir_(std::move(outDir)), fontPath_(std::move(fontPath)), contentDir_(std::move(contentDir))
{}

const FontFace& Context::font()
{
    if (!font_) {
        std::optional<std::string> bytes = readFile(fontPath_);
        inputs_.push_back(Input{Input::Kind::Font, {}, fileDigest(bytes)});
        font_ = std::make_unique<FontFace>(std::move(bytes).value_or(std::string()), fontPath_.string());
        if (!font_->valid()) {
            fail(font_->error());
        }
    }
    return *font_;
}

std::optional<std::string> Context::readContent(const std::string& relative)
{
    std::optional<std::string> bytes = readFile(contentDir_ / relative);
    inputs_.push_back(Input{Input::Kind::File, relative, fileDigest(bytes)});
    return bytes;
}

std::vector<std::string> Context::listContent(const std::string& relative)
{
    std::vector<std::string> entries = folderEntries(contentDir_ / relative);
    inputs_.push_back(Input{Input::Kind::Folder, relative, folderDigest(entries)});
    return entries;
}

bool Context::save(const Canvas& canvas, const std::string& relative, int jpegQuality)
{
    return save(canvas.toImage(), relative, jpegQuality);
}

bool Context::save(const Image& image, const std::string& relative, int jpegQuality)
{
    const std::filesystem::path path = output(relative);
    const std::string extension = path.extension().string();
    std::string error;
    bool ok = false;
    if (extension == ".png") {
        ok = savePng(image, path, error);
    } else if (extension == ".jpg") {
        ok = saveJpeg(image, path, jpegQuality, error);
    } else {
        error = relative + ": no writer for '" + extension + "' files";
    }
    if (!ok) {
        fail(error);
    }
    return ok;
}

std::filesystem::path Context::output(const std::string& relative)
{
    outputs_.push_back(relative);
    return outDir_ / std::filesystem::path(relative);
}

void Context::fail(const std::string& message)
{
    problems_.push_back(message);
}
} // namespace contentgen
