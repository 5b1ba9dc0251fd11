// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Loading picture files (icons, bitmaps, entry choice, scaling, odd paths, hostile files); the program's pictures.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <sys/stat.h>

#include <memory>
#include <tuple>

#include "resources/cursors.h"
#include "resources/program_icon.h"
#include "shell/picture_files.h"
#include "shell/resource_pictures.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

using Bytes = PictureBytes;
using Picture = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
using Argb = std::vector<std::uint32_t>;

Picture load(const Bytes& bytes, int width, int height)
{
    return Picture(pictureFromBytes(bytes.data(), bytes.size(), width, height), SDL_FreeSurface);
}
Picture open(const std::string& path, int width, int height)
{
    return Picture(loadPictureFile(path.c_str(), width, height), SDL_FreeSurface);
}
const auto noMask = [](int, int) { return false; };

// The ARGB values at `points`, preceded by the picture's width, height and blend mode; none without a picture.
Argb look(const Picture& picture, std::initializer_list<std::pair<int, int>> points)
{
    if (!picture) return {};
    SDL_BlendMode mode = SDL_BLENDMODE_INVALID;
    SDL_GetSurfaceBlendMode(picture.get(), &mode);
    Argb values = {std::uint32_t(picture->w), std::uint32_t(picture->h), mode};
    for (const auto& [x, y] : points) values.push_back(argbAt(picture.get(), x, y));
    return values;
}

// A ball-like icon: opaque red disc with a soft edge on transparent corners, 12 x 12, 32 bits.
Bytes ballIcon()
{
    const auto colour = [](int x, int y) -> std::uint32_t {
        const int d = (2 * x - 11) * (2 * x - 11) + (2 * y - 11) * (2 * y - 11);
        const std::uint32_t alpha = d < 80 ? 255 : d < 121 ? 128 : 0;
        return (alpha << 24) | (alpha ? 0xD02010u : 0u);
    };
    return iconFile({{12, 12, 32, dibEntry(12, 12, 32, {}, colour, noMask)}});
}

// The bytes of `picture` written as a PNG file.
Bytes pngBytes(SDL_Surface* picture)
{
    const std::string dir = makeScratchDirectory();
    EXPECT_EQ(IMG_SavePNG(picture, (dir + "/entry.png").c_str()), 0);
    const std::string png = readBytes(dir + "/entry.png");
    removeScratchDirectory(dir);
    return Bytes(png.begin(), png.end());
}

Bytes patched(Bytes bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    return bytes;
}

}  // namespace

// A 32-bit icon keeps its alpha; stretched, its clear pixels neither darken nor tint their neighbours.
TEST(IconFiles, ThirtyTwoBitIconsKeepTheirAlphaAndCleanEdgesWhenStretched)
{
    EXPECT_EQ(look(load(ballIcon(), 12, 12), {{0, 0}, {6, 6}, {1, 6}}),
              Argb({12, 12, SDL_BLENDMODE_BLEND, 0u, 0xFFD02010u, 0x80D02010u}));
    const Picture ball = load(ballIcon(), 24, 24);
    ASSERT_TRUE(ball);
    EXPECT_EQ(argbAt(ball.get(), 0, 0), 0u);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const std::uint32_t p = argbAt(ball.get(), x, y);
            // Even the faintest edge stays red.
            EXPECT_TRUE(y != 12 || (p >> 24) == 0 || ((p >> 16) & 255) >= 0xC0u) << x;
            if ((p >> 24) < 128) continue;
            for (const int shift : {16, 8, 0})
                EXPECT_NEAR(int((p >> shift) & 255), int((0xD02010u >> shift) & 255), 6) << x << "," << y;
        }
}

TEST(IconFiles, EntriesWithoutAlphaTakeTransparencyFromTheMask)
{
    const std::tuple<int, Argb, PixelRule, std::uint32_t, std::uint32_t> cases[] = {
        // depth, palette, colours, pixels (7, 2) and (4, 0)
        {32, {}, [](int, int) { return 0x00ABCDEFu; }, 0xFFABCDEFu, 0xFFABCDEFu},  // 32 bits, alpha all zero
        {24, {}, [](int, int) { return 0x3366CCu; }, 0xFF3366CCu, 0xFF3366CCu},
        {8, {0x000000u, 0x11AA22u}, [](int, int) { return 1u; }, 0xFF11AA22u, 0xFF11AA22u},
        {4, {0x000000u, 0x0000FFu, 0xFF0000u}, [](int x, int) { return x % 2 ? 2u : 1u; }, 0xFFFF0000u, 0xFF0000FFu},
        {1, {0x000000u, 0xFFFFFFu}, [](int x, int) { return x >= 6 ? 1u : 0u; }, 0xFFFFFFFFu, 0xFF000000u},
    };
    for (const auto& [depth, palette, colour, at7, at4] : cases)
        EXPECT_EQ(look(load(iconFile({{8, 4, depth,
                                       dibEntry(8, 4, depth, palette, colour, [](int x, int) { return x < 3; })}}),
                            8, 4),
                       {{0, 0}, {2, 3}, {7, 2}, {4, 0}}),
                  Argb({8, 4, SDL_BLENDMODE_BLEND, 0u, 0u, at7, at4}))
            << depth;
}

TEST(IconFiles, TheEntryNearestTheLoadSizeIsChosenAndPngEntriesDecodedUnlessHuge)
{
    // Of the two 32 x 32 entries the deeper wins.
    const Bytes file = iconFile({{16, 16, 32, solidDibEntry(16, 16, 32, 0xFF0000FFu)},
                                 {32, 32, 24, solidDibEntry(32, 32, 24, 0x00FF00u)},
                                 {32, 32, 32, solidDibEntry(32, 32, 32, 0xFFFF0000u)},
                                 {48, 48, 32, solidDibEntry(48, 48, 32, 0xFFFFFF00u)}});
    for (const auto& [size, colour] :
         {std::pair(16, 0xFF0000FFu), {32, 0xFFFF0000u}, {24, 0xFFFF0000u}, {40, 0xFFFFFF00u}, {64, 0xFFFFFF00u}}) {
        const Picture icon = load(file, size, size);
        EXPECT_EQ(look(icon, {{size / 2, size / 2}}),
                  Argb({std::uint32_t(size), std::uint32_t(size), SDL_BLENDMODE_BLEND, colour}));
    }
    const Picture small(makeSolidPicture(6, 6, SDL_Color{0x12, 0x34, 0x56, 0x80}, true), SDL_FreeSurface);
    const Picture huge(makeSolidPicture(1100, 2, SDL_Color{0, 0xFF, 0, 0xFF}, true), SDL_FreeSurface);
    EXPECT_EQ(look(load(iconFile({{6, 6, 32, pngBytes(small.get())}}), 6, 6), {{3, 3}}),
              Argb({6, 6, SDL_BLENDMODE_BLEND, 0x80123456u}));
    EXPECT_FALSE(load(iconFile({{0, 2, 32, pngBytes(huge.get())}}), 6, 6));  // wider than any icon: not decoded
}

// A PNG entry is read pixel for pixel as the picture library reads the same file, straight
// alpha and all; a cut or damaged one gives no picture.
TEST(IconFiles, PngEntriesReadAsThePictureLibraryReadsThemAndDamagedOnesNotAtAll)
{
    const Picture source(SDL_CreateRGBSurfaceWithFormat(0, 7, 5, 32, SDL_PIXELFORMAT_ARGB8888), SDL_FreeSurface);
    for (int i = 0; i < 35; ++i)
        static_cast<std::uint32_t*>(source->pixels)[i / 7 * source->pitch / 4 + i % 7] =
            std::uint32_t(i * 7) << 24 | i * 0x030507u;
    Bytes whole = pngBytes(source.get()), damaged = whole;
    const Picture decoded(IMG_Load_RW(SDL_RWFromConstMem(whole.data(), int(whole.size())), 1), SDL_FreeSurface);
    const Picture expected(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0), SDL_FreeSurface);
    damaged[damaged.size() - 20] ^= 0x55;  // inside the picture's data: its check sum fails
    const Picture read = load(iconFile({{7, 5, 32, whole}}), 7, 5);
    ASSERT_TRUE(read && expected);
    for (int i = 0; i < 35; ++i) EXPECT_EQ(argbAt(read.get(), i % 7, i / 7), argbAt(expected.get(), i % 7, i / 7)) << i;
    for (const Bytes& entry : {Bytes(whole.begin(), whole.begin() + 40), damaged})
        EXPECT_FALSE(load(iconFile({{7, 5, 32, entry}}), 7, 5)) << entry.size();
}

TEST(PictureFiles, BitmapsComeBackOpaqueAndStretchSmoothly)
{
    const Bytes file =
        bitmapFile(2, 2, [](int x, int y) { return x == 0 ? (y == 0 ? 0x000000u : 0x0000FFu) : 0xFFFFFFu; });
    const Picture same = load(file, 2, 2), big = load(file, 8, 8);
    ASSERT_TRUE(same && big);
    EXPECT_EQ(look(same, {{0, 0}, {0, 1}, {1, 0}}),
              Argb({2, 2, SDL_BLENDMODE_NONE, 0xFF000000u, 0xFF0000FFu, 0xFFFFFFFFu}));
    EXPECT_EQ(look(big, {}), Argb({8, 8, SDL_BLENDMODE_NONE}));
    const std::uint32_t middleTop = argbAt(big.get(), 4, 0);
    EXPECT_TRUE((middleTop >> 24) == 255 && (middleTop & 255) > 40 && (middleTop & 255) < 215)
        << middleTop;  // between black and white
}

// Paths are bytes; only regular files open, of the stated size; a run-length bomb is refused undecoded.
TEST(PictureFiles, OnlyRegularFilesOfTheStatedSizeOpen)
{
    const std::string dir = makeScratchDirectory();
    const auto save = [&dir](const std::string& name, const Bytes& bytes) {
        writeBytes(dir + "/" + name, std::string(bytes.begin(), bytes.end()));
        return dir + "/" + name;
    };
    for (const std::string name : {"boutonSurvol\xC3\xA9.ico", "bouton\xE9.ico"})  // UTF-8, and a byte that is not
        EXPECT_TRUE(open(save(name, ballIcon()), 12, 12)) << name;
    const Bytes grey = bitmapFile(5, 3, [](int, int) { return 0x808080u; });
    const std::string right = save("right.bmp", grey);
    EXPECT_TRUE(open(right, 5, 3));
    EXPECT_FALSE(open(right, 0, 3));
    ASSERT_EQ(mkfifo((dir + "/fifo.ico").c_str(), 0600), 0);
    Bytes bomb = grey;
    bomb.resize(1024, 0);
    for (const auto& [at, value] :
         {std::pair<std::size_t, std::uint32_t>{10, 62}, {18, 4096}, {22, 4096}, {30, 1}, {46, 2}})
        bomb = patched(bomb, at, value, 4);  // pixels, width, height, run-length, palette
    bomb[28] = 8;
    const auto descriptors = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    const auto before = descriptors();
    for (const std::string& path : {right, dir + "/fifo.ico", dir + "/absent.bmp", dir, save("bomb.bmp", bomb)})
        EXPECT_FALSE(open(path, 700, 550)) << path;
    EXPECT_EQ(descriptors(), before);  // no file read or refused is left open
    EXPECT_EQ(loadPictureFile(nullptr, 12, 12), nullptr);
    removeScratchDirectory(dir);
}

TEST(HostileFiles, TruncatedLyingOrDamagedFilesNeverBreakTheReader)
{
    const Bytes icon = ballIcon();
    const Bytes bitmap = bitmapFile(5, 3, [](int x, int y) { return static_cast<std::uint32_t>(x * 40 + y); });
    for (std::size_t size = 0; size < icon.size(); ++size)
        EXPECT_EQ(pictureFromBytes(icon.data(), size, 12, 12), nullptr) << size;
    for (std::size_t size = 0; size < bitmap.size(); ++size)
        EXPECT_EQ(pictureFromBytes(bitmap.data(), size, 5, 3), nullptr) << size;
    // Lying fields (offset, value, size) of the icon: entries too many or none, neither icon nor cursor, an entry
    // longer than or beyond the file, width or height absurd or negative, an odd doubled height, no such depth,
    // compressed, a header longer than the entry; of the bitmap: pixels beyond the file, width absurd or none,
    // the most negative height, rows longer than the file, no such depth, two planes, unknown compression, a
    // header longer than the file.
    const std::tuple<std::size_t, std::uint32_t, int> iconLies[] = {
        {4, 0xFFFFu, 2},      {4, 0u, 2},           {2, 7u, 2},           {14, 0xFFFFFFF0u, 4}, {18, 0xFFFFFFF0u, 4},
        {26, 0x7FFFFFFFu, 4}, {26, 0x80000000u, 4}, {30, 0xFFFFFFE8u, 4}, {30, 0x7FFFFFFEu, 4}, {30, 25u, 4},
        {36, 7u, 2},          {38, 1u, 4},          {22, 0xFFFFFFFFu, 4}};
    const std::tuple<std::size_t, std::uint32_t, int> bitmapLies[] = {
        {10, 0xFFFFFF00u, 4}, {18, 0x7FFFFFFFu, 4}, {18, 0, 4}, {22, 0x80000000u, 4}, {18, 4000, 4},
        {28, 13, 2},          {26, 2, 2},           {30, 9, 4}, {14, 0xFFFFFFFFu, 4}};
    for (const auto& [at, value, size] : iconLies) EXPECT_FALSE(load(patched(icon, at, value, size), 12, 12)) << at;
    for (const auto& [at, value, size] : bitmapLies) EXPECT_FALSE(load(patched(bitmap, at, value, size), 5, 3)) << at;
    EXPECT_FALSE(load(patched(patched(icon, 36, 8, 2), 54, 300, 4), 12, 12));  // palettes too big
    EXPECT_FALSE(load(patched(patched(bitmap, 28, 8, 2), 46, 1000, 4), 5, 3));
    // Any byte changed: reading stays within the bytes (the sanitizer build checks) and what loads has the asked size.
    const PixelRule stripes = [](int x, int) { return x % 2u; };
    for (const auto& original : {icon, bitmap, iconFile({{8, 4, 4, dibEntry(8, 4, 4, {1, 2}, stripes, noMask)}})})
        for (std::size_t at = 0; at < original.size(); ++at)
            for (const unsigned char change : {0x01, 0x80, 0xFF}) {
                Bytes damaged = original;
                damaged[at] ^= change;
                const Picture picture = load(damaged, 9, 6);
                EXPECT_TRUE(!picture || (picture->w == 9 && picture->h == 6)) << at;
            }
}

// Each art's picture holds its colours, blended; pointers are clear above and left of their opaque tip.
TEST(ResourcePictures, PicturesHoldTheirArtAndPointersTheirTip)
{
    for (const PixelArt* art : {&kProgramIcon32, &kProgramIcon16, &kGameCursor, &kMenuCursor}) {
        const Picture picture(surfaceFromPixelArt(*art), SDL_FreeSurface);
        ASSERT_TRUE(picture);
        EXPECT_EQ(look(picture, {}),
                  Argb({std::uint32_t(art->width), std::uint32_t(art->height), SDL_BLENDMODE_BLEND}));
        const bool pointer = art == &kGameCursor || art == &kMenuCursor;
        for (int y = 0; y < art->height; ++y)
            for (int x = 0; x < art->width; ++x) {
                EXPECT_EQ(argbAt(picture.get(), x, y), pixelArtColour(*art, x, y)) << x << "," << y;
                const bool clear = argbAt(picture.get(), x, y) >> 24 == 0;
                EXPECT_TRUE(!pointer || (x >= art->hotX && y >= art->hotY) || clear) << x << "," << y;
            }
        EXPECT_TRUE(!pointer || argbAt(picture.get(), art->hotX, art->hotY) >> 24 == 255u);
    }
}
