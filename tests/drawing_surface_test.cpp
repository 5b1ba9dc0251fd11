// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The drawing operations (frames, pictures, rectangles, pixels, copies) and the fonts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "screens/drawing_surface.h"
#include "screens/fonts.h"
#include "screens/windows1252.h"
#include "tests/test_pictures.h"

namespace {

constexpr SDL_Color kRed{255, 0, 0, 255};
constexpr SDL_Color kBlue{0, 0, 255, 255};
constexpr SDL_Color kSentinel{255, 0, 255, 255};

SDL_Surface* whiteSurface(int width, int height) { return makeTarget(width, height, SDL_Color{255, 255, 255, 255}); }

// The rows of a white surface holding a pixel darker than mid-grey, and the first such column.
struct Ink {
    int top = -1, bottom = -1, left = -1;
};

Ink inkOf(SDL_Surface* surface)
{
    Ink ink;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) {
            if (pixelAt(surface, x, y).b >= 128) continue;
            if (ink.top < 0) ink.top = y;
            ink.bottom = y;
            if (ink.left < 0 || x < ink.left) ink.left = x;
        }
    return ink;
}

// The game's fonts come from fonts-lato through the alias; without it these checks mean nothing.
bool haveGameFace() { return openGameFont(40, 700).face != nullptr; }

}  // namespace

// A reused frame shows nothing of the last whatever its first drawing; frames drawn at once are distinct.
TEST(Frame, AReusedFrameStartsBlackWhateverItsFirstDrawing)
{
    SDL_Surface* picture = makeSolidPicture(25, 20, kBlue, false);
    // What is drawn, how, and the pixels drawn in blue (-1 for text).
    const std::tuple<const char*, std::function<void(SDL_Surface*)>, int> cases[] = {
        {"nothing", [](SDL_Surface*) {}, 0},
        {"opaque picture at the corner", [&](SDL_Surface* f) { drawPicture(f, picture, 0, 0, 740, 560); }, 25 * 20},
        {"picture off the corner", [&](SDL_Surface* f) { drawPicture(f, picture, 1, 0, 740, 560); }, 25 * 20},
        {"pixel", [](SDL_Surface* f) { setPixel(f, 3, 3, kBlue); }, 1},
        {"text", [](SDL_Surface* f) { drawText(f, openGameFont(12, 400), 0, 0, "i", 1, kBlue); }, -1},
    };
    SDL_Surface* target = makeTarget(40, 30, kSentinel);
    for (const auto& [what, draw, blue] : cases) {
        SDL_Surface* last = beginFrame(40, 30);
        fillRectangle(last, 0, 0, 40, 30, kRed);
        endFrame(last, nullptr, 0);
        SDL_Surface* frame = beginFrame(40, 30);
        ASSERT_EQ(frame, last) << what;
        EXPECT_EQ(frame->format->format, SDL_PIXELFORMAT_ARGB8888);
        draw(frame);
        endFrame(frame, target, 0);
        EXPECT_EQ(countColour(target, 0, 0, 40, 30, kRed), 0) << what;
        EXPECT_TRUE(blue < 0 || countColour(target, 0, 0, 40, 30, kBlack) == 40 * 30 - blue) << what;
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
    for (SDL_Surface* surface : {picture, target}) SDL_FreeSurface(surface);
}

// Empty sizes, missing surfaces, pictures and fonts, and text off the surface draw nothing.
TEST(Frame, DegenerateSizesNullsAndMissingFontsAreHarmless)
{
    EXPECT_EQ(beginFrame(0, 10), nullptr);
    EXPECT_EQ(beginFrame(10, -1), nullptr);
    endFrame(nullptr, nullptr, 0);
    drawPicture(nullptr, nullptr, 0, 0, 10, 10);
    fillRectangle(nullptr, 0, 0, 1, 1, kRed);
    setPixel(nullptr, 0, 0, kRed);
    drawText(nullptr, openGameFont(25, 30), 0, 0, "x", 1, kBlack);
    SDL_Surface* surface = whiteSurface(50, 30);
    const GameFont missing;
    drawPicture(surface, nullptr, 0, 0, 8, 8);
    drawText(surface, missing, 0, 0, "Score", 5, kBlack);
    drawText(surface, openGameFont(25, 30), 0, 0, nullptr, 4, kBlack);
    drawText(surface, openGameFont(25, 30), 0, 0, "x", 0, kBlack);
    drawText(surface, openGameFont(25, 30), -500, 9000, "far away", 8, kBlack);
    EXPECT_EQ(countColour(surface, 0, 0, 50, 30, SDL_Color{255, 255, 255, 255}), 50 * 30);
    EXPECT_EQ(textWidth(missing, "Score", 5), 0);
    EXPECT_EQ(openGameFont(0, 700).face, nullptr);
    SDL_FreeSurface(surface);
}

// A frame (row 0 red, row 15 blue) lands at its row cut to the target, leaving the rest as it was.
TEST(Frame, CopyLandsAtItsRowCutToTheTarget)
{
    // The frame's row, the red and blue pixels that land, the target's last row it reaches.
    for (const auto& [y, red, blue, lastRow] :
         {std::array{10, 50, 50, 29}, {-15, 0, 50, 4}, {-20, 0, 0, -1}, {50, 0, 0, -1}}) {
        SDL_Surface* target = makeTarget(60, 50, kSentinel);
        SDL_Surface* frame = beginFrame(50, 20);
        fillRectangle(frame, 0, 0, 50, 1, kRed);
        fillRectangle(frame, 0, 15, 50, 16, kBlue);
        endFrame(frame, target, y);
        const int landed = lastRow < 0 ? 0 : lastRow - std::max(y, 0) + 1;
        EXPECT_EQ(countColour(target, 0, 0, 60, 50, kSentinel), 60 * 50 - 50 * landed) << y;
        EXPECT_EQ(countColour(target, 0, y, 50, 1, kRed), red) << y;
        EXPECT_EQ(countColour(target, 0, y + 15, 50, 1, kBlue), blue) << y;
        EXPECT_TRUE(lastRow < 0 ||
                    (hasColour(target, 49, lastRow, kBlack) && hasColour(target, 50, lastRow, kSentinel)));
        SDL_FreeSurface(target);
    }
}

TEST(Picture, IsCutToItsBoxAndToTheSurfaceAndIconsBlend)
{
    SDL_Surface* surface = makeTarget(100, 40, kSentinel);
    SDL_Surface* wide = makeSolidPicture(90, 15, kBlue, true);
    drawPicture(surface, wide, 10, 5, 30, 15);
    EXPECT_EQ(countColour(surface, 0, 0, 100, 40, kBlue), 30 * 15);
    EXPECT_TRUE(hasColour(surface, 10, 5, kBlue) && hasColour(surface, 39, 19, kBlue));
    drawPicture(surface, wide, -85, 30, 90, 15);  // partly off the left and bottom edges
    EXPECT_TRUE(hasColour(surface, 4, 39, kBlue) && hasColour(surface, 5, 39, kSentinel));
    for (SDL_Surface* used : {wide, surface}) SDL_FreeSurface(used);
    // Icons are blended by their alpha; bitmaps are copied.
    SDL_Surface* row = makeTarget(4, 1, kRed);
    SDL_Surface* pictures[] = {makeSolidPicture(1, 1, SDL_Color{0, 0, 255, 0}, true),
                               makeSolidPicture(1, 1, SDL_Color{0, 0, 255, 128}, true),
                               makeSolidPicture(1, 1, kBlue, false)};
    for (int i = 0; i < 3; ++i) drawPicture(row, pictures[i], i, 0, 1, 1);
    EXPECT_TRUE(hasColour(row, 0, 0, kRed) && hasColour(row, 2, 0, kBlue) && hasColour(row, 3, 0, kRed));
    EXPECT_NEAR(pixelAt(row, 1, 0).r, 127, 2);
    EXPECT_NEAR(pixelAt(row, 1, 0).b, 128, 2);
    for (SDL_Surface* picture : pictures) SDL_FreeSurface(picture);
    SDL_FreeSurface(row);
}

// Rectangles fill [left, right) x [top, bottom), corners either way, cut to the surface; so do pixels.
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

// Windows-1252 and UTF-8 convert both ways, every byte round-trips, what the former cannot hold is refused.
TEST(Windows1252, ConvertsToUtf8AndBackAndRefusesTheRest)
{
    const char* const pairs[][2] = {{"\xE9", "\xC3\xA9"},
                                    {"\xC9", "\xC3\x89"},
                                    {"\x80", "\xE2\x82\xAC"},
                                    {"\x9C", "\xC5\x93"},
                                    {"\x97", "\xE2\x80\x94"},
                                    {"\x9F", "\xC5\xB8"},
                                    {"", ""}};
    std::string back;
    for (const auto& pair : pairs) {
        EXPECT_EQ(utf8FromWindows1252(pair[0]), pair[1]);
        EXPECT_TRUE(windows1252FromUtf8(pair[1], back) && back == pair[0]) << pair[0];
    }
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_TRUE(windows1252FromUtf8(utf8FromWindows1252(all), back) && back == all);
    // Han, U+0100, U+0080, an emoji, a cut sequence, an overlong '/', a lone surrogate, a stray byte.
    for (const char* text : {"caf\xC3\xA9 \xE4\xB8\xAD", "\xC4\x80", "\xC2\x80", "\xF0\x9F\x8E\xB1", "abc\xC3",
                             "\xC0\xAF", "\xED\xA0\x80", "\xA9"}) {
        EXPECT_FALSE(windows1252FromUtf8(text, back)) << text;
        EXPECT_TRUE(back.empty());
    }
}

// The nearest face to a weight, never thinner than regular, one font per size; the cell is the height asked.
TEST(GameFonts, WeightsPickTheNearestFaceAndHeightsAreCellHeights)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    const std::pair<int, const char*> faces[] = {{0, "Regular"}, {30, "Regular"}, {399, "Regular"}, {400, "Regular"},
                                                 {650, "Bold"},  {700, "Bold"},   {1000, "Black"},  {1200, "Black"}};
    for (const auto& [weight, style] : faces)
        EXPECT_STREQ(TTF_FontFaceStyleName(openGameFont(25, weight).face), style) << weight;
    EXPECT_STREQ(TTF_FontFaceFamilyName(openGameFont(22, 700).face), "Lato");
    const GameFont& first = openGameFont(38, 700);
    EXPECT_EQ(&first, &openGameFont(38, 700));
    EXPECT_NE(&first, &openGameFont(40, 700));
    EXPECT_EQ(&openGameFont(60, 1200), &openGameFont(60, 1000));
    for (const int height : {15, 19, 22, 25, 38, 40, 60, 140}) {
        const GameFont& font = openGameFont(height, 700);
        EXPECT_NEAR(TTF_FontLineSkip(font.face), height, 1) << height;
        EXPECT_EQ(font.cellHeight, height);
        EXPECT_NEAR(font.cellAscent, height * 0.8225, 1.0) << height;
    }
}

// The E sits on the baseline, 24 pixels tall at 40; an accent on it rises in the cell and moves nothing.
TEST(DrawText, TextLandsOnItsCellAndCapitalAccentsKeepTheBaseline)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    const GameFont& font = openGameFont(40, 700);
    SDL_Surface* plain = whiteSurface(200, 100);
    SDL_Surface* accented = whiteSurface(200, 100);
    drawText(plain, font, 30, 20, "Ea", 2, kBlack);
    drawText(accented, font, 30, 20, "\311a", 2, kBlack);
    const Ink e = inkOf(plain);
    const Ink eAcute = inkOf(accented);
    EXPECT_NEAR(e.bottom, 20 + font.cellAscent - 1, 1);
    EXPECT_NEAR(e.top, 20 + font.cellAscent - 24, 1);
    EXPECT_TRUE(e.left >= 30 && e.left <= 35) << e.left;
    EXPECT_EQ(eAcute.bottom, e.bottom);
    EXPECT_LT(eAcute.top, e.top - 3);
    EXPECT_GE(eAcute.top, 20);
    for (int y = e.top + 2; y < 100; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(argbAt(plain, x, y), argbAt(accented, x, y)) << x << "," << y;
    for (SDL_Surface* surface : {plain, accented}) SDL_FreeSurface(surface);
}

// Text is opaque even without alpha, shows the ground inside its letters, and stops at its count or end.
TEST(DrawText, OpaqueLettersOnTheBackgroundAndCountsLimitTheText)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    SDL_Surface* surface = makeTarget(120, 50, SDL_Color{0xC0, 0x20, 0x20, 255});
    const GameFont& font = openGameFont(25, 700);
    drawText(surface, font, 5, 5, "Oo", 2, SDL_Color{0, 0, 255, 0});  // alpha left at 0
    EXPECT_GT(countColour(surface, 0, 0, 120, 50, SDL_Color{0, 0, 255, 255}), 20);
    EXPECT_EQ(argbAt(surface, 5 + textWidth(font, "O", 1) / 2, 5 + font.cellAscent - 8), 0xFFC02020u);
    SDL_FreeSurface(surface);

    const GameFont& thin = openGameFont(25, 30);
    EXPECT_EQ(textWidth(thin, "Vies restantes :    ", 17), textWidth(thin, "Vies restantes : ", 17));
    SDL_Surface* counted = whiteSurface(300, 40);
    SDL_Surface* whole = whiteSurface(300, 40);
    drawText(counted, thin, 0, 0, "Pause", 9, kBlack);
    drawText(whole, thin, 0, 0, "Pause", 5, kBlack);
    EXPECT_EQ(std::memcmp(counted->pixels, whole->pixels, static_cast<std::size_t>(whole->pitch) * 40), 0);
    for (SDL_Surface* surface : {counted, whole}) SDL_FreeSurface(surface);
}

// Closed fonts open again, and SDL_ttf stopped by another part of the program does not take them away.
TEST(GameFonts, ClosedFontsOpenAgainEvenAfterSdlTtfWasShutDownByOthers)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    closeGameFonts();
    ASSERT_EQ(TTF_Init(), 0);
    const GameFont& kept = openGameFont(22, 700);
    ASSERT_NE(kept.face, nullptr);
    TTF_Quit();
    EXPECT_GT(TTF_WasInit(), 0);
    EXPECT_GT(textWidth(kept, "Ok", 2), 0);
    closeGameFonts();
    SDL_Surface* surface = whiteSurface(60, 30);
    drawText(surface, openGameFont(22, 700), 2, 2, "Ok", 2, kBlack);
    EXPECT_NE(inkOf(surface).top, -1);
    SDL_FreeSurface(surface);
}
