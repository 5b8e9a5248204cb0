// Swords.hpp: the sword definitions (one per rank) and the player's rack.
#pragma once

#include "cards/TSwordData.hpp"

#include <vector>

class TCardData;
class TProfile;

// One definition per sword identity 202..214, made from the card identities.
extern std::vector<TSwordData> swordDefinitions;
void loadSwords();
const TSwordData* swordDataById(int id);

// The sword of that identity joins the player's rack, unless it is there already.
void addSwordToRack(TProfile& player, const TCardData& identity, float rot);
