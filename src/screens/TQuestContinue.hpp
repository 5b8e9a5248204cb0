// TQuestContinue.hpp: the question on entering the quest with a level in progress: continue it,
// start the quest anew, or go back; asked on a scroll over the title screen under a dark veil.
#pragma once

#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <string>

class TQuestContinue : public TEkran
{
public:
    static constexpr const char* continueQuest = "CONTINUE";
    static constexpr const char* newQuest = "NEW";

    TQuestContinue();

    void setup() override;
    void prepare();
    void update() override;
    void draw() override;
    // Runs the question over `background` until it has faded out: "CONTINUE", "NEW", or ""
    // when the player went back without a choice.
    std::string mainLoop(TEkran* background);

    media::Picture img;

private:
    void answer(const char* choice);
};

// The program's quest question, made and set up the first time it is asked for.
TQuestContinue& questContinue();
