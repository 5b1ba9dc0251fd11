// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's keys, buttons and pointer as the game's inputs.
#include "shell/game_window_input.h"

#include <cmath>

#include "game/controls.h"
#include "game/game_state.h"
#include "shell/settings_file.h"

namespace {

// The key pressed for the player who goes away: any key but F12 and Escape pauses the game.
constexpr int kKeyPause = 'P';

GameWindowInput gameInput(Handler handler, int argument = 0)
{
    return GameWindowInput{GameWindowAction::Input, handler, argument};
}

bool waitingScreenShown()
{
    return game.mode == GameMode::EndScreen || game.mode == GameMode::LevelIntro || game.mode == GameMode::FinalPicture;
}

// The keyboard's steering keys and the gamepad: the steering moves the pointer, their buttons
// are the click, the pause key and the Escape and F12 keys. False when the event is not theirs.
bool steeringInput(PlayerInput& input, const SDL_Event& event, const Settings& settings, GameWindowInput& given)
{
    // On a waiting screen every key is a key that leaves it, arrows included.
    if (event.type == SDL_KEYDOWN && waitingScreenShown()) return false;
    switch (takeInputEvent(input, event, settings)) {
    case InputAction::None: return false;
    case InputAction::Confirm: given = gameInput(Handler::LeftButton); break;
    case InputAction::Pause: given = gameInput(Handler::Key, kKeyPause); break;
    case InputAction::Quit: given = gameInput(Handler::Key, kKeyEscape); break;
    case InputAction::GiveUp: given = gameInput(Handler::Key, kKeyF12); break;
    default: break;
    }
    return true;
}

GameWindowInput windowEvent(PlayerInput& input, const SDL_WindowEvent& event)
{
    // Keys let go in another window never reach this one.
    if (event.event == SDL_WINDOWEVENT_FOCUS_LOST) releaseSteering(input.steering);
    if (event.event == SDL_WINDOWEVENT_CLOSE) return GameWindowInput{GameWindowAction::Close};
    // Minimised, or the focus gone to another program: play stops as a pause key stops it.
    // (A question or a dialog of the game taking the focus does not: see sdl_dialogs.)
    const bool away = event.event == SDL_WINDOWEVENT_MINIMIZED || event.event == SDL_WINDOWEVENT_FOCUS_LOST;
    if (away && game.ballLaunched && !game.paused &&
        (game.mode == GameMode::Playing || game.mode == GameMode::Question)) {
        return gameInput(Handler::Key, kKeyPause);
    }
    return GameWindowInput{};
}

}  // namespace

int virtualKeyOf(SDL_Keycode key, const PlayKeys& keys)
{
    if (key == keys.quit) return kKeyEscape;
    if (key == keys.giveUp) return kKeyF12;
    if (key == SDLK_ESCAPE || key == SDLK_F12) return kKeyPause;
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key > 0 && key < 128) return static_cast<int>(key);
    return 0xFF;
}

GameWindowInput gameWindowInputOf(PlayerInput& input, const SDL_Event& event, const Settings& settings, Point pointer)
{
    GameWindowInput given;
    if (steeringInput(input, event, settings, given)) return given;
    switch (event.type) {
    case SDL_MOUSEMOTION: followMouse(input.steering, pointer.x); return gameInput(Handler::PointerMoved);
    case SDL_MOUSEBUTTONDOWN: return event.button.button == SDL_BUTTON_LEFT ? gameInput(Handler::LeftButton) : given;
    case SDL_KEYDOWN:
        // F11 belongs to the window, not to the game: it never pauses.
        if (event.key.keysym.sym == settings.keys.fullScreen) {
            return event.key.repeat == 0 ? GameWindowInput{GameWindowAction::FullScreen} : given;
        }
        // A held key pauses once, not at the keyboard's repeat rate.
        if (event.key.repeat != 0) return given;
        return gameInput(Handler::Key, virtualKeyOf(event.key.keysym.sym, settings.keys));
    case SDL_WINDOWEVENT: return windowEvent(input, event.window);
    default: return given;
    }
}

bool pointerSteered(const PlayerInput& input)
{
    return !game.paused && game.mode == GameMode::Playing && steeringDirection(input.steering) != 0.0;
}

GameWindowInput steerPointer(PlayerInput& input, const Settings& settings, std::uint64_t nowMs, int& pointerX)
{
    PaddleSteering& steering = input.steering;
    if (!pointerSteered(input)) {
        steering.lastStepMs = 0;  // a pause or a screen in between is no time to catch up
        return GameWindowInput{};
    }
    // The pointer stays within the paddle's reach, so a reversal moves the paddle at once.
    const int half = game.paddleWidth / 2;
    if (!stepSteering(steering, nowMs, settings.keyCrossingMs, half, kPlayfieldWidth - 1 - half)) {
        return GameWindowInput{};
    }
    pointerX = static_cast<int>(std::lround(steering.x));
    // Before the launch the paddle follows a moved pointer; after it, the next tick reads it.
    return game.ballLaunched ? GameWindowInput{} : gameInput(Handler::PointerMoved);
}
