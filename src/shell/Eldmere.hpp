// Eldmere.hpp: the program itself: its start-up, the run and the way it ends, and what the
// frames of a run ask of it (scripted input, our own player, the screenshot, the last frame).
#pragma once

#include "base/Program.hpp"
#include "media/Image.hpp"
#include "shell/AutoPlayer.hpp"
#include "shell/Control.hpp"
#include "shell/InputScript.hpp"
#include "shell/LaunchOptions.hpp"
#include "shell/StartupTimes.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TLevel;

namespace shell
{
class Eldmere final : public base::Program
{
public:
    explicit Eldmere(LaunchOptions options);
    ~Eldmere() override;

    // Start-up, the game, and the orderly end; the exit status.
    int mainProgram();
    // Loading the start-up content and opening the display; false when the game cannot go on.
    bool initGame();
    void runGame();
    // Stops the music, saves the players and the settings, stops the sounds.
    void shutdownGame();
    // Whether this run goes through the title screen and the players (not a level or a GUI
    // file on its own).
    bool playsThroughTheTitle() const;
    // What the title screen's buttons lead to: the settings, the credits, the players, a level
    // for free play.
    void connectTitleScreen();

    // A shipped quest level's path (".../stage-SS/level-LL.lvl") makes that the player's place
    // in the quest, so it is dealt as the quest deals it there.
    void takeQuestPlaceOf(const std::string& path);
    // Deals the level of --solve as the game would, --deals times with seeds from --seed on,
    // and prints whether each can be cleared, then the share that can.
    void solveDeals();
    // --solve with --replay: the deal of --seed decided, then played on the game screen by the
    // solver's line.
    void replaySolvedDeal();
    struct SolvedDeal
    {
        std::shared_ptr<TLevel> level;
        rules::SolveResult result;
        long long ms = 0;
    };
    // The level of --solve dealt with the random numbers seeded so, decided, and its line printed.
    SolvedDeal solveDeal(std::uint32_t seed);
    // Our own player plays a level by the rules alone, then the result line is printed.
    void playByTheRules(const TLevel& level);
    // Makes the per-user data folder with "Data" and "Profiles" inside.
    void prepareDataFolder();
    // Lets our own player play from the next frame on.
    void enableAutoPlayer();
    void writeScreenshot();
    // Replays `script` from the next frame on, its frame numbers counted as every frame's are.
    void useInputScript(InputScript script);

    const LaunchOptions& launch() const { return launch_; }

    // --- what a frame asks of the run
    bool mayPause() const override;
    void feedInput(long long frame) override;
    void frameEnded(long long frame) override;
    [[noreturn]] void quit() override;
    [[noreturn]] void endProcess(int status) override;

private:
    // A start-up failure the player must see: a message box naming the problem; status 1.
    int fail(const std::string& message);
    bool loadRequiredTable(const std::string& path, std::vector<std::string>& lines);

    LaunchOptions launch_;
    StartupTimes startup_;
    Control control_;
    std::optional<InputScript> script_;
    std::unique_ptr<AutoPlayer> autoPlayer_;
    media::Image lastFrame_;
};

// Reads the marker files of the working folder into the start-up flags.
void readMarkerFiles();

// Runs the game with these command-line arguments; never returns.
[[noreturn]] void runMain(int argc, const char* const* argv);
} // namespace shell
