// FileSystem.hpp: files and folders as the game sees them.
//
// Content paths are relative to the working folder and "/"-separated. The content was laid
// out for a file system that ignores letter case, so a path that does not exist exactly is
// looked up again folder by folder without regard to case.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace media::fs
{
enum class PathType
{
    Absent = 0,
    File = 1,
    Folder = 2
};

// The path as it exists on disk: itself when it exists, else the first case-insensitive match
// of each component, else the path unchanged.
std::string resolve(const std::string& path);

PathType pathType(const std::string& path);

// The whole file as raw bytes; nothing when it cannot be read.
std::optional<std::string> readBytes(const std::string& path);

// The whole file as UTF-8 text (byte-order marks honoured, else one byte per character).
std::optional<std::string> readText(const std::string& path);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk and renames it
// over `path`, so a crash never leaves a half-written file. False (and `error`) on failure;
// the old file is then untouched.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Appends `bytes` to the file, creating it when needed.
bool appendToFile(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Creates the folder and every missing parent; true when the folder exists afterwards.
bool createFolders(const std::string& path, std::string* error = nullptr);

// Names (not paths) of the entries of a folder, sorted; empty when it cannot be read.
std::vector<std::string> listFolder(const std::string& path);

bool removeFile(const std::string& path);

// Renames the file or folder `from` to `to` unless something is at `to` already; false (and
// `error`) otherwise.
bool renameWithoutReplacing(const std::string& from, const std::string& to, std::string* error = nullptr);

// Moves the file or folder `path` to the first free name `path` + `suffix` + "-1", "-2", ...,
// never replacing anything there; the new path, or "" (and `error`) when it cannot be moved.
std::string moveAside(const std::string& path, const std::string& suffix, std::string* error = nullptr);

std::string currentFolder();
bool changeFolder(const std::string& path);

// The absolute, "/"-separated form of the path (relative paths join the working folder).
std::string absolutePath(const std::string& path);

// The folder part of a path ("a/b/c.txt" gives "a/b"; "c.txt" gives "").
std::string parentFolder(const std::string& path);

// $XDG_DATA_HOME, or $HOME/.local/share, or "." when neither is known.
std::string userDataHome();

// Folder of the running executable, from /proc/self/exe ("" when unknown).
std::string executableFolder();
} // namespace media::fs
