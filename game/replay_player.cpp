// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay player: the event stream drives the game's handlers and answers for the seam.
#include "game/replay_player.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "game/controls.h"
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
    std::string reason;
    if (!decodeRecord(replay.stream, replay.readAt, replay.lastCheck, event, reason)) {
        stopPlayback(reason);
        return false;
    }
    if (isCall(event.kind) && event.kind != Record::Key && event.kind != Record::Close) {
        replay.runKind = event.kind;
        replay.runLeft = static_cast<std::uint32_t>(event.value - 1);
    }
    if (event.kind == Record::Check) replay.lastCheck = event.check;
    return true;
}

// Whether a call may be played while a question is open. The game holds under a question, so
// a recorded game holds nothing there but the pause that the focus gone elsewhere gives; a key
// that would ask again inside the open question, or any other call, is not from this game.
bool callAllowedUnderQuestion(const ReplayEvent& call)
{
    return call.kind == Record::Key && call.value != kKeyF12 && call.value != kKeyEscape;
}

// While playing, a seam answer takes the records up to it in a loop at this one depth: the waits
// the player took to answer and, under a question, the pauses. Anything else before the answer
// is a departure, so no record can open a question inside the question awaiting it.
bool takeAnswer(Record wanted, const char* wantedName, ReplayEvent& answer)
{
    while (!replay.stopped) {
        const ReplayEvent next = peekReplay();
        if (next.kind == wanted) return takeRecord(answer);
        const bool pause = wanted == Record::Answer && callAllowedUnderQuestion(next);
        if (next.kind != Record::Wait && !pause) {
            departure(wantedName, next.kind);
            return false;
        }
        playNextRecord();
    }
    return false;
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

bool playedAnswer()
{
    ReplayEvent answer;
    return takeAnswer(Record::Answer, "an answer", answer) && answer.value == 1;
}

void playedDialogText()
{
    ReplayEvent answer;
    if (takeAnswer(Record::Text, "a dialog text", answer)) {
        std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", answer.text.c_str());
    }
}

std::int64_t playedClock()
{
    if (replay.stopped) return replay.lastClock;
    const ReplayEvent next = peekReplay();
    ReplayEvent reading;
    if (next.kind != Record::Clock) {
        departure("a clock reading", next.kind);
    } else if (takeRecord(reading)) {
        replay.lastClock += reading.value;
    }
    return replay.lastClock;
}

void playedBestScore()
{
    if (replay.stopped || replay.runLeft > 0) return;
    ReplayEvent best;
    if (peekReplay().kind != Record::Best || !takeRecord(best)) return;
    game.bestScore = static_cast<std::int32_t>(best.value);
    std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%s", best.text.c_str());
}

void beginPlayback(const ReplayStart& start, const std::string& stream, bool checking)
{
    replay = ReplaySession{};
    replay.start = start;
    replay.stream = stream;
    replay.checking = checking;
    replay.lastPointer = start.pointer;

    game = GameState{};
    game.currentLevel = start.level;
    game.soundEnabled = start.soundEnabled;
    game.bestScore = start.bestScore;
    game.bestScoreName = start.bestScoreName;
    game.bestScoreName.back() = '\0';
    game.cursorPos = start.cursor;
    newGameReset();
    game.livesLeft = start.livesLeft;
    game.levelIntroShown = start.levelIntroShown;
    game.victoryShown = start.victoryShown;
    seedRandom(start.randomState);
    // The level is laid as the recorded game laid it, seam answers included.
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
    std::string reason;
    if (!decodeRecord(replay.stream, at, replay.lastCheck, event, reason)) event = ReplayEvent{};
    return event;
}

bool playNextRecord()
{
    if (replay.stopped || replay.mode != ReplayMode::Playing) return false;
    ReplayEvent event;
    if (!takeRecord(event)) return false;
    if (game.questionOpen && isCall(event.kind) && !callAllowedUnderQuestion(event)) {
        departure("an answer", event.kind);
        return false;
    }
    switch (event.kind) {
    case Record::Ticks: runHandler(Handler::Timer, 0, 0); break;
    case Record::Moves: runHandler(Handler::PointerMoved, 0, 0); break;
    case Record::Clicks: runHandler(Handler::LeftButton, 0, 0); break;
    case Record::Key: runHandler(Handler::Key, static_cast<int>(event.value), 0); break;
    case Record::Close: runHandler(Handler::Close, 0, 0); break;
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

bool replayAnswerDue()
{
    if (replay.mode != ReplayMode::Playing) return false;
    const Record next = peekReplay().kind;
    return replay.stopped || next == Record::Answer || next == Record::Text;
}
