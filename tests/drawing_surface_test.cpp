// The drawing operations: fresh frames, pictures in their boxes, rectangles, pixels, copies.
#include <gtest/gtest.h>

#include "screens/drawing_surface.h"
#include "screens/fonts.h"
#include "tests/test_pictures.h"

namespace {

constexpr SDL_Color kRed{255, 0, 0, 255};
constexpr SDL_Color kBlue{0, 0, 255, 255};
constexpr SDL_Color kSentinel{255, 0, 255, 255};

}  // namespace

TEST(Frame, EveryFrameStartsBlackEvenWhenItsSurfaceIsReused)
{
    SDL_Surface* first = beginFrame(40, 30);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->format->format, SDL_PIXELFORMAT_ARGB8888);
    fillRectangle(first, 0, 0, 40, 30, kRed);
    endFrame(first, nullptr, 0);

    // A frame that draws nothing copies black.
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 40, 30, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(target, nullptr);
    SDL_Surface* second = beginFrame(40, 30);
    ASSERT_NE(second, nullptr);
    endFrame(second, target, 0);
    EXPECT_EQ(countColour(target, 0, 0, 40, 30, kBlack), 40 * 30);
    EXPECT_EQ(pixelAt(target, 39, 29).a, 255);

    // Red again, then a frame whose first drawing is an opaque picture smaller than the
    // frame: what the picture leaves uncovered is black, as in a new frame.
    SDL_Surface* third = beginFrame(40, 30);
    fillRectangle(third, 0, 0, 40, 30, kRed);
    endFrame(third, nullptr, 0);
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, 25, 20, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(picture, nullptr);
    SDL_FillRect(picture, nullptr, SDL_MapRGBA(picture->format, 0, 0, 255, 255));
    SDL_SetSurfaceBlendMode(picture, SDL_BLENDMODE_NONE);
    SDL_Surface* fourth = beginFrame(40, 30);
    drawPicture(fourth, picture, 0, 0, 740, 560);
    endFrame(fourth, target, 0);
    EXPECT_EQ(countColour(target, 0, 0, 25, 20, SDL_Color{0, 0, 255, 255}), 25 * 20);
    EXPECT_EQ(countColour(target, 25, 0, 15, 30, kBlack), 15 * 30);
    EXPECT_EQ(countColour(target, 0, 20, 40, 10, kBlack), 40 * 10);

    // Text as the first drawing also finds the frame black around it.
    SDL_Surface* fifth = beginFrame(40, 30);
    fillRectangle(fifth, 0, 0, 40, 30, kRed);
    endFrame(fifth, nullptr, 0);
    SDL_Surface* sixth = beginFrame(40, 30);
    drawText(sixth, openGameFont(12, 400), 0, 0, "i", 1, kBlack);
    endFrame(sixth, target, 0);
    EXPECT_EQ(countColour(target, 0, 0, 40, 30, kRed), 0);
    SDL_FreeSurface(picture);
    SDL_FreeSurface(target);
}

TEST(Frame, NestedFramesOfOneSizeAreDistinct)
{
    SDL_Surface* outer = beginFrame(16, 16);
    SDL_Surface* inner = beginFrame(16, 16);
    ASSERT_NE(outer, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_NE(outer, inner);
    fillRectangle(inner, 0, 0, 16, 16, kRed);
    EXPECT_TRUE(hasColour(outer, 5, 5, kBlack));
    endFrame(inner, nullptr, 0);
    endFrame(outer, nullptr, 0);
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

TEST(Frame, CopyLandsAtItsRowCutToTheTargetAndClearsNothing)
{
    SDL_Surface* target = makeTarget(60, 50, kSentinel);
    SDL_Surface* frame = beginFrame(50, 20);
    fillRectangle(frame, 0, 0, 50, 1, kRed);  // the frame's first row
    endFrame(frame, target, 10);
    EXPECT_TRUE(hasColour(target, 0, 9, kSentinel));
    EXPECT_TRUE(hasColour(target, 0, 10, kRed));
    EXPECT_TRUE(hasColour(target, 49, 11, kBlack));
    EXPECT_TRUE(hasColour(target, 49, 29, kBlack));
    EXPECT_TRUE(hasColour(target, 50, 10, kSentinel));
    EXPECT_TRUE(hasColour(target, 0, 30, kSentinel));

    // Above the top edge only the frame's lower rows land.
    frame = beginFrame(50, 20);
    fillRectangle(frame, 0, 15, 50, 16, kBlue);  // row 15 lands on row 0
    endFrame(frame, target, -15);
    EXPECT_TRUE(hasColour(target, 0, 0, kBlue));
    EXPECT_TRUE(hasColour(target, 0, 4, kBlack));
    EXPECT_TRUE(hasColour(target, 0, 5, kSentinel));

    // A frame wholly above or below the target leaves it as it was.
    SDL_Surface* untouched = makeTarget(60, 50, kSentinel);
    frame = beginFrame(50, 20);
    endFrame(frame, untouched, -20);
    frame = beginFrame(50, 20);
    endFrame(frame, untouched, 50);
    EXPECT_EQ(countColour(untouched, 0, 0, 60, 50, kSentinel), 60 * 50);
    SDL_FreeSurface(untouched);
    SDL_FreeSurface(target);
}

TEST(Picture, IsCutToItsBoxAndToTheSurface)
{
    SDL_Surface* surface = makeTarget(100, 40, kSentinel);
    SDL_Surface* wide = makeSolidPicture(90, 15, kBlue, true);
    drawPicture(surface, wide, 10, 5, 30, 15);
    EXPECT_TRUE(hasColour(surface, 10, 5, kBlue));
    EXPECT_TRUE(hasColour(surface, 39, 19, kBlue));
    EXPECT_TRUE(hasColour(surface, 40, 5, kSentinel));
    EXPECT_TRUE(hasColour(surface, 10, 20, kSentinel));

    // Partly off the left and bottom edges.
    drawPicture(surface, wide, -85, 30, 90, 15);
    EXPECT_TRUE(hasColour(surface, 4, 39, kBlue));
    EXPECT_TRUE(hasColour(surface, 5, 39, kSentinel));
    SDL_FreeSurface(wide);
    SDL_FreeSurface(surface);
}

TEST(Picture, IconsBlendAndBitmapsCopy)
{
    SDL_Surface* surface = makeTarget(4, 1, kRed);
    SDL_Surface* clearIcon = makeSolidPicture(1, 1, SDL_Color{0, 0, 255, 0}, true);
    SDL_Surface* halfIcon = makeSolidPicture(1, 1, SDL_Color{0, 0, 255, 128}, true);
    SDL_Surface* bitmap = makeSolidPicture(1, 1, kBlue, false);
    drawPicture(surface, clearIcon, 0, 0, 1, 1);
    drawPicture(surface, halfIcon, 1, 0, 1, 1);
    drawPicture(surface, bitmap, 2, 0, 1, 1);
    EXPECT_TRUE(hasColour(surface, 0, 0, kRed));
    const SDL_Color half = pixelAt(surface, 1, 0);
    EXPECT_NEAR(half.r, 127, 2);
    EXPECT_NEAR(half.b, 128, 2);
    EXPECT_TRUE(hasColour(surface, 2, 0, kBlue));
    EXPECT_TRUE(hasColour(surface, 3, 0, kRed));
    SDL_FreeSurface(clearIcon);
    SDL_FreeSurface(halfIcon);
    SDL_FreeSurface(bitmap);
    SDL_FreeSurface(surface);
}

TEST(Rectangle, FillsLeftAndTopInclusiveRightAndBottomExclusive)
{
    SDL_Surface* surface = makeTarget(20, 20, kSentinel);
    // A shot at (5, 3): corners (4, 3) and (6, 11).
    fillRectangle(surface, 4, 3, 6, 11, kShotGreen);
    EXPECT_EQ(countColour(surface, 0, 0, 20, 20, kShotGreen), 2 * 8);
    EXPECT_TRUE(hasColour(surface, 4, 3, kShotGreen));
    EXPECT_TRUE(hasColour(surface, 5, 10, kShotGreen));
    EXPECT_TRUE(hasColour(surface, 6, 3, kSentinel));
    EXPECT_TRUE(hasColour(surface, 4, 11, kSentinel));
    EXPECT_TRUE(hasColour(surface, 3, 3, kSentinel));
    EXPECT_TRUE(hasColour(surface, 4, 2, kSentinel));

    // Swapped corners mean the same rectangle; one cut by the edges fills what lies inside.
    SDL_Surface* other = makeTarget(20, 20, kSentinel);
    fillRectangle(other, 6, 11, 4, 3, kShotGreen);
    EXPECT_EQ(countColour(other, 0, 0, 20, 20, kShotGreen), 16);
    fillRectangle(other, 18, -5, 25, 2, kRed);
    EXPECT_EQ(countColour(other, 0, 0, 20, 20, kRed), 2 * 2);
    SDL_FreeSurface(other);
    SDL_FreeSurface(surface);
}

TEST(Pixel, SetsOnePointAndIgnoresPointsOutside)
{
    SDL_Surface* surface = makeTarget(5, 5, kSentinel);
    setPixel(surface, 2, 3, kGuideRed);
    setPixel(surface, -1, 0, kGuideRed);
    setPixel(surface, 5, 0, kGuideRed);
    setPixel(surface, 0, 5, kGuideRed);
    EXPECT_TRUE(hasColour(surface, 2, 3, kGuideRed));
    EXPECT_EQ(countColour(surface, 0, 0, 5, 5, kGuideRed), 1);
    SDL_FreeSurface(surface);
}
