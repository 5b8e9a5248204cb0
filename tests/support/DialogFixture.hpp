// DialogFixture.hpp: the title screen and its dialogs on the null platform, in the game's run
// folder, with the players kept in a temporary user folder. Every frame moves the clock on by a
// 60th of a second, so the screens' own loops run; what the player does comes from an input
// script whose frames count from now.
#pragma once

#include "data/Language.hpp"
#include "gui/TGui.hpp"
#include "screens/Frame.hpp"
#include "screens/TOptions.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/InputScript.hpp"
#include "support/RunFolder.hpp"
#include "support/TempFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace testing_support
{
// One scripted event: `frames` after the script is installed, a line of the input script
// without its frame number ("click left 512 300", "type anna", "key Enter tap").
struct ScriptedEvent
{
    long long frames = 0;
    std::string event;
};

class DialogFixture
{
public:
    DialogFixture() : here_(runDir)
    {
        program_.clock().stepsWithFrames = true;
        language = "en";
        shell::Eldmere& p = program_.program();
        p.userDataPath = user_.path();
        p.options = std::make_unique<TOptions>();
        p.profileManager = std::make_unique<TProfileManager>();
        p.profileManager->loadProfiles();
    }

    // Replays the events, their frames counted from the next frame on.
    void script(const std::vector<ScriptedEvent>& events)
    {
        std::string text;
        for (const ScriptedEvent& e : events)
            text += std::to_string(framesDone() + e.frames) + " " + e.event + "\n";
        std::string error;
        auto parsed = shell::InputScript::parse(text, "test script", error);
        ASSERT_TRUE(parsed) << error;
        program_.program().useInputScript(std::move(*parsed));
    }

    // A left click in the middle of a widget, as a script event.
    static std::string clickOn(const TGui& gui, const std::string& name)
    {
        auto widget = gui.getItem(name);
        EXPECT_TRUE(widget) << name;
        if (!widget)
            return "move 0 0";
        const int x = static_cast<int>(widget->dim.middleX());
        const int y = static_cast<int>(widget->dim.middleY());
        return "click left " + std::to_string(x) + " " + std::to_string(y);
    }

    TProfile& addPlayer(const std::string& name)
    {
        TProfile* made = profileManager().newProfile(name);
        EXPECT_TRUE(made) << name;
        return *made;
    }

    TestProgram& program() { return program_; }
    const TempFolder& user() const { return user_; }

private:
    TempFolder user_;
    TestProgram program_;
    InFolder here_;
};
} // namespace testing_support
