// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Replays: the game's handler calls and the seam's answers routed to the recorder or the player.
#include "game/replay.h"

#include "game/controls.h"
#include "game/game_state.h"
#include "game/replay_player.h"
#include "game/replay_recorder.h"

ReplaySession replay;

void runHandler(Handler handler, int argument, std::int64_t atMs)
{
    // A question holds the game: a timer call under it is no tick, and no record.
    if (handler == Handler::Timer && game.questionOpen) return;
    if (replay.mode == ReplayMode::Recording) recordCall(handler, argument, atMs);
    // A tick counts from its start: a run that ends inside it (its last ball lost) ends its
    // replay there, with this tick among those recorded.
    const bool tick = handler == Handler::Timer && replay.mode != ReplayMode::Off;
    if (tick) replay.ticks += 1;
    switch (handler) {
    case Handler::Timer: gameTimerElapsed(); break;
    case Handler::PointerMoved: gamePointerMoved(); break;
    case Handler::LeftButton: gameLeftButtonDown(); break;
    case Handler::Key: gameKeyDown(argument); break;
    case Handler::Close: gameCloseRequested(); break;
    }
    if (tick && replay.mode == ReplayMode::Recording) recordTickEnd();
}

Point seamPointer()
{
    const Point live = pointerPosition();
    if (replay.mode == ReplayMode::Recording) recordPointer(live);
    return replay.mode == ReplayMode::Playing ? playedPointer() : live;
}

bool seamAnswer(const char* text)
{
    const bool live = askYesNo(text);
    if (replay.mode == ReplayMode::Recording) recordAnswer(live, inputTimeMs());
    return replay.mode == ReplayMode::Playing ? playedAnswer() : live;
}

void seamDialogText(TextDialog dialog)
{
    runTextDialog(dialog);
    if (replay.mode == ReplayMode::Recording) recordDialogText(inputTimeMs());
    if (replay.mode == ReplayMode::Playing) playedDialogText();
}

std::int64_t seamClock()
{
    const std::int64_t live = localTimeMs();
    if (replay.mode == ReplayMode::Recording) recordClock(live);
    return replay.mode == ReplayMode::Playing ? playedClock() : live;
}

void seamBestScore(std::int32_t scoreBefore, const char* nameBefore)
{
    if (replay.mode == ReplayMode::Recording) recordBestScore(scoreBefore, nameBefore);
    if (replay.mode == ReplayMode::Playing) playedBestScore();
}
