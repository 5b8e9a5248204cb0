// TTheme.cpp
#include "gui/TTheme.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "gui/GuiError.hpp"
#include "gui/TGui.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <filesystem>

namespace
{
// The entries of the theme file, in the order of the pieces they fill.
const char* const windowEntries[framePieces] = {"leftUp", "Up",       "rightUp", "right", "rightdown",
                                                "down",   "leftdown", "left",    "srodek"};
const char* const barEntries[barPieces] = {"lewo", "srodek", "prawo"};
const char* const boxEntries[framePieces] = {"LU", "U", "RU", "R", "RD", "D", "LD", "L", "Middle"};

std::string inFolder(const std::string& folder, const std::string& path)
{
    std::filesystem::path p(path);
    if (p.is_absolute() || folder.empty())
        return p.lexically_normal().generic_string();
    return (std::filesystem::path(folder) / p).lexically_normal().generic_string();
}

// A frame without its top-right corner is a broken theme the author must hear of; the message
// box is only for a player at a screen, never for a headless run nobody could click it away in.
void reportMissingCorner(const std::string& what)
{
    const std::string text = "NO img: " + what;
    media::reportLine(text);
    if (media::installed() && !media::display().headless())
        media::display().messageBox("Eldmere", text);
}

TRGB colourOf(const TRCMFile& file, const std::string& entry)
{
    return TRGB{static_cast<int>(file.getFloat(entry, 0)), static_cast<int>(file.getFloat(entry, 1)),
                static_cast<int>(file.getFloat(entry, 2))};
}

std::vector<std::shared_ptr<TTheme>>& programThemes()
{
    return base::program().themes;
}

std::shared_ptr<TTheme> findIn(const std::vector<std::shared_ptr<TTheme>>& themes, const std::string& name)
{
    for (const auto& theme : themes) {
        if (media::text::equalsIgnoreCase(theme->id, name))
            return theme;
    }
    return nullptr;
}
} // namespace

int TTheme::loadTheme(const std::string& url)
{
    // Paths in the file are taken from its folder; the working folder is never changed.
    folder_ = media::fs::parentFolder(url);
    TRCMFile file;
    if (!file.Load(url))
        return 0;
    loadWindowGFX(file);
    loadBelkaGFX(file);
    return 1;
}

media::Picture TTheme::piece(const TRCMFile& file, const std::string& entry) const
{
    const std::string value = file.getString(entry);
    if (value.empty())
        return {};
    // A file that is not there is reported by the picture cache, once, naming it.
    return media::pictures().load(inFolder(folder_, value));
}

int TTheme::loadWindowGFX(const TRCMFile& file)
{
    for (std::size_t i = 0; i < framePieces; ++i)
        oknoImg[i] = piece(file, std::string("TEMAT::OKNO::") + windowEntries[i]);
    auto handle = [this](FramePiece p, bool right, bool bottom) {
        media::Picture& picture = oknoImg[static_cast<std::size_t>(p)];
        picture.setHandle(right ? static_cast<float>(picture.width()) : 0.0f,
                          bottom ? static_cast<float>(picture.height()) : 0.0f);
    };
    handle(FramePiece::rightUp, true, false);
    handle(FramePiece::right, true, false);
    handle(FramePiece::rightDown, true, true);
    handle(FramePiece::down, false, true);
    handle(FramePiece::leftDown, false, true);
    if (okno(FramePiece::rightUp).empty()) {
        const std::string value = file.getString("TEMAT::OKNO::rightUp");
        reportMissingCorner(value.empty() ? file._path + ": TEMAT::OKNO::rightUp" : inFolder(folder_, value));
    }
    return 1;
}

int TTheme::loadBelkaGFX(const TRCMFile& file)
{
    for (std::size_t i = 0; i < barPieces; ++i)
        bar[i] = piece(file, std::string("TEMAT::BELKA::") + barEntries[i]);
    if (!belka(BarPiece::middle).empty())
        barHeight = belka(BarPiece::middle).height();
    textRGB = colourOf(file, "TEMAT::BELKA::textRGB");
    outLineRGB = colourOf(file, "TEMAT::BELKA::outLineRGB");
    backRGB = colourOf(file, "TEMAT::BELKA::backRGB");
    for (std::size_t i = 0; i < framePieces; ++i)
        rect[i] = piece(file, std::string("TEMAT::BELKA::") + boxEntries[i]);
    return 1;
}

void TTheme::createFromList(const std::string& name, const std::vector<TSimpleEntry>& entries, TGui& gui)
{
    for (const TSimpleEntry& entry : entries) {
        if (media::text::equalsIgnoreCase(entry._typ, "URL")) {
            createTheme(name, gui.resolvePath(entry._value), &gui);
            return;
        }
    }
    guiError("No path for theme file!");
}

std::shared_ptr<TTheme> createTheme(const std::string& name, const std::string& url, TGui* gui)
{
    auto theme = std::make_shared<TTheme>();
    theme->loadTheme(url);
    theme->id = media::text::toUpper(name);
    if (gui)
        gui->_themes.push_back(theme);
    programThemes().push_back(theme);
    base::program().latestTheme = theme;
    return theme;
}

std::shared_ptr<TTheme> findTheme(const std::string& name, const TGui* gui)
{
    if (gui) {
        if (auto own = findIn(gui->_themes, name))
            return own;
    }
    return findIn(programThemes(), name);
}

std::shared_ptr<TTheme> themeOrNewest(const std::string* name, const TGui& gui)
{
    if (name) {
        if (auto named = findTheme(*name, &gui))
            return named;
    }
    return base::program().latestTheme;
}
