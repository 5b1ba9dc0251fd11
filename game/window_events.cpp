// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's entry points: a new game recorded from its start, then each event one
// runHandler call at the platform's input time.
#include "game/window_events.h"

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
