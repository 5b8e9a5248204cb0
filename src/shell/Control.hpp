// Control.hpp: the flow between screens. Every screen's loop returns an identifier; this maps
// it to the next screen, or to a quest action that yields the next identifier in turn:
//
//   MAIN-MENU      the title screen        -> NEW-QUEST, RESUME-QUEST, FREE-PLAY, MORE or END
//   MAIN-GAME      the game screen         -> GET-NEXT-LEVEL, MAPA, LOSE-STAGE, RESTART-LEVEL,
//                                             MAIN-MENU
//   FREE-PLAY      the game screen, on the level the title screen dealt    -> as MAIN-GAME
//   STORY          the story before the quest                            -> MAPA
//   MAPA           the quest map                                -> MAIN-GAME or MAIN-MENU
//   END-STORY      the outro after the quest, then the credits            -> MAIN-MENU
//   MORE           no screen of more games: the title again              -> MAIN-MENU
//   NEW-QUEST, RESUME-QUEST, GET-NEXT-LEVEL, RESTART-LEVEL, LOSE-STAGE: quest actions
//   END            the end of the run
//
// A quest stage ending, won or lost, prints "stage <n> won|lost total <t>" (the sum of its
// levels' scores).
#pragma once

#include <string>

class Control
{
public:
    // 1 while the identifier in hand is the game screen's.
    int isPlayerPlayingLevel() const;
    void start();
    // Runs screens until the flow reaches "END". After every screen and action the players are
    // saved, and nothing clicked or typed on one screen's last frame reaches the next.
    void mainLoop();
    // What one identifier runs, and the identifier that comes next. An identifier nothing
    // answers to is reported and leads back to the title screen.
    std::string step(const std::string& id);

    // The quest actions, each on the current player; each gives the next identifier.
    // The stage starts again from its first level.
    std::string STAGE_LOST();
    // The level played is dealt afresh: the quest position's level, or in free play the
    // free-play level (the quest's level in progress is left as it is).
    std::string RESTART_Level();
    // The quest goes on where it was left, or starts when it never was.
    std::string RESUME_Quest();
    // The quest starts over from its first level.
    std::string NEW_Quest();
    int QUEST_PrepareNextLevel() { return 0; }
    // On from a finished level: the title after free play, else the quest's next place.
    std::string QUEST_getNextLevel();

    // The identifier to act on next, compared in upper case.
    std::string currentScreenId;
};
