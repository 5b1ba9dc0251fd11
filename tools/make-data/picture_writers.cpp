// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Writing the game's picture files: 24-bit bitmaps and 32-bit icons with their AND mask.
#include "tools/make-data/picture_writers.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "tools/make-data/drawing.h"

namespace {

void putLittle(std::vector<unsigned char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

bool writeBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

unsigned char byteOf(float v) { return static_cast<unsigned char>(std::lround(clamp01(v) * 255.0f)); }

}  // namespace

bool writeBitmapFile(const std::string& path, SDL_Surface* picture)
{
    const std::uint32_t width = static_cast<std::uint32_t>(picture->w);
    const std::uint32_t height = static_cast<std::uint32_t>(picture->h);
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = stride * height;
    std::vector<unsigned char> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    putLittle(out, 54 + pixelBytes, 4);
    putLittle(out, 0, 4);
    putLittle(out, 54, 4);
    putLittle(out, 40, 4);
    putLittle(out, width, 4);
    putLittle(out, height, 4);
    putLittle(out, 1, 2);
    putLittle(out, 24, 2);
    putLittle(out, 0, 4);
    putLittle(out, pixelBytes, 4);
    putLittle(out, 2835, 4);  // 72 dots per inch
    putLittle(out, 2835, 4);
    putLittle(out, 0, 4);
    putLittle(out, 0, 4);
    for (int y = picture->h - 1; y >= 0; --y) {
        for (int x = 0; x < picture->w; ++x) {
            const Colour c = pixelAt(picture, x, y);
            out.push_back(byteOf(c.b * c.a));
            out.push_back(byteOf(c.g * c.a));
            out.push_back(byteOf(c.r * c.a));
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad) out.push_back(0);
    }
    return writeBytes(path, out);
}

bool writeIconFile(const std::string& path, SDL_Surface* picture)
{
    if (picture->w > 256 || picture->h > 256) return false;
    const std::uint32_t width = static_cast<std::uint32_t>(picture->w);
    const std::uint32_t height = static_cast<std::uint32_t>(picture->h);
    const std::uint32_t maskStride = (width + 31) / 32 * 4;
    const std::uint32_t imageBytes = 40 + width * height * 4 + maskStride * height;
    std::vector<unsigned char> out;
    // Directory: one icon entry.
    putLittle(out, 0, 2);
    putLittle(out, 1, 2);
    putLittle(out, 1, 2);
    out.push_back(static_cast<unsigned char>(width == 256 ? 0 : width));
    out.push_back(static_cast<unsigned char>(height == 256 ? 0 : height));
    out.push_back(0);  // no palette
    out.push_back(0);
    putLittle(out, 1, 2);   // planes
    putLittle(out, 32, 2);  // bits per pixel
    putLittle(out, imageBytes, 4);
    putLittle(out, 6 + 16, 4);
    // The entry's header: the height counts the colour rows and the mask rows.
    putLittle(out, 40, 4);
    putLittle(out, width, 4);
    putLittle(out, height * 2, 4);
    putLittle(out, 1, 2);
    putLittle(out, 32, 2);
    putLittle(out, 0, 4);
    putLittle(out, imageBytes - 40, 4);
    for (int i = 0; i < 4; ++i) putLittle(out, 0, 4);
    for (int y = picture->h - 1; y >= 0; --y)
        for (int x = 0; x < picture->w; ++x) {
            const Colour c = pixelAt(picture, x, y);
            const bool clear = c.a <= 0;
            out.push_back(clear ? 0 : byteOf(c.b));
            out.push_back(clear ? 0 : byteOf(c.g));
            out.push_back(clear ? 0 : byteOf(c.r));
            out.push_back(byteOf(c.a));
        }
    for (int y = picture->h - 1; y >= 0; --y) {
        std::vector<unsigned char> row(maskStride, 0);
        for (int x = 0; x < picture->w; ++x)
            if (pixelAt(picture, x, y).a < 0.5f)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return writeBytes(path, out);
}
