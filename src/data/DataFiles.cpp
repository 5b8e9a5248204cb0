// DataFiles.cpp: making data files.
#include "data/DataFiles.hpp"

TRCMFile newDataFile()
{
    return TRCMFile();
}

TRCMFile loadDataFile(const std::string& path)
{
    TRCMFile file;
    file.Load(path);
    return file;
}
