// TTextEntry.cpp
#include "gui/TTextEntry.hpp"

#include "gui/Fonts.hpp"
#include "gui/GuiValues.hpp"
#include "gui/TGui.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

namespace
{
constexpr char32_t backspace = 8;
constexpr char32_t enter = 13;
constexpr char32_t del = 127;
} // namespace

TTextEntry::TTextEntry()
{
    _class = classTextEntry;
}

int TTextEntry::setInterwal(int ms)
{
    _interwal = ms;
    return 1;
}

int TTextEntry::setTxt(const std::string& text)
{
    _txt = text;
    return 1;
}

void TTextEntry::type(char32_t c)
{
    if (c == backspace) {
        const std::size_t n = media::text::length(_txt);
        if (n > 0)
            _txt = media::text::substr(_txt, 0, n - 1);
        return;
    }
    if (c == enter) {
        _clicked = 1;
        return;
    }
    // Escape, Tab and the other control codes are keys, not text.
    if (c < 32 || c == del)
        return;
    if (static_cast<long long>(media::text::length(_txt)) < _maxZnakow)
        media::text::appendUtf8(_txt, c);
}

int TTextEntry::updateMe(int, int)
{
    if (_v && _a) {
        if (const char32_t c = media::input().takeChar())
            type(c);
    }
    const long long now = media::clock().millisecs();
    if (now > _czas) {
        _czas = now + _interwal;
        _trigger = !_trigger;
    }
    return 1;
}

int TTextEntry::draw(float ox, float oy)
{
    media::Renderer& gfx = media::gfx();
    gfx.setScale(_scale, _scale);
    gfx.setAlpha(_alpha);
    // A field without a colour of its own is black.
    const TRGB colour = rgb.value_or(TRGB{0, 0, 0});
    gfx.setColor(colour.r, colour.g, colour.b);
    media::Font& font = fontOrDefault(_font);
    const float x = dim.x + ox;
    const float y = dim.y + oy;
    std::string shown = _txt;
    if (font.textWidth(_txt) >= dim.w)
        shown =
            drawClippedText(font, _txt, static_cast<int>(x), static_cast<int>(y), static_cast<int>(dim.w));
    else
        gfx.drawText(font, _txt, x, y);
    if (_trigger && _a)
        gfx.drawRect(x + font.textWidth(shown) + 2, y, _curWidth, _curHeight);
    return 1;
}

std::shared_ptr<TTextEntry> TTextEntry::createFromList(const std::string& name,
                                                       const std::vector<TSimpleEntry>& entries, TGui& gui)
{
    auto entry = std::make_shared<TTextEntry>();
    TTextEntry& e = *entry;
    e._id = name;
    if (const std::string* fontName = findEntry(entries, "FONT"))
        e._font = gui.font(*fontName);
    media::Font& font = fontOrDefault(e._font);
    const std::vector<int> position = guiNumbers(entryOr(entries, "POSITION", "0 0"), 2);
    e.dim = createPoint(static_cast<float>(position[0]), static_cast<float>(position[1]));
    e.dim.h = static_cast<float>(textHeight(font));
    e.dim.w = position.size() > 2 ? static_cast<float>(position[2]) : declaredWidth;
    e._curWidth = font.textWidth("A");
    e._curHeight = static_cast<float>(textHeight(font));
    e._trigger = true;
    e._czas = media::clock().millisecs() + e._interwal;
    e._maxZnakow = guiInt(entryOr(entries, "WIDTH", std::to_string(declaredMaxChars)));
    e._v = guiFlag(entryOr(entries, "VISIBLE", "TRUE"));
    e._a = guiFlag(entryOr(entries, "ACTIVE", "TRUE"));
    e.rgb = guiColour(entryOr(entries, "RGB", "255 255 255"));
    return entry;
}
