// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's icon in every hicolor size. Each size is pixel art drawn for it (16, 24, 32)
// or one of those enlarged a whole number of times, so every edge stays on a pixel boundary:
// no size is blurred by a fractional scale.
#include "tools/make-data/program_icons.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <string>

#include "resources/program_icon.h"
#include "shell/video_driver.h"

namespace {

// The same wall of tiles, ball and paddle at 24 pixels, where neither 16 nor 32 scales evenly.
constexpr const char* kProgramIcon24Rows[] = {
    ".kkkkkkkkkkkkkkkkkkkkkk.", "kddddddddddddddddddddddk", "kdnnnnnnnnnnnnnnnnnnnndk", "kdnRRRRRRnRRRRRnRRRRRndk",
    "kdnrrrrrrnrrrrrnrrrrrndk", "kdnrrrrrrnrrrrrnrrrrrndk", "kdnnnnnnnnnnnnnnnnnnnndk", "kdnOOOnOOOOOOnOOOOOOOndk",
    "kdnooonoooooonooooooondk", "kdnooonoooooonooooooondk", "kdnnnnnnnnnnnnnnnnnnnndk", "kdnGGGGGGnGGGGGnnnGnnndk",
    "kdnggggggngggggnnnnnGndk", "kdnnnnnnnnnnnnnnnnnnnndk", "kdnnnnnnnnnnnnnnwwnnnndk", "kdnnnnnnnnnnnnnwwwsnnndk",
    "kdnnnnnnnnnnnnnnssnnnndk", "kdnnnnnnnnnnnnnnnnnnnndk", "kdnnnnnnPPPPPPPPnnnnnndk", "kdnnnnnccyyyyyyccnnnnndk",
    "kdnnnnnccppppppccnnnnndk", "kdnnnnnnnnnnnnnnnnnnnndk", "kddddddddddddddddddddddk", ".kkkkkkkkkkkkkkkkkkkkkk.",
};

constexpr PixelArt kProgramIcon24 = {
    24, 24, kProgramIcon24Rows, kProgramIconPalette, sizeof kProgramIconPalette / sizeof kProgramIconPalette[0], 0, 0};
static_assert(pixelArtWellFormed(kProgramIcon24));

struct IconSize {
    int size;             // pixels, the theme's directory name
    const PixelArt* art;  // the drawing it is made from
    int factor;           // whole enlargement of that drawing
};

constexpr IconSize kIconSizes[] = {
    {16, &kProgramIcon16, 1}, {24, &kProgramIcon24, 1},  {32, &kProgramIcon32, 1},  {48, &kProgramIcon24, 2},
    {64, &kProgramIcon32, 2}, {128, &kProgramIcon32, 4}, {256, &kProgramIcon32, 8},
};

SDL_Surface* drawIcon(const IconSize& icon)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, icon.size, icon.size, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < icon.size; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < icon.size; ++x) row[x] = pixelArtColour(*icon.art, x / icon.factor, y / icon.factor);
    }
    return surface;
}

}  // namespace

bool writeProgramIcons(const std::filesystem::path& hicolorDir)
{
    bool ok = true;
    for (const IconSize& icon : kIconSizes) {
        const std::string sizeName = std::to_string(icon.size) + "x" + std::to_string(icon.size);
        const std::filesystem::path dir = hicolorDir / sizeName / "apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        SDL_Surface* picture = error ? nullptr : drawIcon(icon);
        const std::string path = (dir / (std::string(kDesktopAppId) + ".png")).string();
        if (picture == nullptr || IMG_SavePNG(picture, path.c_str()) != 0) {
            std::fprintf(stderr, "make-data: could not write %s\n", path.c_str());
            ok = false;
        }
        if (picture != nullptr) SDL_FreeSurface(picture);
    }
    return ok;
}
