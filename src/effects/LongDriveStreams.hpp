// LongDriveStreams.hpp: the light that carries a finished long drive to the multiplier, and
// what its arrival does.
#pragma once

class TLevel;

// A drive of `driveN` plays (more than five) has ended: its light sets off from (fromX, fromY).
void startLongDriveStream(TLevel& level, int driveN, float fromX, float fromY);
// Streams whose light has arrived raise the multiplier now.
void updateLongDriveStreams();
void drawLongDriveStreams();
bool longDriveStreamsPending();
// Every stream arrives at once (the level is ending or being left).
void landLongDriveStreams();
void clearLongDriveStreams();

// The arrival of a drive of `driveN`: the multiplier grows by a tenth for every play beyond the
// fifth, jumps to the player's maximum once above 3, and the maximum is announced.
void longDriveArrives(TLevel& level, int driveN);
