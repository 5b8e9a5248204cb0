// TRCMFile.hpp: a hierarchical data file, the format of every content and save file.
//
// A file is a list of named groups in braces; a group holds "key = values" entries and nested
// groups. Values are either text in double quotes or bare decimal numbers, separated by ", ":
//
//     level {
//         id = 3
//         name = "Forest", "Night"
//         data {
//             deckDim = 512, 640
//         }
//
//     }
//
// Values are reached by a path of names joined with "::" ("level::data::deckDim"); names are
// matched ignoring letter case and the first of several equal names wins. Whatever is missing
// reads as "" or 0.
#pragma once

#include "data/TRCMGroup.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TRCMFile
{
public:
    // Groups nested deeper than this make the file malformed: it then loads empty.
    static constexpr int maxDepth = 64;

    // Writes the groups of the root to `path`, replacing the file through a temporary file in
    // the same folder, so a failed save leaves the old file as it was. Entries directly in the
    // root are not written. The text is Latin-1 when every character fits, else UTF-16 LE
    // behind its byte-order mark. False, with a console line naming the file, on failure.
    bool save(const std::string& path) const;

    // Reads and parses the file; on any failure the tree stays empty and a console line names
    // the file. True when the file was parsed.
    bool Load(const std::string& path);

    // True when "{" and "}" outside double-quoted runs of the loaded text balance.
    bool checkGroups();
    // A text ending in "}" gets a final line feed.
    void checkTxt();

    // Parses `text` into a group called `name`; nothing when groups nest deeper than maxDepth.
    std::optional<TRCMGroup> readAll(const std::string& text, const std::string& name) const;

    static std::string myTrim(std::string_view s);

    // One "key = values" line (already trimmed) as an entry.
    TRCMEntry readEntry(const std::string& line) const;

    // The group that holds the entry named by the last of `parts`, creating missing groups.
    TRCMGroup& getGroupSet(const std::vector<std::string>& parts);

    void setString(const std::string& path, const std::string& value, int index = 0);
    void setFloat(const std::string& path, double value, int index = 0);
    // A whole number written with every digit: setFloat keeps nine significant digits, so
    // 1234567891 would come back as 1234567890.
    void setInt(const std::string& path, long long value, int index = 0);

    // The stored text of value `index` of the entry at `path`; "" when anything is missing.
    std::string getString(const std::string& path, int index = 0) const;

    // The same value as a number ([-]digits[.digits] after leading blanks; 0 when missing).
    // A non-zero `dump` first prints the group that was found.
    double getFloat(const std::string& path, int index = 0, int dump = 0) const;

    // getFloat clamped into the range of int, for counts and positions.
    int getInt(const std::string& path, int index = 0) const;

    // The group reached through all but the last of `parts`; nullptr when a step is missing.
    const TRCMGroup* getGroup(const std::vector<std::string>& parts) const;
    TRCMGroup* getGroup(const std::vector<std::string>& parts);

    void printAll() const;

    // "Napotkano problem : " + text on the console.
    void errorMsg(const std::string& text) const;

    // A path split at every "::".
    static std::vector<std::string> splitPath(const std::string& path);

    TRCMGroup _grupa;
    std::string _path;
    std::string _realPath;
    std::string _txt;

private:
    const TRCMEntry* findEntry(const std::string& path) const;
};
