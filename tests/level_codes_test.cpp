// The level codes: the table's shape and the exact match of a typed text.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "game/level_codes.h"

namespace {

std::string codeOf(int level) { return levelCodes[static_cast<std::size_t>(level)].data(); }

TEST(LevelCodes, TwentyFiveDifferentCodesOfSixCapitalsOrDigits)
{
    fillLevelCodes();
    EXPECT_STREQ(levelCodes[0].data(), "");
    std::set<std::string> seen;
    for (int level = 1; level <= 25; ++level) {
        const std::string code = codeOf(level);
        SCOPED_TRACE(code);
        ASSERT_EQ(code.size(), 6u);
        for (const char c : code) EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
        seen.insert(code);
    }
    EXPECT_EQ(seen.size(), 25u);
}

TEST(LevelCodes, EveryCodeSelectsItsLevel)
{
    fillLevelCodes();
    for (int level = 1; level <= 25; ++level) EXPECT_EQ(levelForCode(codeOf(level).c_str()), level);
}

TEST(LevelCodes, OnlyTheExactCodeMatches)
{
    fillLevelCodes();
    const std::string code = codeOf(17);
    std::string lower = code;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

    EXPECT_EQ(levelForCode(""), 1);
    EXPECT_EQ(levelForCode(nullptr), 1);
    EXPECT_EQ(levelForCode(lower.c_str()), 1);
    EXPECT_EQ(levelForCode((" " + code).c_str()), 1);
    EXPECT_EQ(levelForCode((code + " ").c_str()), 1);
    EXPECT_EQ(levelForCode((code + "A").c_str()), 1);
    EXPECT_EQ(levelForCode(code.substr(0, 5).c_str()), 1);
    EXPECT_EQ(levelForCode("NOPE42"), 1);
    EXPECT_EQ(levelForCode(code.c_str()), 17);
}

}  // namespace
