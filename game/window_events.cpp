// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's entry points, each one runHandler call at the platform's input time.
#include "game/window_events.h"

#include "game/platform.h"
#include "game/replay.h"

void gameWindowPointerMoved() { runHandler(Handler::PointerMoved, 0, inputTimeMs()); }
void gameWindowLeftButton() { runHandler(Handler::LeftButton, 0, inputTimeMs()); }
void gameWindowKey(int virtualKey) { runHandler(Handler::Key, virtualKey, inputTimeMs()); }
void gameWindowTick() { runHandler(Handler::Timer, 0, inputTimeMs()); }
void gameWindowCloseRequest() { runHandler(Handler::Close, 0, inputTimeMs()); }
