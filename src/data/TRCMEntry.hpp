// TRCMEntry.hpp: one "key = values" line of a data file.
#pragma once

#include <string>
#include <vector>

// Kinds of entry: values written between double quotes, or bare decimal numbers.
inline constexpr int RCM_TEXT = 0;
inline constexpr int RCM_NUMBER = 1;

// An entry of a data-file group. Numeric values are kept exactly as they were read (with the
// blank that follows "=" or ","); they are converted only when someone asks for a number.
class TRCMEntry
{
public:
    // The entry as one line of the file, without indent or line feed: key + " = " + values.
    // Text values lose the characters the file cannot hold (=, {, }, double quote, line
    // breaks), and so does the key; `stripped`, when given, is set to true when that happened.
    // Numbers are written as clean decimal text: whole ones as integers.
    std::string toTxt(bool* stripped = nullptr) const;

    // Stores `value` at `index`, growing the value list with "" when it is too short.
    // A negative index stores nothing.
    void setValue(const std::string& value, int index);

    // A list of `n` empty values.
    static std::vector<std::string> createArray(std::size_t n);

    // The value at `index`; nullptr when there is no such value.
    const std::string* valueAt(int index) const;

    std::string _id;
    std::vector<std::string> _value;
    int _type = RCM_TEXT;
};
