// TLevelEndScreen.cpp
#include "screens/TLevelEndScreen.hpp"

#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "data/TextTables.hpp"
#include "gui/TText.hpp"
#include "levels/TLevel.hpp"
#include "levels/TLevelManager.hpp"
#include "levels/TObjective.hpp"
#include "levels/TStage.hpp"
#include "media/Font.hpp"
#include "media/FontCache.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Awards.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"
#include "screens/TMagicCardsScreen.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TObjectivesDone.hpp"
#include "screens/TPopUp.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TSklep.hpp"
#include "screens/TStageData.hpp"
#include "screens/TTutorial.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace
{
constexpr float columnStep = 43;

TProfile* player()
{
    return hasProfile() ? &profile() : nullptr;
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The multiplier as the game screen shows it: tenths, cut rather than rounded ("1.3").
std::string oneDecimal(float multiplier)
{
    const int tenths = static_cast<int>(std::floor(10.0 * multiplier + 1e-3));
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string replaced(std::string text, const std::string& marker, const std::string& by)
{
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), by);
    return text;
}

float sinDeg(float degrees)
{
    return std::sin(degrees * std::numbers::pi_v<float> / 180.0f);
}
} // namespace

TLevelEndScreen::TLevelEndScreen()
{
    id = "LEVEL-SUMMARY";
}

// --- the arithmetic and the goals

int TLevelEndScreen::bonusForCardsLeft(int n)
{
    constexpr std::array<int, 5> bonus = {1000, 500, 250, 100, 50};
    return n >= 0 && n < 5 ? bonus[static_cast<std::size_t>(n)] : 0;
}

LevelTotal TLevelEndScreen::countLevelTotal(int scores, int cardsLeft, int multiplierTenths, bool cashBonus)
{
    LevelTotal t;
    t.additional = bonusForCardsLeft(cardsLeft);
    const long long base = static_cast<long long>(scores) + t.additional;
    // 5 % in whole numbers, so that 315 gives 15 and not 15.75 cut by float noise.
    t.bonusScore = cashBonus ? static_cast<int>(base * 5 / 100) : 0;
    const long long total = (base + t.bonusScore) * multiplierTenths / 10;
    t.totalScore = static_cast<int>(std::clamp<long long>(total, INT_MIN, INT_MAX));
    return t;
}

int TLevelEndScreen::countScores(const TStageData* stage)
{
    if (!stage)
        return 0;
    long long sum = 0;
    for (const TLevelData& level : stage->levels)
        sum += level.scores;
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

namespace
{
int perfectLevels(const TStageData& stage)
{
    return static_cast<int>(std::count_if(stage.levels.begin(), stage.levels.end(),
                                          [](const TLevelData& l) { return l.cardsLeft == 0; }));
}

long long cardsLeftOver(const TStageData& stage)
{
    long long sum = 0;
    for (const TLevelData& level : stage.levels)
        sum += level.cardsLeft;
    return sum;
}

// The stage awards, once the summary of a quest level has come in: the stage's own last level
// counts, however many levels the stage has.
void giveStageAwards(TLevelEndScreen& summary)
{
    if (!hasProfile() || media::text::toUpper(profile().tryb) != "QUEST")
        return;
    const TProfile& p = profile();
    const StageEnd end{.stage = p.stageID,
                       .level = p.levelID,
                       .stageLevels = TLevelManager::questLevelCount(p.stageID),
                       .stages = TLevelManager::questStageCount(),
                       .allGoalsMet = summary.checkAllObjectives() == 1};
    giveAwards(levelEndAwards(awardIds(p), end), &summary);
}
} // namespace

bool TLevelEndScreen::metAtLevelEnd(const TObjective& objective, const TStageData* stage)
{
    switch (objective.kind()) {
    case ObjectiveKind::Score: return countScores(stage) >= objective.value;
    case ObjectiveKind::Perfects: return stage && perfectLevels(*stage) >= objective.value;
    case ObjectiveKind::Drive: return stage && stage->longestDrive >= objective.value;
    case ObjectiveKind::CardsLeft:
        return stage && static_cast<float>(cardsLeftOver(*stage)) <= objective.value;
    }
    return false;
}

bool TLevelEndScreen::metDuringPlay(const TObjective& objective, const TStageData* stage, int levelScore,
                                    int levelLongestDrive, int driveN)
{
    switch (objective.kind()) {
    case ObjectiveKind::Score:
        return static_cast<long long>(countScores(stage)) + levelScore >= objective.value;
    case ObjectiveKind::Drive:
        // A drive still running may yet be undone by the deck: it counts once it has ended.
        if (driveN == 0)
            return levelLongestDrive >= objective.value;
        return stage && stage->longestDrive >= objective.value;
    case ObjectiveKind::Perfects:
    case ObjectiveKind::CardsLeft: return metAtLevelEnd(objective, stage);
    }
    return false;
}

std::string TLevelEndScreen::objectiveText(const TObjective& objective) const
{
    if (objective.typ < 0 || objective.typ > 3)
        return "";
    const std::string& desc = txtObjDesc[static_cast<std::size_t>(objective.typ)];
    const int value = static_cast<int>(objective.value);
    const auto at = desc.find("#VALUE#");
    const std::string head = desc.substr(0, at);
    std::string tail = at == std::string::npos ? "" : desc.substr(at + 7);
    // The words after the number agree with it; a number with no phrase of its own keeps the
    // description's own words.
    if (objective.kind() == ObjectiveKind::Perfects && value >= 1 && value <= 10)
        tail = txtPerfects[static_cast<std::size_t>(value - 1)];
    return head + std::to_string(value) + tail;
}

// --- the goals for the game screen

bool TLevelEndScreen::quest() const
{
    return hasProfile() && media::text::toUpper(profile().tryb) == "QUEST";
}

const TStage* TLevelEndScreen::currentStage() const
{
    if (!quest() || !base::hasProgram() || !base::program().levelManager)
        return nullptr;
    return levelManager().getStageById(profile().stageID);
}

std::vector<int> TLevelEndScreen::getObjectivesTab(const TMainGame& game)
{
    _prepareObjectives();
    std::vector<int> flags;
    if (const TStage* stage = currentStage()) {
        for (std::size_t i = 0; i < stage->objectives.size(); ++i)
            flags.push_back(objectiveAchieved(game, static_cast<int>(i)));
    }
    return flags;
}

int TLevelEndScreen::objectiveAchieved(const TMainGame& game, int i) const
{
    const TStage* stage = currentStage();
    if (!stage || !game.level || i < 0 || i >= static_cast<int>(stage->objectives.size()))
        return 0;
    const TLevel& level = *game.level;
    return metDuringPlay(stage->objectives[static_cast<std::size_t>(i)], profile().getActStage(),
                         static_cast<int>(level.score), level.longestDrive, level.driveN)
               ? 1
               : 0;
}

int TLevelEndScreen::objectiveAchieved1(const TMainGame& game, int i) const
{
    const TStage* stage = currentStage();
    if (!stage || i < 0 || i >= static_cast<int>(stage->objectives.size())
        || stage->objectives[static_cast<std::size_t>(i)].kind() != ObjectiveKind::Drive)
        return 0;
    return objectiveAchieved(game, i);
}

int TLevelEndScreen::objectiveAchieved2(int i) const
{
    const TStage* stage = currentStage();
    if (!stage || i < 0 || i >= static_cast<int>(stage->objectives.size()))
        return 0;
    return metAtLevelEnd(stage->objectives[static_cast<std::size_t>(i)], profile().getActStage()) ? 1 : 0;
}

int TLevelEndScreen::checkAllObjectives() const
{
    return std::all_of(objectivesList.begin(), objectivesList.end(),
                       [](const TObjectiveText& line) { return line.win == 1; })
               ? 1
               : 0;
}

std::vector<TObjectiveText> TLevelEndScreen::createObjectivesList(const TMainGame& game) const
{
    std::vector<TObjectiveText> lines;
    const TStage* stage = currentStage();
    if (!stage)
        return lines;
    for (std::size_t i = 0; i < stage->objectives.size(); ++i) {
        const TObjective& objective = stage->objectives[i];
        const bool flagged = i < game.objectiveAchieved.size() && game.objectiveAchieved[i] == 1;
        lines.push_back({.txt = objectiveText(objective),
                         .value = static_cast<int>(objective.value),
                         .win = flagged ? 1 : 0});
    }
    return lines;
}

TObjectivesDone& TLevelEndScreen::objectivesScreen()
{
    return setUpOnce(objectivesDone_);
}

TMagicCardsScreen& TLevelEndScreen::magicCardsScreen()
{
    return setUpOnce(magicCards_);
}

// --- setting up

void TLevelEndScreen::setup()
{
    Gui = loadGui("gfx/gui/screen-endLevel/end-level.gui");
    auto centred = [](const std::string& path) {
        media::Picture picture = media::pictures().load(path);
        picture.midHandle();
        return picture;
    };
    img = centred("gfx/gui/screen-endLevel/panel.png");
    img2 = centred("gfx/gui/screen-endLevel/panel2.png");
    tickOn = centred("gfx/gui/screen-endLevel/on.png");
    tickOff = centred("gfx/gui/screen-endLevel/off.png");
    font = &media::fonts().get(16);
    fontObj = &media::fonts().get(20);
    const TTxtFile texts = loadTextTable("txt/#LANG#/levelEndScreen.txt");
    // Leading blanks count (the phrases after a number start with one); a line end does not.
    auto line = [&](int n) {
        std::string text = getText(texts, n);
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
            text.pop_back();
        return text;
    };
    txtLevele = line(1);
    txtCardsLeft = line(2);
    txtScores = line(3);
    for (int k = 0; k < 4; ++k)
        txtObjDesc[static_cast<std::size_t>(k)] = line(12 + k);
    txtAdditional = line(16);
    txtNotAllObjectives = line(17);
    txtLongestDrive = line(30);
    for (int k = 0; k < 10; ++k)
        txtPerfects[static_cast<std::size_t>(k)] = line(31 + k);
    txtAdd = line(41);
}

// --- entering

void TLevelEndScreen::prepare(TMainGame& game)
{
    game_ = &game;
    ekran = &game;
    fade = dFade = 0;
    panelS = 0;
    dPanelS = 1;
    alpha = 0;
    dAlpha = 1;
    tAlpha = dTAlpha = 0;
    state = "START";
    game.dAlpha = 0;
    loadLevelAgain = 0;
    wynik.clear();
    // The shop is offered in the quest; until it opens, its button stands where it belongs and
    // a click on it does nothing.
    showItem("shop", quest());
    _prepareStats(game, 1);
    _prepareObjectives();
    _prepareGuiStats(game);
    _prepareButtonsCheck(game);
    _prepareCheck(game);
    _prepareDelta();
}

void TLevelEndScreen::_prepareCheck(TMainGame& game)
{
    for (std::size_t i = 0; i < game.objectiveAchieved.size(); ++i) {
        if (game.objectiveAchieved[i] != 0 || objectiveAchieved2(static_cast<int>(i)) != 1)
            continue;
        objectivesScreen().mainloop(game, static_cast<int>(i));
        // Announced once: a second goal announced after it shows this one reached.
        game.objectiveAchieved[i] = 1;
    }
}

void TLevelEndScreen::_prepareStats(TMainGame& game, int finished)
{
    if (!game.level)
        return;
    const TLevel& level = *game.level;
    TProfile* p = player();
    cardsLeft_ = static_cast<int>(level.cards.size());
    _longestMultiplier = level.driveMN;
    _scores = static_cast<int>(level.score);
    if (p) {
        _longestDrive = p->longestDrive;
        _foundMagicCards = p->foundMagicCardsN;
        _allMagicCards = static_cast<int>(p->magicCards.size());
        _time = twoDigits(p->time / 60) + ":" + twoDigits(p->time % 60);
    }
    const bool cashBonus = p && p->getMyItem("KASA+5");
    const int tenths = static_cast<int>(std::lround(static_cast<double>(level.driveMN) * 10.0));
    const LevelTotal t = countLevelTotal(_scores, cardsLeft_, tenths, cashBonus);
    _additional = t.additional;
    _bonusScore = t.bonusScore;
    _totalScore = t.totalScore;
    setItemText(quest() ? "quest_levelTotal" : "free_levelTotal",
                replaced(txtScores, "#ADD#", cashBonus ? txtAdd : ""));
    if (!p)
        return;
    p->UPDATE_levelAndStage({.score = _totalScore,
                             .cardsLeft = cardsLeft_,
                             .multiplier = level.driveMN,
                             .longestDrive = level.longestDrive});
    if (const TStageData* stage = p->getActStage()) {
        _allStageScores = countScores(stage);
        _allStageMultiplier = stage->highestMultiplier;
        _allStageDrive = stage->longestDrive;
    }
    // Only what the level's total has grown by since it was last credited: a level left for
    // the title screen, taken up again and left (or finished) again pays its coins once.
    const long long increase = std::max(0LL, static_cast<long long>(_totalScore) - level.credited);
    p->score = static_cast<int>(std::clamp<long long>(p->score + increase, INT_MIN, INT_MAX));
    game.level->credited = std::max(level.credited, _totalScore);
    p->logMagicCardsPicked = _foundMagicCards;
    p->logScores = _totalScore;
    p->logLongestDrive = _longestDrive;
    p->logCardsLeft = cardsLeft_;
    p->logDeckCardsLeft = static_cast<int>(level.deck.size());
    p->logMultiplier = _longestMultiplier;
    p->logPlayTime = _time;
    (void)finished; // the play log takes it once it is written
}

void TLevelEndScreen::_prepareObjectives()
{
    objectivesList.clear();
    cardsObj = 0;
    const TStage* stage = currentStage();
    if (!stage)
        return;
    for (std::size_t i = 0; i < stage->objectives.size(); ++i) {
        const TObjective& objective = stage->objectives[i];
        if (objective.typ < 0 || objective.typ > 3) {
            media::reportLine("data/stages.dat: stage " + std::to_string(stage->id)
                              + " has a goal of unknown kind " + std::to_string(objective.typ)
                              + "; it is left out");
            continue;
        }
        objectivesList.push_back({.txt = objectiveText(objective),
                                  .value = static_cast<int>(objective.value),
                                  .win = objectiveAchieved2(static_cast<int>(i))});
        if (objective.kind() == ObjectiveKind::CardsLeft)
            cardsObj = static_cast<int>(objective.value);
    }
}

void TLevelEndScreen::_prepareGuiStats(const TMainGame& game)
{
    const int levelDrive = game.level ? game.level->longestDrive : 0;
    const int coins = hasProfile() ? profile().score : 0;
    const int bestDrive = hasProfile() ? profile().longestDrive : 0;
    const std::string prefix = quest() ? "quest_" : "free_";
    setItemText(prefix + "levelScore_value", std::to_string(_scores));
    setItemText(prefix + "bonus_value", std::to_string(_additional));
    setItemText(prefix + "multiplier_value", oneDecimal(_longestMultiplier));
    setItemText(prefix + "levelTotal_value", std::to_string(_totalScore));
    setItemText(prefix + "multiplierBiggestCombo",
                replaced(txtLongestDrive, "#VALUE#", std::to_string(levelDrive)));
    setItemText(prefix + "Totalscore_value", std::to_string(coins));
    setItemText(prefix + "biggestComboEver_value", std::to_string(bestDrive));
    if (quest()) {
        _allObjectives = checkAllObjectives();
        setItemText("quest_stageTotal_value", std::to_string(_allStageScores));
        setItemText("quest_magic_value", std::to_string(_foundMagicCards));
        setItemText("quest_magic2_value", std::to_string(_allMagicCards));
        showItem("objectivesDone", _allObjectives == 1);
        showItem("goals", _allObjectives != 1);
    } else {
        showItem("objectivesDone", false);
        showItem("goals", false);
    }
}

void TLevelEndScreen::_prepareButtonsCheck(const TMainGame& game)
{
    const bool inQuest = quest();
    if (Gui) {
        if (auto go = Gui->getItem("go")) {
            if (inQuest)
                go->setPosition(705, 645);
            else
                go->setPosition(682, 600);
            go->countDims();
        }
    }
    showGroup("QUEST", inQuest);
    showGroup("FREE", !inQuest);
    for (const char* name : {"line1", "line2", "cards"})
        showItem(name, inQuest);
    for (int n = 0; n < 5; ++n) {
        showItem("quest_bonusTitle" + std::to_string(n), false);
        showItem("free_bonusTitle" + std::to_string(n), false);
    }
    if (cardsLeft_ < 5)
        showItem((inQuest ? "quest_bonusTitle" : "free_bonusTitle") + std::to_string(cardsLeft_), true);
    const bool record = game.level && game.level->newRecord;
    showItem("quest_newRecord", inQuest && record);
    showItem("free_newRecord", !inQuest && record);
}

// --- the widgets

void TLevelEndScreen::setItemText(const std::string& name, const std::string& text)
{
    if (!Gui)
        return;
    if (auto item = Gui->getItemAs<TText>(name)) {
        item->_txt = text;
        item->countDims();
    }
}

void TLevelEndScreen::showItem(const std::string& name, bool shown)
{
    if (Gui) {
        if (auto item = Gui->getItem(name))
            item->setState(shown ? 1 : 0, shown ? 1 : 0);
    }
}

void TLevelEndScreen::showGroup(const std::string& prefix, bool shown)
{
    if (!Gui)
        return;
    const std::string upper = media::text::toUpper(prefix);
    for (const auto& item : Gui->_listaObiektow) {
        if (media::text::toUpper(item->_id).starts_with(upper))
            item->setState(shown ? 1 : 0, shown ? 1 : 0);
    }
}

// --- continuing

bool TLevelEndScreen::stageLost() const
{
    if (!quest())
        return false;
    const TStage* stage = currentStage();
    const int levels = stage ? stage->levelCount() : TLevelManager::levelCount(profile().stageID);
    return profile().levelID + 1 > levels && checkAllObjectives() == 0;
}

void TLevelEndScreen::loseStage()
{
    loadLevelAgain = 1;
    if (TProfile* p = player()) {
        p->magicCards = p->stageCards;
        p->awaitingMagicCards.clear();
    }
    wynik = "LOSE-STAGE";
}

void TLevelEndScreen::goNext()
{
    dFade = 1;
    if (stageLost()) {
        showMessage(txtNotAllObjectives, this);
        loseStage();
    }
}

std::string TLevelEndScreen::mainLoop(TMainGame& game)
{
    ScreenScope running(this);
    prepare(game);
    while (!fadedOut()) {
        update();
        draw();
        endFrame(false);
        // A click carried over from play must not skip the summary: nothing answers until the
        // panel has opened.
        if (panelS != dPanelS || dFade == 1 || !Gui)
            continue;
        media::Input& input = media::input();
        if (Gui->clickedItem("go") || input.keyHits(media::key::Enter) || input.keyHits(media::key::Space))
            goNext();
        else if (quest() && hasProfile() && Gui->clickedItem("shop"))
            openShop();
        else if (quest() && Gui->clickedItem("cards"))
            magicCardsScreen().mainloop(this);
    }
    if (loadLevelAgain && hasProfile())
        profile().loadMyLevel();
    return wynik;
}

void TLevelEndScreen::openShop()
{
    shopScreen().mainloop(this);
    // What was bought or sold shows in the coins at once.
    setItemText(quest() ? "quest_Totalscore_value" : "free_Totalscore_value",
                std::to_string(profile().score));
}

// --- frames

void TLevelEndScreen::_updateState()
{
    if (state != "START")
        return;
    if (panelS == 1)
        dTAlpha = 1;
    if (tAlpha == 1) {
        state = "WAIT";
        giveStageAwards(*this);
    }
}

void TLevelEndScreen::update()
{
    beginFrame();
    _updateState();
    approach(panelS, dPanelS, 0.02f);
    approach(tAlpha, dTAlpha, 0.05f);
    // The closing burst takes the panel with it.
    if (dFade == 1)
        dAlpha = 0;
    _updateFade();
    _updateAlpha();
    if (Gui) {
        for (const auto& item : Gui->_listaObiektow) {
            item->_alpha = std::min(tAlpha, alpha);
            item->_dAlpha = item->_alpha;
        }
        Gui->update();
    }
    if (game_) {
        // Underneath, the game screen's panels fade and what it still had in the air goes on.
        game_->_updateAlpha();
        if (game_->Gui)
            game_->Gui->setGuiAlpha(game_->alpha);
        if (LevelInPlay* play = game_->levelInPlay()) {
            play->flights.updateFlights();
            play->effects.updateEmitters();
            play->effects.updateParticles();
        }
    }
    updateTutorial(*this);
}

void TLevelEndScreen::updateMovingParts()
{
    if (LevelInPlay* play = game_ ? game_->levelInPlay() : nullptr) {
        play->flights.updateFlights();
        play->effects.updateEmitters();
        play->effects.updateParticles();
        play->effects.updateCaptions();
    }
}

void TLevelEndScreen::draw()
{
    _drawBack();
    _drawCiemn();
    _drawPanel();
    if (quest()) {
        _drawTabs();
        _drawTabsInfo();
    }
    _drawObjectives();
    drawStandards();
    _drawGui();
    drawTutorial(*this);
    drawStandards();
    _drawBlackFade();
    drawStandards();
}

void TLevelEndScreen::_drawBack()
{
    if (!game_)
        return;
    game_->draw();
    drawStandards();
    media::Renderer& gfx = media::gfx();
    gfx.setAlpha(alpha);
    const float slide = sinDeg(90.0f * alpha);
    const media::Picture& left = game_->hud_.guiPanelL;
    const media::Picture& right = game_->hud_.guiPanelP;
    const float wl = static_cast<float>(left.width());
    const float wr = static_cast<float>(right.width());
    gfx.drawPicture(left, -wl + wl * slide, 0);
    gfx.drawPicture(right, 1024 + wr - wr * slide, 0);
}

void TLevelEndScreen::_drawCiemn()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(0.5f * alpha);
    gfx.drawRect(0, 0, 1024, 768);
}

void TLevelEndScreen::_drawPanel()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setAlpha(alpha);
    const float s = sinDeg(90.0f * panelS);
    gfx.setScale(s, s);
    gfx.drawPicture(quest() ? img : img2, 512, 384);
    drawStandards();
}

void TLevelEndScreen::_drawTabs()
{
    const TStage* stage = currentStage();
    const int levels = stage ? stage->levelCount() : TLevelManager::levelCount(profile().stageID);
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(tAlpha);
    for (int n = 1; n <= levels; ++n) {
        const std::string number = std::to_string(n);
        gfx.drawText(*font, number,
                     tabX + columnStep * static_cast<float>(n - 1) - font->textWidth(number) / 2.0f,
                     tabY - font->height() / 2.0f);
    }
    gfx.drawText(*fontObj, txtLevele, tabX - 25 - fontObj->textWidth(txtLevele),
                 tabY - 10 - fontObj->height() / 2.0f);
    gfx.drawText(*fontObj, txtCardsLeft, tabX - 25 - fontObj->textWidth(txtCardsLeft),
                 tabY + 27 - fontObj->height() / 2.0f);
    drawStandards();
}

void TLevelEndScreen::_drawTabsInfo()
{
    const TStageData* record = profile().getActStage();
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setAlpha(tAlpha);
    long long cardsLeft = 0;
    if (record) {
        for (const TLevelData& level : record->levels) {
            const float x = tabX + columnStep * static_cast<float>(level.id - 1);
            gfx.drawPicture(level.cardsLeft == 0 ? tickOn : tickOff, x, tabY + 40);
            cardsLeft += level.cardsLeft;
        }
    }
    if (cardsObj == 0)
        return;
    const TStage* stage = currentStage();
    const float x = tabX + columnStep * static_cast<float>(stage ? stage->levelCount() : 0);
    const std::string total = std::to_string(cardsLeft);
    const std::string limit = std::to_string(cardsObj);
    const float totalX = x - font->textWidth(total) / 2.0f;
    const float totalY = tabY + 40 - font->height() / 2.0f;
    const float limitX = x - font->textWidth(limit) / 2.0f;
    const float limitY = tabY - font->height() / 2.0f;
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(0.5f * tAlpha);
    gfx.drawText(*font, total, totalX + 2, totalY + 2);
    gfx.drawText(*font, limit, limitX + 2, limitY + 2);
    gfx.setAlpha(tAlpha);
    if (cardsLeft < cardsObj)
        gfx.setColor(0, 255, 0);
    else if (cardsLeft == cardsObj)
        gfx.setColor(255, 255, 0);
    else
        gfx.setColor(255, 0, 0);
    gfx.drawText(*font, total, totalX, totalY);
    gfx.setColor(255, 255, 255);
    gfx.drawText(*font, limit, limitX, limitY);
    drawStandards();
}

void TLevelEndScreen::_drawObjectives()
{
    if (checkAllObjectives() == 1 || objectivesList.empty())
        return;
    constexpr std::array<float, 4> firstY = {471, 459, 445, 430};
    float y = firstY[std::min<std::size_t>(objectivesList.size(), 4) - 1];
    for (const TObjectiveText& line : objectivesList)
        y += static_cast<float>(line.draw(*fontObj, 475, y, tAlpha, 270));
    drawStandards();
}
