// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay player: while replay.mode is Playing, replay.stream drives the game window's
// handlers and gives the seam's answers, so the game takes the recorded course.
#pragma once
#include <cstdint>
#include <string>

#include "game/replay.h"

// Sets up the game from `start` and lays its first level, ready to play `stream` back.
void beginPlayback(const ReplayStart& start, const std::string& stream, bool checking);

// Playback. The next record, without taking it; End once stopped.
ReplayEvent peekReplay();
// Plays the next record: a handler call, a wait (skipped) or a check (compared when
// checking). Returns false once stopped.
bool playNextRecord();
// Plays every record to the end headless.
void playToEnd();

// Stops the playback where it stands (the watcher left).
void stopReplay();

// While playing: the next record answers a question or a dialog (or the playback stopped), so
// an open question or dialog closes and takes its answer.
bool replayAnswerDue();

// The seam's answers taken from the stream (see the seam* pass-throughs in replay.h); each
// stops the playback with a reason when the stream holds something else.
Point playedPointer();       // the last reading when the next record is no pointer reading
bool playedAnswer();         // false once stopped
void playedDialogText();     // into pathBuffer; left as it is once stopped
std::int64_t playedClock();  // the last reading once stopped
void playedBestScore();      // only when the next record is a record read again
