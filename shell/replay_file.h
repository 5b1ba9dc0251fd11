// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay file: a fixed header (magic word, format version, rules version, the version of the
// game that recorded it, the values the game started from) followed by the event stream,
// deflated.
#pragma once
#include <string>

#include "game/replay.h"

// Format 3 for games on the built-in boards; format 4 adds the player's set the game was
// played on (its text and its digest) after the values the game started from.
constexpr int kReplayFormatVersion = 3;
constexpr int kReplayWithLevelsFormat = 4;
// No replay of a real game comes near this; a larger file is refused before it is read.
constexpr std::size_t kLargestReplayFile = 16u << 20;

// The game version written into the replays it records (for information: the rules version
// decides which replays a build plays).
const char* gameVersion();

// The bytes of a replay file for a recorded game.
std::string encodeReplay(const ReplayStart& start, const std::string& stream);

// Reads a replay file's bytes; false and a one-line reason when they are not a replay of this
// format, were recorded under other rules (whatever the version that recorded them), or are
// damaged. The stream is checked whole before it is accepted.
bool decodeReplay(const std::string& bytes, ReplayStart& start, std::string& stream, std::string& reason);

// Reads and decodes the replay file at `path`.
bool loadReplay(const std::string& path, ReplayStart& start, std::string& stream, std::string& reason);
