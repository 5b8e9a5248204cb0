// LevelHost.hpp: what a level asks of the screen it is played or shown on.
#pragma once

#include "media/Display.hpp"

#include <utility>

class TCard;

class LevelHost
{
public:
    virtual ~LevelHost() = default;
    // A sword on the table has been uncovered: the screen takes it to the rack.
    virtual void pickSword(TCard& card) = 0;
    // The pixel size of the deck-holder picture in use; the deck and spot stand on it.
    virtual media::Size deckHolderSize() const = 0;
    // Whether playable cards show their hint glow whatever the level (the shop's hint aid).
    virtual bool runesOfEldmere() const = 0;
    // The multiplier has reached its maximum: play pauses for the celebration.
    virtual void waitForCaption1() = 0;
    // Where the light of a drive gathers on the screen (the multiplier's lamp).
    virtual std::pair<float, float> comboPoint() const = 0;
};

// The screen levels are shown on now; a screen that shows a level installs itself.
LevelHost& levelHost();
void setLevelHost(LevelHost* host);
