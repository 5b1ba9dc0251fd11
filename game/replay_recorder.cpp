// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay recorder: the game's inputs and pointer readings appended to the event stream.
#include "game/replay_recorder.h"

#include <cstdint>
#include <cstring>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/replay_codec.h"

namespace {

constexpr int kTicksPerCheck = 100;
// Calls closer than this to the previous one are replayed without a wait: while the game
// timer runs (kStartTickIntervalMs at most), its ticks give the pace.
constexpr std::int64_t kShortestWaitMs = 30;

void flushRun()
{
    if (replay.run == Record::End) return;
    const auto kind = static_cast<std::uint8_t>(replay.run);
    if (replay.runLength < 16) {
        replay.stream.push_back(static_cast<char>(kind | replay.runLength << 4));
    } else {
        replay.stream.push_back(static_cast<char>(kind));
        putNumber(replay.stream, replay.runLength);
    }
    replay.run = Record::End;
    replay.runLength = 0;
}

void putTag(Record kind, int small)
{
    flushRun();
    replay.stream.push_back(static_cast<char>(static_cast<int>(kind) | small << 4));
}

void countInRun(Record kind)
{
    if (replay.run != kind) flushRun();
    replay.run = kind;
    replay.runLength += 1;
}

// An input after a pause of the player's is preceded by the pause.
void noteWait(std::int64_t atMs)
{
    if (replay.lastCallMs >= 0 && atMs - replay.lastCallMs >= kShortestWaitMs) {
        const auto waited = static_cast<std::uint64_t>(atMs - replay.lastCallMs);
        putTag(Record::Wait, 0);
        putNumber(replay.stream, waited < kLongestWaitMs ? waited : kLongestWaitMs);
    }
    if (replay.lastCallMs < 0 || atMs - replay.lastCallMs >= kShortestWaitMs || atMs < replay.lastCallMs) {
        replay.lastCallMs = atMs;
    }
}

void putCheck()
{
    const StateCheck now = checkOf(game);
    std::uint64_t changed = 0;
    for (int field = 0; field < kCheckFieldCount; ++field) {
        if (now[field] != replay.lastCheck[field]) changed |= std::uint64_t{1} << field;
    }
    putTag(Record::Check, 0);
    putNumber(replay.stream, static_cast<std::uint64_t>(replay.ticks));
    putNumber(replay.stream, changed);
    for (int field = 0; field < kCheckFieldCount; ++field) {
        if ((changed >> field & 1) != 0) putNumber(replay.stream, now[field]);
    }
    replay.lastCheck = now;
}

// A text of at most kLongestText bytes after its length.
void putText(const char* text)
{
    const std::size_t length = strnlen(text, kLongestText);
    putNumber(replay.stream, length);
    replay.stream.append(text, length);
}

}  // namespace

void recordCall(Handler handler, int argument, std::int64_t atMs, const char* text)
{
    if (handler == Handler::Timer) {
        // Ticks keep their own pace; they only move the base of the next wait.
        if (replay.lastCallMs < 0 || atMs - replay.lastCallMs >= kShortestWaitMs) replay.lastCallMs = atMs;
        countInRun(Record::Ticks);
        return;
    }
    noteWait(atMs);
    switch (handler) {
    case Handler::PointerMoved: countInRun(Record::Moves); break;
    case Handler::LeftButton: countInRun(Record::Clicks); break;
    case Handler::Key:
        putTag(Record::Key, 0);
        putNumber(replay.stream, static_cast<std::uint64_t>(argument) & 0xffff);
        break;
    case Handler::Answer: putTag(Record::Answer, argument != 0 ? 1 : 0); break;
    case Handler::Text:
        putTag(Record::Text, 0);
        putText(text);
        break;
    case Handler::RecordRead:
        putTag(Record::Best, 0);
        putNumber(replay.stream, zigzag(argument));
        putText(text);
        break;
    default: putTag(Record::Close, 0); break;
    }
}

void recordTickEnd()
{
    if (replay.ticks % kTicksPerCheck == 0) putCheck();
}

void recordPointer(Point live)
{
    const Point last = replay.lastPointer;
    if (live.x != last.x || live.y != last.y) {
        const std::int64_t dy = std::int64_t{live.y} - last.y;
        const bool smallDy = dy >= -7 && dy <= 7;
        putTag(Record::Pointer, smallDy ? static_cast<int>(dy + 8) : 0);
        putNumber(replay.stream, zigzag(std::int64_t{live.x} - last.x));
        if (!smallDy) putNumber(replay.stream, zigzag(dy));
        replay.lastPointer = live;
    }
}

void beginRecording(Point pointer)
{
    // The set is copied before the session is cleared: it may be the one a replay played.
    LevelSet played = game.levelSet != nullptr ? *game.levelSet : LevelSet{};
    const bool playedFromReplay = game.levelSet == &replay.start.levelSet;
    replay = ReplaySession{};
    replay.mode = ReplayMode::Recording;
    ReplayStart& start = replay.start;
    start.randomState = currentRandomState();
    start.level = game.currentLevel;
    start.livesLeft = game.livesLeft;
    start.soundEnabled = game.soundEnabled;
    start.levelIntroShown = game.mode == GameMode::LevelIntro ? 1 : 0;
    start.victoryShown = game.mode == GameMode::FinalPicture ? 1 : 0;
    start.bestScore = game.bestScore;
    start.bestScoreName = game.bestScoreName;
    start.bestScoreName.back() = '\0';
    start.pointer = pointer;
    start.cursor = game.cursorPos;
    start.levelSet = std::move(played);
    if (playedFromReplay) game.levelSet = &start.levelSet;
    replay.lastPointer = pointer;
}

void endRecording()
{
    if (replay.mode != ReplayMode::Recording) return;
    // The last check sees the game as a player who waited would: a pause, the applause or a
    // slide under way has ended.
    finishTimedModes();
    putCheck();
    putTag(Record::End, 0);
    replay.mode = ReplayMode::Off;
}
