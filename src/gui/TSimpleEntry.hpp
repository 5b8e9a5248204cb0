// TSimpleEntry.hpp: one "KEY = VALUE" line of a declaration in a GUI description file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TSimpleEntry
{
public:
    // Debug dump to the console: prefix + key + " = " + value.
    void wyprintuj(const std::string& prefix) const;

    std::string _typ;   // the key as written
    std::string _value; // the value word as written
};

// The value of the last entry whose key matches `key` in any letter case (a key given twice:
// the later value wins); nullptr when the key is absent.
const std::string* findEntry(const std::vector<TSimpleEntry>& entries, std::string_view key);
// The same value, or `fallback` when the key is absent.
std::string entryOr(const std::vector<TSimpleEntry>& entries, std::string_view key,
                    const std::string& fallback);
