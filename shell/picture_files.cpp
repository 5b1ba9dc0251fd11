// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Loading the game's pictures: bitmaps through SDL after a check of their headers, icons
// through a reader of our own, both scaled to the size the game draws them.
#include "shell/picture_files.h"

#include <SDL.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "shell/regular_file.h"

namespace {

// The largest picture of the game, 700 x 550 at 32 bits, takes 1.5 MiB; a larger file is no
// picture of the game and is not read further.
constexpr std::size_t kLargestFile = 4u << 20;
constexpr std::int64_t kLargestSide = 16384;        // pixels, for bitmaps
constexpr std::int64_t kLargestArea = 4096 * 4096;  // pixels, for bitmaps
constexpr std::int64_t kLargestIconSide = 1024;     // pixels, for icon entries
constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::uint32_t little(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
    return value;
}

std::int32_t littleSigned(const unsigned char* p) { return static_cast<std::int32_t>(little(p, 4)); }

SDL_Surface* newPicture(int width, int height)
{
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
}

std::uint32_t* pictureRow(SDL_Surface* picture, int y)
{
    return reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(picture->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * picture->pitch);
}

// True when every field that sizes a bitmap stays within the file, so that SDL's own reader
// is only ever given a well-formed file.
bool bitmapHeadersSound(const unsigned char* data, std::size_t size)
{
    if (size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint64_t pixelOffset = little(data + 10, 4);
    const std::uint32_t infoSize = little(data + 14, 4);
    if (infoSize != 12 && (infoSize < 40 || infoSize > 124)) return false;
    if (14 + static_cast<std::uint64_t>(infoSize) > size || pixelOffset >= size) return false;

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t depth = 0;
    std::uint32_t compression = 0;
    std::uint64_t paletteColours = 0;
    if (infoSize == 12) {
        width = little(data + 18, 2);
        height = little(data + 20, 2);
        planes = little(data + 22, 2);
        depth = little(data + 24, 2);
    } else {
        width = littleSigned(data + 18);
        height = littleSigned(data + 22);
        planes = little(data + 26, 2);
        depth = little(data + 28, 2);
        compression = little(data + 30, 4);
        paletteColours = little(data + 46, 4);
    }
    if (height < 0) height = -height;
    if (width < 1 || width > kLargestSide || height < 1 || height > kLargestSide) return false;
    if (planes != 1) return false;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) return false;
    if (depth <= 8 && paletteColours > (1u << depth)) return false;
    const std::uint64_t paletteEntry = infoSize == 12 ? 3 : 4;
    const std::uint64_t paletteBytes =
        depth <= 8 ? (paletteColours ? paletteColours : (1u << depth)) * paletteEntry : 0;
    if (14 + infoSize + paletteBytes > size) return false;
    if (width * height > kLargestArea) return false;
    switch (compression) {
    case 0:  // plain rows
    case 3:  // plain rows with colour masks
    case 6: {
        if (compression != 0 && depth != 16 && depth != 32) return false;
        const std::uint64_t row = (static_cast<std::uint64_t>(width) * depth + 31) / 32 * 4;
        return row * static_cast<std::uint64_t>(height) <= size - pixelOffset;
    }
    case 1:  // run-length coded, 8 bits
        return depth == 8;
    case 2:  // run-length coded, 4 bits
        return depth == 4;
    default: return false;
    }
}

// The game's bitmaps are drawn at the size their files state: a file that claims another
// size is not one of them, and is refused before anything is decoded (a small run-length
// file may claim a huge picture). Files that are not bitmaps pass.
bool bitmapClaimsSize(const unsigned char* data, std::size_t size, int width, int height)
{
    if (size < 2 || data[0] != 'B' || data[1] != 'M') return true;
    if (size < 14 + 12) return false;
    const bool core = little(data + 14, 4) == 12;
    if (!core && size < 14 + 16) return false;
    const std::int64_t claimedWidth = core ? little(data + 18, 2) : littleSigned(data + 18);
    std::int64_t claimedHeight = core ? little(data + 20, 2) : littleSigned(data + 22);
    if (claimedHeight < 0) claimedHeight = -claimedHeight;
    return claimedWidth == width && claimedHeight == height;
}

// Bitmaps are opaque pictures: whatever a 32-bit file holds in its fourth byte is ignored.
SDL_Surface* bitmapFromBytes(const unsigned char* data, std::size_t size)
{
    if (!bitmapHeadersSound(data, size)) return nullptr;
    SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (stream == nullptr) return nullptr;
    SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
    if (loaded == nullptr) return nullptr;
    SDL_Surface* picture = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (picture == nullptr) return nullptr;
    for (int y = 0; y < picture->h; ++y) {
        std::uint32_t* row = pictureRow(picture, y);
        for (int x = 0; x < picture->w; ++x) row[x] |= 0xFF000000u;
    }
    return picture;
}

struct IconEntry {
    std::int64_t width;
    std::int64_t height;
    std::int64_t depth;
    std::uint32_t offset;
    std::uint32_t length;
};

// Higher is better: the requested size exactly, else the nearest larger, else the nearest
// smaller; then the deepest colour.
std::int64_t entryFit(const IconEntry& entry, int width, int height)
{
    const std::int64_t dw = entry.width - width;
    const std::int64_t dh = entry.height - height;
    std::int64_t score = 0;
    if (dw == 0 && dh == 0) score = 1'000'000'000;
    else if (dw >= 0 && dh >= 0) score = 500'000'000 - (dw + dh) * 1000;
    else score = 100'000'000 + (std::min<std::int64_t>(dw, 0) + std::min<std::int64_t>(dh, 0)) * 1000;
    return score + entry.depth;
}

SDL_Surface* pngEntry(const unsigned char* data, std::uint32_t length)
{
    // The size stated in the image header comes first: no huge picture is ever decoded.
    if (length < 33 || std::memcmp(data + 12, "IHDR", 4) != 0) return nullptr;
    const std::uint32_t width =
        (std::uint32_t{data[16]} << 24) | (std::uint32_t{data[17]} << 16) | (std::uint32_t{data[18]} << 8) | data[19];
    const std::uint32_t height =
        (std::uint32_t{data[20]} << 24) | (std::uint32_t{data[21]} << 16) | (std::uint32_t{data[22]} << 8) | data[23];
    if (width < 1 || height < 1 || width > kLargestIconSide || height > kLargestIconSide) return nullptr;
    // libpng is in the process already (the font renderer reads PNG glyphs with it): no other
    // picture library is loaded for the rare icon that holds a PNG entry.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, data, length) == 0) return nullptr;
    image.format = PNG_FORMAT_RGBA;
    SDL_Surface* decoded = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(width), static_cast<int>(height), 32,
                                                          SDL_PIXELFORMAT_RGBA32);
    if (decoded == nullptr) {
        png_image_free(&image);
        return nullptr;
    }
    const bool read = png_image_finish_read(&image, nullptr, decoded->pixels, decoded->pitch, nullptr) != 0;
    png_image_free(&image);
    SDL_Surface* picture = read ? SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    SDL_FreeSurface(decoded);
    return picture;
}

// A device-independent bitmap entry: the colour rows, then the AND mask rows, bottom up.
SDL_Surface* dibEntry(const unsigned char* data, std::uint32_t length)
{
    if (length < 40) return nullptr;
    const std::uint32_t infoSize = little(data, 4);
    if (infoSize < 40 || infoSize > length) return nullptr;
    const std::int64_t width = littleSigned(data + 4);
    const std::int64_t doubledHeight = littleSigned(data + 8);
    const std::uint32_t depth = little(data + 14, 2);
    const std::uint32_t compression = little(data + 16, 4);
    const std::uint64_t paletteUsed = little(data + 32, 4);
    if (width < 1 || width > kLargestIconSide) return nullptr;
    if (doubledHeight < 2 || doubledHeight > 2 * kLargestIconSide || doubledHeight % 2 != 0) return nullptr;
    const std::int64_t height = doubledHeight / 2;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24 && depth != 32) return nullptr;
    if (compression != 0 && !(compression == 3 && depth == 32)) return nullptr;
    if (depth <= 8 && paletteUsed > (1u << depth)) return nullptr;

    const std::uint64_t paletteCount = depth <= 8 ? (paletteUsed ? paletteUsed : 1u << depth) : 0;
    const std::uint64_t colourStride = (static_cast<std::uint64_t>(width) * depth + 31) / 32 * 4;
    const std::uint64_t maskStride = (static_cast<std::uint64_t>(width) + 31) / 32 * 4;
    // Colour masks of a BI_BITFIELDS header follow a 40-byte header.
    const std::uint64_t paletteStart = infoSize + (compression == 3 && infoSize == 40 ? 12 : 0);
    const std::uint64_t colourStart = paletteStart + paletteCount * 4;
    const std::uint64_t maskStart = colourStart + colourStride * static_cast<std::uint64_t>(height);
    if (maskStart > length) return nullptr;
    // A 32-bit entry may come without its mask; the others need it for their transparency.
    const bool hasMask = maskStart + maskStride * static_cast<std::uint64_t>(height) <= length;
    if (!hasMask && depth != 32) return nullptr;

    SDL_Surface* picture = newPicture(static_cast<int>(width), static_cast<int>(height));
    if (picture == nullptr) return nullptr;
    bool anyAlpha = false;
    for (std::int64_t y = 0; y < height; ++y) {
        const unsigned char* colours = data + colourStart + colourStride * (height - 1 - y);
        std::uint32_t* out = pictureRow(picture, static_cast<int>(y));
        for (std::int64_t x = 0; x < width; ++x) {
            std::uint32_t argb = 0;
            if (depth == 32) {
                argb = little(colours + 4 * x, 4);
                anyAlpha = anyAlpha || (argb >> 24) != 0;
            } else if (depth == 24) {
                argb = 0xFF000000u | little(colours + 3 * x, 3);
            } else {
                const std::uint64_t bit = static_cast<std::uint64_t>(x) * depth;
                const unsigned byte = colours[bit / 8];
                const unsigned shift = 8 - depth - static_cast<unsigned>(bit % 8);
                const std::uint64_t index = (byte >> shift) & ((1u << depth) - 1);
                if (index < paletteCount) argb = 0xFF000000u | (little(data + paletteStart + 4 * index, 4) & 0xFFFFFFu);
                else argb = 0xFF000000u;
            }
            out[x] = argb;
        }
    }
    // The AND mask makes a pixel transparent; a 32-bit entry with alpha keeps its own.
    if (depth != 32 || !anyAlpha) {
        for (std::int64_t y = 0; y < height; ++y) {
            const unsigned char* mask = data + maskStart + maskStride * (height - 1 - y);
            std::uint32_t* out = pictureRow(picture, static_cast<int>(y));
            for (std::int64_t x = 0; x < width; ++x) {
                const bool clear = hasMask && ((mask[x / 8] >> (7 - x % 8)) & 1) != 0;
                out[x] = clear ? 0 : (out[x] | 0xFF000000u);
            }
        }
    }
    return picture;
}

// Stretches an ARGB8888 picture smoothly; colours are weighted by their alpha on the way so
// that transparent pixels do not darken the edges.
SDL_Surface* stretchPicture(SDL_Surface* source, int width, int height)
{
    if (source->w == width && source->h == height) return source;
    SDL_Surface* scaled = newPicture(width, height);
    if (scaled == nullptr) {
        SDL_FreeSurface(source);
        return nullptr;
    }
    const auto premultiply = [](SDL_Surface* picture, bool forward) {
        for (int y = 0; y < picture->h; ++y) {
            std::uint32_t* row = pictureRow(picture, y);
            for (int x = 0; x < picture->w; ++x) {
                const std::uint32_t a = row[x] >> 24;
                if (a == 255) continue;
                std::uint32_t channels[3] = {(row[x] >> 16) & 255, (row[x] >> 8) & 255, row[x] & 255};
                for (std::uint32_t& c : channels)
                    c = forward ? (c * a + 127) / 255 : (a ? std::min<std::uint32_t>(255, (c * 255 + a / 2) / a) : 0);
                row[x] = (a << 24) | (channels[0] << 16) | (channels[1] << 8) | channels[2];
            }
        }
    };
    premultiply(source, true);
    const int result = SDL_SoftStretchLinear(source, nullptr, scaled, nullptr);
    SDL_FreeSurface(source);
    if (result != 0) {
        SDL_FreeSurface(scaled);
        return nullptr;
    }
    premultiply(scaled, false);
    return scaled;
}

}  // namespace

SDL_Surface* iconFromBytes(const unsigned char* data, std::size_t size, int width, int height)
{
    if (data == nullptr || size < 6 || little(data, 2) != 0) return nullptr;
    const std::uint32_t type = little(data + 2, 2);
    const std::uint32_t count = little(data + 4, 2);
    if ((type != 1 && type != 2) || count == 0 || 6 + 16 * static_cast<std::uint64_t>(count) > size) return nullptr;

    bool found = false;
    IconEntry best{};
    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* record = data + 6 + 16 * i;
        IconEntry entry{record[0] ? record[0] : 256, record[1] ? record[1] : 256,
                        static_cast<std::int64_t>(little(record + 6, 2)), little(record + 12, 4),
                        little(record + 8, 4)};
        if (entry.length < 8 || entry.offset >= size || entry.length > size - entry.offset) continue;
        // The depth and size that count are those of the entry's own header when it has one.
        const unsigned char* image = data + entry.offset;
        if (std::memcmp(image, kPngSignature, 8) == 0) {
            entry.depth = 32;
        } else if (entry.length >= 40) {
            entry.width = littleSigned(image + 4);
            entry.height = littleSigned(image + 8) / 2;
            entry.depth = little(image + 14, 2);
        } else {
            continue;
        }
        if (!found || entryFit(entry, width, height) > entryFit(best, width, height)) {
            best = entry;
            found = true;
        }
    }
    if (!found) return nullptr;
    const unsigned char* image = data + best.offset;
    return std::memcmp(image, kPngSignature, 8) == 0 ? pngEntry(image, best.length) : dibEntry(image, best.length);
}

SDL_Surface* pictureFromBytes(const unsigned char* data, std::size_t size, int width, int height)
{
    if (data == nullptr || size > kLargestFile || width < 1 || height < 1) return nullptr;
    const bool bitmap = size >= 2 && data[0] == 'B' && data[1] == 'M';
    SDL_Surface* picture = bitmap ? bitmapFromBytes(data, size) : iconFromBytes(data, size, width, height);
    if (picture == nullptr) return nullptr;
    picture = stretchPicture(picture, width, height);
    if (picture == nullptr) return nullptr;
    SDL_SetSurfaceBlendMode(picture, bitmap ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    return picture;
}

SDL_Surface* loadPictureFile(const char* path, int width, int height)
{
    if (path == nullptr) return nullptr;
    std::string bytes;
    // One byte more than the largest picture accepted, so that a larger file shows as such.
    if (!readRegularFile(path, kLargestFile + 1, bytes) || bytes.empty() || bytes.size() > kLargestFile) return nullptr;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (!bitmapClaimsSize(data, bytes.size(), width, height)) return nullptr;
    return pictureFromBytes(data, bytes.size(), width, height);
}
