// FileSystem.cpp: POSIX files and folders.
#include "media/FileSystem.hpp"

#include "media/Text.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace media::fs
{
namespace
{
bool existsExactly(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> splitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

std::string errnoText()
{
    return std::strerror(errno);
}

void setError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}
} // namespace

std::string resolve(const std::string& path)
{
    if (path.empty() || existsExactly(path))
        return path;
    bool absolute = path[0] == '/';
    std::string built = absolute ? "/" : "";
    for (const std::string& part : splitPath(path)) {
        std::string candidate = built + part;
        if (!existsExactly(candidate)) {
            std::string folder = built.empty() ? "." : built;
            bool found = false;
            if (part != "." && part != "..") {
                for (const std::string& name : listFolder(folder)) {
                    if (text::equalsIgnoreCase(name, part)) {
                        candidate = built + name;
                        found = true;
                        break;
                    }
                }
            }
            if (!found)
                return path;
        }
        built = candidate + "/";
    }
    if (!built.empty() && built.back() == '/' && built != "/")
        built.pop_back();
    return built;
}

PathType pathType(const std::string& path)
{
    struct stat st;
    std::string real = resolve(path);
    if (real.empty() || ::stat(real.c_str(), &st) != 0)
        return PathType::Absent;
    if (S_ISDIR(st.st_mode))
        return PathType::Folder;
    return PathType::File;
}

std::optional<std::string> readBytes(const std::string& path)
{
    std::string real = resolve(path);
    if (pathType(real) != PathType::File)
        return std::nullopt;
    std::ifstream in(real, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(buffer).str();
}

std::optional<std::string> readText(const std::string& path)
{
    auto bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return text::decodeFileBytes(*bytes);
}

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error)
{
    std::string folder = parentFolder(path);
    std::string temp = path + ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        setError(error, "cannot create " + temp + ": " + errnoText());
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            setError(error, "cannot write " + temp + ": " + errnoText());
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        setError(error, "cannot flush " + temp + ": " + errnoText());
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        setError(error, "cannot replace " + path + ": " + errnoText());
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool appendToFile(const std::string& path, const std::string& bytes, std::string* error)
{
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) {
        setError(error, "cannot open " + path + ": " + errnoText());
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        setError(error, "cannot write " + path + ": " + errnoText());
        return false;
    }
    return true;
}

bool createFolders(const std::string& path, std::string* error)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (pathType(path) == PathType::Folder)
        return true;
    setError(error,
             "cannot create folder " + path + ": " + (ec ? ec.message() : std::string("not a folder")));
    return false;
}

std::vector<std::string> listFolder(const std::string& path)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(path.empty() ? "." : path.c_str());
    if (!dir)
        return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool removeFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

namespace
{
enum class Renamed
{
    Done,
    Taken,
    Failed
};

Renamed renameUnlessTaken(const std::string& from, const std::string& to, std::string* error)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return Renamed::Done;
    if (errno == EEXIST)
        return Renamed::Taken;
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system without a no-replace rename: a name seen free is taken at once.
        if (existsExactly(to))
            return Renamed::Taken;
        if (::rename(from.c_str(), to.c_str()) == 0)
            return Renamed::Done;
    }
    setError(error, "cannot move " + from + " to " + to + ": " + errnoText());
    return Renamed::Failed;
}
} // namespace

bool renameWithoutReplacing(const std::string& from, const std::string& to, std::string* error)
{
    Renamed result = renameUnlessTaken(from, to, error);
    if (result == Renamed::Taken)
        setError(error, "cannot move " + from + " to " + to + ": something is there already");
    return result == Renamed::Done;
}

std::string moveAside(const std::string& path, const std::string& suffix, std::string* error)
{
    if (!existsExactly(path)) {
        setError(error, "cannot move " + path + " aside: it is not there");
        return {};
    }
    for (int n = 1; n <= 1000; ++n) {
        std::string target = path + suffix + "-" + std::to_string(n);
        Renamed result = renameUnlessTaken(path, target, error);
        if (result == Renamed::Done)
            return target;
        if (result == Renamed::Failed)
            return {};
    }
    setError(error, "cannot move " + path + " aside: every name up to " + suffix + "-1000 is taken");
    return {};
}

std::string currentFolder()
{
    std::error_code ec;
    auto here = std::filesystem::current_path(ec);
    return ec ? std::string(".") : here.generic_string();
}

bool changeFolder(const std::string& path)
{
    return ::chdir(path.c_str()) == 0;
}

std::string absolutePath(const std::string& path)
{
    std::string unified = text::replaceAll(path, "\\", "/");
    std::filesystem::path p(unified);
    if (p.is_relative())
        p = std::filesystem::path(currentFolder()) / p;
    return p.lexically_normal().generic_string();
}

std::string parentFolder(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return "";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string userDataHome()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home && home[0])
        return std::string(home) + "/.local/share";
    return ".";
}

std::string executableFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().generic_string();
}
} // namespace media::fs
