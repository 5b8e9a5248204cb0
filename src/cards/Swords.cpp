// Swords.cpp
#include "cards/Swords.hpp"

#include "base/Program.hpp"
#include "cards/Cards.hpp"
#include "data/DataFiles.hpp"
#include "media/Report.hpp"

#include <algorithm>
#include <string>

namespace
{
constexpr const char* swordFile = "data/swords.dat";

std::optional<TSword> swordOf(const TSwordData* definition, int id, float dRot)
{
    if (!definition) {
        media::reportLine("NO dat! sword " + std::to_string(id) + " has no definition in " + swordFile);
        return std::nullopt;
    }
    TSword sword;
    sword.sd = definition;
    sword.s = 1;
    sword.dRot = dRot;
    sword._updatePosition();
    return sword;
}
} // namespace

std::vector<TSwordData>& swordDefinitions()
{
    return base::program().swordDefinitions.orMake();
}

void loadSwords()
{
    std::vector<TSwordData>& definitions = swordDefinitions();
    definitions.clear();
    const TRCMFile file = loadDataFile(swordFile);
    const int count = std::clamp(file.getInt("swords::i"), 0, 10000);
    for (int k = 1; k <= count; ++k) {
        const std::string entry = "sword" + std::to_string(k);
        const int id = file.getInt("swords::" + entry + "::id");
        TCardData* identity = cardDataById(id);
        if (!identity || !identity->isSword()) {
            media::report(swordFile, entry + " names " + std::to_string(id)
                                         + ", which is no sword card in data/cards.dat: it is skipped");
            continue;
        }
        if (swordDataById(id)) {
            media::report(swordFile,
                          entry + " defines sword " + std::to_string(id) + " again: it is skipped");
            continue;
        }
        TSwordData& d = definitions.emplace_back();
        d.cd = identity;
        d.id = id;
    }
    if (definitions.empty())
        media::report(swordFile, "defines no swords: play goes on without them");
}

const TSwordData* swordDataById(int id)
{
    for (const TSwordData& d : swordDefinitions()) {
        if (d.id == id)
            return &d;
    }
    return nullptr;
}

const TSwordData* swordDataByRank(int rank)
{
    for (const TSwordData& d : swordDefinitions()) {
        if (d.cd && d.cd->seqN == rank)
            return &d;
    }
    return nullptr;
}

std::optional<TSword> newSwordById(int id)
{
    return swordOf(swordDataById(id), id, 0);
}

std::optional<TSword> newSwordForCard(const TCardData& identity, float dRot)
{
    return swordOf(swordDataById(identity.id), identity.id, dRot);
}
