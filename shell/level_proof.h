// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The editor's proof of its levels: `tessaron-lab prove` run beside the game on the boards not
// yet proven, its lines read as they come without ever waiting for them, and each board's
// verdict kept for as long as the board stays as it was proven.
#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

#include "game/level_set.h"

// One board and what the proof said of it: the lab's words after "level N ", such as
// "cleared 3/3 ticks 812..1460" or "not-cleared 0/3 stuck: seed 1 a ball in a loop, ...".
struct ProvenBoard {
    std::vector<Brick> entries;
    std::string verdict;
};

struct LevelProof {
    pid_t pid = -1;                          // the running tessaron-lab, -1 none
    int output = -1;                         // the read end of its standard output, -1 once closed
    std::string pending;                     // what has come of a line not yet ended
    std::string setFile;                     // the boards being proven, as a set in a temporary file
    std::vector<std::vector<Brick>> boards;  // those boards, in the order of the file
    std::vector<ProvenBoard> proven;         // every verdict given, for the boards as they were
};

// The tessaron-lab beside the game: in its own folder (the build), else where the install puts it.
std::string proofProgramPath(const std::string& gameFolder);

// Starts proving the boards of `set` without a verdict yet (each once); false with `reason` (French,
// UTF-8) when it cannot start, or when every board already has its verdict (`reason` empty).
bool startLevelProof(LevelProof& proof, const LevelSet& set, const std::string& program, std::string& reason);

// Takes what the proof has written so far, without waiting; true when a verdict came or the
// proof ended.
bool pollLevelProof(LevelProof& proof);

// Whether a proof runs (its output still open).
bool levelProofRunning(const LevelProof& proof);

// The verdict given to a board with exactly these entries, or null.
const std::string* verdictOf(const LevelProof& proof, const std::vector<Brick>& entries);

// Ends a proof under way (the program stopped, its file removed); the verdicts stay.
void stopLevelProof(LevelProof& proof);

// Reads one line of `tessaron-lab prove`: "level N WORDS" gives N and WORDS; false for other lines.
bool readProofLine(const std::string& line, int& level, std::string& verdict);

// Whether a verdict says the board was cleared by some game.
bool verdictCleared(const std::string& verdict);
