// Swords.hpp: the sword definitions, one per rank, and rack swords made from them.
#pragma once

#include "cards/TSword.hpp"
#include "cards/TSwordData.hpp"

#include <optional>
#include <vector>

// The definitions read from data/swords.dat, in file order (the program's list, empty until
// loadSwords).
std::vector<TSwordData>& swordDefinitions();
// Reads data/swords.dat. An entry naming no card identity, or an id already defined, is
// reported and skipped; a missing or empty file is reported and leaves no swords at all.
void loadSwords();
const TSwordData* swordDataById(int id);
// The definition whose identity has that rank (2..14, the ace 14), or none.
const TSwordData* swordDataByRank(int rank);
// A rack sword of the definition with that id, its position worked out; none, with a console
// line, when there is no such definition.
std::optional<TSword> newSwordById(int id);
// A rack sword of the identity's definition, turning toward `dRot`; none, with a console line,
// when data/swords.dat does not define that identity.
std::optional<TSword> newSwordForCard(const TCardData& identity, float dRot);
