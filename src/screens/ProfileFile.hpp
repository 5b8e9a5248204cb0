// ProfileFile.hpp: a player's profile on disk: its folder, its data file and its level in
// progress, and how a damaged stored file is reported and kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

class TProfile;

namespace profile_file
{
// userDataPath + "/Profiles": the folder of every player's folder and of the list of players.
std::string profilesFolder();
// The folder of the player with that id, its data file and its saved quest level.
std::string folderOf(const std::string& id);
std::string dataPathOf(const std::string& id);
std::string levelPathOf(const std::string& id);

// Writes the profile's level in progress (when there is one) and then its data file into its
// folder, made when missing; every file through a temporary file renamed over the old one.
// False, with a console line, when something could not be written.
bool write(const TProfile& profile);

// The profile stored at `dataPath` (a "profile.dat"), its level in progress from the same
// folder; nothing when there is no such file. Damage (a file that cannot be read or holds no
// profile, a count beyond the entries present, an unknown card, sword or item, a quest place
// beyond the content) is reported with the path; what was damaged keeps its default, and the
// file is moved aside (see FileDamage) so the next save destroys nothing; `movedAside` is then
// set to true, and the caller writes the profile again at once so the player is still found.
std::optional<TProfile> read(const std::string& dataPath, bool* movedAside = nullptr);

// The problems found in one stored file.
struct FileDamage
{
    std::string path;
    std::vector<std::string> problems;

    void note(std::string problem) { problems.push_back(std::move(problem)); }
    bool any() const { return !problems.empty(); }
    // Reports every problem with the path, then renames the file to the first free
    // path + ".damaged-N" (never replacing a file) and says where it went. The new path, or ""
    // when there was nothing to report or the file could not be moved (reported too).
    std::string keepAside() const;
};
} // namespace profile_file
