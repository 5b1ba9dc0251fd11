// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's buttons: entries 1 to 5 are drawn; entry 0 is never drawn and takes the hover
// mark when the pointer is over no button (only entries 1 to 5 are cleared at each move).
#pragma once
#include <array>
#include <cstdint>

struct SDL_Surface;

struct MenuButton {
    std::int32_t x;         // top-left corner in the menu's client area
    std::int32_t y;
    std::int32_t width;     // size of the picture and of the clickable area
    std::int32_t height;
    std::int32_t textDx;    // label position relative to the corner
    std::int32_t textDy;
    std::int32_t hovered;   // 1 while the pointer is over the button
    SDL_Surface* icon;      // picture at rest
    SDL_Surface* hoverIcon; // picture under the pointer
    std::array<char, 64> label;  // Windows-1252
};

extern std::array<MenuButton, 6> menuButtons;
