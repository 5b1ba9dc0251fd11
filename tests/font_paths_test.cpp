// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The font path cache: its lines, when a kept path is trusted, and that text drawn through it
// is the text drawn through fontconfig.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "screens/drawing_surface.h"
#include "screens/font_paths.h"
#include "screens/fonts.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

bool sameLine(const FacePath& a, const FacePath& b)
{
    return a.weight == b.weight && a.index == b.index && a.size == b.size && a.modifiedNs == b.modifiedNs &&
           a.file == b.file;
}

// The menu's texts in the menu's font, on a white surface of the menu's size.
SDL_Surface* menuTexts()
{
    SDL_Surface* surface = makeTarget(220, 400, SDL_Color{255, 255, 255, 255});
    const GameFont& font = openGameFont(19, 650);
    for (const auto& [y, text] : {std::pair(83, "Commencer"), {143, "Entrer un code"}, {120, "Niveau s\xe9lectionn\xe9 : 1"}})
        drawText(surface, font, 35, y, text, int(std::strlen(text)), SDL_Color{0, 0, 0, 255});
    return surface;
}

bool samePixels(SDL_Surface* a, SDL_Surface* b)
{
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<char*>(a->pixels) + y * a->pitch, static_cast<char*>(b->pixels) + y * b->pitch,
                        std::size_t(a->w) * 4) != 0)
            return false;
    return true;
}

}  // namespace

// A face's line gives it back whole, whatever bytes its path holds; anything else is no line.
TEST(FacePathLines, RoundTripWholeAndRefuseWhatIsNoFace)
{
    for (const FacePath& face : {FacePath{200, 0, 683116, 1393472548000000000LL, "/usr/share/fonts/Lato-Bold.ttf"},
                                 FacePath{80, 3, 1, -5, "/home/zo\xc3\xa9/mes polices/a b.ttc"}}) {
        FacePath back;
        ASSERT_TRUE(parseFacePathLine(facePathLine(face), back)) << facePathLine(face);
        EXPECT_TRUE(sameLine(back, face)) << facePathLine(face);
    }
    for (const char* line : {"", "200 0 1 2", "200 0 1 2 ", "200 0 1 2 fonts/Lato.ttf", "gras 0 1 2 /a.ttf",
                              "200 -1 1 2 /a.ttf", "200 0 -1 2 /a.ttf", "200 0 1 2 /a.ttf\r"}) {
        FacePath face;
        EXPECT_FALSE(parseFacePathLine(line, face)) << line;
    }
    for (const char* file : {"", "Lato.ttf", "/a\nb.ttf"}) EXPECT_EQ(facePathLine(FacePath{200, 0, 1, 2, file}), "") << file;
}

// A kept path is trusted only while its file is there with the size and time it had; the
// cache file is read afresh by a new run; without a cache file nothing is kept or written.
TEST(FontPathCache, KeptPathsServeOnlyWhileTheirFileIsUnchanged)
{
    const std::string dir = makeScratchDirectory();
    const std::string cache = dir + "/font-paths";
    const std::string font = dir + "/face.ttf";
    const struct {
        const char* change;
        std::function<void()> make;
        bool trusted;
    } cases[] = {
        {"none", [] {}, true},
        {"grown", [&] { writeBytes(font, "0123456789"); }, false},
        {"touched", [&] {
             const timespec times[2] = {{0, UTIME_OMIT}, {12345, 0}};
             utimensat(AT_FDCWD, font.c_str(), times, 0);
         }, false},
        {"removed", [&] { unlink(font.c_str()); }, false},
        {"a directory now", [&] { unlink(font.c_str()); mkdir(font.c_str(), 0700); }, false},
    };
    for (const auto& c : cases) {
        rmdir(font.c_str());
        writeBytes(font, "01234");
        unlink(cache.c_str());
        useFontPathCache(cache);
        rememberFacePath(200, font, 2);
        c.make();
        useFontPathCache(cache);  // a new run: what is kept comes from the file
        std::string file;
        int index = -1;
        EXPECT_EQ(cachedFacePath(200, file, index), c.trusted) << c.change;
        if (c.trusted) {
            EXPECT_TRUE(file == font && index == 2) << file << " " << index;
        }
        EXPECT_FALSE(cachedFacePath(80, file, index)) << c.change;  // another weight was never kept
    }
    useFontPathCache("");
    unlink(cache.c_str());
    rmdir(font.c_str());
    writeBytes(font, "01234");
    rememberFacePath(200, font, 0);
    std::string file;
    int index = 0;
    EXPECT_FALSE(cachedFacePath(200, file, index));
    EXPECT_FALSE(pathExists(cache));
    removeScratchDirectory(dir);
}

// The menu's texts are the same pixels whether fontconfig found their face or the cache did,
// and the cache is what the face is opened by when it holds a path.
TEST(FontPathCache, TextDrawnThroughTheCacheIsTextDrawnThroughFontconfig)
{
    const std::string dir = makeScratchDirectory();
    const std::string cache = dir + "/font-paths";
    closeGameFonts();
    useFontPathCache(cache);
    if (openGameFont(19, 400).face == nullptr) {
        useFontPathCache("");
        removeScratchDirectory(dir);
        GTEST_SKIP() << "fonts-lato is not installed";
    }
    SDL_Surface* found = menuTexts();  // fontconfig asked, the faces kept
    const std::string kept = readBytes(cache);
    ASSERT_EQ(std::count(kept.begin(), kept.end(), '\n'), 2) << kept;
    closeGameFonts();
    useFontPathCache(cache);
    SDL_Surface* cached = menuTexts();
    EXPECT_TRUE(samePixels(found, cached));

    // The bold weight's line made to name the regular face: the menu is drawn in that face.
    FacePath regular, bold;
    ASSERT_TRUE(parseFacePathLine(kept.substr(0, kept.find('\n')), regular));
    ASSERT_TRUE(parseFacePathLine(kept.substr(kept.find('\n') + 1, kept.size() - kept.find('\n') - 2), bold));
    ASSERT_NE(regular.weight, bold.weight);
    FacePath swapped = regular;
    swapped.weight = bold.weight;
    writeBytes(cache, facePathLine(regular) + "\n" + facePathLine(swapped) + "\n");
    closeGameFonts();
    useFontPathCache(cache);
    SDL_Surface* misled = menuTexts();
    EXPECT_FALSE(samePixels(found, misled));

    closeGameFonts();
    useFontPathCache("");
    for (SDL_Surface* surface : {found, cached, misled}) SDL_FreeSurface(surface);
    removeScratchDirectory(dir);
}
