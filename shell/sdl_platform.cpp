// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The platform seam on SDL2: the game timer as a deadline in the window loops, repaints,
// the pointer, waits, the clock and sounds through SDL2_mixer.
#include "shell/sdl_platform.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "game/replay.h"
#include "game/window_events.h"
#include "screens/fonts.h"
#include "screens/translation.h"
#include "shell/assets.h"
#include "shell/game_requests.h"
#include "shell/level_editor.h"
#include "shell/level_sets.h"
#include "shell/regular_file.h"
#include "shell/replay_store.h"
#include "shell/sdl_dialogs.h"
#include "shell/sdl_presentation.h"
#include "shell/sdl_replay_watch.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"
#include "shell/sound_cues.h"
#include "shell/video_driver.h"

SdlPlatform sdl;

namespace {

constexpr int kMixChannels = 16;
constexpr int kCachedSounds = 32;

// No sound of the game comes near this; a larger file is not read.
constexpr std::size_t kLargestSoundFile = 16u << 20;

// The sound in the file at `path` (the file system's bytes), read only when it is a regular
// file: a FIFO or a device in its place is silent instead of hanging the game.
Mix_Chunk* loadSoundFile(const char* path)
{
    std::string bytes;
    if (!readRegularFile(path, kLargestSoundFile + 1, bytes) || bytes.size() > kLargestSoundFile) return nullptr;
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    return stream == nullptr ? nullptr : sdl.mixer.loadWav(stream, 1);
}

// Sounds are read once per path and kept; several may sound at once.
struct CachedSound {
    std::string path;
    Mix_Chunk* chunk = nullptr;
};
std::array<CachedSound, kCachedSounds> soundCache;

Mix_Chunk* soundFor(const char* path)
{
    for (CachedSound& sound : soundCache) {
        if (!sound.path.empty() && sound.path == path) return sound.chunk;
    }
    Mix_Chunk* chunk = loadSoundFile(path);
    for (CachedSound& sound : soundCache) {
        if (sound.path.empty()) {
            sound.path = path;
            sound.chunk = chunk;  // a missing file is remembered as silent
            return chunk;
        }
    }
    return chunk;  // the cache is full: played, then kept alive for the run (never freed mid-play)
}

bool openAudio()
{
    if (sdl.mixer.library == nullptr && !openMixerLibrary(sdl.mixer)) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && sdl.mixer.openAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0) {
        return true;
    }
    // No sound device: the same code runs on SDL's silent driver.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && sdl.mixer.openAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0) {
        return true;
    }
    return false;
}

void startSdlAudio()
{
    sdl.audioOpen = openAudio();
    if (sdl.audioOpen) sdl.mixer.allocateChannels(kMixChannels);
}

// The steps of the start-up that come after the menu's first frame.
enum StartUpStep { kLoadPictures, kOpenMixer, kStartAudio, kStartedUp };

// Delivers the game timer's tick when its deadline has passed; a late tick is delivered
// once, and the next one is counted from now (late ticks are coalesced).
void deliverDueTick()
{
    if (!sdl.timerRunning || windows.game.window == nullptr) return;
    const std::uint64_t now = SDL_GetTicks64();
    // While a question holds the game its timer stands still; afterwards the next tick comes
    // after what was left of the interval when the question opened.
    if (game.mode == GameMode::Question) {
        if (sdl.timerHeldAt == 0) sdl.timerHeldAt = now;
        return;
    }
    if (sdl.timerHeldAt != 0) {
        sdl.timerDeadline += now - sdl.timerHeldAt;
        sdl.timerHeldAt = 0;
    }
    if (now < sdl.timerDeadline) return;
    sdl.timerDeadline += sdl.timerIntervalMs;
    if (sdl.timerDeadline <= now) sdl.timerDeadline = now + sdl.timerIntervalMs;
    sdl.ticksDelivered += 1;
    gameWindowTimer();
    if (sdl.tickObserver != nullptr) sdl.tickObserver();
}

}  // namespace

// When the game, waiting for time, next moves on: a slide's next frame, a pause's end; 0 none.
std::uint64_t flowDeadline(std::uint64_t now)
{
    if (windows.game.window == nullptr || !flowWaitsForTime()) return 0;
    if (game.mode == GameMode::Slide) {
        return windows.slideFrame.shownAt == 0 ? now : windows.slideFrame.shownAt + kSlideFrameRestMs;
    }
    if (sdl.flowSince == 0) return now;
    return sdl.flowSince + static_cast<std::uint64_t>(game.waitLeftMs > 0 ? game.waitLeftMs : 0);
}

// Time passed while the game waits for it, measured here: a slide moves one frame once its frame
// has been shown and has rested, by the frame's duration; a pause counts down.
void advanceGameFlow()
{
    if (windows.game.window == nullptr || !flowWaitsForTime()) {
        sdl.flowSince = 0;
        return;
    }
    const std::uint64_t now = SDL_GetTicks64();
    if (game.mode == GameMode::Slide) {
        SlideFrameTimes& frame = windows.slideFrame;
        if (frame.shownAt == 0) {
            windows.game.repaintWanted = true;  // its frame is still to be painted
            return;
        }
        if (now < frame.shownAt + kSlideFrameRestMs) return;
        const std::uint64_t started = frame.paintStart;
        frame = SlideFrameTimes{};
        gameWindowTimePassed(static_cast<std::int64_t>(now - started));
        windows.game.repaintWanted = true;
        sdl.flowSince = now;
        return;
    }
    if (sdl.flowSince == 0) {
        sdl.flowSince = now;
        return;
    }
    gameWindowTimePassed(static_cast<std::int64_t>(now - sdl.flowSince));
    sdl.flowSince = now;
}

namespace {

bool loopTimeUp() { return sdl.loopEndsAt != 0 && SDL_GetTicks64() >= sdl.loopEndsAt; }

int waitTimeoutMs()
{
    const std::uint64_t now = SDL_GetTicks64();
    std::uint64_t until = 0;
    if (sdl.timerRunning && windows.game.window != nullptr && game.mode != GameMode::Question) {
        until = sdl.timerDeadline;
    }
    const std::uint64_t flow = flowDeadline(now);
    if (flow != 0 && (until == 0 || flow < until)) until = flow;
    if (sdl.loopEndsAt != 0 && (until == 0 || sdl.loopEndsAt < until)) until = sdl.loopEndsAt;
    // A held arrow key or a tilted stick moves the paddle between ticks and before the launch.
    if (gamePaddleSteered() && (until == 0 || now + kSteerStepMs < until)) until = now + kSteerStepMs;
    if (until == 0) return -1;
    return now >= until ? 0 : static_cast<int>(until - now);
}

// Waits for the next event or the next tick, whichever comes first. Returns whether an
// event was taken into `event`.
bool waitForEvent(SDL_Event& event)
{
    paintWantedWindows();
    refreshGamePointer();
    // What is left of the start-up runs while no event waits: an event always comes first.
    while (sdl.startUpStep != kStartedUp) {
        if (SDL_PollEvent(&event) == 1) {
            if (event.type == SDL_QUIT) sdl.quitRequested = true;
            return true;
        }
        stepStartUp();
    }
    const int timeout = waitTimeoutMs();
    const bool got = timeout < 0 ? SDL_WaitEvent(&event) == 1 : SDL_WaitEventTimeout(&event, timeout) == 1;
    if (got && event.type == SDL_QUIT) sdl.quitRequested = true;
    // Gamepads plugged in or out are opened or closed whichever loop runs, a dialog's included.
    if (got && (event.type == SDL_CONTROLLERDEVICEADDED || event.type == SDL_CONTROLLERDEVICEREMOVED)) {
        takeInputEvent(windows.input, event, shellState.playerSettings.values);
    }
    return got;
}

// X errors are reported, never fatal (Xlib's own handler would end the game). SDL wakes a
// waiting loop by sending an event (X_SendEvent) to a window of ours over a second connection;
// the server orders the two connections' requests as it likes, so a wakeup it takes after the
// window's destruction on the first (a question, a dialog, the menu at the quit) fails with
// BadWindow. A wakeup for a window that is gone has nothing left to wake: that one error is
// dropped, every other is reported.
int reportXError(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    char text[128] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, tr("Tessaron : erreur X ignorée : %s (requête %d)\n"), text, error->request_code);
    return 0;
}

}  // namespace

bool initSdlPlatform()
{
    XSetErrorHandler(reportXError);
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The windows' class on X11 and app id on Wayland; a player's own setting is kept.
    setenv("SDL_VIDEO_X11_WMCLASS", kDesktopAppId, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", kDesktopAppId, 0);
    // A player's own SDL_VIDEO_WAYLAND_ALLOW_LIBDECOR outranks this.
    SDL_version linked;
    SDL_GetVersion(&linked);
    if (!waylandTitleBarsAreSafe(linked.major, linked.minor, linked.patch))
        SDL_SetHint(SDL_HINT_VIDEO_WAYLAND_ALLOW_LIBDECOR, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, tr("Tessaron : impossible d'ouvrir l'affichage : %s\n"), SDL_GetError());
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!videoDriverShowsGame(driver, SDL_getenv("SDL_VIDEODRIVER"))) {
        std::fputs(tr("Tessaron : aucun affichage trouvé (ni X11 ni Wayland) : "
                      "lancez le jeu depuis un bureau graphique.\n"),
                   stderr);
        SDL_Quit();
        return false;
    }
    // On X11 the windows show their surfaces straight through the server's shared memory: a
    // texture framebuffer would load a whole GL stack and cost a third of a core under Xvfb.
    // Wayland's driver needs that texture framebuffer to draw a window at all.
    if (SDL_strcmp(driver, "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_strcmp(driver, "wayland") == 0) shareFontconfig();
    SDL_StopTextInput();
    chooseWindowScale();
    return true;
}

void startGamepads()
{
    // Gamepads already plugged in arrive as events of their own, like those plugged in later.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, tr("Tessaron : manettes indisponibles : %s\n"), SDL_GetError());
    }
}

bool stepStartUp()
{
    switch (sdl.startUpStep) {
    case kLoadPictures:
        if (!loadNextAsset()) sdl.startUpStep = kOpenMixer;
        break;
    case kOpenMixer:
        // Loading the library and the many it needs is a step of its own.
        openMixerLibrary(sdl.mixer);
        sdl.startUpStep = kStartAudio;
        break;
    case kStartAudio:
        startSdlAudio();
        sdl.startUpStep = kStartedUp;
        break;
    default: break;
    }
    return sdl.startUpStep != kStartedUp;
}

void finishStartUp()
{
    while (stepStartUp()) {
    }
}

void shutdownSdlPlatform()
{
    if (sdl.audioOpen) {
        sdl.mixer.haltChannel(-1);
        for (CachedSound& sound : soundCache) {
            if (sound.chunk != nullptr) sdl.mixer.freeChunk(sound.chunk);
            sound = CachedSound{};
        }
        sdl.mixer.closeAudio();
    }
    sdl.audioOpen = false;
    closeMixerLibrary(sdl.mixer);
    closeGameFonts();
    closeGamepads(windows.input);
    SDL_Quit();
}

namespace {

// An event of a window's loop: to an open question or dialog first, which holds the other
// windows' input but not their repaints, closing or full-screen switch.
WindowRequest dispatchLoopEvent(WindowKind kind, const SDL_Event& event)
{
    if (answerWindowOpen()) {
        if (answerWindowEvent(event)) return WindowRequest::Continue;
        const bool f11 = event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F11;
        if (event.type != SDL_WINDOWEVENT && !f11) return WindowRequest::Continue;
    }
    return dispatchWindowEvent(kind, event);
}

// After each call of the game: the inputs it held, what it asked of the shell, and the windows
// its mode asks for.
void afterGameCalls()
{
    deliverDeferredInputs();
    performGameRequests();
    syncAnswerWindows();
}

}  // namespace

void runMessageLoop(WindowKind kind)
{
    while (windowOf(kind).window != nullptr && !sdl.quitRequested && !loopTimeUp() &&
           !(kind == WindowKind::Game && sdl.tryingLevel && trialOver(game.mode))) {
        SDL_Event event;
        const bool got = waitForEvent(event);
        if (kind == WindowKind::Game) {
            steerGamePaddle();
            deliverDueTick();
            advanceGameFlow();
            pauseIfFocusGoneElsewhere();
        }
        const WindowRequest request = got ? dispatchLoopEvent(kind, event) : WindowRequest::Continue;
        // An arrow key just pressed moves the paddle at once, not at the next wake.
        if (got && kind == WindowKind::Game) steerGamePaddle();
        afterGameCalls();
        if (request == WindowRequest::PlayGame) openGameWindow();
        if (request == WindowRequest::ShowCredits) openCreditsWindow();
        if (request == WindowRequest::Quit) sdl.quitRequested = true;
        // A pending close waits for the button's release, a quarter of a second at most.
        SdlWindow& w = windowOf(kind);
        if (w.closePending && (!w.buttonHeld || SDL_GetTicks64() - w.closeAskedAt > 250)) closeWindow(kind);
    }
    // A quit request (a signal, a logout) closes the game as the desktop's close does: a name
    // being typed is kept, what a slide or a pause under way settles is settled.
    if (sdl.quitRequested) confirmOpenDialog();
    if (sdl.quitRequested && kind == WindowKind::Game && windows.game.window != nullptr) {
        windows.deferred = DeferredInputs{};
        gameWindowCloseRequest();
    }
    afterGameCalls();
}

bool waitForEditorEvent(SDL_Event& event, int timeoutMs)
{
    const bool got = timeoutMs < 0 ? SDL_WaitEvent(&event) == 1 : SDL_WaitEventTimeout(&event, timeoutMs) == 1;
    if (got && event.type == SDL_QUIT) sdl.quitRequested = true;
    return got;
}

bool keepWindowsAlive()
{
    // Only what keeps the windows alive is handled: input waits until the game handles events again.
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_QUIT, SDL_QUIT) == 1) sdl.quitRequested = true;
    // The window events that ask for a picture are answered; the others go back in the queue.
    std::array<SDL_Event, 64> kept{};
    int keptCount = 0;
    while (keptCount < static_cast<int>(kept.size()) &&
           SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) == 1) {
        if (windowMayShowNothing(event.window.event)) {
            windowPictureLost(SDL_GetWindowFromID(event.window.windowID));
            repaintWindowWithId(event.window.windowID);
        } else {
            kept[static_cast<std::size_t>(keptCount++)] = event;
        }
    }
    if (keptCount > 0) SDL_PeepEvents(kept.data(), keptCount, SDL_ADDEVENT, 0, 0);
    paintWantedWindows();
    return !sdl.quitRequested;
}

void startGameTimer(std::uint32_t ms)
{
    sdl.timerRunning = true;
    sdl.timerHeldAt = 0;
    sdl.timerIntervalMs = ms;
    sdl.timerDeadline = SDL_GetTicks64() + ms;
}

void stopGameTimer() { sdl.timerRunning = false; }

// The pointer as the game window last saw it move. (SDL's global pointer state is refreshed
// only by some X servers' raw input, so the window's own motion events are the reliable source.)
Point pointerPosition() { return Point{windows.pointer.x, windows.pointer.y}; }

void requestRepaint() { windows.game.repaintWanted = true; }

// A steady clock: a frame that spans midnight or a clock change must not move a slide backwards.
std::int64_t inputTimeMs() { return static_cast<std::int64_t>(SDL_GetTicks64()); }

void playSoundFile(const char* path)
{
    if (!sdl.audioOpen) return;
    Mix_Chunk* chunk = soundFor(path);
    if (chunk != nullptr) sdl.mixer.playChannel(-1, chunk, 0);
}

void loopSoundFile(const char* path)
{
    if (!sdl.audioOpen) return;
    Mix_Chunk* chunk = soundFor(path);
    if (chunk != nullptr) sdl.mixer.playChannel(-1, chunk, -1);
}

void stopSounds()
{
    if (!sdl.audioOpen) return;
    sdl.mixer.haltChannel(-1);
}

void closeGameWindow()
{
    if (replay.mode == ReplayMode::Playing) return;  // a watched replay keeps its final screen
    closeGameWindowAfterClick();
}

void openGameWindow()
{
    finishStartUp();  // a game needs every picture and its sounds from its first frame
    showWindow(WindowKind::Menu, false);
    windows.pointer = SDL_Point{240, 0};
    windows.deferred = DeferredInputs{};
    gameWindowNewGame();
    openWindow(WindowKind::Game);
    runMessageLoop(WindowKind::Game);
    closeAnswerWindows();
    closeWindow(WindowKind::Game);
    keepLevelReached();
    // A game left before its end screen (closed, a quit request) saves its replay here.
    std::string told;
    saveGameReplay(replayDirectory(), told);
    // What the end of its recording settled is not performed for a game that has gone.
    game.requests = FlowRequests{};
    showWindow(WindowKind::Menu, true);
}

std::string saveRunReplay()
{
    std::string told;
    saveGameReplay(replayDirectory(), told);
    return told;
}

void openCreditsWindow()
{
    finishStartUp();
    showWindow(WindowKind::Menu, false);
    openWindow(WindowKind::Credits);
    runMessageLoop(WindowKind::Credits);
    closeWindow(WindowKind::Credits);
    showWindow(WindowKind::Menu, true);
}
