// LongDriveStreams.hpp: the streams of light emitters: a finished long drive carried to the
// multiplier (its arrival raises the multiplier), and the celebrations of a level.
#pragma once

class TLevel;

// A drive of `driveN` plays (more than five) has ended: its light sets off from (fromX, fromY)
// to the multiplier display.
void startLongDriveStream(TLevel& level, int driveN, float fromX, float fromY);
// Whether a drive's light is still on its way.
bool longDriveStreamsPending();
// Every drive's light arrives at once (the level is ending or being left).
void landLongDriveStreams();

// The arrival of a drive of `driveN`: the multiplier grows by a tenth for every play beyond the
// fifth, jumps to the player's maximum once above 3, and the maximum is announced; `streams`
// sends the red and green waves from the multiplier to the combo point.
void longDriveArrives(TLevel& level, int driveN, bool streams);

// A wavy stream of emitters of `kind` along the curve P0 - M - P2, lit over two seconds.
void celebrationStream(int kind, float p0x, float p0y, float mx, float my, float p2x, float p2y, float step,
                       float amplitude, float waves);
// The three streams when the multiplier reaches its maximum.
void celebrateMaximum();
// The three streams of each step of a perfect level (1, 2 or 3).
void celebratePerfect(int step);
