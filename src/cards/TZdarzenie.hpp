// TZdarzenie.hpp: one move that can be taken back, as the game screen shows it: what moved,
// where its way back starts and ends, and the score and drive from before it. (The rules keep
// their own record of the move and put the figures back; this one carries the pictures.)
#pragma once

#include <memory>
#include <string>

class TCard;
class TCardData;
class TSwordData;

class TZdarzenie
{
public:
    // The level's score (truncated), drive and multiplier before the move.
    void copyGameData(long long levelScore, int levelDriveN, float levelDriveMN)
    {
        score = static_cast<int>(levelScore);
        driveN = levelDriveN;
        driveMN = levelDriveMN;
    }

    std::string typ;          // "KARTA-ZDJETA", "KARTA-DODANA", "UZYTO-SWORD", "PICK-UP-SWORD"
    std::shared_ptr<TCard> c; // the table card involved, kept alive for its way back
    TCardData* cd = nullptr;  // the identity involved (the sword's, for the two sword moves)
    const TSwordData* sd = nullptr;
    float xStart = 0, yStart = 0;
    float xEnd = 0, yEnd = 0;
    int score = 0;
    int driveN = 0;
    float driveMN = 1;
    // KARTA-ZDJETA, PICK-UP-SWORD: the coin that lay under the card goes back under it.
    bool hadResource = false;
    int resourceType = 0;
    int resourceAmount = 0;
    bool wasColumn = false; // the card was the bottom card of a column
};
