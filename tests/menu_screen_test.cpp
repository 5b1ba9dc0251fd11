// The menu: its buttons' hit test and hover marks, the sound switch, and its picture; the
// credits picture.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

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

// The five buttons as the game sets them up at start-up.
void setUpMenuButtons()
{
    struct Entry {
        int y;
        int textDx;
        const char* label;
    };
    const Entry entries[] = {{80, 25, "Commencer"},
                             {140, 13, "Entrer un code"},
                             {180, 18, "Credits, Aide"},
                             {220, 35, "Sons : ON"},
                             {260, 35, "QUITTER"}};
    for (MenuButton& button : menuButtons) {
        button = MenuButton{};
        button.icon = pictures.buttonIcon;
        button.hoverIcon = pictures.buttonHoverIcon;
        button.width = 128;
        button.height = 24;
        button.textDx = 35;
        button.textDy = 3;
    }
    for (int i = 1; i <= 5; ++i) {
        MenuButton& button = menuButtons[static_cast<std::size_t>(i)];
        button.x = 40;
        button.y = entries[i - 1].y;
        button.textDx = entries[i - 1].textDx;
        std::snprintf(button.label.data(), button.label.size(), "%s", entries[i - 1].label);
    }
}

class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        installTestPictures();
        setUpMenuButtons();
    }
    void TearDown() override
    {
        removeTestPictures();
        setUpMenuButtons();
    }
    int hovered(int i) { return menuButtons[static_cast<std::size_t>(i)].hovered; }
};

}  // namespace

TEST_F(Menu, HitTestBoundsAreInclusiveOnAllFourSides)
{
    EXPECT_EQ(hitTestButtons(168, 104), 1);
    EXPECT_EQ(hovered(1), 1);
    EXPECT_EQ(hovered(0), 0);
    EXPECT_EQ(hitTestButtons(40, 80), 1);
    EXPECT_EQ(hitTestButtons(169, 104), 0);
    EXPECT_EQ(hovered(1), 0);
    EXPECT_EQ(hovered(0), 1);
    EXPECT_EQ(hitTestButtons(39, 80), 0);
    EXPECT_EQ(hitTestButtons(168, 105), 0);
    EXPECT_EQ(hitTestButtons(100, 79), 0);
    EXPECT_EQ(hitTestButtons(100, 284), 5);
    EXPECT_EQ(hitTestButtons(100, 230), 4);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(hovered(i), i == 4 ? 1 : 0) << i;
}

TEST_F(Menu, LaterButtonWinsWhereTwoOverlap)
{
    menuButtons[3].y = 150;  // now over the lower part of button 2
    EXPECT_EQ(hitTestButtons(100, 160), 3);
    EXPECT_EQ(hovered(2), 0);
    EXPECT_EQ(hovered(3), 1);
}

TEST_F(Menu, SoundSwitchedTwiceIsBackOn)
{
    toggleSound();
    EXPECT_EQ(game.soundEnabled, 0);
    EXPECT_STREQ(menuButtons[4].label.data(), "Sons : OFF");
    toggleSound();
    EXPECT_EQ(game.soundEnabled, 1);
    EXPECT_STREQ(menuButtons[4].label.data(), "Sons : ON");
    EXPECT_EQ(fake.soundStops, 0);  // switching off stops nothing that plays
}

TEST_F(Menu, PictureShowsBackgroundButtonsAndHoverInItsFrame)
{
    SDL_Surface* target = makeTarget(300, 500, kSentinel);
    hitTestButtons(50, 190);  // over button 3
    game.currentLevel = 7;
    drawMenu(target);
    EXPECT_TRUE(hasColour(target, 0, 0, kMenuBackgroundColour));
    EXPECT_TRUE(hasColour(target, 219, 399, kMenuBackgroundColour));
    EXPECT_TRUE(hasColour(target, 220, 0, kSentinel));
    EXPECT_TRUE(hasColour(target, 0, 400, kSentinel));
    EXPECT_TRUE(hasColour(target, 41, 81, kButtonColour));
    EXPECT_TRUE(hasColour(target, 41, 181, kButtonHoverColour));
    EXPECT_TRUE(hasColour(target, 167, 203, kButtonHoverColour));
    EXPECT_TRUE(hasColour(target, 168, 181, kMenuBackgroundColour));
    EXPECT_STREQ(selectedLevelText.data(), "Niveau s\xe9lectionn\xe9 : 7");
    SDL_FreeSurface(target);
    drawMenu(nullptr);
}

TEST_F(Menu, HoveredLabelStandsOnePixelHigher)
{
    // The same picture at rest and under the pointer, so that only the label can differ.
    SDL_FreeSurface(pictures.buttonHoverIcon);
    pictures.buttonHoverIcon = makeSolidPicture(128, 24, kButtonColour, true);
    setUpMenuButtons();
    SDL_Surface* atRest = makeTarget(220, 400, kSentinel);
    SDL_Surface* underPointer = makeTarget(220, 400, kSentinel);
    hitTestButtons(0, 0);
    drawMenu(atRest);
    hitTestButtons(50, 190);
    drawMenu(underPointer);

    // The label of button 3 stands at (58, 183) at rest and (58, 182) under the pointer.
    const int labelPixels = 128 * 24 - countColour(atRest, 40, 180, 128, 24, kButtonColour);
    ASSERT_GT(labelPixels, 20) << "no label drawn: is a font installed?";
    for (int y = 180; y < 203; ++y) {
        for (int x = 40; x < 168; ++x) {
            const SDL_Color lower = pixelAt(atRest, x, y + 1);
            ASSERT_TRUE(hasColour(underPointer, x, y, lower)) << x << "," << y;
        }
    }
    SDL_FreeSurface(atRest);
    SDL_FreeSurface(underPointer);
}

TEST(Credits, PictureKeepsItsSizeInItsFrameOfSevenHundredRows)
{
    installTestPictures();
    SDL_Surface* target = makeTarget(800, 800, kSentinel);
    drawCredits(target);
    EXPECT_TRUE(hasColour(target, 0, 0, kCreditsBackgroundColour));
    EXPECT_TRUE(hasColour(target, 699, 549, kCreditsBackgroundColour));
    EXPECT_TRUE(hasColour(target, 700, 0, kBlack));
    EXPECT_TRUE(hasColour(target, 0, 699, kBlack));
    EXPECT_TRUE(hasColour(target, 739, 0, kBlack));
    EXPECT_TRUE(hasColour(target, 740, 0, kSentinel));
    EXPECT_TRUE(hasColour(target, 0, 700, kSentinel));
    SDL_FreeSurface(target);
    removeTestPictures();
}
