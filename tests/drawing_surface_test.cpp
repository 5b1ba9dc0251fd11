// The drawing operations: fresh frames, pictures in their boxes, rectangles, pixels, copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "screens/drawing_surface.h"
#include "screens/fonts.h"
#include "tests/test_pictures.h"

namespace {

constexpr SDL_Color kRed{255, 0, 0, 255};
constexpr SDL_Color kBlue{0, 0, 255, 255};
constexpr SDL_Color kSentinel{255, 0, 255, 255};

}  // namespace

// A frame reuses the surface of the last one of its size but shows nothing of it, whatever its
// first drawing: blackening is left to that drawing, and an opaque picture at the corner only
// blackens what it leaves uncovered. Frames drawn at once have surfaces of their own.
TEST(Frame, AReusedFrameStartsBlackWhateverItsFirstDrawing)
{
    SDL_Surface* picture = makeSolidPicture(25, 20, kBlue, false);
    // blue: the pixels drawn in blue, -1 for text
    const struct { const char* what; std::function<void(SDL_Surface*)> draw; int blue; } cases[] = {
        {"nothing", [](SDL_Surface*) {}, 0},
        {"opaque picture at the corner", [&](SDL_Surface* f) { drawPicture(f, picture, 0, 0, 740, 560); }, 25 * 20},
        {"picture off the corner", [&](SDL_Surface* f) { drawPicture(f, picture, 1, 0, 740, 560); }, 25 * 20},
        {"pixel", [](SDL_Surface* f) { setPixel(f, 3, 3, kBlue); }, 1},
        {"text", [](SDL_Surface* f) { drawText(f, openGameFont(12, 400), 0, 0, "i", 1, kBlue); }, -1},
    };
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 40, 30, 32, SDL_PIXELFORMAT_ARGB8888);
    for (const auto& c : cases) {
        SDL_Surface* last = beginFrame(40, 30);
        fillRectangle(last, 0, 0, 40, 30, kRed);
        endFrame(last, nullptr, 0);
        SDL_Surface* frame = beginFrame(40, 30);
        ASSERT_EQ(frame, last) << c.what;
        EXPECT_EQ(frame->format->format, SDL_PIXELFORMAT_ARGB8888);
        c.draw(frame);
        endFrame(frame, target, 0);
        EXPECT_EQ(countColour(target, 0, 0, 40, 30, kRed), 0) << c.what;
        EXPECT_TRUE(c.blue < 0 || countColour(target, 0, 0, 40, 30, kBlack) == 40 * 30 - c.blue) << c.what;
        EXPECT_EQ(pixelAt(target, 39, 29).a, 255);
    }
    // A frame begun while another of its size is drawn gets its own surface.
    SDL_Surface* outer = beginFrame(16, 16);
    SDL_Surface* inner = beginFrame(16, 16);
    ASSERT_NE(inner, outer);
    fillRectangle(inner, 0, 0, 16, 16, kRed);
    EXPECT_TRUE(hasColour(outer, 5, 5, kBlack));
    endFrame(inner, nullptr, 0);
    endFrame(outer, nullptr, 0);
    SDL_FreeSurface(picture);
    SDL_FreeSurface(target);
}

TEST(Frame, DegenerateSizesAndNullsAreHarmless)
{
    EXPECT_EQ(beginFrame(0, 10), nullptr);
    EXPECT_EQ(beginFrame(10, -1), nullptr);
    endFrame(nullptr, nullptr, 0);
    drawPicture(nullptr, nullptr, 0, 0, 10, 10);
    fillRectangle(nullptr, 0, 0, 1, 1, kRed);
    setPixel(nullptr, 0, 0, kRed);
    SDL_Surface* target = makeTarget(8, 8, kSentinel);
    drawPicture(target, nullptr, 0, 0, 8, 8);
    EXPECT_EQ(countColour(target, 0, 0, 8, 8, kSentinel), 64);
    SDL_FreeSurface(target);
}

// A 50 x 20 frame whose first row is red and row 15 blue lands at its row of a 60 x 50 target,
// cut to it, and leaves the rest as it was; wholly above or below, it leaves all.
TEST(Frame, CopyLandsAtItsRowCutToTheTarget)
{
    const struct { int y, red, blue, lastRow; } cases[] = {{10, 50, 50, 29}, {-15, 0, 50, 4}, {-20, 0, 0, -1}, {50, 0, 0, -1}};
    for (const auto& c : cases) {
        SDL_Surface* target = makeTarget(60, 50, kSentinel);
        SDL_Surface* frame = beginFrame(50, 20);
        fillRectangle(frame, 0, 0, 50, 1, kRed);
        fillRectangle(frame, 0, 15, 50, 16, kBlue);
        endFrame(frame, target, c.y);
        const int landed = c.lastRow < 0 ? 0 : c.lastRow - std::max(c.y, 0) + 1;
        EXPECT_EQ(countColour(target, 0, 0, 60, 50, kSentinel), 60 * 50 - 50 * landed) << c.y;
        EXPECT_EQ(countColour(target, 0, c.y, 50, 1, kRed), c.red) << c.y;
        EXPECT_EQ(countColour(target, 0, c.y + 15, 50, 1, kBlue), c.blue) << c.y;
        EXPECT_TRUE(c.lastRow < 0 || (hasColour(target, 49, c.lastRow, kBlack) && hasColour(target, 50, c.lastRow, kSentinel)));
        SDL_FreeSurface(target);
    }
}

TEST(Picture, IsCutToItsBoxAndToTheSurface)
{
    SDL_Surface* surface = makeTarget(100, 40, kSentinel);
    SDL_Surface* wide = makeSolidPicture(90, 15, kBlue, true);
    drawPicture(surface, wide, 10, 5, 30, 15);
    EXPECT_EQ(countColour(surface, 0, 0, 100, 40, kBlue), 30 * 15);
    EXPECT_TRUE(hasColour(surface, 10, 5, kBlue) && hasColour(surface, 39, 19, kBlue));
    drawPicture(surface, wide, -85, 30, 90, 15);  // partly off the left and bottom edges
    EXPECT_TRUE(hasColour(surface, 4, 39, kBlue) && hasColour(surface, 5, 39, kSentinel));
    SDL_FreeSurface(wide);
    SDL_FreeSurface(surface);
}

// Icons are blended by their alpha; bitmaps are copied.
TEST(Picture, IconsBlendAndBitmapsCopy)
{
    SDL_Surface* surface = makeTarget(4, 1, kRed);
    SDL_Surface* pictures[] = {makeSolidPicture(1, 1, SDL_Color{0, 0, 255, 0}, true),
                               makeSolidPicture(1, 1, SDL_Color{0, 0, 255, 128}, true),
                               makeSolidPicture(1, 1, kBlue, false)};
    for (int i = 0; i < 3; ++i) drawPicture(surface, pictures[i], i, 0, 1, 1);
    EXPECT_TRUE(hasColour(surface, 0, 0, kRed));
    EXPECT_NEAR(pixelAt(surface, 1, 0).r, 127, 2);
    EXPECT_NEAR(pixelAt(surface, 1, 0).b, 128, 2);
    EXPECT_TRUE(hasColour(surface, 2, 0, kBlue));
    EXPECT_TRUE(hasColour(surface, 3, 0, kRed));
    for (SDL_Surface* picture : pictures) SDL_FreeSurface(picture);
    SDL_FreeSurface(surface);
}

// A rectangle fills from its left and top corner up to, not including, its right and bottom,
// whichever way its corners are given, cut to the surface; a pixel outside is ignored.
TEST(Rectangle, FillsLeftAndTopInclusiveRightAndBottomExclusive)
{
    SDL_Surface* surface = makeTarget(20, 20, kSentinel);
    fillRectangle(surface, 4, 3, 6, 11, kShotGreen);
    EXPECT_EQ(countColour(surface, 4, 3, 2, 8, kShotGreen), 2 * 8);
    fillRectangle(surface, 16, 11, 14, 3, kGuideRed);
    EXPECT_EQ(countColour(surface, 14, 3, 2, 8, kGuideRed), 2 * 8);
    fillRectangle(surface, 18, -5, 25, 2, kRed);
    EXPECT_EQ(countColour(surface, 18, 0, 2, 2, kRed), 2 * 2);
    EXPECT_EQ(countColour(surface, 0, 0, 20, 20, kSentinel), 400 - 16 - 16 - 4);
    for (const SDL_Point p : {SDL_Point{2, 13}, {-1, 0}, {20, 0}, {0, 20}}) setPixel(surface, p.x, p.y, kBlue);
    EXPECT_EQ(countColour(surface, 0, 0, 20, 20, kBlue), 1);
    EXPECT_TRUE(hasColour(surface, 2, 13, kBlue));
    SDL_FreeSurface(surface);
}
