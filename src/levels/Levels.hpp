// Levels.hpp: making levels.
#pragma once

#include "levels/TLevel.hpp"

#include <memory>
#include <string>

// Reads a level file and prepares it (shuffle, magic cards, swords: 1 or 0 each) for the player
// who brings `options`.
std::unique_ptr<TLevel> loadLevelFile(const std::string& path, int shuffle, int magic, int swords,
                                      const DealOptions& options = {});

// A level with no table cards and a deck of every normal identity in order (the editor's start).
std::unique_ptr<TLevel> createEmptyLevel();
