// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A set of levels as plain data, and its text form (.tessaron-levels): a strict reader that
// takes a whole set or nothing, and a writer whose output the reader gives back unchanged.
#pragma once
#include <array>
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

// Why a set's text is refused, by a stable id. Each side that shows it composes its text, in
// French (the game's own language, and the boards' tool) or in the player's language.
enum class LevelSetFault : std::uint8_t {
    None,
    LevelWithoutBrick,    // the level of `line` has no brick to break
    TextAfterFirstLevel,  // a name or author line (`word`) after the first level
    SecondText,           // a second name or author line (`word`)
    TextMissing,          // a name or author line (`word`) without its text
    TextTooLong,          // a name, author or title of more than kMaxLevelSetText bytes
    BrickBeforeLevel,
    BrickForm,  // a brick's x or y is no whole number
    BrickOffField,
    UnknownKind,      // `word`: the kind named
    GroupOutOfRange,  // `word`: the group written
    WordTooMany,      // `word`: the word in excess
    TooManyBricks,
    Overlaps,  // `number`: the line of the brick it overlaps
    OverlapsNothing,
    ControlCharacter,
    FirstLine,
    EmptyBeforeLevel,
    NameAndAuthorFirst,
    TooManyLevels,
    UnknownLine,  // `word`: the line's first word
    FileTooLong,
    NotUtf8,
    NoLevel,
};
constexpr int kLevelSetFaultCount = 24;

// A refusal: its fault, the line it lies on, and what its text names.
struct LevelSetRefusal {
    LevelSetFault fault = LevelSetFault::None;
    int line = 0;
    std::string word{};
    int number = 0;
};

// Each fault's text in French, a message id: a printf format that names the refusal's word
// ("%s") or number ("%d"), or neither; "" for None.
extern const std::array<const char*, kLevelSetFaultCount> kLevelSetFaultTexts;
// The whole line in French, a message id: the line number, then the fault's text.
extern const char* const kLevelSetRefusalLineText;

// The refusal's line made from `lineFormat` and `faultFormat`: the French ones or translations
// with the same conversions. "" for no refusal.
std::string levelSetRefusalText(const LevelSetRefusal& refusal, const char* lineFormat, const char* faultFormat);

// The refusal's line in French: "ligne 5 : genre de brique inconnu « granite »".
std::string levelSetRefusalText(const LevelSetRefusal& refusal);

// Reads a whole set from the text of a .tessaron-levels file. On any fault `set` is left
// empty and `refusal` says why.
bool readLevelSet(const std::string& text, LevelSet& set, LevelSetRefusal& refusal);

// The same, with the refusal's line in French ("" when the set is read).
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
