// TGui.cpp
#include "gui/TGui.hpp"

#include "audio/Sounds.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "data/TextTables.hpp"
#include "gui/GuiDeclarations.hpp"
#include "gui/GuiError.hpp"
#include "gui/GuiValues.hpp"
#include "gui/TGuiSelector.hpp"
#include "gui/TMouse.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

#include <filesystem>
#include <utility>

namespace
{
// Without blanks, where a blank is any character up to the space (a carriage return before
// the line feed goes too).
std::string trimBlanks(const std::string& word)
{
    std::size_t first = 0;
    std::size_t last = word.size();
    while (first < last && static_cast<unsigned char>(word[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(word[last - 1]) <= 32)
        --last;
    return word.substr(first, last - first);
}

constexpr unsigned guiPictureFlags = media::Masked | media::Filtered | media::MipMapped;

// Skips a nested declaration that is not read (words[at] is the word after its "{").
void skipBlock(const std::vector<std::string>& words, std::size_t& at)
{
    int depth = 1;
    while (at < words.size() && depth > 0) {
        if (words[at] == "{")
            ++depth;
        else if (words[at] == "}")
            --depth;
        ++at;
    }
}
} // namespace

std::unique_ptr<TGui> createGui()
{
    return std::make_unique<TGui>();
}

std::unique_ptr<TGui> loadGui(const std::string& path)
{
    auto gui = createGui();
    if (media::fs::pathType(path) != media::fs::PathType::File) {
        guiError("Plik : " + media::fs::absolutePath(path) + " nie istenieje!");
        return gui;
    }
    gui->Load(path);
    return gui;
}

int TGui::clear()
{
    _listaObiektow.clear();
    _clicked.clear();
    _over.clear();
    return 1;
}

int TGui::setGuiAlpha(float alpha)
{
    for (const auto& w : _listaObiektow) {
        w->_alpha = alpha;
        w->_dAlpha = alpha;
    }
    return 1;
}

std::shared_ptr<TGuiObject> TGui::getItem(const std::string& name) const
{
    for (const auto& w : _listaObiektow) {
        if (media::text::equalsIgnoreCase(w->_id, name))
            return w;
    }
    return nullptr;
}

int TGui::addItem(std::shared_ptr<TGuiObject> widget)
{
    if (!widget)
        return 0;
    _listaObiektow.push_back(std::move(widget));
    return 1;
}

int TGui::clickedItem(const std::string& name)
{
    if (_clicked.empty() || !media::text::equalsIgnoreCase(_clicked, name))
        return 0;
    playMySound("click");
    return 1;
}

int TGui::update()
{
    const std::string previousOver = _over;
    _clicked.clear();
    _over.clear();
    for (const auto& w : _listaObiektow) {
        w->update(0, 0);
        if (auto* selector = dynamic_cast<TGuiSelector*>(w.get())) {
            if (!selector->_clickedOp.empty())
                _clicked = selector->_clickedOp;
            if (!selector->_overOp.empty())
                _over = selector->_overOp;
            if (!_clicked.empty())
                selector->_clean();
            continue;
        }
        if (w->_clicked)
            _clicked = w->_id;
        if (w->_over)
            _over = w->_id;
    }
    media::Input& input = media::input();
    const int l = media::key::letter('l');
    if (guiReloadKey
        && (input.keyDown(media::key::LeftControl) || input.keyPressedWith(l, media::key::LeftControl))
        && input.keyHits(l) > 0)
        reload();
    if (!_over.empty() && hasGuiMouse())
        guiMouse().setCursor("over");
    if (!_over.empty() && _over != previousOver)
        playMySound("over");
    if (!_clicked.empty())
        playMySound("click");
    return 1;
}

int TGui::draw()
{
    for (const auto& w : _listaObiektow) {
        if (w->_v)
            w->draw(0, 0);
        media::gfx().setColor(255, 255, 255);
    }
    return 1;
}

int TGui::reload()
{
    return Load(path_);
}

int TGui::Load(const std::string& path)
{
    // Paths inside the file are taken from the file's folder; the working folder is never
    // changed, so nothing can leave the program standing in a content folder.
    remPath = media::fs::currentFolder();
    _myPath = media::fs::absolutePath(path);
    path_ = path;
    folder_ = media::fs::parentFolder(path);
    _listaObiektow.clear();
    std::optional<std::string> text = media::fs::readText(path);
    if (!text) {
        guiError("Plik : " + _myPath + " nie istenieje!");
        return 0;
    }
    for (const std::vector<std::string>& words : stworzListyTokenow(*text))
        readDeclaration(words);
    return 1;
}

std::vector<std::string> TGui::splitWords(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == ' ' || c == '\t')) {
            words.push_back(trimBlanks(word));
            word.clear();
        } else {
            word += c;
        }
    }
    std::string last = trimBlanks(word);
    if (!last.empty())
        words.push_back(std::move(last));
    return words;
}

std::vector<std::vector<std::string>> TGui::groupDeclarations(const std::vector<std::string>& words)
{
    std::vector<std::vector<std::string>> declarations;
    std::vector<std::string> current;
    int depth = 0;
    for (const std::string& w : words) {
        if (w.empty())
            continue;
        if (w == "{") {
            current.push_back(w);
            ++depth;
        } else if (w == "}" && depth == 1) {
            declarations.push_back(std::move(current));
            current.clear();
            depth = 0;
        } else if (w == "}") {
            current.push_back(w);
            --depth;
        } else {
            current.push_back(w);
        }
    }
    if (!current.empty())
        declarations.push_back(std::move(current));
    return declarations;
}

std::vector<std::vector<std::string>> TGui::stworzListyTokenow(const std::string& text)
{
    return groupDeclarations(splitWords(text));
}

TSimpleEntry TGui::_createSimpleEntry(const std::string& key, const std::string& value)
{
    TSimpleEntry e;
    e._typ = key;
    e._value = value;
    return e;
}

TSmallObject TGui::_odbierzDeklaracje(const std::string& type, const std::string& name,
                                      const std::vector<std::string>& words, std::size_t& at, int depth)
{
    TSmallObject object;
    object._typ = type;
    object._name = name;
    while (at < words.size()) {
        const std::string& key = words[at];
        if (key == "}") {
            ++at;
            break;
        }
        if (at + 1 < words.size() && words[at + 1] == "=") {
            object._tokeny.emplace_back(_createSimpleEntry(key, at + 2 < words.size() ? words[at + 2] : ""));
            at += 3;
            continue;
        }
        const std::string innerName = at + 1 < words.size() ? words[at + 1] : "";
        at += 3;
        if (depth >= maxNesting) {
            guiError("Zbyt gleboko zagniezdzona deklaracja : " + key + " " + innerName);
            skipBlock(words, at);
            continue;
        }
        object._tokeny.emplace_back(
            std::make_unique<TSmallObject>(_odbierzDeklaracje(key, innerName, words, at, depth + 1)));
    }
    return object;
}

void TGui::readDeclaration(const std::vector<std::string>& words)
{
    const std::string type = media::text::toUpper(words.empty() ? std::string() : words[0]);
    const std::string name = words.size() > 1 ? words[1] : std::string();
    const bool bar = type == "BAR";
    std::vector<TSimpleEntry> entries;
    std::vector<TSmallObject> nested;
    std::size_t at = 3; // after the type, the name and the "{"
    while (at < words.size()) {
        const std::string& key = words[at];
        if (at + 1 < words.size() && words[at + 1] == "=") {
            entries.push_back(_createSimpleEntry(key, at + 2 < words.size() ? words[at + 2] : ""));
            at += 3;
            continue;
        }
        if (bar) {
            const std::string innerName = at + 1 < words.size() ? words[at + 1] : "";
            at += 3;
            nested.push_back(_odbierzDeklaracje(key, innerName, words, at, 1));
            continue;
        }
        if (at + 1 >= words.size()) {
            guiError("Nieprawidlowy wpis :");
            break;
        }
        // The word standing where "=" belongs is reported; the one after it is the value.
        guiError("Nieprawidlowy wpis :" + words[at + 1]);
        entries.push_back(_createSimpleEntry(key, at + 2 < words.size() ? words[at + 2] : ""));
        at += 3;
    }
    if (bar)
        dodajObiektZlozony(type, name, entries, nested);
    else
        dodajObiekt(type, name, entries);
}

int TGui::dodajObiektZlozony(const std::string& type, const std::string& name,
                             const std::vector<TSimpleEntry>& entries,
                             const std::vector<TSmallObject>& nested)
{
    GuiDeclarationBuilder build = findGuiDeclaration(media::text::toUpper(type));
    if (!build)
        return 0;
    build(*this, name, entries, nested);
    return 1;
}

int TGui::dodajObiekt(const std::string& type, const std::string& name,
                      const std::vector<TSimpleEntry>& entries)
{
    return dodajObiektZlozony(type, name, entries, {});
}

std::string TGui::resolvePath(const std::string& value) const
{
    std::filesystem::path p(value);
    if (p.is_absolute() || folder_.empty())
        return p.lexically_normal().generic_string();
    return (std::filesystem::path(folder_) / p).lexically_normal().generic_string();
}

std::string TGui::text(const std::string& value) const
{
    if (value.size() < 2 || value.front() != '[' || value.back() != ']')
        return value;
    const std::string inner = value.substr(1, value.size() - 2);
    const std::size_t bar = inner.rfind('|');
    if (bar == std::string::npos)
        return value;
    return getText(loadTextTable(resolvePath(inner.substr(0, bar))), guiInt(inner.substr(bar + 1)));
}

media::Font* TGui::font(const std::string& name) const
{
    if (const TRGMFont* f = TRGMFont::getByID(name, this))
        return f->_font;
    guiError("Nie znaleziono czcionki : " + name);
    return nullptr;
}

media::Picture TGui::picture(const std::string& value) const
{
    const std::string path = resolvePath(value);
    if (value.empty() || media::fs::pathType(path) != media::fs::PathType::File) {
        guiError("NO img: " + path);
        return {};
    }
    return media::pictures().load(path, guiPictureFlags);
}

media::Picture TGui::strip(const std::string& value, int cellWidth, int cellHeight, int cells) const
{
    return media::pictures().loadStrip(resolvePath(value), cellWidth, cellHeight, 0, cells, guiPictureFlags);
}
