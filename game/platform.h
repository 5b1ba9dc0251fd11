// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The platform seam: every service of the operating system that the game world needs, as free
// functions in the game's terms. None of them waits for anything. The shell implements it on
// SDL2; the tests link a recording fake; tessaron-lab links a null platform that does nothing.
#pragma once
#include <cstdint>

struct Point {
    std::int32_t x;
    std::int32_t y;
};

// The game window's timer: one tick every `ms` milliseconds until stopped. Starting it
// again replaces the running timer. Ticks arrive only through the window's loop.
void startGameTimer(std::uint32_t ms);
void stopGameTimer();

// The pointer in the game window's client pixels (may lie outside the window).
Point pointerPosition();

// Asks for one repaint of the game window's client area; the loop paints it before it waits.
void requestRepaint();

// When the input being handled arrived, in milliseconds on a steady clock, read without moving
// any clock; a recorded game keeps the player's pauses by it.
std::int64_t inputTimeMs();

// Ends the game window (the menu shows again once its loop has returned).
void closeGameWindow();
