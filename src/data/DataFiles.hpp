// DataFiles.hpp: making data files for readers and writers.
#pragma once

#include "data/TRCMFile.hpp"

#include <string>

// A new, empty data file, to be filled with setString/setFloat and saved.
TRCMFile newDataFile();

// The data file at `path`, loaded; an empty tree (and a console line naming the file) when it
// is missing or malformed.
TRCMFile loadDataFile(const std::string& path);
