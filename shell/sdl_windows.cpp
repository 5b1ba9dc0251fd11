// The program's windows on SDL: the menu, the game and the credits, each with its place on
// the screen, its events and its paint.
#include "shell/sdl_windows.h"

#include "game/controls.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "screens/credits_screen.h"
#include "screens/game_screen.h"
#include "screens/menu_screen.h"
#include "screens/window_target.h"
#include "shell/program_look.h"
#include "shell/replay_store.h"
#include "shell/text_dialogs.h"
#include "shell/window_places.h"

namespace {

constexpr const char* kWindowTitle = "> Tessaron";
// The game and credits windows show the 700 x 550 playfield pictures whole.
constexpr int kGameWidth = 700;
constexpr int kGameHeight = 550;

constexpr int kButtonQuit = 5;
constexpr int kButtonStart = 1;
constexpr int kButtonCode = 2;
constexpr int kButtonCredits = 3;
constexpr int kButtonSound = 4;

// The virtual-key code the game window tells keys apart by.
int virtualKeyOf(SDL_Keycode key)
{
    if (key == SDLK_ESCAPE) return kKeyEscape;
    if (key == SDLK_F12) return kKeyF12;
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key > 0 && key < 128) return static_cast<int>(key);
    return 0xFF;
}

void requestMenuRepaint() { sdl.menu.repaintWanted = true; }

void menuEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
        game.cursorPos = Point{event.motion.x, event.motion.y};
        hitTestButtons(game.cursorPos.x, game.cursorPos.y);
        requestMenuRepaint();  // every movement repaints, hover changed or not
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button != SDL_BUTTON_LEFT) break;
        game.cursorPos = Point{event.button.x, event.button.y};
        sdl.pressedMenuButton = hitTestButtons(game.cursorPos.x, game.cursorPos.y);
        requestMenuRepaint();
        break;
    case SDL_MOUSEBUTTONUP: {
        // A button acts once the click's release has reached the menu: a window opened or
        // hidden under a held button would keep SDL believing it still held, and lose the
        // next click.
        if (event.button.button != SDL_BUTTON_LEFT) break;
        const int button = sdl.pressedMenuButton;
        sdl.pressedMenuButton = 0;
        if (button == kButtonCode) enterLevelCode();
        if (button == kButtonCredits) openCreditsWindow();
        if (button == kButtonSound) toggleSound();
        if (button == kButtonQuit) {
            closeWindow(WindowKind::Menu);
            sdl.quitRequested = true;
            return;
        }
        if (button == kButtonStart) openGameWindow();
        requestMenuRepaint();
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            sdl.quitRequested = true;
            closeWindow(WindowKind::Menu);
        }
        break;
    default:
        break;
    }
}

void gameEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
        sdl.pointer = SDL_Point{event.motion.x, event.motion.y};
        runHandler(Handler::PointerMoved, 0, SDL_GetTicks64());
        break;
    case SDL_MOUSEBUTTONDOWN:
        sdl.pointer = SDL_Point{event.button.x, event.button.y};
        if (event.button.button == SDL_BUTTON_LEFT) {
            sdl.game.buttonHeld = true;
            runHandler(Handler::LeftButton, 0, SDL_GetTicks64());
        }
        break;
    case SDL_KEYDOWN:
        // A held key pauses once, not at the keyboard's repeat rate.
        if (event.key.repeat == 0) runHandler(Handler::Key, virtualKeyOf(event.key.keysym.sym), SDL_GetTicks64());
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) runHandler(Handler::Close, 0, SDL_GetTicks64());
        break;
    default:
        break;
    }
}

void creditsEvent(const SDL_Event& event)
{
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) {
        closeWindow(WindowKind::Credits);
    }
}

SDL_Point screenSize()
{
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return SDL_Point{1024, 768};
    return SDL_Point{mode.w, mode.h};
}

}  // namespace

SdlWindow& windowOf(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Menu: return sdl.menu;
    case WindowKind::Game: return sdl.game;
    default: return sdl.credits;
    }
}

void openWindow(WindowKind kind)
{
    const SDL_Point screen = screenSize();
    const bool menu = kind == WindowKind::Menu;
    const Point place = menu ? menuWindowPlace(screen.x, screen.y) : gameWindowPlace(screen.x, screen.y);
    const std::uint32_t flags = menu ? SDL_WINDOW_BORDERLESS : 0;
    SDL_Window* window = SDL_CreateWindow(kWindowTitle, place.x, place.y, menu ? kMenuWindowWidth : kGameWidth,
                                          menu ? kMenuWindowHeight : kGameHeight, flags | SDL_WINDOW_SHOWN);
    SdlWindow& w = windowOf(kind);
    w.window = window;
    w.repaintWanted = true;
    if (window == nullptr) return;
    setProgramLook(window, kind);
    SDL_RaiseWindow(window);
}

void closeWindow(WindowKind kind)
{
    SdlWindow& w = windowOf(kind);
    if (w.window == nullptr) return;
    if (kind == WindowKind::Game) sdl.timerRunning = false;  // a window's timer ends with it
    SDL_DestroyWindow(w.window);
    w.window = nullptr;
    w.repaintWanted = false;
    w.closePending = false;
    w.buttonHeld = false;
}

void showWindow(WindowKind kind, bool shown)
{
    SdlWindow& w = windowOf(kind);
    if (w.window == nullptr) return;
    if (shown) {
        SDL_ShowWindow(w.window);
        setProgramLook(w.window, kind);
        SDL_RaiseWindow(w.window);
        w.repaintWanted = true;
    } else {
        SDL_HideWindow(w.window);
    }
}

void paintWindow(WindowKind kind)
{
    SdlWindow& w = windowOf(kind);
    w.repaintWanted = false;
    if (w.window == nullptr) return;
    SDL_Surface* surface = SDL_GetWindowSurface(w.window);
    if (surface == nullptr) return;
    if (kind == WindowKind::Menu) drawMenu(surface);
    if (kind == WindowKind::Game) drawGameScreen(surface);
    if (kind == WindowKind::Credits) drawCredits(surface);
    SDL_UpdateWindowSurface(w.window);
    sdl.framesPresented += 1;
}

std::uint32_t eventWindowId(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_WINDOWEVENT: return event.window.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP: return event.key.windowID;
    case SDL_TEXTINPUT: return event.text.windowID;
    case SDL_MOUSEMOTION: return event.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return event.button.windowID;
    default: return 0;
    }
}

void repaintWindowWithId(std::uint32_t windowId)
{
    for (WindowKind kind : {WindowKind::Menu, WindowKind::Game, WindowKind::Credits}) {
        SdlWindow& w = windowOf(kind);
        if (w.window != nullptr && SDL_GetWindowID(w.window) == windowId) w.repaintWanted = true;
    }
}

void dispatchWindowEvent(WindowKind kind, const SDL_Event& event)
{
    const SdlWindow& w = windowOf(kind);
    if (w.window == nullptr) return;
    const std::uint32_t id = eventWindowId(event);
    if (id != SDL_GetWindowID(w.window)) {
        // Events of other windows wait in the original; here only their repaints matter.
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            repaintWindowWithId(id);
        }
        return;
    }
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        repaintWindowWithId(id);
        return;
    }
    if (kind == WindowKind::Game && event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT) {
        windowOf(kind).buttonHeld = false;
    }
    if (kind == WindowKind::Menu) menuEvent(event);
    if (kind == WindowKind::Game && !w.closePending) gameEvent(event);
    if (kind == WindowKind::Credits) creditsEvent(event);
}

void gameWindowTimer() { runHandler(Handler::Timer, 0, SDL_GetTicks64()); }

void openGameWindow()
{
    showWindow(WindowKind::Menu, false);
    sdl.pointer = SDL_Point{240, 0};
    newGameReset();
    beginRecording(Point{sdl.pointer.x, sdl.pointer.y});
    startLevel();
    openWindow(WindowKind::Game);
    runMessageLoop(WindowKind::Game);
    closeWindow(WindowKind::Game);
    saveGameReplay(replayDirectory());
    showWindow(WindowKind::Menu, true);
}

void openCreditsWindow()
{
    showWindow(WindowKind::Menu, false);
    openWindow(WindowKind::Credits);
    runMessageLoop(WindowKind::Credits);
    closeWindow(WindowKind::Credits);
    showWindow(WindowKind::Menu, true);
}

SDL_Surface* gameWindowSurface()
{
    return sdl.game.window != nullptr ? SDL_GetWindowSurface(sdl.game.window) : nullptr;
}

void presentGameWindow()
{
    if (sdl.game.window == nullptr) return;
    SDL_UpdateWindowSurface(sdl.game.window);
    sdl.framesPresented += 1;
}
