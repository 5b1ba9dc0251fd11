// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Pictures of known colours for the drawing suites.
#include "tests/test_pictures.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "screens/pictures.h"
#include "screens/screen_state.h"

SDL_Surface* makeSolidPicture(int width, int height, SDL_Color colour, bool icon)
{
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(picture, nullptr, SDL_MapRGBA(picture->format, colour.r, colour.g, colour.b, colour.a));
    SDL_SetSurfaceBlendMode(picture, icon ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    return picture;
}

SDL_Color pixelAt(SDL_Surface* surface, int x, int y)
{
    SDL_Color colour{0, 0, 0, 0};
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return colour;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    SDL_memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    SDL_GetRGBA(value, surface->format, &colour.r, &colour.g, &colour.b, &colour.a);
    return colour;
}

bool hasColour(SDL_Surface* surface, int x, int y, SDL_Color colour)
{
    const SDL_Color found = pixelAt(surface, x, y);
    return found.r == colour.r && found.g == colour.g && found.b == colour.b;
}

bool allHaveColour(SDL_Surface* surface, std::initializer_list<SDL_Point> points, SDL_Color colour)
{
    return std::all_of(points.begin(), points.end(), [&](SDL_Point p) { return hasColour(surface, p.x, p.y, colour); });
}

int countColour(SDL_Surface* surface, int x, int y, int w, int h, SDL_Color colour)
{
    int count = 0;
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column) count += hasColour(surface, column, row, colour);
    return count;
}

std::vector<GamePicture> gamePictures()
{
    std::vector<GamePicture> all = {
        {"bouton.ico", &screenState.pictures.buttonIcon, 128, 24, kButtonColour},
        {"boutonSurvolé.ico", &screenState.pictures.buttonHoverIcon, 128, 24, kButtonHoverColour},
        {"fondmenu.bmp", &screenState.pictures.menuBackground, 285, 445, kMenuBackgroundColour},
        {"credits.bmp", &screenState.pictures.creditsBackground, 700, 550, kCreditsBackgroundColour},
        {"Perdu.bmp", &screenState.pictures.lostBackground, 700, 550, kLostBackgroundColour},
        {"Victoire.bmp", &screenState.pictures.victoryPlate, 300, 85, {0, 0, 0, 0}},
        {"Niveau.bmp", &screenState.pictures.levelBackground, 700, 550, kLevelBackgroundColour},
        {"NiveauJeu.bmp", &screenState.pictures.levelSetBackground, 700, 550, kLevelSetBackgroundColour},
        {"Fini.bmp", &screenState.pictures.finishedBackground, 700, 550, kFinishedBackgroundColour},
        {"FiniJeu.bmp", &screenState.pictures.finishedSetBackground, 700, 550, kFinishedSetBackgroundColour},
        {"fond.bmp", &screenState.pictures.gameBackground, 700, 550, kGameBackgroundColour},
        {"raquettearme.ico", &screenState.pictures.armedPaddleIcon, 60, 15, kArmedPaddleColour},
        {"raquettegolf.ico", &screenState.pictures.stickyPaddleIcon, 60, 15, kStickyPaddleColour},
        {"raquetteRebonds.ico", &screenState.pictures.bouncePaddleIcon, 60, 15, kBouncePaddleColour},
        {"ball.ico", &screenState.pictures.ballIconNormal, 12, 12, kBallColour},
        {"ballr.ico", &screenState.pictures.ballIconFire, 12, 12, kFireBallColour}};
    for (int k = 1; k <= 13; ++k)
        all.push_back({"bonus" + std::to_string(k) + ".bmp", &screenState.pictures.bonusBitmaps[std::size_t(k)], 20, 10,
                       capsuleColour(k)});
    for (int k = 1; k <= 3; ++k)
        all.push_back({"raquette" + std::to_string(k) + ".ico", &screenState.pictures.paddleIcons[std::size_t(k)],
                       30 * k, 15, paddleColour(k)});
    for (int k = 1; k <= 8; ++k)
        all.push_back(
            {std::to_string(k) + ".bmp", &screenState.pictures.brickBitmaps[std::size_t(k)], 40, 20, brickColour(k)});
    return all;
}

void installTestPictures()
{
    removeTestPictures();
    for (const GamePicture& p : gamePictures())
        if (p.colour.a != 0) *p.slot = makeSolidPicture(p.width, p.height, p.colour, p.file.back() == 'o');
}

void removeTestPictures()
{
    for (const GamePicture& picture : gamePictures()) SDL_FreeSurface(std::exchange(*picture.slot, nullptr));
}

namespace {

using Fields = std::initializer_list<std::pair<std::uint32_t, int>>;

// Appends each value in its number of little-endian bytes.
void put(PictureBytes& out, Fields fields)
{
    for (const auto& [value, bytes] : fields)
        for (int i = 0; i < bytes; ++i) out.push_back(i < 4 ? static_cast<unsigned char>(value >> (8 * i)) : 0);
}

std::uint32_t u(std::size_t value) { return static_cast<std::uint32_t>(value); }
}  // namespace

PictureBytes dibEntry(int width, int height, int depth, const std::vector<std::uint32_t>& palette,
                      const PixelRule& colourOf, const std::function<bool(int x, int y)>& clearAt)
{
    PictureBytes out;
    put(out,
        {{40, 4}, {u(width), 4}, {u(height * 2), 4}, {1, 2}, {u(depth), 2}, {0, 16}, {u(palette.size()), 4}, {0, 4}});
    for (const std::uint32_t c : palette) put(out, {{c, 4}});
    for (int pass = 0; pass < 2; ++pass) {  // the colour rows, then the mask rows
        const int bits = pass == 0 ? depth : 1;
        for (int y = height - 1; y >= 0; --y) {
            PictureBytes row(static_cast<std::size_t>((width * bits + 31) / 32 * 4), 0);
            for (int x = 0; x < width; ++x) {
                const std::uint32_t c = pass == 0 ? colourOf(x, y) : clearAt(x, y);
                if (bits >= 24)
                    for (int b = 0; b < bits / 8; ++b)
                        row[static_cast<std::size_t>(x * bits / 8 + b)] = static_cast<unsigned char>(c >> (8 * b));
                else
                    row[static_cast<std::size_t>(x * bits / 8)] |=
                        static_cast<unsigned char>(c << (8 - bits - (x * bits) % 8));
            }
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

PictureBytes solidDibEntry(int width, int height, int depth, std::uint32_t colour)
{
    const PixelRule colourOf = [colour](int, int) { return colour; };
    return dibEntry(width, height, depth, {}, colourOf, [](int, int) { return false; });
}

PictureBytes iconFile(const std::vector<IconEntry>& entries)
{
    PictureBytes out;
    put(out, {{0, 2}, {1, 2}, {u(entries.size()), 2}});
    std::uint32_t offset = 6 + 16 * u(entries.size());
    for (const IconEntry& e : entries) {
        put(out,
            {{u(e.width), 1}, {u(e.height), 1}, {0, 2}, {1, 2}, {u(e.depth), 2}, {u(e.image.size()), 4}, {offset, 4}});
        offset += u(e.image.size());
    }
    for (const IconEntry& e : entries) out.insert(out.end(), e.image.begin(), e.image.end());
    return out;
}

PictureBytes bitmapFile(int width, int height, const PixelRule& colourOf)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    PictureBytes out = {'B', 'M'};
    put(out, {{u(54 + stride * height), 4}, {0, 4}, {54, 4}});  // file size, reserved, pixels' offset
    put(out, {{40, 4}, {u(width), 4}, {u(height), 4}, {1, 2}, {24, 2}, {0, 24}});
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) put(out, {{colourOf(x, y), 3}});
        out.resize(out.size() + static_cast<std::size_t>(stride - width * 3), 0);
    }
    return out;
}
