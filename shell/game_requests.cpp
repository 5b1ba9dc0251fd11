// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game world's requests performed by the shell after each call of the game.
#include "shell/game_requests.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/platform.h"
#include "game/replay.h"
#include "game/window_events.h"
#include "screens/game_screen.h"
#include "screens/screen_state.h"
#include "screens/translation.h"
#include "screens/windows1252.h"
#include "shell/score_file.h"
#include "shell/sound_cues.h"

namespace {

// A line of the end screen from a UTF-8 text (one Windows-1252 cannot hold is left out).
// `lead` is French, drawn in the player's language.
void showLine(std::array<char, 128>& line, const char* lead, const std::string& utf8)
{
    std::string shown;
    if (utf8.empty() || !windows1252FromUtf8(utf8, shown)) shown.clear();
    const std::string drawnLead = *lead != '\0' ? drawnText(lead) : "";
    const std::string between = !drawnLead.empty() && !shown.empty() ? drawnText(" : ") : "";
    std::snprintf(line.data(), line.size(), "%s%s%s", drawnLead.c_str(), between.c_str(), shown.c_str());
}

// What the shell's read or save of the score file left in game.bestScore and bestScoreName goes
// back to what the game had, and reaches the game as an input (so a replay keeps it) when it
// differs.
void handOverRecord(std::int32_t scoreBefore, const std::array<char, 64>& nameBefore)
{
    const std::int32_t score = game.bestScore;
    const std::array<char, 64> name = game.bestScoreName;
    if (score == scoreBefore && std::strncmp(name.data(), nameBefore.data(), name.size()) == 0) return;
    game.bestScore = scoreBefore;
    game.bestScoreName = nameBefore;
    gameWindowRecordRead(score, name.data());
}

void perform(const FlowRequests& asked)
{
    const bool watched = replay.mode == ReplayMode::Playing;
    const int cues = asked.cueCount < kMostCuesAsked ? asked.cueCount : kMostCuesAsked;
    for (int i = 0; i < cues; ++i) playCueSound(asked.cues[static_cast<std::size_t>(i)]);
    if (asked.stopSounds) stopSounds();
    if (asked.startMusic) startMusic();
    if (asked.reloadRecord) {
        // A new end of a run: the lines of what the last one could not save are gone.
        screenState.recordNotSavedText[0] = '\0';
        screenState.replayNotSavedText[0] = '\0';
        const std::int32_t scoreBefore = game.bestScore;
        const std::array<char, 64> nameBefore = game.bestScoreName;
        if (!watched) reloadBestScore();
        handOverRecord(scoreBefore, nameBefore);
    }
    if (asked.saveRecord && !watched && !replay.keepsNoRecord) {
        // The save keeps a higher record written meanwhile by another game, and shows it.
        const std::int32_t scoreBefore = game.bestScore;
        const std::array<char, 64> nameBefore = game.bestScoreName;
        std::string reason;
        if (!saveScoreFile(reason))
            showLine(screenState.recordNotSavedText, drawnTextId("Record non enregistr\xe9"), reason);
        handOverRecord(scoreBefore, nameBefore);
    }
    if (asked.saveReplay) {
        showLine(screenState.replayNotSavedText, "", saveRunReplay());
        requestRepaint();
    }
}

}  // namespace

void performGameRequests()
{
    // A request performed may hand the game an input that asks for more.
    for (int round = 0; round < 4; ++round) {
        const FlowRequests asked = game.requests;
        game.requests = FlowRequests{};
        if (asked.cueCount == 0 && !asked.stopSounds && !asked.startMusic && !asked.reloadRecord && !asked.saveRecord &&
            !asked.saveReplay) {
            return;
        }
        perform(asked);
    }
}
