// TRGMFont.hpp: a font declared by name in a GUI description file.
#pragma once

#include "gui/TSimpleEntry.hpp"

#include <string>
#include <vector>

namespace media
{
class Font;
}
class TGui;

class TRGMFont
{
public:
    // The FONT declaration: URL (any value; the embedded typeface is used) and SIZE (12 when
    // absent). The font goes to the container's fonts, or to the program-wide fonts when there
    // is no container. Without URL nothing is made (and that is reported).
    static void createFromList(const std::string& name, const std::vector<TSimpleEntry>& entries, TGui* gui);
    // The first font of the container (or of the program-wide fonts) named `name` in any letter
    // case; nullptr when there is none.
    static const TRGMFont* getByID(const std::string& name, const TGui* gui);

    media::Font* _font = nullptr; // owned by the platform's font cache
    std::string _id;
};

// Fonts declared without a container (the menus of a menu bar look them up here), kept by the
// program.
std::vector<TRGMFont>& programFonts();
