// Control.cpp
#include "shell/Control.hpp"

#include "cards/TMainGame.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/Program.hpp"
#include "shell/StartScreen.hpp"

std::string currentScreenId;

int Control::isPlayerPlayingLevel()
{
    return media::text::toUpper(currentScreenId) == "MAIN-GAME" ? 1 : 0;
}

void Control::start()
{
    currentScreenId = "MAIN-MENU";
}

std::string Control::step(const std::string& id)
{
    if (id == "MAIN-MENU")
        return shell::program().mainMenu->mainLoop();
    if (id == "MAIN-GAME") {
        TMainGame& game = *shell::program().mainGame;
        if (!game.level && hasProfile())
            profile().loadMyLevel();
        game.draw();
        return game.mainLoop();
    }
    if (id == "GET-NEXT-LEVEL")
        return hasProfile() ? profile().getNextLevel() : "MAIN-MENU";
    if (id == "RESTART-LEVEL") {
        if (!hasProfile())
            return "MAIN-MENU";
        profile().loadMyLevel();
        return "MAIN-GAME";
    }
    if (id == "END")
        return id;
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
        // Nothing clicked or typed on one screen's last frame reaches the next screen.
        media::Input& input = media::input();
        media::display().pumpEvents(input);
        input.flushKeys();
        input.flushMouse();
        guiMouse().clear();
    }
}
