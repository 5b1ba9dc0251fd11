// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab prove: the autopilot plays every level of a set with several seeds and says,
// for each, whether it was cleared and, when not, where it got stuck.
#include <cstdio>
#include <string>
#include <vector>

#include "game/controls.h"
#include "game/game_state.h"
#include "game/level_reach.h"
#include "game/level_set.h"
#include "screens/translation.h"
#include "shell/level_set_file.h"
#include "tools/lab/autopilot.h"
#include "tools/lab/lab_commands.h"

namespace {

// The first brick to break left on the board, as "x y"; empty when none is.
std::string firstBrickLeft()
{
    for (const Brick& brick : game.brickTable) {
        if (brick.kind != kNoBrick && brick.kind != kIndestructibleBrick) {
            return std::to_string(brick.x) + " " + std::to_string(brick.y);
        }
    }
    return "";
}

// Plays `level` with each seed and prints its line; true when some seed cleared it.
bool proveLevel(const LevelSet& set, int level, long seeds, long maxTicks)
{
    const std::vector<int> sealed = unreachableBricks(set.levels[static_cast<std::size_t>(level - 1)].entries);
    if (!sealed.empty()) {
        const Brick& first =
            set.levels[static_cast<std::size_t>(level - 1)].entries[static_cast<std::size_t>(sealed[0])];
        std::printf("level %d not-cleared 0/%ld stuck: %zu bricks out of reach, first at %d %d\n", level, seeds,
                    sealed.size(), first.x, first.y);
        return false;
    }
    long cleared = 0, fastest = 0, slowest = 0;
    std::string stuck;
    for (long seed = 1; seed <= seeds; ++seed) {
        game.levelSet = &set;
        Autopilot pilot = startAutopilotGame(level, 5, static_cast<std::uint32_t>(seed), CapsuleHabit::Choosy);
        while (pilot.ticks < maxTicks && playState() == PlayState::Playing) autopilotTurn(pilot);
        if (playState() == PlayState::Cleared) {
            fastest = cleared == 0 || pilot.ticks < fastest ? pilot.ticks : fastest;
            slowest = pilot.ticks > slowest ? pilot.ticks : slowest;
            ++cleared;
        } else if (stuck.empty()) {
            const char* why = pilot.ballsGivenUp > 0           ? "a ball in a loop"
                              : playState() == PlayState::Over ? "every ball lost"
                                                               : "out of ticks";
            stuck = "seed " + std::to_string(seed) + " " + why + ", " + std::to_string(countBricksLeft()) +
                    " bricks left, first at " + firstBrickLeft();
        }
    }
    game.levelSet = nullptr;
    std::printf("level %d %s %ld/%ld", level, cleared > 0 ? "cleared" : "not-cleared", cleared, seeds);
    if (cleared > 0) std::printf(" ticks %ld..%ld", fastest, slowest);
    if (!stuck.empty()) std::printf(" stuck: %s", stuck.c_str());
    std::printf("\n");
    return cleared > 0;
}

}  // namespace

int runProveCommand(int argc, char** argv)
{
    const long seeds = optionValue(argc, argv, "--seeds", 3);
    const long maxTicks = optionValue(argc, argv, "--ticks", 500000);
    if (argc < 1 || argv[0][0] == '-' || seeds < 1 || seeds > 1000 || maxTicks < 1) {
        std::fputs(tr("Usage : tessaron-lab prove FICHIER.tessaron-levels [--seeds K] [--ticks T]\n"), stderr);
        return 2;
    }
    LevelSet set;
    std::string refusal;
    if (!loadLevelSetFile(argv[0], set, refusal)) {
        std::fprintf(stderr, "%s\n", refusal.c_str());
        return 2;
    }
    std::printf("set %s by %s: %zu levels, seeds 1 to %ld\n", set.name.c_str(), set.author.c_str(), set.levels.size(),
                seeds);
    int proved = 0;
    for (int level = 1; level <= static_cast<int>(set.levels.size()); ++level) {
        proved += proveLevel(set, level, seeds, maxTicks);
    }
    std::printf("proved %d/%zu\n", proved, set.levels.size());
    return proved == static_cast<int>(set.levels.size()) ? 0 : 1;
}
