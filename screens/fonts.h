// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's font lookup and text drawing: the face "Trebuchet MS" (Lato stands in for it
// through a fontconfig alias) at a cell height and weight, Windows-1252 text placed by its cell.
#pragma once
#include <SDL_ttf.h>

#include <string>
#include <string_view>

// One opened font: the face and the cell it lays text in.
struct GameFont {
    TTF_Font* face = nullptr;  // nullptr when no font could be found or opened
    int cellHeight = 0;        // height of a text line, pixels (the requested height)
    int cellAscent = 0;        // top of the cell to the baseline, pixels
};

// The font of the given cell height (pixels, usWinAscent + usWinDescent scaled) and weight
// (0..1000 as the original font mapper took them; 0 means normal, above 1000 is clamped;
// anything below 400 draws the regular face, never a thinner one).
// Opened once per (height, weight) and kept (up to 96 of them); the reference stays valid until
// closeGameFonts. When no font can be opened, face is nullptr and drawing with it does nothing.
const GameFont& openGameFont(int height, int weight);

// Draws the first `count` bytes of the Windows-1252 `text` (fewer if a NUL comes first) on
// `target` with the top-left corner of the text cell at (x, y), in `colour` (its alpha is
// ignored: text is opaque) over a transparent background. Accented capitals reaching above
// the cell do not move the baseline.
void drawText(SDL_Surface* target, const GameFont& font, int x, int y, const char* text, int count, SDL_Color colour);

// Width in pixels of the first `count` bytes of a Windows-1252 text in `font`; 0 without a face.
int textWidth(const GameFont& font, const char* text, int count);

// `text` (Windows-1252) as it fits in `room` pixels of `font`: whole when it fits, otherwise cut
// at a character and ended with an ellipsis.
std::string fitText(const GameFont& font, std::string text, int room);

// Closes every cached font, releases fontconfig and gives up the lookup's use of SDL_ttf
// (SDL_ttf is started at the first font and counts its users). Runs by itself when the
// program ends; later calls to openGameFont open the fonts afresh.
void closeGameFonts();

// Whether a font opened so far is not the game's face: Lato is not installed (or its files do
// not open) and another family stands in, or no font opened at all. Cleared by closeGameFonts.
bool gameFaceMissing();

// Another part of the program (the title bars that Wayland windows draw for themselves) uses
// fontconfig as well: closeGameFonts then leaves fontconfig running.
void shareFontconfig();
