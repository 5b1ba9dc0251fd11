// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Finds where a picture appears, pixel for pixel, in a screenshot: for the end-to-end tests
// whose windows the display server cannot place or report (Wayland clients of a compositor).
//   find-picture SCREENSHOT PICTURE    prints "X Y" of every place, exit 1 when there is none
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>

namespace {

SDL_Surface* loadOpaque(const char* path)
{
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr) return nullptr;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    return converted;
}

Uint32 pixel(const SDL_Surface* s, int x, int y)
{
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
    return row[x] & 0x00FFFFFFu;
}

bool matchesAt(const SDL_Surface* screen, const SDL_Surface* picture, int left, int top)
{
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x)
            if (pixel(screen, left + x, top + y) != pixel(picture, x, y)) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: find-picture SCREENSHOT PICTURE\n");
        return 2;
    }
    SDL_Surface* screen = loadOpaque(argv[1]);
    SDL_Surface* picture = loadOpaque(argv[2]);
    if (screen == nullptr || picture == nullptr) {
        std::fprintf(stderr, "find-picture: cannot read %s\n", screen == nullptr ? argv[1] : argv[2]);
        return 2;
    }
    int found = 0;
    for (int top = 0; top + picture->h <= screen->h; ++top)
        for (int left = 0; left + picture->w <= screen->w; ++left)
            if (matchesAt(screen, picture, left, top)) {
                std::printf("%d %d\n", left, top);
                ++found;
            }
    SDL_FreeSurface(screen);
    SDL_FreeSurface(picture);
    return found > 0 ? 0 : 1;
}
