// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
//
// The level set reader under libFuzzer: any bytes as a .tessaron-levels file a player was
// sent. A set the reader accepts must hold only what the game can lay (places, kinds, groups,
// counts within their bounds, a brick to break in every level) and must read back the same
// from the writer's text; anything else is refused in one line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/level_set.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LevelSet set;
    std::string refusal;
    if (!readLevelSet(bytes, set, refusal)) {
        if (refusal.empty() || refusal.find('\n') != std::string::npos || !set.levels.empty()) std::abort();
        return 0;
    }
    if (set.levels.empty() || set.levels.size() > static_cast<std::size_t>(kMaxSetLevels)) std::abort();
    for (const LevelBoard& level : set.levels) {
        bool breakable = false;
        if (level.entries.size() > static_cast<std::size_t>(kBrickCount)) std::abort();
        for (const Brick& b : level.entries) {
            if (b.kind < 0 || b.kind > kBrickKinds || b.group < 0 || b.group > 5) std::abort();
            if (b.kind != 0 && (b.x < 0 || b.x > kRightmostBrickLeft || b.y < 0 || b.y > kLowestBrickTop)) std::abort();
            breakable = breakable || (b.kind != 0 && b.kind != kIndestructibleBrick);
        }
        if (!breakable) std::abort();
    }
    const std::string written = writeLevelSet(set);
    LevelSet again;
    if (!readLevelSet(written, again, refusal) || writeLevelSet(again) != written) std::abort();
    return 0;
}
