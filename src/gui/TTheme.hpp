// TTheme.hpp: the pictures that dress the framed widgets (the nine pieces of a window frame, the
// three pieces of a menu bar, the nine pieces of a drop-down menu box) and the bar's colours, read
// from a theme file. Windows and menu bars name a theme and stretch its pieces to their size.
#pragma once

#include "gui/TRGB.hpp"
#include "gui/TSimpleEntry.hpp"
#include "media/Picture.hpp"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TGui;
class TRCMFile;

// The pieces of a nine-piece frame (a window's, or the box of a drop-down menu), in the order the
// theme file lists them: corners and edges clockwise from the top-left corner, then the centre.
enum class FramePiece
{
    leftUp,
    up,
    rightUp,
    right,
    rightDown,
    down,
    leftDown,
    left,
    middle
};
inline constexpr std::size_t framePieces = 9;

// The pieces of a menu bar: its two ends and the middle stretched between them.
enum class BarPiece
{
    left,
    middle,
    right
};
inline constexpr std::size_t barPieces = 3;

// How many times a piece `size` pixels long goes into `space`: the stretch that fills the space
// with it. 0 for a piece that is not there (size 0), and for no space at all (a frame too small
// for its corners would otherwise draw the piece mirrored outside itself).
inline float pieceStretch(float space, float size)
{
    return size > 0 && space > 0 ? space / size : 0.0f;
}

class TTheme
{
public:
    // Reads the theme file at `url`: the window pieces, then the bar's pieces and colours and the
    // menu box pieces. Picture paths in the file are taken from the file's own folder. A file
    // that cannot be read leaves every piece empty (the data reader names the file).
    int loadTheme(const std::string& url);
    int loadBelkaGFX(const TRCMFile& file);
    int loadWindowGFX(const TRCMFile& file);
    // The THEME declaration: the first URL makes the theme (relative to the GUI file), found
    // later by the declaration's name; without URL it is reported and no theme is made.
    static void createFromList(const std::string& name, const std::vector<TSimpleEntry>& entries, TGui& gui);

    const media::Picture& okno(FramePiece piece) const { return oknoImg[static_cast<std::size_t>(piece)]; }
    const media::Picture& box(FramePiece piece) const { return rect[static_cast<std::size_t>(piece)]; }
    const media::Picture& belka(BarPiece piece) const { return bar[static_cast<std::size_t>(piece)]; }

    std::string id; // upper case
    // Absent pieces stay empty pictures and are skipped when drawing.
    std::array<media::Picture, framePieces> oknoImg;
    std::array<media::Picture, barPieces> bar;
    std::array<media::Picture, framePieces> rect; // the drop-down menu box
    int barHeight = 0;                            // the bar's middle piece's height; 0 without one
    TRGB backRGB;                                 // under the entry the pointer is on
    TRGB textRGB;
    TRGB outLineRGB;

private:
    // The picture an entry of the theme file names, from the file's folder; empty when the entry
    // is absent, and reported when the file named is not there.
    media::Picture piece(const TRCMFile& file, const std::string& entry) const;

    std::string folder_; // the theme file's folder while it is read
};

// A new theme read from `url`, named `name` (kept in upper case). It joins the container's themes
// (when one is given) and the program's, and becomes the newest theme.
std::shared_ptr<TTheme> createTheme(const std::string& name, const std::string& url, TGui* gui);
// The first theme named `name` in any letter case: the container's own first (the program's
// when no container is given), then the program's; nullptr when none is.
std::shared_ptr<TTheme> findTheme(const std::string& name, const TGui* gui);
// The theme a window or bar declaration names (`name` may be absent), else the newest theme;
// nullptr when no theme was ever made.
std::shared_ptr<TTheme> themeOrNewest(const std::string* name, const TGui& gui);
