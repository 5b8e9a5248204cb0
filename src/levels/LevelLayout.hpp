// LevelLayout.hpp: a loaded level handed to the rules.
#pragma once

#include "rules/Layout.hpp"

class TLevel;

// The table (identities, places, marks, coins and which shapes overlap), deck, spot and figures
// of the level as it stands, with its ice line. Items and rack are left as they come: they
// belong to the player, not the level.
rules::Layout layoutOf(const TLevel& level);
