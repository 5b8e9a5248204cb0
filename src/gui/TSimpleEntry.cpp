// TSimpleEntry.cpp
#include "gui/TSimpleEntry.hpp"

#include "media/Report.hpp"
#include "media/Text.hpp"

void TSimpleEntry::wyprintuj(const std::string& prefix) const
{
    media::reportLine(prefix + _typ + " = " + _value);
}

const std::string* findEntry(const std::vector<TSimpleEntry>& entries, std::string_view key)
{
    const std::string* found = nullptr;
    for (const TSimpleEntry& e : entries) {
        if (media::text::equalsIgnoreCase(e._typ, key))
            found = &e._value;
    }
    return found;
}

std::string entryOr(const std::vector<TSimpleEntry>& entries, std::string_view key,
                    const std::string& fallback)
{
    const std::string* v = findEntry(entries, key);
    return v ? *v : fallback;
}
