// Cache.hpp: running a generator again only when something that decides its files has changed.
//
// A generator's key digests what fixes its output apart from the files it reads: the cache's
// format, the tool's build (compiler and library versions), the generator's name, and the text
// of the sources its code comes from. Those are the file that registers it, every file that
// file includes, directly or not, and beside each such header X.hpp its source X.cpp (a
// header's functions live in the source of the same name; the registering functions that
// Groups.hpp, CardArt.hpp and HudArt.hpp declare elsewhere are not generator code). What it
// reads while it runs (the font, the caption tables, a folder's entries) is recorded with the
// digest of what it found.
//
// After a generator succeeds, its stamp in the cache folder holds the key, those inputs and the
// files it wrote with their sizes and times. A later run skips it while the key is the same,
// every input has the same digest and every file is still there as it was written.
#pragma once

#include "Digest.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace contentgen
{
// A source file of the tool: its path from the project root, the SHA-256 of its text, and the
// files it includes (paths from the project root).
struct SourceFile
{
    std::string path;
    std::string digest;
    std::vector<std::string> includes;
};

// The tool's sources as they were when it was built (generated into SourceDigests.cpp).
const std::vector<SourceFile>& builtFrom();

// The files whose text the code in `file` depends on, in path order: `file` is matched against
// the table by its end, so the compiler's (absolute) path of a source will do. Nothing if it
// or something it includes is missing from the table.
std::optional<std::vector<const SourceFile*>> sourcesOf(const std::vector<SourceFile>& table,
                                                        std::string_view file);

// The key of the generator `name` whose code comes from `sources`, in a tool built as `tool`
// describes (compiler and library versions).
std::string generatorKey(std::string_view name, const std::vector<const SourceFile*>& sources,
                         std::string_view tool);

// A file a generator wrote (path under the output folder), its size in bytes and the time it
// was last written (nanoseconds of the file clock).
struct Output
{
    std::string path;
    std::uintmax_t size = 0;
    std::int64_t written = 0;

    bool operator==(const Output&) const = default;
};

// The file at `path` under `outDir` as it is now, or nothing if there is no such file.
std::optional<Output> outputNow(const std::filesystem::path& outDir, const std::string& path);

struct Stamp
{
    std::string key;
    std::vector<Input> inputs;
    std::vector<Output> outputs;

    bool operator==(const Stamp&) const = default;
};

std::string formatStamp(const Stamp& stamp);
// Nothing if the text is not a stamp.
std::optional<Stamp> parseStamp(std::string_view text);

// Whether a generator with `key` needs no run: `stamp` has that key, every recorded input still
// has its digest and every recorded output is in `outDir` at its size and time.
bool upToDate(const Stamp& stamp, std::string_view key, const InputRoots& roots,
              const std::filesystem::path& outDir);

// The stamp file of the generator `name` in `cacheDir` (the name with '/', '*' and '%' escaped).
std::filesystem::path stampPath(const std::filesystem::path& cacheDir, std::string_view name);
} // namespace contentgen
