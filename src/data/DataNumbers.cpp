// DataNumbers.cpp: reading and writing the numbers of data files.
#include "data/DataNumbers.hpp"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace data
{
namespace
{
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string printed(const char* format, int precision, double value)
{
    char buffer[64];
    int n = std::snprintf(buffer, sizeof buffer, format, precision, value);
    if (n < 0)
        return "0";
    if (static_cast<std::size_t>(n) < sizeof buffer)
        return std::string(buffer, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), format, precision, value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}
} // namespace

std::size_t numberPrefix(std::string_view s, std::size_t& start)
{
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    start = i;
    if (i < s.size() && s[i] == '-')
        ++i;
    std::size_t digits = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    if (i == digits)
        return 0;
    // A point counts only when a digit follows it: "5." reads as 5.
    if (i + 1 < s.size() && s[i] == '.' && isDigit(s[i + 1])) {
        i += 2;
        while (i < s.size() && isDigit(s[i]))
            ++i;
    }
    return i - start;
}

double readNumber(std::string_view s)
{
    std::size_t start = 0;
    std::size_t length = numberPrefix(s, start);
    if (length == 0)
        return 0.0;
    std::string_view token = s.substr(start, length);
    double value = 0.0;
    auto [end, error] =
        std::from_chars(token.data(), token.data() + token.size(), value, std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too many digits either way: a huge whole part saturates, a tiny fraction is 0.
        bool negative = token.front() == '-';
        std::string_view whole = token.substr(negative ? 1 : 0);
        whole = whole.substr(0, whole.find('.'));
        bool hugeWhole = whole.find_first_not_of('0') != std::string_view::npos;
        value = hugeWhole ? (negative ? -DBL_MAX : DBL_MAX) : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    if (!std::isfinite(value))
        value = std::signbit(value) ? -DBL_MAX : DBL_MAX;
    if (value == 0.0)
        value = 0.0; // no negative zero
    return value;
}

bool isCleanNumber(std::string_view s)
{
    std::size_t start = 0;
    std::size_t length = numberPrefix(s, start);
    if (length == 0)
        return false;
    for (std::size_t i = start + length; i < s.size(); ++i) {
        if (!isBlank(s[i]))
            return false;
    }
    return true;
}

std::string formatNine(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    // The exponent after rounding to nine digits decides where the point goes; "%e" rounds
    // reliably, where "%#g" can lose digits when rounding carries (999999999.7).
    std::string scientific = printed("%.*e", 8, value);
    std::size_t e = scientific.find('e');
    int exponent = std::atoi(scientific.c_str() + e + 1);
    if (exponent < 9) {
        std::string fixed = printed("%.*f", 8 - exponent, value);
        if (fixed.find('.') == std::string::npos)
            fixed += '.';
        return fixed;
    }
    // Large values: the nine digits of the mantissa, zeros up to the point, then the point.
    std::string out;
    for (std::size_t i = 0; i < e; ++i) {
        if (scientific[i] != '.')
            out += scientific[i];
    }
    out.append(static_cast<std::size_t>(exponent - 8), '0');
    out += '.';
    return out;
}

std::string numberForFile(std::string_view stored)
{
    std::size_t start = 0;
    std::size_t length = numberPrefix(stored, start);
    if (length == 0)
        return "0";
    double value = readNumber(stored);
    if (value != std::trunc(value))
        return std::string(stored.substr(start, length));
    if (std::fabs(value) < 1e18)
        return std::to_string(static_cast<long long>(value));
    return printed("%.*f", 0, value);
}
} // namespace data
