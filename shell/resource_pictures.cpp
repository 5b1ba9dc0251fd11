// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's icon and pointers as surfaces, made from the pixel art kept in resources/.
#include "shell/resource_pictures.h"

#include <cstdint>

SDL_Surface* surfaceFromPixelArt(const PixelArt& art)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, art.width, art.height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < art.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(surface->pixels) +
                                                     static_cast<std::ptrdiff_t>(y) * surface->pitch);
        for (int x = 0; x < art.width; ++x) row[x] = pixelArtColour(art, x, y);
    }
    SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_BLEND);
    return surface;
}
