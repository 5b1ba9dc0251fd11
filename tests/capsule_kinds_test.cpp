// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The kinds' rows hold for every kind: the draw, the lasting flags' reset, state check and
// effect, and the state check's own sensitivity to each value it hashes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "game/ball.h"
#include "game/bonuses.h"
#include "game/capsule_kinds.h"
#include "game/random.h"
#include "game/replay_check.h"
#include "tests/fake_platform.h"

namespace {

// The fields in which two checks differ, by name.
std::set<std::string> differingFields(const StateCheck& a, const StateCheck& b)
{
    std::set<std::string> names;
    for (int field = 0; field < kCheckFieldCount; ++field)
        if (a[static_cast<std::size_t>(field)] != b[static_cast<std::size_t>(field)])
            names.insert(checkFieldName(field));
    return names;
}

}  // namespace

// Each draw r of 0..ways-1 gives the kind whose run of weight-many draws holds it, in kind order.
TEST(CapsuleKinds, EachKindIsDrawnAsOftenAsItsWeight)
{
    int first = 0;
    for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
        const int weight = capsuleKindRow(kind).drawWeight;
        for (const int r : {first, first + weight - 1}) {
            std::uint32_t seed = 0;
            do seedRandom(++seed);
            while (nextRandom() % kCapsuleDrawWays != r);
            resetWorld(seed);
            EXPECT_EQ(releaseCapsule(50, 60), kind) << "draw " << r;
        }
        first += weight;
    }
    EXPECT_EQ(first, kCapsuleDrawWays);
}

// A lasting flag is cleared by a level start, set by its own kind's effect from a fresh level,
// and named in the state check, where it alone changes its own value.
TEST(CapsuleKinds, EveryLastingFlagIsResetCheckedAndSetByItsEffect)
{
    std::set<std::pair<std::string, std::uint64_t>> checked;  // each flag its field and value
    for (const CapsuleKindRow& row : kCapsuleKindRows) {
        if (row.lasting == nullptr) continue;
        SCOPED_TRACE(row.lastingName);
        resetWorld();
        startLevel();
        const StateCheck fresh = checkOf(game);
        game.*row.lasting = true;
        const StateCheck set = checkOf(game);
        const std::set<std::string> fields = differingFields(fresh, set);
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_NE(fields.begin()->find(row.lastingName + std::strlen("bonus")), std::string::npos) << *fields.begin();
        EXPECT_EQ(fields.begin()->rfind("bonus"), 0u) << "a field's name says \"bonus\" once: " << *fields.begin();
        for (int field = 0; field < kCheckFieldCount; ++field)
            if (fields.count(checkFieldName(field)) != 0) checked.emplace(checkFieldName(field), set[field]);
        startLevel();
        EXPECT_FALSE(game.*row.lasting);
        applyBonus(row.kind);
        EXPECT_TRUE(game.*row.lasting);
    }
    EXPECT_EQ(checked.size(), static_cast<std::size_t>(kLastingKindCount));
}

// Every kind does something on a level in play, so none can be left without its effect, and
// the autopilot has a wish for it.
TEST(CapsuleKinds, EveryKindChangesTheGame)
{
    for (int kind = 1; kind <= kCapsuleKinds; ++kind) {
        resetWorld(7);
        startLevel();
        game.livesLeft = 2;
        game.ballLaunched = true;
        const StateCheck before = checkOf(game);
        applyBonus(kind);
        EXPECT_NE(checkOf(game), before) << "kind " << kind;
        EXPECT_NE(capsuleKindRow(kind).wish, nullptr) << "kind " << kind;
    }
}

// A ball's every value enters its hash: the smallest step and a change of sign each show.
TEST(CapsuleKinds, TheStateCheckSeesEveryBallValueToItsLastBit)
{
    for (double Ball::*value : {&Ball::x, &Ball::y, &Ball::vx, &Ball::vy, &Ball::angle}) {
        for (const int ball : {0, 1}) {
            resetWorld();
            game.balls[static_cast<std::size_t>(ball)] = Ball{100.5, 200.25, 3.0, -2.0, -1.0, BallIcon::Normal, 0};
            const StateCheck before = checkOf(game);
            double& changed = game.balls[static_cast<std::size_t>(ball)].*value;
            const double kept = changed;
            for (const double other : {std::nextafter(kept, 1e9), -kept}) {
                changed = other;
                EXPECT_EQ(differingFields(before, checkOf(game)),
                          std::set<std::string>{ball == 0 ? "balls[0]" : "balls[1]"})
                    << other;
            }
        }
    }
}

// The second ball's resting offset is checked while that ball rests on the paddle, and only then:
// a replay of a game where it moved departs there, a game with one ball or the second in flight
// does not, whatever offset it kept from before.
TEST(CapsuleKinds, TheStateCheckSeesTheSecondBallsOffsetOnlyWhileItRests)
{
    const int cases[][3] = {{2, 1, true}, {2, 0, false}, {1, 1, false}, {1, 0, false}};
    for (const auto& [balls, held, checked] : cases) {
        resetWorld();
        game.ballCount = balls;
        game.balls[1].held = held;
        game.heldOffset[1] = 5;
        const StateCheck before = checkOf(game);
        game.heldOffset[1] = -5;
        EXPECT_EQ(differingFields(before, checkOf(game)),
                  checked ? std::set<std::string>{"heldOffset[1]"} : std::set<std::string>{})
            << balls << " balls, the second held " << held;
    }
}
