// TextTables.cpp: language text tables.
#include "data/TextTables.hpp"

#include "data/Language.hpp"
#include "media/FileSystem.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <utility>

namespace
{
// A line feed ends a line, so "a\n\nb" has the three lines "a", "" and "b"; every other
// character, a carriage return too, belongs to the line. The text after the last line feed
// is a line only when it is not empty.
std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}
} // namespace

std::string textTablePath(const std::string& path)
{
    return media::text::replaceAll(path, "#LANG#", language);
}

std::optional<TTxtFile> readTextTable(const std::string& path)
{
    std::string real = textTablePath(path);
    if (media::fs::pathType(real) != media::fs::PathType::File)
        return std::nullopt;
    std::optional<std::string> text = media::fs::readText(real);
    if (!text)
        return std::nullopt;
    TTxtFile table;
    table.txt = splitLines(*text);
    return table;
}

TTxtFile loadTextTable(const std::string& path)
{
    if (std::optional<TTxtFile> table = readTextTable(path))
        return std::move(*table);
    media::reportLine("Napotkano problem : Nie znaleziono pliku : " + textTablePath(path));
    return TTxtFile();
}

std::string getText(const TTxtFile& table, int n)
{
    if (n < 1 || n > table.lines())
        return "(BEYOND TEXT ARRAY LENGTH!)";
    return table.txt[static_cast<std::size_t>(n - 1)];
}
