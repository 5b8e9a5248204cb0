// Swords.hpp: the sword definitions, one per rank.
#pragma once

#include "cards/TSwordData.hpp"

#include <vector>

// One definition per sword identity 202..214, made from the card identities (the program's
// list, empty until loadSwords).
std::vector<TSwordData>& swordDefinitions();
void loadSwords();
const TSwordData* swordDataById(int id);
