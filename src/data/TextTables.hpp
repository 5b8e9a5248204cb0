// TextTables.hpp: loading language text tables and reading their lines.
//
// Every "#LANG#" in a table path stands for the language code, so "txt/#LANG#/mainMenu.txt"
// and "txt/" + language + "/mainMenu.txt" name the same file.
#pragma once

#include "data/TTxtFile.hpp"

#include <optional>
#include <string>

// The path with every "#LANG#" replaced by the language code.
std::string textTablePath(const std::string& path);

// The table at `path`; nothing when the file cannot be read (start-up stops then, naming it).
std::optional<TTxtFile> readTextTable(const std::string& path);

// The table at `path`. A missing file gives one console line naming it and an empty table, so
// every text of it shows the placeholder.
TTxtFile loadTextTable(const std::string& path);

// Line `n` of the table counted from 1; "(BEYOND TEXT ARRAY LENGTH!)" outside the table.
std::string getText(const TTxtFile& table, int n);
