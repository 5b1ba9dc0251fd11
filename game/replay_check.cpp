// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The state check of a replay.
#include "game/replay_check.h"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "game/capsule_kinds.h"

namespace {

std::uint64_t zigzag(std::int64_t value)
{
    return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

// FNV-1a, fed with explicit little-endian words so that padding never enters the hash.
struct Hash {
    std::uint64_t h = 1469598103934665603ull;
    void byte(std::uint8_t b)
    {
        h ^= b;
        h *= 1099511628211ull;
    }
    void word(std::uint64_t w)
    {
        for (int i = 0; i < 8; ++i) byte(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    void real(double d)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &d, sizeof bits);
        word(bits);
    }
    std::uint64_t value() const { return (h ^ (h >> 32)) & 0xffffffffu; }
};

std::uint64_t ballHash(const Ball& ball)
{
    Hash hash;
    hash.real(ball.x);
    hash.real(ball.y);
    hash.real(ball.vx);
    hash.real(ball.vy);
    hash.real(ball.angle);
    hash.word(static_cast<std::uint64_t>(ball.icon));
    hash.word(zigzag(ball.held));
    return hash.value();
}

std::uint64_t bricksHash(const GameState& s)
{
    Hash hash;
    for (const Brick& brick : s.brickTable) {
        hash.word(zigzag(brick.kind));
        if (brick.kind == 0) continue;
        hash.word(zigzag(brick.x));
        hash.word(zigzag(brick.y));
        hash.word(zigzag(brick.group));
    }
    return hash.value();
}

// Capsules and shots: an entry's liveness, and its place only while it is live.
template <typename Table, typename Live>
std::uint64_t entriesHash(const Table& table, Live liveness)
{
    Hash hash;
    for (const auto& entry : table) {
        const std::int32_t live = liveness(entry);
        hash.word(zigzag(live));
        if (live == 0) continue;
        hash.word(zigzag(entry.x));
        hash.word(zigzag(entry.y));
    }
    return hash.value();
}

std::uint64_t capsulesHash(const GameState& s)
{
    return entriesHash(s.bonusTable, [](const FallingBonus& capsule) { return capsule.kind; });
}

std::uint64_t shotsHash(const GameState& s)
{
    return entriesHash(s.shotTable, [](const Shot& shot) { return shot.active; });
}

std::uint64_t nameHash(const GameState& s)
{
    Hash hash;
    for (char c : s.bestScoreName) {
        if (c == '\0') break;
        hash.byte(static_cast<std::uint8_t>(c));
    }
    return hash.value();
}

// The lasting effects' flags in the capsule rows' order: the first kOwnFlagFields each a field
// of its own, the others packed as the bits of one field, so that a new kind's flag is checked
// without a new field.
constexpr int kOwnFlagFields = 5;
static_assert(kLastingKindCount > kOwnFlagFields && kLastingKindCount - kOwnFlagFields < 63,
              "the packed field holds every flag past the first five");

// The row of the n-th lasting flag, counted from 0.
constexpr const CapsuleKindRow& lastingRow(int n)
{
    for (const CapsuleKindRow& row : kCapsuleKindRows)
        if (row.lasting != nullptr && n-- == 0) return row;
    return kCapsuleKindRows[0];
}

template <int N>
std::uint64_t ownFlag(const GameState& s)
{
    return zigzag(s.*lastingRow(N).lasting);
}

std::uint64_t packedFlags(const GameState& s)
{
    std::uint64_t bits = 0;
    for (int n = kOwnFlagFields; n < kLastingKindCount; ++n)
        bits |= static_cast<std::uint64_t>(s.*lastingRow(n).lasting) << (n - kOwnFlagFields);
    return zigzag(static_cast<std::int64_t>(bits));
}

// The packed field's name: the first flag's whole name, then the others without "bonus".
constexpr std::size_t kBonusPrefix = 5;
constexpr std::array<char, 160> packedFlagsName()
{
    std::array<char, 160> text{};
    std::size_t at = 0;
    for (int n = kOwnFlagFields; n < kLastingKindCount; ++n) {
        const char* name = lastingRow(n).lastingName;
        if (n > kOwnFlagFields) {
            text[at++] = ',';
            text[at++] = ' ';
            name += kBonusPrefix;
        }
        while (*name != '\0') text[at++] = *name++;
    }
    return text;
}
constexpr std::array<char, 160> kPackedFlagsName = packedFlagsName();

struct CheckField {
    const char* name;
    bool hashed;
    std::uint64_t (*value)(const GameState&);
};

// The second ball's resting offset only matters while that ball rests on the paddle.
constexpr CheckField kFields[kCheckFieldCount] = {
    {"score", false, [](const GameState& s) { return zigzag(s.score); }},
    {"bestScore", false, [](const GameState& s) { return zigzag(s.bestScore); }},
    {"bestScoreName", true, nameHash},
    {"livesLeft", false, [](const GameState& s) { return zigzag(s.livesLeft); }},
    {"currentLevel", false, [](const GameState& s) { return zigzag(s.currentLevel); }},
    {"soundEnabled", false, [](const GameState& s) { return zigzag(s.soundEnabled); }},
    {"shotsLeft", false, [](const GameState& s) { return zigzag(s.shotsLeft); }},
    {"ballLaunched", false, [](const GameState& s) { return zigzag(s.ballLaunched); }},
    {"paused", false, [](const GameState& s) { return zigzag(s.paused); }},
    {"tickIntervalMs", false, [](const GameState& s) { return zigzag(s.tickIntervalMs); }},
    {"speedUpTally", false, [](const GameState& s) { return zigzag(s.speedUpTally); }},
    {"ballSpeed", false, [](const GameState& s) { return zigzag(s.ballSpeed); }},
    {"ballCount", false, [](const GameState& s) { return zigzag(s.ballCount); }},
    {"paddleX", false, [](const GameState& s) { return zigzag(s.paddleX); }},
    {"paddleWidth", false, [](const GameState& s) { return zigzag(s.paddleWidth); }},
    {"heldOffset[0]", false, [](const GameState& s) { return zigzag(s.heldOffset[0]); }},
    {"heldOffset[1]", false,
     [](const GameState& s) { return s.ballCount == 2 && s.balls[1].held == 1 ? zigzag(s.heldOffset[1]) : 0; }},
    {"bricksBroken", false, [](const GameState& s) { return zigzag(s.bricksBroken); }},
    {"cursorPos.x", false, [](const GameState& s) { return zigzag(s.cursorPos.x); }},
    {"cursorPos.y", false, [](const GameState& s) { return zigzag(s.cursorPos.y); }},
    {"balls[0]", true, [](const GameState& s) { return ballHash(s.balls[0]); }},
    {"balls[1]", true, [](const GameState& s) { return ballHash(s.balls[1]); }},
    {"brickTable", true, bricksHash},
    {"bonusTable", true, capsulesHash},
    {"shotTable", true, shotsHash},
    {lastingRow(0).lastingName, false, ownFlag<0>},
    {lastingRow(1).lastingName, false, ownFlag<1>},
    {lastingRow(2).lastingName, false, ownFlag<2>},
    {lastingRow(3).lastingName, false, ownFlag<3>},
    {lastingRow(4).lastingName, false, ownFlag<4>},
    {kPackedFlagsName.data(), false, packedFlags},
    {"mode", false, [](const GameState& s) { return zigzag(static_cast<std::int64_t>(s.mode)); }},
};

}  // namespace

StateCheck checkOf(const GameState& state)
{
    StateCheck check{};
    for (int i = 0; i < kCheckFieldCount; ++i) check[i] = kFields[i].value(state);
    return check;
}

const char* checkFieldName(int field) { return field >= 0 && field < kCheckFieldCount ? kFields[field].name : "?"; }

void describeCheckValue(int field, std::uint64_t value, char* text, int size)
{
    if (field < 0 || field >= kCheckFieldCount || kFields[field].hashed) {
        std::snprintf(text, static_cast<std::size_t>(size), "#%08" PRIx64, value);
        return;
    }
    // Undo the zigzag coding of the scalar.
    const std::int64_t number = static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
    std::snprintf(text, static_cast<std::size_t>(size), "%" PRId64, number);
}
