// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's picture: its background, five buttons lit under the pointer, the selected level;
// the hit test of the buttons and the sound switch of the sound button.
#pragma once
#include <array>

#include "screens/menu_buttons.h"
#include "screens/menu_labels.h"

struct SDL_Surface;

// Size of the menu's frame; the window shows its top-left part.
constexpr int kMenuWidth = 220;
constexpr int kMenuHeight = 400;

// Whether the menu point (x, y) lies on the set's line (while sets are offered).
bool onLevelSetLine(int x, int y);

// Sets the notice from two UTF-8 lines (each cut to what the notice holds).
void showMenuNotice(const char* first, const char* second);

// Paints the menu on a 220 x 400 frame and copies it to `target` at (0, 0): the background,
// each button with its hover picture and a hovered label one pixel higher, and the selected
// level. A null target draws nothing.
void drawMenu(SDL_Surface* target);

// The drawn button under the menu point (x, y), bounds inclusive on all four sides, a later
// button winning; kNoMenuButton for none. Clears the hover marks of the drawn buttons, then
// marks the entry found (kNoMenuButton's, which is never drawn, when none).
MenuButtonId hitTestButtons(int x, int y);

// The sound button: switches the sound cues on or off and relabels the button "Sons : ON"
// or "Sons : OFF". Stops nothing already playing.
void toggleSound();

// Labels the sound button after the sound switch: "Sons : ON" or "Sons : OFF".
void labelSoundButton();

// Gives `button` the player's language's version of `label`'s French text: where the French one
// stands (its frenchDx), a translation centred on the button (menuLabelDx).
void labelMenuButton(MenuButton& button, const MenuLabel& label);
