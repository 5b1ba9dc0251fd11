// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The one reset of the screens' and the shell's globals, as the fake's reset makes it between cases.
#include <gtest/gtest.h>

#include "screens/game_screen.h"
#include "screens/menu_buttons.h"
#include "screens/menu_screen.h"
#include "screens/pictures.h"
#include "shell/data_paths.h"
#include "shell/score_file.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

// Every global back at its program-start value and every picture slot emptied.
TEST(GlobalReset, PutsEveryScreenAndShellGlobalBackAsAtStart)
{
    installTestPictures();
    pauseTextX = pauseTextY = pauseTextDx = pauseTextDy = 7;
    menuButtons[kCreditsButton] = MenuButton{1, 1, 1, 1, 1, 1, 1, nullptr, nullptr, {'x'}};
    char* const texts[] = {recordNotSavedText.data(), replayNotSavedText.data(), selectedLevelText.data()};
    for (char* text : texts) text[0] = 'x';
    exeDir = dataDir = imageDir = soundDir = scoreFilePath = "/x";
    scoreFileUnreadable = watchingReplay = true;
    resetFakePlatform();
    EXPECT_EQ(std::tuple(pauseTextX, pauseTextY, pauseTextDx, pauseTextDy, menuButtons[kCreditsButton].x,
                         menuButtons[kCreditsButton].hovered, menuButtons[kCreditsButton].label[0], scoreFileUnreadable,
                         watchingReplay),
              std::tuple(0, 0, 2, 2, 0, 0, '\0', false, false));
    for (const char* text : texts) EXPECT_STREQ(text, "");
    EXPECT_EQ(exeDir + dataDir + imageDir + soundDir + scoreFilePath, "");
    for (const GamePicture& picture : gamePictures()) EXPECT_EQ(*picture.slot, nullptr) << picture.file;
}
