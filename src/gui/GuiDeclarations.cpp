// GuiDeclarations.cpp
#include "gui/GuiDeclarations.hpp"

#include "gui/TBelka.hpp"
#include "gui/TButton.hpp"
#include "gui/TGui.hpp"
#include "gui/TRGMAnimation.hpp"
#include "gui/TRGMFont.hpp"
#include "gui/TText.hpp"
#include "gui/TTextEntry.hpp"
#include "gui/TTheme.hpp"
#include "gui/TWindow.hpp"

#include <string_view>
#include <utility>

namespace
{
void buildButton(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
                 const std::vector<TSmallObject>&)
{
    if (auto button = TButton::CreateFromList(name, entries, gui))
        gui.addItem(std::move(button));
}

void buildText(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
               const std::vector<TSmallObject>&)
{
    gui.addItem(TText::createFromList(name, entries, gui));
}

void buildTextEntry(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
                    const std::vector<TSmallObject>&)
{
    gui.addItem(TTextEntry::createFromList(name, entries, gui));
}

void buildAnimation(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
                    const std::vector<TSmallObject>&)
{
    gui.addItem(TRGMAnimation::createFromList(name, entries, gui));
}

void buildFont(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
               const std::vector<TSmallObject>&)
{
    TRGMFont::createFromList(name, entries, &gui);
}

void buildWindow(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
                 const std::vector<TSmallObject>&)
{
    gui.addItem(TWindow::CreateFromList(name, entries, gui));
}

void buildBar(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
              const std::vector<TSmallObject>& nested)
{
    gui.addItem(TBelka::createFromList(name, entries, nested, gui));
}

void buildTheme(TGui& gui, const std::string& name, const std::vector<TSimpleEntry>& entries,
                const std::vector<TSmallObject>&)
{
    TTheme::createFromList(name, entries, gui);
}

// A declaration of a type missing here is passed over like any type the container does not know.
// One type a line, so that adding a type touches no other line.
// clang-format off
const std::pair<std::string_view, GuiDeclarationBuilder> builders[] = {
    {"BUTTON", buildButton},
    {"FONT", buildFont},
    {"TEXT", buildText},
    {"TEXTENTRY", buildTextEntry},
    {"ANIM", buildAnimation},
    {"WINDOW", buildWindow},
    {"BAR", buildBar},
    {"THEME", buildTheme},
};
// clang-format on
} // namespace

GuiDeclarationBuilder findGuiDeclaration(const std::string& upperType)
{
    for (const auto& [type, builder] : builders) {
        if (type == upperType)
            return builder;
    }
    return nullptr;
}
