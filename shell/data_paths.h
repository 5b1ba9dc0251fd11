// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the game finds its data: the executable's directory and the data directories.
#pragma once
#include <string>

// The directory of the executable at `exePath`: everything before its last '/'; "" when
// there is none.
std::string directoryOf(const std::string& exePath);

// Fills exeDir from the running executable's path; empty when it cannot be known.
void findExeDir();

// The installed data directory seen from an installed executable in `executableDir`: the
// relative path from the install's binary directory to its data directory, fixed when the
// game is configured, so that an installed tree keeps working after it is moved.
std::string installedDataDir(const std::string& executableDir);

// The data directory for an executable in `executableDir`: "Tessaron Data" beside it (the
// build tree, an unpacked copy) when that is a directory, else the installed data directory
// reached from it by the install's relative path, when that is a directory; else "Tessaron
// Data" beside it all the same (then missing).
std::string chooseDataDir(const std::string& executableDir);

// Sets dataDir, imageDir and soundDir from exeDir.
void composeDataDirs();
