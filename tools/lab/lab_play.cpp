// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab play: the autopilot plays one level of a new game.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/controls.h"
#include "game/game_state.h"
#include "game/level_set.h"
#include "screens/translation.h"
#include "shell/level_set_file.h"
#include "tools/lab/autopilot.h"
#include "tools/lab/lab_commands.h"

int runPlayCommand(int argc, char** argv)
{
    if (argc < 1) {
        std::fputs(tr("Usage : tessaron-lab play N [--seed S] [--ticks T] [--lives L] [--record FICHIER] [--levels "
                      "FICHIER]\n"),
                   stderr);
        return 2;
    }
    const int level = static_cast<int>(std::strtol(argv[0], nullptr, 10));
    const auto seed = static_cast<std::uint32_t>(optionValue(argc, argv, "--seed", 1));
    const long maxTicks = optionValue(argc, argv, "--ticks", 500000);
    const int lives = static_cast<int>(optionValue(argc, argv, "--lives", 5));

    const char* recordTo = optionText(argc, argv, "--record");
    // A level of a player's set; its replay carries the set, so it plays without the file.
    const char* setFile = optionText(argc, argv, "--levels");
    LevelSet set;
    if (setFile != nullptr) {
        std::string refusal;
        if (!loadLevelSetFile(setFile, set, refusal)) {
            std::fprintf(stderr, "%s\n", refusal.c_str());
            return 2;
        }
        if (level < 1 || level > static_cast<int>(set.levels.size())) {
            std::fprintf(stderr, tr("tessaron-lab : le jeu de niveaux n'a pas de niveau %d\n"), level);
            return 2;
        }
        game.levelSet = &set;
    }

    Autopilot pilot = startAutopilotGame(level, lives, seed, CapsuleHabit::Choosy, recordTo != nullptr);
    while (pilot.ticks < maxTicks && playState() == PlayState::Playing) autopilotTurn(pilot);
    const bool saved = recordTo == nullptr || saveRecordedGame(recordTo);
    game.levelSet = nullptr;
    if (!saved) return 2;

    std::printf("balls lost %ld (given up in a loop %ld)\n", pilot.livesLost, pilot.ballsGivenUp);
    if (playState() == PlayState::Cleared) {
        std::printf("cleared %ld %d\n", pilot.ticks, game.score);
        return 0;
    }
    std::printf("not-cleared %ld %d\n", pilot.ticks, countBricksLeft());
    return 1;
}
