// GuiPalette.hpp: the colours of the game's own frames and controls (the button plates, the
// undo tab, the game screen's panels and lights), kept in one place so that every piece
// matches: gold, deep blue slate, dark wood, and brown ink for the outlines.
#pragma once

#include "Colour.hpp"

namespace contentgen::gui
{
constexpr Colour goldPale = Colour::bytes(255, 244, 200);
constexpr Colour goldLight = Colour::bytes(255, 226, 140);
constexpr Colour gold = Colour::bytes(226, 172, 66);
constexpr Colour goldDeep = Colour::bytes(132, 82, 24);
constexpr Colour ink = Colour::bytes(34, 22, 12); // outlines: dark brown, never pure black
constexpr Colour slateTop = Colour::bytes(62, 72, 98);
constexpr Colour slateBottom = Colour::bytes(22, 27, 44);
constexpr Colour pewterLight = Colour::bytes(178, 176, 170);
constexpr Colour pewterDeep = Colour::bytes(86, 86, 92);
constexpr Colour woodLight = Colour::bytes(96, 62, 38);
constexpr Colour woodDeep = Colour::bytes(44, 26, 16);
} // namespace contentgen::gui
