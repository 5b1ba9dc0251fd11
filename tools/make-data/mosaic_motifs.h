// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's look, shared by its pictures: the palette and the mosaic motifs (the dark
// playfield of tesserae, light marble, borders of coloured tiles, plaques and the title).
#pragma once
#include <SDL_surface.h>

#include <cstdint>

#include "tools/make-data/drawing.h"

// The palette.
constexpr std::uint32_t kNavyTile = 0x1A2542;    // the playfield's tiles
constexpr std::uint32_t kNavyGrout = 0x0C1122;   // the joints between them
constexpr std::uint32_t kMarble = 0xF2EAD8;      // light panels
constexpr std::uint32_t kMarbleVein = 0xD6C7A6;  // veins in the marble
constexpr std::uint32_t kTerracotta = 0xB9502F;
constexpr std::uint32_t kOchre = 0xD9A23C;
constexpr std::uint32_t kTeal = 0x2A8482;
constexpr std::uint32_t kLapis = 0x2B5597;
constexpr std::uint32_t kCream = 0xEFE2C0;
constexpr std::uint32_t kUmber = 0x3A281C;  // dark lettering and outlines
constexpr std::uint32_t kGold = 0xE9B949;
constexpr std::uint32_t kGoldDeep = 0x9A6516;

// The playfield's colour at a point of the game background (the mosaic of dark tiles).
Colour playfieldColourAt(int x, int y);

// The playfield's average colour, for pictures that stand on it anywhere (capsule corners).
Colour playfieldAverage();

// Paints the dark mosaic of the playfield over the rectangle (x0, y0)..(x1, y1).
void paintPlayfield(SDL_Surface* picture, int x0, int y0, int x1, int y1);

// Paints light veined marble over the rectangle; `seed` varies the veins.
void paintMarble(SDL_Surface* picture, int x0, int y0, int x1, int y1, std::uint32_t seed);

// Paints a frame of coloured tesserae `thickness` pixels wide just inside the rectangle,
// edged with gold fillets.
void paintMosaicBorder(SDL_Surface* picture, int x0, int y0, int x1, int y1, int thickness, std::uint32_t seed);

// A bevelled plate with rounded corners, lit from the top left: `face` inside, a rim
// `rim` pixels wide; `sunken` presses it in instead of raising it.
void paintPlaque(SDL_Surface* picture, float x0, float y0, float x1, float y1, float radius, Colour face, float rim,
                 bool sunken);

// The game's name or a heading in gold letters with a dark outline and a soft shadow,
// centred on cx, the text cell's top at y.
void paintGoldTitle(SDL_Surface* picture, int cx, int y, const char* utf8, int height, int weight);

// A small rosette of tesserae (a decorative dot), centred on (cx, cy).
void paintRosette(SDL_Surface* picture, float cx, float cy, float radius, std::uint32_t seed);

// A thin horizontal rule with a diamond at its centre, from x0 to x1 at y.
void paintRule(SDL_Surface* picture, int x0, int x1, int y, Colour colour);

// A Greek-key frieze in `colour` on a band of cream tesserae between gold edges, filling the
// rectangle (x0, y0)..(x1, y0 + 32).
void paintMeander(SDL_Surface* picture, int x0, int x1, int y0, Colour colour);
