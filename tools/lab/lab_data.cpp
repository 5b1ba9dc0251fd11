// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab score, code and codes: the score-file reader and the level codes.
#include <cerrno>
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/translation.h"
#include "screens/windows1252.h"
#include "shell/printable_path.h"
#include "shell/regular_file.h"
#include "shell/score_file.h"
#include "shell/shell_state.h"
#include "tools/lab/lab_commands.h"

int runScoreCommand(int argc, char** argv)
{
    if (argc < 1) {
        std::fputs(tr("Usage : tessaron-lab score FICHIER\n"), stderr);
        return 2;
    }
    shellState.scoreFilePath = argv[0];
    // A file that is not there or cannot be read is told apart from a record: the game would
    // write the defaults in the first case and leave the file alone in the second.
    std::string probe;
    if (!readRegularFile(shellState.scoreFilePath, 1, probe)) {
        const int error = errno;
        std::fprintf(stderr, tr("tessaron-lab : %s : %s\n"), printablePath(shellState.scoreFilePath).c_str(),
                     error == ENOENT || error == ENOTDIR ? tr("fichier introuvable")
                     : error == EINVAL                   ? tr("pas un fichier ordinaire")
                     : error == EACCES                   ? tr("lecture refusée")
                                                         : tr("lecture impossible"));
        return 1;
    }
    // Only reads: a file without a record shows the defaults and is left as it is.
    peekScoreFile();
    // The name is Windows-1252, as the file holds it; the terminal reads UTF-8.
    const std::string name = utf8FromWindows1252(game.bestScoreName.data());
    std::printf("[%s] %d\n", name.c_str(), game.bestScore);
    return 0;
}

int runCodeCommand(int argc, char** argv)
{
    if (argc < 1) {
        std::fputs(tr("Usage : tessaron-lab code TEXTE\n"), stderr);
        return 2;
    }
    fillLevelCodes();
    std::printf("%d\n", levelForCode(argv[0]));
    return 0;
}

int runCodesCommand(int, char**)
{
    fillLevelCodes();
    for (int level = 1; level <= kLevelCount; ++level) {
        std::printf("%s\n", levelCodes[static_cast<std::size_t>(level)].data());
    }
    return 0;
}
