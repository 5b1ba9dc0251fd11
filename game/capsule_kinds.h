// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The capsule kinds, one row each: how often a kind is drawn, the flag its lasting effect sets,
// its mark on the side panel and how much a careful player wants it. Everything that needs a
// property of a kind reads its row; the effect itself is applyBonus's case (bonuses.cpp).
#pragma once
#include <array>

#include "game/bonuses.h"
#include "game/game_state.h"

// A lasting effect's mark takes one of the side panel's slots; kinds that cannot be on together
// share one. The slots drawn are those the rows use.
constexpr int kNoMarkSlot = -1;

struct CapsuleKindRow {
    CapsuleKind kind;               // its enumerator: row i holds kind i
    int drawWeight;                 // its share of the kCapsuleDrawWays ways a released capsule's kind is drawn
    bool GameState::*lasting;       // the flag its lasting effect sets, cleared at each level start; nullptr: none
    const char* lastingName;        // that flag's name in a replay's state check
    int markSlot;                   // the side panel slot its mark takes while the flag is set, or kNoMarkSlot
    int (*wish)(const GameState&);  // how much a careful player wants it now: above 0 wanted, below 0 avoided
};

// clang-format off
inline constexpr std::array<CapsuleKindRow, kCapsuleKinds + 1> kCapsuleKindRows = {{
    {kNoCapsule, 0, nullptr, nullptr, kNoMarkSlot, [](const GameState&) { return 0; }},
    {kWiderPaddleCapsule, 6, &GameState::bonusWidePaddle, "bonusWidePaddle", 0,
     [](const GameState& s) { return s.paddleWidth < 90 && !s.bonusArmed ? 2 : 0; }},
    {kNarrowerPaddleCapsule, 5, &GameState::bonusNarrowPaddle, "bonusNarrowPaddle", 0,
     [](const GameState&) { return -2; }},
    {kFasterBallCapsule, 7, &GameState::bonusFastBall, "bonusFastBall", 1,
     [](const GameState&) { return 0; }},
    {kSlowerBallCapsule, 3, &GameState::bonusSlowBall, "bonusSlowBall", 1,
     [](const GameState&) { return 0; }},
    {kFireBallCapsule, 2, &GameState::bonusFireBall, "bonusFireBall", 2,
     [](const GameState& s) { return s.bonusFireBall ? -3 : 3; }},
    {kRandomDirectionsCapsule, 10, nullptr, nullptr, kNoMarkSlot,
     [](const GameState&) { return -1; }},
    {kExtraLifeCapsule, 2, nullptr, nullptr, kNoMarkSlot,
     [](const GameState& s) { return s.livesLeft < kMaxLives ? 3 : 0; }},
    {kLostLifeCapsule, 6, nullptr, nullptr, kNoMarkSlot,
     [](const GameState&) { return -4; }},
    {kMirroredPaddleCapsule, 5, &GameState::bonusMirror, "bonusMirror", 3,
     [](const GameState&) { return 0; }},
    {kStickyPaddleCapsule, 5, &GameState::bonusSticky, "bonusSticky", 0,
     [](const GameState& s) { return s.bonusSticky || s.bonusArmed ? 0 : 1; }},
    {kArmedPaddleCapsule, 7, &GameState::bonusArmed, "bonusArmed", 0,
     [](const GameState&) { return 2; }},
    {kSecondBallCapsule, 4, &GameState::bonusTwoBalls, "bonusTwoBalls", 2,
     [](const GameState& s) { return s.bonusFireBall ? -2 : (s.bonusTwoBalls ? 0 : 1); }},
    {kRandomBounceCapsule, 6, &GameState::bonusRandomBounce, "bonusRandomBounce", 0,
     [](const GameState& s) { return s.bonusRandomBounce ? 2 : -2; }},
}};
// clang-format on

// The row of a kind, 1 to kCapsuleKinds; kNoCapsule's row for any other value.
constexpr const CapsuleKindRow& capsuleKindRow(int kind)
{
    return kCapsuleKindRows[kind >= 1 && kind <= kCapsuleKinds ? static_cast<std::size_t>(kind) : 0];
}

// The ways a released capsule's kind is drawn from: the sum of the rows' weights.
constexpr int capsuleDrawWays()
{
    int ways = 0;
    for (const CapsuleKindRow& row : kCapsuleKindRows) ways += row.drawWeight;
    return ways;
}
constexpr int kCapsuleDrawWays = capsuleDrawWays();

// How many side panel slots the rows use: one past the highest.
constexpr int effectMarkSlotCount()
{
    int count = 0;
    for (const CapsuleKindRow& row : kCapsuleKindRows)
        if (row.markSlot + 1 > count) count = row.markSlot + 1;
    return count;
}
constexpr int kEffectMarkSlotCount = effectMarkSlotCount();

// How many kinds have a lasting effect, each with its own flag.
constexpr int lastingKindCount()
{
    int count = 0;
    for (const CapsuleKindRow& row : kCapsuleKindRows) count += row.lasting != nullptr ? 1 : 0;
    return count;
}
constexpr int kLastingKindCount = lastingKindCount();

// Whether a flag's name is that of a GameState bonus field: "bonus" and more.
constexpr bool namesAField(const char* name)
{
    for (const char c : {'b', 'o', 'n', 'u', 's'})
        if (*name++ != c) return false;
    return *name != '\0';
}

// Whether the table is whole: each row at its kind's place, drawn at least sometimes (kinds 1
// and up); a lasting effect with its own flag, its name and a mark slot, and no
// mark without one.
constexpr bool capsuleKindRowsWhole()
{
    for (std::size_t i = 0; i < kCapsuleKindRows.size(); ++i) {
        const CapsuleKindRow& row = kCapsuleKindRows[i];
        if (static_cast<std::size_t>(row.kind) != i) return false;
        if ((i == 0) != (row.drawWeight == 0) || row.drawWeight < 0) return false;
        if ((row.lasting == nullptr) != (row.lastingName == nullptr)) return false;
        if (row.lastingName != nullptr && !namesAField(row.lastingName)) return false;
        if ((row.lasting == nullptr) != (row.markSlot == kNoMarkSlot) || row.markSlot < kNoMarkSlot) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (row.lasting != nullptr && kCapsuleKindRows[j].lasting == row.lasting) return false;
    }
    return true;
}
static_assert(capsuleKindRowsWhole(), "every capsule kind has its row, and every lasting effect its own flag");
