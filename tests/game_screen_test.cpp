// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The screens' pictures: the game screen, its pause text, the menu and the credits.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/ball.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "game/level_set.h"
#include "game/replay.h"
#include "screens/credits_screen.h"
#include "screens/drawing_surface.h"
#include "screens/final_picture_layout.h"
#include "screens/fonts.h"
#include "screens/game_screen.h"
#include "screens/level_intro_layout.h"
#include "screens/menu_buttons.h"
#include "screens/menu_screen.h"
#include "screens/pictures.h"
#include "screens/screen_state.h"
#include "screens/side_panel_layout.h"
#include "shell/picture_files.h"
#include "tests/fake_platform.h"
#include "tests/test_pictures.h"

namespace {

constexpr SDL_Color kSentinel{255, 0, 255, 255};

// A level-start board with nothing on it, the test pictures installed, and a 740 x 550 target.
class GameScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        game.currentLevel = 1;
        startLevel();
        for (Brick& brick : game.brickTable) brick.kind = 0;
        game.livesLeft = 0;
        installTestPictures();
        target = makeTarget(kGameScreenWidth, kGameScreenHeight, kSentinel);
    }
    void TearDown() override
    {
        screenState.watchingReplay = false;
        SDL_FreeSurface(target);
        removeTestPictures();
    }
    void draw() { drawGameScreen(target); }
    bool at(int x, int y, SDL_Color colour) { return hasColour(target, x, y, colour); }

    SDL_Surface* target = nullptr;
};

// Whether the box (x, y, w, h) is painted in `colour` up to its edges and not one pixel beyond.
bool boxAt(SDL_Surface* target, const SDL_Rect& b, SDL_Color colour)
{
    return countColour(target, b.x, b.y, b.w, b.h, colour) == b.w * b.h && !hasColour(target, b.x - 1, b.y, colour) &&
           !hasColour(target, b.x + b.w, b.y + b.h - 1, colour) && !hasColour(target, b.x, b.y - 1, colour) &&
           !hasColour(target, b.x + b.w - 1, b.y + b.h, colour);
}

// How many pixels differ between `a` and `b` inside `box`, and outside it.
std::pair<int, int> changedInsideAndOutside(SDL_Surface* a, SDL_Surface* b, const SDL_Rect& box)
{
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < a->h; ++y) {
        for (int x = 0; x < a->w; ++x) {
            const SDL_Point point{x, y};
            if (argbAt(a, x, y) != argbAt(b, x, y)) (SDL_PointInRect(&point, &box) ? inside : outside)++;
        }
    }
    return {inside, outside};
}

// Holds `ball` at (x, y), aimed along (vx, vy).
void hold(Ball& ball, double x, double y, double vx, double vy) { ball = Ball{x, y, vx, vy, 0, BallIcon::Normal, 1}; }

// Five buttons of 128 x 24 at x = 40 as the game sets them up, labelled; entry 0 is none.
class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        installTestPictures();
        setUpButtons();
    }
    void TearDown() override { removeTestPictures(); }
    static void setUpButtons()
    {
        const int tops[] = {0, 80, 140, 180, 220, 260};
        for (std::size_t i = 0; i < screenState.menuButtons.size(); ++i) {
            screenState.menuButtons[i] = MenuButton{i ? 40 : 0,
                                                    tops[i],
                                                    128,
                                                    24,
                                                    18,
                                                    3,
                                                    0,
                                                    screenState.pictures.buttonIcon,
                                                    screenState.pictures.buttonHoverIcon,
                                                    {}};
            const char* label = i == kSoundButton ? "Sons : ON" : "Credits";
            std::snprintf(screenState.menuButtons[i].label.data(), screenState.menuButtons[i].label.size(), "%s",
                          label);
        }
    }
};

}  // namespace

// Every thing lands in its box (paddle from its centre, balls and shots from theirs); later marks cover.
TEST_F(GameScreen, EachThingLandsInItsBox)
{
    draw();
    EXPECT_TRUE(at(0, 0, kGameBackgroundColour) && at(699, 549, kGameBackgroundColour));
    EXPECT_EQ(countColour(target, 700, 0, 40, 550, kBlack), 40 * 550);
    // A second ball out of play, no lives and no effects leave nothing of theirs.
    const GameState start = game;
    game.balls[1].x = game.balls[1].y = 300.0;
    game.balls[1].icon = BallIcon::Fire;
    draw();
    EXPECT_EQ(countColour(target, 0, 0, 740, 550, kFireBallColour), 0);
    EXPECT_EQ(countColour(target, 500, 270, 80, 12, kGameBackgroundColour), 80 * 12);
    EXPECT_EQ(countColour(target, 520, 330, 140, 10, kGameBackgroundColour), 140 * 10);
    // One board of things apart from each other; of two bricks in one place the lower entry covers.
    game.ballCount = 2;
    game.livesLeft = 3;
    game.brickTable[20] = Brick{40, 100, 3, 0};
    game.brickTable[5] = Brick{200, 60, 1, 0};
    game.brickTable[6] = Brick{200, 60, 2, 0};
    game.bonusTable[79] = FallingBonus{100, 200, 7};
    game.shotTable[10] = Shot{200, 400, 1};
    game.balls[0].x = 150.9;
    game.balls[0].y = 250.5;
    draw();
    const std::pair<SDL_Rect, SDL_Color> things[] = {
        {{40, 100, 40, 20}, brickColour(3)},    {{200, 60, 40, 20}, brickColour(1)},
        {{100, 200, 20, 10}, capsuleColour(7)}, {{199, 400, 2, 8}, kShotGreen},
        {{144, 244, 12, 12}, kBallColour},      {{294, 294, 12, 12}, kFireBallColour},
        {{560, 270, 12, 12}, kBallColour}};
    for (const auto& [box, colour] : things) EXPECT_TRUE(boxAt(target, box, colour)) << box.x << "," << box.y;
    // The paddle's width and effects, and the effects' marks, each alone on the board.
    using G = GameState;
    const std::tuple<int, int, bool G::*, bool G::*, SDL_Rect, SDL_Color> cases[] = {
        {30, 200, nullptr, nullptr, {185, 520, 30, 15}, paddleColour(1)},
        {90, 200, nullptr, nullptr, {155, 520, 90, 15}, paddleColour(3)},
        {30, 100, &G::bonusArmed, &G::bonusSticky, {85, 520, 60, 15}, kArmedPaddleColour},  // armed wins
        {90, 200, &G::bonusSticky, nullptr, {155, 520, 60, 15}, kStickyPaddleColour},
        {90, 200, &G::bonusRandomBounce, nullptr, {155, 520, 60, 15}, kBouncePaddleColour},
        {60, 240, &G::bonusWidePaddle, nullptr, {520, 330, 20, 10}, capsuleColour(1)},
        {60, 240, &G::bonusNarrowPaddle, nullptr, {520, 330, 20, 10}, capsuleColour(2)},
        {60, 240, &G::bonusFastBall, nullptr, {560, 330, 20, 10}, capsuleColour(3)},
        {60, 240, &G::bonusSlowBall, nullptr, {560, 330, 20, 10}, capsuleColour(4)},
        {60, 240, &G::bonusFireBall, nullptr, {600, 330, 20, 10}, capsuleColour(5)},
        {60, 240, &G::bonusMirror, nullptr, {640, 330, 20, 10}, capsuleColour(9)},
        {60, 240, &G::bonusSticky, nullptr, {520, 330, 20, 10}, capsuleColour(10)},
        {60, 240, &G::bonusRandomBounce, nullptr, {520, 330, 20, 10}, capsuleColour(13)},
        {60, 240, &G::bonusFireBall, &G::bonusTwoBalls, {600, 330, 20, 10}, capsuleColour(12)},  // two balls cover
        {60, 240, &G::bonusWidePaddle, &G::bonusArmed, {520, 330, 20, 10}, capsuleColour(11)},   // armed covers
    };
    for (const auto& [width, x, effect, other, box, colour] : cases) {
        game = start;
        game.paddleWidth = width;
        game.paddleX = x;
        for (bool G::*on : {effect, other})
            if (on != nullptr) game.*on = true;
        draw();
        EXPECT_TRUE(boxAt(target, box, colour)) << box.x << "," << box.y << " of width " << width;
    }
}

// 5.5 - 6 = -0.5 puts the ball's corner at 0, not -1: the picture's first column shows at x = 0.
TEST_F(GameScreen, BallCornerIsTruncatedTowardZero)
{
    SDL_Rect firstColumn{0, 0, 1, 12};
    SDL_FillRect(screenState.pictures.ballIconNormal, &firstColumn,
                 SDL_MapRGBA(screenState.pictures.ballIconNormal->format, 1, 2, 3, 255));
    game.balls[0].x = 5.5;
    game.balls[0].y = 100.0;
    draw();
    EXPECT_TRUE(at(0, 94, SDL_Color{1, 2, 3, 255}));
    EXPECT_TRUE(at(11, 94, kBallColour));
}

// A held ball's guide, sticky paddle only: a step ahead, turned at x 474, x 6 and y 6, never at the bottom.
TEST_F(GameScreen, AimingGuideStepsAheadAndTurnsOnlyAtTheWalls)
{
    using Pixel = std::tuple<int, int, bool>;  // x, y, whether the guide is drawn there
    // The ball's place and aim; no guide in its column above the row given; pixels of the guide.
    const std::tuple<double, double, double, double, int, std::vector<Pixel>> cases[] = {
        {255, 512, 0, -4, 0, {{255, 506, true}, {255, 507, true}, {255, 501, true}, {256, 506, false}}},
        {468.5, 300, 4, 0, 0, {{474, 300, true}, {479, 300, true}, {480, 300, true}}},
        {11.5, 300, -4, 0, 0, {{6, 300, true}, {0, 300, true}}},
        {240, 514, 0, 4, 500, {{240, 519, true}, {240, 547, true}}},
        {240, 17, 0, -4, 0, {{240, 6, true}, {240, 0, true}, {240, 5, true}, {240, 1, false}, {240, 396, true}}},
    };
    game.bonusSticky = true;
    for (const auto& [x, y, vx, vy, clearAbove, pixels] : cases) {
        hold(game.balls[0], x, y, vx, vy);
        draw();
        EXPECT_EQ(countColour(target, static_cast<int>(x), 0, 1, clearAbove, kGuideRed), 0);
        for (const auto& [px, py, drawn] : pixels)
            EXPECT_EQ(at(px, py, kGuideRed), drawn) << x << "," << y << ": " << px;
    }
    // The second ball's guide is dark green, and only with two balls in play; none unless sticky.
    game.balls[0].held = 0;
    hold(game.balls[1], 100, 400, 0, -4);
    for (const int count : {1, 2}) {
        game.ballCount = count;
        draw();
        EXPECT_EQ(at(100, 394, kGuideDarkGreen) && at(100, 395, kGuideDarkGreen), count == 2);
        EXPECT_EQ(countColour(target, 0, 0, 480, 550, kGuideRed), 0);
    }
    game.bonusSticky = false;
    draw();
    EXPECT_EQ(countColour(target, 0, 0, 480, 550, kGuideDarkGreen), 0);
}

TEST_F(GameScreen, SidePanelTextsAreComposedExactly)
{
    const std::array<char, 9> savedCode = levelCodes[3];
    std::snprintf(levelCodes[3].data(), levelCodes[3].size(), "PIXEL4");
    game.currentLevel = 3;
    game.score = 12345;
    game.bricksBroken = 17;
    const char* expected[] = {"Niveau : 3 ",       "Score : 12345 ", "Tessas cass\351es : 17", "Vies restantes : ",
                              "Bonus en cours : ", "Code Secret du", "niveau: PIXEL4 "};
    for (int line = 0; line < 7; ++line) {
        const int count = composeSidePanelLine(line);
        EXPECT_EQ(std::string(pathBuffer.data(), static_cast<std::size_t>(count)), expected[line]) << line;
    }
    // The two labels are cut from texts with four trailing blanks.
    composeSidePanelLine(3);
    EXPECT_STREQ(pathBuffer.data(), "Vies restantes :    ");
    // After the last level there is no code to show.
    game.currentLevel = 26;
    composeSidePanelLine(6);
    EXPECT_STREQ(pathBuffer.data(), "niveau:  ");
    levelCodes[3] = savedCode;
    // A player's set has no codes: its card names the set, cut to the card, and the rank.
    LevelSet set{"", "", std::vector<LevelBoard>(3)};
    game.levelSet = &set;
    game.currentLevel = 2;
    const GameFont& font = openGameFont(25, 30);
    for (const char* name : {"Jardins", "Les jardins de mosa\xc3\xafque du printemps"}) {
        set.name = name;
        const std::string line(pathBuffer.data(), static_cast<std::size_t>(composeSidePanelLine(5)));
        EXPECT_LE(510 + textWidth(font, line.c_str(), static_cast<int>(line.size())), kCardRight - 4) << line;
        EXPECT_EQ(line.back() == '\x85', set.name.size() > 10) << line;
    }
    composeSidePanelLine(6);
    EXPECT_STREQ(pathBuffer.data(), "niveau 2 sur 3");
    game.levelSet = nullptr;
}

// After a player's set's last level, the uncounted picture carries the set's own number of levels.
TEST_F(GameScreen, APlayersSetEndsOnItsOwnCount)
{
    LevelSet set{"Jardins", "", std::vector<LevelBoard>(7)};
    game.levelSet = &set;
    game.mode = GameMode::FinalPicture;
    draw();
    game.levelSet = nullptr;
    EXPECT_TRUE(at(5, 5, kFinishedSetBackgroundColour));
    EXPECT_GT(countColour(target, 150, kClearedLineY, 400, kClearedLineHeight, opaque(kClearedLineColour)), 20);
    EXPECT_GT(countColour(target, 300, kTrophyCountY, 100, kTrophyCountHeight, opaque(kTrophyCountColour)), 20);
}

// A player's set's intro has its own picture and no code: its card names the set, a long name kept to the card, and
// the level's rank; the built-in set's writes the level's code there, in black.
TEST_F(GameScreen, APlayersSetsIntroNamesTheSetAndWritesNoCode)
{
    fillLevelCodes();
    LevelSet set{"Les jardins suspendus de la grande mosa\xc3\xafque du printemps", "", std::vector<LevelBoard>(5)};
    std::tie(game.mode, game.currentLevel) = std::pair(GameMode::LevelIntro, 2);
    for (const bool own : {false, true}) {
        game.levelSet = own ? &set : nullptr;
        draw();
        EXPECT_TRUE(at(5, 5, own ? kLevelSetBackgroundColour : kLevelBackgroundColour)) << own;
        EXPECT_EQ(countColour(target, 100, 300, 580, 170, kBlack) > 100, !own);
        for (const CardLine& line : {kSetNameLine, kSetRankLine}) {
            const int ink = countColour(target, 0, 0, kGameScreenWidth, kGameScreenHeight, opaque(line.colour));
            EXPECT_EQ(ink > 20, own) << line.y;
            const int x = kLevelIntroCentreX - kSetNameRoom / 2;
            EXPECT_EQ(countColour(target, x, line.y, kSetNameRoom, line.height, opaque(line.colour)), ink) << line.y;
        }
    }
    // The level's title follows its rank, a long one cut inside the card like the name.
    const int untitled = countColour(target, 0, 0, kGameScreenWidth, kGameScreenHeight, opaque(kSetRankLine.colour));
    set.levels[1].title = set.name;
    draw();
    const int titled = countColour(target, 0, 0, kGameScreenWidth, kGameScreenHeight, opaque(kSetRankLine.colour));
    EXPECT_TRUE(titled > 2 * untitled &&
                titled == countColour(target, kLevelIntroCentreX - kSetNameRoom / 2, kSetRankLine.y, kSetNameRoom,
                                      kSetRankLine.height, opaque(kSetRankLine.colour)));
    game.levelSet = nullptr;
}

// The flags choose the screen; a won run's end puts make-data's gold-on-black plate over the lost one's.
TEST_F(GameScreen, FlagsChooseTheScreenAndAWonRunsEndShowsThePlate)
{
    // The mode, the slide it follows, the screen's colour.
    const std::tuple<GameMode, SlideKind, SDL_Color> screens[] = {
        {GameMode::EndScreen, SlideKind::NoSlide, kLostBackgroundColour},
        {GameMode::NameEntry, SlideKind::NoSlide, kLostBackgroundColour},
        {GameMode::LevelIntro, SlideKind::NoSlide, kLevelBackgroundColour},
        {GameMode::SlideHold, SlideKind::IntroUncovered, kLevelBackgroundColour},
        {GameMode::SlideHold, SlideKind::FinalUncovered, kFinishedBackgroundColour},
        {GameMode::FinalPicture, SlideKind::NoSlide, kFinishedBackgroundColour},
        {GameMode::Question, SlideKind::NoSlide, kGameBackgroundColour},
        {GameMode::Playing, SlideKind::NoSlide, kGameBackgroundColour}};
    for (const auto& [mode, slide, colour] : screens) {
        std::tie(game.mode, game.slide) = std::tie(mode, slide);
        draw();
        EXPECT_TRUE(at(5, 5, colour)) << static_cast<int>(mode);
    }
    SDL_Surface* plate = loadPictureFile(TESSARON_BIN_DIR "/Tessaron Data/Images/Victoire.bmp", 300, 85);
    ASSERT_NE(plate, nullptr) << "make-data has not written Victoire.bmp";
    int gold = 0;
    for (int y = 0; y < 85; ++y)
        for (int x = 0; x < 300; ++x) {
            const SDL_Color c = pixelAt(plate, x, y);
            gold += c.r > 180 && c.g > 120 && c.b < c.g;
        }
    const int black = countColour(plate, 0, 0, 300, 85, kBlack);
    EXPECT_GT(gold, 1500);  // ten letters' worth
    EXPECT_GT(black, 300 * 85 / 2);
    EXPECT_EQ(countColour(plate, 0, 0, 300, 1, kBlack) + countColour(plate, 0, 84, 300, 1, kBlack), 600);
    SDL_FreeSurface(screenState.pictures.victoryPlate);
    // Whether the run was won, the plate, the black on the screen where the plate goes.
    const std::tuple<int, SDL_Surface*, int> ends[] = {{0, plate, 0}, {1, nullptr, 300 * 85}, {1, plate, black}};
    game.mode = GameMode::EndScreen;
    for (const auto& [won, endPlate, blackShown] : ends) {
        game.runWon = won;
        screenState.pictures.victoryPlate = endPlate;
        draw();
        EXPECT_EQ(countColour(target, 350, 10, 300, 85, kBlack), blackShown) << won;
        EXPECT_TRUE(at(400, 95, kLostBackgroundColour) && at(650, 50, kLostBackgroundColour) &&
                    at(349, 50, kLostBackgroundColour));
    }
}

// What could not be saved stands on the end screen, one line each: the record's first, the replay's under it.
TEST_F(GameScreen, TheEndScreenTellsWhatWasNotSavedOneLineEach)
{
    const char* record = "Record non enregistr\xe9 : disque plein";
    const char* replayLine = "Partie non enregistr\351e : disque plein";
    game.mode = GameMode::EndScreen;
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {record, ""}, {"", replayLine}, {record, replayLine}};
    std::vector<std::pair<int, int>> ink;  // in the first line's band and in the second's
    for (const auto& [recordLine, replayText] : cases) {
        std::snprintf(screenState.recordNotSavedText.data(), screenState.recordNotSavedText.size(), "%s", recordLine);
        std::snprintf(screenState.replayNotSavedText.data(), screenState.replayNotSavedText.size(), "%s", replayText);
        draw();
        ink.emplace_back(560 * 26 - countColour(target, 90, 366, 560, 26, kLostBackgroundColour),
                         560 * 26 - countColour(target, 90, 414, 560, 26, kLostBackgroundColour));
    }
    EXPECT_TRUE(ink[0] == std::pair(0, 0) && ink[1].first > 100 && ink[2].first > 100 && ink[1].first != ink[2].first);
    EXPECT_EQ(ink[1].second + ink[2].second, 0);
    EXPECT_EQ(ink[3], std::pair(ink[1].first, ink[3].second));
    EXPECT_GT(ink[3].second, 100);
    // A reason too long for the frame is cut before its edge, never drawn over it.
    screenState.recordNotSavedText.fill('W');
    screenState.recordNotSavedText.back() = '\0';
    draw();
    EXPECT_GT(560 * 26 - countColour(target, 90, 366, 560, 26, kLostBackgroundColour), 100);
    EXPECT_TRUE(countColour(target, 690, 366, 10, 26, kLostBackgroundColour) == 10 * 26 &&
                countColour(target, 700, 366, 40, 26, kBlack) == 40 * 26);
    screenState.recordNotSavedText[0] = screenState.replayNotSavedText[0] = '\0';
}

// The screen lands at (0, 0) and leaves the rest of the target as it was; a slide's frame puts the sliding screen at
// its offset over the still one, 740 rows deep.
TEST_F(GameScreen, ScreensLandAtRestAndSlidesAtTheirOffset)
{
    SDL_Surface* large = makeTarget(800, 800, kSentinel);
    drawGameScreen(large);
    EXPECT_TRUE(hasColour(large, 0, 0, kGameBackgroundColour) && hasColour(large, 739, 549, kBlack));
    EXPECT_TRUE(hasColour(large, 740, 100, kSentinel) && hasColour(large, 0, 550, kSentinel));
    // The slide, its offset, the colour at rows 99 and 100 (the sliding screen starts at its offset).
    const std::tuple<SlideKind, int, SDL_Color, SDL_Color> slides[] = {
        {SlideKind::IntroUncovered, 100, kLevelBackgroundColour, kGameBackgroundColour},
        {SlideKind::BoardRises, 100, kLevelBackgroundColour, kGameBackgroundColour},
        {SlideKind::FinalUncovered, 100, kFinishedBackgroundColour, kGameBackgroundColour},
        {SlideKind::EndUncovered, 100, kLostBackgroundColour, kGameBackgroundColour},
        {SlideKind::WonEndUncovered, 100, kLostBackgroundColour, kFinishedBackgroundColour},
        {SlideKind::EndUncovered, -450, kGameBackgroundColour, kLostBackgroundColour}};
    for (const auto& [slide, offset, above, below] : slides) {
        std::tie(game.mode, game.slide, game.slideOffset) = std::tuple(GameMode::Slide, slide, offset);
        SDL_FillRect(large, nullptr, SDL_MapRGBA(large->format, kSentinel.r, kSentinel.g, kSentinel.b, 255));
        drawSlideFrame(large);
        EXPECT_TRUE(hasColour(large, 5, 99, above) && hasColour(large, 5, 100, below)) << static_cast<int>(slide);
        EXPECT_TRUE(hasColour(large, 5, 740, kSentinel) && hasColour(large, 700, 5, kSentinel));
    }
    SDL_FreeSurface(large);
}

// Kinds and widths that have no picture, and empty slots, draw nothing.
TEST_F(GameScreen, KindsWithoutAPictureDrawNothing)
{
    game.brickTable[0] = Brick{0, 0, kBrickKinds + 1, 0};
    game.brickTable[7] = Brick{300, 60, 0, 0};  // an empty slot with a stale place
    game.bonusTable[0] = FallingBonus{0, 40, kCapsuleKinds + 1};
    game.bonusTable[1] = FallingBonus{0, 60, -1};
    game.paddleWidth = 150;  // no paddle picture for this width
    game.paddleX = 240;
    draw();
    EXPECT_TRUE(allHaveColour(target, {{0, 0}, {0, 40}, {0, 60}, {165, 520}, {300, 60}}, kGameBackgroundColour));
}

// The pause text steps 2 pixels, turning back outside 2 <= x < 346 and 2 <= y < 506, never clamped.
// A watched replay says so on its card and nowhere else: the play screen's help lines and the
// end screen's last line are covered by a card with its lines written on it.
TEST_F(GameScreen, AWatchedReplaySaysSoOnlyOnItsCards)
{
    for (const auto& [over, card] :
         {std::pair(GameMode::Playing, kReplayHelpCard), std::pair(GameMode::EndScreen, kReplayEndCard)}) {
        game.mode = over;
        screenState.watchingReplay = false;
        draw();
        SDL_Surface* played = SDL_DuplicateSurface(target);
        screenState.watchingReplay = true;
        draw();
        const auto [inside, outside] = changedInsideAndOutside(target, played, card);
        EXPECT_EQ(outside, 0) << "screen " << static_cast<int>(over);
        EXPECT_GT(inside, card.w * card.h / 2) << "screen " << static_cast<int>(over) << ": the card is not drawn";
        // Its lines: the card's own colour does not fill it.
        const SDL_Color cardColour{251, 246, 234, 255};
        EXPECT_LT(countColour(target, card.x + 2, card.y + 2, card.w - 4, card.h - 4, cardColour),
                  (card.w - 4) * (card.h - 4) - 100)
            << "screen " << static_cast<int>(over) << ": no line on the card";
        SDL_FreeSurface(played);
    }
}

// A watched replay that departs from its game says so on the card of the screen it stopped on,
// and nowhere else: the side panel's card in play, the foot of the other screens; the tick it
// departed at is written there. One stopped at its end, or by the watcher, shows no such card.
TEST_F(GameScreen, ADepartedReplaySaysWhereOnTheCardOfItsScreen)
{
    screenState.watchingReplay = true;
    for (const auto& [over, card] :
         {std::pair(GameMode::Playing, kReplayHelpCard), std::pair(GameMode::LevelIntro, kReplayEndCard),
          std::pair(GameMode::EndScreen, kReplayEndCard)}) {
        game.mode = over;
        replay = ReplaySession{};
        replay.stopped = true;
        replay.ticks = 40;
        draw();
        SDL_Surface* ended = SDL_DuplicateSurface(target);
        replay.failure = "tick 40: the game asked for a click where the record holds a tick";
        draw();
        const auto [inside, outside] = changedInsideAndOutside(target, ended, card);
        EXPECT_EQ(outside, 0) << "screen " << static_cast<int>(over);
        EXPECT_GT(inside, 50) << "screen " << static_cast<int>(over) << ": the departure is not told";
        SDL_Surface* early = SDL_DuplicateSurface(target);
        replay.ticks = 98765;
        draw();
        EXPECT_GT(changedInsideAndOutside(target, early, card).first, 0) << "screen " << static_cast<int>(over);
        SDL_FreeSurface(early);
        SDL_FreeSurface(ended);
    }
    replay = ReplaySession{};
}

TEST(PauseText, StepsAndBouncesAtTheEdges)
{
    using Step = std::array<int, 4>;  // x, y, dx, dy
    const Step cases[][2] = {
        {{0, 0, 2, 2}, {2, 2, 2, 2}},          {{342, 100, 2, 2}, {344, 102, 2, 2}},
        {{344, 100, 2, 2}, {346, 102, -2, 2}}, {{346, 100, -2, 2}, {344, 102, -2, 2}},
        {{2, 504, -2, 2}, {0, 506, 2, -2}},
    };
    for (const auto& c : cases) {
        std::tie(screenState.pauseTextX, screenState.pauseTextY, screenState.pauseTextDx, screenState.pauseTextDy) =
            std::tuple(c[0][0], c[0][1], c[0][2], c[0][3]);
        movePauseText();
        EXPECT_EQ(
            (Step{screenState.pauseTextX, screenState.pauseTextY, screenState.pauseTextDx, screenState.pauseTextDy}),
            c[1])
            << c[0][0] << "," << c[0][1];
    }
}

// Only a paused play screen moves the pause text; its colour follows its place, its shadow the complement.
TEST_F(GameScreen, PausedPaintMovesThePauseTextAndColoursItByItsPlace)
{
    draw();
    EXPECT_EQ(screenState.pauseTextX, 0);
    game.paused = true;
    draw();
    EXPECT_EQ((std::array<int, 2>{screenState.pauseTextX, screenState.pauseTextY}), (std::array<int, 2>{2, 2}));
    const SDL_Color colour{128, 128, 255, 255};
    const SDL_Color shadow{127, 127, 0, 255};
    ASSERT_GT(countColour(target, 2, 2, 348, 60, colour), 50) << "no text drawn: is a font installed?";
    EXPECT_EQ(countColour(target, 0, 0, 740, 550, colour), countColour(target, 2, 2, 348, 60, colour));
    EXPECT_GT(countColour(target, 4, 4, 348, 60, shadow), 10);
    EXPECT_EQ(countColour(target, 0, 0, 740, 550, shadow), countColour(target, 4, 4, 348, 60, shadow));
    // At (300, 400): r = 128 + 400 * 128 / 510, g = 128 + 300 * 128 / 350, b = 255 - 300 * 255 / 650.
    screenState.pauseTextX = 298;
    screenState.pauseTextY = 398;
    draw();
    EXPECT_GT(countColour(target, 300, 400, 440, 60, SDL_Color{228, 237, 138, 255}), 50);
    EXPECT_GT(countColour(target, 302, 402, 438, 60, SDL_Color{27, 18, 117, 255}), 10);
    game.mode = GameMode::EndScreen;
    draw();
    EXPECT_EQ(screenState.pauseTextX, 300);
}

// Bounds are inclusive, the later of two buttons wins, and only it is marked (entry 0 for none).
TEST_F(Menu, HitTestFindsTheLastButtonUnderThePointerAndMarksOnlyIt)
{
    const std::array<int, 3> cases[] = {{168, 104, 1}, {40, 80, 1},   {169, 104, 0}, {39, 80, 0},  {168, 105, 0},
                                        {100, 79, 0},  {100, 284, 5}, {100, 230, 4}, {100, 160, 3}};
    for (const auto& [x, y, button] : cases) {
        screenState.menuButtons[kCreditsButton].y =
            button == kCreditsButton ? 150 : 180;  // 150: over the lower part of button 2
        EXPECT_EQ(hitTestButtons(x, y), button) << x << "," << y;
        for (int i = button == kNoMenuButton ? kNoMenuButton : kFirstDrawnButton; i <= kLastDrawnButton; ++i)
            EXPECT_EQ(screenState.menuButtons[static_cast<std::size_t>(i)].hovered, i == button ? 1 : 0) << i;
    }
}

// Switching the sound off and on stops nothing that plays and relabels the fourth button.
TEST_F(Menu, SoundSwitchedTwiceIsBackOn)
{
    toggleSound();
    EXPECT_EQ(game.soundEnabled, 0);
    EXPECT_STREQ(screenState.menuButtons[kSoundButton].label.data(), "Sons : OFF");
    toggleSound();
    EXPECT_EQ(game.soundEnabled, 1);
    EXPECT_STREQ(screenState.menuButtons[kSoundButton].label.data(), "Sons : ON");
    EXPECT_EQ(fake.soundStops, 0);
}

// The menu and credits pictures keep their sizes in their frames; the hovered button shows its own.
TEST_F(Menu, MenuAndCreditsPicturesKeepTheirSizesInTheirFrames)
{
    SDL_Surface* menu = makeTarget(300, 500, kSentinel);
    SDL_Surface* credits = makeTarget(800, 800, kSentinel);
    hitTestButtons(50, 190);  // over button 3
    game.currentLevel = 7;
    drawMenu(menu);
    drawCredits(credits);
    // The menu picture fills 220 x 400, the hovered button shows its picture; the credits' 700 x 550 on black.
    EXPECT_TRUE(allHaveColour(menu, {{0, 0}, {219, 399}, {168, 181}}, kMenuBackgroundColour));
    EXPECT_TRUE(hasColour(menu, 41, 81, kButtonColour) &&
                allHaveColour(menu, {{41, 181}, {167, 203}}, kButtonHoverColour));
    EXPECT_TRUE(allHaveColour(credits, {{0, 0}, {699, 549}}, kCreditsBackgroundColour));
    EXPECT_TRUE(allHaveColour(credits, {{700, 0}, {0, 699}, {739, 0}}, kBlack));
    EXPECT_TRUE(allHaveColour(menu, {{220, 0}, {0, 400}}, kSentinel) &&
                allHaveColour(credits, {{740, 0}, {0, 700}}, kSentinel));
    EXPECT_STREQ(screenState.selectedLevelText.data(), "Niveau s\xe9lectionn\xe9 : 7");
    for (SDL_Surface* surface : {menu, credits}) SDL_FreeSurface(surface);
}

// The menu's notice stands on its plate, a reason too long for the menu cut before the plate's edge.
TEST_F(Menu, ANoticeTooLongIsCutInsideItsPlate)
{
    SDL_Surface* menu = makeTarget(220, 400, kSentinel);
    const std::string longReason(120, 'W');
    showMenuNotice("R\xc3\xa9glages non enregistr\xc3\xa9s :", longReason.c_str());
    drawMenu(menu);
    EXPECT_GT(212 * 22 - countColour(menu, 4, 286, 212, 22, pixelAt(menu, 100, 285)), 100) << "no notice drawn";
    for (int y = 286; y < 308; ++y)
        for (int x = 217; x < 220; ++x) ASSERT_TRUE(hasColour(menu, x, y, pixelAt(menu, x, 285))) << x << "," << y;
    screenState.menuNotice = {};
    SDL_FreeSurface(menu);
}

// With the same picture at rest and under the pointer, only the label differs: one pixel higher.
TEST_F(Menu, HoveredLabelStandsOnePixelHigher)
{
    SDL_FreeSurface(screenState.pictures.buttonHoverIcon);
    screenState.pictures.buttonHoverIcon = makeSolidPicture(128, 24, kButtonColour, true);
    setUpButtons();
    SDL_Surface* atRest = makeTarget(220, 400, kSentinel);
    SDL_Surface* underPointer = makeTarget(220, 400, kSentinel);
    drawMenu(atRest);
    hitTestButtons(50, 190);
    drawMenu(underPointer);
    ASSERT_GT(128 * 24 - countColour(atRest, 40, 180, 128, 24, kButtonColour), 20)
        << "no label drawn: is a font installed?";
    for (int y = 180; y < 203; ++y)
        for (int x = 40; x < 168; ++x)
            ASSERT_TRUE(hasColour(underPointer, x, y, pixelAt(atRest, x, y + 1))) << x << "," << y;
    for (SDL_Surface* surface : {atRest, underPointer}) SDL_FreeSurface(surface);
}
