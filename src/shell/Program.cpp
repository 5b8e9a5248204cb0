// Program.cpp: start-up, the run and the end.
#include "shell/Program.hpp"

#include "cards/Cards.hpp"
#include "cards/Swords.hpp"
#include "cards/TMainGame.hpp"
#include "data/Language.hpp"
#include "data/TextTables.hpp"
#include "effects/Captions.hpp"
#include "effects/TEmitter.hpp"
#include "gui/TMouse.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevelManager.hpp"
#include "media/FileSystem.hpp"
#include "media/ImageCodec.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/TGlobalSnd.hpp"
#include "screens/TOptions.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/Control.hpp"
#include "shell/Globals.hpp"
#include "shell/StartScreen.hpp"
#include "shell/TDeltaTime.hpp"
#include "shell/VirtualScreen.hpp"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace shell
{
namespace
{
std::unique_ptr<Program> theProgram;

// The exit handler the platform calls for any normal end of the process.
void exitHandler()
{
    if (theProgram)
        theProgram->onExit();
}

// A language code names a folder: letters, digits, "_" and "-" only.
bool validLanguageCode(const std::string& code)
{
    if (code.empty() || code.size() > 16)
        return false;
    for (char c : code) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
                  || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

// The folder holding the game's content: the working folder, or else the executable's own.
void findContentFolder()
{
    if (media::fs::pathType("txt/lang.txt") != media::fs::PathType::Absent)
        return;
    std::string beside = media::fs::executableFolder();
    if (!beside.empty() && media::fs::pathType(beside + "/txt/lang.txt") != media::fs::PathType::Absent)
        media::fs::changeFolder(beside);
}
} // namespace

Program::Program(LaunchOptions options) : launch_(std::move(options)) {}

Program::~Program()
{
    // Everything that holds pictures goes before the platform that made them.
    mainGame.reset();
    captions.clear();
    emitters.clear();
    particles.clear();
    particleImages.clear();
    for (CaptionImage& c : captionImages)
        c = {};
    unloadCards();
    mouse.reset();
    options.reset();
    globalSnd.reset();
    profileManager.reset();
    levelManager.reset();
    mainMenu.reset();
    deltaTime.reset();
    whiteImage = {};
    pointImage = {};
    pauseFont = nullptr;
    platform.reset();
}

Program& program()
{
    return *theProgram;
}

bool hasProgram()
{
    return theProgram != nullptr;
}

std::unique_ptr<Program> swapProgram(std::unique_ptr<Program> replacement)
{
    std::swap(theProgram, replacement);
    return replacement;
}

void readMarkerFiles()
{
    // Only their presence counts, and a folder of that name counts too.
    cheatsOn = static_cast<int>(media::fs::pathType("cheats.txt"));
    noTutorial = static_cast<int>(media::fs::pathType("noTutorial.txt"));
    noLogo = static_cast<int>(media::fs::pathType("noLogo.txt"));
    playLogOn = static_cast<int>(media::fs::pathType("playLogOn.txt"));
}

int Program::fail(const std::string& message)
{
    if (platform)
        platform->display().messageBox("Eldmere", message);
    else
        media::reportLine(message);
    return 1;
}

bool Program::loadRequiredTable(const std::string& path, std::vector<std::string>& lines)
{
    auto table = readTextTable(path);
    if (!table)
        return false;
    lines = table->txt;
    return true;
}

int Program::mainProgram()
{
    // 1. The typeface is compiled in; the font cache serves every size from it.
    if (media::embeddedFontSize() == 0)
        return fail("The game's typeface is missing from the program");

    // 2. The platform: display, input, clock and random numbers.
    media::PlatformOptions platformOptions;
    platformOptions.backend = launch_.headless ? media::Backend::Headless : media::Backend::Window;
    platformOptions.fixedStep = launch_.fixedStep;
    platformOptions.seed = launch_.seed;
    std::string error;
    platform = media::createPlatform(platformOptions, error);
    if (!platform)
        return fail(error);
    if (!launch_.inputScript.empty()) {
        script_ = InputScript::load(launch_.inputScript, error);
        if (!script_)
            return fail(error);
    }

    // 4.
    readMarkerFiles();

    // 5. The language code.
    auto code = media::fs::readText("txt/lang.txt");
    if (!code)
        return fail("Nie znaleziono pliku : txt/lang.txt");
    language = media::text::trim(*code);
    if (!validLanguageCode(language))
        return fail("txt/lang.txt: '" + language + "' is not a language code (letters, digits, _ and -)");

    // 6.-7. The frame timer and the long-lived objects.
    deltaTime = TDeltaTime::Create(60);
    mainGame = std::make_unique<TMainGame>();
    mainMenu = std::make_unique<StartScreen>();
    levelManager = std::make_unique<TLevelManager>();
    profileManager = std::make_unique<TProfileManager>();
    globalSnd = std::make_unique<TGlobalSnd>();
    options = std::make_unique<TOptions>();
    mouse = std::make_unique<TMouse>();

    // 9.-10.
    guiReloadKey = 1;
    media::Size desktop = platform->display().desktopSize();
    desktopWidth = desktop.width;
    desktopHeight = desktop.height;

    // 11. The window title.
    std::vector<std::string> names;
    std::string namesPath = "txt/" + language + "/names.txt";
    if (!loadRequiredTable(namesPath, names))
        return fail("Nie znaleziono pliku : " + namesPath);
    windowTitle = names.empty() ? std::string() : media::text::trim(names[0]);
    platform->display().setTitle(windowTitle);

    // 12.-14.
    appFolderName = "Eldmere";
    std::atexit(exitHandler);
    if (!initGame())
        return 1;
    runGame();
    shutdownGame();
    return 0;
}

void Program::prepareDataFolder()
{
    std::string base =
        launch_.userDir.empty() ? media::fs::userDataHome() + "/" + appFolderName : launch_.userDir;
    userDataPath = media::text::replaceAll(media::fs::absolutePath(base), "\\", "/");
    for (const char* sub : {"/Data", "/Profiles"}) {
        std::string error;
        if (!media::fs::createFolders(userDataPath + sub, &error))
            media::reportLine("Saves will fail: " + error);
        // Access lists are a desktop-Windows matter; on Linux the folder keeps the player's own
        // permissions, which is what we want.
    }
}

bool Program::initGame()
{
    prepareDataFolder();
    whiteImage = platform->pictures().load("gfx/white.png");

    options->fullScreenThisRun = launch_.headless ? std::optional<bool>(false) : launch_.fullScreen;
    options->loadOptions();
    if (!options->openScreen()) {
        fail("The display could not be opened");
        return false;
    }
    options->setupMouse();

    if (auto bytes = media::fs::readBytes("gfx/icon.png")) {
        std::string error;
        if (auto icon = media::decodeImage(*bytes, error))
            platform->display().setIcon(icon->image);
    }

    std::vector<std::string> gameTexts;
    std::string gameTextsPath = textTablePath("txt/#LANG#/gameTexts.txt");
    if (!loadRequiredTable(gameTextsPath, gameTexts)) {
        fail("Nie znaleziono pliku : " + gameTextsPath);
        return false;
    }
    pauseText = gameTexts.empty() ? std::string() : gameTexts[0];
    pauseFont = &platform->fonts().get(72);
    pointImage = platform->pictures().load("gfx/point.png");

    // The content every screen needs before the first frame.
    mouse->loadCursor("normal", "gfx/kursor.png", 14, 6, 1, 0);
    mouse->loadCursor("over", "gfx/kursor2.png", 14, 6, 1, 0);
    mouse->setCursor("normal");
    loadCards();
    if (globalSnd) {
        // The sound registry, and the two pieces the first screens play at once.
        globalSnd->setup();
        for (int entry : {1, 7}) {
            if (entry <= static_cast<int>(globalSnd->musics.size()))
                globalSnd->_setupExctMusic(entry);
        }
    }
    loadSwords();
    loadCaptionImages();
    TParticle::setup();
    levelManager->_setupMagics();
    // Until players can be chosen, the game plays for a guest kept in memory.
    profileManager->useGuestProfile();
    mainMenu->setup();
    mainGame->setup();
    if (launch_.autoplay)
        enableAutoPlayer();
    return true;
}

void Program::runGame()
{
    mainMenu->_prepareDelta();
    if (!launch_.level.empty()) {
        // One level from a file, then the end.
        mainGame->setLevel(loadLevelFile(launch_.level, 1, 1, 1));
        mainGame->draw();
        mainGame->mainLoop();
        return;
    }
    Control::start();
    Control::mainLoop();
}

void Program::shutdownGame()
{
    if (globalSnd)
        globalSnd->stopMusic();
    options->saveOptions();
    if (platform)
        platform->audio().stopAll();
}

void Program::onExit()
{
    if (exitHandled_)
        return;
    exitHandled_ = true;
    // Profiles and the play log are written here once the game keeps them.
}

void Program::enableAutoPlayer()
{
    if (!autoPlayer_)
        autoPlayer_ = std::make_unique<AutoPlayer>();
}

bool Program::mayPause() const
{
    // Scripted and headless runs never wait for a focus that may never come.
    return !launch_.headless && !launch_.fixedStep && !script_ && !autoPlayer_;
}

void Program::feedInput(long long frame)
{
    const LetterBox& box = virtualScreen();
    auto toX = [&](float x) { return (x + box.offsetX) * box.scale; };
    auto toY = [&](float y) { return (y + box.offsetY) * box.scale; };
    if (script_)
        script_->feed(frame, platform->input(), toX, toY);
    if (autoPlayer_)
        autoPlayer_->feed(platform->input(), toX, toY);
}

void Program::frameEnded(long long frame)
{
    // The run may end on any frame (the last of --frames, a close, a screen's own exit), so
    // every frame is kept until the next replaces it.
    if (!launch_.screenshot.empty())
        lastFrame_ = platform->renderer().readFrame(0, 0, 1024, 768);
    // The last frame ends the run through the same door as the close button, so everything
    // is saved exactly as when a player quits.
    if (launch_.frames && frame >= *launch_.frames)
        platform->input().requestClose();
}

void Program::writeScreenshot()
{
    if (launch_.screenshot.empty() || lastFrame_.empty())
        return;
    std::string error;
    if (!media::writePng(launch_.screenshot, lastFrame_, error))
        media::report(launch_.screenshot, "screenshot not written: " + error);
}

void endProcess(int status)
{
    if (theProgram) {
        theProgram->onExit();
        theProgram->writeScreenshot();
        theProgram.reset();
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}

void runMain(int argc, const char* const* argv)
{
    LaunchOptions options;
    std::string error;
    if (!parseCommandLine(argc, argv, options, error)) {
        std::cerr << "eldmere: " << error << "\n" << usageText();
        std::exit(2);
    }
    if (options.help) {
        std::cout << usageText();
        std::exit(0);
    }
    findContentFolder();
    theProgram = std::make_unique<Program>(std::move(options));
    int status = theProgram->mainProgram();
    endProcess(status);
}
} // namespace shell
