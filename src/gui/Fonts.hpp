// Fonts.hpp: the game's fonts. Every text of the game is set in the one typeface compiled into
// the program; only the size differs.
#pragma once

#include <string>

namespace media
{
class Font;
}

// The name every font request stands for: callers' paths ("gfx/fonts/bookman.ttf", ...) are
// replaced by it before anything else.
inline constexpr const char* embeddedFontName = "font.ttf";

// The embedded typeface at `size` pixels, smoothed. Each size is loaded once per run (the
// platform's font cache keeps it); `path` has no effect.
media::Font& loadFont(const std::string& path, int size);

// Texts whose declaration names no font are set at this size.
inline constexpr int defaultFontSize = 12;
// `font`, or the embedded typeface at the default size when there is none.
media::Font& fontOrDefault(media::Font* font);
