// The menu: its buttons' hit test and hover marks, the sound switch and its picture; the credits.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/game_state.h"
#include "screens/credits_screen.h"
#include "screens/drawing_surface.h"
#include "screens/menu_buttons.h"
#include "screens/menu_screen.h"
#include "screens/pictures.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

namespace {

constexpr SDL_Color kSentinel{255, 0, 255, 255};

// Five buttons of 128 x 24 at x = 40 as the game sets them up, labelled; entry 0 is none.
class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        installTestPictures();
        setUpButtons();
    }
    void TearDown() override
    {
        removeTestPictures();
        setUpButtons();
    }
    static void setUpButtons()
    {
        const int tops[] = {0, 80, 140, 180, 220, 260};
        for (std::size_t i = 0; i <= 5; ++i) {
            menuButtons[i] = MenuButton{i ? 40 : 0, tops[i], 128, 24, 18, 3, 0, pictures.buttonIcon, pictures.buttonHoverIcon, {}};
            std::snprintf(menuButtons[i].label.data(), menuButtons[i].label.size(), "%s", i == 4 ? "Sons : ON" : "Credits");
        }
    }
};

}  // namespace

// A button's bounds are inclusive on all four sides, the later of two wins, and only it is marked
// hovered (entry 0 when there is none).
TEST_F(Menu, HitTestFindsTheLastButtonUnderThePointerAndMarksOnlyIt)
{
    const struct { int x, y, button; } cases[] = {
        {168, 104, 1}, {40, 80, 1}, {169, 104, 0}, {39, 80, 0}, {168, 105, 0},
        {100, 79, 0},  {100, 284, 5}, {100, 230, 4}, {100, 160, 3},
    };
    for (const auto& c : cases) {
        menuButtons[3].y = c.button == 3 ? 150 : 180;  // 150: over the lower part of button 2
        EXPECT_EQ(hitTestButtons(c.x, c.y), c.button) << c.x << "," << c.y;
        for (int i = c.button == 0 ? 0 : 1; i <= 5; ++i) EXPECT_EQ(menuButtons[static_cast<std::size_t>(i)].hovered, i == c.button ? 1 : 0) << i;
    }
}

// Switching the sound off and on stops nothing that plays and relabels the fourth button.
TEST_F(Menu, SoundSwitchedTwiceIsBackOn)
{
    toggleSound();
    EXPECT_EQ(game.soundEnabled, 0);
    EXPECT_STREQ(menuButtons[4].label.data(), "Sons : OFF");
    toggleSound();
    EXPECT_EQ(game.soundEnabled, 1);
    EXPECT_STREQ(menuButtons[4].label.data(), "Sons : ON");
    EXPECT_EQ(fake.soundStops, 0);
}

TEST_F(Menu, PictureShowsBackgroundButtonsAndHoverInItsFrame)
{
    SDL_Surface* target = makeTarget(300, 500, kSentinel);
    hitTestButtons(50, 190);  // over button 3
    game.currentLevel = 7;
    drawMenu(target);
    const struct { int x, y; SDL_Color colour; } pixels[] = {
        {0, 0, kMenuBackgroundColour}, {219, 399, kMenuBackgroundColour}, {220, 0, kSentinel},
        {0, 400, kSentinel},           {41, 81, kButtonColour},           {41, 181, kButtonHoverColour},
        {167, 203, kButtonHoverColour}, {168, 181, kMenuBackgroundColour}};
    for (const auto& p : pixels) EXPECT_TRUE(hasColour(target, p.x, p.y, p.colour)) << p.x << "," << p.y;
    EXPECT_STREQ(selectedLevelText.data(), "Niveau s\xe9lectionn\xe9 : 7");
    SDL_FreeSurface(target);
    drawMenu(nullptr);
}

// With the same picture at rest and under the pointer, only the label differs: one pixel higher.
TEST_F(Menu, HoveredLabelStandsOnePixelHigher)
{
    SDL_FreeSurface(pictures.buttonHoverIcon);
    pictures.buttonHoverIcon = makeSolidPicture(128, 24, kButtonColour, true);
    setUpButtons();
    SDL_Surface* atRest = makeTarget(220, 400, kSentinel);
    SDL_Surface* underPointer = makeTarget(220, 400, kSentinel);
    hitTestButtons(0, 0);
    drawMenu(atRest);
    hitTestButtons(50, 190);
    drawMenu(underPointer);
    ASSERT_GT(128 * 24 - countColour(atRest, 40, 180, 128, 24, kButtonColour), 20) << "no label drawn: is a font installed?";
    for (int y = 180; y < 203; ++y)
        for (int x = 40; x < 168; ++x) ASSERT_TRUE(hasColour(underPointer, x, y, pixelAt(atRest, x, y + 1))) << x << "," << y;
    SDL_FreeSurface(atRest);
    SDL_FreeSurface(underPointer);
}

// The credits picture keeps its 700 x 550 in a black frame of 740 x 700.
TEST(Credits, PictureKeepsItsSizeInItsFrame)
{
    installTestPictures();
    SDL_Surface* target = makeTarget(800, 800, kSentinel);
    drawCredits(target);
    const struct { int x, y; SDL_Color colour; } pixels[] = {
        {0, 0, kCreditsBackgroundColour}, {699, 549, kCreditsBackgroundColour}, {700, 0, kBlack}, {0, 699, kBlack},
        {739, 0, kBlack},                 {740, 0, kSentinel},                   {0, 700, kSentinel}};
    for (const auto& p : pixels) EXPECT_TRUE(hasColour(target, p.x, p.y, p.colour)) << p.x << "," << p.y;
    SDL_FreeSurface(target);
    removeTestPictures();
}
