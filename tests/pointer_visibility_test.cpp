// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The pointer keeps out of the way of a ball in play and is back for everything else.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "shell/pointer_visibility.h"

namespace {

// For each state of the game, the pointer is hidden only where it lies in the window over the
// playfield, with a ball in play and without pointer_in_play = shown.
TEST(PointerVisibility, HiddenOnlyOverABallInPlay)
{
    // Launched, paused, question open, level intro, end screen, final picture; a ball in play.
    const std::array<int, 7> table[] = {{0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 1}, {1, 1, 0, 0, 0, 0, 0},
                                        {1, 0, 1, 0, 0, 0, 0}, {1, 0, 0, 1, 0, 0, 0}, {1, 0, 0, 0, 1, 0, 0},
                                        {1, 0, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 0, 0}};
    // The pointer, in the window or not, kept shown or not; whether it lies over the playfield.
    const std::tuple<Point, bool, bool, bool> places[] = {
        {{0, 0}, true, false, true},      {{240, 300}, true, false, true},   {{479, 549}, true, false, true},
        {{480, 300}, true, false, false}, {{-1, 300}, true, false, false},   {{240, 550}, true, false, false},
        {{240, -1}, true, false, false},  {{240, 300}, false, false, false}, {{240, 300}, true, true, false}};
    for (const auto& row : table) {
        GameState state;
        std::tie(state.levelIntroShown, state.gameOverShown, state.victoryShown) = std::tie(row[3], row[4], row[5]);
        std::tie(state.ballLaunched, state.paused, state.questionOpen) = std::tuple(row[0], row[1], row[2]);
        for (const auto& [point, inWindow, kept, over] : places)
            EXPECT_EQ(pointerShownOverGame(state, point, inWindow, kept), !(over && row[6] == 1))
                << ::testing::PrintToString(row) << " at " << point.x << "," << point.y << " " << inWindow << kept;
    }
}

}  // namespace
