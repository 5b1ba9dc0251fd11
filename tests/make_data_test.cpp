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
#include <tuple>
#include <vector>

#include "shell/picture_files.h"
#include "tests/test_pictures.h"

namespace {

const std::string kDataDir = TESSARON_BIN_DIR "/Tessaron Data";

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

// Mean brightness (0..1) of a rectangle.
double brightness(SDL_Surface* surface, int x0, int y0, int x1, int y1)
{
    double sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::uint32_t p = argbAt(surface, x, y);
            sum += (0.299 * ((p >> 16) & 255) + 0.587 * ((p >> 8) & 255) + 0.114 * (p & 255)) / 255.0;
        }
    return sum / ((x1 - x0) * (y1 - y0));
}

// A sound file read back as 16-bit PCM; `valid` only when it is stored as such.
struct Wave {
    bool valid = false;
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;  // interleaved, -1..1
    double seconds() const { return channels ? static_cast<double>(samples.size()) / channels / rate : 0; }
    float at(std::size_t frame, int channel) const { return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)]; }
};

Wave readWave(const std::string& path)
{
    Wave wave;
    SDL_AudioSpec audio{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &audio, &buffer, &length) == nullptr) return wave;
    // SDL also decodes compressed formats to 16 bits: the format chunk, first, must say plain PCM.
    wave.valid = audio.format == AUDIO_S16LSB && little(readBytes(path), 20, 2) == 1 && length % (2u * audio.channels) == 0;
    wave.channels = audio.channels;
    wave.rate = audio.freq;
    for (Uint32 i = 0; i + 1 < length; i += 2)
        wave.samples.push_back(static_cast<std::int16_t>(buffer[i] | buffer[i + 1] << 8) / 32768.0f);
    SDL_FreeWAV(buffer);
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
    for (const GamePicture& entry : gamePictures()) {
        SCOPED_TRACE(entry.file);
        const std::vector<unsigned char> bytes = readBytes(kDataDir + "/Images/" + entry.file);
        ASSERT_GT(bytes.size(), 40u);
        const std::uint32_t w = static_cast<std::uint32_t>(entry.width), h = static_cast<std::uint32_t>(entry.height);
        if (entry.file.substr(entry.file.size() - 4) == ".ico")  // one entry, a 32-bit picture of the load size itself
            EXPECT_EQ(std::tuple(little(bytes, 0, 4), bytes[6] + 0u, bytes[7] + 0u, little(bytes, 12, 2)), std::tuple(0x10000u, w, h, 32u));
        else
            EXPECT_EQ(std::tuple(little(bytes, 0, 2), little(bytes, 18, 4), little(bytes, 22, 4), little(bytes, 28, 2)),
                      std::tuple(0x4D42u, w, h, 24u));
        SDL_Surface* picture = loadPicture(entry.file, entry.width, entry.height);
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
            EXPECT_EQ(argbAt(ball, corner.first, corner.second) >> 24, 0u) << name;
        EXPECT_EQ(argbAt(ball, 6, 6) >> 24, 255u) << name;
        // The edge is soft: some pixels between the ball and the corners are partly covered.
        int partial = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) partial += (argbAt(ball, x, y) >> 24) % 255 != 0;
        EXPECT_GT(partial, 8) << name;
        SDL_FreeSurface(ball);
    }
    // Overlays leave most of the paddle under them showing.
    for (const char* name : {"raquettearme.ico", "raquettegolf.ico"}) {
        SDL_Surface* overlay = loadPicture(name, 60, 15);
        ASSERT_NE(overlay, nullptr) << name;
        int clear = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 60; ++x) clear += (argbAt(overlay, x, y) >> 24) < 128;
        EXPECT_GT(clear, 60 * 15 / 3) << name;
        SDL_FreeSurface(overlay);
    }
}

TEST(MadePictures, BlackTextFallsOnLightGroundAndBallsOnDarkGround)
{
    ASSERT_TRUE(dataWritten());
    // Where each screen writes its black text is light; where balls fly is dark.
    const struct {
        const char* name;
        int width, height, x0, y0, x1, y1;
        bool light;
    } grounds[] = {
        {"fond.bmp", 700, 550, 0, 0, 480, 550, false},        // the playfield
        {"fond.bmp", 700, 550, 505, 118, 695, 410, true},      // the panel's lines
        {"Perdu.bmp", 700, 550, 285, 135, 640, 175, true},     // best score
        {"Perdu.bmp", 700, 550, 160, 190, 640, 230, true},     // its holder
        {"Perdu.bmp", 700, 550, 255, 270, 640, 310, true},     // the score
        {"Perdu.bmp", 700, 550, 90, 330, 680, 352, true},      // the rating
        {"Niveau.bmp", 700, 550, 100, 140, 640, 230, true},    // the two lines
        {"Niveau.bmp", 700, 550, 140, 340, 640, 450, true},    // the code
        {"fondmenu.bmp", 285, 445, 35, 118, 215, 139, true},   // the chosen level
        {"bouton.ico", 128, 24, 20, 4, 110, 20, true},
        {"boutonSurvol\xC3\xA9.ico", 128, 24, 20, 4, 110, 20, true},
    };
    for (const auto& g : grounds) {
        SDL_Surface* picture = loadPicture(g.name, g.width, g.height);
        ASSERT_NE(picture, nullptr) << g.name;
        const double b = brightness(picture, g.x0, g.y0, g.x1, g.y1);
        EXPECT_TRUE(g.light ? b > 0.7 : b < 0.3) << g.name << " at " << g.y0 << ": " << b;
        SDL_FreeSurface(picture);
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
                        const std::uint32_t p = argbAt(pictures[static_cast<std::size_t>(a)], x, y), q = argbAt(pictures[static_cast<std::size_t>(b)], x, y);
                        int distance = 0;
                        for (int shift = 0; shift < 24; shift += 8) distance += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
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
        for (std::size_t f = 1; f < frames; ++f) step += std::fabs(music.at(f, c) - music.at(f - 1, c));
        step /= static_cast<double>(frames - 1);
        EXPECT_LT(std::fabs(music.at(0, c) - music.at(frames - 1, c)), 3 * step) << "channel " << c;
    }
    // Not one loud note stuck on: the loudness moves from one second to the next.
    const std::size_t rate = static_cast<std::size_t>(music.rate);
    double quietest = 1e9;
    double loudest = 0;
    for (std::size_t second = 0; second + 1 < frames / rate; ++second) {
        double energy = 0;
        for (std::size_t f = second * rate; f < (second + 1) * rate; ++f) energy += music.at(f, 0) * music.at(f, 0);
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
