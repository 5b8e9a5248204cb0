// TRCMFile.cpp: reading, looking up, changing and writing data files.
#include "data/TRCMFile.hpp"

#include "data/DataNumbers.hpp"
#include "media/FileSystem.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <climits>
#include <utility>

namespace
{
// The character-by-character reader of one group. It keeps the text of the current line
// (which is also the name of a group that a "{" opens) and whether that line holds an "=".
// A line with neither "=" nor "{" is not ended by its line feed: its text starts the next
// entry key or group name.
class GroupReader
{
public:
    GroupReader(const TRCMFile& file, const std::string& text) : file(file), text(text) {}

    // Reads the group whose content starts at `start`, `depth` groups below the root.
    void read(std::size_t start, int depth, TRCMGroup& group)
    {
        std::string line;
        bool equals = false;
        std::size_t i = start;
        while (i < text.size()) {
            char c = text[i];
            if (c == '{') {
                if (depth + 1 > TRCMFile::maxDepth) {
                    tooDeep = true;
                    return;
                }
                TRCMGroup nested;
                nested._id = media::text::trim(line);
                read(i + 1, depth + 1, nested);
                if (tooDeep)
                    return;
                i = nested._pos;
                group._listaGrup.push_back(std::move(nested));
                line.clear();
                // A stray "=" in a group name must not turn the next blank line into an entry.
                equals = false;
                continue;
            }
            if (c == '}') {
                group._pos = i + 1;
                return;
            }
            if (c == '\n') {
                if (equals) {
                    group._listaWpisow.push_back(file.readEntry(media::text::trim(line)));
                    line.clear();
                    equals = false;
                }
                ++i;
                continue;
            }
            if (c == '=')
                equals = true;
            line += c;
            ++i;
        }
        // End of text: the group ends here, and an entry line without its line feed is dropped.
        group._pos = text.size();
    }

    bool tooDeep = false;

private:
    const TRCMFile& file;
    const std::string& text;
};

// The value text of an entry split at every "," outside double-quoted runs; the quotes stay
// in the parts, empty parts between commas remain and an empty last part is dropped.
std::vector<std::string> splitValues(std::string_view values)
{
    std::vector<std::string> parts;
    std::string part;
    bool quoted = false;
    for (char c : values) {
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted) {
            parts.push_back(std::move(part));
            part.clear();
            continue;
        }
        part += c;
    }
    if (!part.empty())
        parts.push_back(std::move(part));
    return parts;
}
} // namespace

bool TRCMFile::save(const std::string& path) const
{
    bool stripped = false;
    std::string text;
    for (const TRCMGroup& group : _grupa._listaGrup)
        text += group.save("", &stripped);
    if (stripped) {
        media::report(path, "left out characters a data file cannot hold (= { } \" line breaks) "
                            "from names and text values");
    }
    std::string error;
    if (!media::fs::writeFileAtomically(path, media::text::encodeForFile(text), &error)) {
        media::report(path, "cannot save the data file: " + error);
        return false;
    }
    return true;
}

bool TRCMFile::Load(const std::string& path)
{
    _grupa = TRCMGroup();
    _txt.clear();
    _path = path;
    _realPath = media::fs::absolutePath(path);
    std::optional<std::string> text;
    if (media::fs::pathType(path) == media::fs::PathType::File)
        text = media::fs::readText(path);
    if (!text) {
        errorMsg("Nie znaleziono pliku : " + path);
        return false;
    }
    _txt = std::move(*text);
    if (_txt.empty())
        return true;
    checkTxt();
    if (!checkGroups())
        return false;
    std::optional<TRCMGroup> root = readAll(_txt, "MAINGROUP");
    if (!root) {
        errorMsg("Zbyt gleboko zagniezdzone grupy (ponad " + std::to_string(maxDepth) + ") : " + path);
        return false;
    }
    _grupa = std::move(*root);
    return true;
}

bool TRCMFile::checkGroups()
{
    long opening = 0;
    long closing = 0;
    bool quoted = false;
    for (char c : _txt) {
        if (c == '"')
            quoted = !quoted;
        else if (c == '{' && !quoted)
            ++opening;
        else if (c == '}' && !quoted)
            ++closing;
    }
    if (opening == closing)
        return true;
    errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(opening) + " \"}\" - "
             + std::to_string(closing) + " : " + _path);
    return false;
}

void TRCMFile::checkTxt()
{
    if (!_txt.empty() && _txt.back() == '}')
        _txt += '\n';
}

std::optional<TRCMGroup> TRCMFile::readAll(const std::string& text, const std::string& name) const
{
    TRCMGroup group;
    group._id = name;
    GroupReader reader(*this, text);
    reader.read(0, 0, group);
    if (reader.tooDeep)
        return std::nullopt;
    return group;
}

std::string TRCMFile::myTrim(std::string_view s)
{
    return media::text::trim(s);
}

TRCMEntry TRCMFile::readEntry(const std::string& line) const
{
    TRCMEntry entry;
    std::size_t firstEquals = line.find('=');
    std::string_view rest = std::string_view(line);
    std::string_view values;
    if (firstEquals != std::string::npos) {
        rest = rest.substr(0, firstEquals);
        values = std::string_view(line).substr(firstEquals + 1);
        // Text after a further "=" is not part of the values.
        values = values.substr(0, values.find('='));
    }
    entry._id = media::text::trim(rest);
    std::string trimmed = media::text::trim(values);
    // A line with nothing after "=" holds an entry without values: every read of it gives "" or
    // 0, and it is written back as "key = ".
    if (trimmed.empty())
        return entry;
    char first = trimmed.front();
    entry._type = (first >= '0' && first <= '9') || first == '-' ? RCM_NUMBER : RCM_TEXT;
    for (std::string& part : splitValues(values)) {
        if (entry._type == RCM_NUMBER) {
            entry._value.push_back(std::move(part));
            continue;
        }
        // A text part is a blank, a quote, the text and a quote. A part too short for that
        // (`k = x`) reads as "".
        std::size_t length = media::text::length(part);
        entry._value.push_back(length < 3 ? std::string() : media::text::substr(part, 2, length - 3));
    }
    return entry;
}

TRCMGroup& TRCMFile::getGroupSet(const std::vector<std::string>& parts)
{
    TRCMGroup* group = &_grupa;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        TRCMGroup* nested = group->getGroup(parts[i]);
        if (!nested) {
            nested = &group->_listaGrup.emplace_back();
            nested->_id = parts[i];
        }
        group = nested;
    }
    return *group;
}

void TRCMFile::setString(const std::string& path, const std::string& value, int index)
{
    std::vector<std::string> parts = splitPath(path);
    getGroupSet(parts).setStringEntry(parts.back(), value, index);
}

void TRCMFile::setFloat(const std::string& path, double value, int index)
{
    std::vector<std::string> parts = splitPath(path);
    getGroupSet(parts).setFloatEntry(parts.back(), value, index);
}

void TRCMFile::setInt(const std::string& path, long long value, int index)
{
    std::vector<std::string> parts = splitPath(path);
    getGroupSet(parts).setIntEntry(parts.back(), value, index);
}

std::string TRCMFile::getString(const std::string& path, int index) const
{
    const TRCMEntry* entry = findEntry(path);
    const std::string* value = entry ? entry->valueAt(index) : nullptr;
    return value ? *value : std::string();
}

double TRCMFile::getFloat(const std::string& path, int index, int dump) const
{
    if (dump != 0) {
        if (const TRCMGroup* group = getGroup(splitPath(path)))
            group->showGroup("");
    }
    const TRCMEntry* entry = findEntry(path);
    const std::string* value = entry ? entry->valueAt(index) : nullptr;
    return value ? data::readNumber(*value) : 0.0;
}

int TRCMFile::getInt(const std::string& path, int index) const
{
    double value = getFloat(path, index);
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

const TRCMGroup* TRCMFile::getGroup(const std::vector<std::string>& parts) const
{
    const TRCMGroup* group = &_grupa;
    for (std::size_t i = 0; group && i + 1 < parts.size(); ++i)
        group = group->getGroup(parts[i]);
    return group;
}

TRCMGroup* TRCMFile::getGroup(const std::vector<std::string>& parts)
{
    return const_cast<TRCMGroup*>(std::as_const(*this).getGroup(parts));
}

void TRCMFile::printAll() const
{
    _grupa.showGroup("");
}

void TRCMFile::errorMsg(const std::string& text) const
{
    media::reportLine("Napotkano problem : " + text);
}

std::vector<std::string> TRCMFile::splitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t begin = 0;
    while (true) {
        std::size_t hit = path.find("::", begin);
        if (hit == std::string::npos) {
            parts.push_back(path.substr(begin));
            return parts;
        }
        parts.push_back(path.substr(begin, hit - begin));
        begin = hit + 2;
    }
}

const TRCMEntry* TRCMFile::findEntry(const std::string& path) const
{
    std::vector<std::string> parts = splitPath(path);
    const TRCMGroup* group = getGroup(parts);
    return group ? group->getEntry(parts.back()) : nullptr;
}
