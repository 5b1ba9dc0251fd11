// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
//
// The replay reader under libFuzzer: any bytes as a replay file a player was sent. Each input
// is read, and when the reader accepts it, played to its end on the null platform with every
// state check, as `tessaron-lab replay --check` plays it. An input must be refused or played
// through: no crash, no endless recursion, memory bounded.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/replay_player.h"
#include "shell/replay_file.h"
#include "tools/lab/null_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReplayStart start;
    std::string stream;
    std::string reason;
    if (!decodeReplay(bytes, start, stream, reason)) return 0;
    nullPlatform = NullPlatform{};
    beginPlayback(start, stream, true);
    replay.keepsNoRecord = true;
    playToEnd();
    return 0;
}
