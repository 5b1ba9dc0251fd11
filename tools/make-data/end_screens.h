// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The screens between and after levels: the end screen, the level intro and the picture
// shown when every level is cleared.
#pragma once
#include <SDL_surface.h>

// Draws Perdu.bmp, 700 x 550: the end screen, with the labels beside which the best score
// (285, 135), its holder (160, 190) and the score (255, 270) are written in 40-pixel text,
// room for the rating at (90, 330), and the title plaque that a won run covers in black.
SDL_Surface* drawLostBackground();

// Draws Victoire.bmp, 300 x 85: the plate drawn in the black box of a won run's end screen,
// "Victoire !" in the lettering of the lost run's "Perdu !".
SDL_Surface* drawVictoryPlate();

// Draws Niveau.bmp, 700 x 550: the level intro, light where its two lines (100, 140) and
// (105, 190) and, `withCode`, the level's big code (140, 320) are written; or NiveauJeu.bmp, the
// intro of a player's set's levels, without a code or the note to keep it, with the card on which
// the game writes the set's name and the level's rank where screens/level_intro_layout.h says.
SDL_Surface* drawLevelBackground(bool withCode);

// Draws Fini.bmp, 700 x 550: the congratulations after the last level of the built-in set; or,
// not `counted`, FiniJeu.bmp, the same for a player's set, without the number of levels, which
// the game writes where screens/final_picture_layout.h says.
SDL_Surface* drawFinishedBackground(bool counted);
