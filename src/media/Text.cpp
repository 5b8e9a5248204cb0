// Text.cpp: encodings and string helpers.
#include "media/Text.hpp"

#include <algorithm>
#include <cstdint>

namespace media::text
{
namespace
{
constexpr char32_t replacementChar = 0xFFFD;

std::string fromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    auto unit = [&](std::size_t at) -> std::uint16_t {
        auto hi = static_cast<std::uint8_t>(bytes[at + (bigEndian ? 0 : 1)]);
        auto lo = static_cast<std::uint8_t>(bytes[at + (bigEndian ? 1 : 0)]);
        return static_cast<std::uint16_t>(hi << 8 | lo);
    };
    while (i + 1 < bytes.size()) {
        char32_t c = unit(i);
        i += 2;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 < bytes.size()) {
                std::uint16_t low = unit(i);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                } else {
                    c = replacementChar;
                }
            } else {
                c = replacementChar;
            }
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            c = replacementChar;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::string fromLatin1(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        appendUtf8(out, static_cast<unsigned char>(b));
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

// Decodes one code point at `i`, advancing it; malformed input gives U+FFFD and one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& i)
{
    auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        ++i;
        return replacementChar;
    }
    if (i + extra >= s.size()) {
        ++i;
        return replacementChar;
    }
    for (int k = 1; k <= extra; ++k) {
        auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return replacementChar;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return c;
}

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string decodeFileBytes(std::string_view bytes)
{
    if (startsWith(bytes, "\xFF\xFE"))
        return fromUtf16(bytes.substr(2), false);
    if (startsWith(bytes, "\xFE\xFF"))
        return fromUtf16(bytes.substr(2), true);
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return std::string(bytes.substr(3));
    return fromLatin1(bytes);
}

std::string encodeForFile(std::string_view utf8)
{
    std::u32string points = toUtf32(utf8);
    bool narrow = std::all_of(points.begin(), points.end(), [](char32_t c) { return c < 256; });
    std::string out;
    if (narrow) {
        out.reserve(points.size());
        for (char32_t c : points)
            out += static_cast<char>(c);
        return out;
    }
    out.reserve(2 + points.size() * 2);
    out += "\xFF\xFE";
    auto put = [&](std::uint16_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (char32_t c : points) {
        if (c >= 0x10000) {
            c -= 0x10000;
            put(static_cast<std::uint16_t>(0xD800 + (c >> 10)));
            put(static_cast<std::uint16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            put(static_cast<std::uint16_t>(c));
        }
    }
    return out;
}

std::u32string toUtf32(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size())
        out += nextCodePoint(utf8, i);
    return out;
}

std::string toUtf8(std::u32string_view codePoints)
{
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints)
        appendUtf8(out, c);
    return out;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = replacementChar;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t length(std::string_view utf8)
{
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        nextCodePoint(utf8, i);
        ++n;
    }
    return n;
}

std::string substr(std::string_view utf8, std::size_t first, std::size_t count)
{
    std::size_t i = 0;
    for (std::size_t skipped = 0; skipped < first && i < utf8.size(); ++skipped)
        nextCodePoint(utf8, i);
    std::size_t start = i;
    for (std::size_t taken = 0; taken < count && i < utf8.size(); ++taken)
        nextCodePoint(utf8, i);
    return std::string(utf8.substr(start, i - start));
}

std::string toUpper(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), asciiUpper);
    return out;
}

std::string toLower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), asciiLower);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

std::string trim(std::string_view s)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return std::string(s.substr(b, e - b));
}

std::string replaceAll(std::string_view s, std::string_view what, std::string_view with)
{
    if (what.empty())
        return std::string(s);
    std::string out;
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = s.find(what, pos);
        if (hit == std::string_view::npos) {
            out += s.substr(pos);
            return out;
        }
        out += s.substr(pos, hit - pos);
        out += with;
        pos = hit + what.size();
    }
}
} // namespace media::text
