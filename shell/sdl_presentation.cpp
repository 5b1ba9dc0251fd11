// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The windows' pictures and their enlarged, partial showing on SDL window surfaces.
#include "shell/sdl_presentation.h"

#include <array>

#include "shell/frame_presentation.h"
#include "shell/window_places.h"

namespace {

// A window's picture, the copy of what its window shows, and where the picture lies there.
struct PictureView {
    SDL_Window* window = nullptr;
    SDL_Surface* picture = nullptr;  // what the screens draw
    SDL_Surface* shown = nullptr;    // the picture as the window last received it
    PicturePlace place{};
    int surfaceWidth = 0;  // the window surface's size the place was worked out for
    int surfaceHeight = 0;
    bool wholePending = true;  // the window must receive the whole picture
};

// The menu, the game, the credits and a dialog or question over them, with room to spare.
std::array<PictureView, 8> views;
int scale = 1;

constexpr int kMaxSentRects = 32;

PictureView* viewOf(SDL_Window* window)
{
    if (window == nullptr) return nullptr;
    for (PictureView& view : views) {
        if (view.window == window) return &view;
    }
    return nullptr;
}

SDL_Surface* blankPicture(int width, int height)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    return surface;
}

void freeView(PictureView& view)
{
    SDL_FreeSurface(view.picture);
    SDL_FreeSurface(view.shown);
    view = PictureView{};
}

}  // namespace

void chooseWindowScale()
{
    SDL_Rect usable{0, 0, 1024, 768};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) SDL_GetDisplayBounds(0, &usable);
    scale = windowScaleFor(usable.w, usable.h);
}

int windowScale() { return scale; }

SDL_Window* openPictureWindow(const char* title, int x, int y, int width, int height, Uint32 flags, WindowSize size)
{
    if (size.width <= 0 || size.height <= 0) size = WindowSize{width * scale, height * scale};
    PictureView* view = nullptr;
    for (PictureView& free : views) {
        if (free.window == nullptr) {
            view = &free;
            break;
        }
    }
    if (view == nullptr) return nullptr;
    SDL_Window* window = SDL_CreateWindow(title, x, y, size.width, size.height, flags | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window == nullptr) return nullptr;
    view->window = window;
    view->picture = blankPicture(width, height);
    view->shown = blankPicture(width, height);
    view->place = PicturePlace{scale, 0, 0};
    view->wholePending = true;
    return window;
}

void closePictureWindow(SDL_Window* window)
{
    PictureView* view = viewOf(window);
    if (view != nullptr) freeView(*view);
    SDL_DestroyWindow(window);
}

SDL_Surface* windowPicture(SDL_Window* window)
{
    PictureView* view = viewOf(window);
    return view != nullptr ? view->picture : nullptr;
}

void showWindowPicture(SDL_Window* window, const SDL_Rect* areas, int count)
{
    PictureView* view = viewOf(window);
    if (view == nullptr || view->picture == nullptr || view->shown == nullptr) return;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) return;
    if (surface->w != view->surfaceWidth || surface->h != view->surfaceHeight) {
        // A new size (full screen, the player's resize, a desktop's own scale): the picture is
        // placed anew, on black in a full screen and on the playfield's grout in a window the
        // player sizes, filling it; other windows keep their whole factor.
        view->surfaceWidth = surface->w;
        view->surfaceHeight = surface->h;
        const Uint32 flags = SDL_GetWindowFlags(window);
        const bool fullScreen = (flags & SDL_WINDOW_FULLSCREEN) != 0;
        const bool fills = fullScreen || (flags & SDL_WINDOW_RESIZABLE) != 0;
        view->place = picturePlaceIn(surface->w, surface->h, view->picture->w, view->picture->h, fills);
        const SDL_Color around = fullScreen ? SDL_Color{0, 0, 0, 255} : kResizedWindowBorder;
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, around.r, around.g, around.b));
        view->wholePending = true;
    }
    const SDL_Rect whole{0, 0, view->picture->w, view->picture->h};
    if (view->wholePending) {
        view->wholePending = false;
        SDL_BlitSurface(view->picture, nullptr, view->shown, nullptr);
        copyEnlarged(view->picture, whole, surface, view->place);
        SDL_UpdateWindowSurface(window);
        return;
    }
    std::array<SDL_Rect, kMaxSentRects> sent{};
    int sentCount = 0;
    const int areaCount = count > 0 ? count : 1;
    for (int i = 0; i < areaCount; ++i) {
        std::array<SDL_Rect, kMaxSentRects> changed{};
        const int room = kMaxSentRects - sentCount;
        if (room <= 0) break;
        const int found =
            takeChangedRects(view->picture, view->shown, count > 0 ? areas[i] : whole, changed.data(), room);
        for (int c = 0; c < found; ++c) {
            sent[static_cast<std::size_t>(sentCount++)] =
                copyEnlarged(view->picture, changed[static_cast<std::size_t>(c)], surface, view->place);
        }
    }
    if (sentCount > 0) SDL_UpdateWindowSurfaceRects(window, sent.data(), sentCount);
}

void windowPictureLost(SDL_Window* window)
{
    PictureView* view = viewOf(window);
    if (view != nullptr) view->wholePending = true;
}

Point picturePointOf(SDL_Window* window, int x, int y)
{
    PictureView* view = viewOf(window);
    if (view == nullptr) return Point{x, y};
    // Events come in the window's own units, which a desktop scale may set apart from pixels.
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    if (width > 0 && height > 0 && view->surfaceWidth > 0) {
        x = static_cast<int>(static_cast<long>(x) * view->surfaceWidth / width);
        y = static_cast<int>(static_cast<long>(y) * view->surfaceHeight / height);
    }
    return picturePoint(Point{x, y}, view->place);
}

SDL_Point screenPointOfPicture(SDL_Window* window, Point point)
{
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    PictureView* view = viewOf(window);
    if (view == nullptr || view->picture == nullptr) return SDL_Point{x + point.x * scale, y + point.y * scale};
    const PicturePlace& place = view->place;
    const int shownWidth = place.width > 0 ? place.width : place.scale * view->picture->w;
    const int shownHeight = place.height > 0 ? place.height : place.scale * view->picture->h;
    int pixelX = place.x + point.x * shownWidth / view->picture->w;
    int pixelY = place.y + point.y * shownHeight / view->picture->h;
    // Window units, which a desktop scale may set apart from the surface's pixels.
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    if (view->surfaceWidth > 0 && view->surfaceHeight > 0) {
        pixelX = pixelX * width / view->surfaceWidth;
        pixelY = pixelY * height / view->surfaceHeight;
    }
    return SDL_Point{x + pixelX, y + pixelY};
}

bool toggleFullScreen(SDL_Window* window)
{
    const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    const bool switched = SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    windowPictureLost(window);
    return switched ? !full : full;
}
