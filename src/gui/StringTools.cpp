// StringTools.cpp
#include "gui/StringTools.hpp"

#include "gui/GuiError.hpp"
#include "media/Text.hpp"

std::string stripQuotes(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c != '"')
            out += c;
    }
    return out;
}

std::vector<std::string> splitText(const std::string& s, const std::string& separator,
                                   const std::string& open, const std::string& close)
{
    std::vector<std::string> parts;
    const bool markers = !open.empty() && !close.empty();
    std::string piece;
    bool quoted = false;
    std::size_t i = 0;
    while (i < s.size()) {
        if (markers && !quoted && s.compare(i, open.size(), open) == 0) {
            quoted = true;
            i += open.size();
            continue;
        }
        if (markers && quoted && s.compare(i, close.size(), close) == 0) {
            quoted = false;
            i += close.size();
            continue;
        }
        if (!quoted && !separator.empty() && s.compare(i, separator.size(), separator) == 0) {
            parts.push_back(piece);
            piece.clear();
            i += separator.size();
            continue;
        }
        piece += s[i];
        ++i;
    }
    if (!piece.empty())
        parts.push_back(piece);
    return parts;
}

int isDigits(const std::string& s)
{
    for (char c : s) {
        if (c < '0' || c > '9')
            return 0;
    }
    return 1;
}

namespace
{
// Walks `s` once: the tags' texts in order, and what is left outside them.
struct Tagged
{
    std::vector<std::string> tags;
    std::string rest;
};

Tagged walkTags(const std::string& s, char open, char close, int mode)
{
    Tagged out;
    bool inTag = false;
    bool quoted = false;
    std::string tag;
    auto misplaced = [&] {
        guiError("BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :" + s);
    };
    for (char c : s) {
        if (c == '"') {
            if (mode == 1)
                quoted = !quoted;
            continue;
        }
        if (!quoted && c == open) {
            if (inTag) {
                misplaced();
                continue;
            }
            inTag = true;
            tag.clear();
            continue;
        }
        if (!quoted && c == close) {
            if (!inTag) {
                misplaced();
                continue;
            }
            inTag = false;
            out.tags.push_back(tag);
            continue;
        }
        (inTag ? tag : out.rest) += c;
    }
    return out;
}
} // namespace

std::vector<std::string> extractTagged(const std::string& s, char open, char close, int mode)
{
    return walkTags(s, open, close, mode).tags;
}

std::string removeTagged(const std::string& s, char open, char close, int mode)
{
    return walkTags(s, open, close, mode).rest;
}

std::vector<std::string> removeEmpty(const std::vector<std::string>& parts)
{
    std::vector<std::string> out;
    for (const std::string& p : parts) {
        if (!media::text::trim(p).empty())
            out.push_back(p);
    }
    return out;
}
