// TRCMEntry.cpp: one entry of a data file.
#include "data/TRCMEntry.hpp"

#include "data/DataNumbers.hpp"
#include "data/FileSafeText.hpp"

#include <algorithm>
#include <utility>

std::string TRCMEntry::toTxt(bool* stripped) const
{
    std::string line = data::fileSafeText(_id, stripped);
    line += " =";
    for (std::size_t i = 0; i < _value.size(); ++i) {
        line += i == 0 ? " " : ", ";
        if (_type == RCM_NUMBER) {
            line += data::numberForFile(_value[i]);
        } else {
            line += '"';
            line += data::fileSafeText(_value[i], stripped);
            line += '"';
        }
    }
    if (_value.empty())
        line += ' ';
    return line;
}

void TRCMEntry::setValue(const std::string& value, int index)
{
    if (index < 0)
        return;
    auto at = static_cast<std::size_t>(index);
    if (_value.size() < at + 1) {
        std::vector<std::string> longer = createArray(at + 1);
        std::move(_value.begin(), _value.end(), longer.begin());
        _value = std::move(longer);
    }
    _value[at] = value;
}

std::vector<std::string> TRCMEntry::createArray(std::size_t n)
{
    return std::vector<std::string>(n);
}

const std::string* TRCMEntry::valueAt(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= _value.size())
        return nullptr;
    return &_value[static_cast<std::size_t>(index)];
}
