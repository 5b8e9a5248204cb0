// TTipImg.hpp: one picture of a tutorial lesson, drawn from its top-left corner.
#pragma once

#include "media/Picture.hpp"

#include <string>

struct TTipImg
{
    std::string url; // the file name under "gfx/gui/tutorial/"
    media::Picture img;
    float x = 0;
    float y = 0;
};
