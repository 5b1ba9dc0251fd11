// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The credits window's picture: the credits and the help are part of it.
#include "screens/credits_screen.h"

#include "screens/drawing_surface.h"
#include "screens/pictures.h"
#include "screens/screen_state.h"

void drawCredits(SDL_Surface* target)
{
    if (target == nullptr) return;
    SDL_Surface* frame = beginFrame(740, 700);
    if (frame == nullptr) return;
    // The credits' font (25, weight 30) is chosen but no text is drawn: the picture holds it.
    drawPicture(frame, screenState.pictures.creditsBackground, 0, 0, 740, 560);
    endFrame(frame, target, 0);
}
