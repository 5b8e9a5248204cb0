// TMainMenu.cpp
#include "screens/TMainMenu.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "data/TextTables.hpp"
#include "gui/TButton.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"
#include "screens/TEnterText.hpp"
#include "screens/TPopUp.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TQuestContinue.hpp"

#include <cmath>
#include <string>

namespace
{
constexpr float quarterTurn = 3.14159265358979f / 2.0f;
constexpr float introSpeed = 0.005f;
constexpr float menuSpeed = 0.02f;
constexpr int sparklePicture = 2; // the four-rayed star

// The owl's frames by picture number: open eyes, closed, open three times, the eye play, open.
constexpr std::array<int, TSowa::frameCount> owlPictures{3, 4, 3, 3, 3, 1, 1, 2, 3};

// The top-left corners of the light patches on the finished picture.
constexpr std::array<std::array<float, 2>, TMainMenu::lightCount> lightCorners{
    {{0, 482}, {0, 572}, {0, 643}, {709, 636}, {22, 322}, {470, 322}, {800, 322}}};
// The third patch lies on the tree layer and zooms with it.
constexpr std::size_t treeLight = 2;

// Where the sparkles light up over the logo.
constexpr std::array<std::array<float, 2>, TMainMenu::sparkleCount> sparklePoints{
    {{178, 74},  {212, 130}, {289, 123}, {352, 97},  {347, 135}, {310, 124}, {236, 125},
     {172, 178}, {162, 224}, {140, 136}, {141, 182}, {197, 178}, {228, 183}, {226, 153},
     {273, 174}, {288, 150}, {310, 180}, {325, 134}, {355, 175}, {337, 155}, {321, 233},
     {392, 173}, {230, 213}, {254, 201}, {301, 209}, {341, 197}}};

// The owl answers a click inside this box.
constexpr int owlLeft = 703;
constexpr int owlTop = 70;
constexpr int owlWidth = 94;
constexpr int owlHeight = 136;

constexpr const char* titlePath = "gfx/gui/screen-title/";

media::Picture titlePicture(const std::string& name)
{
    return media::pictures().load(titlePath + name);
}
} // namespace

TMainMenu::TMainMenu()
{
    id = "MAIN-MENU";
    for (std::size_t i = 0; i < sparkleCount; ++i) {
        starDim[i].x = sparklePoints[i][0];
        starDim[i].y = sparklePoints[i][1];
    }
}

void TMainMenu::showFirstPicture()
{
    back = titlePicture("back.jpg");
    back.midHandle();
    tree = titlePicture("tree-layer.png");
    tree.midHandle();
    per = 0;
    drawScenery();
    fade = firstPictureVeil;
    _drawBlackFade();
    drawStandards();
    // Not a frame of any screen: the frame count and the game's clock stay where they are.
    media::display().present();
    clearVirtualScreen();
    firstPictureShown = true;
}

void TMainMenu::setup()
{
    if (back.empty()) {
        back = titlePicture("back.jpg");
        back.midHandle();
        tree = titlePicture("tree-layer.png");
        tree.midHandle();
    }
    Gui = loadGui(std::string(titlePath) + "title.gui");
    menuGfx = titlePicture("menu.png");
    logo = titlePicture("logo.png");
    logo.midHandle();

    std::array<media::Picture, 4> owl;
    for (std::size_t i = 0; i < owl.size(); ++i) {
        owl[i] = titlePicture("sowa-" + std::to_string(i + 1) + ".png");
        owl[i].setHandle(51, 116);
    }
    for (std::size_t i = 0; i < TSowa::frameCount; ++i)
        sowa.img[i] = owl[static_cast<std::size_t>(owlPictures[i] - 1)];
    sowa.oko = titlePicture("oko.png");
    sowa.oko.midHandle();

    media::Random& random = media::random();
    for (std::size_t i = 0; i < lightCount; ++i) {
        TLightLayer& layer = lightLayer[i];
        layer.place(titlePicture("lights-" + std::to_string(i + 1) + ".png"), lightCorners[i][0],
                    lightCorners[i][1]);
        layer.zoomDepth = i == treeLight ? 0.4f : 0.2f;
        layer.alpha = static_cast<float>(random.rnd());
        layer.dAlpha = static_cast<float>(random.rnd());
    }
    clouds.setup();

    TTxtFile texts = loadTextTable("txt/#LANG#/mainMenu.txt");
    for (int i = 0; i < 3; ++i)
        txtHello[static_cast<std::size_t>(i)] = getText(texts, i + 1);
    txtAreYouSure = getText(texts, 9);
    txtAreYouSure2 = getText(texts, 10);
}

void TMainMenu::setManagerCaption()
{
    auto manager = Gui->getItemAs<TButton>("manager");
    if (!manager)
        return;
    // The guest of a run without players has no name to greet.
    const bool named = hasProfile() && !profile().name.empty();
    manager->_txt = named ? txtHello[0] + profile().name + txtHello[1] : txtHello[2];
    manager->countDims();
}

void TMainMenu::prepare()
{
    setManagerCaption();
    dFade = 0;
    // The run's first entry lifts the veil of the first picture; every other fades in from black.
    fade = firstPictureShown ? firstPictureVeil : 1;
    firstPictureShown = false;
    alpha = 1;
    dAlpha = 1;
    _exit = 0;
    wynik = "";
    playMyMusic("title");
    per = 0;
    dPer = 1;
    menuA = 0;
    dMenuA = 0;
    if (firstTime == 0) {
        // Only the first entry of a run plays the intro.
        per = 1;
        menuA = 1;
    }
    firstTime = 0;
    particles.clear();
    clouds.clear();
    for (int i = 0; i < 10; ++i)
        clouds.createChmura(1.0f).a = 1;
    for (int i = 0; i < 5; ++i)
        _prepareDelta();
}

void TMainMenu::updateMenu()
{
    if (per >= 1)
        dMenuA = 1;
    Gui->setGuiAlpha(menuA);
    approach(menuA, dMenuA, menuSpeed);
    for (TLightLayer& layer : lightLayer)
        layer.update();
    clouds.updateAll(1.0f);
    // A menu still fading in takes no clicks, so it shows none.
    if (!menuReady() && !Gui->_over.empty())
        guiMouse().setCursor("normal");
}

void TMainMenu::updateSparkles()
{
    const long long now = media::clock().millisecs();
    if (now <= time)
        return;
    time = now + starInterwal;
    const TDim& at = starDim[static_cast<std::size_t>(media::random().rand(0, sparkleCount - 1))];
    newParticle(particles, sparklePicture, at.x, at.y, at.x, at.y, at.x, at.y, Tint{}, menuA, 0, 0.5f, 2, 0,
                90, 4, 0, 800);
}

void TMainMenu::update()
{
    beginFrame();
    Gui->update();
    _updateAlpha();
    updateParticles(particles);
    approach(per, dPer, introSpeed);
    updateMenu();
    updateSparkles();
    _updateFade();
    if (guiMouse().leftPressed && guiMouse().inRect(owlLeft, owlTop, owlWidth, owlHeight))
        sowa.eyes();
}

bool TMainMenu::calm() const
{
    // The clouds, lights and sparkles move slowly once the intro and the fades are over.
    return per == 1 && menuA == dMenuA && fade == dFade;
}

void TMainMenu::drawScenery()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    const float zoom = std::sin(quarterTurn * per);
    const float backScale = 1.2f - 0.2f * zoom;
    gfx.setScale(backScale, backScale);
    gfx.drawPicture(back, 512, 384);
    drawStandards();
    clouds.drawAll(per);
    drawStandards();
    const float treeScale = 1.4f - 0.4f * zoom;
    gfx.setScale(treeScale, treeScale);
    gfx.drawPicture(tree, 512, 384);
    drawStandards();
}

void TMainMenu::draw()
{
    media::Renderer& gfx = media::gfx();
    drawScenery();
    for (const TLightLayer& layer : lightLayer)
        layer.draw(per);
    clouds.drawAll2(per);
    drawStandards();
    // The logo comes in with the menu.
    gfx.setAlpha(menuA);
    gfx.drawPicture(logo, logoX, logoY);
    gfx.drawPicture(menuGfx, 558, 210);
    drawStandards();
    sowa.draw(per, static_cast<float>(guiMouse().x), static_cast<float>(guiMouse().y));
    drawStandards();
    drawParticles(particles);
    drawStandards();
    _drawGui();
    drawStandards();
    _drawBlackFade();
    drawStandards();
}

void TMainMenu::leave(const char* result)
{
    wynik = result;
    dFade = 1;
}

void TMainMenu::questEntry()
{
    if (!hasProfile())
        return;
    if (profile().canResumeQuest()) {
        const std::string answer = questContinue().mainLoop(this);
        if (answer == TQuestContinue::continueQuest) {
            profile().tryb = "QUEST";
            leave(resumeQuest);
            hideMusic();
        } else if (answer == TQuestContinue::newQuest) {
            if (askYesNo(txtAreYouSure2, this) == 1) {
                profile().tryb = "QUEST";
                leave(newQuest);
            }
        }
        return;
    }
    profile().tryb = "QUEST";
    leave(newQuest);
}

void TMainMenu::quit()
{
    if (askYesNo(txtAreYouSure, this) != 1)
        return;
    dFade = 1;
    if (base::program().profileManager)
        profileManager().save();
    wynik = end;
}

void TMainMenu::askFirstPlayerName()
{
    const std::string name = enterText().mainloop(this, "", "", 1);
    if (name == TEnterText::cancelled || !base::program().profileManager)
        return;
    // A refused name leaves no player, so the next frame asks again.
    if (profileManager().newProfile(name))
        setManagerCaption();
}

void TMainMenu::handleInput()
{
    // Nothing more is taken once the screen is on its way out.
    if (dFade != 0)
        return;
    media::Input& input = media::input();
    if (cheatsOn && input.keyHits(media::key::Space) > 0) {
        prepare();
        return;
    }
    const bool escape = input.keyHits(media::key::Escape) > 0;
    if (!menuReady())
        return;
    if (Gui->clickedItem("PLAY")) {
        questEntry();
    } else if (Gui->clickedItem("SETTINGS")) {
        if (showOptions)
            showOptions(*this);
    } else if (Gui->clickedItem("freeplay")) {
        if (hasProfile())
            profile().tryb = "FREE-PLAY";
        if (dealFreePlayLevel)
            dealFreePlayLevel();
        leave(freePlay);
        hideMusic();
    } else if (Gui->clickedItem("CREDITS")) {
        if (showCredits)
            showCredits();
    } else if (Gui->clickedItem("MORE") || Gui->clickedItem("moreGames")) {
        leave(more);
    } else if (Gui->clickedItem("EXIT") || escape) {
        quit();
    } else if (Gui->clickedItem("manager")) {
        if (showProfileManager)
            showProfileManager();
        setManagerCaption();
    }
}

std::string TMainMenu::mainLoop()
{
    ScreenScope running(this);
    prepare();
    while (true) {
        update();
        draw();
        endFrame(false);
        if (!hasProfile() && per >= 1) {
            // No one to play for yet: the first player is asked for once the fade-in is over.
            if (fade == 0)
                askFirstPlayerName();
        } else {
            handleInput();
        }
        if (fadedOut() || alphaGone())
            break;
    }
    return wynik;
}
