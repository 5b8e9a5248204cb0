// LevelHost.cpp
#include "levels/LevelHost.hpp"

namespace
{
// Until a screen shows a level (tests, tools): swords stay where they lie, and the deck stands
// on a holder of the usual 450 x 170.
class NoScreen final : public LevelHost
{
public:
    void pickSword(TCard&) override {}
    media::Size deckHolderSize() const override { return {450, 170}; }
    bool runesOfEldmere() const override { return false; }
    void waitForCaption1() override {}
    std::pair<float, float> comboPoint() const override { return {843, 80}; }
};

NoScreen noScreen;
LevelHost* current = nullptr;
} // namespace

LevelHost& levelHost()
{
    return current ? *current : noScreen;
}

void setLevelHost(LevelHost* host)
{
    current = host;
}
