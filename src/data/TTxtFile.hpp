// TTxtFile.hpp: a language text table, one text per line.
#pragma once

#include <string>
#include <vector>

class TTxtFile
{
public:
    // The number of lines.
    int lines() const;

    // The lines in file order: line 1 is txt[0]. A line keeps a carriage return that stood
    // before its line feed.
    std::vector<std::string> txt;
};
