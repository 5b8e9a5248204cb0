// TRCMGroup.cpp: a group of a data file.
#include "data/TRCMGroup.hpp"

#include "data/DataNumbers.hpp"
#include "data/FileSafeText.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <algorithm>

namespace
{
template <typename List>
auto findByName(List& list, const std::string& name) -> decltype(&list.front())
{
    auto hit = std::find_if(list.begin(), list.end(),
                            [&](const auto& item) { return media::text::equalsIgnoreCase(item._id, name); });
    return hit == list.end() ? nullptr : &*hit;
}
} // namespace

std::string TRCMGroup::save(const std::string& indent, bool* stripped) const
{
    std::string out;
    bool named = !_id.empty();
    if (named)
        out += indent + data::fileSafeText(_id, stripped) + " {\n";
    if (_listaWpisow.empty())
        out += '\n';
    for (const TRCMEntry& entry : _listaWpisow)
        out += indent + '\t' + entry.toTxt(stripped) + '\n';
    for (const TRCMGroup& group : _listaGrup)
        out += group.save(indent + '\t', stripped);
    if (named)
        out += indent + "}\n\n";
    return out;
}

void TRCMGroup::showGroup(const std::string& indent) const
{
    std::string text = save(indent);
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        media::reportLine(std::string_view(text).substr(begin, end - begin));
        begin = end + 1;
    }
}

TRCMGroup* TRCMGroup::getGroup(const std::string& name)
{
    return findByName(_listaGrup, name);
}

const TRCMGroup* TRCMGroup::getGroup(const std::string& name) const
{
    return findByName(_listaGrup, name);
}

TRCMEntry* TRCMGroup::getEntry(const std::string& name)
{
    return findByName(_listaWpisow, name);
}

const TRCMEntry* TRCMGroup::getEntry(const std::string& name) const
{
    return findByName(_listaWpisow, name);
}

void TRCMGroup::setStringEntry(const std::string& name, const std::string& value, int index)
{
    TRCMEntry* entry = getEntry(name);
    if (!entry) {
        _addEntry(name, value, index);
        return;
    }
    bool keepsNumeric = value.empty() || data::isCleanNumber(value);
    if (entry->_type == RCM_NUMBER && !keepsNumeric)
        entry->_type = RCM_TEXT;
    entry->setValue(value, index);
}

void TRCMGroup::setFloatEntry(const std::string& name, double value, int index)
{
    std::string text = data::formatNine(value);
    if (TRCMEntry* entry = getEntry(name)) {
        entry->setValue(text, index);
        return;
    }
    _addEntry(name, text, index)._type = RCM_NUMBER;
}

void TRCMGroup::setIntEntry(const std::string& name, long long value, int index)
{
    std::string text = std::to_string(value);
    if (TRCMEntry* entry = getEntry(name)) {
        entry->setValue(text, index);
        return;
    }
    _addEntry(name, text, index)._type = RCM_NUMBER;
}

TRCMEntry& TRCMGroup::_addEntry(const std::string& name, const std::string& value, int index)
{
    TRCMEntry& entry = _listaWpisow.emplace_back();
    entry._id = name;
    entry._type = RCM_TEXT;
    entry.setValue(value, index);
    return entry;
}
