// The program's icon and pointers: sizes, hot spots on the arrow's tip, and their colours.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <set>
#include <tuple>
#include <utility>

#include "resources/cursors.h"
#include "resources/program_icon.h"
#include "shell/resource_pictures.h"
#include "tests/test_pictures.h"

TEST(ResourcePictures, IconsAreOpaqueInsideTheirRoundedCorners)
{
    for (const PixelArt* art : {&kProgramIcon32, &kProgramIcon16}) {
        SDL_Surface* icon = surfaceFromPixelArt(*art);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(std::pair(icon->w, icon->h), std::pair(art->width, art->height));
        EXPECT_EQ(argbAt(icon, 0, 0) >> 24, 0u);  // the rounded corner
        for (int y = 1; y < icon->h - 1; ++y)
            for (int x = 1; x < icon->w - 1; ++x) ASSERT_EQ(argbAt(icon, x, y) >> 24, 255u) << x << "," << y;
        SDL_FreeSurface(icon);
    }
}

TEST(ResourcePictures, PointersAreThirtyTwoSquareWithTheirHotSpotOnTheTip)
{
    EXPECT_EQ(std::tuple(kGameCursor.hotX, kGameCursor.hotY, kMenuCursor.hotX, kMenuCursor.hotY), std::tuple(1, 1, 0, 0));
    for (const PixelArt* art : {&kGameCursor, &kMenuCursor}) {
        SDL_Surface* pointer = surfaceFromPixelArt(*art);
        ASSERT_NE(pointer, nullptr);
        EXPECT_EQ(std::pair(pointer->w, pointer->h), std::pair(32, 32));
        // The tip is drawn and nothing lies above or left of it.
        EXPECT_EQ(argbAt(pointer, art->hotX, art->hotY) >> 24, 255u);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (x < art->hotX || y < art->hotY) {
                    EXPECT_EQ(argbAt(pointer, x, y) >> 24, 0u) << x << "," << y;
                }
        SDL_FreeSurface(pointer);
    }
    // The game's pointer has two colours and transparency only.
    SDL_Surface* pointer = surfaceFromPixelArt(kGameCursor);
    std::set<std::uint32_t> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (argbAt(pointer, x, y) >> 24) colours.insert(argbAt(pointer, x, y));
    EXPECT_EQ(colours, (std::set<std::uint32_t>{0xFF000000u, 0xFFFFFFFFu}));
    SDL_FreeSurface(pointer);
}

TEST(ResourcePictures, UnknownCharactersAndPointsOutsideAreTransparent)
{
    static constexpr const char* rows[] = {"ab", "?a"};
    static constexpr PixelArtColour palette[] = {{'a', 0xFF112233u}, {'b', 0x80445566u}};
    constexpr PixelArt art = {2, 2, rows, palette, 2, 0, 0};
    static_assert(pixelArtWellFormed(art));
    EXPECT_EQ(pixelArtColour(art, 0, 0), 0xFF112233u);
    EXPECT_EQ(pixelArtColour(art, 1, 0), 0x80445566u);
    EXPECT_EQ(pixelArtColour(art, 0, 1), 0u);
    EXPECT_EQ(pixelArtColour(art, -1, 0), 0u);
    EXPECT_EQ(pixelArtColour(art, 2, 1), 0u);
    static constexpr const char* ragged[] = {"abc", "a"};
    constexpr PixelArt broken = {3, 2, ragged, palette, 2, 0, 0};
    static_assert(!pixelArtWellFormed(broken));
}
