// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The best-score file: one record "NAME SCORE= N", read at start-up and replaced whole
// whenever a run ends with a new best score.
#pragma once
#include <string>

#include "shell/file_lock.h"

// Where the record of an executable in `executableDir` lives: "Score.sco" in "Tessaron
// Data" beside it while that directory exists and the player may write there, else in the
// player's data directory ($XDG_DATA_HOME/tessaron, ~/.local/share/tessaron when unset or
// not absolute); "" when there is neither.
std::string chooseScoreFilePath(const std::string& executableDir);

// scoreFilePath = chooseScoreFilePath(exeDir). Needs exeDir.
void composeScoreFilePath();

// Sets game.bestScoreName and game.bestScore from the score file (its first MiB; what lies
// beyond is ignored). A missing file, or one that holds no word "SCORE=", gets the defaults
// Trimbalour 1235, which are set and written at once. A file that exists but cannot be read
// (no permission, not a regular file) gets the defaults in memory only, is never
// overwritten, and the reason goes to standard error. A score word that is not a number
// leaves bestScore as it was. Uses pathBuffer for the words read.
void loadScoreFile();

// The record of the score file in game.bestScoreName and game.bestScore, read only: a missing
// or unreadable file, or one without the marker, gives the defaults and is left as it is.
// False when the defaults were given.
bool peekScoreFile();

// The record on disk read again into bestScore and bestScoreName (under the lock of the
// player's games), just before a run's score is compared with it: another game of the
// player's may have set a higher one. A file that cannot be read leaves them as they are.
void reloadBestScore();

// Writes the best score and its holder to the score file (the end of a run with a record).
// False when the record could not be written, with a short French reason (UTF-8) for the
// player in `reason`.
bool saveScoreFile(std::string& reason);

// The record as the score file holds it: "NAME SCORE= N". A word of the name equal to the
// marker is written with a no-break space before its '=' so that reading it back never
// stops inside the name.
std::string scoreRecord(const char* name, int score);

// saveScoreFile(reason) replaces the score file with the record of game.bestScoreName and
// game.bestScore through writeFileAtomically, creating the player's data directory (mode
// 0700) when the record lives there. Under the lock of the player's games it reads the file
// again first: a higher record found there is kept and taken into game.bestScoreName and
// game.bestScore (the true best, which the end screen shows), and nothing is written. A failed save leaves the old file whole, says why on
// standard error and in `reason` (French, UTF-8), and returns false.
// The lock is awaited at most kLockWaitMs, with `keepAlive` called between tries; when it cannot
// be had in time, or the file system refuses locks, the record is compared and saved without it.
// The hand-overs saveScoreFile and reloadBestScore are these with the platform's keepWindowsAlive.
bool saveScoreRecord(std::string& reason, LockKeepAlive keepAlive);
void reloadScoreRecord(LockKeepAlive keepAlive);
