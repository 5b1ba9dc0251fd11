// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay codec: the event stream is a run of records, each a tag byte (the kind in the low
// four bits, a small value in the high four) and unsigned LEB128 numbers; signed numbers are
// zigzag-coded.
#pragma once
#include <cstdint>
#include <string>

#include "game/platform.h"
#include "game/replay_check.h"
#include "game/replay_reasons.h"

// How far the stream's values may reach; a record beyond them is malformed.
constexpr std::uint64_t kLongestWaitMs = 3600000;
constexpr std::uint64_t kLongestText = 999;
constexpr std::int64_t kFarthestPointer = 1000000;

// The stream's records, in the low four bits of each record's first byte.
enum class Record : std::uint8_t {
    Ticks = 1,  // a run of timer inputs (count)
    Moves,      // a run of pointer-moved inputs (count)
    Clicks,     // a run of left-button inputs (count)
    Key,        // a key input (virtual-key code)
    Close,      // a close request
    Pointer,    // the pointer read by the game, when it differs from the previous reading
    Answer,     // a Yes/No question's answer
    Text,       // the text a dialog was closed with
    Check,      // the state check after a tick (tick number, changed fields)
    Wait,       // milliseconds the player let pass before the next input
    End,        // the game window closed; nothing may follow
    Best,       // the record read again at the end of a run, or kept by its save (score, holder)
};

// One record read from the stream (a run is read one call at a time).
struct ReplayEvent {
    Record kind = Record::End;
    std::int64_t value = 0;     // key code, answer, wait, record's score, tick of a check
    Point point{};              // pointer difference
    std::string text;           // dialog text, record's holder
    std::uint64_t changed = 0;  // check: the fields that changed since the previous check
    StateCheck check{};         // check: every field's value (unchanged ones carried over)
};

// Appends `value` to `out` as an unsigned LEB128 number.
void putNumber(std::string& out, std::uint64_t value);

// A signed number as putNumber stores it: zigzag-coded, small magnitudes small.
std::uint64_t zigzag(std::int64_t value);

// Reads an unsigned LEB128 number at `at` and moves `at` past it; false when the bytes end
// first or the number does not fit 64 bits.
bool getNumber(const std::string& in, std::size_t& at, std::uint64_t& value);

// Reads a zigzag-coded number at `at` as getNumber does.
bool getSigned(const std::string& in, std::size_t& at, std::int64_t& value);

// A record's kind as a reason names it ("a tick", "an answer", ...).
const char* recordName(Record kind);

// Whether the record is an input of the game window (a tick, move, click, key, close, answer,
// text or record read again).
bool isCall(Record kind);

// Whether the record counts a run of like inputs (ticks, moves, clicks).
bool isRun(Record kind);

// Reads the record at `at` into `event` (a run's count in event.value), the check's fields
// carried over from `base`, and moves `at` past it. False, with the reason in `refusal`, when
// the bytes are not a record.
bool decodeRecord(const std::string& in, std::size_t& at, const StateCheck& base, ReplayEvent& event,
                  ReplayRefusal& refusal);
