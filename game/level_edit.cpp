// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's changes to the set being edited, and their undo.
#include "game/level_edit.h"

#include <algorithm>

#include "game/brick_kinds.h"

namespace {

bool onGrid(int column, int row) { return column >= 0 && column < kEditColumns && row >= 0 && row < kEditRows; }

Brick cellBrick(int column, int row, int kind, int group)
{
    return Brick{column * kBrickWidth, row * kBrickHeight, kind, group};
}

std::vector<Brick>& shownEntries(LevelEdit& edit)
{
    return edit.set.levels[static_cast<std::size_t>(edit.level)].entries;
}

// The text `which` of the edit, writable when the edit is.
template <typename Edit>
auto& textIn(Edit& edit, EditText which)
{
    switch (which) {
    case EditText::SetName: return edit.set.name;
    case EditText::Author: return edit.set.author;
    case EditText::LevelTitle: break;
    }
    return edit.set.levels[static_cast<std::size_t>(edit.level)].title;
}

// Keeps the set and level shown as they are now for undo, before a change is made.
void keepForUndo(LevelEdit& edit)
{
    edit.undo.push_back(EditSnapshot{edit.set, edit.level});
    if (edit.undo.size() > static_cast<std::size_t>(kEditUndoDepth)) edit.undo.erase(edit.undo.begin());
    edit.redo.clear();
    ++edit.changesSinceSave;
}

// Moves the latest snapshot of `from` into the edit, keeping what was shown in `to`.
bool restore(LevelEdit& edit, std::vector<EditSnapshot>& from, std::vector<EditSnapshot>& to)
{
    if (from.empty()) return false;
    to.push_back(EditSnapshot{std::move(edit.set), edit.level});
    edit.set = std::move(from.back().set);
    edit.level = from.back().level;
    from.pop_back();
    ++edit.changesSinceSave;
    return true;
}

}  // namespace

LevelEdit newLevelEdit(const std::string& name, const std::string& author)
{
    LevelEdit edit;
    edit.set.name = name;
    edit.set.author = author;
    edit.set.levels.emplace_back();
    return edit;
}

LevelEdit levelEditOf(const LevelSet& set)
{
    LevelEdit edit;
    edit.set = set;
    if (edit.set.levels.empty()) edit.set.levels.emplace_back();
    return edit;
}

int entryAtCell(const LevelEdit& edit, int column, int row)
{
    const Brick cell = cellBrick(column, row, kNoBrick, 0);
    const std::vector<Brick>& entries = edit.set.levels[static_cast<std::size_t>(edit.level)].entries;
    for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i) {
        const Brick& entry = entries[static_cast<std::size_t>(i)];
        if (entry.kind != kNoBrick && bricksOverlap(entry, cell)) return i;
    }
    return -1;
}

bool placeBrick(LevelEdit& edit, int column, int row)
{
    if (!onGrid(column, row)) return false;
    const Brick placed = cellBrick(column, row, edit.kind, edit.group);
    const int on = entryAtCell(edit, column, row);
    if (on < 0) {
        if (shownEntries(edit).size() >= static_cast<std::size_t>(kBrickCount)) return false;
        keepForUndo(edit);
        shownEntries(edit).push_back(placed);
        return true;
    }
    const Brick& there = shownEntries(edit)[static_cast<std::size_t>(on)];
    if (there.x != placed.x || there.y != placed.y) return false;
    if (there.kind == placed.kind && there.group == placed.group) return false;
    keepForUndo(edit);
    shownEntries(edit)[static_cast<std::size_t>(on)] = placed;
    return true;
}

bool removeBrick(LevelEdit& edit, int column, int row)
{
    const int on = onGrid(column, row) ? entryAtCell(edit, column, row) : -1;
    if (on < 0) return false;
    keepForUndo(edit);
    shownEntries(edit).erase(shownEntries(edit).begin() + on);
    return true;
}

bool addLevel(LevelEdit& edit)
{
    if (edit.set.levels.size() >= static_cast<std::size_t>(kMaxSetLevels)) return false;
    keepForUndo(edit);
    edit.set.levels.insert(edit.set.levels.begin() + edit.level + 1, LevelBoard{});
    ++edit.level;
    return true;
}

bool removeLevel(LevelEdit& edit)
{
    if (edit.set.levels.size() <= 1) return false;
    keepForUndo(edit);
    edit.set.levels.erase(edit.set.levels.begin() + edit.level);
    edit.level = std::min(edit.level, static_cast<int>(edit.set.levels.size()) - 1);
    return true;
}

bool moveLevel(LevelEdit& edit, int step)
{
    const int to = edit.level + step;
    if (step == 0 || to < 0 || to >= static_cast<int>(edit.set.levels.size())) return false;
    keepForUndo(edit);
    std::swap(edit.set.levels[static_cast<std::size_t>(edit.level)], edit.set.levels[static_cast<std::size_t>(to)]);
    edit.level = to;
    return true;
}

void showLevel(LevelEdit& edit, int level)
{
    edit.level = std::clamp(level, 0, static_cast<int>(edit.set.levels.size()) - 1);
}

const std::string& editText(const LevelEdit& edit, EditText which) { return textIn(edit, which); }

bool setEditText(LevelEdit& edit, EditText which, const std::string& text)
{
    if (editText(edit, which) == text) return false;
    keepForUndo(edit);
    textIn(edit, which) = text;
    return true;
}

bool undoEdit(LevelEdit& edit) { return restore(edit, edit.undo, edit.redo); }

bool redoEdit(LevelEdit& edit) { return restore(edit, edit.redo, edit.undo); }

LevelSetRefusal editRefusal(const LevelEdit& edit)
{
    LevelSet read;
    LevelSetRefusal refusal;
    readLevelSet(writeLevelSetFile(edit.set), read, refusal);
    return refusal;
}

void setProofNote(LevelBoard& level, const std::string& verdict)
{
    const std::string prefix = kProofNotePrefix;
    level.notes.erase(std::remove_if(level.notes.begin(), level.notes.end(),
                                     [&prefix](const std::string& note) { return note.rfind(prefix, 0) == 0; }),
                      level.notes.end());
    level.notes.push_back(prefix + " " + verdict);
}
