// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay recorder: while replay.mode is Recording, the game's calls and the seam's answers
// are appended, in order, to replay.stream, with a state check every 100 ticks.
#pragma once
#include <cstdint>

#include "game/replay.h"

// Starts recording the game that is about to lay its first level (after newGameReset).
void beginRecording(Point pointer);

// Ends the recording: pending runs, a last check and the end record.
void endRecording();

// Records a handler call (before it runs); `atMs` is the caller's clock, used only for the
// waits between calls.
void recordCall(Handler handler, int argument, std::int64_t atMs);
// After a tick counted in replay.ticks: the state check when one is due.
void recordTickEnd();

// The seam's answers, recorded as they are given (see the seam* pass-throughs in replay.h).
void recordPointer(Point live);  // only when it differs from the previous reading
void recordAnswer(bool live, std::int64_t atMs);
void recordDialogText(std::int64_t atMs);  // the text left in pathBuffer
void recordClock(std::int64_t live);
void recordBestScore(std::int32_t scoreBefore, const char* nameBefore);  // only when it changed
