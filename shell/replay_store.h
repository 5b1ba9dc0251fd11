// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the game keeps the replays of the games played: one file per game, named by its date,
// the level reached and the score, in $XDG_STATE_HOME/tessaron/replays.
#pragma once
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// How many replays are kept besides the one of the game that set the current record.
constexpr int kReplaysKept = 20;
// The copy of the replay of the game that set the current record.
constexpr const char* kRecordReplayName = "record.replay";

// $XDG_STATE_HOME/tessaron/replays, or ~/.local/state/tessaron/replays; "" without a home.
std::string replayDirectory();

// "2026-12-07_21-04-59_niveau-05_score-12340.replay", the date in local time.
std::string replayFileName(std::time_t when, int level, int score);

// Whether `name` has the exact shape of the store's dated replays:
// "YYYY-MM-DD_HH-MM-SS_niveau-NN_score-N.replay", or with a copy suffix "-2" to "-99" before
// ".replay". A name the player gave a replay never has it.
bool isDatedReplayName(std::string_view name);

// Deletes the oldest dated replays of `directory` (regular files of that exact shape) beyond
// the `keep` newest, and the temporaries of the store's saves that were killed midway (never
// one a running game is writing). Every other file, link or folder is left alone, the
// record's copy among them.
void pruneReplays(const std::string& directory, int keep);

// The paths of the dated replays of `directory`, the last one written first (by the files'
// times, never by their names; the same time, the greater name first).
std::vector<std::string> replaysNewestFirst(const std::string& directory);

// Ends the game being recorded and writes its replay into `directory` (created if need be)
// under a dated name that no other file holds, with a copy as the record's replay when the
// game set the record; then prunes. Returns the path written, or "" when nothing was written
// or nothing was recorded. `told` is "" when all was saved, else one French line (UTF-8)
// that names what was and was not saved (also written to stderr).
std::string saveGameReplay(const std::string& directory, std::string& told);
