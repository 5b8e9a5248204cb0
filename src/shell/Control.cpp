// Control.cpp
#include "shell/Control.hpp"

#include "base/Program.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/StartScreen.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TProfileManager.hpp"

void Control::start()
{
    currentScreenId = "MAIN-MENU";
}

std::string Control::step(const std::string& id)
{
    base::Program& program = base::program();
    if (id == "MAIN-MENU")
        return program.mainMenu->mainLoop();
    TMainGame& game = *program.mainGame;
    if (id == "MAIN-GAME") {
        if (!game.level && hasProfile()) {
            profile().loadMyLevel();
            game.setLevel(profile().questLevel);
        }
        game.draw();
        return game.mainLoop();
    }
    if (id == "GET-NEXT-LEVEL") {
        if (!hasProfile())
            return "MAIN-MENU";
        std::string next = profile().getNextLevel();
        game.setLevel(profile().questLevel);
        return next;
    }
    if (id == "RESTART-LEVEL") {
        if (!hasProfile())
            return "MAIN-MENU";
        profile().loadMyLevel();
        game.setLevel(profile().questLevel);
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
