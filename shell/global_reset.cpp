// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The screens' and the shell's state back to its program-start value.
#include "shell/global_reset.h"

#include <SDL_surface.h>

#include <vector>

#include "screens/screen_state.h"
#include "shell/shell_state.h"

namespace {

// Frees each loaded picture (every slot owns its surface: the loader never puts one surface in
// two slots). A slot added to Pictures changes its size and stops the build here until it is
// listed.
void freePictures(Pictures& pictures)
{
    std::vector<SDL_Surface*> slots = {pictures.buttonIcon,         pictures.buttonHoverIcon,
                                       pictures.menuBackground,     pictures.creditsBackground,
                                       pictures.lostBackground,     pictures.victoryPlate,
                                       pictures.levelBackground,    pictures.levelSetBackground,
                                       pictures.finishedBackground, pictures.finishedSetBackground,
                                       pictures.gameBackground,     pictures.armedPaddleIcon,
                                       pictures.stickyPaddleIcon,   pictures.bouncePaddleIcon,
                                       pictures.ballIconNormal,     pictures.ballIconFire};
    constexpr std::size_t kSingleSlots = 16;
    static_assert(
        sizeof(Pictures) == sizeof(SDL_Surface*) * (kSingleSlots + std::tuple_size_v<decltype(Pictures::bonusBitmaps)> +
                                                    std::tuple_size_v<decltype(Pictures::paddleIcons)> +
                                                    std::tuple_size_v<decltype(Pictures::brickBitmaps)>),
        "every slot of Pictures is freed");
    slots.insert(slots.end(), pictures.bonusBitmaps.begin(), pictures.bonusBitmaps.end());
    slots.insert(slots.end(), pictures.paddleIcons.begin(), pictures.paddleIcons.end());
    slots.insert(slots.end(), pictures.brickBitmaps.begin(), pictures.brickBitmaps.end());
    for (SDL_Surface* slot : slots) SDL_FreeSurface(slot);
}

}  // namespace

void resetScreenAndShellGlobals()
{
    freePictures(screenState.pictures);
    screenState = ScreenState{};
    shellState = ShellState{};
}
