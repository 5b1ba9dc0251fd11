// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Every picture of the data directory: its file name, kind, size and how it is drawn.
#pragma once
#include <SDL_surface.h>

#include <functional>
#include <string>
#include <vector>

enum class PictureKind { Bitmap, Icon };

struct PictureRecipe {
    std::string name;  // file name in Images/, UTF-8
    PictureKind kind;  // a 24-bit BMP or a 32-bit ICO
    int width;         // the size the game loads it at, pixels
    int height;
    std::function<SDL_Surface*()> draw;  // draws it at that size; the caller frees it
};

// The pictures in the order the game loads them.
std::vector<PictureRecipe> pictureRecipes();
