// GuiDeclarations.hpp: which declaration types of a GUI description file the container builds,
// and how. A widget class joins by adding its type word and builder in GuiDeclarations.cpp.
#pragma once

#include "gui/TSimpleEntry.hpp"
#include "gui/TSmallObject.hpp"

#include <string>
#include <vector>

class TGui;

// Builds one declaration into the container: a widget into its list, a font into its fonts.
// `nested` holds the nested declarations of a menu bar (empty for every other type).
using GuiDeclarationBuilder = void (*)(TGui& gui, const std::string& name,
                                       const std::vector<TSimpleEntry>& entries,
                                       const std::vector<TSmallObject>& nested);

// The builder of a type word (upper case); nullptr for a type the container does not build,
// whose declarations are passed over without a word.
GuiDeclarationBuilder findGuiDeclaration(const std::string& upperType);
