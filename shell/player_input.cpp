// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The steered pointer of the keyboard and the gamepad, and what their buttons mean.
#include "shell/player_input.h"

#include <algorithm>
#include <cmath>

#include "shell/settings_file.h"

namespace {

constexpr int kStickTravel = 32767;
constexpr std::uint64_t kLongestStepMs = 5 * kSteerStepMs;

InputAction keyAction(PaddleSteering& steering, const SDL_KeyboardEvent& key, bool down, const PlayKeys& keys)
{
    const SDL_Keycode pressed = key.keysym.sym;
    if (pressed == keys.left) {
        steering.leftKey = down;
        return InputAction::Steered;
    }
    if (pressed == keys.right) {
        steering.rightKey = down;
        return InputAction::Steered;
    }
    if (pressed == keys.launch || pressed == keys.launchAlt) {
        return down && key.repeat == 0 ? InputAction::Confirm : InputAction::Steered;
    }
    return InputAction::None;
}

InputAction buttonAction(PaddleSteering& steering, std::uint8_t button, bool down)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: steering.padLeft = down; return InputAction::Steered;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: steering.padRight = down; return InputAction::Steered;
    default: break;
    }
    if (!down) return InputAction::Steered;
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A: return InputAction::Confirm;
    case SDL_CONTROLLER_BUTTON_B: return InputAction::Cancel;
    case SDL_CONTROLLER_BUTTON_START: return InputAction::Pause;
    case SDL_CONTROLLER_BUTTON_BACK: return InputAction::Quit;
    case SDL_CONTROLLER_BUTTON_Y: return InputAction::GiveUp;
    default: return InputAction::Steered;
    }
}

void openGamepad(PlayerInput& input, int deviceIndex)
{
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (SDL_GameController* pad : input.gamepads) {
        if (pad != nullptr && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) return;
    }
    for (SDL_GameController*& pad : input.gamepads) {
        if (pad == nullptr) {
            pad = SDL_GameControllerOpen(deviceIndex);
            return;
        }
    }
}

void closeGamepad(PlayerInput& input, SDL_JoystickID id)
{
    for (SDL_GameController*& pad : input.gamepads) {
        if (pad != nullptr && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) {
            SDL_GameControllerClose(pad);
            pad = nullptr;
        }
    }
    // A pad pulled out while held would otherwise steer on.
    input.steering.padLeft = input.steering.padRight = false;
    input.steering.stick = 0.0;
}

}  // namespace

double stickDeflection(int axisValue)
{
    const int travel = std::clamp(axisValue, -kStickTravel, kStickTravel);
    const int beyond = std::abs(travel) - kStickDeadZone;
    if (beyond <= 0) return 0.0;
    const double deflection = static_cast<double>(beyond) / (kStickTravel - kStickDeadZone);
    return travel < 0 ? -deflection : deflection;
}

double steeringDirection(const PaddleSteering& steering)
{
    if (steering.stick != 0.0) return steering.stick;
    const int right = (steering.rightKey || steering.padRight) ? 1 : 0;
    const int left = (steering.leftKey || steering.padLeft) ? 1 : 0;
    return static_cast<double>(right - left);
}

void followMouse(PaddleSteering& steering, int x)
{
    steering.x = x;
    steering.lastStepMs = 0;
}

void releaseSteering(PaddleSteering& steering)
{
    const double x = steering.x;
    steering = PaddleSteering{};
    steering.x = x;
}

bool stepSteering(PaddleSteering& steering, std::uint64_t nowMs, int crossingMs, int low, int high)
{
    const double direction = steeringDirection(steering);
    if (direction == 0.0 || crossingMs <= 0) {
        steering.lastStepMs = 0;
        return false;
    }
    std::uint64_t elapsed = kSteerStepMs;
    if (steering.lastStepMs != 0) elapsed = nowMs > steering.lastStepMs ? nowMs - steering.lastStepMs : 0;
    steering.lastStepMs = nowMs;
    elapsed = std::min(elapsed, kLongestStepMs);
    const long before = std::lround(steering.x);
    const double speed = kSteeredFieldWidth / crossingMs;  // pixels a millisecond at full deflection
    steering.x = std::clamp(steering.x + direction * speed * static_cast<double>(elapsed), static_cast<double>(low),
                            static_cast<double>(high));
    return std::lround(steering.x) != before;
}

InputAction takeInputEvent(PlayerInput& input, const SDL_Event& event, const Settings& settings)
{
    PaddleSteering& steering = input.steering;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (!settings.arrowKeys) return InputAction::None;
        return keyAction(steering, event.key, event.type == SDL_KEYDOWN, settings.keys);
    case SDL_CONTROLLERDEVICEADDED:
        if (settings.gamepad) openGamepad(input, event.cdevice.which);
        return InputAction::Steered;
    case SDL_CONTROLLERDEVICEREMOVED: closeGamepad(input, event.cdevice.which); return InputAction::Steered;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (!settings.gamepad) return InputAction::Steered;
        return buttonAction(steering, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
    case SDL_CONTROLLERAXISMOTION:
        if (settings.gamepad && event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            steering.stick = stickDeflection(event.caxis.value);
        return InputAction::Steered;
    default: return InputAction::None;
    }
}

void closeGamepads(PlayerInput& input)
{
    for (SDL_GameController*& pad : input.gamepads) {
        if (pad != nullptr) SDL_GameControllerClose(pad);
        pad = nullptr;
    }
}
