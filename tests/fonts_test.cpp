// The font lookup: Windows-1252 and UTF-8, the faces picked by weight, cell heights, and where
// text lands on a surface.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <string>

#include "screens/fonts.h"
#include "tests/test_pictures.h"

namespace {

constexpr SDL_Color kInk{0, 0, 0, 255};

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

// Accented letters, the euro and the bytes 0x80 to 0x9F convert both ways, every byte survives
// the round trip, and what Windows-1252 cannot hold or broken UTF-8 is refused, leaving nothing.
TEST(Windows1252, ConvertsToUtf8AndBackAndRefusesTheRest)
{
    const char* const pairs[][2] = {{"\xE9", "\xC3\xA9"}, {"\xC9", "\xC3\x89"}, {"\x80", "\xE2\x82\xAC"},
                                    {"\x9C", "\xC5\x93"}, {"\x97", "\xE2\x80\x94"}, {"\x9F", "\xC5\xB8"}, {"", ""}};
    std::string back;
    for (const auto& pair : pairs) {
        EXPECT_EQ(utf8FromWindows1252(pair[0]), pair[1]);
        EXPECT_TRUE(windows1252FromUtf8(pair[1], back) && back == pair[0]) << pair[0];
    }
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_TRUE(windows1252FromUtf8(utf8FromWindows1252(all), back) && back == all);
    // A Chinese character after good text, U+0100, U+0080 (not the euro's byte), an emoji, a cut
    // sequence, an overlong '/', a lone surrogate, a stray continuation byte.
    for (const char* text : {"caf\xC3\xA9 \xE4\xB8\xAD", "\xC4\x80", "\xC2\x80", "\xF0\x9F\x8E\xB1", "abc\xC3", "\xC0\xAF",
                             "\xED\xA0\x80", "\xA9"}) {
        EXPECT_FALSE(windows1252FromUtf8(text, back)) << text;
        EXPECT_TRUE(back.empty());
    }
}

// Each weight draws the nearest face, never thinner than regular (the side panel's thin weight 30
// is unreadable otherwise), beyond 1000 clamped; one font per height and weight, whose cell is
// the requested height with about 82 % of it above the baseline.
TEST(GameFonts, WeightsPickTheNearestFaceAndHeightsAreCellHeights)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    const struct { int weight; const char* style; } faces[] = {
        {0, "Regular"}, {30, "Regular"}, {399, "Regular"}, {400, "Regular"}, {650, "Bold"}, {700, "Bold"}, {1000, "Black"}, {1200, "Black"}};
    for (const auto& face : faces) EXPECT_STREQ(TTF_FontFaceStyleName(openGameFont(25, face.weight).face), face.style) << face.weight;
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

// The E sits on the baseline, cellAscent below the cell's top, as tall as the face's capitals
// (1446 of 2400 units: 24 pixels); an accent reaches higher, still in the cell, and leaves the
// letters exactly where they were.
TEST(DrawText, TextLandsOnItsCellAndCapitalAccentsKeepTheBaseline)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    const GameFont& font = openGameFont(40, 700);
    SDL_Surface* plain = whiteSurface(200, 100);
    SDL_Surface* accented = whiteSurface(200, 100);
    drawText(plain, font, 30, 20, "Ea", 2, kInk);
    drawText(accented, font, 30, 20, "\xC9" "a", 2, kInk);
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
    SDL_FreeSurface(plain);
    SDL_FreeSurface(accented);
}

// Text is opaque even in a colour written without alpha, and the background shows between and
// inside its letters; a count limits the text and stops at its end.
TEST(DrawText, OpaqueLettersOnTheBackgroundAndCountsLimitTheText)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    SDL_Surface* surface = makeTarget(120, 50, SDL_Color{0xC0, 0x20, 0x20, 255});
    SDL_Color blueWithoutAlpha{};
    blueWithoutAlpha.b = 255;
    const GameFont& font = openGameFont(25, 700);
    drawText(surface, font, 5, 5, "Oo", 2, blueWithoutAlpha);
    EXPECT_GT(countColour(surface, 0, 0, 120, 50, SDL_Color{0, 0, 255, 255}), 20);
    EXPECT_EQ(argbAt(surface, 5 + textWidth(font, "O", 1) / 2, 5 + font.cellAscent - 8), 0xFFC02020u);
    SDL_FreeSurface(surface);

    const GameFont& thin = openGameFont(25, 30);
    EXPECT_EQ(textWidth(thin, "Vies restantes :    ", 17), textWidth(thin, "Vies restantes : ", 17));
    SDL_Surface* counted = whiteSurface(300, 40);
    SDL_Surface* whole = whiteSurface(300, 40);
    drawText(counted, thin, 0, 0, "Pause", 9, kInk);
    drawText(whole, thin, 0, 0, "Pause", 5, kInk);
    EXPECT_EQ(std::memcmp(counted->pixels, whole->pixels, static_cast<std::size_t>(whole->pitch) * 40), 0);
    SDL_FreeSurface(counted);
    SDL_FreeSurface(whole);
}

TEST(DrawText, WithoutAFontNothingIsDrawnAndNothingBreaks)
{
    SDL_Surface* surface = whiteSurface(50, 30);
    const GameFont missing;
    drawText(surface, missing, 0, 0, "Score", 5, kInk);
    EXPECT_EQ(textWidth(missing, "Score", 5), 0);
    EXPECT_EQ(openGameFont(0, 700).face, nullptr);
    drawText(nullptr, openGameFont(25, 30), 0, 0, "x", 1, kInk);
    drawText(surface, openGameFont(25, 30), 0, 0, nullptr, 4, kInk);
    drawText(surface, openGameFont(25, 30), 0, 0, "x", 0, kInk);
    drawText(surface, openGameFont(25, 30), -500, 9000, "far away", 8, kInk);
    EXPECT_EQ(inkOf(surface).top, -1);
    SDL_FreeSurface(surface);
}

// Closed fonts open again, and another part of the program starting and stopping SDL_ttf around
// the lookup does not take the faces away from under it.
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
    drawText(surface, openGameFont(22, 700), 2, 2, "Ok", 2, kInk);
    EXPECT_NE(inkOf(surface).top, -1);
    SDL_FreeSurface(surface);
}
