// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The credits window's picture: how to play, what each capsule does, and who made the game.
#pragma once
#include <SDL_surface.h>

#include "tools/make-data/picture_layout.h"

// The credits picture's rows. The left column holds the controls, then the bricks' heading and
// rows placed below the last control; the right column the capsules. Both must end above the
// meander over the credits at the foot.
constexpr int kCreditsFootTop = 476;
constexpr RowStack kControlRows{152, 21, 20};
constexpr RowStack kCapsuleRows{152, 25, 20};
constexpr int kBrickLines = 4;

// The top of the bricks' heading below `controlLines` control lines, and the bricks' rows.
constexpr int bricksHeadingTop(int controlLines) { return stackEnd(kControlRows, controlLines) + 3; }
constexpr RowStack brickRows(int controlLines) { return RowStack{bricksHeadingTop(controlLines) + 40, 22, 20}; }

// Whether that many control and capsule lines stay above the foot, as faults named for make-data.
inline LayoutFaults creditsRowFaults(int controlLines, int capsuleLines)
{
    LayoutFaults faults;
    checkRows(faults, "credits.bmp", "brick lines below the controls", brickRows(controlLines), kBrickLines,
              kCreditsFootTop, "the space above the credits");
    checkRows(faults, "credits.bmp", "capsule lines", kCapsuleRows, capsuleLines, kCreditsFootTop,
              "the space above the credits");
    return faults;
}

// Draws credits.bmp, 700 x 550; nullptr, with what overflowed on stderr, when a line would leave its box.
SDL_Surface* drawCreditsBackground();
