// TStory.hpp: the story before the quest: a wanderer comes to the lake of Eldmere. Its music
// plays while it runs, and the quest map follows it.
#pragma once

#include "screens/TStoryScreen.hpp"

class TStory : public TStoryScreen
{
public:
    // What mainLoop() hands the flow.
    static constexpr const char* next = "MAPA";

    TStory();

protected:
    void startMusic() override;
    std::string afterward() override;
};
