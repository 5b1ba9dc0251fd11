// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The sets of levels the menu offers besides the built-in one: the player's levels folder and the
// file given with --levels; which set is played; each set's best score and furthest level.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "game/level_set.h"

// The most player's sets the menu offers; files past these, in name order, are left out.
constexpr int kMostPlayerSets = 64;

struct PlayerLevelSet {
    std::string path;  // the file it was read from
    LevelSet set;
    // 16 hexadecimal digits of a digest of the set as the game writes it: the name of its score
    // and level files, so that a set changed in any brick is a new set with a record of its own.
    std::string key;
};

// The sets offered and the one played. The sets are read once at start and never change after,
// since game.levelSet points into them.
struct LevelSetChoice {
    std::vector<PlayerLevelSet> sets;
    int chosen = -1;  // an index of `sets`; -1 for the built-in set
    // The built-in set's selected level and score file, given back when it is chosen again.
    int builtInLevel = 1;
    std::string builtInScorePath;
};

// "$XDG_DATA_HOME/tessaron/levels" (~/.local/share when unset); "" when there is none.
std::string playerLevelSetDirectory();

// Every "*.tessaron-levels" of `directory`, in name order, read as loadLevelSetFile reads one; a
// file refused is told on `err` in one line and left out, and a set met twice is kept once. A
// missing directory gives no set and says nothing.
std::vector<PlayerLevelSet> readPlayerLevelSets(const std::string& directory, std::FILE* err);

// The set read from `path`, with its key.
bool readPlayerLevelSet(const std::string& path, PlayerLevelSet& read, std::string& refusal);

// Where set `key`'s record and furthest level are kept, without the suffix: the player's data
// directory's "sets/KEY" ("" without one). The record is a score file (".sco"), written as
// Score.sco is; the furthest level, ".reached", holds its number.
std::string levelSetFilesStem(const std::string& key);

// Offers `sets` in the menu after the built-in set, `named` (--levels; none when it has no level)
// among them (first unless it is one of them already), and plays `named`.
void offerLevelSets(std::vector<PlayerLevelSet> sets, PlayerLevelSet named);

// Plays levelSetChoice.sets[index], or the built-in set for -1 or any index out of range: the
// boards laid, the score file and its record read (Score.sco for the built-in set), the furthest
// level reached, and the selected level (the first one of a player's set, the built-in set's as
// it was left).
void chooseLevelSet(int index);

// The set after (`forward`) or before set `chosen` (-1 the built-in one) of `count` player's
// sets, going round through the built-in one.
int steppedLevelSet(int chosen, int count, bool forward);

// After a game on a player's set, its furthest level reached is written when it went further
// than the file says. Nothing for the built-in set.
void keepLevelReached();
