// The SDL side of the platform: the program's windows, the game timer kept as a deadline,
// repaint requests, and the loops that deliver events one at a time on the one thread.
#pragma once
#include <SDL.h>

#include <cstdint>

// The three top-level windows and the modal one (a question or a one-line dialog).
enum class WindowKind { Menu, Game, Credits };

struct SdlWindow {
    SDL_Window* window = nullptr;  // null while the window does not exist
    bool repaintWanted = false;    // a repaint was asked for; the loop paints before waiting
    bool closePending = false;     // to be closed once the mouse button that asked is let go
    bool buttonHeld = false;       // the left button went down in this window and is not up yet
    std::uint64_t closeAskedAt = 0;  // SDL_GetTicks64 time of the pending close
};

struct SdlPlatform {
    SdlWindow menu;
    SdlWindow game;
    SdlWindow credits;
    bool timerRunning = false;        // the game window's timer
    std::uint32_t timerIntervalMs = 0;
    std::uint64_t timerDeadline = 0;  // SDL_GetTicks64 time of the next tick
    bool quitRequested = false;       // the program is ending (quit button, menu closed, signal)
    std::uint64_t ticksDelivered = 0; // game ticks delivered, for measuring the pace
    std::uint64_t framesPresented = 0;
    bool audioOpen = false;
    int pressedMenuButton = 0;        // the menu button a click went down on, acted upon at its release
    SDL_Point pointer{0, 0};          // the pointer's last place over the game window, client pixels
    std::uint64_t loopEndsAt = 0;     // SDL_GetTicks64 time at which loops return; 0 never
    void (*tickObserver)() = nullptr; // called after every delivered tick (measurements)
};

extern SdlPlatform sdl;

// Starts SDL's video, events and audio (falling back to silent audio) and stops text input.
bool initSdlPlatform();
void shutdownSdlPlatform();

// Creates and shows a window of the given kind at its place on the screen.
void openWindow(WindowKind kind);
void closeWindow(WindowKind kind);
void showWindow(WindowKind kind, bool shown);
SdlWindow& windowOf(WindowKind kind);

// Runs the loop of one window until it is closed or the program quits: its events, the game
// timer's ticks (late ones coalesced), and its repaints.
void runMessageLoop(WindowKind kind);

// One pass of waiting and dispatching for a modal window's loop: waits at most until the next
// game tick, delivers ticks and repaints of the program's windows, and hands every event, of
// whichever window, to `onEvent`, which routes it among the open modal windows.
void pumpModalLoop(void (*onEvent)(const SDL_Event&, void*), void* context);

// Paints a window now: composes its screen onto its surface and shows it.
void paintWindow(WindowKind kind);
