// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Drawing primitives for the game's pictures: colours, anti-aliased shapes given by their
// signed distance, gradients, texture noise and lettering in the game's font.
#pragma once
#include <SDL_surface.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

// A colour with straight (not premultiplied) alpha, every channel 0..1.
struct Colour {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;
};

// An opaque colour from 0xRRGGBB.
Colour hexColour(std::uint32_t rgb);

// a when t is 0, b when t is 1, alpha included.
Colour mix(Colour a, Colour b, float t);

// Towards white for amount > 0, towards black for amount < 0 (amount in -1..1).
Colour lighten(Colour c, float amount);

// The same colour with its alpha multiplied by `opacity`.
Colour faded(Colour c, float opacity);

// Perceived brightness 0..1 of a colour.
float brightness(Colour c);

float clamp01(float v);

// Hermite step from 0 at edge0 to 1 at edge1.
float smoothStep(float edge0, float edge1, float v);

// A new ARGB8888 picture of width x height, fully transparent; the caller frees it.
SDL_Surface* newCanvas(int width, int height);

// The colour at (x, y); transparent black outside the picture.
Colour pixelAt(SDL_Surface* picture, int x, int y);

// Replaces the pixel at (x, y); ignored outside the picture.
void setPixel(SDL_Surface* picture, int x, int y, Colour colour);

// Lays `colour` over the pixel at (x, y) with the given coverage (0..1), as paint over paint.
void blendPixel(SDL_Surface* picture, int x, int y, Colour colour, float coverage = 1.0f);

// Blends `piece` onto `picture` with its top-left corner at (x, y), then frees it; a null
// piece (a drawing that failed) leaves the picture as it is.
void stampPicture(SDL_Surface* picture, SDL_Surface* piece, int x, int y);

// Fills every pixel of the rectangle with one colour laid over what is there.
void fillRect(SDL_Surface* picture, int x, int y, int width, int height, Colour colour);

// Calls paint(x, y) for every pixel of the picture and lays the colour it returns over it.
template <class Paint>
void paintEach(SDL_Surface* picture, Paint paint)
{
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x) blendPixel(picture, x, y, paint(x, y));
}

// Fills a shape given by its signed distance (pixels, negative inside), sampled at pixel
// centres within the box (x0, y0)..(x1, y1): the edge is anti-aliased over one pixel and
// shade(px, py, d) gives the colour at each point, d the distance (negative inside).
template <class Distance, class Shade>
void fillShape(SDL_Surface* picture, int x0, int y0, int x1, int y1, Distance distance, Shade shade)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, picture->w);
    y1 = std::min(y1, picture->h);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            const float py = static_cast<float>(y) + 0.5f;
            const float d = distance(px, py);
            const float coverage = clamp01(0.5f - d);
            if (coverage > 0) blendPixel(picture, x, y, shade(px, py, d), coverage);
        }
}

// Signed distance from (px, py) to a box of corners (x0, y0)..(x1, y1) with rounded corners.
float roundedBoxDistance(float px, float py, float x0, float y0, float x1, float y1, float radius);

// Signed distance from (px, py) to a disc.
float discDistance(float px, float py, float cx, float cy, float radius);

// Signed distance from (px, py) to a segment thickened to `halfWidth` on each side.
float segmentDistance(float px, float py, float ax, float ay, float bx, float by, float halfWidth);

// Solid anti-aliased shapes in one colour.
void fillDisc(SDL_Surface* picture, float cx, float cy, float radius, Colour colour);
void drawSegment(SDL_Surface* picture, float ax, float ay, float bx, float by, float width, Colour colour);

// Deterministic noise: a hash of a lattice point (0..1), smooth value noise (0..1) and its
// sum over octaves (0..1), all from a seed.
float latticeHash(int x, int y, std::uint32_t seed);
float valueNoise(float x, float y, std::uint32_t seed);
float fractalNoise(float x, float y, int octaves, std::uint32_t seed);

// The distances from (px, py) to the nearest and second-nearest point of a jittered grid of
// cells `cell` pixels wide: the grout between mosaic tiles lies where they are nearly equal.
// `tileX`, `tileY` receive the grid cell of the nearest point (a tile's identity).
void mosaicCell(float px, float py, float cell, std::uint32_t seed, float& nearest, float& second, int& tileX,
                int& tileY);

// Lettering in the game's font (UTF-8 in the source, Windows-1252 on the way to the font).
enum class Align { Left, Centre, Right };

// The width in pixels of a text at a cell height and weight.
int labelWidth(const char* utf8, int height, int weight);

// Draws a text with its cell's top at y and x its left edge, centre or right edge.
void drawLabel(SDL_Surface* picture, int x, int y, const char* utf8, int height, int weight, Colour colour,
               Align align = Align::Left);

// A text as a coverage mask: a transparent picture with the text in white, `margin` pixels
// of room on every side. The caller frees it.
SDL_Surface* labelMask(const char* utf8, int height, int weight, int margin);

// A copy of a mask thickened by `radius` pixels, its new edge fading over `softness` pixels
// (outlines and glows). The caller frees it.
SDL_Surface* thickenMask(SDL_Surface* mask, float radius, float softness);

// Lays paint(px, py) over `picture` wherever the mask covers (by its alpha), the mask's
// top-left corner at (x, y); px, py are the picture's coordinates.
template <class Paint>
void stampMask(SDL_Surface* picture, SDL_Surface* mask, int x, int y, Paint paint)
{
    for (int my = 0; my < mask->h; ++my)
        for (int mx = 0; mx < mask->w; ++mx) {
            const float coverage = pixelAt(mask, mx, my).a;
            if (coverage > 0) blendPixel(picture, x + mx, y + my, paint(x + mx, y + my), coverage);
        }
}
