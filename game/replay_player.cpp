// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay player: the event stream gives the game its inputs and pointer readings again.
#include "game/replay_player.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/replay_codec.h"

namespace {

void stopPlayback(const std::string& why)
{
    replay.stopped = true;
    if (replay.failure.empty()) replay.failure = why;
}

void departure(const char* wanted, Record found)
{
    stopPlayback("tick " + std::to_string(replay.ticks) + ": the game asked for " + wanted +
                 " where the record holds " + recordName(found));
}

void compareCheck(const ReplayEvent& event)
{
    if (event.value != replay.ticks) {
        stopPlayback("tick " + std::to_string(replay.ticks) + ": the record checks tick " +
                     std::to_string(event.value));
        return;
    }
    // The last check was taken once the timed modes had ended.
    if (peekReplay().kind == Record::End) finishTimedModes();
    if (!replay.checking) return;
    const StateCheck now = checkOf(game);
    std::string differences;
    for (int field = 0; field < kCheckFieldCount; ++field) {
        if (now[field] == event.check[field]) continue;
        char played[32];
        char recorded[32];
        describeCheckValue(field, now[field], played, sizeof played);
        describeCheckValue(field, event.check[field], recorded, sizeof recorded);
        differences += std::string(differences.empty() ? "" : ", ") + checkFieldName(field) + " " + played +
                       " (recorded " + recorded + ")";
    }
    if (!differences.empty()) stopPlayback("tick " + std::to_string(replay.ticks) + ": " + differences);
}

// Takes the next record whole, or one call of a run.
bool takeRecord(ReplayEvent& event)
{
    if (replay.runLeft > 0) {
        replay.runLeft -= 1;
        event = ReplayEvent{};
        event.kind = replay.runKind;
        return true;
    }
    ReplayRefusal refusal;
    if (!decodeRecord(replay.stream, replay.readAt, replay.lastCheck, event, refusal)) {
        stopPlayback(replayRefusalText(refusal));
        return false;
    }
    if (isRun(event.kind)) {
        replay.runKind = event.kind;
        replay.runLeft = static_cast<std::uint32_t>(event.value - 1);
    }
    if (event.kind == Record::Check) replay.lastCheck = event.check;
    return true;
}

}  // namespace

Point playedPointer()
{
    // An unchanged reading is not recorded: the pointer stays where it was last read.
    if (!replay.stopped && replay.runLeft == 0 && peekReplay().kind == Record::Pointer) {
        ReplayEvent event;
        if (takeRecord(event)) {
            const std::int64_t x = std::int64_t{replay.lastPointer.x} + event.point.x;
            const std::int64_t y = std::int64_t{replay.lastPointer.y} + event.point.y;
            if (x < -kFarthestPointer || x > kFarthestPointer || y < -kFarthestPointer || y > kFarthestPointer) {
                stopPlayback("une position du pointeur hors de tout écran");
            } else {
                replay.lastPointer = Point{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
            }
        }
    }
    return replay.lastPointer;
}

void beginPlayback(const ReplayStart& start, const std::string& stream, bool checking)
{
    replay = ReplaySession{};
    replay.start = start;
    replay.stream = stream;
    replay.checking = checking;
    replay.lastPointer = start.pointer;

    game = GameState{};
    // The boards are the ones the replay carries, never a file of the watcher's.
    game.levelSet = replay.start.levelSet.levels.empty() ? nullptr : &replay.start.levelSet;
    game.currentLevel = start.level;
    game.soundEnabled = start.soundEnabled;
    game.bestScore = start.bestScore;
    game.bestScoreName = start.bestScoreName;
    game.bestScoreName.back() = '\0';
    game.cursorPos = start.cursor;
    newGameReset();
    game.livesLeft = start.livesLeft;
    if (start.levelIntroShown != 0) game.mode = GameMode::LevelIntro;
    if (start.victoryShown != 0) game.mode = GameMode::FinalPicture;
    seedRandom(start.randomState);
    // The level is laid as the recorded game laid it.
    replay.mode = ReplayMode::Playing;
    startLevel();
}

ReplayEvent peekReplay()
{
    ReplayEvent event;
    if (replay.stopped || replay.mode != ReplayMode::Playing) return event;
    if (replay.runLeft > 0) {
        event.kind = replay.runKind;
        event.value = replay.runLeft;
        return event;
    }
    std::size_t at = replay.readAt;
    ReplayRefusal refusal;
    if (!decodeRecord(replay.stream, at, replay.lastCheck, event, refusal)) event = ReplayEvent{};
    return event;
}

bool playNextRecord()
{
    if (replay.stopped || replay.mode != ReplayMode::Playing) return false;
    ReplayEvent event;
    if (!takeRecord(event)) return false;
    switch (event.kind) {
    case Record::Ticks: runHandler(Handler::Timer, 0, 0); break;
    case Record::Moves: runHandler(Handler::PointerMoved, 0, 0); break;
    case Record::Clicks: runHandler(Handler::LeftButton, 0, 0); break;
    case Record::Key: runHandler(Handler::Key, static_cast<int>(event.value), 0); break;
    case Record::Close: runHandler(Handler::Close, 0, 0); break;
    case Record::Answer: runHandler(Handler::Answer, static_cast<int>(event.value), 0); break;
    case Record::Text: runHandler(Handler::Text, 0, 0, event.text.c_str()); break;
    case Record::Best: runHandler(Handler::RecordRead, static_cast<int>(event.value), 0, event.text.c_str()); break;
    case Record::Wait: break;
    case Record::Check: compareCheck(event); break;
    case Record::End:
        replay.stopped = true;
        if (replay.readAt != replay.stream.size()) stopPlayback("des octets suivent l'événement de fin");
        break;
    default: departure("a call", event.kind); break;
    }
    return !replay.stopped;
}

void playToEnd()
{
    while (playNextRecord()) {
    }
}

void stopReplay() { replay.stopped = true; }
