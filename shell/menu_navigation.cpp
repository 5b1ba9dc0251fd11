// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's keys and gamepad buttons, and those that close the help and credits window.
#include "shell/menu_navigation.h"

namespace {

MenuCommand keyCommand(const SDL_KeyboardEvent& key)
{
    const bool fresh = key.repeat == 0;
    switch (key.keysym.sym) {
    case SDLK_UP: return MenuCommand::Previous;
    case SDLK_DOWN: return MenuCommand::Next;
    case SDLK_TAB: return (key.keysym.mod & KMOD_SHIFT) != 0 ? MenuCommand::Previous : MenuCommand::Next;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE: return fresh ? MenuCommand::Press : MenuCommand::None;
    case SDLK_ESCAPE: return fresh ? MenuCommand::Quit : MenuCommand::None;
    default: return MenuCommand::None;
    }
}

MenuCommand padCommand(std::uint8_t button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return MenuCommand::Previous;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return MenuCommand::Next;
    case SDL_CONTROLLER_BUTTON_A: return MenuCommand::Press;
    case SDL_CONTROLLER_BUTTON_BACK: return MenuCommand::Quit;
    default: return MenuCommand::None;
    }
}

}  // namespace

MenuCommand menuCommandOf(const SDL_Event& event, bool gamepadOn)
{
    if (event.type == SDL_KEYDOWN) return keyCommand(event.key);
    if (event.type == SDL_CONTROLLERBUTTONDOWN && gamepadOn) return padCommand(event.cbutton.button);
    return MenuCommand::None;
}

MenuButtonId steppedMenuButton(MenuButtonId lit, MenuCommand command)
{
    if (command != MenuCommand::Previous && command != MenuCommand::Next) return lit;
    const bool down = command == MenuCommand::Next;
    if (lit < kFirstDrawnButton || lit > kLastDrawnButton) return down ? kFirstDrawnButton : kLastDrawnButton;
    const int index = lit - kFirstDrawnButton + (down ? 1 : kDrawnMenuButtons - 1);
    return static_cast<MenuButtonId>(kFirstDrawnButton + index % kDrawnMenuButtons);
}

bool closesCredits(const SDL_Event& event, bool gamepadOn)
{
    switch (event.type) {
    case SDL_KEYDOWN: {
        const SDL_Keycode key = event.key.keysym.sym;
        const bool closing = key == SDLK_ESCAPE || key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE;
        return closing && event.key.repeat == 0;
    }
    case SDL_MOUSEBUTTONUP: return event.button.button == SDL_BUTTON_LEFT;
    case SDL_CONTROLLERBUTTONDOWN: {
        const std::uint8_t button = event.cbutton.button;
        return gamepadOn && (button == SDL_CONTROLLER_BUTTON_A || button == SDL_CONTROLLER_BUTTON_B ||
                             button == SDL_CONTROLLER_BUTTON_BACK);
    }
    default: return false;
    }
}
