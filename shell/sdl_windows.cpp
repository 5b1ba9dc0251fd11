// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's windows on SDL: the menu, the game and the credits, each with its place on
// the screen, its events and its paint.
#include "shell/sdl_windows.h"

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "game/replay.h"
#include "game/window_events.h"
#include "screens/credits_screen.h"
#include "screens/game_screen.h"
#include "screens/game_window_paint.h"
#include "screens/menu_buttons.h"
#include "screens/menu_screen.h"
#include "screens/screen_state.h"
#include "shell/game_window_input.h"
#include "shell/level_sets.h"
#include "shell/menu_navigation.h"
#include "shell/pointer_visibility.h"
#include "shell/sdl_dialogs.h"
#include "shell/sdl_presentation.h"
#include "shell/sdl_program_look.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"
#include "shell/text_dialogs.h"
#include "shell/window_places.h"

SdlWindows windows;

namespace {

constexpr const char* kWindowTitle = "> Tessaron";

void requestMenuRepaint() { windows.menu.repaintWanted = true; }

// The pointer of a mouse event in the window's picture pixels.
Point eventPoint(SDL_Window* window, int x, int y) { return picturePointOf(window, x, y); }

WindowRequest pressMenuButton(MenuButtonId button)
{
    if (button == kLevelCodeButton) beginCodeEntry();
    if (button == kSoundButton) {
        toggleSound();
        shellState.playerSettings.values.soundOn = game.soundEnabled == 1;
        writeSettingsFile(shellState.playerSettings, stderr);
    }
    if (button == kCreditsButton) return WindowRequest::ShowCredits;
    if (button == kStartButton) return WindowRequest::PlayGame;
    if (button == kQuitButton) {
        closeWindow(WindowKind::Menu);
        return WindowRequest::Quit;
    }
    return WindowRequest::Continue;
}

// The next or the previous set of levels is played, when the menu offers any.
void changeLevelSet(bool forward)
{
    if (shellState.levelSetChoice.sets.empty()) return;
    const int count = static_cast<int>(shellState.levelSetChoice.sets.size());
    chooseLevelSet(steppedLevelSet(shellState.levelSetChoice.chosen, count, forward));
    requestMenuRepaint();
}

MenuButtonId hoveredMenuButton()
{
    for (int i = kFirstDrawnButton; i <= kLastDrawnButton; ++i) {
        if (screenState.menuButtons[static_cast<std::size_t>(i)].hovered == 1) return static_cast<MenuButtonId>(i);
    }
    return kNoMenuButton;
}

// Lights one drawn button, or none, with the hover look: the one highlight the pointer and the
// keys share.
void lightMenuButton(MenuButtonId id)
{
    const MenuButton& button = screenState.menuButtons[static_cast<std::size_t>(id)];
    if (id == kNoMenuButton) {
        hitTestButtons(-1, -1);
    } else {
        hitTestButtons(button.x + button.width / 2, button.y + button.height / 2);
    }
    requestMenuRepaint();
}

// The keyboard and the gamepad in the menu: arrows, Tab and the d-pad move the highlight,
// Return, Space and A press the lit button (with none lit, the first lights up), Escape and
// Back quit.
WindowRequest menuKeys(MenuCommand command)
{
    const MenuButtonId lit = hoveredMenuButton();
    windows.menuLitByKeys = true;
    switch (command) {
    case MenuCommand::Previous:
    case MenuCommand::Next: lightMenuButton(steppedMenuButton(lit, command)); break;
    case MenuCommand::Press:
        if (lit == kNoMenuButton) {
            lightMenuButton(kStartButton);
            break;
        }
        requestMenuRepaint();
        return pressMenuButton(lit);
    case MenuCommand::Quit: return pressMenuButton(kQuitButton);
    case MenuCommand::PreviousSet:
    case MenuCommand::NextSet: changeLevelSet(command == MenuCommand::NextSet); break;
    default: break;
    }
    return WindowRequest::Continue;
}

WindowRequest menuEvent(const SDL_Event& event)
{
    const MenuCommand command = menuCommandOf(event, shellState.playerSettings.values.gamepad);
    if (command != MenuCommand::None) return menuKeys(command);
    switch (event.type) {
    case SDL_MOUSEMOTION: {
        const Point point = eventPoint(windows.menu.window, event.motion.x, event.motion.y);
        // A window shown under a resting pointer is told where the pointer is, and may be told
        // again: only a real move takes the highlight from the keys.
        const bool moved = windows.menuPointerKnown && (point.x != game.cursorPos.x || point.y != game.cursorPos.y);
        windows.menuPointerKnown = true;
        if (windows.menuLitByKeys && !moved) {
            game.cursorPos = point;
            break;
        }
        windows.menuLitByKeys = false;
        game.cursorPos = point;
        hitTestButtons(game.cursorPos.x, game.cursorPos.y);
        requestMenuRepaint();  // every movement repaints, hover changed or not
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button != SDL_BUTTON_LEFT) break;
        windows.menuLitByKeys = false;
        game.cursorPos = eventPoint(windows.menu.window, event.button.x, event.button.y);
        windows.pressedMenuButton = hitTestButtons(game.cursorPos.x, game.cursorPos.y);
        requestMenuRepaint();
        break;
    case SDL_MOUSEBUTTONUP: {
        // A button acts once the click's release has reached the menu: a window opened or
        // hidden under a held button would keep SDL believing it still held, and lose the
        // next click.
        if (event.button.button != SDL_BUTTON_LEFT) break;
        const MenuButtonId button = windows.pressedMenuButton;
        windows.pressedMenuButton = kNoMenuButton;
        requestMenuRepaint();
        if (button == kNoMenuButton && onLevelSetLine(game.cursorPos.x, game.cursorPos.y)) changeLevelSet(true);
        return pressMenuButton(button);
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            closeWindow(WindowKind::Menu);
            return WindowRequest::Quit;
        }
        break;
    default: break;
    }
    return WindowRequest::Continue;
}

void gamePointerAt(int x, int y)
{
    const Point point = eventPoint(windows.game.window, x, y);
    windows.pointer = SDL_Point{point.x, point.y};
}

// The game's inputs that came while it waits for time (a pause, the applause, a slide) wait in
// turn, in order, and reach it once that time has passed, as a player who clicked during a slide
// expects. Consecutive pointer moves are one.
void gameInput(Handler handler, int argument)
{
    DeferredInputs& later = windows.deferred;
    if (!flowWaitsForTime() && later.count == 0) {
        runHandler(handler, argument, inputTimeMs());
        return;
    }
    const bool moveAgain = handler == Handler::PointerMoved && later.count > 0 &&
                           later.inputs[static_cast<std::size_t>(later.count - 1)].handler == Handler::PointerMoved;
    if (moveAgain || later.count == kDeferredInputs) return;
    later.inputs[static_cast<std::size_t>(later.count++)] = DeferredInput{handler, argument};
}

// An event of the game window: an input of the game (see game_window_input), or the window's
// own full-screen switch or close.
void gameEvent(const SDL_Event& event)
{
    if (event.type == SDL_MOUSEMOTION) gamePointerAt(event.motion.x, event.motion.y);
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        gamePointerAt(event.button.x, event.button.y);
        if (event.button.button == SDL_BUTTON_LEFT) windows.game.buttonHeld = true;
    }
    const GameWindowInput given = gameWindowInputOf(windows.input, event, shellState.playerSettings.values,
                                                    Point{windows.pointer.x, windows.pointer.y});
    switch (given.action) {
    case GameWindowAction::Input: gameInput(given.handler, given.argument); break;
    case GameWindowAction::FullScreen:
        shellState.playerSettings.values.fullScreen = toggleFullScreen(windows.game.window);
        writeSettingsFile(shellState.playerSettings, stderr);
        break;
    case GameWindowAction::Close:
        // A name being typed is kept as OK keeps it; then the window closes, whatever the game
        // was doing.
        confirmOpenDialog();
        windows.deferred = DeferredInputs{};
        gameWindowCloseRequest();
        break;
    default: break;
    }
}

void creditsEvent(const SDL_Event& event)
{
    // Escape, Return, Space, a click or the gamepad's A, B or Back close the help, as the close
    // box does; the line at the picture's foot says so.
    const bool closing = event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE;
    if (closing || closesCredits(event, shellState.playerSettings.values.gamepad)) closeWindow(WindowKind::Credits);
}

// The size the player gave the game window, remembered for the next game and the next run;
// a full screen's size is not the window's, and the enlarged default is no choice of theirs.
void rememberGameWindowSize()
{
    SDL_Window* window = windows.game.window;
    if (window == nullptr || (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0) return;
    WindowSize size;
    SDL_GetWindowSize(window, &size.width, &size.height);
    if (size.width == windowScale() * kGameWindowWidth && size.height == windowScale() * kGameWindowHeight) {
        size = WindowSize{};
    }
    Settings& settings = shellState.playerSettings.values;
    if (size.width == settings.windowWidth && size.height == settings.windowHeight) return;
    settings.windowWidth = size.width;
    settings.windowHeight = size.height;
    windows.gameWindowResized = true;
}

WindowSize usableSize()
{
    SDL_Rect usable{0, 0, 1024, 768};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) SDL_GetDisplayBounds(0, &usable);
    return WindowSize{usable.w, usable.h};
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
    case WindowKind::Menu: return windows.menu;
    case WindowKind::Game: return windows.game;
    default: return windows.credits;
    }
}

void openWindow(WindowKind kind)
{
    const SDL_Point screen = screenSize();
    const int scale = windowScale();
    const bool menu = kind == WindowKind::Menu;
    const Point place = menu ? menuWindowPlace(screen.x, screen.y, scale) : gameWindowPlace(screen.x, screen.y, scale);
    // The game window takes any size the player gives it, and opens at the last one.
    const bool game = kind == WindowKind::Game;
    const std::uint32_t flags = menu ? SDL_WINDOW_BORDERLESS : game ? SDL_WINDOW_RESIZABLE : 0;
    const Settings& settings = shellState.playerSettings.values;
    const WindowSize size =
        game ? gameWindowSize(WindowSize{settings.windowWidth, settings.windowHeight}, usableSize(), scale)
             : WindowSize{};
    const bool ownSize = game && size.width != scale * kGameWindowWidth;
    SDL_Window* window = openPictureWindow(
        kWindowTitle, ownSize ? static_cast<int>(SDL_WINDOWPOS_CENTERED) : place.x,
        ownSize ? static_cast<int>(SDL_WINDOWPOS_CENTERED) : place.y, menu ? kMenuWindowWidth : kGameWindowWidth,
        menu ? kMenuWindowHeight : kGameWindowHeight, flags | SDL_WINDOW_SHOWN, size);
    SdlWindow& w = windowOf(kind);
    w.window = window;
    w.repaintWanted = true;
    w.pictureLost = true;
    if (kind == WindowKind::Game) forgetGameWindowPaint();
    if (window == nullptr) return;
    if (game) SDL_SetWindowMinimumSize(window, kGameWindowWidth, kGameWindowHeight);
    if (game && shellState.playerSettings.values.fullScreen) toggleFullScreen(window);
    setProgramLook(window, kind);
    SDL_RaiseWindow(window);
}

void closeWindow(WindowKind kind)
{
    SdlWindow& w = windowOf(kind);
    if (w.window == nullptr) return;
    if (kind == WindowKind::Game) {
        stopGameTimer();  // a window's timer ends with it
        forgetGameWindowPaint();
        if (windows.gameWindowResized) writeSettingsFile(shellState.playerSettings, stderr);
        windows.gameWindowResized = false;
    }
    closePictureWindow(w.window);
    w = SdlWindow{};
}

void showWindow(WindowKind kind, bool shown)
{
    SdlWindow& w = windowOf(kind);
    if (w.window == nullptr) return;
    if (shown) {
        SDL_ShowWindow(w.window);
        setProgramLook(w.window, kind);
        SDL_RaiseWindow(w.window);
        windowPictureLost(w.window);
        w.repaintWanted = true;
        if (kind == WindowKind::Menu) relightMenu();
    } else {
        SDL_HideWindow(w.window);
    }
}

void paintWindow(WindowKind kind)
{
    SdlWindow& w = windowOf(kind);
    w.repaintWanted = false;
    // While the board stands still after a lost ball or during the applause the window keeps the
    // frame it shows, unless it has lost it.
    const bool still = game.mode == GameMode::LostBallPause || game.mode == GameMode::Applause;
    if (kind == WindowKind::Game && still && !w.pictureLost) return;
    w.pictureLost = false;
    SDL_Surface* picture = windowPicture(w.window);
    if (picture == nullptr) return;
    const std::uint64_t paintStart = SDL_GetTicks64();
    if (kind == WindowKind::Game) {
        ChangedAreas changed;
        paintGameWindow(picture, changed);
        showWindowPicture(w.window, changed.rects.data(), changed.count);
        // A slide's frame is timed from the start of its paint to the end of its rest.
        if (game.mode == GameMode::Slide) {
            windows.slideFrame.paintStart = paintStart;
            windows.slideFrame.shownAt = SDL_GetTicks64();
        }
    } else {
        if (kind == WindowKind::Menu) drawMenu(picture);
        if (kind == WindowKind::Credits) drawCredits(picture);
        showWindowPicture(w.window);
    }
    windows.framesPresented += 1;
}

void relightMenu()
{
    if (windows.menu.window == nullptr) return;
    if (windows.menuLitByKeys) {
        windows.menuPointerKnown = false;
        if (hoveredMenuButton() == kNoMenuButton) lightMenuButton(kStartButton);
        return;
    }
    // The highlight follows the pointer, which may have moved anywhere meanwhile.
    int x = 0;
    int y = 0;
    int left = 0;
    int top = 0;
    SDL_GetGlobalMouseState(&x, &y);
    SDL_GetWindowPosition(windows.menu.window, &left, &top);
    game.cursorPos = eventPoint(windows.menu.window, x - left, y - top);
    windows.menuPointerKnown = true;
    hitTestButtons(game.cursorPos.x, game.cursorPos.y);
    requestMenuRepaint();
}

void paintWantedWindows()
{
    for (WindowKind kind : {WindowKind::Menu, WindowKind::Game, WindowKind::Credits}) {
        SdlWindow& w = windowOf(kind);
        if (w.window != nullptr && w.repaintWanted) paintWindow(kind);
    }
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

bool windowMayShowNothing(std::uint8_t windowEvent)
{
    // Uncovered or resized, and on Wayland also just shown, moved or focused: a compositor may
    // drop the frames a window sends before it has placed it, so the window is given its whole
    // picture again.
    switch (windowEvent) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_FOCUS_GAINED: return true;
    default: return false;
    }
}

void repaintWindowWithId(std::uint32_t windowId)
{
    for (WindowKind kind : {WindowKind::Menu, WindowKind::Game, WindowKind::Credits}) {
        SdlWindow& w = windowOf(kind);
        if (w.window != nullptr && SDL_GetWindowID(w.window) == windowId) {
            // Uncovered: the window shows nothing of its picture until it receives it whole.
            windowPictureLost(w.window);
            w.repaintWanted = true;
            w.pictureLost = true;
        }
    }
}

WindowRequest dispatchWindowEvent(WindowKind kind, const SDL_Event& event)
{
    const SdlWindow& w = windowOf(kind);
    if (w.window == nullptr) return WindowRequest::Continue;
    // A gamepad's events belong to the window whose loop runs.
    const std::uint32_t id = isGamepadEvent(event) ? SDL_GetWindowID(w.window) : eventWindowId(event);
    const bool uncovered = event.type == SDL_WINDOWEVENT && windowMayShowNothing(event.window.event);
    if (kind == WindowKind::Game && event.type == SDL_WINDOWEVENT &&
        event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && id == SDL_GetWindowID(w.window)) {
        rememberGameWindowSize();
    }
    if (id != SDL_GetWindowID(w.window) || uncovered) {
        // Events of other windows wait in the original; here only their repaints matter.
        if (uncovered) repaintWindowWithId(id);
        return WindowRequest::Continue;
    }
    if (kind == WindowKind::Game && event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT) {
        windowOf(kind).buttonHeld = false;
    }
    if (kind == WindowKind::Menu) return menuEvent(event);
    if (kind == WindowKind::Game && !w.closePending) gameEvent(event);
    if (kind == WindowKind::Credits) creditsEvent(event);
    return WindowRequest::Continue;
}

// The game window closes at once for the game, which sees no further tick or event; the window
// itself goes once the button of the click that closed it is released, so that the release
// reaches it: a window destroyed under a held button would leave SDL believing the button is
// still down, and the menu's next click would be lost.
void closeGameWindowAfterClick()
{
    if (windows.game.window == nullptr) return;
    stopGameTimer();
    if (!windows.game.buttonHeld) {
        closeWindow(WindowKind::Game);
        return;
    }
    windows.game.closePending = true;
    windows.game.closeAskedAt = SDL_GetTicks64();
}

bool isGamepadEvent(const SDL_Event& event)
{
    return event.type >= SDL_CONTROLLERAXISMOTION && event.type <= SDL_CONTROLLERDEVICEREMAPPED;
}

bool gamePaddleSteered()
{
    return windows.game.window != nullptr && !windows.game.closePending && pointerSteered(windows.input);
}

void steerGamePaddle()
{
    if (windows.game.window == nullptr || windows.game.closePending) return;
    const GameWindowInput given =
        steerPointer(windows.input, shellState.playerSettings.values, SDL_GetTicks64(), windows.pointer.x);
    if (given.action == GameWindowAction::Input) gameInput(given.handler, given.argument);
}

void refreshGamePointer()
{
    SDL_Window* window = windows.game.window;
    bool shown = true;
    if (window != nullptr && !windows.game.closePending) {
        // The mouse's own place: the keys and the stick steer the game's pointer, not the mouse.
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        const bool inWindow = SDL_GetMouseFocus() == window;
        shown = pointerShownOverGame(game, picturePointOf(window, x, y), inWindow,
                                     shellState.playerSettings.values.pointerInPlay);
    }
    if (shown == windows.pointerShown) return;
    windows.pointerShown = shown;
    SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

void gameWindowTimer() { gameWindowTick(); }

void deliverDeferredInputs()
{
    DeferredInputs& later = windows.deferred;
    int taken = 0;
    while (taken < later.count && !flowWaitsForTime() && windows.game.window != nullptr) {
        const DeferredInput input = later.inputs[static_cast<std::size_t>(taken++)];
        runHandler(input.handler, input.argument, inputTimeMs());
    }
    if (windows.game.window == nullptr) taken = later.count;
    for (int i = taken; i < later.count; ++i) {
        later.inputs[static_cast<std::size_t>(i - taken)] = later.inputs[static_cast<std::size_t>(i)];
    }
    later.count -= taken;
}
