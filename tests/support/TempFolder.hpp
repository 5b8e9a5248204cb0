// TempFolder.hpp: a fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace testing_support
{
class TempFolder
{
public:
    TempFolder()
    {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path()
                / ("eldmere-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return root_.generic_string(); }
    // The path of `name` inside the folder.
    std::string file(const std::string& name) const { return (root_ / name).generic_string(); }
    std::string operator/(const std::string& name) const { return file(name); }

    // Writes `bytes` to `name` (making its folders) and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::path target = root_ / name;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << bytes;
        return target.generic_string();
    }

private:
    std::filesystem::path root_;
};
} // namespace testing_support
