// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's generator: its known sequence, its fifteen-bit range and exact reseeding.
#include <gtest/gtest.h>

#include "game/random.h"

TEST(Random, KnownSequenceFifteenBitsAndExactReseeding)
{
    seedRandom(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(nextRandom(), expected);
    seedRandom(0);
    EXPECT_EQ(nextRandom(), 38);
    seedRandom(123456789u);
    int first[100];
    for (int& value : first) {
        value = nextRandom();
        ASSERT_TRUE(value >= 0 && value <= 32767) << value;
    }
    seedRandom(123456789u);
    for (int value : first) EXPECT_EQ(nextRandom(), value);
}
