// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's screen: the level on the game's playfield in the game's pictures with the
// brick grid and the cursor, and beside it a panel with the set's name and author, the level's
// title, the palette of brick kinds, the groups, the level's proof, the editor's last word and
// its keys.
#pragma once
#include <SDL_rect.h>

#include <array>
#include <string>

#include "game/level_edit.h"

struct SDL_Surface;

// The screen's frame, the size of the game window.
constexpr int kEditorScreenWidth = 700;
constexpr int kEditorScreenHeight = 550;
// The palette: one box per brick kind, two columns, kind 1 at the top left.
constexpr int kPaletteLeft = 488;
constexpr int kPaletteTop = 94;
constexpr int kPaletteBoxWidth = 102;
constexpr int kPaletteBoxHeight = 26;
// The groups' boxes, 0 (none) to 5, in one row.
constexpr int kGroupBoxesLeft = 548;
constexpr int kGroupBoxesTop = 204;
constexpr int kGroupBoxSize = 22;
constexpr int kEditorGroups = kBrickGroups + 1;
// The tops of the panel's lines of the set's name, its author and the shown level's title, in
// EditText's order, and the right edge of the panel's text.
constexpr std::array<int, 3> kWrittenTextTops = {24, 40, 74};
constexpr int kPanelTextRight = kEditorScreenWidth - 6;

// What the panel says besides the set itself, in UTF-8.
struct EditorPanelTexts {
    std::string verdict;   // the shown level's proof
    bool cleared = false;  // the proof cleared it: the verdict is drawn in green, else in red
    std::string status;    // the editor's last word: saved, refused, asked
    bool unsaved = false;
    bool cursorShown = true;  // the cursor's cell is outlined
    bool lineOpen = false;    // a text is being typed: `line` with a caret stands in its place
    EditText lineFor = EditText::SetName;
    std::string line;
};

// The brick kind whose palette box holds the point, or 0.
int paletteKindAt(int x, int y);
// The group whose box holds the point, or -1.
int groupBoxAt(int x, int y);
// The box of a kind in the palette.
SDL_Rect paletteBox(int kind);

// Paints the editor's screen of `edit` on a frame of the screen's size and copies it to
// `target` at (0, 0). A null target draws nothing.
void drawEditorScreen(SDL_Surface* target, const LevelEdit& edit, const EditorPanelTexts& texts);
