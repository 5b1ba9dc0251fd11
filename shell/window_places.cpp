// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the program's windows are placed on the screen, and their enlargement.
#include "shell/window_places.h"

#include <algorithm>

namespace {

constexpr int kPlacedWidth = 740;
constexpr int kPlacedHeight = 625;

// Room for the border and title bar a desktop puts around the game window.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

// The share of the usable area a window may take, in percent.
constexpr int kScreenShare = 85;

Point raisedToTop(Point place)
{
    if (place.y < 0) place.y = 0;
    return place;
}

// Division rounding toward minus infinity.
int floorDiv(int value, int divisor)
{
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

int windowScaleFor(int usableWidth, int usableHeight)
{
    const long roomWidth = static_cast<long>(usableWidth) * kScreenShare / 100;
    const long roomHeight = static_cast<long>(usableHeight) * kScreenShare / 100;
    for (int scale = kMaxWindowScale; scale > 1; --scale) {
        if (scale * kGameWindowWidth + kFrameWidth <= roomWidth &&
            scale * kGameWindowHeight + kFrameHeight <= roomHeight) {
            return scale;
        }
    }
    return 1;
}

Point menuWindowPlace(int screenWidth, int screenHeight, int scale)
{
    return raisedToTop(Point{(screenWidth - scale * kMenuWindowWidth) / 2,
                             (screenHeight - scale * kMenuWindowHeight) / 2 - scale * 12});
}

Point gameWindowPlace(int screenWidth, int screenHeight, int scale)
{
    return raisedToTop(Point{(screenWidth - scale * kPlacedWidth) / 2, (screenHeight - scale * kPlacedHeight) / 2});
}

WindowSize gameWindowSize(WindowSize remembered, WindowSize usable, int scale)
{
    if (remembered.width <= 0 || remembered.height <= 0) {
        return WindowSize{scale * kGameWindowWidth, scale * kGameWindowHeight};
    }
    return WindowSize{std::max(kGameWindowWidth, std::min(remembered.width, usable.width)),
                      std::max(kGameWindowHeight, std::min(remembered.height, usable.height))};
}

PicturePlace picturePlaceIn(int windowWidth, int windowHeight, int width, int height, bool fill)
{
    PicturePlace place;
    if (width <= 0 || height <= 0) return place;
    place.pictureWidth = width;
    place.pictureHeight = height;
    place.scale = std::max(1, std::min(windowWidth / width, windowHeight / height));
    place.width = place.scale * width;
    place.height = place.scale * height;
    if (fill && windowWidth >= width && windowHeight >= height) {
        // The side that runs out first sets the size; the other keeps the picture's shape.
        if (static_cast<long>(windowWidth) * height <= static_cast<long>(windowHeight) * width) {
            place.width = windowWidth;
            place.height = static_cast<int>(static_cast<long>(windowWidth) * height / width);
        } else {
            place.height = windowHeight;
            place.width = static_cast<int>(static_cast<long>(windowHeight) * width / height);
        }
        place.scale = (place.width + width - 1) / width;
    }
    place.x = std::max(0, (windowWidth - place.width) / 2);
    place.y = std::max(0, (windowHeight - place.height) / 2);
    return place;
}

bool wholeFactorPlace(const PicturePlace& place)
{
    return place.width == 0 || place.pictureWidth == 0 ||
           (place.width == place.scale * place.pictureWidth && place.height == place.scale * place.pictureHeight);
}

Point picturePoint(Point windowPoint, const PicturePlace& place)
{
    if (wholeFactorPlace(place)) {
        return Point{floorDiv(windowPoint.x - place.x, place.scale), floorDiv(windowPoint.y - place.y, place.scale)};
    }
    // The picture pixel under the window pixel's centre, which is the one it shows.
    const long x = (2L * (windowPoint.x - place.x) + 1) * place.pictureWidth;
    const long y = (2L * (windowPoint.y - place.y) + 1) * place.pictureHeight;
    return Point{floorDiv(static_cast<int>(x), 2 * place.width), floorDiv(static_cast<int>(y), 2 * place.height)};
}
