// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu and the help window by keyboard and gamepad: each key and its gamepad button side
// by side, what closes the help, and the highlight's round over the five buttons.
#include <SDL.h>
#include <gtest/gtest.h>

#include "shell/menu_navigation.h"

namespace {

constexpr Uint32 kPad = SDL_CONTROLLERBUTTONDOWN;

// A key (SDL_KEYDOWN), gamepad button (SDL_CONTROLLERBUTTONDOWN) or mouse button event.
SDL_Event event(Uint32 type, int code, std::uint16_t mod = KMOD_NONE, std::uint8_t repeat = 0)
{
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = code;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    if (type != SDL_KEYDOWN) e.cbutton.button = e.button.button = static_cast<std::uint8_t>(code);
    return e;
}

// Every command with its keys and the gamepad button beside them (-1: none), and whether they
// close the help: a held key moves the highlight on but never presses, quits or closes twice; a
// switched-off gamepad gives nothing; only a left click's release closes the help.
TEST(MenuKeys, EachKeyAndItsGamepadButtonGiveTheSameCommand)
{
    const std::tuple<SDL_Keycode, std::uint16_t, int, MenuCommand, bool> table[] = {
        {SDLK_UP, KMOD_NONE, SDL_CONTROLLER_BUTTON_DPAD_UP, MenuCommand::Previous, false},
        {SDLK_TAB, KMOD_LSHIFT, -1, MenuCommand::Previous, false},
        {SDLK_DOWN, KMOD_NONE, SDL_CONTROLLER_BUTTON_DPAD_DOWN, MenuCommand::Next, false},
        {SDLK_TAB, KMOD_NONE, -1, MenuCommand::Next, false},
        {SDLK_RETURN, KMOD_NONE, SDL_CONTROLLER_BUTTON_A, MenuCommand::Press, true},
        {SDLK_KP_ENTER, KMOD_NONE, -1, MenuCommand::Press, true},
        {SDLK_SPACE, KMOD_NONE, -1, MenuCommand::Press, true},
        {SDLK_ESCAPE, KMOD_NONE, SDL_CONTROLLER_BUTTON_BACK, MenuCommand::Quit, true},
        {SDLK_p, KMOD_NONE, SDL_CONTROLLER_BUTTON_B, MenuCommand::None, false},
        {SDLK_LEFT, KMOD_NONE, SDL_CONTROLLER_BUTTON_DPAD_LEFT, MenuCommand::PreviousSet, false},
        {SDLK_RIGHT, KMOD_NONE, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, MenuCommand::NextSet, false},
        {SDLK_HOME, KMOD_NONE, SDL_CONTROLLER_BUTTON_START, MenuCommand::None, false}};
    for (const auto& [key, mod, pad, command, closes] : table) {
        const bool moves = command == MenuCommand::Previous || command == MenuCommand::Next;
        const SDL_Event down = event(SDL_KEYDOWN, key, mod), held = event(SDL_KEYDOWN, key, mod, 1);
        EXPECT_TRUE(menuCommandOf(down, true) == command && closesCredits(down, true) == closes) << key;
        EXPECT_TRUE(menuCommandOf(held, true) == (moves ? command : MenuCommand::None) && !closesCredits(held, true));
        EXPECT_EQ(menuCommandOf(event(SDL_KEYUP, key, mod), true), MenuCommand::None) << key;
        if (pad < 0) continue;
        const SDL_Event button = event(SDL_CONTROLLERBUTTONDOWN, pad);
        EXPECT_TRUE(menuCommandOf(button, true) == command && menuCommandOf(button, false) == MenuCommand::None) << pad;
        // B, which does nothing in the menu, closes the help as well.
        EXPECT_TRUE(closesCredits(button, true) == (closes || pad == SDL_CONTROLLER_BUTTON_B) &&
                    !closesCredits(button, false))
            << pad;
    }
    EXPECT_TRUE(closesCredits(event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), false) &&
                !closesCredits(event(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), true));
}

// A step goes to the neighbouring button, wrapping round at either end; from no button it
// lights an end; other commands leave the highlight.
TEST(MenuKeys, TheHighlightGoesRoundTheFiveButtons)
{
    const std::tuple<MenuButtonId, MenuCommand, MenuButtonId> table[] = {
        {kStartButton, MenuCommand::Next, kLevelCodeButton}, {kSoundButton, MenuCommand::Next, kQuitButton},
        {kQuitButton, MenuCommand::Next, kStartButton},      {kCreditsButton, MenuCommand::Previous, kLevelCodeButton},
        {kStartButton, MenuCommand::Previous, kQuitButton},  {kNoMenuButton, MenuCommand::Next, kStartButton},
        {kNoMenuButton, MenuCommand::Previous, kQuitButton}, {kSoundButton, MenuCommand::Press, kSoundButton}};
    for (const auto& [from, command, to] : table) EXPECT_EQ(steppedMenuButton(from, command), to) << from;
}

// The question's focus starts on "Oui": each key or button from each focus, the focus after it
// and the answer it gives.
TEST(QuestionKeys, TheFocusMovesAndTheKeysAnswer)
{
    using Q = QuestionButton;
    const std::tuple<SDL_Event, Q, Q, Q> table[] = {
        {event(SDL_KEYDOWN, SDLK_RETURN), Q::Yes, Q::Yes, Q::Yes},
        {event(SDL_KEYDOWN, SDLK_TAB), Q::Yes, Q::No, Q::None},
        {event(SDL_KEYDOWN, SDLK_RIGHT), Q::Yes, Q::No, Q::None},
        {event(SDL_KEYDOWN, SDLK_LEFT, 0, 1), Q::No, Q::Yes, Q::None},
        {event(SDL_KEYDOWN, SDLK_SPACE), Q::No, Q::No, Q::No},
        {event(SDL_KEYDOWN, SDLK_RETURN, 0, 1), Q::Yes, Q::Yes, Q::None},
        {event(SDL_KEYDOWN, SDLK_ESCAPE), Q::Yes, Q::Yes, Q::No},
        {event(SDL_KEYDOWN, SDLK_ESCAPE, 0, 1), Q::Yes, Q::Yes, Q::None},
        {event(SDL_KEYDOWN, SDLK_n), Q::Yes, Q::Yes, Q::No},
        {event(SDL_KEYDOWN, SDLK_o), Q::No, Q::No, Q::Yes},
        {event(kPad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT), Q::Yes, Q::No, Q::None},
        {event(kPad, SDL_CONTROLLER_BUTTON_A), Q::No, Q::No, Q::No},
        {event(kPad, SDL_CONTROLLER_BUTTON_B), Q::Yes, Q::Yes, Q::No}};
    for (const auto& [e, from, focus, answer] : table) {
        Q moved = from;
        EXPECT_EQ(questionKey(e, moved, true, AnswerLetters{}), answer) << e.type << " " << e.key.keysym.sym;
        EXPECT_EQ(moved, focus) << e.type << " " << e.key.keysym.sym;
        Q off = from;
        const bool untouched = questionKey(e, off, false, AnswerLetters{}) == Q::None && off == from;
        EXPECT_TRUE(untouched || e.type != SDL_CONTROLLERBUTTONDOWN) << "a switched-off gamepad";
    }
}

// The letters that answer are the first of the buttons' labels in the player's language, never
// the other language's; a letter both labels begin with answers neither. Escape answers No.
TEST(QuestionKeys, TheLettersAreThoseOfTheLabels)
{
    using Q = QuestionButton;
    const std::tuple<const char*, const char*, SDL_Keycode, Q> table[] = {
        {"Oui", "Non", SDLK_o, Q::Yes},    {"Oui", "Non", SDLK_n, Q::No},   {"Oui", "Non", SDLK_y, Q::None},
        {"Yes", "No", SDLK_y, Q::Yes},     {"Yes", "No", SDLK_n, Q::No},    {"Yes", "No", SDLK_o, Q::None},
        {"Yes", "No", SDLK_ESCAPE, Q::No}, {"\xc9tes", "No", 0xe9, Q::Yes}, {"Nein", "Non", SDLK_n, Q::None},
    };
    for (const auto& [yes, no, key, answer] : table) {
        Q focus = Q::No;
        EXPECT_EQ(questionKey(event(SDL_KEYDOWN, key), focus, true, answerLettersOf(yes, no)), answer)
            << yes << "/" << no << " " << key;
    }
}

// The replay viewer: each key or button while the replay plays, and once it has ended.
TEST(WatchKeys, TheViewerLeavesAndSwitchesItsSpeedByKeyOrGamepad)
{
    using W = WatchCommand;
    const std::tuple<SDL_Event, W, W> table[] = {
        {event(SDL_KEYDOWN, SDLK_ESCAPE), W::Leave, W::Leave},
        {event(SDL_KEYDOWN, SDLK_TAB), W::SwitchSpeed, W::Leave},
        {event(SDL_KEYDOWN, SDLK_TAB, 0, 1), W::None, W::Leave},
        {event(SDL_MOUSEBUTTONDOWN, 1), W::None, W::Leave},
        {event(kPad, SDL_CONTROLLER_BUTTON_B), W::Leave, W::Leave},
        {event(kPad, SDL_CONTROLLER_BUTTON_X), W::SwitchSpeed, W::Leave},
        {event(kPad, SDL_CONTROLLER_BUTTON_Y), W::SwitchSpeed, W::Leave},
        {event(kPad, SDL_CONTROLLER_BUTTON_A), W::None, W::Leave},
    };
    for (const auto& [e, playing, ended] : table) {
        EXPECT_TRUE(watchCommandOf(e, false, true) == playing && watchCommandOf(e, true, true) == ended) << e.type;
        EXPECT_TRUE(e.type != SDL_CONTROLLERBUTTONDOWN || watchCommandOf(e, true, false) == W::None) << "pad off";
    }
}

}  // namespace
