// Eldmere.cpp: start-up, the run and the end.
#include "shell/Eldmere.hpp"

#include "audio/TGlobalSnd.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "base/TDeltaTime.hpp"
#include "base/VirtualScreen.hpp"
#include "cards/Cards.hpp"
#include "cards/ResourceTypes.hpp"
#include "cards/Swords.hpp"
#include "data/Language.hpp"
#include "data/TextTables.hpp"
#include "effects/Captions.hpp"
#include "gui/TMouse.hpp"
#include "gui/TTheme.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevelManager.hpp"
#include "media/FileSystem.hpp"
#include "media/ImageCodec.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "rules/AutoPlay.hpp"
#include "rules/Solver.hpp"
#include "rules/Trace.hpp"
#include "screens/Awards.hpp"
#include "screens/GuiPreview.hpp"
#include "screens/ProfileManagerScreen.hpp"
#include "screens/ShopItems.hpp"
#include "screens/TCredits.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TMainMenu.hpp"
#include "screens/TMapa.hpp"
#include "screens/TOptions.hpp"
#include "screens/TOutro.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TStory.hpp"
#include "screens/TTutorial.hpp"
#include "shell/Control.hpp"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <regex>

namespace shell
{
namespace
{
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

Eldmere::Eldmere(LaunchOptions options) : launch_(std::move(options)), startup_(launch_.timings) {}

Eldmere::~Eldmere() = default;

void readMarkerFiles()
{
    // Only its presence counts, and a folder of that name counts too.
    cheatsOn = static_cast<int>(media::fs::pathType("cheats.txt"));
    if (base::hasProgram())
        base::program().noTutorial = media::fs::pathType("noTutorial.txt") != media::fs::PathType::Absent;
}

int Eldmere::fail(const std::string& message)
{
    if (platform)
        platform->display().messageBox("Eldmere", message);
    else
        media::reportLine(message);
    return 1;
}

bool Eldmere::loadRequiredTable(const std::string& path, std::vector<std::string>& lines)
{
    auto table = readTextTable(path);
    if (!table)
        return false;
    lines = table->txt;
    return true;
}

int Eldmere::mainProgram()
{
    // The typeface is compiled in; the font cache serves every size from it.
    if (media::embeddedFontSize() == 0)
        return fail("The game's typeface is missing from the program");

    // The platform: display, input, clock and random numbers.
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

    // The developer keys, and the language code.
    readMarkerFiles();
    auto code = media::fs::readText("txt/lang.txt");
    if (!code)
        return fail("Nie znaleziono pliku : txt/lang.txt");
    language = media::text::trim(*code);
    if (!validLanguageCode(language))
        return fail("txt/lang.txt: '" + language + "' is not a language code (letters, digits, _ and -)");

    // The frame timer and the long-lived objects.
    deltaTime = TDeltaTime::Create(60);
    mainGame = std::make_unique<TMainGame>();
    mainMenu = std::make_unique<TMainMenu>();
    mapa = std::make_unique<TMapa>();
    levelManager = std::make_unique<TLevelManager>();
    profileManager = std::make_unique<TProfileManager>();
    globalSnd = std::make_unique<TGlobalSnd>();
    options = std::make_unique<TOptions>();
    story = std::make_unique<TStory>();
    outro = std::make_unique<TOutro>();
    mouse = std::make_unique<TMouse>();

    // GUI files may be read again while the game runs; the desktop is measured before any
    // window is shown.
    guiReloadKey = 1;
    media::Size desktop = platform->display().desktopSize();
    desktopWidth = desktop.width;
    desktopHeight = desktop.height;

    // The window title.
    std::vector<std::string> names;
    std::string namesPath = "txt/" + language + "/names.txt";
    if (!loadRequiredTable(namesPath, names))
        return fail("Nie znaleziono pliku : " + namesPath);
    windowTitle = names.empty() ? std::string() : media::text::trim(names[0]);
    platform->display().setTitle(windowTitle);

    // Then the content, the game, and the orderly end.
    if (!initGame())
        return 1;
    runGame();
    shutdownGame();
    return 0;
}

void Eldmere::prepareDataFolder()
{
    std::string folder =
        launch_.userDir.empty() ? media::fs::userDataHome() + "/" + appFolderName : launch_.userDir;
    userDataPath = media::text::replaceAll(media::fs::absolutePath(folder), "\\", "/");
    for (const char* sub : {"/Data", "/Profiles"}) {
        std::string error;
        if (!media::fs::createFolders(userDataPath + sub, &error))
            media::reportLine("Saves will fail: " + error);
        // Access lists are a desktop-Windows matter; on Linux the folder keeps the player's own
        // permissions, which is what we want.
    }
}

bool Eldmere::initGame()
{
    prepareDataFolder();
    if (!launch_.trace.empty()) {
        auto file = std::make_unique<std::ofstream>(launch_.trace);
        if (!*file) {
            fail("The trace cannot be written to " + launch_.trace);
            return false;
        }
        trace = std::move(file);
    }
    whiteImage = platform->pictures().load("gfx/white.png");

    options->fullScreenThisRun = launch_.headless ? std::optional<bool>(false) : launch_.fullScreen;
    options->loadOptions();
    if (!options->openScreen()) {
        fail("The display could not be opened");
        return false;
    }
    options->setupMouse();
    // Something of the game at once; everything below loads while it shows.
    mainMenu->showFirstPicture();
    startup_.firstPicture();

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
    // The frame every window and menu bar wears unless its GUI file names another theme.
    createTheme("temat1", "gfx/gui/window/temat1.txt", nullptr);
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
    loadResources();
    // What can be won, before the players who have won it are read.
    loadAwards();
    // The shop's catalogue before the players: what their items do is looked up in it.
    loadShopItems();
    loadCaptionImages();
    TParticle::setup();
    levelManager->setup();
    ::tutorial().setup();
    if (playsThroughTheTitle()) {
        // The players, and the one who played last.
        profileManager->loadProfiles();
    } else {
        // A level or a GUI file on its own plays for a guest kept in memory: nothing is saved.
        profileManager->useGuestProfile();
    }
    if (playsThroughTheTitle()) {
        mainMenu->setup();
        connectTitleScreen();
    }
    mainGame->setup();
    if (launch_.autoplay)
        enableAutoPlayer();
    return true;
}

void Eldmere::runGame()
{
    mainMenu->_prepareDelta();
    if (!launch_.gui.empty()) {
        // A developer's look at one GUI file.
        screens::GuiPreview preview(launch_.gui);
        preview.setup();
        preview.mainLoop();
        return;
    }
    if (!launch_.solve.empty()) {
        if (launch_.replay)
            replaySolvedDeal();
        else
            solveDeals();
        return;
    }
    if (!launch_.level.empty()) {
        // One level from a file, then the end.
        DealOptions options;
        if (hasProfile()) {
            takeQuestPlaceOf(launch_.level);
            options = profile().dealOptions();
            profile().resetUndos();
        }
        options.resourceTypes = resourceTypeCount();
        std::shared_ptr<TLevel> level = loadLevelFile(launch_.level, 1, 1, 1, options);
        if (launch_.rulesOnly) {
            playByTheRules(*level);
            return;
        }
        mainGame->setLevel(std::move(level));
        mainGame->draw();
        // The menu's restart deals the level again from its file.
        while (mainGame->mainLoop() == "RESTART-LEVEL") {
            if (hasProfile())
                profile().resetUndos();
            mainGame->setLevel(loadLevelFile(launch_.level, 1, 1, 1, options));
            mainGame->draw();
        }
        return;
    }
    control_.start();
    control_.mainLoop();
}

namespace
{
// The rules alone at work: every event a trace line, numbered by the move it belongs to.
class MoveTrace final : public rules::Listener
{
public:
    explicit MoveTrace(std::ostream* out) : out_(out) {}
    void onEvent(const rules::Event& event, const rules::Board& board) override
    {
        if (!out_)
            return;
        std::string line = rules::traceLine(move, event, board);
        if (!line.empty())
            *out_ << line << '\n';
    }
    long long move = 0;

private:
    std::ostream* out_;
};
} // namespace

void Eldmere::takeQuestPlaceOf(const std::string& path)
{
    // A shipped quest level plays as that place in the quest: its name on the plate, and the
    // swords and hints the quest deals there.
    static const std::regex questPlace(R"(stage-([0-9]{1,3})/level-([0-9]{1,3})\.lvl$)");
    std::smatch place;
    if (hasProfile() && std::regex_search(path, place, questPlace)) {
        profile().stageID = std::stoi(place[1].str());
        profile().levelID = std::stoi(place[2].str());
    }
}

Eldmere::SolvedDeal Eldmere::solveDeal(std::uint32_t seed)
{
    SolvedDeal solved;
    media::random().seed(seed);
    DealOptions options = profile().dealOptions();
    options.resourceTypes = resourceTypeCount();
    solved.level = loadLevelFile(launch_.solve, 1, 1, 1, options);
    // A level that could not be read (the loader has said why), or holds no table cards, cannot
    // be decided.
    if (solved.level && solved.level->cards.empty())
        std::fprintf(stderr, "%s: no table cards to play\n", launch_.solve.c_str());
    if (solved.level && !solved.level->cards.empty()) {
        const rules::Board board = rules::dealtForPlay(profile().layoutFor(*solved.level));
        const auto started = std::chrono::steady_clock::now();
        solved.result = rules::solve(board);
        solved.ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started)
                .count();
    }
    const char* verdict = solved.result.winnable == rules::Verdict::Yes  ? "yes"
                          : solved.result.winnable == rules::Verdict::No ? "no"
                                                                         : "unknown";
    std::printf("solve %s seed %u winnable %s cards-left-min %d nodes %lld ms %lld\n", launch_.solve.c_str(),
                seed, verdict, solved.result.cardsLeftMin, solved.result.nodes, solved.ms);
    std::fflush(stdout);
    return solved;
}

void Eldmere::solveDeals()
{
    takeQuestPlaceOf(launch_.solve);
    const std::uint32_t first = launch_.seed.value_or(1);
    int winnable = 0;
    for (int k = 0; k < launch_.deals; ++k) {
        const SolvedDeal solved = solveDeal(first + static_cast<std::uint32_t>(k));
        winnable += solved.result.winnable == rules::Verdict::Yes ? 1 : 0;
    }
    std::printf("solve %s deals %d winnable %d share %.2f\n", launch_.solve.c_str(), launch_.deals, winnable,
                static_cast<double>(winnable) / launch_.deals);
    std::fflush(stdout);
}

void Eldmere::replaySolvedDeal()
{
    takeQuestPlaceOf(launch_.solve);
    SolvedDeal solved = solveDeal(launch_.seed.value_or(1));
    if (!solved.level || solved.level->cards.empty())
        return;
    // The same deal on the game screen; our own player works the line out again from the table
    // it finds there and plays it through the mouse.
    profile().resetUndos();
    mainGame->setLevel(std::move(solved.level));
    mainGame->draw();
    mainGame->mainLoop();
}

void Eldmere::playByTheRules(const TLevel& level)
{
    rules::Board board(hasProfile() ? profile().layoutFor(level) : layoutOf(level));
    MoveTrace trace(this->trace.get());
    board.setListener(&trace);
    board.deal();
    if (launch_.autoplaySolver) {
        // The solver's line first; whatever is left to do after it (the rest of the deck, the
        // end) as our own player does it.
        board.beginPlay();
        board.landAll();
        for (const rules::SolverMove& move : rules::solve(board).line) {
            ++trace.move;
            rules::makeMove(board, move);
        }
    }
    const rules::LevelEnd figures = rules::playOut(board, [&trace] { ++trace.move; });
    std::printf("%s\n", TMainGame::resultText(level.path, figures, board.longestDrive()).c_str());
    std::fflush(stdout);
}

bool Eldmere::playsThroughTheTitle() const
{
    return launch_.level.empty() && launch_.gui.empty() && launch_.solve.empty();
}

void Eldmere::connectTitleScreen()
{
    mainMenu->showProfileManager = [this] { ::profileScreen().mainLoop(mainMenu.get()); };
    mainMenu->showOptions = [this](TEkran& background) { options->mainLoop(&background); };
    mainMenu->showCredits = [this] { ::credits().mainLoop(mainMenu.get()); };
    mainMenu->dealFreePlayLevel = [this] {
        if (hasProfile())
            mainGame->setLevel(profile().getRandomLevel());
    };
}

void Eldmere::shutdownGame()
{
    if (globalSnd)
        globalSnd->stopMusic();
    // A level left in the middle is saved whole: what is in the air lands first.
    if (mainGame && mainGame->level && control_.isPlayerPlayingLevel())
        mainGame->settle();
    if (profileManager)
        profileManager->save();
    options->saveOptions();
    if (platform)
        platform->audio().stopAll();
}

void Eldmere::enableAutoPlayer()
{
    if (!autoPlayer_)
        autoPlayer_ = std::make_unique<AutoPlayer>(launch_.profileName, launch_.autoplaySolver
                                                                            ? AutoPlayer::Chooser::Solver
                                                                            : AutoPlayer::Chooser::Greedy);
}

void Eldmere::useInputScript(InputScript script)
{
    script_ = std::move(script);
}

bool Eldmere::mayPause() const
{
    // Scripted and headless runs never wait for a focus that may never come.
    return !launch_.headless && !launch_.fixedStep && !script_ && !autoPlayer_;
}

void Eldmere::feedInput(long long frame)
{
    const LetterBox& box = virtualScreen();
    auto toX = [&](float x) { return (x + box.offsetX) * box.scale; };
    auto toY = [&](float y) { return (y + box.offsetY) * box.scale; };
    if (script_)
        script_->feed(frame, platform->input(), toX, toY);
    if (autoPlayer_)
        autoPlayer_->feed(platform->input(), toX, toY);
}

void Eldmere::frameEnded(long long frame)
{
    startup_.interactive();
    // The run may end on any frame (the last of --frames, a close, a screen's own exit), so
    // every frame is kept until the next replaces it.
    if (!launch_.screenshot.empty())
        lastFrame_ = platform->renderer().readFrame(0, 0, 1024, 768);
    // The last frame ends the run through the same door as the close button, so everything
    // is saved exactly as when a player quits.
    if (launch_.frames && frame >= *launch_.frames)
        platform->input().requestClose();
}

void Eldmere::writeScreenshot()
{
    if (launch_.screenshot.empty() || lastFrame_.empty())
        return;
    std::string error;
    if (!media::writePng(launch_.screenshot, lastFrame_, error))
        media::report(launch_.screenshot, "screenshot not written: " + error);
}

void Eldmere::quit()
{
    shutdownGame();
    endProcess(0);
}

void Eldmere::endProcess(int status)
{
    writeScreenshot();
    // Everything is taken down in order (this object with it) before the process ends.
    if (base::hasProgram() && &base::program() == this)
        base::swapProgram(nullptr).reset();
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
    base::swapProgram(std::make_unique<Eldmere>(std::move(options)));
    auto& eldmere = static_cast<Eldmere&>(base::program());
    eldmere.endProcess(eldmere.mainProgram());
}
} // namespace shell
