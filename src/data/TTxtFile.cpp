// TTxtFile.cpp: a language text table.
#include "data/TTxtFile.hpp"

int TTxtFile::lines() const
{
    return static_cast<int>(txt.size());
}
