// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The font path cache: its lines, when a kept path is trusted, and that text drawn through it
// is the text drawn through fontconfig.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <tuple>

#include "screens/font_paths.h"
#include "screens/fonts.h"
#include "shell/font_cache_files.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

// The menu's texts in the menu's font on a white surface, as bytes.
std::string menuTexts()
{
    SDL_Surface* surface = makeTarget(220, 160, SDL_Color{255, 255, 255, 255});
    for (const auto& [y, text] : {std::pair(83, "Commencer"), {120, "Niveau s\xe9lectionn\xe9 : 1"}})
        drawText(surface, openGameFont(19, 650), 35, y, text, int(std::strlen(text)), SDL_Color{0, 0, 0, 255});
    std::string pixels(static_cast<const char*>(surface->pixels), std::size_t(surface->pitch * surface->h));
    SDL_FreeSurface(surface);
    return pixels;
}

}  // namespace

// A face's line gives it back whole, whatever bytes its path holds; anything else is no line.
TEST(FontPathCache, LinesRoundTripWholeAndRefuseWhatIsNoFace)
{
    for (const FacePath& face : {FacePath{200, 0, 683116, 1393472548000000000LL, "/usr/share/fonts/Lato-Bold.ttf"},
                                 FacePath{80, 3, 1, -5, "/home/zo\xc3\xa9/mes polices/a b.ttc"}}) {
        FacePath back;
        ASSERT_TRUE(parseFacePathLine(facePathLine(face), back)) << facePathLine(face);
        EXPECT_EQ(facePathLine(back), facePathLine(face));
        EXPECT_EQ(back.file, face.file);
    }
    for (const std::string& line : std::initializer_list<std::string>{
             "", "200 0 1 2", "200 0 1 2 ", "200 0 1 2 fonts/Lato.ttf", "gras 0 1 2 /a.ttf", "200 -1 1 2 /a.ttf",
             "200 0 -1 2 /a.ttf", "200 0 1 2 /a.ttf\r", std::string("200 0 1 2 /a.ttf\0/b.ttf", 23)}) {
        FacePath face;
        EXPECT_FALSE(parseFacePathLine(line, face)) << line;
    }
    for (const std::string& file :
         std::initializer_list<std::string>{"", "Lato.ttf", "/a\nb.ttf", std::string("/a\0b.ttf", 8)})
        EXPECT_EQ(facePathLine(FacePath{200, 0, 1, 2, file}), "") << file;
}

// A kept path is trusted by the next run only while its file is there with the size and time it
// had; without a cache file nothing is kept.
TEST(FontPathCache, KeptPathsServeOnlyWhileTheirFileIsUnchanged)
{
    const std::string dir = makeScratchDirectory(), cache = dir + "/font-paths", font = dir + "/face.ttf";
    const timespec longAgo[2] = {{0, UTIME_OMIT}, {12345, 0}};
    const auto makeDirectory = [&] {
        unlink(font.c_str());
        mkdir(font.c_str(), 0700);
    };
    // What changes between the runs, and whether the next run trusts the kept path.
    const std::tuple<const char*, std::function<void()>, bool> cases[] = {
        {"none", [] {}, true},
        {"grown", [&] { writeBytes(font, "0123456789"); }, false},
        {"touched", [&] { utimensat(AT_FDCWD, font.c_str(), longAgo, 0); }, false},
        {"a directory now", makeDirectory, false}};
    for (const auto& [change, make, trusted] : cases) {
        rmdir(font.c_str());
        writeBytes(font, "01234");
        unlink(cache.c_str());
        useFontPathCache(cache, gameFontCacheFiles());
        rememberFacePath(200, font, 2);  // a run that asked fontconfig
        make();
        useFontPathCache(cache, gameFontCacheFiles());  // the next run
        std::string file;
        int index = -1;
        EXPECT_EQ(cachedFacePath(200, file, index) && file == font && index == 2, trusted) << change;
        EXPECT_FALSE(cachedFacePath(80, file, index)) << change;  // another weight was never kept
    }
    useFontPathCache("", {});
    unlink(cache.c_str());
    rmdir(font.c_str());
    writeBytes(font, "01234");
    rememberFacePath(200, font, 0);
    EXPECT_FALSE(pathExists(cache));
    removeScratchDirectory(dir);
}

// The menu's texts are the same pixels whether fontconfig found their face or the cache did,
// and the cache is what the face is opened by: a line naming another face changes them.
TEST(FontPathCache, TextDrawnThroughTheCacheIsTextDrawnThroughFontconfig)
{
    const std::string dir = makeScratchDirectory(), cache = dir + "/font-paths";
    const auto freshRun = [&cache] {
        closeGameFonts();
        useFontPathCache(cache, gameFontCacheFiles());
    };
    freshRun();
    const bool haveFace = openGameFont(19, 400).face != nullptr;
    const std::string found = menuTexts(), kept = readBytes(cache);
    FacePath regular, bold;
    const bool twoFaces = parseFacePathLine(kept.substr(0, kept.find('\n')), regular) &&
                          parseFacePathLine(kept.substr(kept.find('\n') + 1, kept.size() - kept.find('\n') - 2), bold);
    freshRun();
    const std::string cached = menuTexts();
    regular.weight = bold.weight;
    writeBytes(cache, facePathLine(regular) + "\n");
    freshRun();
    const std::string misled = menuTexts();
    closeGameFonts();
    useFontPathCache("", {});
    removeScratchDirectory(dir);
    if (!haveFace) GTEST_SKIP() << "fonts-lato is not installed";
    EXPECT_TRUE(twoFaces) << kept;
    EXPECT_EQ(cached, found);
    EXPECT_NE(misled, found);
}

// A hostile or damaged cache never stops the text: a FIFO or a device in its place is no cache,
// a kept face that does not open as a usable one is dropped and asked of fontconfig at once, and
// the cache is rewritten through a fresh temporary (a link planted beside it is never followed).
TEST(FontPathCache, ABadCacheStillGivesTheTextAndIsMended)
{
    const std::string dir = makeScratchDirectory(), cache = dir + "/font-paths", victim = dir + "/victim";
    const auto freshRun = [&cache] {
        closeGameFonts();
        useFontPathCache(cache, gameFontCacheFiles());
    };
    freshRun();
    const std::string found = menuTexts(), good = readBytes(cache);
    FacePath bold;
    if (!parseFacePathLine(good.substr(0, good.find('\n')), bold))  // the menu's one face
        GTEST_SKIP() << "fonts-lato is not installed";
    // A kept line for the menu's weight naming `file` at `index`, with the file's size and time.
    const auto keep = [&](const std::string& file, int index) {
        struct stat status {};
        stat(file.c_str(), &status);
        FacePath face{bold.weight, index, status.st_size, status.st_mtim.tv_sec * 1000000000LL + status.st_mtim.tv_nsec,
                      file};
        writeBytes(cache, facePathLine(face) + "\n");
    };
    const auto copyOf = [&](std::size_t bytes) {
        writeBytes(dir + "/copy.ttf", readBytes(bold.file).substr(0, bytes));
        return dir + "/copy.ttf";
    };
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"fifo", [&] { mkfifo(cache.c_str(), 0600); }},
        {"/dev/zero", [&] { ASSERT_EQ(symlink("/dev/zero", cache.c_str()), 0); }},
        {"/dev/urandom", [&] { ASSERT_EQ(symlink("/dev/urandom", cache.c_str()), 0); }},
        {"huge", [&] { writeBytes(cache, good + std::string(1 << 20, '#')); }},
        {"not a font", [&] { writeBytes(dir + "/x.ttf", "no font here"), keep(dir + "/x.ttf", 0); }},
        {"truncated", [&] { keep(copyOf(4096), 0); }},
        {"face 999999", [&] { keep(bold.file, 999999); }},
        {"link at the old temporary", [&] {
             writeBytes(victim, "mine");
             ASSERT_EQ(symlink(victim.c_str(), (cache + "." + std::to_string(getpid())).c_str()), 0);
             writeBytes(cache + ".tmp-1-00000000000000aa", "a killed write");
         }}};
    for (const auto& [kind, plant] : cases) {
        std::filesystem::remove(cache);
        plant();
        freshRun();
        EXPECT_EQ(menuTexts(), found) << kind;
        const std::string after = readBytes(cache);
        EXPECT_TRUE(after.find(dir) == std::string::npos && after.find(bold.file) != std::string::npos) << kind;
    }
    EXPECT_EQ(readBytes(victim), "mine");
    EXPECT_FALSE(pathExists(cache + ".tmp-1-00000000000000aa"));
    closeGameFonts();
    useFontPathCache("", {});
    removeScratchDirectory(dir);
}
