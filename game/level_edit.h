// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's model: the set being edited as plain data, the changes a player makes to
// it (bricks placed and removed on the brick grid, levels added, removed and moved, the set
// named and signed, levels titled) and a
// bounded undo and redo of them. Nothing here draws, reads input or touches files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/level_set.h"

// The brick grid the editor places on: columns of kBrickWidth, rows of kBrickHeight.
constexpr int kEditColumns = kPlayfieldWidth / kBrickWidth;
constexpr int kEditRows = kLowestBrickTop / kBrickHeight + 1;
// The most changes that can be undone; older ones are forgotten.
constexpr int kEditUndoDepth = 64;
// The start of the note the editor writes at the head of each level it saves: the proof's verdict.
constexpr const char* kProofNotePrefix = "# proof:";

// The set and the level shown, as they were before one change.
struct EditSnapshot {
    LevelSet set;
    int level = 0;
};

struct LevelEdit {
    LevelSet set;                    // what the file will hold
    int level = 0;                   // the level shown, 0-based
    int column = 0;                  // the keyboard's cursor on the grid
    int row = 0;                     //
    int kind = kFirstOrdinaryBrick;  // the kind a placed brick gets
    int group = 0;                   // the group a placed brick gets, 0 none
    std::vector<EditSnapshot> undo;  // before each change, the latest last; at most kEditUndoDepth
    std::vector<EditSnapshot> redo;  // changes undone, the latest undone last
    int changesSinceSave = 0;        // changes made (or undone) since the set was opened or saved
};

// A new set of one empty level, named `name` and by `author`.
LevelEdit newLevelEdit(const std::string& name, const std::string& author);
// Editing `set`, its first level shown.
LevelEdit levelEditOf(const LevelSet& set);

// The grid cell's brick at column, row: its entry's index in the shown level, or -1. An entry
// counts when it covers part of the cell; the latest such entry is the one on top.
int entryAtCell(const LevelEdit& edit, int column, int row);

// Puts a brick of edit.kind and edit.group in the cell: a brick exactly there takes the kind
// and group, an empty cell gets a new last entry. False, changing nothing, when the cell is off
// the grid, a brick off the grid covers part of it, the level is full, or nothing would change.
bool placeBrick(LevelEdit& edit, int column, int row);
// Takes the brick on top in the cell out of the level; false when there is none.
bool removeBrick(LevelEdit& edit, int column, int row);

// A new empty level after the shown one, which it becomes; false at kMaxSetLevels.
bool addLevel(LevelEdit& edit);
// Takes the shown level out, showing the next one (or the new last); false for the only level.
bool removeLevel(LevelEdit& edit);
// Moves the shown level `step` places (-1 earlier, 1 later), shown still; false at an end.
bool moveLevel(LevelEdit& edit, int step);
// Shows level `level` (clamped to the set), no change to undo.
void showLevel(LevelEdit& edit, int level);

// The texts a player writes: the set's name, its author and the shown level's title.
enum class EditText : std::uint8_t { SetName, Author, LevelTitle };
// The text as the set holds it now.
const std::string& editText(const LevelEdit& edit, EditText which);
// Gives the text `which` the value `text`, one change to undo; false, changing nothing, when it
// has that value already. Whether the reader takes the text is the caller's to ask.
bool setEditText(LevelEdit& edit, EditText which, const std::string& text);

// Takes back the latest change, or does again the latest taken back; false when there is none.
bool undoEdit(LevelEdit& edit);
bool redoEdit(LevelEdit& edit);

// What the reader would say of the set written now: no fault when it reads back, else its refusal.
LevelSetRefusal editRefusal(const LevelEdit& edit);

// Puts `verdict` as the level's proof note, in place of any earlier one.
void setProofNote(LevelBoard& level, const std::string& verdict);
