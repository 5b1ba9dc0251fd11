// The data directory that make-data writes: every picture the game loads, of the right kind and
// size, readable by the game's loader, light where the screens write black text; every sound
// a sane 16-bit PCM WAV; the music a seamless loop; the same bytes on every run.
#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/picture_files.h"

namespace {

const std::string kDataDir = TESSARON_BIN_DIR "/Tessaron Data";

struct PictureEntry {
    std::string name;  // in Windows-1252, as the game composes it
    bool icon;
    int width;
    int height;
};

// The pictures as the game loads them: names, kinds and sizes.
std::vector<PictureEntry> gamePictures()
{
    std::vector<PictureEntry> list = {{"bouton.ico", true, 128, 24}, {"boutonSurvol\xC3\xA9.ico", true, 128, 24}};
    for (int k = 1; k <= 13; ++k) list.push_back({"bonus" + std::to_string(k) + ".bmp", false, 20, 10});
    const std::vector<PictureEntry> singles = {
        {"fondmenu.bmp", false, 285, 445},    {"credits.bmp", false, 700, 550},
        {"Perdu.bmp", false, 700, 550},       {"Victoire.bmp", false, 300, 85},
        {"Niveau.bmp", false, 700, 550},
        {"Fini.bmp", false, 700, 550},        {"fond.bmp", false, 700, 550},
        {"raquette1.ico", true, 30, 15},      {"raquette2.ico", true, 60, 15},
        {"raquette3.ico", true, 90, 15},      {"raquettearme.ico", true, 60, 15},
        {"raquettegolf.ico", true, 60, 15},   {"raquetteRebonds.ico", true, 60, 15},
        {"ball.ico", true, 12, 12},           {"ballr.ico", true, 12, 12},
    };
    list.insert(list.end(), singles.begin(), singles.end());
    for (int k = 1; k <= 8; ++k) list.push_back({std::to_string(k) + ".bmp", false, 40, 20});
    return list;
}

const char* const kCues[] = {"brique", "casse", "briquedure", "disparition", "murs", "balle pause",
                             "balle decolle", "vieperdu", "nouvellevie", "bonus", "tir", "CLAP"};

std::vector<unsigned char> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::vector<unsigned char>& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

SDL_Surface* loadPicture(const std::string& name, int width, int height)
{
    return loadPictureFile((kDataDir + "/Images/" + name).c_str(), width, height);
}

std::uint32_t pixelOf(SDL_Surface* surface, int x, int y)
{
    return static_cast<std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
}

// Mean brightness (0..1) and mean colour of a rectangle.
struct Area {
    double brightness = 0;
    double r = 0, g = 0, b = 0;
};

Area areaOf(SDL_Surface* surface, int x0, int y0, int x1, int y1)
{
    Area area;
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::uint32_t p = pixelOf(surface, x, y);
            const double r = ((p >> 16) & 255) / 255.0;
            const double g = ((p >> 8) & 255) / 255.0;
            const double b = (p & 255) / 255.0;
            area.r += r;
            area.g += g;
            area.b += b;
            area.brightness += 0.299 * r + 0.587 * g + 0.114 * b;
            ++count;
        }
    area.r /= count;
    area.g /= count;
    area.b /= count;
    area.brightness /= count;
    return area;
}

// A parsed 16-bit PCM WAV file.
struct Wave {
    bool valid = false;
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;  // interleaved, -1..1
    double seconds() const { return channels ? static_cast<double>(samples.size()) / channels / rate : 0; }
};

Wave readWave(const std::string& path)
{
    Wave wave;
    const std::vector<unsigned char> bytes = readBytes(path);
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return wave;
    bool format = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at) + 4);
        const std::uint32_t size = little(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size()) return wave;
        if (id == "fmt ") {
            if (size < 16 || little(bytes, at + 8, 2) != 1 || little(bytes, at + 22, 2) != 16) return wave;
            wave.channels = static_cast<int>(little(bytes, at + 10, 2));
            wave.rate = static_cast<int>(little(bytes, at + 12, 4));
            format = true;
        } else if (id == "data" && format) {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(little(bytes, at + 8 + i, 2)) / 32768.0f);
            wave.valid = size % (2u * static_cast<std::uint32_t>(wave.channels)) == 0;
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

bool dataWritten()
{
    return std::filesystem::is_directory(kDataDir + "/Images") && std::filesystem::is_directory(kDataDir + "/Sons");
}

}  // namespace

TEST(MadePictures, EveryPictureIsThereOfItsKindAndLoadsAtItsSize)
{
    ASSERT_TRUE(dataWritten()) << kDataDir;
    for (const PictureEntry& entry : gamePictures()) {
        SCOPED_TRACE(entry.name);
        const std::vector<unsigned char> bytes = readBytes(kDataDir + "/Images/" + entry.name);
        ASSERT_GT(bytes.size(), 40u);
        if (entry.icon) {
            // An icon file whose entry is a 32-bit picture of the load size itself.
            EXPECT_EQ(little(bytes, 0, 4), 0x00010000u);
            EXPECT_EQ(bytes[6], entry.width);
            EXPECT_EQ(bytes[7], entry.height);
            EXPECT_EQ(little(bytes, 12, 2), 32u);
        } else {
            EXPECT_EQ(bytes[0], 'B');
            EXPECT_EQ(bytes[1], 'M');
            EXPECT_EQ(little(bytes, 18, 4), static_cast<std::uint32_t>(entry.width));
            EXPECT_EQ(little(bytes, 22, 4), static_cast<std::uint32_t>(entry.height));
            EXPECT_EQ(little(bytes, 28, 2), 24u);
        }
        SDL_Surface* picture = loadPicture(entry.name, entry.width, entry.height);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->w, entry.width);
        EXPECT_EQ(picture->h, entry.height);
        SDL_FreeSurface(picture);
    }
}

TEST(MadePictures, IconsAreTransparentAroundTheirShapes)
{
    ASSERT_TRUE(dataWritten());
    for (const char* name : {"ball.ico", "ballr.ico"}) {
        SDL_Surface* ball = loadPicture(name, 12, 12);
        ASSERT_NE(ball, nullptr) << name;
        for (const auto& corner : {std::pair{0, 0}, std::pair{11, 0}, std::pair{0, 11}, std::pair{11, 11}})
            EXPECT_EQ(pixelOf(ball, corner.first, corner.second) >> 24, 0u) << name;
        EXPECT_EQ(pixelOf(ball, 6, 6) >> 24, 255u) << name;
        // The edge is soft: some pixels between the ball and the corners are partly covered.
        int partial = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const std::uint32_t alpha = pixelOf(ball, x, y) >> 24;
                if (alpha > 0 && alpha < 255) ++partial;
            }
        EXPECT_GT(partial, 8) << name;
        SDL_FreeSurface(ball);
    }
    // Overlays leave most of the paddle under them showing.
    for (const char* name : {"raquettearme.ico", "raquettegolf.ico"}) {
        SDL_Surface* overlay = loadPicture(name, 60, 15);
        ASSERT_NE(overlay, nullptr) << name;
        int clear = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 60; ++x) clear += (pixelOf(overlay, x, y) >> 24) < 128;
        EXPECT_GT(clear, 60 * 15 / 3) << name;
        SDL_FreeSurface(overlay);
    }
}

TEST(MadePictures, BlackTextFallsOnLightGroundAndBallsOnDarkGround)
{
    ASSERT_TRUE(dataWritten());
    SDL_Surface* game = loadPicture("fond.bmp", 700, 550);
    ASSERT_NE(game, nullptr);
    EXPECT_LT(areaOf(game, 0, 0, 480, 550).brightness, 0.3);   // the playfield
    EXPECT_GT(areaOf(game, 505, 118, 695, 410).brightness, 0.7);  // the panel's lines
    SDL_FreeSurface(game);

    SDL_Surface* lost = loadPicture("Perdu.bmp", 700, 550);
    ASSERT_NE(lost, nullptr);
    EXPECT_GT(areaOf(lost, 285, 135, 640, 175).brightness, 0.7);  // best score
    EXPECT_GT(areaOf(lost, 160, 190, 640, 230).brightness, 0.7);  // its holder
    EXPECT_GT(areaOf(lost, 255, 270, 640, 310).brightness, 0.7);  // the score
    EXPECT_GT(areaOf(lost, 90, 330, 680, 352).brightness, 0.7);   // the rating
    SDL_FreeSurface(lost);

    SDL_Surface* level = loadPicture("Niveau.bmp", 700, 550);
    ASSERT_NE(level, nullptr);
    EXPECT_GT(areaOf(level, 100, 140, 640, 230).brightness, 0.7);  // the two lines
    EXPECT_GT(areaOf(level, 140, 340, 640, 450).brightness, 0.7);  // the code
    SDL_FreeSurface(level);

    SDL_Surface* menu = loadPicture("fondmenu.bmp", 285, 445);
    ASSERT_NE(menu, nullptr);
    EXPECT_GT(areaOf(menu, 35, 118, 215, 139).brightness, 0.7);  // "Niveau sélectionné"
    SDL_FreeSurface(menu);

    for (const char* name : {"bouton.ico", "boutonSurvol\xC3\xA9.ico"}) {
        SDL_Surface* button = loadPicture(name, 128, 24);
        ASSERT_NE(button, nullptr);
        EXPECT_GT(areaOf(button, 20, 4, 110, 20).brightness, 0.7) << name;
        SDL_FreeSurface(button);
    }
}

TEST(MadePictures, EachCapsuleAndBrickHasItsOwnLook)
{
    ASSERT_TRUE(dataWritten());
    const auto distinct = [](const std::string& prefix, int count, int width, int height, const std::string& suffix) {
        std::vector<SDL_Surface*> pictures;
        for (int k = 1; k <= count; ++k) pictures.push_back(loadPicture(prefix + std::to_string(k) + suffix, width, height));
        for (int a = 0; a < count; ++a) {
            ASSERT_NE(pictures[static_cast<std::size_t>(a)], nullptr);
            for (int b = a + 1; b < count; ++b) {
                // Pictures differ in many pixels, not in a stray one.
                int different = 0;
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x) {
                        const std::uint32_t p = pixelOf(pictures[static_cast<std::size_t>(a)], x, y);
                        const std::uint32_t q = pixelOf(pictures[static_cast<std::size_t>(b)], x, y);
                        int distance = 0;
                        for (int shift = 0; shift < 24; shift += 8)
                            distance += std::abs(static_cast<int>((p >> shift) & 255) - static_cast<int>((q >> shift) & 255));
                        different += distance > 60;
                    }
                // The cracked brick is the hard one with a crack across it: less, but plainly, different.
                const bool cracked = prefix.empty() && a + 1 == 6 && b + 1 == 7;
                EXPECT_GT(different, cracked ? width * height / 20 : width * height / 5) << prefix << a + 1 << " and " << b + 1;
            }
        }
        for (SDL_Surface* picture : pictures) SDL_FreeSurface(picture);
    };
    distinct("bonus", 13, 20, 10, ".bmp");
    distinct("", 8, 40, 20, ".bmp");
}

TEST(MadeSounds, EveryCueIsAShortSixteenBitPcmSound)
{
    ASSERT_TRUE(dataWritten());
    for (const char* cue : kCues) {
        SCOPED_TRACE(cue);
        const Wave wave = readWave(kDataDir + "/Sons/" + cue + ".wav");
        ASSERT_TRUE(wave.valid);
        EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
        EXPECT_TRUE(wave.rate == 22050 || wave.rate == 44100);
        EXPECT_GT(wave.seconds(), 0.05);
        EXPECT_LE(wave.seconds(), std::string(cue) == "CLAP" ? 1.6 : 0.7);
        float peak = 0;
        for (const float v : wave.samples) peak = std::max(peak, std::fabs(v));
        EXPECT_GT(peak, 0.25f);   // heard
        EXPECT_LT(peak, 0.99f);   // never clipped
        // It ends in silence, without a click.
        EXPECT_LT(std::fabs(wave.samples.back()), 0.01f);
    }
}

TEST(MadeSounds, TheMusicIsALongSeamlessLoop)
{
    ASSERT_TRUE(dataWritten());
    const Wave music = readWave(kDataDir + "/Sons/musique.wav");
    ASSERT_TRUE(music.valid);
    EXPECT_GE(music.seconds(), 20.0);
    const std::size_t frames = music.samples.size() / static_cast<std::size_t>(music.channels);
    for (int c = 0; c < music.channels; ++c) {
        // The jump from the last frame back to the first is no larger than the music's own steps.
        double step = 0;
        for (std::size_t f = 1; f < frames; ++f)
            step += std::fabs(music.samples[f * static_cast<std::size_t>(music.channels) + static_cast<std::size_t>(c)] -
                              music.samples[(f - 1) * static_cast<std::size_t>(music.channels) + static_cast<std::size_t>(c)]);
        step /= static_cast<double>(frames - 1);
        const double seam = std::fabs(music.samples[static_cast<std::size_t>(c)] -
                                      music.samples[(frames - 1) * static_cast<std::size_t>(music.channels) + static_cast<std::size_t>(c)]);
        EXPECT_LT(seam, 3 * step) << "channel " << c;
    }
    // Not one loud note stuck on: the loudness moves from one second to the next.
    double quietest = 1e9;
    double loudest = 0;
    for (std::size_t second = 0; second + 1 < frames / static_cast<std::size_t>(music.rate); ++second) {
        double energy = 0;
        for (std::size_t f = second * static_cast<std::size_t>(music.rate); f < (second + 1) * static_cast<std::size_t>(music.rate); ++f)
            energy += music.samples[f * static_cast<std::size_t>(music.channels)] * music.samples[f * static_cast<std::size_t>(music.channels)];
        quietest = std::min(quietest, energy);
        loudest = std::max(loudest, energy);
    }
    EXPECT_GT(quietest, 0.0);
    EXPECT_LT(quietest, loudest);
}

TEST(MakeData, WritesTheSameBytesOnEveryRun)
{
    ASSERT_TRUE(dataWritten());
    const std::filesystem::path again =
        std::filesystem::path(::testing::TempDir()) / ("tessaron-data-again-" + std::to_string(getpid()));
    std::filesystem::remove_all(again);
    const std::string command = "\"" TESSARON_BIN_DIR "/make-data\" \"" + again.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int files = 0;
    for (const auto& item : std::filesystem::recursive_directory_iterator(again)) {
        if (!item.is_regular_file()) continue;
        const std::filesystem::path relative = std::filesystem::relative(item.path(), again);
        EXPECT_EQ(readBytes(item.path().string()), readBytes((std::filesystem::path(kDataDir) / relative).string()))
            << relative;
        ++files;
    }
    EXPECT_EQ(files, 38 + 13);
    std::filesystem::remove_all(again);
}
