// Loading picture files: icons of every depth and their transparency, bitmaps, the choice of
// an icon entry, scaling to the load size, Windows-1252 paths, and hostile files.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/picture_files.h"
#include "tests/test_pictures.h"

namespace {

using Bytes = PictureBytes;

// Writes `bytes` to `name` in a scratch directory of this process and returns the file's path.
std::string saveTemp(const std::string& name, const Bytes& bytes)
{
    const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / ("tessaron-pictures-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return (dir / name).string();
}

SDL_Surface* load(const Bytes& bytes, int width, int height)
{
    return pictureFromBytes(bytes.data(), bytes.size(), width, height);
}

// A ball-like icon: opaque red disc with a soft edge on transparent corners, 12 x 12, 32 bits.
Bytes ballIcon()
{
    const auto colour = [](int x, int y) -> std::uint32_t {
        const int dx = 2 * x - 11;
        const int dy = 2 * y - 11;
        const int d = dx * dx + dy * dy;
        const std::uint32_t alpha = d < 80 ? 255 : d < 121 ? 128 : 0;
        return (alpha << 24) | (alpha ? 0xD02010u : 0u);
    };
    return iconFile({{12, 12, 32, dibEntry(12, 12, 32, {}, colour, [](int, int) { return false; })}});
}

}  // namespace

TEST(IconFiles, ThirtyTwoBitEntriesKeepTheirAlpha)
{
    SDL_Surface* ball = load(ballIcon(), 12, 12);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->format->format, SDL_PIXELFORMAT_ARGB8888);
    EXPECT_EQ(argbAt(ball, 0, 0), 0u);
    EXPECT_EQ(argbAt(ball, 6, 6), 0xFFD02010u);
    EXPECT_EQ(argbAt(ball, 1, 6) >> 24, 128u);  // the soft edge stays half transparent
    SDL_BlendMode mode = SDL_BLENDMODE_NONE;
    SDL_GetSurfaceBlendMode(ball, &mode);
    EXPECT_EQ(mode, SDL_BLENDMODE_BLEND);
    SDL_FreeSurface(ball);
}

TEST(PictureFiles, StretchedIconsKeepCleanEdges)
{
    // Transparent pixels must neither darken nor tint the colours next to them when the icon is
    // scaled: whatever is half covered or more keeps the ball's own colour.
    SDL_Surface* ball = load(ballIcon(), 24, 24);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(argbAt(ball, 0, 0), 0u);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const std::uint32_t p = argbAt(ball, x, y);
            if (y == 12 && (p >> 24) > 0) {
                EXPECT_GE((p >> 16) & 255, 0xC0u) << x;  // across the middle even the faintest edge stays red
            }
            if ((p >> 24) < 128) continue;
            for (const int shift : {16, 8, 0}) EXPECT_NEAR(int((p >> shift) & 255), int((0xD02010u >> shift) & 255), 6) << x << "," << y;
        }
    SDL_FreeSurface(ball);
}

TEST(IconFiles, MaskedEntriesOfEveryDepthTakeTransparencyFromTheMask)
{
    const auto clearLeft = [](int x, int) { return x < 3; };
    const std::vector<IconEntry> entries = {
        {8, 4, 24, dibEntry(8, 4, 24, {}, [](int, int) { return 0x3366CCu; }, clearLeft)},
        {8, 4, 8, dibEntry(8, 4, 8, {0x000000u, 0x11AA22u}, [](int, int) { return 1u; }, clearLeft)},
        {8, 4, 4, dibEntry(8, 4, 4, {0x000000u, 0x0000FFu, 0xFF0000u}, [](int x, int) { return x % 2 ? 2u : 1u; }, clearLeft)},
        {8, 4, 1, dibEntry(8, 4, 1, {0x000000u, 0xFFFFFFu}, [](int x, int) { return x >= 6 ? 1u : 0u; }, clearLeft)},
    };
    const std::uint32_t expectedAt7[] = {0xFF3366CCu, 0xFF11AA22u, 0xFFFF0000u, 0xFFFFFFFFu};
    const std::uint32_t expectedAt4[] = {0xFF3366CCu, 0xFF11AA22u, 0xFF0000FFu, 0xFF000000u};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SDL_Surface* icon = load(iconFile({entries[i]}), 8, 4);
        ASSERT_NE(icon, nullptr) << entries[i].depth;
        EXPECT_EQ(argbAt(icon, 0, 0), 0u) << entries[i].depth;
        EXPECT_EQ(argbAt(icon, 2, 3), 0u) << entries[i].depth;
        EXPECT_EQ(argbAt(icon, 7, 2), expectedAt7[i]) << entries[i].depth;
        EXPECT_EQ(argbAt(icon, 4, 0), expectedAt4[i]) << entries[i].depth;
        SDL_FreeSurface(icon);
    }
}

TEST(IconFiles, AThirtyTwoBitEntryWithoutAlphaFallsBackOnItsMask)
{
    const Bytes file = iconFile({{4, 4, 32, dibEntry(4, 4, 32, {}, [](int, int) { return 0x00ABCDEFu; },
                                                      [](int x, int y) { return x == y; })}});
    SDL_Surface* icon = load(file, 4, 4);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(argbAt(icon, 2, 2), 0u);
    EXPECT_EQ(argbAt(icon, 3, 1), 0xFFABCDEFu);
    SDL_FreeSurface(icon);
}

TEST(IconFiles, TheEntryNearestTheLoadSizeIsChosen)
{
    const auto none = [](int, int) { return false; };
    const Bytes file = iconFile({
        {16, 16, 32, dibEntry(16, 16, 32, {}, [](int, int) { return 0xFF0000FFu; }, none)},
        {32, 32, 24, dibEntry(32, 32, 24, {}, [](int, int) { return 0x00FF00u; }, none)},
        {32, 32, 32, dibEntry(32, 32, 32, {}, [](int, int) { return 0xFFFF0000u; }, none)},
        {48, 48, 32, dibEntry(48, 48, 32, {}, [](int, int) { return 0xFFFFFF00u; }, none)},
    });
    const struct {
        int size;
        std::uint32_t colour;
    } cases[] = {{16, 0xFF0000FFu}, {32, 0xFFFF0000u}, {24, 0xFFFF0000u}, {40, 0xFFFFFF00u}, {64, 0xFFFFFF00u}};
    for (const auto& c : cases) {
        SDL_Surface* icon = load(file, c.size, c.size);
        ASSERT_NE(icon, nullptr) << c.size;
        EXPECT_EQ(icon->w, c.size);
        EXPECT_EQ(icon->h, c.size);
        EXPECT_EQ(argbAt(icon, c.size / 2, c.size / 2), c.colour) << c.size;
        SDL_FreeSurface(icon);
    }
}

TEST(IconFiles, PngEntriesAreDecodedUnlessTheyAreHuge)
{
    const auto pngOf = [](int width, int height, std::uint32_t argb) {
        SDL_Surface* source = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_FillRect(source, nullptr, argb);
        const std::string path = ::testing::TempDir() + "tessaron-entry-" + std::to_string(getpid()) + ".png";
        const bool saved = IMG_SavePNG(source, path.c_str()) == 0;
        SDL_FreeSurface(source);
        std::ifstream in(path, std::ios::binary);
        Bytes png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::remove(path.c_str());
        return saved ? png : Bytes{};
    };
    const Bytes small = pngOf(6, 6, 0x80123456u);
    ASSERT_FALSE(small.empty());
    SDL_Surface* icon = load(iconFile({{6, 6, 32, small}}), 6, 6);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(argbAt(icon, 3, 3), 0x80123456u);
    SDL_FreeSurface(icon);

    // An entry wider than any icon is refused before it is decoded.
    const Bytes wide = pngOf(1100, 2, 0xFF00FF00u);
    ASSERT_FALSE(wide.empty());
    EXPECT_EQ(load(iconFile({{0, 2, 32, wide}}), 6, 6), nullptr);
}

TEST(PictureFiles, BitmapsComeBackOpaqueAndStretchSmoothly)
{
    const Bytes file = bitmapFile(2, 2, [](int x, int y) { return x == 0 ? (y == 0 ? 0x000000u : 0x0000FFu) : 0xFFFFFFu; });
    SDL_Surface* same = load(file, 2, 2);
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(argbAt(same, 0, 0), 0xFF000000u);
    EXPECT_EQ(argbAt(same, 0, 1), 0xFF0000FFu);
    EXPECT_EQ(argbAt(same, 1, 0), 0xFFFFFFFFu);
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    SDL_GetSurfaceBlendMode(same, &mode);
    EXPECT_EQ(mode, SDL_BLENDMODE_NONE);
    SDL_FreeSurface(same);

    SDL_Surface* big = load(file, 8, 8);
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->w, 8);
    EXPECT_EQ(big->h, 8);
    const std::uint32_t middleTop = argbAt(big, 4, 0) & 0xFF;  // between black and white
    EXPECT_GT(middleTop, 40u);
    EXPECT_LT(middleTop, 215u);
    EXPECT_EQ(argbAt(big, 0, 0) >> 24, 255u);
    SDL_FreeSurface(big);
}

TEST(PictureFiles, PathsAreTheFileSystemsBytesAndOnlyRegularFilesOpen)
{
    // A UTF-8 name and a name holding a byte that is not UTF-8: each opens as spelt.
    std::string path;
    for (const std::string name : {"boutonSurvol\xC3\xA9.ico", "bouton\xE9.ico"}) {
        path = saveTemp(name, ballIcon());
        SDL_Surface* icon = loadPictureFile(path.c_str(), 12, 12);
        EXPECT_NE(icon, nullptr) << name;
        SDL_FreeSurface(icon);
    }
    EXPECT_EQ(loadPictureFile(path.c_str(), 0, 12), nullptr);
    const std::filesystem::path dir = std::filesystem::path(path).parent_path();
    const std::string fifo = (dir / "fifo.ico").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(loadPictureFile(fifo.c_str(), 12, 12), nullptr);  // refused at once, no wait for a writer
    EXPECT_EQ(loadPictureFile((dir / "absent.bmp").c_str(), 12, 12), nullptr);
    EXPECT_EQ(loadPictureFile(dir.c_str(), 12, 12), nullptr);  // a directory
    EXPECT_EQ(loadPictureFile(nullptr, 12, 12), nullptr);
    std::filesystem::remove_all(dir);
}

TEST(PictureFiles, ABitmapFileMustStateTheSizeItIsDrawnAt)
{
    const Bytes grey = bitmapFile(5, 3, [](int, int) { return 0x808080u; });
    const std::string right = saveTemp("right.bmp", grey);
    SDL_Surface* picture = loadPictureFile(right.c_str(), 5, 3);
    EXPECT_NE(picture, nullptr);
    SDL_FreeSurface(picture);
    EXPECT_EQ(loadPictureFile(right.c_str(), 10, 6), nullptr);  // stated 5 x 3, drawn 10 x 6

    // A 1 KiB run-length file claiming 4096 x 4096 pixels is refused before any decoding.
    Bytes bomb = grey;
    bomb.resize(1024, 0);
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {10, 62}, {18, 4096}, {22, 4096}, {30, 1}, {46, 2}};  // pixels, width, height, run-length, palette
    for (const auto& [at, value] : fields)
        for (int i = 0; i < 4; ++i) bomb[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    bomb[28] = 8;  // 8 bits per pixel
    EXPECT_EQ(loadPictureFile(saveTemp("bomb.bmp", bomb).c_str(), 700, 550), nullptr);
    std::filesystem::remove_all(std::filesystem::path(right).parent_path());
}

TEST(HostileFiles, EveryTruncationOfAnIconOrBitmapIsRefused)
{
    const Bytes icon = ballIcon();
    for (std::size_t size = 0; size < icon.size(); ++size)
        EXPECT_EQ(pictureFromBytes(icon.data(), size, 12, 12), nullptr) << size;
    const Bytes bitmap = bitmapFile(5, 3, [](int x, int y) { return static_cast<std::uint32_t>(x * 40 + y); });
    for (std::size_t size = 0; size < bitmap.size(); ++size)
        EXPECT_EQ(pictureFromBytes(bitmap.data(), size, 5, 3), nullptr) << size;
}

TEST(HostileFiles, LyingHeaderFieldsAreRefused)
{
    const auto patched = [](Bytes bytes, std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
        return bytes;
    };
    const Bytes icon = ballIcon();
    const std::size_t dib = 6 + 16;
    const Bytes badIcons[] = {
        patched(icon, 4, 0xFFFF, 2),              // more entries than the file holds
        patched(icon, 4, 0, 2),                   // no entry
        patched(icon, 2, 7, 2),                   // neither icon nor cursor
        patched(icon, 6 + 8, 0xFFFFFFF0u, 4),     // entry longer than the file
        patched(icon, 6 + 12, 0xFFFFFFF0u, 4),    // entry beyond the file
        patched(icon, dib + 4, 0x7FFFFFFFu, 4),   // absurd width
        patched(icon, dib + 4, 0x80000000u, 4),   // negative width
        patched(icon, dib + 8, 0xFFFFFFE8u, 4),   // negative height
        patched(icon, dib + 8, 0x7FFFFFFEu, 4),   // absurd height
        patched(icon, dib + 8, 25, 4),            // odd doubled height
        patched(icon, dib + 14, 7, 2),            // no such depth
        patched(icon, dib + 16, 1, 4),            // compressed
        patched(icon, dib, 0xFFFFFFFFu, 4),       // header longer than the entry
        patched(patched(icon, dib + 14, 8, 2), dib + 32, 300, 4),  // palette too big
    };
    for (const Bytes& bad : badIcons) EXPECT_EQ(load(bad, 12, 12), nullptr);

    const Bytes bitmap = bitmapFile(5, 3, [](int, int) { return 0x808080u; });
    const Bytes badBitmaps[] = {
        patched(bitmap, 10, 0xFFFFFF00u, 4),     // pixels beyond the file
        patched(bitmap, 18, 0x7FFFFFFFu, 4),     // absurd width
        patched(bitmap, 18, 0, 4),               // no width
        patched(bitmap, 22, 0x80000000u, 4),     // the most negative height
        patched(bitmap, 18, 4000, 4),            // rows longer than the file holds
        patched(bitmap, 28, 13, 2),              // no such depth
        patched(bitmap, 26, 2, 2),               // two planes
        patched(bitmap, 30, 9, 4),               // unknown compression
        patched(bitmap, 14, 0xFFFFFFFFu, 4),     // header longer than the file
        patched(patched(bitmap, 28, 8, 2), 46, 1000, 4),  // palette too big
    };
    for (const Bytes& bad : badBitmaps) EXPECT_EQ(load(bad, 5, 3), nullptr);
}

TEST(HostileFiles, RandomDamageNeverBreaksTheReader)
{
    // Whatever comes of damaged bytes, reading them must stay within them (the sanitizer
    // build checks every access) and whatever loads has the requested size.
    const Bytes originals[] = {ballIcon(), bitmapFile(7, 5, [](int x, int y) { return static_cast<std::uint32_t>(x * y * 999); }),
                               iconFile({{8, 4, 4, dibEntry(8, 4, 4, {0x1u, 0x2u}, [](int x, int) { return x % 2 ? 1u : 0u; },
                                                           [](int x, int) { return x < 2; })}})};
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    for (const Bytes& original : originals)
        for (int round = 0; round < 700; ++round) {
            Bytes damaged = original;
            const int hits = 1 + static_cast<int>(next() % 4);
            for (int i = 0; i < hits; ++i) {
                const std::size_t at = next() % std::min<std::size_t>(damaged.size(), 80);
                damaged[at] = static_cast<unsigned char>(next());
            }
            if (next() % 5 == 0) damaged.resize(next() % damaged.size());
            SDL_Surface* picture = load(damaged, 9, 6);
            if (picture != nullptr) {
                EXPECT_EQ(picture->w, 9);
                EXPECT_EQ(picture->h, 6);
                SDL_FreeSurface(picture);
            }
        }
}
