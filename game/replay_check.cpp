// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The state check of a replay.
#include "game/replay_check.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

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
    {"bonusWidePaddle", false, [](const GameState& s) { return zigzag(s.bonusWidePaddle); }},
    {"bonusNarrowPaddle", false, [](const GameState& s) { return zigzag(s.bonusNarrowPaddle); }},
    {"bonusFastBall", false, [](const GameState& s) { return zigzag(s.bonusFastBall); }},
    {"bonusSlowBall", false, [](const GameState& s) { return zigzag(s.bonusSlowBall); }},
    {"bonusFireBall", false, [](const GameState& s) { return zigzag(s.bonusFireBall); }},
    {"bonusMirror, Sticky, Armed, TwoBalls, RandomBounce", false,
     [](const GameState& s) {
         return zigzag(s.bonusMirror | s.bonusSticky << 1 | s.bonusArmed << 2 | s.bonusTwoBalls << 3 |
                       s.bonusRandomBounce << 4);
     }},
    {"gameOverShown", false, [](const GameState& s) { return zigzag(s.gameOverShown); }},
    {"levelIntroShown", false, [](const GameState& s) { return zigzag(s.levelIntroShown); }},
    {"victoryShown", false, [](const GameState& s) { return zigzag(s.victoryShown); }},
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
