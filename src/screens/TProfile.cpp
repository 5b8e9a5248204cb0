// TProfile.cpp
#include "screens/TProfile.hpp"

#include "base/Program.hpp"
#include "cards/Cards.hpp"
#include "cards/ResourceTypes.hpp"
#include "cards/SwordRack.hpp"
#include "cards/Swords.hpp"
#include "cards/TCardData.hpp"
#include "cards/TSwordData.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevelManager.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"
#include "screens/ProfileFile.hpp"
#include "screens/TOptions.hpp"
#include "screens/TTutorial.hpp"
#include "screens/WinnableDeal.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace
{
// The rack's angles as the program holds them (the usual ones with no program in place).
base::RackAngles rackAngles()
{
    return base::hasProgram() ? base::program().rackAngles : base::RackAngles{};
}

// The rank of a rack sword; a sword without a definition sorts after every rank.
int rankOf(const TSword& s)
{
    return (s.sd && s.sd->cd) ? s.sd->cd->seqN : INT_MAX;
}

// The first sword of that rank on the rack, or none.
template <typename Rack>
auto swordOfRank(Rack& rack, int rank) -> decltype(&rack.front())
{
    auto at = std::find_if(rack.begin(), rack.end(), [rank](const TSword& s) { return rankOf(s) == rank; });
    return at == rack.end() ? nullptr : &*at;
}

// The identity of a rack sword, or 0.
int identityOf(const TSword& s)
{
    return (s.sd && s.sd->cd) ? s.sd->cd->id : 0;
}

// The angle of the first place of `rank` among `ranks` once they are sorted; 0 when absent.
float angleOfRank(std::vector<int> ranks, int rank)
{
    std::sort(ranks.begin(), ranks.end());
    auto at = std::find(ranks.begin(), ranks.end(), rank);
    if (at == ranks.end())
        return 0;
    return rackAngles().at(static_cast<int>(at - ranks.begin()));
}
} // namespace

const TShopItem* TProfile::getMyItem(const std::string& pwrID) const
{
    for (const TShopItem& item : items) {
        if (item.pwrID == pwrID)
            return &item;
    }
    return nullptr;
}

bool TProfile::haveSwordBySeq(int rank) const
{
    return std::any_of(swords.begin(), swords.end(),
                       [rank](const TSword& s) { return s.sd && s.sd->cd && s.sd->cd->seqN == rank; });
}

TCardData* TProfile::getMagicCard(int id) const
{
    for (TCardData* c : magicCards) {
        if (c->id == id)
            return c;
    }
    return nullptr;
}

std::vector<TCardData*> TProfile::getAvailableMagicCards() const
{
    std::vector<TCardData*> available;
    for (TCardData* c : cardSet().magicCardData) {
        if (!getMagicCard(c->id))
            available.push_back(c);
    }
    return available;
}

TCardData* TProfile::getAvailableRandomMagicCard() const
{
    std::vector<TCardData*> available = getAvailableMagicCards();
    if (available.empty())
        return nullptr;
    return available[static_cast<std::size_t>(
        media::random().rand(0, static_cast<int>(available.size()) - 1))];
}

bool TProfile::haveSword(int id) const
{
    return std::any_of(swords.begin(), swords.end(),
                       [id](const TSword& s) { return s.sd && s.sd->id == id; });
}

TSword* TProfile::getMySwordBySeqN(int rank)
{
    return swordOfRank(swords, rank);
}

const TSword* TProfile::getMySwordBySeqN(int rank) const
{
    return swordOfRank(swords, rank);
}

std::vector<const TSwordData*> TProfile::getPotencialWildCards() const
{
    std::vector<const TSwordData*> wanted;
    for (int rank = 2; rank <= 14; ++rank) {
        const TSwordData* definition = swordDataByRank(rank);
        if (definition && !haveSwordBySeq(rank))
            wanted.push_back(definition);
    }
    return wanted;
}

void TProfile::sortSwords()
{
    std::stable_sort(swords.begin(), swords.end(),
                     [](const TSword& a, const TSword& b) { return rankOf(a) < rankOf(b); });
}

void TProfile::countSwordsPosition()
{
    sortSwords();
    const base::RackAngles angles = rackAngles();
    for (std::size_t k = 0; k < swords.size(); ++k)
        swords[k].dRot = angles.at(static_cast<int>(k));
}

void TProfile::countSwordsPosition2()
{
    countSwordsPosition();
    for (TSword& s : swords) {
        s.rot = s.dRot;
        s._updatePosition();
    }
}

void TProfile::setupAllSwords()
{
    countSwordsPosition2();
}

float TProfile::getSwordRot(const TCardData& identity) const
{
    std::vector<int> ranks;
    for (const TSword& s : swords)
        ranks.push_back(rankOf(s));
    return angleOfRank(std::move(ranks), identity.seqN);
}

float TProfile::getSwordRotTemporary(const TCardData& identity) const
{
    std::vector<int> ranks;
    for (const TSword& s : swords)
        ranks.push_back(rankOf(s));
    ranks.push_back(identity.seqN);
    return angleOfRank(std::move(ranks), identity.seqN);
}

std::optional<TDim> TProfile::getSwordDim(const TSword& sword) const
{
    const int id = identityOf(sword);
    auto at = std::find_if(swords.begin(), swords.end(),
                           [id](const TSword& s) { return id != 0 && identityOf(s) == id; });
    if (at == swords.end())
        return std::nullopt;
    TDim d = rack::point(at->dRot, rack::slideOut);
    d.w = at->dRot;
    return d;
}

std::string TProfile::getWildCardsString() const
{
    std::string names;
    for (const TSword& s : swords) {
        if (!s.sd || !s.sd->cd)
            continue;
        if (!names.empty())
            names += ' ';
        names += s.sd->cd->nazwa;
    }
    return names;
}

bool TProfile::removeSwordById(int id)
{
    auto at =
        std::find_if(swords.begin(), swords.end(), [id](const TSword& s) { return s.sd && s.sd->id == id; });
    if (at == swords.end())
        return false;
    swords.erase(at);
    return true;
}

void TProfile::addSwordToRack(const TCardData& identity, float rot)
{
    if (haveSword(identity.id) || haveSwordBySeq(identity.seqN))
        return;
    std::optional<TSword> sword = newSwordForCard(identity, rot);
    if (!sword)
        return;
    sword->rot = rot;
    swords.push_back(*sword);
    countSwordsPosition();
}

void TProfile::addMagicCard(TCardData* card)
{
    if (!card || getMagicCard(card->id))
        return;
    magicCards.push_back(card);
    awaitingMagicCards.erase(std::remove(awaitingMagicCards.begin(), awaitingMagicCards.end(), card),
                             awaitingMagicCards.end());
    ++foundMagicCardsN;
}

void TProfile::addAwaitingMagicCard(TCardData* card)
{
    if (!card || getMagicCard(card->id)
        || std::find(awaitingMagicCards.begin(), awaitingMagicCards.end(), card) != awaitingMagicCards.end())
        return;
    awaitingMagicCards.push_back(card);
}

void TProfile::UPDATE_levelAndStage(const LevelOutcome& outcome)
{
    lastLevelScore = outcome.score;
    if (tryb == "FREE-PLAY")
        return;
    TStageData* stage = getStageData(stageID);
    if (!stage) {
        stages.emplace_back().id = stageID;
        stage = &stages.back();
    }
    TLevelData* level = stage->getLevelData(levelID);
    if (!level) {
        stage->levels.emplace_back().id = levelID;
        level = &stage->levels.back();
    }
    // A level left unfinished and later cleared must not keep the cards it had when it was left.
    level->passed = 1;
    level->cardsLeft = outcome.cardsLeft;
    level->scores = outcome.score;
    level->multiplier = outcome.multiplier;
    level->longestDrive = outcome.longestDrive;
    ALL_HIGHEST_MULTIPLIER = std::max(ALL_HIGHEST_MULTIPLIER, static_cast<double>(outcome.multiplier));
    ALL_SCORES = std::max(ALL_SCORES, static_cast<double>(outcome.score));
    ALL_LONGEST_DRIVE = std::max(ALL_LONGEST_DRIVE, static_cast<double>(outcome.longestDrive));
    stage->findTheHighest();
}

void TProfile::resetLog()
{
    logCardsLeft = 0;
    logMagicCardsPicked = 0;
    logScores = 0;
    logLongestDrive = 0;
    logDeckCardsLeft = 0;
    logMultiplier = 0;
    logPlayTime = "0:00";
    logWaterTime = "0";
    logRocksTime = "0";
}

TStageData* TProfile::getStageData(int id)
{
    auto at = std::find_if(stages.begin(), stages.end(), [id](const TStageData& s) { return s.id == id; });
    return at == stages.end() ? nullptr : &*at;
}

const TStageData* TProfile::getStageData(int id) const
{
    return const_cast<TProfile*>(this)->getStageData(id);
}

int TProfile::getActStageScores() const
{
    const TStageData* stage = getStageData(stageID);
    return stage ? stage->scores : 0;
}

void TProfile::eraseStageData(int id)
{
    std::erase_if(stages, [id](const TStageData& s) { return s.id == id; });
}

int TProfile::countPerfects() const
{
    int perfects = 0;
    for (const TStageData& stage : stages) {
        perfects += static_cast<int>(std::count_if(stage.levels.begin(), stage.levels.end(),
                                                   [](const TLevelData& l) { return l.cardsLeft == 0; }));
    }
    return perfects;
}

void TProfile::setupAllMagicCards() const
{
    for (TCardData* card : cardSet().magicCardData)
        card->notFound = 1;
    for (TCardData* card : magicCards)
        card->notFound = 0;
}

const TShopItem* TProfile::getMyItem2(int id) const
{
    auto at = std::find_if(items.begin(), items.end(), [id](const TShopItem& item) { return item.id == id; });
    return at == items.end() ? nullptr : &*at;
}

std::string TProfile::getShopItemsString() const
{
    std::string powers;
    for (const TShopItem& item : items) {
        if (item.pwrID.empty())
            continue;
        if (!powers.empty())
            powers += ' ';
        powers += item.pwrID;
    }
    return powers;
}

std::string TProfile::idOf(const std::string& name)
{
    std::string id;
    for (char32_t c : media::text::toUtf32(media::text::toUpper(name)))
        id += std::to_string(static_cast<unsigned long>(c)) + "-";
    return id;
}

bool TProfile::save() const
{
    return profile_file::write(*this);
}

std::string TProfile::levelPath(int stage, int level)
{
    return TLevelManager::questLevelPath(stage, level);
}

DealOptions TProfile::dealOptions() const
{
    DealOptions d;
    d.quest = tryb == "QUEST";
    d.stage = stageID;
    d.level = levelID;
    const bool ten = getMyItem("ODKRYCIE-10") != nullptr;
    const bool twenty = getMyItem("ODKRYCIE-20") != nullptr;
    d.forcedShare = (ten && twenty) ? 0.3f : ten ? 0.1f : twenty ? 0.2f : 0.0f;
    d.extraDeckCards = getMyItem("DECK-CARDS") != nullptr;
    for (const TSword& s : swords) {
        if (s.sd && s.sd->cd)
            d.swordRanksHeld.push_back(s.sd->cd->seqN);
    }
    d.magicCardsFound = magicCards;
    d.magicCardsAvailable = getAvailableMagicCards();
    d.magicCardsAwaiting = awaitingMagicCards;
    d.resourceTypes = resourceTypeCount();
    if (base::hasProgram() && base::program().levelManager) {
        if (const TLevelMagic* record = levelManager().getMagicData(countLevelN()))
            d.magicCardsToShow = record->ile;
    }
    return d;
}

void TProfile::resetUndos()
{
    undos = 1 + (getMyItem("UNDO-1") ? 1 : 0) + (getMyItem("UNDO-2") ? 1 : 0);
}

void TProfile::loadMyLevel()
{
    resetUndos();
    questLevel = dealLevel(levelPath(stageID, levelID), 1, 1, dealOptions());
    // The flame aid lights every quest level with a head start on the multiplier.
    if (questLevel && getMyItem("MULTI-START"))
        questLevel->driveMN = 1.5f;
}

std::string TProfile::getNextLevel()
{
    time = 0;
    logRocksTime = "0";
    logWaterTime = "0";
    ++levelID;
    if (levelID <= TLevelManager::questLevelCount(stageID)) {
        loadMyLevel();
        return "MAIN-GAME";
    }
    levelID = 1;
    ++stageID;
    if (!TLevelManager::questHasStage(stageID)) {
        QUEST_startNew();
        return "END-STORY";
    }
    loadMyLevel();
    stageCards = magicCards;
    return "MAPA";
}

void TProfile::QUEST_startNew()
{
    levelID = 1;
    stageID = 1;
    longestDrive = 0;
    cardsLightUp = 1;
    score = 0;
    swords.clear();
    awards.clear();
    items.clear();
    magicCards.clear();
    awaitingMagicCards.clear();
    stageCards.clear();
    stages.clear();
    questLevel.reset();
    if (base::hasProgram() && base::program().cards) {
        for (TCardData* card : cardSet().magicCardData)
            card->notFound = 1;
    }
    // Every lesson is shown again.
    lekcjeTutoriala.clear();
    if (base::hasProgram() && base::program().tutorial)
        lekcjeTutoriala = base::program().tutorial->lessonIds();
}

std::shared_ptr<TLevel> TProfile::getRandomLevel()
{
    media::Random& random = media::random();
    int reached = 1;
    for (const TStageData& stage : stages)
        reached = std::max(reached, stage.id);
    const int s = random.rand(1, reached);
    int stage = 1;
    int n = 0;
    // Each stage deals from its own levels; a record of a stage the quest no longer has, or
    // one without levels, falls back to the first stage.
    if (getStageData(s) && TLevelManager::questLevelCount(s) > 0) {
        stage = s;
        n = random.rand(1, TLevelManager::questLevelCount(s));
    } else {
        n = random.rand(1, std::max(1, std::min(10, TLevelManager::questLevelCount(1))));
    }
    freeStageNumber = stage;
    freeLevelNumber = n;
    return getFreePlayLevel();
}

std::shared_ptr<TLevel> TProfile::getFreePlayLevel() const
{
    DealOptions options = dealOptions();
    options.quest = false;
    options.swordRanksHeld.clear();
    return dealLevel(levelPath(std::max(1, freeStageNumber), std::max(1, freeLevelNumber)), 0, 0, options);
}

std::shared_ptr<TLevel> TProfile::dealLevel(const std::string& path, int magic, int swords,
                                            const DealOptions& options) const
{
    auto deal = [&]() -> std::shared_ptr<TLevel> { return loadLevelFile(path, 1, magic, swords, options); };
    const bool winnableOnly =
        base::hasProgram() && base::program().options && base::program().options->onlyWinnableDeals != 0;
    if (!winnableOnly)
        return deal();
    return dealWinnable(deal, [this](const TLevel& level) { return layoutFor(level); }).level;
}

bool TProfile::deckWaitsForPlayableCards() const
{
    return tryb == "QUEST" && stageID == 1 && levelID == 2;
}

rules::Layout TProfile::layoutFor(const TLevel& level) const
{
    rules::Layout layout = layoutOf(level);
    layout.items.cashBonus = getMyItem("KASA+5") != nullptr;
    layout.items.maxMultiplierTenths = static_cast<int>(std::lround(getMaxDriveMultiplier() * 10));
    layout.deckWaitsForPlayableCards = deckWaitsForPlayableCards();
    for (const TSword& s : swords) {
        if (s.sd && s.sd->cd)
            layout.rack.push_back({s.sd->cd->id, s.sd->cd->seqN});
    }
    return layout;
}
