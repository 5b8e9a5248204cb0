// Program.hpp: the program's entry, its long-lived objects and the way it ends.
#pragma once

#include "media/Image.hpp"
#include "media/Picture.hpp"
#include "shell/AutoPlayer.hpp"
#include "shell/InputScript.hpp"
#include "shell/LaunchOptions.hpp"

#include <memory>
#include <optional>
#include <string>

namespace media
{
class Font;
class Platform;
} // namespace media

class TDeltaTime;
class TGlobalSnd;
class TMainGame;
class TLevelManager;
class TMouse;
class TOptions;
class TProfileManager;

namespace shell
{
class StartScreen;

// Ends the process now: onExit (once), the screenshot if one was asked for, the long-lived
// objects taken down, then the exit with `status`.
[[noreturn]] void endProcess(int status);

// Owns everything that lives for the whole run, in the order it is made, so it is taken down
// in reverse. There is one, reached through program().
class Program
{
public:
    explicit Program(LaunchOptions options);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up, the game, and the orderly end; the exit status.
    int mainProgram();
    // Loading the start-up content and opening the display; false when the game cannot go on.
    bool initGame();
    void runGame();
    // Stops the music, saves the profiles and the settings, stops the sounds.
    void shutdownGame();
    // Runs once as the process ends: saves the profiles again and writes the play log.
    void onExit();

    // Makes the per-user data folder with "Data" and "Profiles" inside.
    void prepareDataFolder();

    // --- what the frame functions ask of the run
    bool mayPause() const;
    // Scripted input and our own player act here, before the frame reads the mouse.
    void feedInput(long long frame);
    // Lets our own player play from the next frame on.
    void enableAutoPlayer();
    void frameEnded(long long frame);
    void writeScreenshot();

    const LaunchOptions& launch() const { return launch_; }

    // --- the long-lived objects, in the order they are made
    std::unique_ptr<media::Platform> platform; // first in, last out: everything below draws with it
    std::unique_ptr<TDeltaTime> deltaTime;
    std::unique_ptr<TMainGame> mainGame;
    std::unique_ptr<StartScreen> mainMenu; // stands in for the title screen
    std::unique_ptr<TLevelManager> levelManager;
    std::unique_ptr<TProfileManager> profileManager;
    std::unique_ptr<TGlobalSnd> globalSnd;
    std::unique_ptr<TOptions> options;
    std::unique_ptr<TMouse> mouse;

    media::Picture whiteImage;
    media::Picture pointImage;
    std::string pauseText;
    media::Font* pauseFont = nullptr; // owned by the font cache
    std::string windowTitle;

private:
    // A start-up failure the player must see: a message box naming the problem; status 1.
    int fail(const std::string& message);
    bool loadRequiredTable(const std::string& path, std::vector<std::string>& lines);

    LaunchOptions launch_;
    std::optional<InputScript> script_;
    std::unique_ptr<AutoPlayer> autoPlayer_;
    media::Image lastFrame_;
    bool exitHandled_ = false;
};

Program& program();
bool hasProgram();

// Puts `replacement` in place of the running program and hands back the old one: tests run
// screens and frames on a program they assembled themselves.
std::unique_ptr<Program> swapProgram(std::unique_ptr<Program> replacement);

// Reads the marker files of the working folder into cheatsOn, noTutorial, noLogo, playLogOn.
void readMarkerFiles();

// Runs the game with these command-line arguments; never returns.
[[noreturn]] void runMain(int argc, const char* const* argv);
} // namespace shell
