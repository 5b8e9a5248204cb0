// Captions.hpp: the numbered caption pictures and the captions on screen.
#pragma once

#include "effects/TCaption.hpp"

#include <array>

// The caption pictures by number (0-3 cards left, 10 perfect, 11/12 the 5x/7x multiplier,
// 13 new magic card, 14 long drive, 15 play, 16 hammer found, 17 ice cleared), with the
// words each stands for.
struct CaptionImage
{
    media::Picture picture;
    std::string words;
};
extern std::array<CaptionImage, 18> captionImages;

// Every caption on screen.
extern CaptionList captions;

// Loads the pictures from "gfx/captions/" + language, and their words from the language's
// caption table.
void loadCaptionImages();

TImgCaption& showCaption(int image, float x, float y, int holdMs, CaptionList& list = captions);
TSpecImgCaption& showSpecCaption(int image, float x, float y, int holdMs, CaptionList& list = captions);
void updateCaptions(CaptionList& list = captions);
void drawCaptions(CaptionList& list = captions);
