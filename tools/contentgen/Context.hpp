// Context.hpp: what a generator gets: where to write, the font, the source content folder
// (for pictures drawn from authored text), and a place to report.
#pragma once

#include "Canvas.hpp"
#include "FontFace.hpp"
#include "Image.hpp"

#include <filesystem>
#include <memory>
#include <string>

namespace contentgen
{
class Context
{
public:
    // contentDir may be empty when no generator that reads authored files is run.
    Context(std::filesystem::path outDir, std::filesystem::path fontPath,
            std::filesystem::path contentDir = {});

    // The game's typeface, loaded on first use (a failure is reported once; the face then
    // draws nothing and the run fails).
    const FontFace& font();

    // Write a picture at `relative` (a "/"-separated path under the output folder).
    // PNG for ".png", JPEG for ".jpg" (quality 1..100). Failures are reported.
    bool save(const Canvas& canvas, const std::string& relative, int jpegQuality = 90);
    bool save(const Image& image, const std::string& relative, int jpegQuality = 90);

    // Reports a problem with a generated picture; the run then exits with failure.
    void fail(const std::string& message);

    bool failed() const { return failed_; }
    int filesWritten() const { return filesWritten_; }
    const std::filesystem::path& outDir() const { return outDir_; }
    // The source content folder (content/ of the project), or empty if none was given.
    const std::filesystem::path& contentDir() const { return contentDir_; }

private:
    std::filesystem::path outDir_;
    std::filesystem::path fontPath_;
    std::filesystem::path contentDir_;
    std::unique_ptr<FontFace> font_;
    bool failed_ = false;
    int filesWritten_ = 0;
};
} // namespace contentgen
