// TTutorial.cpp
#include "screens/TTutorial.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "data/TRCMFile.hpp"
#include "data/TextTables.hpp"
#include "gui/Fonts.hpp"
#include "levels/TLevel.hpp"
#include "media/FileSystem.hpp"
#include "media/PictureCache.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/Frame.hpp"
#include "screens/LevelInPlay.hpp"
#include "screens/TLevelEndScreen.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>
#include <cstdio>

namespace
{
constexpr std::array<int, 3> tipFontSizes = {32, 22, 18};
constexpr std::array<const char*, 3> panelFiles = {"panel.png", "panel-2.png", "panel-3.png"};
constexpr std::array<const char*, 3> screens = {"MAIN-GAME", "SHOP", "LEVEL-SUMMARY"};
constexpr std::array<const char*, 8> triggers = {"BEGIN",      "COMBO",       "ROCKS", "ICE",
                                                 "WILD-CARDS", "MAGIC-CARDS", "POMIN", "MAGIC-PICK-UP"};

template <std::size_t N>
bool oneOf(const std::string& value, const std::array<const char*, N>& names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return value == name; });
}

// A whole-number field of a lesson kept within 0..2; anything else is reported and clamped.
int withinThree(int value, const std::string& datPath, const std::string& where)
{
    if (value >= 0 && value <= 2)
        return value;
    const int clamped = std::clamp(value, 0, 2);
    media::report(datPath, where + " is " + std::to_string(value)
                               + ", not 0, 1 or 2: " + std::to_string(clamped) + " is used");
    return clamped;
}

// The table's line without the line end it may keep.
std::string lineOf(const TTxtFile& table, int n)
{
    std::string text = getText(table, n);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    return text;
}

const TMainGame* asGame(const TEkran& screen)
{
    return screen.id == "MAIN-GAME" ? dynamic_cast<const TMainGame*>(&screen) : nullptr;
}

// The game screen at play with its level, and no caption showing.
const TLevel* quietLevel(const TEkran& screen)
{
    const TMainGame* game = asGame(screen);
    if (!game || !game->level || game->state != GameState::Normal)
        return nullptr;
    if (const LevelInPlay* play = game->levelInPlay(); play && !play->effects.captions.empty())
        return nullptr;
    return game->level.get();
}
} // namespace

TTutorial& tutorial()
{
    return base::program().tutorial.orMake();
}

void updateTutorial(TEkran& screen)
{
    if (!base::hasProgram() || base::program().noTutorial || !hasProfile() || profile().tryb != "QUEST")
        return;
    tutorial().update(screen);
}

void drawTutorial(TEkran& screen)
{
    if (!base::hasProgram() || base::program().noTutorial || !base::program().tutorial)
        return;
    tutorial().draw(screen);
}

void TTutorial::setup()
{
    for (std::size_t n = 0; n < fonts.size(); ++n)
        fonts[n] = &loadFont(embeddedFontName, tipFontSizes[n]);
    gui = loadGui(guiFile);
    for (std::size_t n = 0; n < panels.size(); ++n) {
        panels[n] = media::pictures().load(std::string(pictureFolder) + panelFiles[n]);
        panels[n].midHandle();
    }
    readLessons(lessonFile, textTable);
}

void TTutorial::readLessons(const std::string& datPath, const std::string& txtPath)
{
    actTip = nullptr;
    tips.clear();
    if (media::fs::pathType(datPath) == media::fs::PathType::Absent)
        return; // no lesson file: the tutorial stays silent
    const TRCMFile file = loadDataFile(datPath);
    const TTxtFile table = loadTextTable(txtPath);
    const int count = std::clamp(file.getInt("tutorial::i"), 0, 1000);
    for (int n = 1; n <= count; ++n) {
        const std::string g = "tutorial::tut" + std::to_string(n) + "::";
        TTip tip;
        tip.id = file.getString(g + "id");
        const std::string name = "lesson " + std::to_string(n) + (tip.id.empty() ? "" : " (" + tip.id + ")");
        if (tip.id.empty()) {
            media::report(datPath, name + " has no id: it is left out");
            continue;
        }
        if (getTip(tip.id)) {
            media::report(datPath, name + " has the id of a lesson before it: it is left out");
            continue;
        }
        tip.ekran = file.getString(g + "ekran");
        if (!oneOf(tip.ekran, screens))
            media::report(datPath, name + " belongs to the screen \"" + tip.ekran
                                       + "\", which shows no lessons: it never shows");
        tip.nrPanelu = withinThree(file.getInt(g + "panel"), datPath, name + ": its panel");
        tip.dim = createPoint(static_cast<float>(file.getInt(g + "dim", 0)),
                              static_cast<float>(file.getInt(g + "dim", 1)));
        tip.nrLevelu = file.getInt(g + "level");
        tip.nrStageu = file.getInt(g + "stage");
        tip.blocked = file.getInt(g + "blocked");
        tip.startAt = file.getString(g + "startAt");
        if (!oneOf(tip.startAt, triggers))
            media::report(datPath,
                          name + " starts at \"" + tip.startAt + "\", which is no trigger: it never shows");
        const int texts = std::clamp(file.getInt(g + "texts"), 0, 100);
        for (int j = 1; j <= texts; ++j) {
            const std::string key = g + "txt" + std::to_string(j);
            const int line = file.getInt(key, 0);
            if (line < 1 || line > static_cast<int>(table.txt.size()))
                media::report(datPath, name + ": text " + std::to_string(j) + " names line "
                                           + std::to_string(line) + ", which " + textTablePath(txtPath)
                                           + " does not have");
            TTipText text;
            text.txt = lineOf(table, line);
            text.fontN =
                withinThree(file.getInt(key, 1), datPath, name + ": the font of text " + std::to_string(j));
            text.x = static_cast<float>(file.getFloat(key, 2));
            text.y = static_cast<float>(file.getFloat(key, 3));
            text.width = static_cast<float>(file.getFloat(key, 4));
            text.align = readAlign(file.getInt(key, 5));
            tip.texts.push_back(std::move(text));
        }
        const int images = std::clamp(file.getInt(g + "images"), 0, 100);
        for (int j = 1; j <= images; ++j) {
            const std::string key = g + "img" + std::to_string(j);
            TTipImg image;
            image.url = file.getString(key, 0);
            image.x = static_cast<float>(file.getFloat(key, 1));
            image.y = static_cast<float>(file.getFloat(key, 2));
            if (!image.url.empty() && media::installed())
                image.img = media::pictures().load(pictureFolder + image.url);
            if (image.url.empty())
                media::report(datPath, name + ": picture " + std::to_string(j) + " names no file");
            tip.images.push_back(std::move(image));
        }
        tips.push_back(std::move(tip));
    }
}

std::string TTutorial::readAlign(int n)
{
    switch (n) {
    case 0: return "LEFT";
    case 1: return "CENTER";
    case 2: return "RIGHT";
    case 3: return "JUSTIFY";
    default: return "";
    }
}

TTip* TTutorial::getTip(const std::string& id)
{
    auto it = std::find_if(tips.begin(), tips.end(),
                           [&](const TTip& tip) { return media::text::equalsIgnoreCase(tip.id, id); });
    return it == tips.end() ? nullptr : &*it;
}

const TTip* TTutorial::getTip(const std::string& id) const
{
    return const_cast<TTutorial*>(this)->getTip(id);
}

std::vector<std::string> TTutorial::lessonIds() const
{
    std::vector<std::string> ids;
    ids.reserve(tips.size());
    for (const TTip& tip : tips)
        ids.push_back(tip.id);
    return ids;
}

media::Font& TTutorial::tipFont(int n) const
{
    return fontOrDefault(fonts[static_cast<std::size_t>(std::clamp(n, 0, 2))]);
}

void TTutorial::draw(TEkran& screen)
{
    static_cast<void>(screen);
    if (!actTip)
        return;
    actTip->draw(*this);
    drawnInFrame = framesDone();
}

void TTutorial::update(TEkran& screen)
{
    if (actTip) {
        actTip->update(*this, screen);
        return;
    }
    if (!hasProfile())
        return;
    // A copy: showing a lesson takes it off the player's list.
    const std::vector<std::string> pending = profile().lekcjeTutoriala;
    for (const std::string& id : pending) {
        TTip* tip = getTip(id);
        if (!tip)
            continue; // an id no lesson has (any more)
        checkTip(screen, *tip);
        // A lesson the game does not wait for is on screen: the others wait their turn rather
        // than replace it unseen.
        if (actTip)
            return;
    }
}

bool TTutorial::holds(const TEkran& screen, const TTip& tip) const
{
    if (screen.id != tip.ekran || !hasProfile())
        return false;
    const TProfile& p = profile();
    if (tip.nrStageu != 0 && tip.nrLevelu != 0 && (p.stageID != tip.nrStageu || p.levelID != tip.nrLevelu))
        return false;
    const TMainGame* game = asGame(screen);
    const std::string& trigger = tip.startAt;
    if (trigger == "BEGIN") {
        if (game)
            return game->state == GameState::Normal;
        if (screen.id == "SHOP")
            return screen.alpha == 1.0f;
        if (const auto* summary = dynamic_cast<const TLevelEndScreen*>(&screen))
            return screen.id == "LEVEL-SUMMARY" && summary->panelS == 1.0f;
        return false;
    }
    if (trigger == "COMBO")
        return game && game->level && game->level->driveN > 5;
    if (trigger == "ROCKS" || trigger == "ICE" || trigger == "WILD-CARDS" || trigger == "MAGIC-CARDS") {
        const TLevel* level = quietLevel(screen);
        if (!level)
            return false;
        if (trigger == "ROCKS")
            return level->jestRocks != 0;
        if (trigger == "ICE")
            return level->jestIce != 0;
        if (trigger == "WILD-CARDS")
            return level->jestWildCards != 0;
        return level->jestMagic != 0;
    }
    if (trigger == "POMIN")
        return game && game->kartaPominieta != 0;
    if (trigger == "MAGIC-PICK-UP")
        return !p.magicCards.empty();
    return false;
}

void TTutorial::checkTip(TEkran& screen, TTip& tip)
{
    if (holds(screen, tip))
        setTip(tip, screen);
}

void TTutorial::setTip(TTip& tip, TEkran& screen)
{
    actTip = &tip;
    tip.reset(*this);
    if (gui) {
        for (const char* name : {"on", "off"}) {
            if (auto widget = gui->getItem(name))
                widget->setState(0, 0);
        }
    }
    if (tip.id != skippedCardLesson && hasProfile()) {
        std::vector<std::string>& pending = profile().lekcjeTutoriala;
        std::erase_if(pending, [&](const std::string& id) { return getTip(id) == &tip; });
    }
    // For scripts: which lesson was shown.
    std::printf("lesson %s\n", tip.id.c_str());
    std::fflush(stdout);
    if (tip.blocked != 0)
        mainLoop(screen);
}

void TTutorial::mainLoop(TEkran& screen)
{
    while (actTip) {
        beginFrame();
        screen.updateMovingParts();
        actTip->update(*this, screen);
        screen.draw();
        // A screen that does not draw lessons itself gets the lesson over it all the same.
        if (actTip && drawnInFrame != framesDone())
            draw(screen);
        endFrame(false);
    }
}
