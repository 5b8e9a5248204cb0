// GuiValues.hpp: the value forms of GUI description files: numbers, colours and flags.
#pragma once

#include "gui/TRGB.hpp"

#include <optional>
#include <string>
#include <vector>

// The numbers of a value such as "512 384", split at single spaces. Each is read as an integer
// from its start ("12px" gives 12, "x" gives 0). At least `count` numbers come back; the
// missing ones are 0.
std::vector<int> guiNumbers(const std::string& value, std::size_t count);

// One integer, read the same way.
int guiInt(const std::string& value);

// "r g b"; a first number of -1 means no colour.
std::optional<TRGB> guiColour(const std::string& value);

// "TRUE" in any letter case is 1; anything else 0.
int guiFlag(const std::string& value);
