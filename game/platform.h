// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The platform seam: every service of the operating system that the game world and the
// screens need, as free functions in the game's terms. The shell implements it on SDL2;
// the tests link a recording fake; tessaron-lab links a null platform that does nothing.
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

// A modal Yes/No question over the game window; true means Yes. The game window keeps
// repainting while it is open; the game timer holds (no tick is delivered) and goes on
// afterwards with what was left of its interval.
bool askYesNo(const char* text);

// Blocks the one thread for `ms` milliseconds; no tick or event is handled meanwhile.
void sleepMs(std::uint32_t ms);

// Local wall-clock time in milliseconds, for measuring the frames of a slide.
std::int64_t localTimeMs();

// When the input being handled arrived, in milliseconds on the clock of localTimeMs, read
// without moving any clock; a recorded game keeps the player's pauses by it.
std::int64_t inputTimeMs();

// Sounds: a file played once without waiting, a file looped without waiting, and the stop
// of whatever is playing. A missing or unreadable file is silent. Paths are the file
// system's bytes.
void playSoundFile(const char* path);
void loopSoundFile(const char* path);
void stopSounds();

// Called while the game waits for something outside it (another game holding the record's
// lock): the windows are repainted as they ask and a quit request is noted, nothing else is
// handled. False once the player or the system asked to quit: the wait then stops.
bool keepWindowsAlive();

// Ends the game window (the menu shows again once its loop has returned).
void closeGameWindow();

// The two one-line dialogs. Each opens on the text of `pathBuffer`, returns only when OK is
// pressed and leaves the typed text (at most 63 characters) in `pathBuffer`.
enum class TextDialog { LevelCode, PlayerName };
void runTextDialog(TextDialog dialog);
