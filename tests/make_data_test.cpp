// The data directory that make-data writes: every picture the game loads, of the right kind and
// size, readable by the game's loader, light where the screens write black text; every sound a
// sane 16-bit PCM WAV; the music a seamless loop; the same bytes on every run.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "shell/picture_files.h"
#include "tests/scratch_files.h"
#include "tests/test_pictures.h"

namespace {

namespace fs = std::filesystem;
const std::string kDataDir = TESSARON_BIN_DIR "/Tessaron Data";

std::uint32_t little(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

SDL_Surface* loadPicture(const std::string& name, int width, int height)
{
    return loadPictureFile((kDataDir + "/Images/" + name).c_str(), width, height);
}

// The names of the files under `dir`, relative to it, but for make-data's hidden stamp.
std::set<std::string> filesUnder(const fs::path& dir)
{
    std::set<std::string> names;
    for (const auto& item : fs::recursive_directory_iterator(dir))
        if (item.is_regular_file() && item.path().filename().string()[0] != '.') names.insert(fs::relative(item.path(), dir).string());
    return names;
}

// The sum of `rule` over the ARGB values of the pixels of `surface` in (x0, y0)-(x1, y1).
template <typename Rule>
long long countPixels(SDL_Surface* surface, int x0, int y0, int x1, int y1, Rule rule)
{
    long long count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) count += rule(argbAt(surface, x, y));
    return count;
}

// A sound file read back as 16-bit PCM, samples interleaved in -1..1; `valid` only when stored so.
struct Wave {
    bool valid = false;
    int channels = 0, rate = 0;
    std::vector<float> samples;
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(std::max(channels, 1)); }
    float at(std::size_t frame, int channel) const { return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)]; }
};

Wave readWave(const std::string& path)
{
    Wave wave;
    SDL_AudioSpec audio{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &audio, &buffer, &length) == nullptr) return wave;
    // SDL also decodes compressed formats to 16 bits: the format chunk must say plain PCM.
    wave.valid = audio.format == AUDIO_S16LSB && little(readBytes(path), 20, 2) == 1 && length % (2u * audio.channels) == 0;
    wave.channels = audio.channels;
    wave.rate = audio.freq;
    for (Uint32 i = 0; i + 1 < length; i += 2) wave.samples.push_back(static_cast<std::int16_t>(buffer[i] | buffer[i + 1] << 8) / 32768.0f);
    SDL_FreeWAV(buffer);
    return wave;
}

}  // namespace

// Every picture is there, and nothing else; each of its kind (an icon of one 32-bit entry of the
// load size, a 24-bit bitmap of it) and loaded at its size; icons have clear corners and soft
// edges, and the paddle's overlays leave most of the paddle under them showing.
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
            EXPECT_EQ(std::tuple(little(bytes, 0, 4), little(bytes, 6, 1), little(bytes, 7, 1), little(bytes, 12, 2)), std::tuple(0x10000u, w + 0u, h + 0u, 32u));
        else
            EXPECT_EQ(std::tuple(little(bytes, 0, 2), little(bytes, 18, 4), little(bytes, 22, 4), little(bytes, 28, 2)), std::tuple(0x4D42u, w + 0u, h + 0u, 24u));
        SDL_Surface* picture = loadPicture(entry.file, w, h);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(std::pair(picture->w, picture->h), std::pair(w, h));
        if (icon) {
            for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}}) EXPECT_EQ(argbAt(picture, x, y) >> 24, 0u);
            EXPECT_GT(countPixels(picture, 0, 0, w, h, [](std::uint32_t p) { return (p >> 24) % 255 != 0; }), 8);
            if (entry.file == "raquettearme.ico" || entry.file == "raquettegolf.ico")
                EXPECT_GT(countPixels(picture, 0, 0, w, h, [](std::uint32_t p) { return p >> 24 < 128; }), w * h / 3);
        }
        SDL_FreeSurface(picture);
    }
    EXPECT_EQ(filesUnder(kDataDir + "/Images"), names);
}

// Where each screen writes its black text is light; where balls fly is dark.
TEST(MadePictures, BlackTextFallsOnLightGroundAndBallsOnDarkGround)
{
    // Picture, its size, the rectangle (x0, y0)-(x1, y1), and whether it must be light.
    const std::tuple<const char*, int, int, int, int, int, int, bool> grounds[] = {
        {"fond.bmp", 700, 550, 0, 0, 480, 550, false},                                               // the playfield
        {"Perdu.bmp", 700, 550, 285, 135, 640, 175, true}, {"Perdu.bmp", 700, 550, 160, 190, 640, 230, true},  // best score, holder
        {"Perdu.bmp", 700, 550, 255, 270, 640, 310, true}, {"Perdu.bmp", 700, 550, 90, 330, 680, 352, true},   // score, rating
        {"Niveau.bmp", 700, 550, 100, 140, 640, 230, true}, {"Niveau.bmp", 700, 550, 140, 340, 640, 450, true},  // lines, code
        {"fondmenu.bmp", 285, 445, 35, 118, 215, 139, true},                                         // the chosen level
        {"bouton.ico", 128, 24, 20, 4, 110, 20, true}, {"boutonSurvol\xC3\xA9.ico", 128, 24, 20, 4, 110, 20, true}};
    for (const auto& [name, width, height, x0, y0, x1, y1, light] : grounds) {
        SDL_Surface* picture = loadPicture(name, width, height);
        ASSERT_NE(picture, nullptr) << name;
        // Mean luma, 0..255*255, over the rectangle.
        const long long luma = countPixels(picture, x0, y0, x1, y1, [](std::uint32_t p) {
            return int(77 * ((p >> 16) & 255) + 150 * ((p >> 8) & 255) + 29 * (p & 255));
        }) / ((x1 - x0) * (y1 - y0));
        EXPECT_TRUE(light ? luma > 179 * 256 : luma < 77 * 256) << name << " at " << y0 << ": " << luma / 256;
        SDL_FreeSurface(picture);
    }
}

// Capsules differ from each other, and bricks too, in many pixels, not in a stray one; the
// cracked brick is the hard one with a crack across it: less, but plainly, different.
TEST(MadePictures, EachCapsuleAndBrickHasItsOwnLook)
{
    for (const auto& [prefix, count, width, height] : {std::tuple("bonus", 13, 20, 10), std::tuple("", 8, 40, 20)}) {
        std::vector<SDL_Surface*> looks;
        for (int k = 1; k <= count; ++k) looks.push_back(loadPicture(prefix + std::to_string(k) + ".bmp", width, height));
        ASSERT_EQ(std::count(looks.begin(), looks.end(), nullptr), 0) << prefix;
        for (std::size_t a = 0; a < looks.size(); ++a)
            for (std::size_t b = a + 1; b < looks.size(); ++b) {
                int different = 0;
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x) {
                        const std::uint32_t p = argbAt(looks[a], x, y), q = argbAt(looks[b], x, y);
                        int distance = 0;
                        for (int shift = 0; shift < 24; shift += 8) distance += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
                        different += distance > 60;
                    }
                const bool cracked = *prefix == '\0' && a == 5 && b == 6;
                EXPECT_GT(different, width * height / (cracked ? 20 : 5)) << prefix << a + 1 << " and " << b + 1;
            }
        for (SDL_Surface* look : looks) SDL_FreeSurface(look);
    }
}

// Every cue is a short, heard, unclipped 16-bit PCM sound ending in silence; the music a loop of
// twenty seconds or more whose seam is no larger than its own steps and whose loudness moves.
TEST(MadeSounds, EveryCueIsAShortPcmSoundAndTheMusicALongSeamlessLoop)
{
    const std::set<std::string> cues = {"brique", "casse", "briquedure", "disparition", "murs", "balle pause", "balle decolle",
                                        "vieperdu", "nouvellevie", "bonus", "tir", "CLAP", "musique"};
    std::set<std::string> files;
    for (const std::string& cue : cues) files.insert(cue + ".wav");
    ASSERT_EQ(filesUnder(kDataDir + "/Sons"), files);
    for (const std::string& cue : cues) {
        SCOPED_TRACE(cue);
        const Wave wave = readWave(kDataDir + "/Sons/" + cue + ".wav");
        ASSERT_TRUE(wave.valid);
        EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
        EXPECT_TRUE(wave.rate == 22050 || wave.rate == 44100);
        const double seconds = static_cast<double>(wave.frames()) / wave.rate;
        float peak = 0;
        for (const float v : wave.samples) peak = std::max(peak, std::fabs(v));
        EXPECT_GT(peak, 0.25f);
        EXPECT_LT(peak, 0.99f);
        if (cue != "musique") {
            EXPECT_GT(seconds, 0.05);
            EXPECT_LE(seconds, cue == "CLAP" ? 1.6 : 0.7);
            EXPECT_LT(std::fabs(wave.samples.back()), 0.01f);  // no click at the end
            continue;
        }
        EXPECT_GE(seconds, 20.0);
        const std::size_t frames = wave.frames(), rate = static_cast<std::size_t>(wave.rate);
        for (int c = 0; c < wave.channels; ++c) {
            double step = 0;
            for (std::size_t f = 1; f < frames; ++f) step += std::fabs(wave.at(f, c) - wave.at(f - 1, c));
            EXPECT_LT(std::fabs(wave.at(0, c) - wave.at(frames - 1, c)), 3 * step / static_cast<double>(frames - 1)) << c;
        }
        std::vector<double> energies;
        for (std::size_t second = 0; second + 1 < frames / rate; ++second) {
            double energy = 0;
            for (std::size_t f = second * rate; f < (second + 1) * rate; ++f) energy += wave.at(f, 0) * wave.at(f, 0);
            energies.push_back(energy);
        }
        const auto [quietest, loudest] = std::minmax_element(energies.begin(), energies.end());
        EXPECT_GT(*quietest, 0.0);
        EXPECT_LT(*quietest, *loudest);
    }
}

TEST(MakeData, WritesTheSameBytesOnEveryRun)
{
    const std::string again = makeScratchDirectory() + "/data";
    ASSERT_EQ(std::system(("\"" TESSARON_BIN_DIR "/make-data\" \"" + again + "\"").c_str()), 0);
    const std::set<std::string> files = filesUnder(again);
    EXPECT_EQ(files, filesUnder(kDataDir));
    for (const std::string& file : files) EXPECT_EQ(readBytes(again + "/" + file), readBytes(kDataDir + "/" + file)) << file;
    removeScratchDirectory(fs::path(again).parent_path());
}
