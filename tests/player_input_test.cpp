// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The keyboard and the gamepad steer the pointer the game reads: held arrows, the d-pad and
// the stick (a virtual gamepad of SDL's: no hardware needed) move it at the set speed. Where a
// pointer x puts the paddle is the controls suite's (PlacePaddle).
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "shell/player_input.h"
#include "shell/settings_file.h"

namespace {

// Steps the steering every kSteerStepMs for `ms` milliseconds, as the loop does; the pointer x.
int hold(PaddleSteering& steering, int ms, int crossingMs = 800)
{
    for (int t = kSteerStepMs; t <= ms; t += kSteerStepMs) stepSteering(steering, 1000 + t, crossingMs, 30, 449);
    return static_cast<int>(std::lround(steering.x));
}

// Held keys, the d-pad and the stick cross at the set speed (the stick as far as it is pushed
// beyond its dead zone) and stop at the paddle's reach.
TEST(PlayerInput, HeldDirectionsMoveThePointerAtTheSetSpeedWithinThePaddlesReach)
{
    // What is held (left key, right key, d-pad left, d-pad right, stick), the direction and speed it steers.
    const std::pair<PaddleSteering, double> table[] = {
        {{false, true}, 1},
        {{true}, -1},
        {{false, false, false, true}, 1},
        {{false, false, true}, -1},
        {{true, true}, 0},
        {{false, false, false, false, stickDeflection(32767)}, 1},
        {{false, false, false, false, stickDeflection(-32768)}, -1},
        {{false, false, false, false, stickDeflection(kStickDeadZone)}, 0},
        {{false, false, false, false, stickDeflection(kStickDeadZone + (32767 - kStickDeadZone) / 2)}, 0.5},
    };
    for (const int crossingMs : {400, 800, 1600}) {
        for (const int ms : {100, 2000}) {
            for (const auto& [held, direction] : table) {
                PaddleSteering steering = held;
                const double expected = std::clamp(240 + direction * ms * kSteeredFieldWidth / crossingMs, 30.0, 449.0);
                hold(steering, ms, crossingMs);
                EXPECT_NEAR(steering.x, expected, 0.01) << direction << " " << crossingMs << " " << ms;
            }
        }
    }
    // Let go, the pointer rests however long the loop sleeps; a stalled loop moves 5 steps at most.
    PaddleSteering steering;
    EXPECT_FALSE(stepSteering(steering, 9000, 800, 30, 449));
    steering.leftKey = true;
    stepSteering(steering, 9000, 800, 30, 449);
    stepSteering(steering, 19000, 800, 30, 449);
    EXPECT_NEAR(240 - steering.x, 6 * kSteerStepMs * kSteeredFieldWidth / 800, 1e-9);
}

// Arrows steer and never pause, Space and Up are the click once a press, every other key is
// the window's; with the arrow keys turned off none is taken; moved keys replace them.
TEST(PlayerInput, KeysSteerOrClickAndTheRestAreTheWindows)
{
    Settings noKeys, moved;
    noKeys.arrowKeys = false;
    moved.keys.left = SDLK_a;
    moved.keys.launch = SDLK_RETURN;
    // The key, its event, its repeat; the action with the default keys, then with `moved`.
    const std::tuple<SDL_Keycode, Uint32, int, InputAction, InputAction> table[] = {
        {SDLK_LEFT, SDL_KEYDOWN, 0, InputAction::Steered, InputAction::None},
        {SDLK_SPACE, SDL_KEYDOWN, 0, InputAction::Confirm, InputAction::None},
        {SDLK_UP, SDL_KEYDOWN, 0, InputAction::Confirm, InputAction::Confirm},
        {SDLK_SPACE, SDL_KEYDOWN, 1, InputAction::Steered, InputAction::None},
        {SDLK_UP, SDL_KEYUP, 0, InputAction::Steered, InputAction::Steered},
        {SDLK_p, SDL_KEYDOWN, 0, InputAction::None, InputAction::None},
        {SDLK_a, SDL_KEYDOWN, 0, InputAction::None, InputAction::Steered},
        {SDLK_RETURN, SDL_KEYDOWN, 0, InputAction::None, InputAction::Confirm},
    };
    for (const auto& [sym, type, repeat, action, movedAction] : table) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.sym = sym;
        event.key.repeat = static_cast<Uint8>(repeat);
        PlayerInput input, movedInput;
        EXPECT_TRUE(takeInputEvent(input, event, Settings{}) == action &&
                    takeInputEvent(input, event, noKeys) == InputAction::None &&
                    takeInputEvent(movedInput, event, moved) == movedAction)
            << sym;
        EXPECT_EQ(steeringDirection(input.steering), sym == SDLK_LEFT ? -1.0 : 0.0) << sym;
        EXPECT_EQ(steeringDirection(movedInput.steering), sym == SDLK_a ? -1.0 : 0.0) << sym;
    }
}

// Hands every pending event to the input, as the game window's loop does; the actions given.
std::vector<InputAction> pump(PlayerInput& input, const Settings& settings = Settings{})
{
    SDL_JoystickUpdate();
    SDL_PumpEvents();
    std::vector<InputAction> actions;
    for (SDL_Event event; SDL_PollEvent(&event) == 1;) {
        const InputAction action = takeInputEvent(input, event, settings);
        if (action != InputAction::Steered && action != InputAction::None) actions.push_back(action);
    }
    return actions;
}

int plugVirtualGamepad()
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    return SDL_JoystickAttachVirtualEx(&desc);
}

// A gamepad plugged in is opened; its stick and d-pad steer as the keys do, each button gives
// its action once a press; pulled out while held, it is closed and steers no more. With
// gamepads turned off, one plugged in is never opened.
TEST(PlayerInput, AVirtualGamepadSteersAndPressesLikeTheKeys)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    PlayerInput input;
    const int device = plugVirtualGamepad();
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(device);
    pump(input);
    ASSERT_NE(input.gamepads[0], nullptr);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    pump(input);
    PaddleSteering keys{false, true};
    EXPECT_EQ(hold(input.steering, 300), hold(keys, 300));
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 0);
    pump(input);
    EXPECT_EQ(steeringDirection(input.steering), 0.0);
    const std::pair<SDL_GameControllerButton, InputAction> buttons[] = {
        {SDL_CONTROLLER_BUTTON_A, InputAction::Confirm},
        {SDL_CONTROLLER_BUTTON_B, InputAction::Cancel},
        {SDL_CONTROLLER_BUTTON_START, InputAction::Pause},
        {SDL_CONTROLLER_BUTTON_BACK, InputAction::Quit},
    };
    for (const auto& [button, action] : buttons) {
        SDL_JoystickSetVirtualButton(pad, button, 1);
        EXPECT_EQ(pump(input), std::vector<InputAction>{action}) << button;
        SDL_JoystickSetVirtualButton(pad, button, 0);
        EXPECT_TRUE(pump(input).empty()) << button;
    }
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    pump(input);
    EXPECT_EQ(steeringDirection(input.steering), -1.0);
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(device);
    pump(input);
    EXPECT_TRUE(input.gamepads[0] == nullptr && steeringDirection(input.steering) == 0.0);

    Settings noPads;
    noPads.gamepad = false;
    const int unused = plugVirtualGamepad();
    pump(input, noPads);
    EXPECT_EQ(input.gamepads[0], nullptr);
    SDL_JoystickDetachVirtual(unused);
    pump(input, noPads);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace
