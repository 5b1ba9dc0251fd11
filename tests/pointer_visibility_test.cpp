// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The pointer keeps out of the way of a ball in play and is back for everything else.
#include <gtest/gtest.h>

#include "shell/pointer_visibility.h"

namespace {

// The game's state for each case, the pointer over the playfield inside the window; then
// whether the pointer is drawn there, and whether it is drawn over the side panel.
TEST(PointerVisibility, HiddenOnlyOverABallInPlay)
{
    struct Row {
        const char* state;
        bool launched, paused, question;
        int intro, over, victory;
        bool shown;
    };
    const Row table[] = {
        {"waiting for the launch", false, false, false, 0, 0, 0, true},
        {"ball in play", true, false, false, 0, 0, 0, false},
        {"paused", true, true, false, 0, 0, 0, true},
        {"question open", true, false, true, 0, 0, 0, true},
        {"next level's intro", true, false, false, 1, 0, 0, true},
        {"end screen", true, false, false, 0, 1, 0, true},
        {"final picture", true, false, false, 0, 0, 1, true},
        {"paused before the launch", false, true, false, 0, 0, 0, true},
    };
    for (const Row& row : table) {
        GameState state;
        state.ballLaunched = row.launched;
        state.paused = row.paused;
        state.questionOpen = row.question;
        state.levelIntroShown = row.intro;
        state.gameOverShown = row.over;
        state.victoryShown = row.victory;
        for (const Point over : {Point{0, 0}, Point{240, 300}, Point{kPlayfieldWidth - 1, 549}})
            EXPECT_EQ(pointerShownOverGame(state, over, true, false), row.shown) << row.state << " " << over.x;
        // The side panel, beyond the window's edges, outside the window, or kept by the setting.
        for (const Point away : {Point{kPlayfieldWidth, 300}, Point{-1, 300}, Point{240, 550}, Point{240, -1}})
            EXPECT_TRUE(pointerShownOverGame(state, away, true, false)) << row.state << " " << away.x << "," << away.y;
        EXPECT_TRUE(pointerShownOverGame(state, Point{240, 300}, false, false)) << row.state << " outside";
        EXPECT_TRUE(pointerShownOverGame(state, Point{240, 300}, true, true)) << row.state << " kept shown";
    }
}

}  // namespace
