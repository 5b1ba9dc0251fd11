// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay codec: numbers and records of the event stream, to bytes and back.
#include "game/replay_codec.h"

#include <cstdint>
#include <string>

namespace {

std::int64_t unzigzag(std::uint64_t value)
{
    return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

}  // namespace

void putNumber(std::string& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7f) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

std::uint64_t zigzag(std::int64_t value)
{
    return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

bool getNumber(const std::string& in, std::size_t& at, std::uint64_t& value)
{
    value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (at >= in.size()) return false;
        const auto byte = static_cast<std::uint8_t>(in[at++]);
        if (shift == 63 && byte > 1) return false;
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) return true;
    }
    return false;
}

bool getSigned(const std::string& in, std::size_t& at, std::int64_t& value)
{
    std::uint64_t raw = 0;
    if (!getNumber(in, at, raw)) return false;
    value = unzigzag(raw);
    return true;
}

const char* recordName(Record kind)
{
    switch (kind) {
    case Record::Ticks: return "a tick";
    case Record::Moves: return "a pointer move";
    case Record::Clicks: return "a click";
    case Record::Key: return "a key";
    case Record::Close: return "a close request";
    case Record::Pointer: return "a pointer reading";
    case Record::Answer: return "an answer";
    case Record::Text: return "a dialog text";
    case Record::Check: return "a state check";
    case Record::Wait: return "a wait";
    case Record::Best: return "a record read again";
    default: return "the end";
    }
}

bool isRun(Record kind) { return kind == Record::Ticks || kind == Record::Moves || kind == Record::Clicks; }

bool isCall(Record kind)
{
    return isRun(kind) || kind == Record::Key || kind == Record::Close || kind == Record::Answer ||
           kind == Record::Text || kind == Record::Best;
}

// Reads the record at `at` into `event` (a run's count in event.value), the check's fields
// carried over from `base`. False, with the reason, when the bytes are not a record.
bool decodeRecord(const std::string& in, std::size_t& at, const StateCheck& base, ReplayEvent& event,
                  ReplayRefusal& refusal)
{
    if (at >= in.size()) {
        refusal = ReplayRefusal{ReplayReason::EventsCutShort};
        return false;
    }
    const auto tag = static_cast<std::uint8_t>(in[at++]);
    const int small = tag >> 4;
    event = ReplayEvent{};
    event.kind = static_cast<Record>(tag & 0x0f);
    std::uint64_t number = 0;
    switch (event.kind) {
    case Record::Ticks:
    case Record::Moves:
    case Record::Clicks:
        if (small != 0) {
            event.value = small;
            return true;
        }
        if (!getNumber(in, at, number) || number < 16 || number > 0xffffffffu) break;
        event.value = static_cast<std::int64_t>(number);
        return true;
    case Record::Key:
        if (small != 0 || !getNumber(in, at, number) || number > 0xffff) break;
        event.value = static_cast<std::int64_t>(number);
        return true;
    case Record::Close:
    case Record::End:
        if (small != 0) break;
        return true;
    case Record::Answer:
        if (small > 1) break;
        event.value = small;
        return true;
    case Record::Pointer: {
        std::int64_t dx = 0;
        std::int64_t dy = small - 8;
        if (!getSigned(in, at, dx)) break;
        if (small == 0 && !getSigned(in, at, dy)) break;
        if (dx < -kFarthestPointer || dx > kFarthestPointer || dy < -kFarthestPointer || dy > kFarthestPointer) break;
        event.point = Point{static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy)};
        return true;
    }
    case Record::Text:
        if (small != 0 || !getNumber(in, at, number) || number > kLongestText || number > in.size() - at) break;
        event.text.assign(in, at, static_cast<std::size_t>(number));
        at += static_cast<std::size_t>(number);
        if (event.text.find('\0') != std::string::npos) break;
        return true;
    case Record::Best:
        if (small != 0 || !getSigned(in, at, event.value) || event.value < INT32_MIN || event.value > INT32_MAX) break;
        if (!getNumber(in, at, number) || number > 63 || number > in.size() - at) break;
        event.text.assign(in, at, static_cast<std::size_t>(number));
        at += static_cast<std::size_t>(number);
        if (event.text.find('\0') != std::string::npos) break;
        return true;
    case Record::Wait:
        if (small != 0 || !getNumber(in, at, number) || number > kLongestWaitMs) break;
        event.value = static_cast<std::int64_t>(number);
        return true;
    case Record::Check: {
        if (small != 0 || !getNumber(in, at, number) || number > 0xffffffffu) break;
        event.value = static_cast<std::int64_t>(number);
        if (!getNumber(in, at, event.changed) || (event.changed >> kCheckFieldCount) != 0) break;
        event.check = base;
        bool whole = true;
        for (int field = 0; field < kCheckFieldCount && whole; ++field) {
            if ((event.changed >> field & 1) != 0) whole = getNumber(in, at, event.check[field]);
        }
        if (!whole) break;
        return true;
    }
    default: break;
    }
    refusal = ReplayRefusal{ReplayReason::BadEvent, static_cast<long long>(at)};
    return false;
}
