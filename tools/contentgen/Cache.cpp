// Cache.cpp: generator keys from the tool's source table, and the stamps of past runs.
#include "Cache.hpp"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <map>
#include <sstream>

namespace contentgen
{
namespace
{
// Changing what a key covers or how a stamp is written: bump this, and every generator runs.
constexpr std::string_view format = "eldmere contentgen cache 1";

bool endsWithPath(std::string_view file, std::string_view path)
{
    if (file == path) {
        return true;
    }
    return file.size() > path.size() && file.ends_with(path) && file[file.size() - path.size() - 1] == '/';
}

std::string_view kindName(Input::Kind kind)
{
    switch (kind) {
    case Input::Kind::Font: return "font";
    case Input::Kind::File: return "file";
    case Input::Kind::Folder: return "folder";
    }
    return {};
}

std::optional<Input::Kind> kindNamed(std::string_view name)
{
    for (const Input::Kind kind : {Input::Kind::Font, Input::Kind::File, Input::Kind::Folder}) {
        if (kindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

// A whole number written in decimal, all of `text`.
template <typename Number>
std::optional<Number> number(std::string_view text)
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> fields(std::string_view line)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        out.emplace_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) {
            return out;
        }
        start = tab + 1;
    }
}
} // namespace

std::optional<std::vector<const SourceFile*>> sourcesOf(const std::vector<SourceFile>& table,
                                                        std::string_view file)
{
    std::map<std::string_view, const SourceFile*> byPath;
    for (const SourceFile& source : table) {
        byPath.emplace(source.path, &source);
    }
    const auto start = std::find_if(table.begin(), table.end(), [&](const SourceFile& source) {
        return endsWithPath(file, source.path);
    });
    if (start == table.end()) {
        return std::nullopt;
    }
    std::map<std::string_view, const SourceFile*> found;
    std::vector<const SourceFile*> pending = {&*start};
    while (!pending.empty()) {
        const SourceFile* source = pending.back();
        pending.pop_back();
        if (!found.emplace(source->path, source).second) {
            continue;
        }
        for (const std::string& include : source->includes) {
            const auto it = byPath.find(include);
            if (it == byPath.end()) {
                return std::nullopt;
            }
            pending.push_back(it->second);
        }
        const std::string_view path = source->path;
        if (path.ends_with(".hpp")) {
            const std::string implementation = std::string(path.substr(0, path.size() - 4)) + ".cpp";
            if (const auto it = byPath.find(implementation); it != byPath.end()) {
                pending.push_back(it->second);
            }
        }
    }
    std::vector<const SourceFile*> sources;
    for (const auto& [path, source] : found) {
        sources.push_back(source);
    }
    return sources;
}

std::string generatorKey(std::string_view name, const std::vector<const SourceFile*>& sources,
                         std::string_view tool)
{
    Sha256 digest;
    for (const std::string_view part : {format, std::string_view("\ntool "), tool,
                                        std::string_view("\ngenerator "), name, std::string_view("\n")}) {
        digest.add(part);
    }
    for (const SourceFile* source : sources) {
        digest.add("source ");
        digest.add(source->path);
        digest.add(" ");
        digest.add(source->digest);
        digest.add("\n");
    }
    return digest.hex();
}

std::string formatStamp(const Stamp& stamp)
{
    std::ostringstream out;
    out << format << '\n' << "key\t" << stamp.key << '\n';
    for (const Input& input : stamp.inputs) {
        out << "input\t" << kindName(input.kind) << '\t' << input.path << '\t' << input.digest << '\n';
    }
    for (const Output& output : stamp.outputs) {
        out << "output\t" << output.path << '\t' << output.size << '\t' << output.written << '\n';
    }
    return out.str();
}

std::optional<Stamp> parseStamp(std::string_view text)
{
    Stamp stamp;
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            return std::nullopt; // cut short
        }
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (first) {
            if (line != format) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        const std::vector<std::string> f = fields(line);
        if (f[0] == "key" && f.size() == 2) {
            stamp.key = f[1];
        } else if (f[0] == "input" && f.size() == 4 && kindNamed(f[1])) {
            stamp.inputs.push_back(Input{*kindNamed(f[1]), f[2], f[3]});
        } else if (f[0] == "output" && f.size() == 4 && number<std::uintmax_t>(f[2])
                   && number<std::int64_t>(f[3])) {
            stamp.outputs.push_back(Output{f[1], *number<std::uintmax_t>(f[2]), *number<std::int64_t>(f[3])});
        } else {
            return std::nullopt;
        }
    }
    if (first || stamp.key.empty()) {
        return std::nullopt;
    }
    return stamp;
}

bool upToDate(const Stamp& stamp, std::string_view key, const InputRoots& roots,
              const std::filesystem::path& outDir)
{
    if (stamp.key != key) {
        return false;
    }
    for (const Input& input : stamp.inputs) {
        if (currentDigest(input, roots) != input.digest) {
            return false;
        }
    }
    for (const Output& output : stamp.outputs) {
        if (outputNow(outDir, output.path) != output) {
            return false;
        }
    }
    return true;
}

std::optional<Output> outputNow(const std::filesystem::path& outDir, const std::string& path)
{
    const std::filesystem::path file = outDir / path;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(file, error);
    if (error) {
        return std::nullopt;
    }
    return Output{path, size,
                  std::chrono::duration_cast<std::chrono::nanoseconds>(written.time_since_epoch()).count()};
}

std::filesystem::path stampPath(const std::filesystem::path& cacheDir, std::string_view name)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string file;
    for (const char c : name) {
        if (c == '/' || c == '*' || c == '%') {
            file += '%';
            file += digits[static_cast<unsigned char>(c) >> 4];
            file += digits[static_cast<unsigned char>(c) & 0xf];
        } else {
            file += c;
        }
    }
    return cacheDir / (file + ".stamp");
}
} // namespace contentgen
