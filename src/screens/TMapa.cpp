// TMapa.cpp
#include "screens/TMapa.hpp"

#include "audio/Sounds.hpp"
#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "data/DataFiles.hpp"
#include "data/TextTables.hpp"
#include "gui/TMouse.hpp"
#include "gui/TextLayout.hpp"
#include "levels/TLevelManager.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr const char* mapFolder = "gfx/gui/screen-map/";
constexpr int objectiveBox = 270;
constexpr float blinkSpeed = 0.05f;
// The story's font sizes by the stage's font number.
constexpr std::array<int, 4> storySizes{12, 14, 16, 20};
// Lines of mapa.txt: the heading, the goal phrases by kind, and the perfect-level phrases.
constexpr int headingLine = 1;
constexpr int firstPhraseLine = 4;
constexpr int firstPerfectLine = 8;

const TStage* stageOfTheQuest()
{
    if (!hasProfile() || !base::program().levelManager)
        return nullptr;
    return levelManager().getStageById(profile().stageID);
}

std::string tableLine(const TTxtFile& table, int n)
{
    std::string line = getText(table, n);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}
} // namespace

int MapObjectiveLine::draw(media::Font& font, float x, float y, float alpha, float glow) const
{
    media::Renderer& gfx = media::gfx();
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(win ? alpha * 0.5f : alpha);
    int height = drawTextBox(txt, left, top, objectiveBox, "CENTER", font, 0);
    if (win) {
        gfx.setAlpha(alpha);
        drawStrikeLines(txt, left, top, objectiveBox, "CENTER", font, 0);
    } else if (glow > 0) {
        gfx.setBlend(media::Blend::Light);
        gfx.setColor(255, 0, 255);
        gfx.setAlpha(glow * 0.5f);
        height = drawTextBox(txt, left, top, objectiveBox, "CENTER", font, 0);
        gfx.setBlend(media::Blend::Alpha);
    }
    gfx.setColor(255, 255, 255);
    gfx.setAlpha(1);
    return height;
}

TMapa::TMapa()
{
    id = "MAPA";
}

void TMapa::setup()
{
    map = media::pictures().load(std::string(mapFolder) + "mapa.jpg");
    nakladka = media::pictures().load(std::string(mapFolder) + "nakladka.png");
    font = &media::fonts().get(16);
    titleFont = &media::fonts().get(20);
    for (std::size_t i = 0; i < storyFont.size(); ++i)
        storyFont[i] = &media::fonts().get(storySizes[i]);
    sFont = storyFont[2];
    font2 = &media::fonts().get(18);
    font3 = &media::fonts().get(20);
    Gui = loadGui(guiPath);
    const TTxtFile texts = loadTextTable("txt/#LANG#/mapa.txt");
    txtObjectives = tableLine(texts, headingLine);
    for (std::size_t k = 0; k < txtObjectivePhrases.size(); ++k)
        txtObjectivePhrases[k] = tableLine(texts, firstPhraseLine + static_cast<int>(k));
    for (std::size_t k = 0; k < txtPerfects.size(); ++k)
        txtPerfects[k] = tableLine(texts, firstPerfectLine + static_cast<int>(k));
}

MapObjectiveLine TMapa::createObjText(const TObjective& objective, int typ, int value) const
{
    static_cast<void>(objective);
    MapObjectiveLine line;
    const std::string& phrase = txtObjectivePhrases[static_cast<std::size_t>(std::clamp(typ, 0, 3))];
    const std::size_t mark = phrase.find("#VALUE#");
    line.txt1 = phrase.substr(0, mark);
    line.txt2 = mark == std::string::npos ? std::string() : phrase.substr(mark + 7);
    if (typ == static_cast<int>(ObjectiveKind::Perfects)) {
        // The phrase for the target, held to the ten there are.
        line.txt2 = txtPerfects[static_cast<std::size_t>(std::clamp(value, 1, perfectPhrases) - 1)];
    }
    line.value = value;
    line.txt = line.txt1 + std::to_string(value) + line.txt2;
    return line;
}

void TMapa::createStoryTexts(const std::vector<std::string>& lines)
{
    storyTexts.clear();
    for (const std::string& line : lines)
        storyTexts.emplace_back(line);
    actSt = -1;
}

void TMapa::getNextStoryText(const TStoryText* line)
{
    int next = 0;
    if (line) {
        next = static_cast<int>(line - storyTexts.data()) + 1;
    }
    if (next < 0 || next >= static_cast<int>(storyTexts.size()))
        return;
    actSt = next;
    storyTexts[static_cast<std::size_t>(next)].start();
}

void TMapa::showTexts()
{
    for (TStoryText& line : storyTexts)
        line.showNow();
}

float TMapa::storyTop() const
{
    if (storyTexts.size() == 2)
        return 65;
    if (storyTexts.size() == 3)
        return 55;
    return 40;
}

void TMapa::showStage(int stageId)
{
    const TStage* stage = base::program().levelManager ? levelManager().getStageById(stageId) : nullptr;
    image = {};
    createStoryTexts(stage ? stage->texts : std::vector<std::string>{});
    getNextStoryText(nullptr);
    // The stage's font number comes from content: held to the four sizes there are.
    sFont = storyFont[static_cast<std::size_t>(std::clamp(stage ? stage->fontN : 2, 0, 3))];
    if (!stage || stage->imgUrl.empty())
        return;
    // The stage pictures are keyed in magenta; every later load keys the colour it did before.
    media::PictureCache& pictures = media::pictures();
    const int before = pictures.maskColor();
    pictures.setMaskColor(255, 0, 255);
    image = pictures.load(stage->imgUrl);
    pictures.setMaskColor((before >> 16) & 0xff, (before >> 8) & 0xff, before & 0xff);
}

void TMapa::prepare()
{
    dAlpha = 1;
    alpha = 0;
    fade = 1;
    dFade = 0;
    wynik = "";
    _exit = 0;
    overStage = nullptr;
    clickedStage = nullptr;
    migA = 0;
    dMigA = 1;
    if (hasProfile())
        profile().where = id;
    objectivesList.clear();
    const TStage* stage = stageOfTheQuest();
    if (stage) {
        for (const TObjective& objective : stage->objectives)
            objectivesList.push_back(
                createObjText(objective, objective.typ, static_cast<int>(objective.value)));
    }
    showStage(hasProfile() ? profile().stageID : 0);
    playMyMusic("level-9");
    _prepareDelta();
}

void TMapa::updateStory()
{
    if (actSt >= 0 && actSt < static_cast<int>(storyTexts.size()))
        storyTexts[static_cast<std::size_t>(actSt)].start();
    for (std::size_t i = 0; i < storyTexts.size(); ++i) {
        if (storyTexts[i].update() == 1 && i + 1 < storyTexts.size() && !storyTexts[i + 1].started()) {
            getNextStoryText(&storyTexts[i]);
            break;
        }
    }
    if (guiMouse().leftPressed)
        showTexts();
}

void TMapa::update()
{
    beginFrame();
    _updateGui();
    overStage = nullptr;
    if (base::program().levelManager) {
        for (TStage& stage : levelManager().stages) {
            if (stage.update() == 1)
                overStage = &stage;
        }
    }
    updateStory();
    _updateFade();
    approach(migA, dMigA, blinkSpeed);
    if (migA == dMigA)
        dMigA = dMigA == 0 ? 1.0f : 0.0f;
    _updateAlpha();
}

void TMapa::draw()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.drawPicture(map, 0, 0);
    const int reached = hasProfile() ? profile().stageID : 0;
    if (base::program().levelManager) {
        for (const TStage& stage : levelManager().stages)
            stage.draw(reached);
    }
    drawStandards();
    gfx.setAlpha(alpha);
    gfx.drawPicture(image, 112, 159);
    gfx.drawPicture(nakladka, 72, 133);
    if (font) {
        gfx.setColor(0, 0, 0);
        const float half = std::floor(font->textWidth(txtObjectives) / 2);
        gfx.drawText(*font, txtObjectives, 512 - half, 575);
    }
    drawStandards();
    if (sFont) {
        float y = storyTop();
        for (const TStoryText& line : storyTexts) {
            line.draw(*sFont, y);
            if (!line.txt.empty())
                y += static_cast<float>(textHeight(*sFont));
        }
    }
    drawStandards();
    if (font3) {
        float y = 600;
        for (const MapObjectiveLine& line : objectivesList)
            y += static_cast<float>(line.draw(*font3, 375, y, 1, migA));
    }
    drawStandards();
    _drawGui();
    drawStandards();
    _drawBlackFade();
    drawStandards();
}

void TMapa::handleInput()
{
    if (dFade != 0 || !Gui)
        return;
    if (Gui->clickedItem("play")) {
        dFade = 1;
        wynik = play;
        // The stage's level was dealt when the quest came here; it is dealt now only when there
        // is none (a level is never dealt twice on the way to the table).
        if (hasProfile()) {
            TProfile& p = profile();
            if (!p.questLevel)
                p.loadMyLevel();
            TMainGame* game = base::program().mainGame.get();
            if (game && p.questLevel && game->level != p.questLevel)
                game->setLevel(p.questLevel);
        }
    } else if (Gui->clickedItem("menu")) {
        dFade = 1;
        wynik = menu;
    }
}

void TMapa::updateRuneEditor()
{
    if (!cheatsOn)
        return;
    media::Input& input = media::input();
    if (input.keyHits(media::key::letter('W')) > 0 && hasProfile()) {
        ++profile().stageID;
        showStage(profile().stageID);
    }
    if (input.keyHits(media::key::letter('S')) > 0)
        saveStages();
    TMouse& mouse = guiMouse();
    if (mouse.leftPressed && overStage)
        clickedStage = overStage;
    if (clickedStage && mouse.leftHolded && input.keyDown(media::key::LeftControl)) {
        clickedStage->runeDim.x = static_cast<float>(mouse.x);
        clickedStage->runeDim.y = static_cast<float>(mouse.y);
    }
    if (mouse.rightPressed)
        clickedStage = nullptr;
}

void TMapa::saveStages(const std::string& from, const std::string& to) const
{
    if (!base::program().levelManager)
        return;
    TRCMFile file = loadDataFile(from);
    for (const TStage& stage : levelManager().stages) {
        const std::string key = "stages::stage" + std::to_string(stage.id) + "::rune";
        file.setInt(key, static_cast<long long>(stage.runeDim.x), 0);
        file.setInt(key, static_cast<long long>(stage.runeDim.y), 1);
    }
    if (!file.save(to))
        media::reportLine(to + ": the rune positions could not be saved");
}

std::string TMapa::mainLoop()
{
    // Set up on first use: a run that never reaches the map never loads its pictures.
    if (!Gui)
        setup();
    ScreenScope running(this);
    prepare();
    while (true) {
        update();
        draw();
        endFrame(false);
        updateRuneEditor();
        handleInput();
        if (fadedOut())
            break;
    }
    hideMusic();
    return wynik;
}

TMapa& questMap()
{
    return setUpOnce(base::program().mapa);
}
