// TGui.hpp: a screen's widgets, read from a GUI description file: one widget per declaration
// in file order, updated and drawn each frame, found by name, reporting clicks by name.
#pragma once

#include "gui/TGuiObject.hpp"
#include "gui/TRGMFont.hpp"
#include "gui/TSimpleEntry.hpp"
#include "gui/TSmallObject.hpp"
#include "media/Picture.hpp"

#include <memory>
#include <string>
#include <vector>

class TTheme;

class TGui
{
public:
    // Nested declarations deeper than this are reported and skipped (a hostile file of
    // thousands of braces must not exhaust the stack).
    static constexpr int maxNesting = 32;

    TGui() = default;
    TGui(const TGui&) = delete;
    TGui& operator=(const TGui&) = delete;

    // Forgets the widgets and this frame's click and hover; the fonts stay.
    int clear();
    // Sets every widget's opacity and its target (the screen's fade reaches the widgets).
    int setGuiAlpha(float alpha);
    // The first widget named `name` in any letter case; nullptr when there is none.
    std::shared_ptr<TGuiObject> getItem(const std::string& name) const;
    // The same, as a widget class; nullptr when the widget is of another class.
    template <typename Widget>
    std::shared_ptr<Widget> getItemAs(const std::string& name) const
    {
        return std::dynamic_pointer_cast<Widget>(getItem(name));
    }
    int addItem(std::shared_ptr<TGuiObject> widget);
    // 1 when the widget clicked in the last update is named `name` (any letter case); the
    // click sound is asked for then.
    int clickedItem(const std::string& name);
    // One frame: every widget's update in file order (a later widget overrides an earlier one's
    // click and hover; a menu bar stands for the command clicked or pointed at in it), the reload
    // keys, the "over" cursor, the hover and click sounds.
    int update();
    int draw();
    // Reads the file again; the widget list is built anew (widgets a screen still holds stay
    // alive, but are no longer the container's).
    int reload();
    // Reads a description file and builds its widgets in file order; the fonts and themes it
    // declares join those declared before (the first of a name is the one found). Paths in the file are
    // relative to the file's folder.
    int Load(const std::string& path);

    // Reads one nested declaration of a menu bar from words[at] on (its type and name are given,
    // its "{" already passed), up to its matching "}".
    TSmallObject _odbierzDeklaracje(const std::string& type, const std::string& name,
                                    const std::vector<std::string>& words, std::size_t& at, int depth);
    static TSimpleEntry _createSimpleEntry(const std::string& key, const std::string& value);
    // Builds a declaration with nested declarations (a menu bar).
    int dodajObiektZlozony(const std::string& type, const std::string& name,
                           const std::vector<TSimpleEntry>& entries, const std::vector<TSmallObject>& nested);
    // Builds any other declaration.
    int dodajObiekt(const std::string& type, const std::string& name,
                    const std::vector<TSimpleEntry>& entries);
    // The text cut into words, then grouped into declarations by braces.
    static std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text);
    static std::vector<std::string> splitWords(const std::string& text);
    static std::vector<std::vector<std::string>> groupDeclarations(const std::vector<std::string>& words);

    // --- what widget classes ask while they are built from the file
    // A path of the file, relative to the file's folder, as the game opens it.
    std::string resolvePath(const std::string& value) const;
    // A caption: literal, or "[table|n]": line n of that text table.
    std::string text(const std::string& value) const;
    // A font declared earlier in this file; reported and nullptr when there is none.
    media::Font* font(const std::string& name) const;
    // A picture of the file, masked, filtered and mip-mapped; a missing file is reported and
    // gives an empty picture.
    media::Picture picture(const std::string& value) const;
    // The same picture cut into `cells` cells of cellWidth x cellHeight.
    media::Picture strip(const std::string& value, int cellWidth, int cellHeight, int cells) const;

    std::vector<TRGMFont> _fonts;
    std::vector<std::shared_ptr<TTheme>> _themes; // declared by this file; the program keeps them too
    std::vector<std::shared_ptr<TGuiObject>> _listaObiektow;
    std::string _clicked;
    std::string _over;
    std::string _myPath;
    std::string remPath;

private:
    void readDeclaration(const std::vector<std::string>& words);

    std::string folder_; // the folder of the file being read, as given
    std::string path_;   // the file as it was asked for, for reload
};

// A new empty container.
std::unique_ptr<TGui> createGui();
// A container loaded from `path`; an empty one, reported, when there is no such file.
std::unique_ptr<TGui> loadGui(const std::string& path);
