// Sounds.hpp: playing the game's sounds by name, from anywhere. A name without an entry (or a
// game without its sound registry, in tests) plays nothing.
#pragma once

#include <string>

// An effect by name ("click", "coin-1", ...).
void playMySound(const std::string& name);
// A music piece by name ("title", "level-3", ...).
void playMyMusic(const std::string& name);
// The music of a level's sound number ("level-" + n), loaded when first needed.
void playLevelSound(int n);
// The music fades away.
void hideMusic();
