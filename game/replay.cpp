// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Replays: the game's inputs and pointer readings routed to the recorder or the player.
#include "game/replay.h"

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/replay_player.h"
#include "game/replay_recorder.h"

ReplaySession replay;

void runHandler(Handler handler, int argument, std::int64_t atMs, const char* text)
{
    // A question holds the game: a timer call under it is no tick, and no record.
    if (handler == Handler::Timer && game.mode == GameMode::Question) return;
    if (replay.mode == ReplayMode::Recording) recordCall(handler, argument, atMs, text);
    // An input comes once the pause, the applause or the slide before it is over; the record read
    // again as a run ends arrives while its end screen slides in.
    if (handler != Handler::RecordRead) finishTimedModes();
    // A tick counts from its start, as the state checks number it.
    const bool tick = handler == Handler::Timer && replay.mode != ReplayMode::Off;
    if (tick) replay.ticks += 1;
    switch (handler) {
    case Handler::Timer: gameTimerElapsed(); break;
    case Handler::PointerMoved: gamePointerMoved(); break;
    case Handler::LeftButton: gameLeftButtonDown(); break;
    case Handler::Key: gameKeyDown(argument); break;
    case Handler::Close: gameCloseRequested(); break;
    case Handler::Answer: questionAnswered(argument != 0); break;
    case Handler::Text: textEntered(text); break;
    case Handler::RecordRead: recordRead(argument, text); break;
    }
    if (tick && replay.mode == ReplayMode::Recording) recordTickEnd();
}

Point seamPointer()
{
    const Point live = pointerPosition();
    if (replay.mode == ReplayMode::Recording) recordPointer(live);
    return replay.mode == ReplayMode::Playing ? playedPointer() : live;
}
