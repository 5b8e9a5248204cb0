// StringTools.hpp: the small string operations description files and animation schemas are
// read with: quotes, splitting with quote markers, digits, and bracketed "tags".
#pragma once

#include <string>
#include <vector>

// `s` without any double quote.
std::string stripQuotes(const std::string& s);

// Splits at every `separator`. When `open` and `close` are both given, a character equal to
// `open` starts a quoted run and one equal to `close` ends it (both dropped); separators inside
// a run belong to the piece. Pieces ended by a separator are kept even when empty; the piece
// after the last separator only when it is not empty.
std::vector<std::string> splitText(const std::string& s, const std::string& separator,
                                   const std::string& open, const std::string& close);

// Whether every character is 0-9 (true for "").
int isDigits(const std::string& s);

// The texts between `open` and the next `close` ("A (1) (2)" between ( and ) gives 1 and 2).
// Double quotes are always dropped; with mode 1 they also toggle a quoted state in which the
// markers are ordinary characters. A marker out of place is reported and ignored.
std::vector<std::string> extractTagged(const std::string& s, char open, char close, int mode);

// `s` without its tags, their markers and any double quote ("NORMAL (120)" gives "NORMAL ").
std::string removeTagged(const std::string& s, char open, char close, int mode);

// The parts that are not empty once trimmed, untrimmed, in order.
std::vector<std::string> removeEmpty(const std::vector<std::string>& parts);
