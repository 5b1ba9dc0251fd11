// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level codes: twenty-five codes of six capitals or digits, each selecting its level on an exact match.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/game_state.h"
#include "game/level_codes.h"

TEST(LevelCodes, EachOfTwentyFiveCodesSelectsItsLevelOnAnExactMatch)
{
    fillLevelCodes();
    EXPECT_STREQ(levelCodes[0].data(), "");
    std::set<std::string> seen;
    for (int level = 1; level <= kLevelCount; ++level) {
        const std::string code = levelCodes[static_cast<std::size_t>(level)].data();
        ASSERT_EQ(code.size(), 6u) << level;
        for (const char c : code) EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << code;
        seen.insert(code);
        EXPECT_EQ(levelForCode(code.c_str()), level);
    }
    EXPECT_EQ(seen.size(), 25u);
    const std::string code = levelCodes[17].data();
    std::string lower = code;
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const std::string& text : {std::string(), lower, " " + code, code + "A", code.substr(0, 5)}) {
        EXPECT_EQ(levelForCode(text.c_str()), 1) << "'" << text << "'";
    }
    EXPECT_EQ(levelForCode(nullptr), 1);
}
