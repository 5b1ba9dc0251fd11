// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay recorder: while replay.mode is Recording, the game's inputs and pointer readings
// are appended, in order, to replay.stream, with a state check every 100 ticks.
#pragma once
#include <cstdint>

#include "game/replay.h"

// Starts recording the game that is about to lay its first level (after newGameReset).
void beginRecording(Point pointer);

// Ends the recording: pending runs, the timed modes finished, a last check and the end record.
void endRecording();

// Records an input (before it is handled); `atMs` is the caller's clock, used only for the
// waits between inputs; `text` is a dialog's text or the record's holder.
void recordCall(Handler handler, int argument, std::int64_t atMs, const char* text);
// After a tick counted in replay.ticks: the state check when one is due.
void recordTickEnd();

// The pointer as the game read it, only when it differs from the previous reading.
void recordPointer(Point live);
