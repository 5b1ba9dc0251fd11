// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The drawing operations every screen composes its frames with: an off-screen frame of the
// screen's size, pictures in their boxes, filled rectangles, pixels, and the copy of a whole
// frame to its target. All on 32-bit ARGB8888 software surfaces.
#pragma once
#include <SDL_pixels.h>
#include <SDL_surface.h>

// Colours the screens draw with.
constexpr SDL_Color kBlack{0, 0, 0, 255};
constexpr SDL_Color kShotGreen{0, 190, 0, 255};
constexpr SDL_Color kGuideRed{255, 0, 0, 255};
constexpr SDL_Color kGuideDarkGreen{0, 100, 0, 255};

// A colour written 0xRRGGBB (as the layout headers give them), opaque.
constexpr SDL_Color opaque(Uint32 rgb)
{
    return SDL_Color{static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8), static_cast<Uint8>(rgb), 255};
}

// An off-screen frame of width x height, opaque black, as if made afresh. Frames are kept
// and reused per size; a frame stays reserved until endFrame gives it back. Null only when
// no surface can be made.
SDL_Surface* beginFrame(int width, int height);

// Makes a frame begun but not yet drawn on black, as a new frame is; does nothing to any
// other surface. Every drawing operation does this first, text included.
void settleFrame(SDL_Surface* surface);

// Copies the whole frame onto `target` with its top-left corner at (0, y), cut to the
// target (nothing of the target is cleared first), then gives the frame back. A null target
// copies nothing; a null frame does nothing.
void endFrame(SDL_Surface* frame, SDL_Surface* target, int y);

// Draws `picture` at its own size with its top-left corner at (x, y), cut to the box of
// boxWidth x boxHeight and to the surface; never stretched. A picture with alpha blending
// (an icon) is blended, any other (a bitmap) is copied. Where the picture is smaller than its
// box, the rest of the box keeps what was there. Null surfaces draw nothing.
void drawPicture(SDL_Surface* surface, SDL_Surface* picture, int x, int y, int boxWidth, int boxHeight);

// A rectangle filled in one colour with an outline of the same colour one pixel wide:
// columns left..right-1 and rows top..bottom-1 (left and top inclusive, right and bottom
// exclusive; swapped corners are put in order), cut to the surface.
void fillRectangle(SDL_Surface* surface, int left, int top, int right, int bottom, SDL_Color colour);

// Sets one opaque pixel; a point outside the surface is ignored.
void setPixel(SDL_Surface* surface, int x, int y, SDL_Color colour);
