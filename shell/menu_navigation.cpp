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
    case SDLK_LEFT: return fresh ? MenuCommand::PreviousSet : MenuCommand::None;
    case SDLK_RIGHT: return fresh ? MenuCommand::NextSet : MenuCommand::None;
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
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return MenuCommand::PreviousSet;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return MenuCommand::NextSet;
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

AnswerLetters answerLettersOf(const std::string& yes, const std::string& no)
{
    const auto letter = [](const std::string& label) -> SDL_Keycode {
        if (label.empty()) return SDLK_UNKNOWN;
        const auto first = static_cast<unsigned char>(label[0]);
        // Windows-1252's letters from 0xC0 are those of Unicode, whose code is the key's.
        const bool upper = (first >= 'A' && first <= 'Z') || (first >= 0xc0 && first <= 0xde && first != 0xd7);
        return upper ? first + 0x20 : first;
    };
    AnswerLetters letters{letter(yes), letter(no)};
    if (letters.yes == letters.no) letters = AnswerLetters{SDLK_UNKNOWN, SDLK_UNKNOWN};
    return letters;
}

QuestionButton questionKey(const SDL_Event& event, QuestionButton& focus, bool gamepadOn, AnswerLetters letters)
{
    const QuestionButton other = focus == QuestionButton::Yes ? QuestionButton::No : QuestionButton::Yes;
    if (event.type == SDL_CONTROLLERBUTTONDOWN && gamepadOn) {
        switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: focus = other; return QuestionButton::None;
        case SDL_CONTROLLER_BUTTON_A: return focus;
        case SDL_CONTROLLER_BUTTON_B: return QuestionButton::No;
        default: return QuestionButton::None;
        }
    }
    if (event.type != SDL_KEYDOWN) return QuestionButton::None;
    const SDL_Keycode key = event.key.keysym.sym;
    if (key == SDLK_TAB || key == SDLK_LEFT || key == SDLK_RIGHT) {
        focus = other;
        return QuestionButton::None;
    }
    // A key held since it opened the question (Escape, F12) or answered the last one answers nothing.
    if (event.key.repeat != 0) return QuestionButton::None;
    if (key == SDLK_UNKNOWN) return QuestionButton::None;
    if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE) return focus;
    if (key == letters.yes) return QuestionButton::Yes;
    if (key == letters.no || key == SDLK_ESCAPE) return QuestionButton::No;
    return QuestionButton::None;
}

WatchCommand watchCommandOf(const SDL_Event& event, bool ended, bool gamepadOn)
{
    if (event.type == SDL_MOUSEBUTTONDOWN) return ended ? WatchCommand::Leave : WatchCommand::None;
    if (event.type == SDL_KEYDOWN) {
        if (ended || event.key.keysym.sym == SDLK_ESCAPE) return WatchCommand::Leave;
        const bool fresh = event.key.repeat == 0;
        return event.key.keysym.sym == SDLK_TAB && fresh ? WatchCommand::SwitchSpeed : WatchCommand::None;
    }
    if (event.type != SDL_CONTROLLERBUTTONDOWN || !gamepadOn) return WatchCommand::None;
    switch (event.cbutton.button) {
    case SDL_CONTROLLER_BUTTON_B:
    case SDL_CONTROLLER_BUTTON_BACK: return WatchCommand::Leave;
    case SDL_CONTROLLER_BUTTON_X:
    case SDL_CONTROLLER_BUTTON_Y: return ended ? WatchCommand::Leave : WatchCommand::SwitchSpeed;
    default: return ended ? WatchCommand::Leave : WatchCommand::None;
    }
}
