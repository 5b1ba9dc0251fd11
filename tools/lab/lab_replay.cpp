// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab replay: a recorded game played again on the null platform at full speed.
#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/replay_player.h"
#include "game/replay_recorder.h"
#include "screens/translation.h"
#include "shell/atomic_file.h"
#include "shell/printable_path.h"
#include "shell/replay_file.h"
#include "tools/lab/lab_commands.h"
#include "tools/lab/null_platform.h"

int runReplayCommand(int argc, char** argv)
{
    const char* path = nullptr;
    bool checking = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            checking = true;
        } else if (path == nullptr && argv[i][0] != '-') {
            path = argv[i];
        } else {
            path = nullptr;
            break;
        }
    }
    if (path == nullptr) {
        std::fputs(tr("Usage : tessaron-lab replay FICHIER [--check]\n"), stderr);
        return 2;
    }
    ReplayStart start;
    std::string stream;
    std::string reason;
    if (!loadReplay(path, start, stream, reason)) {
        std::fprintf(stderr, tr("tessaron-lab : %s : %s\n"), printablePath(path).c_str(), reason.c_str());
        return 2;
    }
    nullPlatform = NullPlatform{};
    beginPlayback(start, stream, checking);
    replay.keepsNoRecord = true;  // the lab replays a game; it keeps no one's record
    playToEnd();
    if (!replay.failure.empty()) {
        std::printf("difference at %s\n", replay.failure.c_str());
        return 1;
    }
    std::printf("level %d score %d lives %d ticks %ld\n", game.currentLevel, game.score, game.livesLeft, replay.ticks);
    return 0;
}

bool saveRecordedGame(const char* path)
{
    endRecording();
    std::string reason;
    if (writeFileAtomically(path, encodeReplay(replay.start, replay.stream), reason)) return true;
    std::fprintf(stderr, tr("tessaron-lab : %s : %s\n"), printablePath(path).c_str(), reason.c_str());
    return false;
}
