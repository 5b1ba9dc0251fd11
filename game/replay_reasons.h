// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Why a replay's events are refused, by a stable id and the numbers its text names: the game
// world keeps the id, and each side that shows it composes its text, in French (the game's own
// language, and the lab's lines that scripts read) or in the player's language.
#pragma once
#include <array>
#include <cstdint>
#include <string>

enum class ReplayReason : std::uint8_t {
    None,
    EventsCutShort,      // the stream ends inside a record, or before its End
    BadEvent,            // bytes that are no record; first: the byte after them
    TooManyTicks,        // more ticks than any game lasts
    CheckOutOfOrder,     // a state check of another tick; first: its tick, second: the tick reached
    PointerOffScreen,    // the pointer moved beyond any screen
    BytesAfterEnd,       // bytes after the End record
    EndBeforeLastCheck,  // no state check at the last tick before End
};
constexpr int kReplayReasonCount = 8;

// A refusal: its reason and the numbers its text names, in order.
struct ReplayRefusal {
    ReplayReason reason = ReplayReason::None;
    long long first = 0;
    long long second = 0;
};

// Each reason's text in French, a message id: a printf format of the refusal's numbers
// (each "%lld"), "" for None.
extern const std::array<const char*, kReplayReasonCount> kReplayReasonTexts;

// The refusal's text made from `format`: its reason's text, the French one or a translation
// with the same conversions.
std::string replayRefusalText(const ReplayRefusal& refusal, const char* format);

// The refusal's text in French.
std::string replayRefusalText(const ReplayRefusal& refusal);
