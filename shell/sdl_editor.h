// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level editor's window on SDL: the game window showing the editor's screen, its loop, and
// the level tried in it.
#pragma once
#include <cstdio>
#include <string>

#include "shell/level_editor.h"

// Opens the set to edit before anything shows: `path`, or a new file in the player's levels
// folder when empty. A file refused is told on `err` in one line; false then.
bool openEditedSet(const std::string& path, LevelEditor& editor, std::FILE* err);

// Runs the editor in the game window until the player leaves it; the exit status.
int runLevelEditor(LevelEditor& editor);
