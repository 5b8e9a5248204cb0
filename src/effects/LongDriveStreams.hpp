// LongDriveStreams.hpp: the streams of light emitters: a finished long drive carried to the
// multiplier, the waves from the multiplier to the combo point, and the celebrations.
#pragma once

class Effects;
class TEmitter;

// A drive of `driveN` plays (more than five) has ended: its light sets off from (fromX, fromY)
// to the multiplier display; its last light carries the drive and `ticket` (what waits for it).
void startLongDriveStream(Effects& fx, int driveN, int ticket, float fromX, float fromY);
// Whether a drive's light is still on its way.
bool longDriveStreamsPending(const Effects& fx);
// Every drive's light arrives at once (the level is ending or being left), without the waves.
void landLongDriveStreams(Effects& fx);

// The red and green waves from the multiplier display (843, 80) to the combo point.
void comboWaves(Effects& fx, float comboX, float comboY);

// A wavy stream of emitters of `kind` along the curve P0 - M - P2, lit over two seconds.
void celebrationStream(Effects& fx, int kind, float p0x, float p0y, float mx, float my, float p2x, float p2y,
                       float step, float amplitude, float waves);
// The three streams when the multiplier reaches its maximum.
void celebrateMaximum(Effects& fx);
// The three streams of each step of a perfect level (1, 2 or 3).
void celebratePerfect(Effects& fx, int step);
