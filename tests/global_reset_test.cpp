// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The one reset of the screens' and the shell's state, as the fake's reset makes it between cases.
#include <gtest/gtest.h>

#include <memory>

#include "screens/screen_state.h"
#include "shell/shell_state.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

// Both structs back at their defaults, whatever part of them a case changed (the texts, the
// pause text's path, the menu, the window's paint memory, the font cache, the directories, the
// record's file, the asset loading, the settings and the sets), and every picture freed with its
// slot emptied.
TEST(GlobalReset, PutsTheScreensAndTheShellStateBackAsAtStart)
{
    installTestPictures();
    const auto screenDefaults = std::make_unique<ScreenState>();
    const ShellState shellDefaults;
    ScreenState& s = screenState;
    s.replayNotSavedText[0] = s.selectedLevelText[0] = s.menuNotice[1][0] = s.menuButtons[kCreditsButton].label[0] =
        'x';
    s.pauseTextDx = s.pauseTextY = s.menuButtons[kQuitButton].textDx = 7;
    s.watchingReplay = s.menuOffersLevelSets = s.shownPaint.playScreen = s.fontPathCache.loaded = true;
    s.fontPathCache.cacheFile = shellState.soundDir = shellState.scoreFilePath = shellState.playerSettings.path = "/x";
    shellState.scoreFileUnreadable = true;
    shellState.assetLoading.nextStep = shellState.levelSetChoice.chosen = 3;
    resetFakePlatform();
    const ScreenState& d = *screenDefaults;
    EXPECT_EQ(
        std::tuple(s.replayNotSavedText, s.selectedLevelText, s.menuNotice, s.pauseTextDx, s.pauseTextY,
                   s.menuButtons[kCreditsButton].label, s.menuButtons[kQuitButton].textDx, s.watchingReplay,
                   s.menuOffersLevelSets, s.shownPaint.playScreen, s.fontPathCache.loaded, s.fontPathCache.cacheFile),
        std::tuple(d.replayNotSavedText, d.selectedLevelText, d.menuNotice, d.pauseTextDx, d.pauseTextY,
                   d.menuButtons[kCreditsButton].label, d.menuButtons[kQuitButton].textDx, d.watchingReplay,
                   d.menuOffersLevelSets, d.shownPaint.playScreen, d.fontPathCache.loaded, d.fontPathCache.cacheFile));
    const ShellState& h = shellState;
    EXPECT_EQ(std::tuple(h.soundDir, h.scoreFilePath, h.playerSettings.path, h.scoreFileUnreadable,
                         h.assetLoading.nextStep, h.levelSetChoice.chosen),
              std::tuple(shellDefaults.soundDir, shellDefaults.scoreFilePath, shellDefaults.playerSettings.path,
                         shellDefaults.scoreFileUnreadable, shellDefaults.assetLoading.nextStep,
                         shellDefaults.levelSetChoice.chosen));
    for (const GamePicture& picture : gamePictures()) EXPECT_EQ(*picture.slot, nullptr) << picture.file;
}
