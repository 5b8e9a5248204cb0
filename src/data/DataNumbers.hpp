// DataNumbers.hpp: how numbers are read from and written into data files.
#pragma once

#include <string>
#include <string_view>

namespace data
{
// Length of the number at the start of `s` after its leading blanks: [-]digits[.digits].
// Returns the blanks skipped in `start` and 0 when there is no such number.
std::size_t numberPrefix(std::string_view s, std::size_t& start);

// The number at the start of `s` (leading blanks skipped); 0 when there is none. Never NaN or
// infinite: a value too large for a double reads as the largest double of its sign.
double readNumber(std::string_view s);

// True when the whole of `s`, blanks at either end aside, is one [-]digits[.digits] number.
bool isCleanNumber(std::string_view s);

// Nine significant digits with the decimal point always present ("0.500000000",
// "3.00000000"), never with an exponent: the reader could not read one back. Values that are
// not finite are written as 0.
std::string formatNine(double value);

// The text a numeric value is written as: an integer when it is whole, otherwise its decimal
// number without the blanks and anything after it; "0" when it holds no number.
std::string numberForFile(std::string_view stored);
} // namespace data
