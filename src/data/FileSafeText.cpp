// FileSafeText.cpp: cleaning names and text values before they are written.
#include "data/FileSafeText.hpp"

namespace data
{
std::string fileSafeText(std::string_view text, bool* stripped)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '=' || c == '{' || c == '}' || c == '"' || c == '\r' || c == '\n') {
            if (stripped)
                *stripped = true;
            continue;
        }
        out += c;
    }
    return out;
}
} // namespace data
