// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's entry points: a new game recorded from its start, then each input one
// runHandler call at the platform's input time.
#include "game/window_events.h"

#include "game/flow.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "game/replay.h"
#include "game/replay_recorder.h"

void gameWindowNewGame()
{
    newGameReset();
    beginRecording(pointerPosition());
    startLevel();
}

void gameWindowPointerMoved() { runHandler(Handler::PointerMoved, 0, inputTimeMs()); }
void gameWindowLeftButton() { runHandler(Handler::LeftButton, 0, inputTimeMs()); }
void gameWindowKey(int virtualKey) { runHandler(Handler::Key, virtualKey, inputTimeMs()); }
void gameWindowTick() { runHandler(Handler::Timer, 0, inputTimeMs()); }
void gameWindowCloseRequest() { runHandler(Handler::Close, 0, inputTimeMs()); }
void gameWindowAnswer(bool yes) { runHandler(Handler::Answer, yes ? 1 : 0, inputTimeMs()); }
void gameWindowText(const char* text) { runHandler(Handler::Text, 0, inputTimeMs(), text); }
void gameWindowRecordRead(std::int32_t score, const char* name)
{
    runHandler(Handler::RecordRead, score, inputTimeMs(), name);
}
void gameWindowTimePassed(std::int64_t elapsedMs) { advanceFlow(elapsedMs); }
