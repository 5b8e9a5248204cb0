// TZdarzenie.hpp: one move that can be taken back, with the score and drive from before it.
#pragma once

#include <memory>
#include <string>

class TCard;
class TCardData;
class TSword;
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
    TCardData* cd = nullptr;  // the identity involved
    const TSwordData* sd = nullptr;
    TSword* sw = nullptr;
    float xStart = 0, yStart = 0;
    float xEnd = 0, yEnd = 0;
    int score = 0;
    int driveN = 0;
    float driveMN = 1;
};
