// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Windows enlarged a whole number of times: the factor for a screen, the picture's place in
// a window, the pointer brought back to game pixels, and the partial, enlarged copy.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "shell/frame_presentation.h"
#include "shell/window_places.h"

namespace {

SDL_Surface* noisePicture(int width, int height, std::uint32_t seed)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    std::mt19937 noise(seed);
    auto* pixels = static_cast<Uint32*>(surface->pixels);
    for (int i = 0; i < width * height; ++i) pixels[i] = 0xFF000000u | (noise() & 0xFFFFFFu);
    return surface;
}

Uint32& at(SDL_Surface* s, int x, int y) { return static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x]; }

TEST(WindowScale, LargestFactorThatFitsTheScreenAndItsPlaceInAWindow)
{
    const int screens[][3] = {{1024, 768, 1}, {1920, 1080, 1}, {2560, 1440, 2}, {3840, 2160, 3}, {7680, 4320, 4}};
    for (const auto& s : screens) EXPECT_EQ(windowScaleFor(s[0], s[1]), s[2]) << s[0] << "x" << s[1];
    EXPECT_EQ(gameWindowPlace(3840, 2160, 3).x, (3840 - 3 * 740) / 2);
    // A window of the enlarged size holds the picture at its corner; a full screen centres it.
    const PicturePlace window = picturePlaceIn(2100, 1650, 700, 550);
    const PicturePlace full = picturePlaceIn(3840, 2160, 700, 550);
    EXPECT_TRUE(window.scale == 3 && window.x == 0 && window.y == 0);
    EXPECT_TRUE(full.scale == 3 && full.x == 870 && full.y == 255);
    EXPECT_EQ(picturePlaceIn(640, 480, 700, 550).scale, 1);  // never below the game's own size
}

// Every window pixel of a game pixel reads as that game pixel (where the paddle then goes is
// the controls suite's), and a pointer left of a full screen's picture is not its left edge.
TEST(WindowScale, EveryWindowPixelReadsAsItsGamePixel)
{
    for (const PicturePlace place : {PicturePlace{2, 0, 0}, PicturePlace{3, 870, 255}}) {
        for (const int x : {0, 1, 29, 240, 479, 520})
            for (int part = 0; part < place.scale; ++part) {
                const Point read =
                    picturePoint(Point{place.x + x * place.scale + part, place.y + 300 * place.scale + part}, place);
                EXPECT_TRUE(read.x == x && read.y == 300) << "scale " << place.scale << " x " << x << " part " << part;
            }
        EXPECT_EQ(picturePoint(Point{place.x - 1, place.y - 1}, place).x, -1);
    }
}

// A copy reaches only the window rectangle it returns: at a whole factor each picture pixel is
// a square of its colour (nearest neighbour); at any place, copies of changed areas leave the
// window as a whole copy leaves it.
TEST(WindowPicture, CopiesReachOnlyTheirAreaAndAddUpToAWholeCopy)
{
    std::mt19937 dice(11);
    SDL_Surface* picture = noisePicture(37, 23, 1);
    const auto blank = [] {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 160, 101, 32, SDL_PIXELFORMAT_RGB888);
        SDL_FillRect(surface, nullptr, 0x123456);
        return surface;
    };
    for (const PicturePlace& place :
         {PicturePlace{1, 5, 7}, {2, 5, 7}, {3, 5, 7}, {4, 5, 7}, picturePlaceIn(160, 101, 37, 23, true)}) {
        SDL_Surface *window = blank(), *whole = blank();
        copyEnlarged(picture, SDL_Rect{0, 0, 37, 23}, whole, place);
        const SDL_Rect sent = copyEnlarged(picture, SDL_Rect{4, 3, 10, 6}, window, place);
        const bool sharp = wholeFactorPlace(place);
        EXPECT_TRUE(!sharp || (sent.x == 5 + 4 * place.scale && sent.w == 10 * place.scale)) << "scale " << place.scale;
        for (int y = 0; y < window->h; ++y)
            for (int x = 0; x < window->w; ++x) {
                const SDL_Point point{x, y};
                const Uint32 expected = !SDL_PointInRect(&point, &sent) ? 0x123456u
                                        : sharp ? at(picture, (x - place.x) / place.scale, (y - place.y) / place.scale)
                                                : at(whole, x, y);
                ASSERT_EQ(at(window, x, y) & 0xFFFFFFu, expected & 0xFFFFFFu)
                    << "scale " << place.scale << " at " << x << "," << y;
            }
        copyEnlarged(picture, SDL_Rect{0, 0, 37, 23}, window, place);
        for (int round = 0; round < 30; ++round) {
            const SDL_Rect area{static_cast<int>(dice() % 33), static_cast<int>(dice() % 20),
                                1 + static_cast<int>(dice() % 6), 1 + static_cast<int>(dice() % 6)};
            for (int y = area.y; y < std::min(23, area.y + area.h); ++y)
                for (int x = area.x; x < std::min(37, area.x + area.w); ++x)
                    at(picture, x, y) = 0xFF000000u | (dice() & 0xFFFFFFu);
            copyEnlarged(picture, area, window, place);
            copyEnlarged(picture, SDL_Rect{0, 0, 37, 23}, whole, place);
            ASSERT_EQ(std::memcmp(window->pixels, whole->pixels, static_cast<std::size_t>(101 * window->pitch)), 0)
                << round;
        }
        SDL_FreeSurface(window);
        SDL_FreeSurface(whole);
    }
    SDL_FreeSurface(picture);
}

// After taking the changes of an area, the copy matches the picture there, nothing outside the
// area was copied, and the returned rectangles hold every pixel that differed and reach no further.
TEST(WindowPicture, ChangedRectanglesHoldEveryDifferenceOfTheArea)
{
    std::mt19937 dice(5);
    for (std::uint32_t round = 0; round < 20; ++round) {
        SDL_Surface* picture = noisePicture(120, 90, round);
        SDL_Surface* shown = noisePicture(120, 90, round);
        SDL_Surface* before = noisePicture(120, 90, round);
        for (int change = static_cast<int>(dice() % 40); change > 0; --change)
            at(picture, static_cast<int>(dice() % 120), static_cast<int>(dice() % 90)) ^= 0x10101u;
        const SDL_Rect area{10, 5, 90, 70};
        SDL_Rect rects[3];
        const int count = takeChangedRects(picture, shown, area, rects, 3);
        SDL_Rect changes{0, 0, 0, 0};  // the smallest rectangle that holds every change in the area
        for (int y = 0; y < 90; ++y) {
            for (int x = 0; x < 120; ++x) {
                const SDL_Point point{x, y};
                const bool inArea = SDL_PointInRect(&point, &area);
                ASSERT_EQ(at(shown, x, y), inArea ? at(picture, x, y) : at(before, x, y));
                const SDL_Rect dot{x, y, 1, 1};
                if (inArea && at(picture, x, y) != at(before, x, y)) SDL_UnionRect(&changes, &dot, &changes);
                bool held = !inArea || at(picture, x, y) == at(before, x, y);
                for (int i = 0; i < count; ++i) held = held || SDL_PointInRect(&point, &rects[i]);
                ASSERT_TRUE(held) << "a change at " << x << "," << y << " was not reported";
            }
        }
        SDL_Rect reported = count > 0 ? rects[0] : SDL_Rect{0, 0, 0, 0};
        for (int i = 1; i < count; ++i) SDL_UnionRect(&reported, &rects[i], &reported);
        EXPECT_TRUE(SDL_RectEquals(&reported, &changes))
            << "round " << round << ": the rectangles reach past the changes";
        for (SDL_Surface* surface : {picture, shown, before}) SDL_FreeSurface(surface);
    }
}

// A full screen takes the largest size that keeps the picture's shape; where that is a whole
// factor, nothing but nearest neighbour is used; a window keeps whole factors.
TEST(FullScreenPicture, FillsTheScreenKeepingItsShape)
{
    // The screen's width and height, then the picture's width, height and factor.
    const int table[][5] = {
        {1920, 1080, 1374, 1080, 2}, {3840, 2160, 2749, 2160, 4}, {1024, 768, 977, 768, 2},
        {1400, 2000, 1400, 1100, 2}, {640, 480, 700, 550, 1},
    };
    for (const auto& row : table) {
        const PicturePlace place = picturePlaceIn(row[0], row[1], 700, 550, true);
        EXPECT_TRUE(place.width == row[2] && place.height == row[3] && place.scale == row[4] &&
                    place.x == std::max(0, (row[0] - row[2]) / 2) &&
                    wholeFactorPlace(place) == (row[2] == row[4] * 700))
            << row[0] << "x" << row[1] << ": " << place.width << "x" << place.height;
        EXPECT_EQ(picturePlaceIn(row[0], row[1], 700, 550).width % 700, 0);
    }
}

// Between two whole factors every picture pixel shows as a sharp block as large as its
// neighbours within a pixel, with at most one mixed window pixel where two meet (stripes
// across each axis in turn), and the pointer reads the pixel a sharp window pixel shows.
TEST(FullScreenPicture, ReducedPixelsAreSharpAndEven)
{
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, 41, 29, 32, SDL_PIXELFORMAT_ARGB8888);
    for (const bool across : {true, false}) {
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 41; ++x) at(picture, x, y) = ((across ? x : y) % 2 == 0) ? 0xFF000000u : 0xFFFFFFFFu;
        for (const int shown : {78, 111, 160}) {
            const PicturePlace place = picturePlaceIn(shown + 6, 1000, 41, 29, true);
            SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, shown + 6, 1000, 32, SDL_PIXELFORMAT_ARGB8888);
            copyEnlarged(picture, SDL_Rect{0, 0, 41, 29}, window, place);
            const int length = across ? place.width : place.height;
            const int block = length / (across ? 41 : 29);
            int mixed = 0;
            int run = 0;
            for (int i = 0; i < length; ++i) {
                const Point point{place.x + (across ? i : 0), place.y + (across ? 0 : i)};
                const Point next{point.x + (across ? 1 : 0), point.y + (across ? 0 : 1)};
                const Uint32 colour = at(window, point.x, point.y) & 0xFFFFFFu;
                const Point read = picturePoint(point, place);
                const bool sharp = colour == 0 || colour == 0xFFFFFFu;
                mixed += sharp ? 0 : 1;
                EXPECT_TRUE(!sharp || colour == (at(picture, read.x, read.y) & 0xFFFFFFu)) << shown << " at " << i;
                run += sharp ? 1 : 0;
                const Point after = picturePoint(next, place);
                if (i + 1 < length && (after.x != read.x || after.y != read.y)) {
                    EXPECT_TRUE(i + 1 == run || (run >= block - 1 && run <= block + 1))
                        << shown << ": block of " << run;
                    run = 0;
                }
            }
            EXPECT_LE(mixed, (across ? 41 : 29) - 1) << shown;
            SDL_FreeSurface(window);
        }
    }
    SDL_FreeSurface(picture);
}

// The game window the player sized: its size kept within the screen and never below the
// game's own, the picture filling its height or width keeping its shape, centred, and the
// pointer reading, at the middle of each picture pixel's block, that pixel.
TEST(ResizedGameWindow, FillsTheWindowKeepingItsShapeAndThePointerFollows)
{
    // The remembered size, the usable screen, the factor; the window's size; the picture's box.
    const int table[][11] = {
        {0, 0, 1920, 1040, 1, 700, 550, 0, 0, 700, 550},
        {0, 0, 3840, 2120, 3, 2100, 1650, 0, 0, 2100, 1650},
        {1400, 1100, 1920, 1040, 1, 1400, 1040, 38, 0, 1323, 1040},
        {1600, 900, 1920, 1040, 1, 1600, 900, 227, 0, 1145, 900},
        {1000, 1000, 1920, 1040, 1, 1000, 1000, 0, 107, 1000, 785},
        {300, 200, 1920, 1040, 2, 700, 550, 0, 0, 700, 550},
        {1050, 825, 1920, 1040, 1, 1050, 825, 0, 0, 1050, 825},
    };
    for (const auto& row : table) {
        const WindowSize window = gameWindowSize(WindowSize{row[0], row[1]}, WindowSize{row[2], row[3]}, row[4]);
        EXPECT_TRUE(window.width == row[5] && window.height == row[6])
            << row[0] << "x" << row[1] << ": " << window.width << "x" << window.height;
        const PicturePlace place = picturePlaceIn(window.width, window.height, 700, 550, true);
        const SDL_Rect box{place.x, place.y, place.width, place.height}, expected{row[7], row[8], row[9], row[10]};
        EXPECT_TRUE(SDL_RectEquals(&box, &expected))
            << window.width << "x" << window.height << ": " << box.x << "," << box.y << " " << box.w << "x" << box.h;
        for (const int x : {0, 1, 240, 479, 480, 699})
            for (const int y : {0, 300, 549}) {
                const Point middle{place.x + (2 * x + 1) * place.width / 1400,
                                   place.y + (2 * y + 1) * place.height / 1100};
                const Point read = picturePoint(middle, place);
                EXPECT_TRUE(read.x == x && read.y == y)
                    << window.width << "x" << window.height << " at " << x << "," << y;
            }
    }
}

}  // namespace
