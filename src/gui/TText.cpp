// TText.cpp
#include "gui/TText.hpp"

#include "data/TextTables.hpp"
#include "gui/Fonts.hpp"
#include "gui/GuiValues.hpp"
#include "gui/TGui.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

namespace
{
// A word longer than one character in square brackets stands for a line of a text table.
bool isTextReference(const std::string& value)
{
    return value.size() > 1 && value.front() == '[' && value.back() == ']';
}

void setColour(const TRGB& c)
{
    media::gfx().setColor(c.r, c.g, c.b);
}
} // namespace

TText::TText()
{
    _class = classText;
}

int TText::setAlign(const std::string& name)
{
    const std::string upper = media::text::toUpper(name);
    if (upper == "LEFT" || upper == "RIGHT" || upper == "CENTER" || upper == "JUSTIFY")
        _align = textAlign(upper);
    return 1;
}

int TText::countH()
{
    return measureTextBox(_txt, dim.w, fontOrDefault(_font), static_cast<int>(_adW));
}

int TText::draw(float ox, float oy)
{
    // A text without a colour of its own is black.
    const TRGB colour = rgb.value_or(TRGB{0, 0, 0});
    setColour(colour);
    if (_alpha == 0)
        return 0;
    media::Renderer& gfx = media::gfx();
    gfx.setAlpha(_alpha);
    gfx.setScale(_scale, _scale);
    media::Font& font = fontOrDefault(_font);
    const char* align = alignName(_align);
    const int gap = static_cast<int>(_adW);
    if (_shadow && shRGB) {
        setColour(*shRGB);
        drawTextBox(_txt, static_cast<int>(dim.x + ox + 1), static_cast<int>(dim.y + oy + 1), dim.w, align,
                    font, gap);
        setColour(colour);
    }
    dim.h = static_cast<float>(drawTextBox(_txt, static_cast<int>(dim.x + ox), static_cast<int>(dim.y + oy),
                                           dim.w, align, font, gap));
    return 1;
}

std::shared_ptr<TText> TText::createFromList(const std::string& name,
                                             const std::vector<TSimpleEntry>& entries, TGui& gui)
{
    auto text = std::make_shared<TText>();
    TText& t = *text;
    t._id = name;
    const std::vector<int> position = guiNumbers(entryOr(entries, "POSITION", "0 0"), 2);
    t.dim = createPoint(static_cast<float>(position[0]), static_cast<float>(position[1]));
    t.dim.w = position.size() > 2 ? static_cast<float>(position[2]) : unboundedWidth;
    const std::string txt = entryOr(entries, "TXT", "");
    t._txt = isTextReference(txt) ? odczytajTekst(txt, &gui) : txt;
    if (const std::string* fontName = findEntry(entries, "FONT"))
        t._font = gui.font(*fontName);
    t._align = textAlign(entryOr(entries, "ALIGN", "LEFT"));
    t.rgb = guiColour(entryOr(entries, "RGB", "255 255 255"));
    if (const std::string* shadow = findEntry(entries, "SHADOW")) {
        t._shadow = 1;
        t.shRGB = guiColour(*shadow);
    }
    t._v = guiFlag(entryOr(entries, "VISIBLE", "TRUE"));
    t._a = guiFlag(entryOr(entries, "ACTIVE", "TRUE"));
    return text;
}

std::string TText::odczytajTekst(const std::string& reference, const TGui* gui)
{
    const std::string inner =
        reference.size() > 1 ? reference.substr(1, reference.size() - 2) : std::string();
    const std::size_t bar = inner.find('|');
    const std::string table = inner.substr(0, bar);
    const int line = bar == std::string::npos ? 0 : guiInt(inner.substr(bar + 1));
    return getText(loadTextTable(gui ? gui->resolvePath(table) : table), line);
}
