// Fonts.cpp
#include "gui/Fonts.hpp"

#include "media/Platform.hpp"

media::Font& loadFont(const std::string&, int size)
{
    return media::fonts().get(size);
}

media::Font& fontOrDefault(media::Font* font)
{
    return font ? *font : loadFont(embeddedFontName, defaultFontSize);
}
