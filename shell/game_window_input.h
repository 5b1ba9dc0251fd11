// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's keys, buttons and pointer as the game's inputs. Every event of the game
// window either gives one of the game window's inputs (game/window_events.h), which the game
// records and so a replay plays again, or asks something of the window itself (its full-screen
// switch, its close): nothing here changes the game.
#pragma once
#include <SDL_events.h>

#include <cstdint>

#include "game/platform.h"
#include "game/replay.h"
#include "shell/player_input.h"

struct PlayKeys;
struct Settings;

// What an event asks: an input of the game, the window's full-screen switch, the window's close
// (the desktop's close box), or nothing.
enum class GameWindowAction { None, Input, FullScreen, Close };

struct GameWindowInput {
    GameWindowAction action = GameWindowAction::None;
    Handler handler = Handler::Timer;  // with Input: which input of the game
    int argument = 0;                  // with Input: a key's virtual-key code
};

// The virtual-key code the game tells a key by (game/controls.h): the give-up and quit keys as
// the player set them are F12 and Escape; Escape and F12 themselves, when moved elsewhere, pause.
int virtualKeyOf(SDL_Keycode key, const PlayKeys& keys);

// What an event of the game window asks. `pointer` is a mouse event's place in game pixels,
// which the caller keeps as the seam's pointer. Held directions, gamepad buttons and the mouse
// update the steering of `input`.
GameWindowInput gameWindowInputOf(PlayerInput& input, const SDL_Event& event, const Settings& settings, Point pointer);

// Moves the steered pointer x for the time up to `nowMs` while a held key, the d-pad or the stick
// steers the paddle in play; a pause or another screen is no time to catch up. Gives the pointer
// move as an input before the launch (after it the next tick reads the pointer); `pointerX` is
// the seam's pointer x, changed when the steering moved it.
GameWindowInput steerPointer(PlayerInput& input, const Settings& settings, std::uint64_t nowMs, int& pointerX);

// Whether the paddle is being steered in play: the window's loop must wake every kSteerStepMs.
bool pointerSteered(const PlayerInput& input);
