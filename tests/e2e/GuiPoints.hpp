// GuiPoints.hpp: where the widgets of a shipped GUI file lie, read with the game's own loader,
// so scripted clicks land where a player's would whatever the file's layout.
#pragma once

#include "data/Language.hpp"
#include "gui/TGui.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <string>

namespace e2e
{
struct Point
{
    int x = 0;
    int y = 0;
};

// The middle of the widget `name` of the GUI file at `path` (relative to the run folder).
inline Point widgetCentre(const std::string& path, const std::string& name)
{
    testing_support::TestProgram program;
    testing_support::InFolder here(ELDMERE_RUN_DIR);
    language = "en";
    std::unique_ptr<TGui> gui = loadGui(path);
    auto widget = gui ? gui->getItem(name) : nullptr;
    EXPECT_TRUE(widget) << path << ": no widget " << name;
    if (!widget)
        return {};
    return {static_cast<int>(widget->dim.middleX()), static_cast<int>(widget->dim.middleY())};
}

// A scripted left click on that widget at `frame`: the pointer goes there a frame before.
inline std::string clickLine(long long frame, Point p)
{
    const std::string at = std::to_string(p.x) + " " + std::to_string(p.y);
    return std::to_string(frame - 1) + " move " + at + "\n" + std::to_string(frame) + " click left " + at
           + "\n";
}
} // namespace e2e
