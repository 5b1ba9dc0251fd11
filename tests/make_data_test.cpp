// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The data directory that make-data writes: every picture and sound the game loads, well made, the same on every run.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <tuple>

#include "shell/picture_files.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

namespace fs = std::filesystem;
using Picture = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
const std::string kDataDir = TESSARON_BIN_DIR "/Tessaron Data";

std::uint32_t little(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

Picture loadPicture(const std::string& name, int w, int h)
{
    return Picture(loadPictureFile((kDataDir + "/Images/" + name).c_str(), w, h), SDL_FreeSurface);
}

// The names of the files under `dir`, relative to it, but for make-data's hidden stamp.
std::set<std::string> filesUnder(const fs::path& dir)
{
    std::set<std::string> names;
    for (const auto& item : fs::recursive_directory_iterator(dir))
        if (item.is_regular_file() && item.path().filename().string()[0] != '.')
            names.insert(fs::relative(item.path(), dir).string());
    return names;
}

// The sum of `rule` over the ARGB values of the pixels of `picture` in (x0, y0)-(x1, y1).
template <typename Rule>
long long sumOver(const Picture& picture, int x0, int y0, int x1, int y1, Rule rule)
{
    long long sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) sum += rule(argbAt(picture.get(), x, y));
    return sum;
}

}  // namespace

// Every picture and no other, of its kind and size, light under black text; icons with clear corners and soft edges.
TEST(MadePictures, EveryPictureIsThereOfItsKindAndLoadsAtItsSize)
{
    ASSERT_TRUE(fs::is_directory(kDataDir + "/Images")) << kDataDir;
    std::set<std::string> names;
    for (const GamePicture& entry : gamePictures()) {
        SCOPED_TRACE(entry.file);
        names.insert(entry.file);
        const std::string bytes = readBytes(kDataDir + "/Images/" + entry.file);
        ASSERT_GT(bytes.size(), 40u);
        const int w = entry.width, h = entry.height;
        const bool icon = entry.file.back() == 'o';
        if (icon)
            EXPECT_EQ(std::tuple(little(bytes, 0, 4), little(bytes, 6, 1), little(bytes, 7, 1), little(bytes, 12, 2)),
                      std::tuple(0x10000u, w + 0u, h + 0u, 32u));
        else
            EXPECT_EQ(std::tuple(little(bytes, 0, 2), little(bytes, 18, 4), little(bytes, 22, 4), little(bytes, 28, 2)),
                      std::tuple(0x4D42u, w + 0u, h + 0u, 24u));
        const Picture picture = loadPicture(entry.file, w, h);
        ASSERT_TRUE(picture);
        EXPECT_EQ(std::pair(picture->w, picture->h), std::pair(w, h));
        // Black text is written on the end screens, the level's and the credits' pictures and the buttons: they are
        // light; balls fly over the dark playfield.
        const auto luma256 = [](std::uint32_t p) {
            return 77 * (p >> 16 & 255) + 150 * (p >> 8 & 255) + 29 * (p & 255);
        };
        const int width = entry.file == "fond.bmp" ? 480 : w;  // the playfield of the game's background
        const long long luma = sumOver(picture, 0, 0, width, h, luma256) / (width * h * 256);
        const std::set<std::string> light = {"Perdu.bmp",   "Niveau.bmp", "NiveauJeu.bmp",
                                             "credits.bmp", "bouton.ico", "boutonSurvol\xC3\xA9.ico"};
        EXPECT_TRUE(light.count(entry.file) == 0 || luma > 178) << luma;
        EXPECT_TRUE(entry.file != "fond.bmp" || luma < 77) << luma;
        if (!icon) continue;
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}})
            EXPECT_EQ(argbAt(picture.get(), x, y) >> 24, 0u);
        EXPECT_GT(sumOver(picture, 0, 0, w, h, [](std::uint32_t p) { return (p >> 24) % 255 != 0; }), 8);
        if (entry.file == "raquettearme.ico" || entry.file == "raquettegolf.ico") {
            EXPECT_GT(sumOver(picture, 0, 0, w, h, [](std::uint32_t p) { return p >> 24 < 128; }), w * h / 3);
        }
    }
    std::set<std::string> french = filesUnder(kDataDir + "/Images");
    for (auto file = french.begin(); file != french.end();)
        file = file->find('/') == std::string::npos ? std::next(file) : french.erase(file);
    EXPECT_EQ(french, names);
}

// The English pictures are the French ones that hold words, drawn again at the same size and
// differing from them; every other picture is the French one.
TEST(MadePictures, EveryPictureWithWordsHasItsEnglishOne)
{
    const std::tuple<std::string, int, int> withWords[] = {
        {"Fini.bmp", 700, 550},      {"FiniJeu.bmp", 700, 550}, {"Niveau.bmp", 700, 550},
        {"NiveauJeu.bmp", 700, 550}, {"Perdu.bmp", 700, 550},   {"Victoire.bmp", 300, 85},
        {"credits.bmp", 700, 550},   {"fond.bmp", 700, 550},    {"fondmenu.bmp", 285, 445},
    };
    std::set<std::string> names;
    for (const auto& [name, w, h] : withWords) {
        names.insert(name);
        // A bitmap loads only at the size it states: the English one has the French one's.
        EXPECT_TRUE(loadPicture(name, w, h) && loadPicture("en/" + name, w, h)) << name;
        EXPECT_NE(readBytes(kDataDir + "/Images/" + name), readBytes(kDataDir + "/Images/en/" + name)) << name;
    }
    EXPECT_EQ(filesUnder(kDataDir + "/Images/en"), names);
}

// Cues short, heard, unclipped 16-bit PCM ending in silence; the music a long loop without a seam.
TEST(MadeSounds, EveryCueIsAShortPcmSoundAndTheMusicALongSeamlessLoop)
{
    const std::set<std::string> cues = {"brique",      "casse",         "briquedure", "disparition", "murs",
                                        "balle pause", "balle decolle", "vieperdu",   "nouvellevie", "bonus",
                                        "tir",         "CLAP",          "musique"};
    std::set<std::string> files;
    for (const std::string& cue : cues) files.insert(cue + ".wav");
    ASSERT_EQ(filesUnder(kDataDir + "/Sons"), files);
    for (const std::string& cue : cues) {
        const std::string path = kDataDir + "/Sons/" + cue + ".wav";
        SDL_AudioSpec audio{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(path.c_str(), &audio, &buffer, &length), nullptr) << cue;
        // SDL also decodes compressed formats to 16 bits: the format chunk must say plain PCM.
        EXPECT_EQ(std::tuple(audio.format, little(readBytes(path), 20, 2), audio.freq % 22050),
                  std::tuple(AUDIO_S16LSB, 1u, 0))
            << cue;
        const auto* samples = reinterpret_cast<const std::int16_t*>(buffer);
        const std::size_t count = length / 2, channels = audio.channels;
        const double seconds = static_cast<double>(count / channels) / audio.freq;
        int peak = 0;
        double step = 0;  // the mean step between a channel's samples
        for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int(samples[i])));
        for (std::size_t i = channels; i < count; ++i)
            step += std::abs(samples[i] - samples[i - channels]) / double(count - channels);
        EXPECT_TRUE(peak > 8192 && peak < 32440) << cue << ": " << peak;  // heard, never clipped
        EXPECT_TRUE(cue == "musique" ? seconds >= 20 : seconds > 0.05 && seconds <= (cue == "CLAP" ? 1.6 : 0.7))
            << cue << ": " << seconds;
        for (std::size_t c = 0; c < channels; ++c) {
            const int first = samples[c], last = samples[count - channels + c];
            if (cue == "musique") {
                EXPECT_LT(std::abs(first - last), 3 * step) << c;  // the loop's seam is no larger than its steps
            } else {
                EXPECT_LT(std::abs(last), 328) << cue;  // no click at the end
            }
        }
        SDL_FreeWAV(buffer);
    }
}

TEST(MakeData, WritesTheSameBytesOnEveryRun)
{
    const std::string again = makeScratchDirectory() + "/data";
    ASSERT_EQ(std::system(("\"" TESSARON_BIN_DIR "/make-data\" \"" + again + "\"").c_str()), 0);
    ASSERT_EQ(std::system(("\"" TESSARON_BIN_DIR "/make-data\" --language en \"" TESSARON_BIN_DIR "/locale\" \"" +
                           again + "\" >/dev/null")
                              .c_str()),
              0);
    const std::set<std::string> files = filesUnder(again);
    std::set<std::string> built = filesUnder(kDataDir);
    built.erase("Score.sco");  // a record kept beside a game started from the build tree
    EXPECT_EQ(files, built);
    for (const std::string& file : files) EXPECT_EQ(readBytes(again + "/" + file), readBytes(kDataDir + "/" + file));
    removeScratchDirectory(fs::path(again).parent_path());
}

// Options are answered before anything is drawn: help and version on standard output, anything
// else that starts with "-" refused with the usage, and no folder ever named after an option.
// Without the Lato faces (a fontconfig set-up with no font directory stands for a machine
// without fonts-lato) nothing is drawn, and it says why.
TEST(MakeData, AnswersItsOptionsAndDrawsNothingItWasNotAskedOrCannotDrawWell)
{
    struct Case {
        const char* arguments;
        int status;
        const char* output;  // a part of standard output (status 0) or of standard error
        const char* made;    // the only entry the run may leave in its folder, or ""
        const char* environment = "";
    };
    const Case cases[] = {
        {"--help", 0, "usage: make-data DIR", ""},
        {"-h", 0, "make-data --icons DIR", ""},
        {"--version", 0, "make-data " TESSARON_VERSION "\n", ""},
        {"--icons", 2, "usage:", ""},
        {"--contact-sheet -x.png", 2, "usage:", ""},
        {"-x", 2, "unknown option -x", ""},
        {"--frobnicate out", 2, "unknown option --frobnicate", ""},
        {"--help out", 2, "usage:", ""},
        {"--language en locale --help", 2, "usage:", ""},
        {"out extra", 2, "usage:", ""},
        {"''", 2, "usage:", ""},
        {"--icons icons", 0, "", "icons"},
        {"data", 1, "Lato", "", "FONTCONFIG_FILE=\"$PWD/.fonts.conf\""},
    };
    for (const Case& c : cases) {
        const std::string dir = makeScratchDirectory();
        writeBytes(dir + "/.fonts.conf", "<fontconfig/>\n");
        const std::string command = "cd \"" + dir + "\" && " + c.environment + " \"" TESSARON_BIN_DIR "/make-data\" " +
                                    c.arguments + " >\"" + dir + "/.out\" 2>\"" + dir + "/.err\"";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.status) << c.arguments << ": " << status;
        const std::string said = readBytes(dir + (c.status == 0 ? "/.out" : "/.err"));
        EXPECT_NE(said.find(c.output), std::string::npos) << c.arguments << ": " << said;
        EXPECT_EQ(readBytes(dir + (c.status == 0 ? "/.err" : "/.out")), "") << c.arguments;
        std::set<std::string> left;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().filename().string()[0] != '.') left.insert(entry.path().filename().string());
        EXPECT_EQ(left, *c.made ? std::set<std::string>{c.made} : std::set<std::string>{}) << c.arguments;
        removeScratchDirectory(dir);
    }
}
