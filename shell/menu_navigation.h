// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu, the help window, the questions and the replay viewer without a mouse: which key or gamepad button
// moves the menu's lit button, presses it or quits, which ones close the help and credits
// window, and how a Yes/No question's focus moves and answers.
#pragma once
#include <SDL_events.h>

#include <string>

#include "screens/menu_buttons.h"

// What a key or gamepad button asks of the menu.
enum class MenuCommand {
    None,         // not the menu's: nothing happens
    Previous,     // the button above lights up (from the first, the last)
    Next,         // the button below lights up (from the last, the first)
    Press,        // the lit button acts as a click on it would
    Quit,         // what "QUITTER" does
    PreviousSet,  // the set of levels before the one played (from the built-in one, the last)
    NextSet,      // the set of levels after the one played (from the last, the built-in one)
};

// The menu's reading of an event: Up and Shift+Tab go up, Down and Tab go down (held keys
// repeat), Left and Right change the set of levels, Return, the keypad's Enter and Space press,
// Escape quits; the gamepad (when `gamepadOn`) moves and changes the set with its d-pad,
// presses with A and quits with Back. Pressing and
// quitting never come from a key's repeat.
MenuCommand menuCommandOf(const SDL_Event& event, bool gamepadOn);

// The button lit after a Previous or Next from `lit`, wrapping round the drawn buttons; from
// no button, Next lights the first and Previous the last. Any other command keeps `lit`.
MenuButtonId steppedMenuButton(MenuButtonId lit, MenuCommand command);

// Whether an event closes the help and credits window: Escape, Return, Space (not repeats),
// a left click's release, or the gamepad's A, B or Back (when `gamepadOn`).
bool closesCredits(const SDL_Event& event, bool gamepadOn);

// A Yes/No question's buttons: the one with the focus, or the answer given.
enum class QuestionButton { None, Yes, No };

// The letter keys that answer a question: the first letters of its buttons' labels as the
// player's language writes them ("o" and "n" under "Oui" and "Non", "y" and "n" under "Yes"
// and "No").
struct AnswerLetters {
    SDL_Keycode yes = SDLK_o;
    SDL_Keycode no = SDLK_n;
};

// The answer letters of the buttons labelled `yes` and `no` (Windows-1252), lower-cased; a
// letter both labels begin with answers neither.
AnswerLetters answerLettersOf(const std::string& yes, const std::string& no);

// A key or gamepad button in a question whose focus is on `focus` (Yes or No): Tab, Shift+Tab,
// Left, Right and the d-pad's left and right move the focus to the other button; Return, the
// keypad's Enter, Space and A press the focused one; Escape, `letters.no` and B answer No,
// `letters.yes` answers Yes; a held key's repeats answer nothing. Returns the answer given (None
// while the question stays open).
QuestionButton questionKey(const SDL_Event& event, QuestionButton& focus, bool gamepadOn, AnswerLetters letters);

// What the replay viewer does with an event.
enum class WatchCommand { None, Leave, SwitchSpeed };

// The replay viewer's reading of an event: Escape, and the gamepad's B or Back (when
// `gamepadOn`), leave; Tab, X or Y switch between the recorded pace and the fast one (not a
// key's repeat); once the replay has `ended`, any key, click or gamepad button leaves.
WatchCommand watchCommandOf(const SDL_Event& event, bool ended, bool gamepadOn);
