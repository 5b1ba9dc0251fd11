// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay validator: a whole event stream checked before any of it is played.
#include "game/replay_validator.h"

#include <cstdint>

#include "game/replay_codec.h"

namespace {

constexpr std::int64_t kLongestGameTicks = 100000000;  // eleven days at the fastest pace

}  // namespace

bool validateStream(const std::string& stream, ReplayRefusal& refusal)
{
    std::size_t at = 0;
    StateCheck base{};
    std::int64_t ticks = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool checkedLast = false;  // the previous record checks the state at the current tick
    ReplayEvent event;
    while (decodeRecord(stream, at, base, event, refusal)) {
        switch (event.kind) {
        case Record::Ticks:
            ticks += event.value;
            if (ticks > kLongestGameTicks) {
                refusal = ReplayRefusal{ReplayReason::TooManyTicks};
                return false;
            }
            break;
        case Record::Check:
            if (event.value != ticks) {
                refusal = ReplayRefusal{ReplayReason::CheckOutOfOrder, event.value, ticks};
                return false;
            }
            base = event.check;
            break;
        case Record::Pointer:
            x += event.point.x;
            y += event.point.y;
            if (x < -kFarthestPointer || x > kFarthestPointer || y < -kFarthestPointer || y > kFarthestPointer) {
                refusal = ReplayRefusal{ReplayReason::PointerOffScreen};
                return false;
            }
            break;
        case Record::End:
            if (at != stream.size()) {
                refusal = ReplayRefusal{ReplayReason::BytesAfterEnd};
                return false;
            }
            if (!checkedLast) refusal = ReplayRefusal{ReplayReason::EndBeforeLastCheck};
            return checkedLast;
        default: break;
        }
        checkedLast = event.kind == Record::Check && event.value == ticks;
    }
    return false;
}
