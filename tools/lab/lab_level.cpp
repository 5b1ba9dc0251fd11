// tessaron-lab level: the board a level lays, one line per brick.
#include <cstdio>
#include <cstdlib>

#include "game/game_state.h"
#include "game/random.h"
#include "tools/lab/lab_commands.h"

int runLevelCommand(int argc, char** argv)
{
    if (argc < 1) {
        std::fprintf(stderr, "usage: tessaron-lab level N [--seed S]\n");
        return 2;
    }
    seedRandom(static_cast<std::uint32_t>(optionValue(argc, argv, "--seed", 1)));
    game.currentLevel = static_cast<int>(std::strtol(argv[0], nullptr, 10));
    startLevel();
    for (int i = 0; i < kBrickCount; ++i) {
        const Brick& brick = game.brickTable[i];
        if (brick.kind == 0) continue;
        std::printf("%d %d %d %d %d\n", i, brick.x, brick.y, brick.kind, brick.group);
    }
    return 0;
}
