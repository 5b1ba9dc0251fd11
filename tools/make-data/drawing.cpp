// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Drawing primitives for the game's pictures: pixels, shapes, noise and lettering.
#include "tools/make-data/drawing.h"

#include <string>

#include "screens/fonts.h"
#include "screens/translation.h"
#include "screens/windows1252.h"

namespace {

std::uint32_t* pixelAddress(SDL_Surface* picture, int x, int y)
{
    return reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(picture->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * picture->pitch) +
           x;
}

std::uint32_t channel(float v) { return static_cast<std::uint32_t>(std::lround(clamp01(v) * 255.0f)); }

std::uint32_t mixBits(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float lengthOf(float x, float y) { return std::sqrt(x * x + y * y); }

// The label in the language make-data draws in (the French text itself unless a catalogue was
// chosen), in the Windows-1252 the fonts take.
std::string windowsText(const char* utf8)
{
    std::string text;
    if (!windows1252FromUtf8(tr(utf8), text)) text = "?";
    return text;
}

}  // namespace

Colour hexColour(std::uint32_t rgb)
{
    return {static_cast<float>((rgb >> 16) & 255) / 255.0f, static_cast<float>((rgb >> 8) & 255) / 255.0f,
            static_cast<float>(rgb & 255) / 255.0f, 1.0f};
}

Colour mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour lighten(Colour c, float amount)
{
    const Colour target = amount >= 0 ? Colour{1, 1, 1, c.a} : Colour{0, 0, 0, c.a};
    return mix(c, target, std::fabs(amount));
}

Colour faded(Colour c, float opacity) { return {c.r, c.g, c.b, c.a * opacity}; }

float brightness(Colour c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

float clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

float smoothStep(float edge0, float edge1, float v)
{
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

SDL_Surface* newCanvas(int width, int height)
{
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (picture != nullptr) SDL_FillRect(picture, nullptr, 0);
    return picture;
}

Colour pixelAt(SDL_Surface* picture, int x, int y)
{
    if (x < 0 || y < 0 || x >= picture->w || y >= picture->h) return {0, 0, 0, 0};
    const std::uint32_t p = *pixelAddress(picture, x, y);
    return {static_cast<float>((p >> 16) & 255) / 255.0f, static_cast<float>((p >> 8) & 255) / 255.0f,
            static_cast<float>(p & 255) / 255.0f, static_cast<float>(p >> 24) / 255.0f};
}

void setPixel(SDL_Surface* picture, int x, int y, Colour c)
{
    if (x < 0 || y < 0 || x >= picture->w || y >= picture->h) return;
    *pixelAddress(picture, x, y) = (channel(c.a) << 24) | (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

void blendPixel(SDL_Surface* picture, int x, int y, Colour c, float coverage)
{
    if (x < 0 || y < 0 || x >= picture->w || y >= picture->h) return;
    const float sa = clamp01(c.a * coverage);
    if (sa <= 0) return;
    const Colour d = pixelAt(picture, x, y);
    const float outA = sa + d.a * (1.0f - sa);
    if (outA <= 0) return;
    const float keep = d.a * (1.0f - sa);
    setPixel(picture, x, y,
             {(c.r * sa + d.r * keep) / outA, (c.g * sa + d.g * keep) / outA, (c.b * sa + d.b * keep) / outA, outA});
}

void stampPicture(SDL_Surface* picture, SDL_Surface* piece, int x, int y)
{
    if (piece == nullptr) return;
    for (int py = 0; py < piece->h; ++py)
        for (int px = 0; px < piece->w; ++px) blendPixel(picture, x + px, y + py, pixelAt(piece, px, py));
    SDL_FreeSurface(piece);
}

void fillRect(SDL_Surface* picture, int x, int y, int width, int height, Colour colour)
{
    for (int py = y; py < y + height; ++py)
        for (int px = x; px < x + width; ++px) blendPixel(picture, px, py, colour);
}

float roundedBoxDistance(float px, float py, float x0, float y0, float x1, float y1, float radius)
{
    const float cx = (x0 + x1) * 0.5f;
    const float cy = (y0 + y1) * 0.5f;
    const float qx = std::fabs(px - cx) - ((x1 - x0) * 0.5f - radius);
    const float qy = std::fabs(py - cy) - ((y1 - y0) * 0.5f - radius);
    return lengthOf(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float discDistance(float px, float py, float cx, float cy, float radius) { return lengthOf(px - cx, py - cy) - radius; }

float segmentDistance(float px, float py, float ax, float ay, float bx, float by, float halfWidth)
{
    const float abx = bx - ax;
    const float aby = by - ay;
    const float along = abx * abx + aby * aby;
    const float t = along > 0 ? clamp01(((px - ax) * abx + (py - ay) * aby) / along) : 0.0f;
    return lengthOf(px - ax - abx * t, py - ay - aby * t) - halfWidth;
}

void fillDisc(SDL_Surface* picture, float cx, float cy, float radius, Colour colour)
{
    fillShape(
        picture, static_cast<int>(cx - radius) - 1, static_cast<int>(cy - radius) - 1,
        static_cast<int>(cx + radius) + 2, static_cast<int>(cy + radius) + 2,
        [&](float px, float py) { return discDistance(px, py, cx, cy, radius); },
        [&](float, float, float) { return colour; });
}

void drawSegment(SDL_Surface* picture, float ax, float ay, float bx, float by, float width, Colour colour)
{
    const float half = width * 0.5f;
    fillShape(
        picture, static_cast<int>(std::min(ax, bx) - half) - 1, static_cast<int>(std::min(ay, by) - half) - 1,
        static_cast<int>(std::max(ax, bx) + half) + 2, static_cast<int>(std::max(ay, by) + half) + 2,
        [&](float px, float py) { return segmentDistance(px, py, ax, ay, bx, by, half); },
        [&](float, float, float) { return colour; });
}

float latticeHash(int x, int y, std::uint32_t seed)
{
    const std::uint32_t h = mixBits(static_cast<std::uint32_t>(x) * 0x9E3779B1u ^
                                    mixBits(static_cast<std::uint32_t>(y) * 0x85EBCA77u + seed));
    return static_cast<float>(h >> 8) / 16777216.0f;
}

float valueNoise(float x, float y, std::uint32_t seed)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = smoothStep(0, 1, x - fx);
    const float ty = smoothStep(0, 1, y - fy);
    const float top = latticeHash(ix, iy, seed) + (latticeHash(ix + 1, iy, seed) - latticeHash(ix, iy, seed)) * tx;
    const float bottom =
        latticeHash(ix, iy + 1, seed) + (latticeHash(ix + 1, iy + 1, seed) - latticeHash(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, int octaves, std::uint32_t seed)
{
    float sum = 0;
    float weight = 0.5f;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u) * weight;
        total += weight;
        x *= 2.03f;
        y *= 2.03f;
        weight *= 0.5f;
    }
    return sum / total;
}

void mosaicCell(float px, float py, float cell, std::uint32_t seed, float& nearest, float& second, int& tileX,
                int& tileY)
{
    const int cx = static_cast<int>(std::floor(px / cell));
    const int cy = static_cast<int>(std::floor(py / cell));
    nearest = 1e30f;
    second = 1e30f;
    tileX = cx;
    tileY = cy;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = cx + dx;
            const int gy = cy + dy;
            // Tiles are set in rows, as a mosaic's tesserae are: little jitter across.
            const float sx = (static_cast<float>(gx) + 0.5f + (latticeHash(gx, gy, seed) - 0.5f) * 0.45f) * cell;
            const float sy = (static_cast<float>(gy) + 0.5f + (latticeHash(gx, gy, seed + 7) - 0.5f) * 0.45f) * cell;
            // Chebyshev-like distance gives squarish tiles.
            const float ddx = std::fabs(px - sx);
            const float ddy = std::fabs(py - sy);
            const float d = std::max(ddx, ddy) * 0.8f + (ddx + ddy) * 0.2f;
            if (d < nearest) {
                second = nearest;
                nearest = d;
                tileX = gx;
                tileY = gy;
            } else if (d < second) {
                second = d;
            }
        }
}

int labelWidth(const char* utf8, int height, int weight)
{
    const std::string text = windowsText(utf8);
    return textWidth(openGameFont(height, weight), text.c_str(), static_cast<int>(text.size()));
}

void drawLabel(SDL_Surface* picture, int x, int y, const char* utf8, int height, int weight, Colour colour, Align align)
{
    const std::string text = windowsText(utf8);
    const GameFont& font = openGameFont(height, weight);
    const int width = textWidth(font, text.c_str(), static_cast<int>(text.size()));
    if (align == Align::Centre) x -= width / 2;
    if (align == Align::Right) x -= width;
    if (colour.a >= 1.0f) {
        const SDL_Color solid{static_cast<Uint8>(channel(colour.r)), static_cast<Uint8>(channel(colour.g)),
                              static_cast<Uint8>(channel(colour.b)), 255};
        drawText(picture, font, x, y, text.c_str(), static_cast<int>(text.size()), solid);
        return;
    }
    SDL_Surface* mask = labelMask(utf8, height, weight, 2);
    if (mask == nullptr) return;
    stampMask(picture, mask, x - 2, y - 2, [&](int, int) { return colour; });
    SDL_FreeSurface(mask);
}

SDL_Surface* labelMask(const char* utf8, int height, int weight, int margin)
{
    const std::string text = windowsText(utf8);
    const GameFont& font = openGameFont(height, weight);
    const int width = textWidth(font, text.c_str(), static_cast<int>(text.size()));
    SDL_Surface* mask = newCanvas(std::max(1, width + 2 * margin), height + 2 * margin);
    if (mask == nullptr) return nullptr;
    drawText(mask, font, margin, margin, text.c_str(), static_cast<int>(text.size()), SDL_Color{255, 255, 255, 255});
    return mask;
}

SDL_Surface* thickenMask(SDL_Surface* mask, float radius, float softness)
{
    SDL_Surface* thick = newCanvas(mask->w, mask->h);
    if (thick == nullptr) return nullptr;
    const int reach = static_cast<int>(std::ceil(radius + softness));
    for (int y = 0; y < mask->h; ++y)
        for (int x = 0; x < mask->w; ++x) {
            float cover = 0;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const float a = pixelAt(mask, x + dx, y + dy).a;
                    if (a <= cover) continue;
                    const float d = lengthOf(static_cast<float>(dx), static_cast<float>(dy));
                    const float falloff =
                        softness > 0 ? 1.0f - smoothStep(radius, radius + softness, d) : clamp01(radius + 0.5f - d);
                    cover = std::max(cover, a * falloff);
                }
            setPixel(thick, x, y, {1, 1, 1, cover});
        }
    return thick;
}
