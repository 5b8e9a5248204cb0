// TSmallObject.cpp
#include "gui/TSmallObject.hpp"

#include "media/Report.hpp"

void TSmallObject::wyprintuj(const std::string& prefix) const
{
    media::reportLine(prefix + _typ + " " + _name);
    for (const auto& token : _tokeny) {
        if (const auto* entry = std::get_if<TSimpleEntry>(&token))
            entry->wyprintuj(prefix + "   ");
        else
            std::get<std::unique_ptr<TSmallObject>>(token)->wyprintuj(prefix + "   ");
    }
}

std::vector<TSimpleEntry> TSmallObject::entries() const
{
    std::vector<TSimpleEntry> out;
    for (const auto& token : _tokeny) {
        if (const auto* entry = std::get_if<TSimpleEntry>(&token))
            out.push_back(*entry);
    }
    return out;
}

std::vector<const TSmallObject*> TSmallObject::nested() const
{
    std::vector<const TSmallObject*> out;
    for (const auto& token : _tokeny) {
        if (const auto* inner = std::get_if<std::unique_ptr<TSmallObject>>(&token))
            out.push_back(inner->get());
    }
    return out;
}
