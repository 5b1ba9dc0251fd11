// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab level: the board a level lays, one line per brick.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/game_state.h"
#include "game/random.h"
#include "screens/translation.h"
#include "tools/lab/lab_commands.h"

namespace {

// Reads a whole decimal number within [low, high]; false on anything else.
bool readNumber(const char* text, long long low, long long high, long long& value)
{
    if (text == nullptr || *text == '\0') return false;
    errno = 0;
    char* end = nullptr;
    const long long read = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || read < low || read > high) return false;
    value = read;
    return true;
}

int usage()
{
    std::fprintf(stderr,
                 tr("Usage : tessaron-lab level N [--seed S]\n"
                    "  N : un numéro de niveau (hors de 1..%d, le tableau au hasard)\n"
                    "  S : la graine du générateur, 0..4294967295 (1 par défaut)\n"),
                 kLevelCount);
    return 2;
}

}  // namespace

int runLevelCommand(int argc, char** argv)
{
    long long level = 0;
    long long seed = 1;
    if (argc < 1 || !readNumber(argv[0], INT32_MIN, INT32_MAX, level)) return usage();
    for (int i = 1; i < argc; i += 2) {
        if (std::strcmp(argv[i], "--seed") != 0 || i + 1 >= argc) return usage();
        if (!readNumber(argv[i + 1], 0, UINT32_MAX, seed)) return usage();
    }

    seedRandom(static_cast<std::uint32_t>(seed));
    game.currentLevel = static_cast<std::int32_t>(level);
    startLevel();
    for (int i = 0; i < kBrickCount; ++i) {
        const Brick& brick = game.brickTable[i];
        if (brick.kind == 0) continue;
        std::printf("%d %d %d %d %d\n", i, brick.x, brick.y, brick.kind, brick.group);
    }
    return 0;
}
