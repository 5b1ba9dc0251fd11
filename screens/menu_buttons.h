// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's buttons: the drawn ones top to bottom, and entry kNoMenuButton, never drawn, which
// takes the hover mark when the pointer is over no button (only the drawn ones are cleared at
// each move).
#pragma once
#include <array>
#include <cstdint>

struct SDL_Surface;

// An entry of menuButtons: the button a click, a hover or the gamepad names.
enum MenuButtonId : std::int32_t {
    kNoMenuButton = 0,     // over no button; never drawn
    kStartButton = 1,      // "Commencer"
    kLevelCodeButton = 2,  // "Entrer un code"
    kCreditsButton = 3,    // "Credits, Aide"
    kSoundButton = 4,      // "Sons : ON" or "Sons : OFF"
    kQuitButton = 5,       // "QUITTER"
    kFirstDrawnButton = kStartButton,
    kLastDrawnButton = kQuitButton,
};
constexpr int kDrawnMenuButtons = kLastDrawnButton - kFirstDrawnButton + 1;
constexpr int kMenuButtonEntries = kLastDrawnButton + 1;  // the drawn buttons and kNoMenuButton

struct MenuButton {
    std::int32_t x;  // top-left corner in the menu's client area
    std::int32_t y;
    std::int32_t width;  // size of the picture and of the clickable area
    std::int32_t height;
    std::int32_t textDx;  // label position relative to the corner
    std::int32_t textDy;
    std::int32_t hovered;        // 1 while the pointer is over the button
    SDL_Surface* icon;           // picture at rest
    SDL_Surface* hoverIcon;      // picture under the pointer
    std::array<char, 64> label;  // Windows-1252
};
