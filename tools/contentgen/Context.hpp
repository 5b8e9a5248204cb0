// Context.hpp: what a generator gets: where to write, the font, the source content folder
// (for pictures drawn from authored text), and a place to report. It keeps account of what the
// generator read and wrote, for the cache (Cache.hpp). Each run of a generator has its own.
#pragma once

#include "Canvas.hpp"
#include "Digest.hpp"
#include "FontFace.hpp"
#include "Image.hpp"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

    // The bytes of `relative` (a "/"-separated path under the source content folder), or
    // nothing if there is no such file.
    std::optional<std::string> readContent(const std::string& relative);
    // The entries of a folder under the source content folder in name order, each folder's
    // name followed by '/'.
    std::vector<std::string> listContent(const std::string& relative);

    // Write a picture at `relative` (a "/"-separated path under the output folder).
    // PNG for ".png", JPEG for ".jpg" (quality 1..100). Failures are reported.
    bool save(const Canvas& canvas, const std::string& relative, int jpegQuality = 90);
    bool save(const Image& image, const std::string& relative, int jpegQuality = 90);
    // Where to write `relative` with a writer of the generator's own (sounds); the file
    // counts as one the generator wrote.
    std::filesystem::path output(const std::string& relative);

    // Reports a problem with a generated file; the run then exits with failure.
    void fail(const std::string& message);

    bool failed() const { return !problems_.empty(); }
    const std::vector<std::string>& problems() const { return problems_; }
    // The files written (paths under the output folder) and the inputs read, in order.
    const std::vector<std::string>& outputs() const { return outputs_; }
    const std::vector<Input>& inputs() const { return inputs_; }
    // The source content folder (content/ of the project), or empty if none was given.
    const std::filesystem::path& contentDir() const { return contentDir_; }

private:
    std::filesystem::path outDir_;
    std::filesystem::path fontPath_;
    std::filesystem::path contentDir_;
    std::unique_ptr<FontFace> font_;
    std::vector<std::string> problems_;
    std::vector<std::string> outputs_;
    std::vector<Input> inputs_;
};
} // namespace contentgen
