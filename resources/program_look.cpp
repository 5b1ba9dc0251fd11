// The program's icon and cursors, drawn from a few shapes.
#include "resources/program_look.h"

namespace {

constexpr std::uint32_t kClear = 0x00000000;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// The arrow's outline: row r holds the arrow from column 0 to width(r) - 1.
int arrowWidth(int row)
{
    if (row < 17) return row + 1;         // the blade widens one pixel a row
    if (row < 22) return row < 19 ? 12 - (row - 17) * 4 : 0;  // the blade's foot
    return 0;
}

// The tail of the arrow, slanting down and to the right below the blade.
bool inTail(int x, int y)
{
    return y >= 12 && y <= 24 && x >= 5 + (y - 12) / 2 && x <= 8 + (y - 12) / 2;
}

bool inArrow(int x, int y)
{
    return (x < arrowWidth(y)) || inTail(x, y);
}

bool onArrowEdge(int x, int y)
{
    if (!inArrow(x, y)) return false;
    return x == 0 || y == 0 || !inArrow(x - 1, y) || !inArrow(x + 1, y) || !inArrow(x, y - 1) ||
           !inArrow(x, y + 1);
}

std::uint32_t rgb(int r, int g, int b)
{
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
           static_cast<std::uint32_t>(b);
}

}  // namespace

LookPixels gameCursorPixels()
{
    LookPixels pixels{};
    // Shifted by the hot spot so the arrow's tip lies at (1, 1).
    for (int y = 0; y < kLookSize; ++y) {
        for (int x = 0; x < kLookSize; ++x) {
            const int ax = x - kGameCursorHotX;
            const int ay = y - kGameCursorHotY;
            std::uint32_t colour = kClear;
            if (ax >= 0 && ay >= 0 && inArrow(ax, ay)) colour = onArrowEdge(ax, ay) ? kBlack : kWhite;
            pixels[y * kLookSize + x] = colour;
        }
    }
    return pixels;
}

LookPixels menuCursorPixels()
{
    LookPixels pixels{};
    for (int y = 0; y < kLookSize; ++y) {
        for (int x = 0; x < kLookSize; ++x) {
            std::uint32_t colour = kClear;
            if (inArrow(x, y)) {
                // Warm orange at the tip to deep red at the tail, with a dark rim.
                colour = onArrowEdge(x, y) ? rgb(40, 20, 10) : rgb(250 - y * 3, 170 - y * 5, 40);
            }
            pixels[y * kLookSize + x] = colour;
        }
    }
    return pixels;
}

LookPixels programIconPixels()
{
    LookPixels pixels{};
    const std::uint32_t brickColours[3] = {rgb(220, 60, 50), rgb(240, 170, 40), rgb(70, 140, 230)};
    for (int y = 0; y < kLookSize; ++y) {
        for (int x = 0; x < kLookSize; ++x) {
            std::uint32_t colour = rgb(24, 30, 60);  // night-blue field
            // Three rows of bricks, staggered, with dark mortar.
            if (y >= 3 && y < 18) {
                const int row = (y - 3) / 5;
                const int shifted = x + (row % 2) * 5;
                const bool mortar = (y - 3) % 5 == 4 || shifted % 10 == 9;
                if (!mortar) {
                    colour = brickColours[row];
                    if ((y - 3) % 5 == 0) colour = colour | 0xFF303030u;  // lit top edge
                }
            }
            // The ball.
            const int dx = x - 20;
            const int dy = y - 22;
            if (dx * dx + dy * dy <= 9) colour = dx + dy < -1 ? kWhite : rgb(210, 215, 230);
            // The paddle.
            if (y >= 27 && y <= 29 && x >= 8 && x <= 23) colour = y == 27 ? rgb(180, 230, 255) : rgb(60, 150, 210);
            pixels[y * kLookSize + x] = colour;
        }
    }
    return pixels;
}
