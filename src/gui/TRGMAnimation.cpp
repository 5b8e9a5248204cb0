// TRGMAnimation.cpp
#include "gui/TRGMAnimation.hpp"

#include "gui/GuiError.hpp"
#include "gui/GuiValues.hpp"
#include "gui/StringTools.hpp"
#include "gui/TGui.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

#include <algorithm>

namespace
{
// The words of a head, split at single spaces: LOOP, a step time, or a name. True when NORMAL
// was among the names.
bool readHead(const std::string& head, TRGMAnim& anim)
{
    bool isNormal = false;
    for (const std::string& word : splitText(head, " ", "", "")) {
        if (media::text::toUpper(word) == "LOOP") {
            anim.loop = true;
        } else if (isDigits(word)) {
            anim.interwal = guiInt(word); // an empty word too: it counts as 0
        } else {
            anim.id = media::text::toUpper(word);
            isNormal = isNormal || anim.id == "NORMAL";
        }
    }
    return isNormal;
}

// A frame number with no cell of the strip would show nothing; the first one is reported.
void reportCellsOutside(const std::string& schema, const std::vector<TRGMAnim>& anims, int cells)
{
    for (const TRGMAnim& anim : anims) {
        const auto listed = anim.frame.begin() + anim.maxFrames;
        const auto outside =
            std::find_if(anim.frame.begin(), listed, [&](int n) { return n < 0 || n >= cells; });
        if (outside != listed) {
            guiError("Schemat :" + schema + " - klatka " + std::to_string(*outside) + " poza paskiem "
                     + std::to_string(cells) + " klatek!");
            return;
        }
    }
}
} // namespace

TRGMAnimation::TRGMAnimation()
{
    _class = classAnimation;
}

std::vector<std::string> TRGMAnimation::_pobierzDeklaracje(const std::string& schema)
{
    const std::string s = media::text::trim(schema);
    if (s.empty() || s.front() != '[')
        guiError("Nieprawidlowa definicja schematu : " + schema);
    std::vector<std::string> declarations;
    std::string current;
    for (char c : s) {
        if (c == '[') {
            if (!current.empty())
                declarations.push_back(media::text::trim(current));
            current = "[";
        } else {
            current += c;
        }
    }
    current = media::text::trim(current);
    if (!current.empty() && current != "[")
        declarations.push_back(current);
    return declarations;
}

int TRGMAnimation::_czyZawiera(const std::string& word, const std::vector<std::string>& list)
{
    return std::find(list.begin(), list.end(), word) != list.end() ? 1 : 0;
}

int TRGMAnimation::interpretujSchemat(const std::string& schema)
{
    std::vector<TRGMAnim> anims;
    std::vector<std::string> distinct; // each frame number once, written as a number
    std::optional<TRGMAnim> normal;
    for (const std::string& declaration : _pobierzDeklaracje(schema)) {
        TRGMAnim anim;
        const std::vector<std::string> tags = extractTagged(declaration, '[', ']', 1);
        const bool isNormal = !tags.empty() && readHead(tags.front(), anim);
        const std::string frames = media::text::trim(removeTagged(declaration, '[', ']', 1));
        for (const std::string& word : splitText(frames, " ", "", "")) {
            if (anim.maxFrames == TRGMAnim::capacity) {
                guiError("Schemat :" + schema + " - ponad 100 klatek w animacji " + anim.id + "!");
                break;
            }
            const int n = guiInt(word);
            anim.frame[static_cast<std::size_t>(anim.maxFrames++)] = n;
            if (!_czyZawiera(std::to_string(n), distinct))
                distinct.push_back(std::to_string(n));
        }
        if (isNormal)
            normal = anim;
        anims.push_back(anim);
    }
    if (normal)
        playAnim(*normal);
    else
        guiError("Schemat :" + schema + " - nie uwzglednil animacji NORMAL!");
    allFrames = static_cast<int>(distinct.size());
    // The strip is cut by the count of frame numbers: without any there is nothing to show.
    if (allFrames == 0)
        guiError("Schemat :" + schema + " - nie zawiera zadnej klatki!");
    else
        reportCellsOutside(schema, anims, allFrames);
    animsList = std::move(anims);
    return 1;
}

int TRGMAnimation::loadGFX(const std::string& path)
{
    gfx = {};
    if (allFrames < 1)
        return 0;
    if (media::fs::pathType(path) != media::fs::PathType::File) {
        guiError("NO img: " + path);
        return 0;
    }
    const media::Picture whole = media::pictures().load(path);
    if (whole.empty())
        return 0;
    const int cellWidth = whole.width() / allFrames;
    if (cellWidth < 1) {
        guiError("Obrazek " + path + " jest wezszy niz " + std::to_string(allFrames) + " klatek!");
        return 0;
    }
    gfx = media::pictures().loadStrip(path, cellWidth, whole.height(), 0, allFrames);
    return 1;
}

int TRGMAnimation::playAnim(const TRGMAnim& anim)
{
    _frame = 0;
    _maxFrames = std::clamp(anim.maxFrames, 0, TRGMAnim::capacity);
    aktAnim = anim;
    _animTime = media::clock().millisecs() + anim.interwal;
    _wykonano = 0;
    return 1;
}

int TRGMAnimation::playAnim(const std::string& name)
{
    const std::string upper = media::text::toUpper(name);
    const auto found = std::find_if(animsList.begin(), animsList.end(),
                                    [&](const TRGMAnim& a) { return !name.empty() && a.id == upper; });
    if (found == animsList.end()) {
        guiError("Animacja ktora chcesz wyswietlic, nie istnieje!");
        return 0;
    }
    return playAnim(*found);
}

int TRGMAnimation::updateMe(int, int)
{
    if (!aktAnim)
        return 0;
    const long long now = media::clock().millisecs();
    if (now <= _animTime)
        return 0;
    _animTime = now + aktAnim->interwal;
    ++_frame;
    if (_frame > _maxFrames) {
        _wykonano = 1;
        _frame = aktAnim->loop ? 0 : _maxFrames;
    } else {
        _wykonano = 0;
    }
    return 1;
}

std::optional<int> TRGMAnimation::shownCell() const
{
    if (!aktAnim || _frame < 1 || _frame > _maxFrames)
        return std::nullopt;
    return aktAnim->frame[static_cast<std::size_t>(_frame - 1)];
}

int TRGMAnimation::draw(float, float)
{
    media::Renderer& g = media::gfx();
    g.setScale(_scale, _scale);
    g.setAlpha(_alpha);
    if (const std::optional<int> cell = shownCell())
        g.drawPicture(gfx, dim.x, dim.y, *cell);
    return 1;
}

std::shared_ptr<TRGMAnimation> TRGMAnimation::createFromList(const std::string& name,
                                                             const std::vector<TSimpleEntry>& entries,
                                                             const TGui& gui)
{
    auto animation = std::make_shared<TRGMAnimation>();
    TRGMAnimation& a = *animation;
    const std::vector<int> position = guiNumbers(entryOr(entries, "POSITION", "0 0"), 2);
    a.dim = createPoint(static_cast<float>(position[0]), static_cast<float>(position[1]));
    a.interpretujSchemat(entryOr(entries, "SCHEMAT", ""));
    a.loadGFX(gui.resolvePath(entryOr(entries, "GFX", "")));
    a._v = guiFlag(entryOr(entries, "VISIBLE", "TRUE"));
    a._a = guiFlag(entryOr(entries, "ACTIVE", "TRUE"));
    a._id = name;
    return animation;
}
