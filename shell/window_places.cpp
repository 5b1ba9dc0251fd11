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
        if (scale * kGameWindowWidth + kFrameWidth <= roomWidth && scale * kGameWindowHeight + kFrameHeight <= roomHeight) {
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

PicturePlace picturePlaceIn(int windowWidth, int windowHeight, int width, int height)
{
    PicturePlace place;
    if (width > 0 && height > 0) {
        place.scale = std::max(1, std::min(windowWidth / width, windowHeight / height));
    }
    place.x = std::max(0, (windowWidth - place.scale * width) / 2);
    place.y = std::max(0, (windowHeight - place.scale * height) / 2);
    return place;
}

Point picturePoint(Point windowPoint, const PicturePlace& place)
{
    return Point{floorDiv(windowPoint.x - place.x, place.scale), floorDiv(windowPoint.y - place.y, place.scale)};
}
