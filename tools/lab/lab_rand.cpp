// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab rand: values of the game's generator.
#include <cstdio>
#include <cstdlib>

#include "game/random.h"
#include "screens/translation.h"
#include "tools/lab/lab_commands.h"

int runRandCommand(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(tr("Usage : tessaron-lab rand GRAINE NOMBRE\n"), stderr);
        return 2;
    }
    seedRandom(static_cast<std::uint32_t>(std::strtoul(argv[0], nullptr, 10)));
    const long count = std::strtol(argv[1], nullptr, 10);
    for (long i = 0; i < count; ++i) std::printf("%d\n", nextRandom());
    return 0;
}
