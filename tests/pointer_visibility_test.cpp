// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The pointer keeps out of the way of a ball in play and is back for everything else.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "shell/pointer_visibility.h"

namespace {

// The game's state for each case, the pointer over the playfield inside the window; then
// whether the pointer is drawn there, and whether it is drawn over the side panel.
TEST(PointerVisibility, HiddenOnlyOverABallInPlay)
{
    // launched, paused, the mode; pointer shown.
    const std::tuple<int, int, GameMode, int> table[] = {
        {0, 0, GameMode::Playing, 1},   {1, 0, GameMode::Playing, 0},      {1, 1, GameMode::Playing, 1},
        {1, 0, GameMode::Question, 1},  {1, 0, GameMode::Applause, 1},     {1, 0, GameMode::LevelIntro, 1},
        {1, 0, GameMode::EndScreen, 1}, {1, 0, GameMode::FinalPicture, 1}, {0, 1, GameMode::Playing, 1},
    };
    for (const auto& [launched, paused, mode, shownThere] : table) {
        GameState state;
        std::tie(state.ballLaunched, state.paused, state.mode) = std::tuple(launched, paused, mode);
        const std::string name = std::to_string(launched) + std::to_string(paused) + std::to_string(int(mode));
        for (const Point over : {Point{0, 0}, Point{240, 300}, Point{kPlayfieldWidth - 1, 549}})
            EXPECT_EQ(pointerShownOverGame(state, over, true, false), shownThere == 1) << name << " " << over.x;
        // The side panel, beyond the window's edges, outside the window, or kept by the setting.
        for (const Point away : {Point{kPlayfieldWidth, 300}, Point{-1, 300}, Point{240, 550}, Point{240, -1}})
            EXPECT_TRUE(pointerShownOverGame(state, away, true, false)) << name << " " << away.x << "," << away.y;
        EXPECT_TRUE(pointerShownOverGame(state, {240, 300}, false, false) &&
                    pointerShownOverGame(state, {240, 300}, true, true))
            << name << " outside, or kept shown";
    }
}

}  // namespace
