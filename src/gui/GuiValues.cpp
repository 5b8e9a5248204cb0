// GuiValues.cpp
#include "gui/GuiValues.hpp"

#include "media/Text.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>

int guiInt(const std::string& value)
{
    const std::string t = media::text::trim(value);
    errno = 0;
    const long n = std::strtol(t.c_str(), nullptr, 10);
    if (errno == ERANGE || n > INT_MAX || n < INT_MIN)
        return n < 0 ? INT_MIN : INT_MAX;
    return static_cast<int>(n);
}

std::vector<int> guiNumbers(const std::string& value, std::size_t count)
{
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(' ', start);
        if (end == std::string::npos)
            end = value.size();
        numbers.push_back(guiInt(value.substr(start, end - start)));
        start = end + 1;
    }
    if (numbers.size() < count)
        numbers.resize(count, 0);
    return numbers;
}

std::optional<TRGB> guiColour(const std::string& value)
{
    std::vector<int> n = guiNumbers(value, 3);
    if (n[0] == -1)
        return std::nullopt;
    return TRGB{n[0], n[1], n[2]};
}

int guiFlag(const std::string& value)
{
    return media::text::equalsIgnoreCase(value, "TRUE") ? 1 : 0;
}
