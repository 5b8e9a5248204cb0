// Control.cpp
#include "shell/Control.hpp"

#include "base/Program.hpp"
#include "gui/TMouse.hpp"
#include "levels/TLevelManager.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TMainMenu.hpp"
#include "screens/TMapa.hpp"
#include "screens/TOutro.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TStory.hpp"

#include <cstdio>

namespace
{
TMainGame& game()
{
    return *base::program().mainGame;
}

// The game screen takes the quest's level in progress, dealt from the quest position when there
// is none (a lost or unreadable level file must not leave the screen without a level).
void playQuestLevel()
{
    TProfile& p = profile();
    if (!p.questLevel)
        p.loadMyLevel();
    if (game().level != p.questLevel)
        game().setLevel(p.questLevel);
}

// A stage ends, won or lost: a line with its number and the sum of its levels' scores.
void reportStage(const TProfile& p, int stage, bool won)
{
    long long total = 0;
    if (const TStageData* data = p.getStageData(stage)) {
        for (const TLevelData& level : data->levels)
            total += level.scores;
    }
    std::printf("stage %d %s total %lld\n", stage, won ? "won" : "lost", total);
    std::fflush(stdout);
}
} // namespace

int Control::isPlayerPlayingLevel() const
{
    return media::text::toUpper(currentScreenId) == "MAIN-GAME" ? 1 : 0;
}

void Control::start()
{
    currentScreenId = "MAIN-MENU";
}

std::string Control::STAGE_LOST()
{
    TProfile& p = profile();
    reportStage(p, p.stageID, false);
    p.eraseStageData(p.stageID);
    p.levelID = 1;
    p.loadMyLevel();
    game().setLevel(p.questLevel);
    return "MAPA";
}

std::string Control::RESTART_Level()
{
    TProfile& p = profile();
    if (p.tryb == "FREE-PLAY") {
        game().setLevel(p.getFreePlayLevel());
        return "MAIN-GAME";
    }
    p.loadMyLevel();
    game().setLevel(p.questLevel);
    return "MAIN-GAME";
}

std::string Control::RESUME_Quest()
{
    TProfile& p = profile();
    p.tryb = "QUEST";
    if (p.where.empty())
        return "NEW-QUEST";
    playQuestLevel();
    return p.where;
}

std::string Control::NEW_Quest()
{
    TProfile& p = profile();
    p.QUEST_startNew();
    p.levelID = 1;
    p.stageID = 1;
    p.loadMyLevel();
    p.tryb = "QUEST";
    game().setLevel(p.questLevel);
    return "STORY";
}

std::string Control::QUEST_getNextLevel()
{
    TProfile& p = profile();
    if (p.tryb == "FREE-PLAY")
        return "MAIN-MENU";
    const int stage = p.stageID;
    // The quest starts over after its last stage, forgetting the stages' records: the line first.
    const bool stageEnds = p.levelID >= TLevelManager::questLevelCount(stage);
    if (stageEnds)
        reportStage(p, stage, true);
    std::string next = p.getNextLevel();
    if (p.questLevel)
        game().setLevel(p.questLevel);
    return next;
}

std::string Control::step(const std::string& id)
{
    base::Program& program = base::program();
    if (id == "MAIN-MENU")
        return program.mainMenu->mainLoop();
    if (id == "END")
        return id;
    if (id == "MORE")
        return "MAIN-MENU";
    if (id == "END-STORY")
        return program.outro ? program.outro->mainLoop() : "MAIN-MENU";
    // Everything below plays for a player; the title screen never lets the flow go on without one.
    if (!hasProfile()) {
        media::reportLine("No player to play '" + id + "' for; going back to the title screen");
        return "MAIN-MENU";
    }
    if (id == "MAIN-GAME" || id == "FREE-PLAY") {
        if (!game().level)
            playQuestLevel();
        game().draw();
        return game().mainLoop();
    }
    if (id == "STORY")
        return program.story ? program.story->mainLoop() : "MAPA";
    if (id == "MAPA") {
        // A program without the map (a test's) goes straight on to the stage's level.
        if (!program.mapa) {
            playQuestLevel();
            return "MAIN-GAME";
        }
        return program.mapa->mainLoop();
    }
    if (id == "NEW-QUEST")
        return NEW_Quest();
    if (id == "RESUME-QUEST")
        return RESUME_Quest();
    if (id == "GET-NEXT-LEVEL")
        return QUEST_getNextLevel();
    if (id == "RESTART-LEVEL")
        return RESTART_Level();
    if (id == "LOSE-STAGE")
        return STAGE_LOST();
    // An identifier nothing answers to would be acted on for ever: go back to the title.
    media::reportLine("Unknown screen identifier '" + id + "'; going back to the title screen");
    return "MAIN-MENU";
}

void Control::mainLoop()
{
    while (true) {
        std::string id = media::text::toUpper(currentScreenId);
        currentScreenId = step(id);
        if (id == "END")
            return;
        // Progress reaches the disk at every turn of the flow.
        if (base::program().profileManager)
            profileManager().save();
        // Nothing clicked or typed on one screen's last frame reaches the next screen.
        media::Input& input = media::input();
        media::display().pumpEvents(input);
        input.flushKeys();
        input.flushMouse();
        guiMouse().clear();
    }
}
