// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// What recording a replay costs: the autopilot plays ten minutes of game time (from level 1 on,
// level after level, at the game timer's own intervals) without and with the recorder, and the
// recorded game is played back headless. Counters: the replay file's size and the game time
// played; the recorder's share of a core is (recorded - plain) / game time.
#include <benchmark/benchmark.h>

#include "game/game_state.h"
#include "game/replay_player.h"
#include "game/replay_recorder.h"
#include "shell/replay_file.h"
#include "tools/lab/autopilot.h"
#include "tools/lab/null_platform.h"

namespace {

constexpr std::int64_t kTenMinutesMs = 600000;

// Plays until ten minutes of ticks have passed (or the run ended); returns the game time.
std::int64_t playTenMinutes(bool recorded)
{
    nullPlatform = NullPlatform{};
    Autopilot pilot = startAutopilotGame(1, 99, 1, CapsuleHabit::Choosy, recorded);
    std::int64_t gameMs = 0;
    while (gameMs < kTenMinutesMs && playState() != PlayState::Over) {
        if (playState() == PlayState::Cleared) runHandler(Handler::LeftButton, 0, nullPlatform.clockMs);
        if (autopilotTurn(pilot)) gameMs += nullPlatform.timerInterval;
        nullPlatform.clockMs += 1;
    }
    if (recorded) endRecording();
    return gameMs;
}

void BM_TenMinutesPlain(benchmark::State& state)
{
    std::int64_t gameMs = 0;
    for (auto _ : state) gameMs = playTenMinutes(false);
    state.counters["game_s"] = static_cast<double>(gameMs) / 1000;
}

void BM_TenMinutesRecorded(benchmark::State& state)
{
    std::int64_t gameMs = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        gameMs = playTenMinutes(true);
        bytes = encodeReplay(replay.start, replay.stream).size();
    }
    state.counters["game_s"] = static_cast<double>(gameMs) / 1000;
    state.counters["file_kB"] = static_cast<double>(bytes) / 1000;
    state.counters["events_kB"] = static_cast<double>(replay.stream.size()) / 1000;
}

void BM_TenMinutesReplayed(benchmark::State& state)
{
    playTenMinutes(true);
    const ReplayStart start = replay.start;
    const std::string stream = replay.stream;
    for (auto _ : state) {
        nullPlatform = NullPlatform{};
        beginPlayback(start, stream, true);
        playToEnd();
    }
    state.counters["ticks"] = static_cast<double>(replay.ticks);
}

}  // namespace

BENCHMARK(BM_TenMinutesPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TenMinutesRecorded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TenMinutesReplayed)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
