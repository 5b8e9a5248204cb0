// TWindow.hpp: a framed rectangle: the theme's nine window pieces, corners as they are and edges
// and centre stretched to the window's size, with its children drawn over the frame.
#pragma once

#include "gui/TControl.hpp"
#include "gui/TSimpleEntry.hpp"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TGui;

class TWindow : public TControl
{
public:
    TWindow();

    // The frame at the window's corner plus (ox, oy), in its colour and opacity, then the children.
    int draw(float ox, float oy) override;
    // The stretches of the edges and the centre and the insets of the frame, from the window's
    // size and the pieces its theme has. A stretch is worked out only for a piece that is there.
    int obliczSkale();

    // The WINDOW declaration: POSITION "x y w h", THEME (else the newest theme), VISIBLE, ACTIVE.
    static std::shared_ptr<TWindow> CreateFromList(const std::string& name,
                                                   const std::vector<TSimpleEntry>& entries, TGui& gui);

    // How far the top and bottom edges (sx), the side edges (sy) and the centre (cx, cy) stretch.
    std::array<float, 4> skala{};
    float incX = 0, decX = 0, incY = 0, decY = 0;
};
