// TTipText.hpp: one text of a tutorial lesson, a line of the lesson text table set in a box.
#pragma once

#include <string>

struct TTipText
{
    std::string txt;
    int fontN = 0; // the lesson font: 0 large, 1 middle, 2 small
    float x = 0;   // the box's top-left corner on the 1024 x 768 screen
    float y = 0;
    float width = 0; // the box's width; lines wrap inside it
    std::string align = "LEFT";
};
