// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The drawing operations of every screen on software surfaces.
#include "screens/drawing_surface.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// A kept frame: reused by the next frame of the same size once the last one has ended.
struct FrameSlot {
    SDL_Surface* surface = nullptr;
    bool inUse = false;
    bool blankPending = false;  // begun but not yet made black: see settleFrame
};

// One slot per size in use (menu, game screen, credits, slides) and room to spare. When
// every slot is taken a frame is made for the occasion and freed at its end.
std::array<FrameSlot, 8> frameSlots;

SDL_Surface* makeFrameSurface(int width, int height)
{
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
}

// Pixels laid out as 32-bit 0xAARRGGBB words (alpha ignored for the XRGB layout), which plain
// row copies and fills can write directly.
bool hasWordPixels(const SDL_Surface* surface)
{
    const Uint32 format = surface->format->format;
    return (format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888) && !SDL_MUSTLOCK(surface) &&
           surface->pixels != nullptr;
}

// A picture whose pixels are copied as they are: no blending, colour key or modulation.
bool copiesPlainly(SDL_Surface* picture)
{
    SDL_BlendMode mode = SDL_BLENDMODE_NONE;
    Uint8 alpha = 255;
    Uint8 r = 255;
    Uint8 g = 255;
    Uint8 b = 255;
    SDL_GetSurfaceBlendMode(picture, &mode);
    SDL_GetSurfaceAlphaMod(picture, &alpha);
    SDL_GetSurfaceColorMod(picture, &r, &g, &b);
    return mode == SDL_BLENDMODE_NONE && !SDL_HasColorKey(picture) && alpha == 255 && r == 255 && g == 255 && b == 255;
}

Uint32* rowOf(SDL_Surface* surface, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
}

// Cuts the area of w x h at (x, y) to the surface's clip rectangle, moving the matching source
// corner (sourceX, sourceY) along. False when nothing of it is left.
bool cutToClip(const SDL_Surface* surface, int& x, int& y, int& w, int& h, int& sourceX, int& sourceY)
{
    const SDL_Rect& clip = surface->clip_rect;
    if (x < clip.x) {
        const int cut = clip.x - x;
        x += cut;
        sourceX += cut;
        w -= cut;
    }
    if (y < clip.y) {
        const int cut = clip.y - y;
        y += cut;
        sourceY += cut;
        h -= cut;
    }
    w = std::min(w, clip.x + clip.w - x);
    h = std::min(h, clip.y + clip.h - y);
    return w > 0 && h > 0;
}

// Copies w x h pixels from (sourceX, sourceY) of `source` to (x, y) of `target`, cut to the
// target. Row by row with ordinary stores: SDL's own copy and fill stream past the cache,
// which makes each of the many small pictures of a frame cost microseconds.
void copyPixels(SDL_Surface* source, int sourceX, int sourceY, SDL_Surface* target, int x, int y, int w, int h)
{
    if (hasWordPixels(source) && hasWordPixels(target) && copiesPlainly(source)) {
        if (!cutToClip(target, x, y, w, h, sourceX, sourceY)) return;
        for (int row = 0; row < h; ++row) {
            std::memcpy(rowOf(target, y + row) + x, rowOf(source, sourceY + row) + sourceX,
                        static_cast<std::size_t>(w) * 4);
        }
        return;
    }
    SDL_Rect part{sourceX, sourceY, w, h};
    SDL_Rect place{x, y, w, h};
    SDL_BlitSurface(source, &part, target, &place);
}

// Fills the area w x h at (x, y) of `surface`, cut to its clip rectangle, with an opaque colour.
void fillPixels(SDL_Surface* surface, int x, int y, int w, int h, SDL_Color colour)
{
    if (!hasWordPixels(surface)) {
        SDL_Rect area{x, y, w, h};
        SDL_FillRect(surface, &area, SDL_MapRGBA(surface->format, colour.r, colour.g, colour.b, 255));
        return;
    }
    int unusedX = 0;
    int unusedY = 0;
    if (!cutToClip(surface, x, y, w, h, unusedX, unusedY)) return;
    const Uint32 word = 0xFF000000u | (Uint32{colour.r} << 16) | (Uint32{colour.g} << 8) | colour.b;
    for (int row = 0; row < h; ++row) std::fill_n(rowOf(surface, y + row) + x, w, word);
}

FrameSlot* slotOf(const SDL_Surface* surface)
{
    for (FrameSlot& slot : frameSlots) {
        if (slot.surface != nullptr && slot.surface == surface) return &slot;
    }
    return nullptr;
}

SDL_Surface* reserveFrame(int width, int height)
{
    for (FrameSlot& slot : frameSlots) {
        if (slot.surface != nullptr && !slot.inUse && slot.surface->w == width && slot.surface->h == height) {
            slot.inUse = true;
            return slot.surface;
        }
    }
    for (FrameSlot& slot : frameSlots) {
        if (slot.surface == nullptr) {
            slot.surface = makeFrameSurface(width, height);
            if (slot.surface == nullptr) return nullptr;
            slot.inUse = true;
            return slot.surface;
        }
    }
    return makeFrameSurface(width, height);
}

void releaseFrame(SDL_Surface* frame)
{
    for (FrameSlot& slot : frameSlots) {
        if (slot.surface == frame) {
            slot.inUse = false;
            return;
        }
    }
    SDL_FreeSurface(frame);
}

}  // namespace

SDL_Surface* beginFrame(int width, int height)
{
    if (width <= 0 || height <= 0) return nullptr;
    SDL_Surface* frame = reserveFrame(width, height);
    if (frame == nullptr) return nullptr;
    // The copy to the target is a plain copy, and a new frame shows nothing of the last one.
    SDL_SetSurfaceBlendMode(frame, SDL_BLENDMODE_NONE);
    SDL_SetClipRect(frame, nullptr);
    // Making the frame black is left to its first drawing: most frames begin with an opaque
    // full-window picture, and blackening 1.6 MB only to cover it at once would cost more than
    // all the rest of a play-screen paint.
    FrameSlot* slot = slotOf(frame);
    if (slot != nullptr) {
        slot->blankPending = true;
    } else {
        fillPixels(frame, 0, 0, width, height, kBlack);
    }
    return frame;
}

void settleFrame(SDL_Surface* surface)
{
    FrameSlot* slot = slotOf(surface);
    if (slot == nullptr || !slot->blankPending) return;
    slot->blankPending = false;
    const SDL_Rect clip = surface->clip_rect;
    SDL_SetClipRect(surface, nullptr);
    fillPixels(surface, 0, 0, surface->w, surface->h, kBlack);
    SDL_SetClipRect(surface, &clip);
}

void endFrame(SDL_Surface* frame, SDL_Surface* target, int y)
{
    if (frame == nullptr) return;
    settleFrame(frame);
    if (target != nullptr) copyPixels(frame, 0, 0, target, 0, y, frame->w, frame->h);
    releaseFrame(frame);
}

void drawPicture(SDL_Surface* surface, SDL_Surface* picture, int x, int y, int boxWidth, int boxHeight)
{
    if (surface == nullptr || picture == nullptr) return;
    const int width = std::min(picture->w, boxWidth);
    const int height = std::min(picture->h, boxHeight);
    if (width <= 0 || height <= 0) return;
    FrameSlot* slot = slotOf(surface);
    const SDL_Rect& clip = surface->clip_rect;
    if (slot != nullptr && slot->blankPending && x == 0 && y == 0 && copiesPlainly(picture) && clip.x == 0 &&
        clip.y == 0 && clip.w == surface->w && clip.h == surface->h) {
        // An opaque picture at the corner of a fresh frame: only what it leaves uncovered
        // needs to be made black.
        slot->blankPending = false;
        const int coveredWidth = std::min(width, surface->w);
        const int coveredHeight = std::min(height, surface->h);
        fillPixels(surface, coveredWidth, 0, surface->w - coveredWidth, coveredHeight, kBlack);
        fillPixels(surface, 0, coveredHeight, surface->w, surface->h - coveredHeight, kBlack);
    } else {
        settleFrame(surface);
    }
    copyPixels(picture, 0, 0, surface, x, y, width, height);
}

void fillRectangle(SDL_Surface* surface, int left, int top, int right, int bottom, SDL_Color colour)
{
    if (surface == nullptr) return;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    settleFrame(surface);
    fillPixels(surface, left, top, right - left, bottom - top, colour);
}

void setPixel(SDL_Surface* surface, int x, int y, SDL_Color colour)
{
    if (surface == nullptr) return;
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return;
    settleFrame(surface);
    fillPixels(surface, x, y, 1, 1, colour);
}
