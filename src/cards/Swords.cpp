// Swords.cpp
#include "cards/Swords.hpp"

#include "base/Program.hpp"
#include "cards/Cards.hpp"

std::vector<TSwordData>& swordDefinitions()
{
    base::Program& program = base::program();
    if (!program.swordDefinitions)
        program.swordDefinitions = std::make_unique<std::vector<TSwordData>>();
    return *program.swordDefinitions;
}

void loadSwords()
{
    std::vector<TSwordData>& definitions = swordDefinitions();
    definitions.clear();
    for (int id = 202; id <= 214; ++id) {
        if (TCardData* cd = cardDataById(id)) {
            TSwordData d;
            d.cd = cd;
            d.id = id;
            definitions.push_back(d);
        }
    }
}

const TSwordData* swordDataById(int id)
{
    for (const TSwordData& d : swordDefinitions()) {
        if (d.id == id)
            return &d;
    }
    return nullptr;
}
