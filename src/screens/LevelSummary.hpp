// LevelSummary.hpp: the plain summary shown over the game screen when a level ends: the table
// score, the bonus for cards left, the multiplier and the recorded score. A click goes on.
#pragma once

#include "screens/TEkran.hpp"

#include <string>

namespace screens
{
class LevelSummary : public TEkran
{
public:
    LevelSummary();

    void setResult(float tableScore, int bonus, int cardsLeft, long long multiplierTenths,
                   long long recorded);
    void prepare(TEkran* background);
    void update() override;
    void draw() override;
    // Runs over `background` until the player goes on; returns "".
    std::string mainLoop(TEkran* background);

private:
    float tableScore_ = 0;
    int bonus_ = 0;
    int cardsLeft_ = 0;
    long long multiplierTenths_ = 10;
    long long recorded_ = 0;
};
} // namespace screens
