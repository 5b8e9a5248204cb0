// The game's run folder as the build laid it out, for tests of the shipped content.
#pragma once

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace testing_support
{

inline const std::string runDir = ELDMERE_RUN_DIR;

// Every file under a folder of the run folder with one of the endings, as sorted paths
// relative to the run folder; empty when the folder is missing.
inline std::vector<std::string> filesUnder(const std::string& folder, const std::set<std::string>& endings)
{
    std::vector<std::string> found;
    const std::filesystem::path root = std::filesystem::path(runDir) / folder;
    if (!std::filesystem::exists(root))
        return found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file() && endings.count(entry.path().extension().string()))
            found.push_back(std::filesystem::relative(entry.path(), runDir).generic_string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace testing_support
