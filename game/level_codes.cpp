// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The level codes: the built-in table and the match of a typed text against it.
#include "game/level_codes.h"

#include <cstring>
#include <iterator>

#include "game/level_set.h"

std::array<std::array<char, 9>, kLevelCount + 1> levelCodes{};

namespace {

// The code of level i is entry i - 1: six characters of A-Z and 0-9, all different.
constexpr const char* kCodeTable[] = {
    "ENVOL7", "REBOND", "CARRE9", "PIXEL4", "ORAGE2",  //  1 to  5
    "FUSEE8", "LUTIN3", "MARBRE", "COMETE", "ZIGZAG",  //  6 to 10
    "TEMPO5", "VOLCAN", "RUBIS6", "CASTOR", "NEBULE",  // 11 to 15
    "GRELON", "CYCLON", "QUARTZ", "JAGUAR", "SAPHIR",  // 16 to 20
    "BOREAL", "KRAKEN", "TITAN8", "ZENITH", "APOGEE",  // 21 to 25
};
static_assert(std::size(kCodeTable) == kLevelCount, "one code for every level");

}  // namespace

void fillLevelCodes()
{
    levelCodes[0].fill('\0');
    for (int level = 1; level <= kLevelCount; ++level) {
        std::array<char, 9>& slot = levelCodes[static_cast<std::size_t>(level)];
        slot.fill('\0');
        std::strncpy(slot.data(), kCodeTable[level - 1], slot.size() - 1);
    }
}

int reachedLevelNumbered(const char* text)
{
    int level = 0;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || level > kMaxSetLevels) return 1;
        level = level * 10 + (*c - '0');
    }
    return level >= 1 && level <= game.levelSetReached ? level : 1;
}

int levelForCode(const char* text)
{
    if (text == nullptr || text[0] == '\0') return 1;
    for (int level = 1; level <= kLevelCount; ++level) {
        if (std::strcmp(levelCodes[static_cast<std::size_t>(level)].data(), text) == 0) return level;
    }
    return 1;
}
