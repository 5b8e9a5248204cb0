// Frame.hpp: the prologue and epilogue of every frame of every screen loop.
#pragma once

// Updates the frame timer and `delta`, then reads the platform's pending events.
void updateDelta();

// First call of every screen's update(): timing, the cursor, the mouse, the close keys.
void beginFrame();

// Last call of every frame: the cursor on top, the pause while the window is inactive
// (unless noPause), presenting, and clearing for the next frame.
void endFrame(bool noPause);

// Holds the game while its window is inactive, showing the frozen frame dimmed with the
// pause text.
void pauseWhileInactive();

// Frames ended so far in this run.
long long framesDone();
