// Where the program's windows are placed on the screen.
#include "shell/window_places.h"

namespace {

constexpr int kPlacedWidth = 740;
constexpr int kPlacedHeight = 625;

Point raisedToTop(Point place)
{
    if (place.y < 0) place.y = 0;
    return place;
}

}  // namespace

Point menuWindowPlace(int screenWidth, int screenHeight)
{
    return raisedToTop(Point{(screenWidth - kMenuWindowWidth) / 2, (screenHeight - kMenuWindowHeight) / 2 - 12});
}

Point gameWindowPlace(int screenWidth, int screenHeight)
{
    return raisedToTop(Point{(screenWidth - kPlacedWidth) / 2, (screenHeight - kPlacedHeight) / 2});
}
