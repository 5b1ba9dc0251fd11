// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The commands of tessaron-lab; each takes the arguments after its name and returns the
// process's exit status.
#pragma once

// rand SEED COUNT: COUNT values of the game's generator seeded with SEED, one a line.
int runRandCommand(int argc, char** argv);

// level N [--seed S]: the board of level N, one line per brick: INDEX X Y KIND GROUP.
int runLevelCommand(int argc, char** argv);

// score FILE: reads FILE as the score file and prints "[NAME] SCORE"; a missing file or one
// without a record prints the defaults. FILE is only read, never made or rewritten.
int runScoreCommand(int argc, char** argv);

// code TEXT: the level that TEXT selects.
int runCodeCommand(int argc, char** argv);

// codes: every level's code, one a line, level 1 first.
int runCodesCommand(int argc, char** argv);

// play N [--seed S] [--ticks T] [--lives L] [--record FILE]: the autopilot plays level N of a
// new game; the last line is "cleared TICKS SCORE" or "not-cleared TICKS BRICKS_LEFT"; 0 only
// when cleared. With --record the game is also written to FILE as a replay.
int runPlayCommand(int argc, char** argv);

// replay FILE [--check]: plays a replay at full speed; the last line is "level L score S lives
// V ticks T". With --check every state check is compared and the first difference is printed
// ("difference at tick N: FIELD VALUE (recorded VALUE), ..."), exit 1. A file that is not a
// readable replay of this format and game version: a one-line reason, exit 2.
int runReplayCommand(int argc, char** argv);

// prove FILE [--seeds K] [--ticks T]: the autopilot plays every level of the set in FILE with
// seeds 1 to K (3); one line per level: "level N cleared C/K ticks MIN..MAX" or "level N
// not-cleared C/K", then where a seed got stuck ("stuck: ..."); last line "proved P/L". 0 only
// when every level was cleared by some seed; 1 otherwise; 2 for a file refused.
int runProveCommand(int argc, char** argv);

// Ends the replay being recorded and writes it to `path`; false, with a message, on failure.
bool saveRecordedGame(const char* path);

// soak [--seeds K] [--ticks T]: the autopilot plays every level and the random board with K
// seeds each, checking the game's invariants after every tick; 1 on any fault.
int runSoakCommand(int argc, char** argv);

// Reads a text option "--name VALUE" from the arguments, or returns nullptr.
const char* optionText(int argc, char** argv, const char* name);

// Reads an integer option "--name VALUE" from the arguments, or returns `fallback`.
long optionValue(int argc, char** argv, const char* name, long fallback);
