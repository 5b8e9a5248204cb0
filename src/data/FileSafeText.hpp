// FileSafeText.hpp: text cleaned of the characters that would break a data file's layout.
#pragma once

#include <string>
#include <string_view>

namespace data
{
// `text` without "=", "{", "}", double quotes, carriage returns and line feeds: inside a
// name, key or quoted value each of these would split a line, open or close a group or end
// the value early. `stripped` is set to true when anything was removed.
std::string fileSafeText(std::string_view text, bool* stripped);
} // namespace data
