// Levels.hpp: making levels, and the ice line of the level in play.
#pragma once

#include "levels/TLevel.hpp"

#include <memory>
#include <string>

// The ice line: the largest x of a table card with ice, or 1500 (right of every card) when no
// card has ice. Snowed cards right of it stay face down. It belongs to the level in play.
extern float pomWaterX;

// Reads a level file and prepares it (shuffle, magic cards, swords: 1 or 0 each).
std::unique_ptr<TLevel> loadLevelFile(const std::string& path, int shuffle, int magic, int swords);

// A level with no table cards and a deck of every normal identity in order (the editor's start).
std::unique_ptr<TLevel> createEmptyLevel();
