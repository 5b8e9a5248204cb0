// Captions.hpp: the numbered caption pictures and the captions on screen.
#pragma once

#include "effects/TCaption.hpp"

// The caption pictures by number (0-3 cards left, 10 perfect, 11/12 the 5x/7x multiplier,
// 13 new magic card, 14 long drive, 15 play, 16 hammer found, 17 ice cleared), with the
// words each stands for, kept by the program.
constexpr int captionCount = 18;
// Loads the pictures from "gfx/captions/" + language, and their words from the language's
// caption table.
void loadCaptionImages();

// Caption `image` shown at (x, y) for `holdMs`, added to `list`.
TImgCaption& showCaption(CaptionList& list, int image, float x, float y, int holdMs);
TSpecImgCaption& showSpecCaption(CaptionList& list, int image, float x, float y, int holdMs);
void updateCaptions(CaptionList& list);
void drawCaptions(CaptionList& list);
