// TProfile.cpp
#include "screens/TProfile.hpp"

#include "base/Program.hpp"
#include "cards/Cards.hpp"
#include "cards/Swords.hpp"
#include "cards/TCardData.hpp"
#include "cards/TSwordData.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevelManager.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"

#include <cstdio>

#include <algorithm>

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

float TProfile::getSwordRotTemporary(const TCardData& identity) const
{
    std::vector<int> ranks;
    for (const TSword& s : swords) {
        if (s.sd && s.sd->cd)
            ranks.push_back(s.sd->cd->seqN);
    }
    ranks.push_back(identity.seqN);
    std::sort(ranks.begin(), ranks.end());
    auto at = std::find(ranks.begin(), ranks.end(), identity.seqN);
    return 254 + 1.8f * static_cast<float>(at - ranks.begin());
}

void TProfile::addSwordToRack(const TCardData& identity, float rot)
{
    const TSwordData* data = swordDataById(identity.id);
    if (!data || haveSword(identity.id))
        return;
    TSword sword;
    sword.sd = data;
    sword.rot = rot;
    swords.push_back(sword);
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

void TProfile::UPDATE_levelAndStage(int levelScore)
{
    lastLevelScore = levelScore;
    ALL_SCORES = std::max(ALL_SCORES, static_cast<float>(levelScore));
}

void TProfile::resetLog()
{
    logWaterTime = "0";
    logRocksTime = "0";
}

std::string TProfile::levelPath(int stage, int level)
{
    char path[64];
    std::snprintf(path, sizeof path, "data/levels/stage-%02d/level-%02d.lvl", stage, level);
    return path;
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
    if (base::hasProgram() && base::program().levelManager) {
        if (const TLevelMagic* record = levelManager().getMagicData(countLevelN()))
            d.magicCardsToShow = record->ile;
    }
    return d;
}

void TProfile::loadMyLevel()
{
    questLevel = loadLevelFile(levelPath(stageID, levelID), 1, 1, 1, dealOptions());
}

std::string TProfile::getNextLevel()
{
    // The quest runs through the shipped level files in order, stage by stage, and round again.
    ++levelID;
    if (media::fs::pathType(levelPath(stageID, levelID)) == media::fs::PathType::Absent) {
        ++stageID;
        levelID = 1;
        if (media::fs::pathType(levelPath(stageID, levelID)) == media::fs::PathType::Absent)
            stageID = 1;
    }
    loadMyLevel();
    return "MAIN-GAME";
}
