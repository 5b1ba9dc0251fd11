// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay player: while replay.mode is Playing, replay.stream gives the game its inputs and
// pointer readings again, so the game takes the recorded course.
#pragma once
#include <cstdint>
#include <string>

#include "game/replay.h"

// Sets up the game from `start` and lays its first level, ready to play `stream` back.
void beginPlayback(const ReplayStart& start, const std::string& stream, bool checking);

// Playback. The next record, without taking it; End once stopped.
ReplayEvent peekReplay();
// Plays the next record: an input (a pause, the applause or a slide under way finished first), a
// wait (skipped) or a check (compared when checking). Returns false once stopped.
bool playNextRecord();
// Plays every record to the end headless.
void playToEnd();

// Stops the playback where it stands (the watcher left).
void stopReplay();

// The pointer reading taken from the stream (see seamPointer in replay.h): the last reading when
// the next record is no pointer reading.
Point playedPointer();
