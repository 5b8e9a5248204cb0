// Digest.hpp: SHA-256, and the digests of what a generator reads while it runs, so a later run
// can tell whether those inputs are still the same (see Cache.hpp).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace contentgen
{
class Sha256
{
public:
    Sha256();
    void add(std::string_view bytes);
    // The digest of everything added, as 64 lowercase hex digits. Ends the use of the object.
    std::string hex();

private:
    void block(const std::uint8_t* data);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t length_ = 0; // bytes added
};

// The SHA-256 of `bytes` in hex.
std::string sha256(std::string_view bytes);

// The whole of a regular file's bytes, or nothing if it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& path);

// The digest of a file's bytes as read, or of its absence ("absent").
std::string fileDigest(const std::optional<std::string>& bytes);

// The entries of a folder in name order, each folder's name followed by '/' (none if the folder
// cannot be read), and the digest of such a list.
std::vector<std::string> folderEntries(const std::filesystem::path& folder);
std::string folderDigest(const std::vector<std::string>& entries);

// Something a generator read while it ran, with the digest of what it found.
struct Input
{
    enum class Kind
    {
        Font,   // the font file (path empty: whichever --font names)
        File,   // a file under the source content folder (path from that folder)
        Folder, // the entries of a folder under the source content folder
    };
    Kind kind;
    std::string path;
    std::string digest;

    bool operator==(const Input&) const = default;
};

// Where inputs are found: the font file and the source content folder.
struct InputRoots
{
    std::filesystem::path font;
    std::filesystem::path content;
};

// The digest the input has now.
std::string currentDigest(const Input& input, const InputRoots& roots);
} // namespace contentgen
