// TStage.hpp: one stage of the quest, one place on the quest map: its title, rune, picture and
// story lines, its levels in play order and the objectives the player may reach over them.
#pragma once

#include "gui/TDim.hpp"
#include "levels/DealOptions.hpp"
#include "levels/TObjective.hpp"
#include "media/Picture.hpp"

#include <memory>
#include <string>
#include <vector>

class TLevel;

class TStage
{
public:
    // The rune on the map, for a player whose quest has come to stage `reachedStageId`: a
    // reached stage's rune glows softly as it pulses, a locked one shows faint and greyed.
    void draw(int reachedStageId) const;
    // The glow pulses, a full beat in about 100 frames. With the developer keys on: 1 while
    // the pointer is within the 50 x 50 square round the rune, else 0.
    int update();
    // Whether (x, y) lies within the 50 x 50 square round the rune.
    bool runeUnder(int x, int y) const;
    // The n-th level (1-based) dealt for the quest, for the player who brings `options`:
    // shuffled, with magic cards and swords; none when n is out of range.
    std::unique_ptr<TLevel> getLevel(int n, const DealOptions& options = {}) const;
    // The same level dealt for free play: shuffled, no magic cards, no swords.
    std::unique_ptr<TLevel> getLevelForFreePlay(int n, const DealOptions& options = {}) const;
    int levelCount() const { return static_cast<int>(levelsUrls.size()); }

    int id = 0;
    int fontN = 0;
    std::string title;
    std::vector<std::string> levelsUrls;
    std::string imgUrl;
    media::Picture rune;
    media::Picture runeGrey;
    TDim runeDim;
    std::vector<std::string> texts;
    std::vector<TObjective> objectives;
    int x = 0;
    int y = 0;
    float a = 0;  // the rune's glow, 0..1
    float da = 1; // where the glow is going
};
