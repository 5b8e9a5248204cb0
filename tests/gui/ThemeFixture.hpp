// ThemeFixture.hpp: theme files and their pictures for the toolkit's tests, and what a frame
// drew of a theme's pieces.
#pragma once

#include "gui/GuiFixture.hpp"
#include "gui/TTheme.hpp"
#include "media/null/NullRenderer.hpp"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gui_testing
{
// A theme file at `path` (a data file with the group TEMAT): `okno` and `belka` map entry names
// to their values as written ("\"lu.png\"" for a picture, "10, 20, 30" for a colour).
inline std::string themeText(const std::map<std::string, std::string>& okno,
                             const std::map<std::string, std::string>& belka)
{
    std::string text = "TEMAT {\n    OKNO {\n";
    for (const auto& [key, value] : okno)
        text += "        " + key + " = " + value + "\n";
    text += "    }\n    BELKA {\n";
    for (const auto& [key, value] : belka)
        text += "        " + key + " = " + value + "\n";
    text += "    }\n}\n";
    return text;
}

// The window pieces of a frame with 16 x 16 corners, edges one pixel thin along their length and
// a 1 x 1 centre, each its own picture in `folder` (relative to the theme file), by entry name.
inline std::map<std::string, std::string> thinFramePieces(GuiFixture& f, const std::string& themeFolder,
                                                          const std::string& folder)
{
    const struct
    {
        const char* entry;
        int w, h;
    } pieces[] = {{"leftUp", 16, 16},   {"Up", 1, 16},         {"rightUp", 16, 16},
                  {"right", 16, 1},     {"rightdown", 16, 16}, {"down", 1, 16},
                  {"leftdown", 16, 16}, {"left", 16, 1},       {"srodek", 1, 1}};
    std::map<std::string, std::string> entries;
    for (const auto& p : pieces) {
        const std::string file = folder + "/" + p.entry + ".png";
        f.picture(themeFolder + "/" + file, p.w, p.h);
        entries[p.entry] = "\"" + file + "\"";
    }
    return entries;
}

// A drawn picture's place on the screen.
struct Placed
{
    float x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Placed&) const = default;
};

inline void PrintTo(const Placed& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ", " << p.w << " x " << p.h << ")";
}

// Where each drawn sprite that shows `picture` went, in drawing order.
inline std::vector<Placed> placesOf(const std::vector<media::NullRenderer::Recorded>& drawn,
                                    const media::Picture& picture)
{
    std::vector<Placed> places;
    if (picture.empty())
        return places;
    for (const auto& d : drawn) {
        if (d.sprite.texture == picture.data()->levels[0].get())
            places.push_back({d.sprite.x, d.sprite.y, d.sprite.w, d.sprite.h});
    }
    return places;
}

// The index in `drawn` of the first sprite showing `picture`; -1 when it was not drawn.
inline int firstDrawn(const std::vector<media::NullRenderer::Recorded>& drawn, const media::Picture& picture)
{
    for (std::size_t i = 0; i < drawn.size() && !picture.empty(); ++i) {
        if (drawn[i].sprite.texture == picture.data()->levels[0].get())
            return static_cast<int>(i);
    }
    return -1;
}

inline int countReports(const GuiFixture& f, const std::string& part)
{
    int n = 0;
    for (const std::string& line : f.reports)
        n += line.find(part) != std::string::npos ? 1 : 0;
    return n;
}
} // namespace gui_testing
