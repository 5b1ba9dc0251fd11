// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Writing the game's picture files: 24-bit bitmaps and 32-bit icons with their AND mask.
#pragma once
#include <SDL_surface.h>

#include <string>

// Writes an ARGB8888 picture as an uncompressed 24-bit BMP (rows bottom up); any transparency
// is laid over black. False when the file cannot be written.
bool writeBitmapFile(const std::string& path, SDL_Surface* picture);

// Writes an ARGB8888 picture as an icon file of one 32-bit entry: straight BGRA rows bottom
// up, then the AND mask, set where the picture is less than half opaque, for readers that know
// no alpha. Pictures are at most 256 x 256. False when the file cannot be written.
bool writeIconFile(const std::string& path, SDL_Surface* picture);
