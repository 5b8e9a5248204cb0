// TOutro.hpp: the close of the quest: the journey ends and the lake is quiet. The credits roll
// over it, and the title screen follows.
#pragma once

#include "screens/TStoryScreen.hpp"

class TOutro : public TStoryScreen
{
public:
    // What mainLoop() hands the flow.
    static constexpr const char* next = "MAIN-MENU";

    TOutro();

protected:
    std::string afterward() override;
};
