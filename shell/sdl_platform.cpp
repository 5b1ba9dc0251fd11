// The platform seam on SDL2: the game timer as a deadline in the window loops, repaints,
// the pointer, waits, the clock and sounds through SDL2_mixer.
#include "shell/sdl_platform.h"

#include <SDL_mixer.h>
#include <X11/Xlib.h>

#include <array>
#include <cstdio>
#include <string>

#include "game/platform.h"
#include "game/replay.h"
#include "screens/fonts.h"
#include "shell/sdl_replay_watch.h"
#include "shell/sdl_windows.h"

SdlPlatform sdl;

namespace {

constexpr int kMixChannels = 16;
constexpr int kCachedSounds = 32;

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
    Mix_Chunk* chunk = Mix_LoadWAV(utf8FromWindows1252(path).c_str());
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
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
        Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0) {
        return true;
    }
    // No sound device: the same code runs on SDL's silent driver.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
        Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0) {
        return true;
    }
    return false;
}

// Delivers the game timer's tick when its deadline has passed; a late tick is delivered
// once, and the next one is counted from now (late ticks are coalesced).
void deliverDueTick()
{
    if (!sdl.timerRunning || sdl.game.window == nullptr) return;
    const std::uint64_t now = SDL_GetTicks64();
    if (now < sdl.timerDeadline) return;
    sdl.timerDeadline += sdl.timerIntervalMs;
    if (sdl.timerDeadline <= now) sdl.timerDeadline = now + sdl.timerIntervalMs;
    sdl.ticksDelivered += 1;
    gameWindowTimer();
    if (sdl.tickObserver != nullptr) sdl.tickObserver();
}

bool loopTimeUp() { return sdl.loopEndsAt != 0 && SDL_GetTicks64() >= sdl.loopEndsAt; }

int waitTimeoutMs()
{
    const std::uint64_t now = SDL_GetTicks64();
    std::uint64_t until = 0;
    if (sdl.timerRunning && sdl.game.window != nullptr) until = sdl.timerDeadline;
    if (sdl.loopEndsAt != 0 && (until == 0 || sdl.loopEndsAt < until)) until = sdl.loopEndsAt;
    if (until == 0) return -1;
    return now >= until ? 0 : static_cast<int>(until - now);
}

void paintWanted()
{
    for (WindowKind kind : {WindowKind::Menu, WindowKind::Game, WindowKind::Credits}) {
        SdlWindow& w = windowOf(kind);
        if (w.window != nullptr && w.repaintWanted) paintWindow(kind);
    }
}

// Waits for the next event or the next tick, whichever comes first. Returns whether an
// event was taken into `event`.
bool waitForEvent(SDL_Event& event)
{
    paintWanted();
    const int timeout = waitTimeoutMs();
    const bool got = timeout < 0 ? SDL_WaitEvent(&event) == 1 : SDL_WaitEventTimeout(&event, timeout) == 1;
    if (got && event.type == SDL_QUIT) sdl.quitRequested = true;
    return got;
}

// X errors are reported, never fatal. SDL wakes a waiting loop by sending an event to a window
// of ours over a second connection; a window destroyed a moment before (a question or a dialog
// that has just closed) makes that request fail, and Xlib's own handler would end the game.
int reportXError(Display* display, XErrorEvent* error)
{
    char text[128] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "Tessaron: X error ignored: %s (request %d)\n", text, error->request_code);
    return 0;
}

}  // namespace

bool initSdlPlatform()
{
    XSetErrorHandler(reportXError);
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Windows show their surfaces straight through the X server's shared memory: a texture
    // framebuffer would load a whole GL stack and cost a third of a core under Xvfb.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Tessaron: cannot open the display: %s\n", SDL_GetError());
        return false;
    }
    SDL_StopTextInput();
    sdl.audioOpen = openAudio();
    if (sdl.audioOpen) Mix_AllocateChannels(kMixChannels);
    return true;
}

void shutdownSdlPlatform()
{
    if (sdl.audioOpen) {
        Mix_HaltChannel(-1);
        for (CachedSound& sound : soundCache) {
            if (sound.chunk != nullptr) Mix_FreeChunk(sound.chunk);
            sound = CachedSound{};
        }
        Mix_CloseAudio();
    }
    closeGameFonts();
    SDL_Quit();
}

void runMessageLoop(WindowKind kind)
{
    while (windowOf(kind).window != nullptr && !sdl.quitRequested && !loopTimeUp()) {
        SDL_Event event;
        const bool got = waitForEvent(event);
        if (kind == WindowKind::Game) deliverDueTick();
        if (got) dispatchWindowEvent(kind, event);
        // A pending close waits for the button's release, a quarter of a second at most.
        SdlWindow& w = windowOf(kind);
        if (w.closePending && (!w.buttonHeld || SDL_GetTicks64() - w.closeAskedAt > 250)) closeWindow(kind);
    }
}

void pumpModalLoop(SDL_Window* modal, void (*onEvent)(const SDL_Event&, void*), void* context)
{
    if (replay.mode == ReplayMode::Playing) return watchReplayStep();
    SDL_Event event;
    const bool got = waitForEvent(event);
    deliverDueTick();
    if (!got) return;
    const std::uint32_t modalId = SDL_GetWindowID(modal);
    if (eventWindowId(event) == modalId) {
        onEvent(event, context);
    } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        repaintWindowWithId(event.window.windowID);
    }
}

void startGameTimer(std::uint32_t ms)
{
    sdl.timerRunning = true;
    sdl.timerIntervalMs = ms;
    sdl.timerDeadline = SDL_GetTicks64() + ms;
}

void stopGameTimer() { sdl.timerRunning = false; }

// The pointer as the game window last saw it move. (SDL's global pointer state is refreshed
// only by some X servers' raw input, so the window's own motion events are the reliable source.)
Point pointerPosition() { return seamPointer(Point{sdl.pointer.x, sdl.pointer.y}); }

void requestRepaint()
{
    sdl.game.repaintWanted = true;
}

void sleepMs(std::uint32_t ms) { SDL_Delay(ms); }

// A steady clock: slide frames measure their duration with it, and a frame that spans
// midnight or a clock change must not move a slide backwards.
std::int64_t localTimeMs() { return seamClock(static_cast<std::int64_t>(SDL_GetTicks64())); }

void playSoundFile(const char* path)
{
    if (!sdl.audioOpen) return;
    Mix_Chunk* chunk = soundFor(path);
    if (chunk != nullptr) Mix_PlayChannel(-1, chunk, 0);
}

void loopSoundFile(const char* path)
{
    if (!sdl.audioOpen) return;
    Mix_Chunk* chunk = soundFor(path);
    if (chunk != nullptr) Mix_PlayChannel(-1, chunk, -1);
}

void stopSounds()
{
    if (!sdl.audioOpen) return;
    Mix_HaltChannel(-1);
}

// The game window closes at once for the game, which sees no further tick or event; the window
// itself goes once the button of the click that closed it is released, so that the release
// reaches it: a window destroyed under a held button would leave SDL believing the button is
// still down, and the menu's next click would be lost.
void closeGameWindow()
{
    if (replay.mode == ReplayMode::Playing) return;  // a watched replay keeps its final screen
    if (sdl.game.window == nullptr) return;
    sdl.timerRunning = false;
    if (!sdl.game.buttonHeld) {
        closeWindow(WindowKind::Game);
        return;
    }
    sdl.game.closePending = true;
    sdl.game.closeAskedAt = SDL_GetTicks64();
}
