// TRGMFont.cpp
#include "gui/TRGMFont.hpp"

#include "base/Program.hpp"
#include "gui/Fonts.hpp"
#include "gui/GuiError.hpp"
#include "gui/GuiValues.hpp"
#include "gui/TGui.hpp"
#include "media/Font.hpp"
#include "media/Text.hpp"

std::vector<TRGMFont>& programFonts()
{
    base::Program& program = base::program();
    if (!program.programFonts)
        program.programFonts = std::make_unique<std::vector<TRGMFont>>();
    return *program.programFonts;
}

void TRGMFont::createFromList(const std::string& name, const std::vector<TSimpleEntry>& entries, TGui* gui)
{
    const std::string* url = findEntry(entries, "URL");
    const std::string* sizeValue = findEntry(entries, "SIZE");
    if (!url) {
        guiError("Nie podano scierzki do czcionki.");
        return;
    }
    // The file named is never opened; only the embedded typeface itself can fail.
    if (!loadFont(*url, 12).valid()) {
        guiError("Nie moge znalezc czcionki : " + *url);
        return;
    }
    TRGMFont font;
    font._font = &loadFont(*url, sizeValue ? guiInt(*sizeValue) : 12);
    font._id = name;
    if (gui)
        gui->_fonts.push_back(font);
    else
        programFonts().push_back(font);
}

const TRGMFont* TRGMFont::getByID(const std::string& name, const TGui* gui)
{
    const std::vector<TRGMFont>& fonts = gui ? gui->_fonts : programFonts();
    for (const TRGMFont& f : fonts) {
        if (media::text::equalsIgnoreCase(f._id, name))
            return &f;
    }
    return nullptr;
}
