// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Everything the screens keep from one call to the next, in one global that goes back to its
// program-start value by assignment from its defaults, so that a field added here cannot be
// missed by the reset (shell/global_reset.cpp). ctest `state_in_structs` fails on a variable of
// the screens kept anywhere else.
#pragma once
#include <array>
#include <cstdint>

#include "screens/font_paths.h"
#include "screens/game_window_paint.h"
#include "screens/menu_buttons.h"
#include "screens/pictures.h"

struct ScreenState {
    // The end screen's line under the score when the record could not be saved, Windows-1252;
    // empty otherwise.
    std::array<char, 128> recordNotSavedText{};
    // The end screen's line when the run's replay could not be saved, Windows-1252, under the
    // record's line when both failed; empty otherwise.
    std::array<char, 128> replayNotSavedText{};
    std::int32_t pauseTextX = 0;  // top-left of the pause text; kept across pauses
    std::int32_t pauseTextY = 0;
    std::int32_t pauseTextDx = 2;  // step of the pause text per paint, 2 or -2
    std::int32_t pauseTextDy = 2;
    // The game window shows a recorded game: the side panel's help and the end screen's last
    // line say so and tell how to leave it.
    bool watchingReplay = false;
    ShownPaint shownPaint;  // what the game window's last paint left on its surface

    // The line "Niveau sélectionné : N" as last drawn, Windows-1252.
    std::array<char, 64> selectedLevelText{};
    // A notice the player must hear of, two lines of Windows-1252 text drawn small under the
    // menu's buttons (a missing font, settings that could not be saved); empty for none.
    std::array<std::array<char, 64>, 2> menuNotice{};
    // Whether the menu offers sets of levels besides the built-in one. Only then does it show
    // the set played, on a line over the selected level that a click (or Left and Right) changes.
    bool menuOffersLevelSets = false;
    std::array<MenuButton, kMenuButtonEntries> menuButtons{};  // by MenuButtonId

    Pictures pictures;            // the loaded pictures; the shell's asset loading fills them
    FontPathCache fontPathCache;  // where the faces were found, and the cache file that keeps it
};

// The screens' state; the shell's reset frees the pictures, then assigns ScreenState{}.
extern ScreenState screenState;
