// VirtualScreen.hpp: the 1024 x 768 logical screen, scaled and letter-boxed onto the real
// window or full screen, and the mouse read in its coordinates.
#pragma once

namespace media
{
class Display;
}

// The letter-box numbers for a drawing surface of surfaceW x surfaceH pixels.
struct LetterBox
{
    float logicalWidth = 1024;
    float logicalHeight = 768;
    float scale = 1;   // surface pixels per logical unit
    float offsetX = 0; // where the logical origin lies, in logical units from the surface's corner
    float offsetY = 0;
    int flags = 3; // 1: letter-box (clear the borders, clip); 4: whole scale factors only

    static LetterBox compute(float surfaceW, float surfaceH, float logicalW, float logicalH, int flags);
};

// Makes the logical screen on the display's current surface: the numbers above, a clear of
// the whole surface in the border colour, the clip to the logical area and the drawing origin.
void setupVirtualScreen(int logicalWidth, int logicalHeight, int flags);

// Opens the display (window or full screen) with its fallbacks, then sets up the logical
// screen. False when even the last fallback failed.
bool openGraphics(int width, int height, bool fullScreen, bool wideScreen);

// Clears the frame: the logical area in the clear colour (the borders stay black).
void clearVirtualScreen();

// The mouse in logical coordinates: negative or beyond 1024 x 768 over the borders.
float virtualMouseX();
float virtualMouseY();

// The numbers of the current logical screen.
const LetterBox& virtualScreen();
