// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The keyboard and the gamepad beside the mouse: the arrow keys, the d-pad and the left stick
// move a pointer position that the game reads as the mouse pointer's x, and their buttons act
// as the click, the pause key, the Escape key or a dialog's answer. The game's rules see only
// a pointer and its usual events.
#pragma once
#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <array>
#include <cstdint>

#include "game/game_state.h"

struct Settings;

// The playfield the paddle crosses, in game pixels.
constexpr double kSteeredFieldWidth = kPlayfieldWidth;  // as the steering counts it
// A held direction is followed at this step while nothing else wakes the loop, in ms.
constexpr int kSteerStepMs = 10;
// The stick's travel, from its centre, that counts as resting (of 32767).
constexpr int kStickDeadZone = 8000;

// The steered pointer and what holds it moving.
struct PaddleSteering {
    bool leftKey = false;          // the Left arrow key is held
    bool rightKey = false;         // the Right arrow key is held
    bool padLeft = false;          // the d-pad's left is held
    bool padRight = false;         // the d-pad's right is held
    double stick = 0.0;            // the left stick's x beyond its dead zone, -1 (left) to 1
    double x = 240.0;              // the pointer x the keys and the stick move, game pixels
    std::uint64_t lastStepMs = 0;  // when x last moved; 0 while nothing holds it moving
};

// What a key or a gamepad button asks besides steering.
enum class InputAction {
    None,     // not ours: the window handles the event as before
    Steered,  // taken by the steering, nothing more to do
    Confirm,  // Space, Up (the launch keys), the gamepad's A: the click, "Oui", OK
    Cancel,   // the gamepad's B: "Non"
    Pause,    // the gamepad's Start: the pause key
    Quit,     // the gamepad's Back: the Escape key
    GiveUp,   // the gamepad's Y: the F12 key
};

// The open gamepads, hot-plugged.
constexpr int kMaxGamepads = 4;
struct PlayerInput {
    PaddleSteering steering;
    std::array<SDL_GameController*, kMaxGamepads> gamepads{};
};

// The stick's reading (-32768 to 32767) as a deflection from -1 to 1, 0 inside the dead zone,
// growing evenly beyond it.
double stickDeflection(int axisValue);

// The direction the steering moves in, -1 to 1 (the stick when it is out of its dead zone,
// else the keys and the d-pad); 0 when nothing holds it moving.
double steeringDirection(const PaddleSteering& steering);

// The mouse moved to `x`: the keys and the stick go on from where the mouse left the pointer.
void followMouse(PaddleSteering& steering, int x);

// Lets go of every held key and button (the window lost the focus, a pause, a screen changed).
void releaseSteering(PaddleSteering& steering);

// Moves the steered x for the time since its last step, at a speed that crosses the playfield
// in `crossingMs` at full deflection, kept within [low, high] (the paddle's reach). A first
// step counts as kSteerStepMs, and a gap longer than 5 steps as 5, so a stalled loop never
// makes the paddle jump. True when the pointer's whole pixel changed.
bool stepSteering(PaddleSteering& steering, std::uint64_t nowMs, int crossingMs, int low, int high);

// Takes a key or gamepad event: held directions update the steering, buttons give their
// action. The play keys are `settings.keys`; they count only with `settings.arrowKeys`,
// gamepads only with `settings.gamepad`;
// key repeats give no action. Gamepads plugged in or out are opened or closed here.
InputAction takeInputEvent(PlayerInput& input, const SDL_Event& event, const Settings& settings);

// Closes every open gamepad.
void closeGamepads(PlayerInput& input);
