// Text.hpp: text encodings of the game's files and the string helpers every module shares.
//
// Inside the game every string is UTF-8. Files on disk are read as UTF-16 (little or big
// endian) or UTF-8 when they start with a byte-order mark, and as one byte per character
// (Latin-1) otherwise; they are written as Latin-1 when every character fits, else as
// UTF-16 little endian behind its byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace media::text
{
// Bytes of a whole file, honouring the byte-order marks described above, as UTF-8.
std::string decodeFileBytes(std::string_view bytes);

// UTF-8 text as the bytes to write to a file (see above).
std::string encodeForFile(std::string_view utf8);

// Code points of UTF-8 text; malformed bytes read as U+FFFD.
std::u32string toUtf32(std::string_view utf8);
std::string toUtf8(std::u32string_view codePoints);
void appendUtf8(std::string& out, char32_t codePoint);

// Number of code points, and the code points from `first` on, `count` of them at most.
std::size_t length(std::string_view utf8);
std::string substr(std::string_view utf8, std::size_t first, std::size_t count = std::string::npos);

// Case folding of ASCII letters only: keys, names and paths of the game are ASCII.
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Without blanks (space, tab, carriage return, line feed) at either end.
std::string trim(std::string_view s);

// Every occurrence of `what` replaced by `with`.
std::string replaceAll(std::string_view s, std::string_view what, std::string_view with);
} // namespace media::text
