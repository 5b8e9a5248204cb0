// Program.hpp: the one program object, as every part of the game sees it: the long-lived
// objects and registries it owns, the values of the frame in progress, and what a frame asks
// of the run. The start-up code makes the one object and fills it.
#pragma once

#include "base/Owned.hpp"
#include "base/VirtualScreen.hpp"
#include "media/Picture.hpp"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace media
{
class Font;
class Platform;
} // namespace media

struct CardSet;
class ProfileManagerScreen;
class TAward;
class TCredits;
class TDeltaTime;
class TEkran;
class TEnterText;
class TGiveAward;
class TGlobalSnd;
class TLevelManager;
class TMainGame;
class TMainMenu;
class TMapa;
class TMouse;
class TOptions;
class TOutro;
class TPopUp;
class TProfileManager;
class TQuestContinue;
class TResourceData;
class TRGMFont;
class TShopItem;
class TSklep;
class TStory;
class TSwordData;
class TTheme;
class TTutorial;

namespace base
{
// Where the swords lie on the rack: the first sword's angle and the step to the next one, in
// degrees. The developer keys move them for the rest of the run.
struct RackAngles
{
    float first = 254;
    float step = 1.8f;

    // The angle of the sword at `index` (from 0) of the rack in rank order.
    float at(int index) const { return first + step * static_cast<float>(index); }
};

class Program
{
public:
    Program() = default;
    virtual ~Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // --- what a frame asks of the run
    // Whether the game may hold still while its window is inactive (never in scripted,
    // headless or fixed-step runs, nor while our own player plays).
    virtual bool mayPause() const = 0;
    // Scripted input and our own player act here, before the frame reads the mouse.
    virtual void feedInput(long long frame) = 0;
    // Every frame's end: the frame is kept for the screenshot, and the last frame of --frames
    // closes the game as the window's close button would.
    virtual void frameEnded(long long frame) = 0;
    // The player closes the game: the music stops, everything is saved, the process ends.
    [[noreturn]] virtual void quit() = 0;
    // The process ends now with `status`: the last saves, the screenshot if one was asked for.
    [[noreturn]] virtual void endProcess(int status) = 0;

    // --- what lives for the whole run, in the order it is made (and taken down in reverse)
    Owned<media::Platform> platform; // first in, last out: everything below draws with it
    Owned<TDeltaTime> deltaTime;
    // Registries read from the content once.
    Owned<CardSet> cards;
    Owned<std::vector<TSwordData>> swordDefinitions;
    Owned<std::vector<TResourceData>> resourceTypes;
    Owned<std::vector<TAward>> awardDefinitions; // what can be won, in file order
    Owned<std::vector<TShopItem>> shopItems;     // the shop's catalogue, in grid order
    std::vector<media::Picture> particleImages;  // by number
    std::vector<media::Picture> captionPictures; // by number; empty where a language has none
    std::vector<std::string> captionWords;       // what each caption says
    Owned<std::vector<TRGMFont>> programFonts;   // fonts declared outside any GUI container
    // Every theme made, by any GUI file or at start-up, in the order made; and the newest, which
    // dresses a window or bar whose theme name matches none.
    std::vector<std::shared_ptr<TTheme>> themes;
    std::shared_ptr<TTheme> latestTheme;
    // The screens and managers.
    Owned<TMainGame> mainGame;
    Owned<TMainMenu> mainMenu; // the title screen
    Owned<TLevelManager> levelManager;
    Owned<TProfileManager> profileManager;
    Owned<TGlobalSnd> globalSnd;
    Owned<TOptions> options;
    Owned<TMouse> mouse;
    // The dialogs any screen may open (made when first asked for).
    Owned<TPopUp> popUp;
    Owned<TEnterText> enterText;
    Owned<TQuestContinue> questContinue;
    Owned<TGiveAward> giveAward; // an award just won, announced over the screen that gave it
    // The players' screen, over the title screen (made when first asked for).
    Owned<ProfileManagerScreen> profileScreen;
    Owned<TCredits> credits;
    // The cut-scenes before and after the quest.
    Owned<TStory> story;
    Owned<TOutro> outro;
    // The quest map, between the stages.
    Owned<TMapa> mapa;
    // The shop, over the level summary (made when first asked for).
    Owned<TSklep> sklep;
    // The lessons, shown over the game screen, the shop and the level summary.
    Owned<TTutorial> tutorial;
    // Where the rules' events are written, one line each (none unless asked for).
    Owned<std::ostream> trace;

    media::Picture whiteImage;
    media::Picture pointImage;
    std::string pauseText;
    media::Font* pauseFont = nullptr; // owned by the font cache
    std::string windowTitle;

    // The lessons stay off for the whole run ("noTutorial.txt" was found in the working folder
    // at start).
    bool noTutorial = false;

    // --- the run as it goes
    // This frame's factor: elapsed milliseconds over 1000/60. Every per-frame speed of the
    // game is multiplied by it.
    float delta = 1;
    long long framesEnded = 0;
    // The screen whose loop runs now (a modal screen runs inside another's).
    TEkran* runningScreen = nullptr;
    // The player's input as last seen, and the frame it was seen on (for the calm pace).
    std::uint64_t inputEventsSeen = 0;
    long long lastInputFrame = 0;
    // The logical 1024 x 768 screen on the display's surface.
    LetterBox letterBox;
    // The desktop's size, read once before any window is shown.
    int desktopWidth = 0;
    int desktopHeight = 0;
    // The per-user data folder: its name, and its absolute "/"-separated path.
    std::string appFolderName = "Eldmere";
    std::string userDataPath;
    // The sword rack's angles as the developer keys left them.
    RackAngles rackAngles;
};

// The program in place now. Tests install programs of their own.
Program& program();
bool hasProgram();
// Puts `replacement` in place of the running program and hands back the old one.
std::unique_ptr<Program> swapProgram(std::unique_ptr<Program> replacement);
} // namespace base
