// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The keyboard and the gamepad steer the pointer the game reads: held arrows, the d-pad and
// the stick (a virtual gamepad of SDL's, so no hardware is needed) move it at the set speed,
// and the paddle then stands where a mouse at the same x would put it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/controls.h"
#include "game/game_state.h"
#include "shell/player_input.h"
#include "shell/settings_file.h"
#include "tests/fake_platform.h"

namespace {

constexpr int kLow = 30;    // the reach of a 60-wide paddle's centre
constexpr int kHigh = 449;

SDL_Event keyEvent(SDL_Keycode key, bool down, int repeat = 0)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = key;
    event.key.repeat = static_cast<Uint8>(repeat);
    return event;
}

// Steps the steering every kSteerStepMs for `ms` milliseconds from `startMs`, as the loop does.
std::uint64_t hold(PaddleSteering& steering, std::uint64_t startMs, int ms, int crossingMs = 800)
{
    std::uint64_t now = startMs;
    for (int t = 0; t < ms; t += kSteerStepMs) {
        now += kSteerStepMs;
        stepSteering(steering, now, crossingMs, kLow, kHigh);
    }
    return now;
}

// Where the paddle stands when the game reads `pointerX` before the launch.
int paddleForPointer(int pointerX)
{
    resetFakePlatform();
    newGameReset();
    startLevel();
    fake.pointer = Point{pointerX, 300};
    gamePointerMoved();
    return game.paddleX;
}

// Held keys, the d-pad and a full stick all cross at the set speed, and the paddle they leave
// is the paddle a mouse at the steered x gives.
TEST(PlayerInput, HeldDirectionsMoveThePointerAtTheSetSpeedToWhereAMouseWouldPutThePaddle)
{
    const struct {
        const char* name;
        void (*press)(PaddleSteering&);
        int direction;
    } table[] = {
        {"Right key", [](PaddleSteering& s) { s.rightKey = true; }, 1},
        {"Left key", [](PaddleSteering& s) { s.leftKey = true; }, -1},
        {"d-pad right", [](PaddleSteering& s) { s.padRight = true; }, 1},
        {"d-pad left", [](PaddleSteering& s) { s.padLeft = true; }, -1},
        {"stick full right", [](PaddleSteering& s) { s.stick = stickDeflection(32767); }, 1},
        {"stick full left", [](PaddleSteering& s) { s.stick = stickDeflection(-32768); }, -1},
        {"both keys", [](PaddleSteering& s) { s.leftKey = s.rightKey = true; }, 0},
    };
    for (const int crossingMs : {400, 800, 1600}) {
        for (const auto& row : table) {
            PaddleSteering steering;
            followMouse(steering, 240);
            row.press(steering);
            hold(steering, 1000, 200, crossingMs);
            const double expected = 240 + row.direction * 200 * kSteeredFieldWidth / crossingMs;
            EXPECT_NEAR(steering.x, std::clamp(expected, double{kLow}, double{kHigh}), 1e-6) << row.name << " " << crossingMs;
            const int pointer = static_cast<int>(std::lround(steering.x));
            EXPECT_EQ(paddleForPointer(pointer), std::clamp(pointer, kLow, kHigh)) << row.name;
        }
    }
}

TEST(PlayerInput, ThePointerStopsAtThePaddlesReachAndTurnsBackAtOnce)
{
    PaddleSteering steering;
    steering.rightKey = true;
    std::uint64_t now = hold(steering, 0, 2000);
    EXPECT_EQ(steering.x, kHigh);
    steering.rightKey = false;
    steering.leftKey = true;
    now = hold(steering, now, kSteerStepMs);
    EXPECT_LT(steering.x, kHigh);
    // Let go, nothing moves, however long the loop sleeps; a stalled loop moves 5 steps at most.
    steering.leftKey = false;
    const double x = steering.x;
    EXPECT_FALSE(stepSteering(steering, now + 5000, 800, kLow, kHigh));
    EXPECT_EQ(steering.x, x);
    steering.leftKey = true;
    stepSteering(steering, now + 5000, 800, kLow, kHigh);
    stepSteering(steering, now + 9000, 800, kLow, kHigh);
    EXPECT_NEAR(x - steering.x, (kSteerStepMs + 5 * kSteerStepMs) * kSteeredFieldWidth / 800, 1e-6);
}

TEST(PlayerInput, TheStickIsProportionalBeyondItsDeadZone)
{
    double previous = -2.0;
    for (int value = -32768; value <= 32767; value += 97) {
        const double deflection = stickDeflection(value);
        EXPECT_GE(deflection, previous) << value;  // never goes back as the stick goes right
        EXPECT_TRUE(deflection >= -1.0 && deflection <= 1.0) << value;
        if (std::abs(value) <= kStickDeadZone) {
            EXPECT_EQ(deflection, 0.0) << value;
        }
        previous = deflection;
    }
    // Half the travel beyond the dead zone moves half as far as the full stick in the same time.
    PaddleSteering half;
    PaddleSteering full;
    half.stick = stickDeflection(kStickDeadZone + (32767 - kStickDeadZone) / 2);
    full.stick = stickDeflection(32767);
    hold(half, 0, 100);
    hold(full, 0, 100);
    EXPECT_NEAR(half.x - 240, (full.x - 240) / 2, 0.1);
}

// The keys' events: arrows steer and never pause, Space and Up are the click once per press,
// every other key is left to the game window; with the arrow keys turned off none are taken.
TEST(PlayerInput, KeysSteerOrClickAndTheRestAreTheWindows)
{
    const struct {
        SDL_Keycode key;
        bool down;
        int repeat;
        InputAction action;
    } table[] = {
        {SDLK_LEFT, true, 0, InputAction::Steered},   {SDLK_RIGHT, true, 1, InputAction::Steered},
        {SDLK_SPACE, true, 0, InputAction::Confirm},  {SDLK_UP, true, 0, InputAction::Confirm},
        {SDLK_SPACE, true, 1, InputAction::Steered},  {SDLK_UP, false, 0, InputAction::Steered},
        {SDLK_p, true, 0, InputAction::None},         {SDLK_DOWN, true, 0, InputAction::None},
        {SDLK_ESCAPE, true, 0, InputAction::None},    {SDLK_F12, true, 0, InputAction::None},
    };
    for (const auto& row : table) {
        PlayerInput input;
        Settings keys;
        EXPECT_EQ(takeInputEvent(input, keyEvent(row.key, row.down, row.repeat), keys), row.action) << row.key;
        keys.arrowKeys = false;
        EXPECT_EQ(takeInputEvent(input, keyEvent(row.key, row.down, row.repeat), keys), InputAction::None) << row.key;
    }
    PlayerInput input;
    takeInputEvent(input, keyEvent(SDLK_LEFT, true), Settings{});
    EXPECT_EQ(steeringDirection(input.steering), -1.0);
    takeInputEvent(input, keyEvent(SDLK_LEFT, false), Settings{});
    EXPECT_EQ(steeringDirection(input.steering), 0.0);
}

// A virtual gamepad of SDL's game-controller API, plugged in and out while the test runs.
struct VirtualGamepad {
    int deviceIndex = -1;
    SDL_Joystick* joystick = nullptr;
    VirtualGamepad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Tessaron test pad";
        deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
        if (deviceIndex >= 0) joystick = SDL_JoystickOpen(deviceIndex);
    }
    ~VirtualGamepad()
    {
        if (joystick != nullptr) SDL_JoystickClose(joystick);
        if (deviceIndex >= 0) SDL_JoystickDetachVirtual(deviceIndex);
    }
    void button(SDL_GameControllerButton which, bool down) { SDL_JoystickSetVirtualButton(joystick, which, down ? 1 : 0); }
    void axis(SDL_GameControllerAxis which, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick, which, value); }
};

// Hands every pending event to the input, as the game window's loop does; the actions given.
std::vector<InputAction> pump(PlayerInput& input, const Settings& settings)
{
    SDL_JoystickUpdate();
    SDL_PumpEvents();
    std::vector<InputAction> actions;
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
        const InputAction action = takeInputEvent(input, event, settings);
        if (action != InputAction::Steered && action != InputAction::None) actions.push_back(action);
    }
    return actions;
}

int openPads(const PlayerInput& input)
{
    int open = 0;
    for (SDL_GameController* pad : input.gamepads) open += pad != nullptr ? 1 : 0;
    return open;
}

TEST(PlayerInput, AVirtualGamepadSteersAndPressesLikeTheKeys)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    PlayerInput input;
    {
        VirtualGamepad pad;
        ASSERT_GE(pad.deviceIndex, 0) << SDL_GetError();
        pump(input, Settings{});
        ASSERT_EQ(openPads(input), 1);

        // The stick fully right steers as the Right key does, and comes back to rest.
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
        pump(input, Settings{});
        EXPECT_EQ(steeringDirection(input.steering), 1.0);
        PaddleSteering keys;
        keys.rightKey = true;
        hold(input.steering, 0, 300);
        hold(keys, 0, 300);
        EXPECT_EQ(std::lround(input.steering.x), std::lround(keys.x));
        EXPECT_EQ(paddleForPointer(static_cast<int>(std::lround(input.steering.x))),
                  paddleForPointer(static_cast<int>(std::lround(keys.x))));
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
        pump(input, Settings{});
        EXPECT_EQ(steeringDirection(input.steering), 0.0);

        // The d-pad steers while held; each button gives its action once per press.
        pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
        pump(input, Settings{});
        EXPECT_EQ(steeringDirection(input.steering), -1.0);
        const struct {
            SDL_GameControllerButton button;
            InputAction action;
        } buttons[] = {
            {SDL_CONTROLLER_BUTTON_A, InputAction::Confirm},       {SDL_CONTROLLER_BUTTON_B, InputAction::Cancel},
            {SDL_CONTROLLER_BUTTON_START, InputAction::Pause},     {SDL_CONTROLLER_BUTTON_BACK, InputAction::Quit},
            {SDL_CONTROLLER_BUTTON_DPAD_UP, InputAction::Previous}, {SDL_CONTROLLER_BUTTON_DPAD_DOWN, InputAction::Next},
        };
        for (const auto& row : buttons) {
            pad.button(row.button, true);
            EXPECT_EQ(pump(input, Settings{}), std::vector<InputAction>{row.action}) << row.button;
            pad.button(row.button, false);
            EXPECT_TRUE(pump(input, Settings{}).empty()) << row.button;
        }
    }
    // Pulled out while the d-pad was held: closed, and the paddle stops.
    pump(input, Settings{});
    EXPECT_EQ(openPads(input), 0);
    EXPECT_EQ(steeringDirection(input.steering), 0.0);

    // With gamepads turned off in the settings, one plugged in is never opened.
    Settings noPads;
    noPads.gamepad = false;
    {
        VirtualGamepad pad;
        pump(input, noPads);
        EXPECT_EQ(openPads(input), 0);
    }
    pump(input, noPads);
    closeGamepads(input);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace
