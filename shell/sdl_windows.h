// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's three windows on SDL: creation at their places, their events and their
// paints. The loops that run them live in sdl_platform, which hands each event to a window
// here and carries out what the window asks of it (a game, the credits, the end).
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>

#include "game/replay.h"
#include "screens/menu_buttons.h"
#include "shell/player_input.h"

// The three top-level windows.
enum class WindowKind { Menu, Game, Credits };

struct SdlWindow {
    SDL_Window* window = nullptr;    // null while the window does not exist
    bool repaintWanted = false;      // a repaint was asked for; the loop paints before waiting
    bool closePending = false;       // to be closed once the mouse button that asked is let go
    bool buttonHeld = false;         // the left button went down in this window and is not up yet
    bool pictureLost = false;        // the window shows nothing of its picture until painted whole
    std::uint64_t closeAskedAt = 0;  // SDL_GetTicks64 time of the pending close
};

// The game's inputs held while the game waits for time to pass, delivered in order afterwards.
constexpr int kDeferredInputs = 32;
struct DeferredInput {
    Handler handler = Handler::Timer;
    int argument = 0;
};
struct DeferredInputs {
    std::array<DeferredInput, kDeferredInputs> inputs{};
    int count = 0;  // inputs held; more are dropped
};

// When the last slide frame began to be painted and was shown, SDL_GetTicks64 times; 0 none.
struct SlideFrameTimes {
    std::uint64_t paintStart = 0;
    std::uint64_t shownAt = 0;
};

struct SdlWindows {
    SdlWindow menu;
    SdlWindow game;
    SdlWindow credits;
    MenuButtonId pressedMenuButton = kNoMenuButton;  // the menu button a click went down on, acted upon at its release
    bool menuPointerKnown = false;                   // the menu was told where the pointer is since it last showed
    bool menuLitByKeys = true;  // the keys moved the menu's highlight last (they light "Commencer" at start)
    SDL_Point pointer{0, 0};    // the pointer's last place over the game window, game pixels
    std::uint64_t framesPresented = 0;
    bool pointerShown = true;        // the mouse pointer is drawn (hidden over a ball in play)
    bool gameWindowResized = false;  // the player gave the game window a new size, written when it closes
    PlayerInput input;               // the keyboard's and gamepads' steering, and the open gamepads
    DeferredInputs deferred;
    SlideFrameTimes slideFrame;
};

extern SdlWindows windows;

// What a window's event asks of the loop that runs it.
enum class WindowRequest { Continue, PlayGame, ShowCredits, Quit };

// Creates and shows a window of the given kind at its place on the screen.
void openWindow(WindowKind kind);
void closeWindow(WindowKind kind);
void showWindow(WindowKind kind, bool shown);
SdlWindow& windowOf(WindowKind kind);

// Hands one event of a window's loop to that window's behaviour.
WindowRequest dispatchWindowEvent(WindowKind kind, const SDL_Event& event);

// The id of the window an event belongs to, or 0 for events of no window.
std::uint32_t eventWindowId(const SDL_Event& event);

// Whether an event comes from a gamepad (such events belong to no window).
bool isGamepadEvent(const SDL_Event& event);

// Moves the game's pointer while an arrow key, the d-pad or the stick holds it moving; before
// the launch the paddle follows it at once. Called by the game window's loop before each tick.
void steerGamePaddle();

// Whether the game's pointer is being steered: the loop must wake every kSteerStepMs.
bool gamePaddleSteered();

// Hides the mouse pointer over the playfield while a ball is in play, shows it otherwise (a
// pause, a question, a screen between levels, the end, outside the game window, no game).
// Called by every loop before it waits.
void refreshGamePointer();

// The game timer's tick, delivered by a loop, through the replay's record of handler calls.
void gameWindowTimer();

// Whether a window event may leave the window showing nothing of its picture.
bool windowMayShowNothing(std::uint8_t windowEvent);

// Repaints the program window with that SDL id, if it is one of ours.
void repaintWindowWithId(std::uint32_t windowId);

// Paints a window now: composes its screen onto its picture and shows what changed.
void paintWindow(WindowKind kind);

// The menu's highlight when the menu opens or shows again: where the keys left it if they moved
// it last ("Commencer" at start), else the button under the pointer's real place, if any.
void relightMenu();

// Paints every window that asked for a repaint.
void paintWantedWindows();

// The game window is closed once the button of the click that asked is released.
void closeGameWindowAfterClick();

// Hands the game the inputs held while it waited for time, once it no longer does.
void deliverDeferredInputs();
