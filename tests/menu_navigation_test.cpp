// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu and the help window by keyboard and gamepad: each key and its gamepad button side
// by side, the highlight's round over the five buttons, and what closes the help.
#include <SDL.h>
#include <gtest/gtest.h>

#include "shell/menu_navigation.h"

namespace {

SDL_Event keyDown(SDL_Keycode key, std::uint16_t mod = KMOD_NONE, std::uint8_t repeat = 0)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    return event;
}

SDL_Event padDown(std::uint8_t button)
{
    SDL_Event event{};
    event.type = SDL_CONTROLLERBUTTONDOWN;
    event.cbutton.button = button;
    return event;
}

SDL_Event mouseUp(std::uint8_t button)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONUP;
    event.button.button = button;
    return event;
}

constexpr std::uint8_t kNoPad = SDL_CONTROLLER_BUTTON_INVALID;

// Every command with the keys and the gamepad button that give it; a held key moves the
// highlight on but never presses or quits twice; a switched-off gamepad gives nothing.
TEST(MenuKeys, EachKeyAndItsGamepadButtonGiveTheSameCommand)
{
    struct Row {
        SDL_Keycode key;
        std::uint16_t mod;
        std::uint8_t pad;
        MenuCommand command;
        bool repeats;
    };
    const Row table[] = {
        {SDLK_UP, KMOD_NONE, SDL_CONTROLLER_BUTTON_DPAD_UP, MenuCommand::Previous, true},
        {SDLK_TAB, KMOD_LSHIFT, kNoPad, MenuCommand::Previous, true},
        {SDLK_DOWN, KMOD_NONE, SDL_CONTROLLER_BUTTON_DPAD_DOWN, MenuCommand::Next, true},
        {SDLK_TAB, KMOD_NONE, kNoPad, MenuCommand::Next, true},
        {SDLK_RETURN, KMOD_NONE, SDL_CONTROLLER_BUTTON_A, MenuCommand::Press, false},
        {SDLK_KP_ENTER, KMOD_NONE, kNoPad, MenuCommand::Press, false},
        {SDLK_SPACE, KMOD_NONE, kNoPad, MenuCommand::Press, false},
        {SDLK_ESCAPE, KMOD_NONE, SDL_CONTROLLER_BUTTON_BACK, MenuCommand::Quit, false},
        {SDLK_p, KMOD_NONE, SDL_CONTROLLER_BUTTON_B, MenuCommand::None, false},
        {SDLK_LEFT, KMOD_NONE, SDL_CONTROLLER_BUTTON_START, MenuCommand::None, false},
    };
    for (const Row& row : table) {
        EXPECT_EQ(menuCommandOf(keyDown(row.key, row.mod), true), row.command) << SDL_GetKeyName(row.key);
        EXPECT_EQ(menuCommandOf(keyDown(row.key, row.mod, 1), true), row.repeats ? row.command : MenuCommand::None)
            << SDL_GetKeyName(row.key) << " held";
        if (row.pad == kNoPad) continue;
        EXPECT_EQ(menuCommandOf(padDown(row.pad), true), row.command) << "pad button " << int(row.pad);
        EXPECT_EQ(menuCommandOf(padDown(row.pad), false), MenuCommand::None) << "pad off, button " << int(row.pad);
    }
    SDL_Event up = keyDown(SDLK_RETURN);
    up.type = SDL_KEYUP;
    EXPECT_EQ(menuCommandOf(up, true), MenuCommand::None);
}

// Five steps either way come back to the start through every button once; from no button the
// first step lights an end; other commands leave the highlight.
TEST(MenuKeys, TheHighlightGoesRoundTheFiveButtons)
{
    for (const MenuCommand step : {MenuCommand::Next, MenuCommand::Previous}) {
        for (int start = kFirstDrawnButton; start <= kLastDrawnButton; ++start) {
            MenuButtonId lit = static_cast<MenuButtonId>(start);
            int seen = 0;
            for (int i = 0; i < kDrawnMenuButtons; ++i) {
                const MenuButtonId next = steppedMenuButton(lit, step);
                EXPECT_TRUE(std::abs(next - lit) == 1 || std::abs(next - lit) == kDrawnMenuButtons - 1) << lit;
                EXPECT_EQ(
                    steppedMenuButton(next, step == MenuCommand::Next ? MenuCommand::Previous : MenuCommand::Next),
                    lit);
                seen |= 1 << next;
                lit = next;
            }
            EXPECT_EQ(lit, start);
            EXPECT_EQ(seen, ((1 << kMenuButtonEntries) - 1) & ~1);
        }
    }
    EXPECT_EQ(steppedMenuButton(kNoMenuButton, MenuCommand::Next), kStartButton);
    EXPECT_EQ(steppedMenuButton(kNoMenuButton, MenuCommand::Previous), kQuitButton);
    EXPECT_EQ(steppedMenuButton(kSoundButton, MenuCommand::Press), kSoundButton);
}

// The help closes on Escape, Return, Space, a left click's release or A, B, Back, and on no
// other key, button or repeat.
TEST(CreditsKeys, TheHelpClosesOnItsKeysAndOnAClick)
{
    const std::pair<SDL_Event, bool> table[] = {
        {keyDown(SDLK_ESCAPE), true},
        {keyDown(SDLK_RETURN), true},
        {keyDown(SDLK_KP_ENTER), true},
        {keyDown(SDLK_SPACE), true},
        {keyDown(SDLK_RETURN, KMOD_NONE, 1), false},
        {keyDown(SDLK_p), false},
        {keyDown(SDLK_F11), false},
        {mouseUp(SDL_BUTTON_LEFT), true},
        {mouseUp(SDL_BUTTON_RIGHT), false},
        {padDown(SDL_CONTROLLER_BUTTON_A), true},
        {padDown(SDL_CONTROLLER_BUTTON_B), true},
        {padDown(SDL_CONTROLLER_BUTTON_BACK), true},
        {padDown(SDL_CONTROLLER_BUTTON_START), false},
    };
    for (const auto& [event, closes] : table) {
        EXPECT_EQ(closesCredits(event, true), closes) << event.type << " " << event.key.keysym.sym;
        EXPECT_EQ(closesCredits(event, false), closes && event.type != SDL_CONTROLLERBUTTONDOWN);
    }
}

}  // namespace
