// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A set of levels as plain data, and its text form (.tessaron-levels): a strict reader that
// takes a whole set or nothing, and a writer whose output the reader gives back unchanged.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"

// The most levels one set may hold, and the most bytes its file may have.
constexpr int kMaxSetLevels = 99;
constexpr std::size_t kMaxLevelFileBytes = 1 << 20;
// The longest name, author or level title, in bytes of UTF-8.
constexpr std::size_t kMaxLevelSetText = 64;
// The lowest top edge a brick may have: its bottom at the bottom of the game window.
constexpr int kLowestBrickTop = 530;
constexpr int kRightmostBrickLeft = kPlayfieldWidth - kBrickWidth;
// Disappearing groups are numbered 1 to kBrickGroups (0: none).
constexpr int kBrickGroups = 5;

// One level: the entries it fills, in the order the game lays them (which is the order in
// which a ball's strike visits them). An entry of kind 0 is left empty.
struct LevelBoard {
    std::string title;  // may be empty
    std::vector<Brick> entries;
    std::vector<std::string> notes{};  // its comment lines ("# ..."), those between its level line and first entry
};

struct LevelSet {
    std::string name;
    std::string author;
    std::vector<LevelBoard> levels;
    std::vector<std::string> notes{};  // the comment lines ("# ...") before the file's first statement
};

// Reads a whole set from the text of a .tessaron-levels file. On any fault `set` is left
// empty and `refusal` holds one line naming the line number and the fault, in French.
bool readLevelSet(const std::string& text, LevelSet& set, std::string& refusal);

// The text of `set`, as readLevelSet reads it back; bricks that overlap an earlier one are
// marked as overlapping on purpose. Its notes are left out: this is the text a replay carries.
std::string writeLevelSet(const LevelSet& set);

// The text of `set` as a file: writeLevelSet's, with the set's and each level's notes where
// the reader found them (the reader keeps no other comment and no blank line).
std::string writeLevelSetFile(const LevelSet& set);

// FNV-1a (64 bits) of writeLevelSet(set): equal for sets equal in every brick, name and title,
// whatever their notes.
std::uint64_t levelSetDigest(const LevelSet& set);

// True when the two bricks cover a common area (touching edges do not count).
bool bricksOverlap(const Brick& a, const Brick& b);
