// TText.hpp: a text box of a GUI description file: wrapped to a width, aligned, in a colour,
// over a drop shadow when it has one.
#pragma once

#include "gui/TGuiObject.hpp"
#include "gui/TSimpleEntry.hpp"
#include "gui/TextLayout.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TGui;

class TText : public TGuiObject
{
public:
    // The width of a box whose declaration gives none: the text never wraps.
    static constexpr float unboundedWidth = 10000000;

    TText();

    // "LEFT", "RIGHT", "CENTER" or "JUSTIFY" in any letter case; any other name changes nothing.
    int setAlign(const std::string& name);
    // The height the text takes in its box, measured without drawing.
    int countH();
    // The shadow (one pixel right and down) first when there is one, then the text; the height
    // drawn is kept in dim.h. At opacity 0 nothing is drawn and dim.h stays as it was.
    int draw(float ox, float oy) override;

    // The TEXT declaration.
    static std::shared_ptr<TText> createFromList(const std::string& name,
                                                 const std::vector<TSimpleEntry>& entries, TGui& gui);
    // Line n (from 1) of the language table a reference "[table|n]" names. The table's path is
    // taken from the folder of `gui`'s file, or from the working folder without a container.
    static std::string odczytajTekst(const std::string& reference, const TGui* gui = nullptr);

    TextAlign _align = TextAlign::Left;
    std::string _txt;
    float _adW = 0;               // extra pixels between lines
    media::Font* _font = nullptr; // owned by the font cache; the default size when none
    int _shadow = 0;
    std::optional<TRGB> shRGB;
};
