// TObjective.hpp: a goal the player may reach over a stage's levels, tested when a level of the
// stage ends.
#pragma once

enum class ObjectiveKind
{
    Score = 0,     // the stage's total score is at least the value
    Perfects = 1,  // at least this many of the stage's levels were finished with no cards left
    Drive = 2,     // the stage's longest drive is at least the value
    CardsLeft = 3, // the cards left over the stage's levels add up to at most the value
};

struct TObjective
{
    int typ = 0; // an ObjectiveKind
    float value = 0;

    ObjectiveKind kind() const { return static_cast<ObjectiveKind>(typ); }
    bool operator==(const TObjective&) const = default;
};
