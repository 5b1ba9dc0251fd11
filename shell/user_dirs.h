// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's own directories, as the freedesktop base-directory rules place them.
#pragma once
#include <string>

// "$variable/tessaron" when the environment variable is set to an absolute path, else
// "$HOME/<homeFallback>/tessaron" (homeFallback like ".local/share") when HOME is absolute;
// "" when neither is usable. Nothing is created.
std::string xdgUserDir(const char* variable, const char* homeFallback);

// Creates `directory` and any missing parent with mode 0700, as the base-directory rules ask
// of the directories a program makes for its user. True when it exists as a directory.
bool makeUserDir(const std::string& directory);
