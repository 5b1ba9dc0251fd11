// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's model: what placing and removing do on the grid, the levels' order, undo
// and redo, and that whatever the editor makes is written as a file the reader gives back.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/level_edit.h"
#include "tests/scratch_files.h"

namespace {

const std::string kBuiltInPath = TESSARON_SOURCE_DIR "/resources/built-in.tessaron-levels";

bool sameBricks(const std::vector<Brick>& a, const std::vector<Brick>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].kind != b[i].kind || a[i].group != b[i].group) return false;
    }
    return true;
}

// Sets compare whole: texts, notes and every entry.
bool sameSet(const LevelSet& a, const LevelSet& b)
{
    if (a.name != b.name || a.author != b.author || a.notes != b.notes || a.levels.size() != b.levels.size())
        return false;
    for (std::size_t l = 0; l < a.levels.size(); ++l) {
        const LevelBoard &x = a.levels[l], &y = b.levels[l];
        if (x.title != y.title || x.notes != y.notes || !sameBricks(x.entries, y.entries)) return false;
    }
    return true;
}

LevelSet builtInSet()
{
    LevelSet set;
    std::string refusal;
    EXPECT_TRUE(readLevelSet(readBytes(kBuiltInPath), set, refusal)) << refusal;
    return set;
}

// The file the game ships is written back byte for byte, notes and all, and its notes change
// neither the text a replay carries nor the set's digest.
TEST(LevelEdit, TheBuiltInSetIsWrittenBackByteForByte)
{
    LevelSet set = builtInSet();
    EXPECT_EQ(writeLevelSetFile(set), readBytes(kBuiltInPath));
    ASSERT_FALSE(set.notes.empty());
    ASSERT_FALSE(set.levels[0].notes.empty());
    const std::string carried = writeLevelSet(set);
    const std::uint64_t digest = levelSetDigest(set);
    EXPECT_EQ(carried.find("SPDX"), std::string::npos);
    set.notes.clear();
    setProofNote(set.levels[3], "cleared 3/3 ticks 1..2");
    EXPECT_EQ(writeLevelSet(set), carried);
    EXPECT_EQ(levelSetDigest(set), digest);
}

// Notes are the comments before the first statement and those at the head of a level; the
// others are not kept. A later proof note replaces the earlier one.
TEST(LevelEdit, NotesAreKeptWhereTheWriterPutsThemBack)
{
    const std::string text =
        "# tête\ntessaron-levels 1\n# perdue\nname A\nauthor B\nlevel\n# en tête\n#   aussi  \nbrick 0 0 hard\n"
        "# au milieu\nbrick 40 0 hard\n";
    LevelSet set;
    std::string refusal;
    ASSERT_TRUE(readLevelSet(text, set, refusal)) << refusal;
    EXPECT_EQ(set.notes, std::vector<std::string>{"# tête"});
    EXPECT_EQ(set.levels[0].notes, (std::vector<std::string>{"# en tête", "#   aussi"}));
    setProofNote(set.levels[0], "not proven");
    setProofNote(set.levels[0], "cleared 3/3 ticks 5..9");
    EXPECT_EQ(set.levels[0].notes.back(), std::string(kProofNotePrefix) + " cleared 3/3 ticks 5..9");
    EXPECT_EQ(set.levels[0].notes.size(), 3u);
    LevelSet again;
    ASSERT_TRUE(readLevelSet(writeLevelSetFile(set), again, refusal)) << refusal;
    EXPECT_TRUE(sameSet(again, set));
}

// Placing on a cell: an empty cell gets a new last entry, a brick exactly there takes the kind
// and group, a brick off the grid that covers part of the cell keeps the cell, a full level or a
// cell off the grid takes nothing. Removing takes the brick on top.
TEST(LevelEdit, PlacingAndRemovingFollowTheGrid)
{
    const Brick hard{40, 20, kHardBrick, 0}, offGrid{80, 30, kFirstOrdinaryBrick, 0};
    const struct {
        const char* what;
        std::vector<Brick> before;
        bool place;  // place, else remove
        int column, row, kind, group;
        bool changed;
        std::vector<Brick> after;
    } cases[] = {
        {"empty cell", {hard}, true, 0, 0, 2, 3, true, {hard, {0, 0, 2, 3}}},
        {"lowest row", {}, true, kEditColumns - 1, kEditRows - 1, 8, 0, true, {{440, 520, 8, 0}}},
        {"kind changed", {hard}, true, 1, 1, 7, 0, true, {{40, 20, 7, 0}}},
        {"group changed", {hard}, true, 1, 1, kHardBrick, 5, true, {{40, 20, kHardBrick, 5}}},
        {"the same brick", {hard}, true, 1, 1, kHardBrick, 0, false, {hard}},
        {"covered off the grid", {offGrid}, true, 2, 2, 3, 0, false, {offGrid}},
        {"off the grid", {}, true, kEditColumns, 0, 3, 0, false, {}},
        {"above the grid", {}, true, 0, -1, 3, 0, false, {}},
        {"below the grid", {}, true, 0, kEditRows, 3, 0, false, {}},
        {"empty entries skipped", {{0, 0, 0, 0}}, true, 0, 0, 4, 0, true, {{0, 0, 0, 0}, {0, 0, 4, 0}}},
        {"remove", {hard, offGrid}, false, 1, 1, 0, 0, true, {offGrid}},
        {"remove the one on top", {{80, 20, 1, 0}, offGrid}, false, 2, 1, 0, 0, true, {{80, 20, 1, 0}}},
        {"remove off the grid's brick", {offGrid}, false, 2, 2, 0, 0, true, {}},
        {"remove nothing", {hard}, false, 0, 0, 0, 0, false, {hard}},
        {"remove off the grid", {hard}, false, -1, 1, 0, 0, false, {hard}},
    };
    for (const auto& c : cases) {
        LevelEdit edit = newLevelEdit("A", "B");
        edit.set.levels[0].entries = c.before;
        edit.kind = c.kind;
        edit.group = c.group;
        const bool changed = c.place ? placeBrick(edit, c.column, c.row) : removeBrick(edit, c.column, c.row);
        EXPECT_EQ(changed, c.changed) << c.what;
        EXPECT_TRUE(sameBricks(edit.set.levels[0].entries, c.after)) << c.what;
        EXPECT_EQ(edit.undo.size(), c.changed ? 1u : 0u) << c.what;
    }

    LevelEdit full = newLevelEdit("A", "B");
    full.set.levels[0].entries.assign(kBrickCount, Brick{0, 0, 0, 0});
    EXPECT_FALSE(placeBrick(full, 0, 0));
    EXPECT_EQ(full.set.levels[0].entries.size(), static_cast<std::size_t>(kBrickCount));
}

// Levels are added after the one shown, removed down to one, and moved within the set; the one
// shown follows the change.
TEST(LevelEdit, LevelsAreAddedRemovedAndMoved)
{
    LevelEdit edit = newLevelEdit("A", "B");
    edit.set.levels[0].title = "un";
    ASSERT_TRUE(addLevel(edit));
    edit.set.levels[1].title = "deux";
    showLevel(edit, 0);
    ASSERT_TRUE(addLevel(edit));
    edit.set.levels[1].title = "entre";
    const auto titles = [&edit] {
        std::string all;
        for (const LevelBoard& level : edit.set.levels) all += level.title + ",";
        return all + std::to_string(edit.level);
    };
    EXPECT_EQ(titles(), "un,entre,deux,1");
    EXPECT_TRUE(moveLevel(edit, 1));
    EXPECT_EQ(titles(), "un,deux,entre,2");
    EXPECT_FALSE(moveLevel(edit, 1));
    EXPECT_TRUE(moveLevel(edit, -1));
    EXPECT_TRUE(moveLevel(edit, -1));
    EXPECT_FALSE(moveLevel(edit, -1));
    EXPECT_EQ(titles(), "entre,un,deux,0");
    showLevel(edit, 2);
    EXPECT_TRUE(removeLevel(edit));
    EXPECT_EQ(titles(), "entre,un,1");
    showLevel(edit, -5);
    EXPECT_TRUE(removeLevel(edit));
    EXPECT_FALSE(removeLevel(edit));
    EXPECT_EQ(titles(), "un,0");

    edit.set.levels.resize(static_cast<std::size_t>(kMaxSetLevels));
    EXPECT_FALSE(addLevel(edit));
    EXPECT_EQ(edit.set.levels.size(), static_cast<std::size_t>(kMaxSetLevels));
}

// A level without a brick to break cannot be written as a file: the editor hears the reader's
// refusal instead of writing a file it would then refuse to read.
TEST(LevelEdit, AnEmptyLevelIsTheReadersRefusal)
{
    LevelEdit edit = newLevelEdit("A", "B");
    EXPECT_EQ(levelSetRefusalText(editRefusal(edit)), "ligne 6 : ce niveau n'a aucune brique à casser");
    edit.kind = kIndestructibleBrick;
    placeBrick(edit, 0, 0);
    EXPECT_EQ(levelSetRefusalText(editRefusal(edit)), "ligne 6 : ce niveau n'a aucune brique à casser");
    edit.kind = kCrackedBrick;
    placeBrick(edit, 1, 0);
    EXPECT_EQ(editRefusal(edit).fault, LevelSetFault::None);
}

// Random changes to the built-in set, its bricks, levels, name, author and titles: every set the editor makes that the reader takes reads
// back equal and writes the same text again; undo walks back through the very sets and levels
// shown before each change, as far as its depth, and redo forward through the sets after.
TEST(LevelEdit, RandomEditsReadBackAndUndoWalksBack)
{
    LevelEdit edit = levelEditOf(builtInSet());
    std::uint32_t dice = 12345;
    const auto roll = [&dice](int ways) {
        dice = dice * 1664525u + 1013904223u;
        return static_cast<int>((dice >> 8) % static_cast<std::uint32_t>(ways));
    };
    struct Change {
        EditSnapshot before, after;
    };
    std::vector<Change> changes;  // the latest, as far back as undo goes
    int written = 0, changed = 0;
    const auto keep = [&](const EditSnapshot& before) {
        ++changed;
        changes.push_back({before, {edit.set, edit.level}});
        if (changes.size() > kEditUndoDepth) changes.erase(changes.begin());
    };
    for (int step = 0; step < 200; ++step) {
        edit.kind = 1 + roll(kBrickKinds);
        edit.group = roll(kBrickGroups + 1);
        const int column = roll(kEditColumns + 1), row = roll(kEditRows + 1);
        EditSnapshot before{edit.set, edit.level};
        bool done = false;
        switch (roll(12)) {
        case 0:
            // A new level is given a brick to break at once, as a player would.
            if (!addLevel(edit)) break;
            keep(before);
            before = changes.back().after;
            edit.kind = kFirstOrdinaryBrick;
            done = placeBrick(edit, column % kEditColumns, row % kEditRows);
            break;
        case 1: done = removeLevel(edit); break;
        case 2: done = moveLevel(edit, roll(2) * 2 - 1); break;
        case 3: showLevel(edit, roll(static_cast<int>(edit.set.levels.size()))); break;
        case 4: done = removeBrick(edit, column, row); break;
        case 5: done = setEditText(edit, static_cast<EditText>(roll(3)), roll(2) == 0 ? "Zo\xc3\xa9" : "x"); break;
        default: done = placeBrick(edit, column, row); break;
        }
        if (done) keep(before);
        ASSERT_EQ(edit.undo.size(), std::min(changed, kEditUndoDepth));
        if (editRefusal(edit).fault != LevelSetFault::None) continue;
        ++written;
        LevelSet read;
        std::string refusal;
        const std::string text = writeLevelSetFile(edit.set);
        ASSERT_TRUE(readLevelSet(text, read, refusal)) << refusal;
        ASSERT_TRUE(sameSet(read, edit.set)) << "step " << step;
        ASSERT_EQ(writeLevelSetFile(read), text);
    }
    EXPECT_GT(written, 120);
    ASSERT_GT(changed, kEditUndoDepth);
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
        ASSERT_TRUE(undoEdit(edit));
        ASSERT_TRUE(sameSet(edit.set, change->before.set) && edit.level == change->before.level);
    }
    EXPECT_FALSE(undoEdit(edit));
    for (const Change& change : changes) {
        ASSERT_TRUE(redoEdit(edit));
        ASSERT_TRUE(sameSet(edit.set, change.after.set));
    }
    EXPECT_FALSE(redoEdit(edit));
    ASSERT_TRUE(undoEdit(edit));
    ASSERT_TRUE(placeBrick(edit, 0, 0) || removeBrick(edit, 0, 0));  // a new change forgets what was undone
    EXPECT_FALSE(redoEdit(edit));
}

}  // namespace
