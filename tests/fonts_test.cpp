// The font lookup: Windows-1252 and UTF-8, the faces picked by weight, cell heights, and where
// text lands on a surface.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "screens/fonts.h"

namespace {

SDL_Surface* whiteSurface(int width, int height)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(surface, nullptr, 0xFFFFFFFFu);
    return surface;
}

std::uint32_t pixel(SDL_Surface* surface, int x, int y)
{
    return static_cast<std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
}

// The ink drawn on a white surface: the rows and columns holding a pixel darker than mid-grey.
struct Ink {
    int top = -1;
    int bottom = -1;
    int left = -1;
    int right = -1;
};

Ink inkOf(SDL_Surface* surface)
{
    Ink ink;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) {
            if ((pixel(surface, x, y) & 0xFF) >= 128) continue;
            if (ink.top < 0) ink.top = y;
            ink.bottom = y;
            if (ink.left < 0 || x < ink.left) ink.left = x;
            if (x > ink.right) ink.right = x;
        }
    return ink;
}

// The game's fonts come from fonts-lato through the alias; without it these checks mean nothing.
bool haveGameFace()
{
    return openGameFont(40, 700).face != nullptr;
}

std::string styleOf(const GameFont& font)
{
    const char* style = TTF_FontFaceStyleName(font.face);
    return style ? style : "";
}

}  // namespace

TEST(Windows1252, AccentsAndTheEuroBecomeUtf8AndBack)
{
    EXPECT_EQ(utf8FromWindows1252("\xE9"), "\xC3\xA9");              // é
    EXPECT_EQ(utf8FromWindows1252("\xC9"), "\xC3\x89");              // É
    EXPECT_EQ(utf8FromWindows1252("\x80"), "\xE2\x82\xAC");          // €
    EXPECT_EQ(utf8FromWindows1252("\x9C"), "\xC5\x93");              // œ
    EXPECT_EQ(utf8FromWindows1252("Tessas cass\xE9" "es"), "Tessas cass\xC3\xA9" "es");

    std::string back;
    ASSERT_TRUE(windows1252FromUtf8("Niveau s\xC3\xA9lectionn\xC3\xA9 : 3", back));
    EXPECT_EQ(back, "Niveau s\xE9lectionn\xE9 : 3");
    ASSERT_TRUE(windows1252FromUtf8("\xE2\x82\xAC \xC3\x89t\xC3\xA9 \xE2\x80\x94 \xC5\xB8", back));
    EXPECT_EQ(back, "\x80 \xC9t\xE9 \x97 \x9F");
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    std::string back;
    ASSERT_TRUE(windows1252FromUtf8(utf8FromWindows1252(all), back));
    EXPECT_EQ(back, all);
}

TEST(Windows1252, CharactersItCannotHoldAndBrokenUtf8AreRejected)
{
    std::string out = "left over";
    EXPECT_FALSE(windows1252FromUtf8("caf\xC3\xA9 \xE4\xB8\xAD", out));  // a Chinese character
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(windows1252FromUtf8("\xC4\x80", out));          // A with macron, U+0100
    EXPECT_FALSE(windows1252FromUtf8("\xC2\x80", out));          // U+0080: not the euro's byte
    EXPECT_FALSE(windows1252FromUtf8("\xF0\x9F\x8E\xB1", out));  // an emoji
    EXPECT_FALSE(windows1252FromUtf8("abc\xC3", out));           // cut short
    EXPECT_FALSE(windows1252FromUtf8("\xC0\xAF", out));          // overlong '/'
    EXPECT_FALSE(windows1252FromUtf8("\xED\xA0\x80", out));      // a lone surrogate
    EXPECT_FALSE(windows1252FromUtf8("\xA9", out));              // a stray continuation byte
    EXPECT_TRUE(windows1252FromUtf8("", out));
    EXPECT_TRUE(out.empty());
}

TEST(GameFonts, EveryWeightPicksTheNearestFaceNeverThinnerThanRegular)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    // The side panel's thin weight 30, "don't care" 0 and the light weights draw the regular
    // face: a thinner one is unreadable on the panel.
    const struct {
        int weight;
        const char* style;
    } faces[] = {{0, "Regular"},  {30, "Regular"}, {100, "Regular"}, {399, "Regular"},
                 {400, "Regular"}, {650, "Bold"},   {700, "Bold"},    {1000, "Black"},
                 {1200, "Black"}};
    for (const auto& face : faces)
        EXPECT_EQ(styleOf(openGameFont(25, face.weight)), face.style) << face.weight;
    const char* family = TTF_FontFaceFamilyName(openGameFont(22, 700).face);
    EXPECT_STREQ(family, "Lato");
}

TEST(GameFonts, OpenedOncePerHeightAndWeight)
{
    const GameFont& first = openGameFont(38, 700);
    EXPECT_EQ(&first, &openGameFont(38, 700));
    EXPECT_NE(&first, &openGameFont(40, 700));
    EXPECT_EQ(&openGameFont(60, 1200), &openGameFont(60, 1000));  // beyond 1000 is clamped
}

TEST(GameFonts, TheRequestedHeightIsTheCellHeight)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    for (const int height : {15, 19, 22, 25, 38, 40, 60, 140}) {
        const GameFont& font = openGameFont(height, 700);
        ASSERT_NE(font.face, nullptr) << height;
        EXPECT_NEAR(TTF_FontLineSkip(font.face), height, 1) << height;
        EXPECT_EQ(font.cellHeight, height);
        // Lato's cell puts about 82 % of it above the baseline.
        EXPECT_NEAR(font.cellAscent, height * 0.8225, 1.0) << height;
    }
    // A capital H of the 40-pixel font stands as tall as the face's capital height at that
    // cell: 1446 of 2400 units, 24 pixels.
    SDL_Surface* surface = whiteSurface(80, 60);
    drawText(surface, openGameFont(40, 700), 10, 5, "H", 1, SDL_Color{0, 0, 0, 255});
    const Ink ink = inkOf(surface);
    EXPECT_NEAR(ink.bottom - ink.top + 1, 24, 1);
    SDL_FreeSurface(surface);
}

TEST(DrawText, TextLandsOnItsCellAndCapitalAccentsKeepTheBaseline)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    const GameFont& font = openGameFont(40, 700);
    SDL_Surface* plain = whiteSurface(200, 100);
    SDL_Surface* accented = whiteSurface(200, 100);
    drawText(plain, font, 30, 20, "Ea", 2, SDL_Color{0, 0, 0, 255});
    drawText(accented, font, 30, 20, "\xC9" "a", 2, SDL_Color{0, 0, 0, 255});
    const Ink e = inkOf(plain);
    const Ink eAcute = inkOf(accented);
    // The E sits on the baseline, cellAscent below the cell's top.
    EXPECT_NEAR(e.bottom, 20 + font.cellAscent - 1, 1);
    EXPECT_NEAR(e.top, 20 + font.cellAscent - 24, 1);
    EXPECT_GE(e.left, 30);
    EXPECT_LE(e.left, 30 + 5);
    // The accent reaches higher; the letters stay exactly where they were.
    EXPECT_EQ(eAcute.bottom, e.bottom);
    EXPECT_LT(eAcute.top, e.top - 3);
    EXPECT_GE(eAcute.top, 20);  // still inside the cell
    for (int y = e.top + 2; y < 100; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(pixel(plain, x, y), pixel(accented, x, y)) << x << "," << y;
    SDL_FreeSurface(plain);
    SDL_FreeSurface(accented);
}

TEST(DrawText, BackgroundShowsBetweenLettersAndColourIsOpaque)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 120, 50, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(surface, nullptr, 0xFFC02020u);
    // An SDL_Color written without alpha still draws: text has no transparency of its own.
    SDL_Color blueWithoutAlpha{};
    blueWithoutAlpha.b = 255;
    drawText(surface, openGameFont(25, 700), 5, 5, "Oo", 2, blueWithoutAlpha);
    int blue = 0;
    int untouched = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 120; ++x) {
            const std::uint32_t p = pixel(surface, x, y);
            if (p == 0xFF0000FFu) ++blue;
            if (p == 0xFFC02020u) ++untouched;
        }
    EXPECT_GT(blue, 20);
    EXPECT_GT(untouched, 120 * 50 / 2);  // the inside of the O keeps the background too
    const int insideO = 5 + textWidth(openGameFont(25, 700), "O", 1) / 2;
    EXPECT_EQ(pixel(surface, insideO, 5 + openGameFont(25, 700).cellAscent - 8), 0xFFC02020u);
    SDL_FreeSurface(surface);
}

TEST(DrawText, CountLimitsTheTextAndStopsAtTheEnd)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    const GameFont& font = openGameFont(25, 30);
    const char* label = "Vies restantes :    ";
    EXPECT_EQ(textWidth(font, label, 3), textWidth(font, "Vie", 3));
    EXPECT_EQ(textWidth(font, label, 17), textWidth(font, "Vies restantes : ", 17));

    SDL_Surface* counted = whiteSurface(300, 40);
    SDL_Surface* whole = whiteSurface(300, 40);
    const char shortText[] = "Pause";  // a count beyond the text stops at its end
    drawText(counted, font, 0, 0, shortText, 9, SDL_Color{0, 0, 0, 255});
    drawText(whole, font, 0, 0, shortText, 5, SDL_Color{0, 0, 0, 255});
    EXPECT_EQ(std::memcmp(counted->pixels, whole->pixels, static_cast<std::size_t>(whole->pitch) * 40), 0);
    SDL_FreeSurface(counted);
    SDL_FreeSurface(whole);
}

TEST(DrawText, WithoutAFontNothingIsDrawnAndNothingBreaks)
{
    SDL_Surface* surface = whiteSurface(50, 30);
    const GameFont missing;
    drawText(surface, missing, 0, 0, "Score", 5, SDL_Color{0, 0, 0, 255});
    EXPECT_EQ(inkOf(surface).top, -1);
    EXPECT_EQ(textWidth(missing, "Score", 5), 0);
    EXPECT_EQ(openGameFont(0, 700).face, nullptr);
    drawText(nullptr, openGameFont(25, 30), 0, 0, "x", 1, SDL_Color{0, 0, 0, 255});
    drawText(surface, openGameFont(25, 30), 0, 0, nullptr, 4, SDL_Color{0, 0, 0, 255});
    drawText(surface, openGameFont(25, 30), 0, 0, "x", 0, SDL_Color{0, 0, 0, 255});
    drawText(surface, openGameFont(25, 30), -500, 9000, "far away", 8, SDL_Color{0, 0, 0, 255});
    EXPECT_EQ(inkOf(surface).top, -1);
    SDL_FreeSurface(surface);
}

TEST(GameFonts, ClosedFontsOpenAgainEvenAfterSdlTtfWasShutDownByOthers)
{
    if (!haveGameFace()) GTEST_SKIP() << "fonts-lato is not installed";
    closeGameFonts();
    ASSERT_NE(openGameFont(22, 700).face, nullptr);
    closeGameFonts();

    // Another part of the program starting and stopping SDL_ttf around the lookup does not
    // take the faces away from under it.
    ASSERT_EQ(TTF_Init(), 0);
    const GameFont& kept = openGameFont(22, 700);
    ASSERT_NE(kept.face, nullptr);
    TTF_Quit();
    EXPECT_GT(TTF_WasInit(), 0);
    EXPECT_GT(textWidth(kept, "Ok", 2), 0);
    closeGameFonts();

    const GameFont& again = openGameFont(22, 700);
    ASSERT_NE(again.face, nullptr);
    SDL_Surface* surface = whiteSurface(60, 30);
    drawText(surface, again, 2, 2, "Ok", 2, SDL_Color{0, 0, 0, 255});
    EXPECT_NE(inkOf(surface).top, -1);
    SDL_FreeSurface(surface);
}
