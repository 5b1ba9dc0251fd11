// The game screen: where bricks, paddle, capsules, shots, balls, the aiming guide, lives and
// effect marks land; the side panel's texts; the choice of screen; the copy; the pause text.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>

#include "game/ball.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "screens/drawing_surface.h"
#include "screens/game_screen.h"
#include "screens/pictures.h"
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
        slideOffset = 0;
        runWon = 0;
        installTestPictures();
        target = makeTarget(kGameScreenWidth, kGameScreenHeight, kSentinel);
    }
    void TearDown() override
    {
        SDL_FreeSurface(target);
        removeTestPictures();
    }

    void draw() { drawGameScreen(target); }
    bool at(int x, int y, SDL_Color colour) { return hasColour(target, x, y, colour); }

    SDL_Surface* target = nullptr;
};

}  // namespace

TEST_F(GameScreen, BackgroundKeepsItsSizeAndTheRestOfTheFrameIsBlack)
{
    draw();
    EXPECT_TRUE(at(0, 0, kGameBackgroundColour));
    EXPECT_TRUE(at(699, 549, kGameBackgroundColour));
    EXPECT_TRUE(at(700, 0, kBlack));
    EXPECT_TRUE(at(739, 549, kBlack));
}

// Whether the box (x, y, w, h) is painted in `colour` up to its edges and not one pixel beyond.
bool boxAt(SDL_Surface* target, int x, int y, int w, int h, SDL_Color colour)
{
    return countColour(target, x, y, w, h, colour) == w * h && !hasColour(target, x - 1, y, colour) &&
           !hasColour(target, x + w, y + h - 1, colour) && !hasColour(target, x, y - 1, colour) &&
           !hasColour(target, x + w - 1, y + h, colour);
}

// Every thing on the board lands in its own box: bricks and capsules at their corner, the paddle
// half its width left of its centre (its overlays 60 wide from the same edge), balls from their
// truncated centre less 6, shots two pixels wide from x - 1, lives 20 apart, effect marks at
// their place in the panel (a later one covering an earlier one).
TEST_F(GameScreen, EachThingLandsInItsBox)
{
    struct Case {
        const char* what;
        std::function<void()> set;
        SDL_Rect box;
        SDL_Color colour;
    };
    const auto flag = [](bool GameState::*f) { return [f] { game.*f = true; }; };
    const auto paddle = [](int width, int x) { return [=] { game.paddleWidth = width; game.paddleX = x; }; };
    const Case cases[] = {
        {"brick", [] { game.brickTable[20] = Brick{40, 100, 3, 0}; }, {40, 100, 40, 20}, brickColour(3)},
        {"lower entry covers higher", [] { game.brickTable[5] = Brick{200, 60, 1, 0}; game.brickTable[6] = Brick{200, 60, 2, 0}; },
         {200, 60, 40, 20}, brickColour(1)},
        {"narrow paddle", paddle(30, 200), {185, 520, 30, 15}, paddleColour(1)},
        {"paddle", paddle(60, 200), {170, 520, 60, 15}, paddleColour(2)},
        {"wide paddle", paddle(90, 200), {155, 520, 90, 15}, paddleColour(3)},
        {"armed wins over sticky", [] { game.paddleWidth = 30; game.paddleX = 100; game.bonusArmed = game.bonusSticky = true; },
         {85, 520, 60, 15}, kArmedPaddleColour},
        {"sticky on a wide paddle", [] { game.paddleWidth = 90; game.paddleX = 200; game.bonusSticky = true; },
         {155, 520, 60, 15}, kStickyPaddleColour},
        {"random bounces", [] { game.paddleWidth = 90; game.paddleX = 200; game.bonusRandomBounce = true; },
         {155, 520, 60, 15}, kBouncePaddleColour},
        {"capsule", [] { game.bonusTable[79] = FallingBonus{100, 200, 7}; }, {100, 200, 20, 10}, capsuleColour(7)},
        {"shot", [] { game.shotTable[10] = Shot{200, 300, 1}; }, {199, 300, 2, 8}, kShotGreen},
        {"ball", [] { game.balls[0].x = 100.9; game.balls[0].y = 200.5; }, {94, 194, 12, 12}, kBallColour},
        {"second ball", [] { game.ballCount = 2; game.balls[1].x = game.balls[1].y = 300.0; game.balls[1].icon = BallIcon::Fire; },
         {294, 294, 12, 12}, kFireBallColour},
        {"first life", [] { game.livesLeft = 1; }, {520, 270, 12, 12}, kBallColour},
        {"third life", [] { game.livesLeft = 3; }, {560, 270, 12, 12}, kBallColour},
        {"wide paddle mark", flag(&GameState::bonusWidePaddle), {520, 330, 20, 10}, capsuleColour(1)},
        {"narrow paddle mark", flag(&GameState::bonusNarrowPaddle), {520, 330, 20, 10}, capsuleColour(2)},
        {"fast ball mark", flag(&GameState::bonusFastBall), {560, 330, 20, 10}, capsuleColour(3)},
        {"slow ball mark", flag(&GameState::bonusSlowBall), {560, 330, 20, 10}, capsuleColour(4)},
        {"fire ball mark", flag(&GameState::bonusFireBall), {600, 330, 20, 10}, capsuleColour(5)},
        {"two balls mark", flag(&GameState::bonusTwoBalls), {600, 330, 20, 10}, capsuleColour(12)},
        {"mirror mark", flag(&GameState::bonusMirror), {640, 330, 20, 10}, capsuleColour(9)},
        {"sticky mark", flag(&GameState::bonusSticky), {520, 330, 20, 10}, capsuleColour(10)},
        {"armed mark", flag(&GameState::bonusArmed), {520, 330, 20, 10}, capsuleColour(11)},
        {"random bounce mark", flag(&GameState::bonusRandomBounce), {520, 330, 20, 10}, capsuleColour(13)},
        {"two balls over fire ball", [] { game.bonusFireBall = game.bonusTwoBalls = true; }, {600, 330, 20, 10}, capsuleColour(12)},
        {"armed over wide paddle", [] { game.bonusWidePaddle = game.bonusArmed = true; }, {520, 330, 20, 10}, capsuleColour(11)},
    };
    const GameState start = game;
    for (const Case& c : cases) {
        game = start;
        c.set();
        draw();
        EXPECT_TRUE(boxAt(target, c.box.x, c.box.y, c.box.w, c.box.h, c.colour)) << c.what;
    }
    // A second ball out of play, no lives and no effects leave nothing of theirs.
    game = start;
    game.balls[1].x = game.balls[1].y = 300.0;
    game.balls[1].icon = BallIcon::Fire;
    draw();
    EXPECT_EQ(countColour(target, 0, 0, 740, 550, kFireBallColour), 0);
    EXPECT_EQ(countColour(target, 500, 270, 80, 12, kGameBackgroundColour), 80 * 12);
    EXPECT_EQ(countColour(target, 520, 330, 140, 10, kGameBackgroundColour), 140 * 10);
}

TEST_F(GameScreen, BallCornerIsTruncatedTowardZero)
{
    // 5.5 - 6 = -0.5 puts the corner at 0, not -1, so the picture's first column shows at x = 0.
    SDL_Surface* marked = makeSolidPicture(12, 12, kBallColour, true);
    SDL_Rect firstColumn{0, 0, 1, 12};
    SDL_FillRect(marked, &firstColumn, SDL_MapRGBA(marked->format, 1, 2, 3, 255));
    SDL_FreeSurface(pictures.ballIconNormal);
    pictures.ballIconNormal = marked;
    game.balls[0].x = 5.5;
    game.balls[0].y = 100.0;
    draw();
    EXPECT_TRUE(at(0, 94, SDL_Color{1, 2, 3, 255}));
    EXPECT_TRUE(at(11, 94, kBallColour));
    EXPECT_FALSE(at(12, 94, kBallColour));
}

TEST_F(GameScreen, AimingGuideStartsOneStepAheadInEachBallsColour)
{
    game.bonusSticky = true;
    game.balls[0].held = 1;  // (255, 512), straight up at speed 4
    draw();
    // First step: (255, 506.5), and one direction back: (255, 507.5).
    EXPECT_TRUE(at(255, 506, kGuideRed));
    EXPECT_TRUE(at(255, 507, kGuideRed));
    EXPECT_TRUE(at(255, 501, kGuideRed));  // second step, 501.0
    EXPECT_FALSE(at(256, 506, kGuideRed));

    // The second ball's guide is dark green, and only with two balls in play.
    game.balls[0].held = 0;
    game.balls[1].held = 1;
    game.balls[1].x = 100.0;
    game.balls[1].y = 400.0;
    game.balls[1].vx = 0.0;
    game.balls[1].vy = -4.0;
    draw();
    EXPECT_EQ(countColour(target, 0, 0, 480, 550, kGuideDarkGreen), 0);
    EXPECT_EQ(countColour(target, 0, 0, 480, 550, kGuideRed), 0);
    game.ballCount = 2;
    draw();
    EXPECT_TRUE(at(100, 394, kGuideDarkGreen));
    EXPECT_TRUE(at(100, 395, kGuideDarkGreen));

    // No guide without the sticky paddle.
    game.bonusSticky = false;
    draw();
    EXPECT_EQ(countColour(target, 0, 0, 480, 550, kGuideDarkGreen), 0);
}

TEST_F(GameScreen, AimingGuideTurnsOnlyBeyondTheWallsAndNeverAtTheBottom)
{
    game.bonusSticky = true;
    Ball& ball = game.balls[0];
    ball.held = 1;
    ball.y = 300.0;

    // Rightwards from 468.5: 474 exactly goes on, 479.5 turns back, its second pixel at 480.5.
    ball.x = 468.5;
    ball.vx = 4.0;
    ball.vy = 0.0;
    draw();
    EXPECT_TRUE(at(474, 300, kGuideRed));
    EXPECT_TRUE(at(479, 300, kGuideRed));
    EXPECT_TRUE(at(480, 300, kGuideRed));

    // Leftwards from 11.5: 6 exactly goes on, 0.5 turns back, its second pixel at -0.5 -> 0.
    ball.x = 11.5;
    ball.vx = -4.0;
    draw();
    EXPECT_TRUE(at(6, 300, kGuideRed));
    EXPECT_TRUE(at(0, 300, kGuideRed));

    // Downwards nothing turns it: the path runs out of the frame.
    ball.x = 240.0;
    ball.y = 514.0;
    ball.vx = 0.0;
    ball.vy = 4.0;
    draw();
    EXPECT_TRUE(at(240, 519, kGuideRed));
    EXPECT_TRUE(at(240, 547, kGuideRed));
    EXPECT_EQ(countColour(target, 240, 0, 1, 500, kGuideRed), 0);

    // Upwards it turns below y = 6: from 17, steps at 11.5 and 6 go on, 0.5 turns down.
    ball.y = 17.0;
    ball.vy = -4.0;
    draw();
    EXPECT_TRUE(at(240, 6, kGuideRed));
    EXPECT_TRUE(at(240, 0, kGuideRed));
    EXPECT_TRUE(at(240, 5, kGuideRed));  // one step behind 6 in the new, downward direction
    EXPECT_FALSE(at(240, 1, kGuideRed));
    EXPECT_TRUE(at(240, 396, kGuideRed));
}

TEST_F(GameScreen, SidePanelTextsAreComposedExactly)
{
    const std::array<char, 9> savedCode = levelCodes[3];
    std::snprintf(levelCodes[3].data(), levelCodes[3].size(), "PIXEL4");
    game.currentLevel = 3;
    game.score = 12345;
    game.bricksBroken = 17;
    const char* expected[] = {
        "Niveau : 3 ",
        "Score : 12345 ",
        "Tessas cass\xe9" "es : 17",
        "Vies restantes : ",
        "Bonus en cours : ",
        "Code Secret du",
        "niveau: PIXEL4 ",
    };
    for (int line = 0; line < 7; ++line) {
        const int count = composeSidePanelLine(line);
        EXPECT_EQ(std::string(pathBuffer.data(), static_cast<std::size_t>(count)), expected[line])
            << "line " << line;
    }
    // The two labels are cut from texts with four trailing blanks.
    composeSidePanelLine(3);
    EXPECT_STREQ(pathBuffer.data(), "Vies restantes :    ");

    // The last composition of a paint stays in the shared scratch text.
    draw();
    EXPECT_STREQ(pathBuffer.data(), "niveau: PIXEL4 ");
    game.bonusArmed = true;
    game.shotsLeft = 12;
    draw();
    EXPECT_STREQ(pathBuffer.data(), "12");

    // After the last level there is no code to show.
    game.currentLevel = 26;
    composeSidePanelLine(6);
    EXPECT_STREQ(pathBuffer.data(), "niveau:  ");
    composeSidePanelLine(0);
    EXPECT_STREQ(pathBuffer.data(), "Niveau : 26 ");
    levelCodes[3] = savedCode;
}

TEST_F(GameScreen, FlagsChooseTheScreenInTheirOrder)
{
    game.gameOverShown = 1;
    game.levelIntroShown = 1;
    game.victoryShown = 1;
    draw();
    EXPECT_TRUE(at(5, 5, kLostBackgroundColour));

    game.gameOverShown = 0;
    draw();
    EXPECT_TRUE(at(5, 5, kLevelBackgroundColour));

    game.levelIntroShown = 0;
    draw();
    EXPECT_TRUE(at(5, 5, kFinishedBackgroundColour));

    game.victoryShown = 0;
    draw();
    EXPECT_TRUE(at(5, 5, kGameBackgroundColour));
}

TEST_F(GameScreen, EndScreenOfAWonRunHidesTheTopWithABlackBox)
{
    game.gameOverShown = 1;
    draw();
    EXPECT_TRUE(at(400, 50, kLostBackgroundColour));
    runWon = 1;
    draw();
    EXPECT_TRUE(at(350, 10, kBlack));
    EXPECT_TRUE(at(649, 94, kBlack));
    EXPECT_TRUE(at(650, 50, kLostBackgroundColour));
    EXPECT_TRUE(at(400, 95, kLostBackgroundColour));
    EXPECT_TRUE(at(349, 50, kLostBackgroundColour));
}

TEST_F(GameScreen, CopyLandsAtTheSlideOffsetAndLeavesTheRestOfTheTarget)
{
    SDL_Surface* large = makeTarget(800, 700, kSentinel);
    slideOffset = 100;
    drawGameScreen(large);
    EXPECT_TRUE(hasColour(large, 0, 99, kSentinel));
    EXPECT_TRUE(hasColour(large, 0, 100, kGameBackgroundColour));
    EXPECT_TRUE(hasColour(large, 739, 649, kBlack));
    EXPECT_TRUE(hasColour(large, 740, 100, kSentinel));
    EXPECT_TRUE(hasColour(large, 0, 650, kSentinel));

    slideOffset = -600;
    SDL_Surface* untouched = makeTarget(800, 700, kSentinel);
    drawGameScreen(untouched);
    EXPECT_EQ(countColour(untouched, 0, 0, 800, 700, kSentinel), 800 * 700);

    slideOffset = -549;  // one row left in view
    drawGameScreen(untouched);
    EXPECT_TRUE(hasColour(untouched, 0, 0, kGameBackgroundColour));
    EXPECT_TRUE(hasColour(untouched, 0, 1, kSentinel));
    SDL_FreeSurface(untouched);
    SDL_FreeSurface(large);
    drawGameScreen(nullptr);
}

TEST_F(GameScreen, KindsWithoutAPictureAndMissingPicturesDrawNothing)
{
    game.brickTable[0] = Brick{0, 0, 9, 0};
    game.brickTable[7] = Brick{300, 60, 0, 0};  // an empty slot with a stale place
    game.bonusTable[0] = FallingBonus{0, 40, 14};
    game.bonusTable[1] = FallingBonus{0, 60, -1};
    game.paddleWidth = 150;  // no paddle picture for this width
    game.paddleX = 240;
    draw();
    EXPECT_TRUE(at(0, 0, kGameBackgroundColour));
    EXPECT_TRUE(at(0, 40, kGameBackgroundColour));
    EXPECT_TRUE(at(0, 60, kGameBackgroundColour));
    EXPECT_TRUE(at(165, 520, kGameBackgroundColour));
    EXPECT_TRUE(at(300, 60, kGameBackgroundColour));

    removeTestPictures();
    game.shotTable[0] = Shot{100, 100, 1};
    draw();
    EXPECT_TRUE(at(0, 0, kBlack));
    EXPECT_TRUE(at(100, 100, kShotGreen));
}

// The pause text steps 2 pixels a paint and turns back once a coordinate leaves 2 <= x < 346
// (2 <= y < 506), both at once in a corner; the position itself is never clamped.
TEST(PauseText, StepsAndBouncesAtTheEdges)
{
    const struct {
        int x, y, dx, dy;
        int afterX, afterY, afterDx, afterDy;
    } cases[] = {
        {0, 0, 2, 2, 2, 2, 2, 2},         {342, 100, 2, 2, 344, 102, 2, 2},
        {344, 100, 2, 2, 346, 102, -2, 2}, {346, 100, -2, 2, 344, 102, -2, 2},
        {2, 504, -2, 2, 0, 506, 2, -2},
    };
    for (const auto& c : cases) {
        pauseTextX = c.x;
        pauseTextY = c.y;
        pauseTextDx = c.dx;
        pauseTextDy = c.dy;
        movePauseText();
        using Step = std::array<int, 4>;
        EXPECT_EQ((Step{pauseTextX, pauseTextY, pauseTextDx, pauseTextDy}), (Step{c.afterX, c.afterY, c.afterDx, c.afterDy}))
            << "from " << c.x << "," << c.y;
    }
}

TEST_F(GameScreen, PausedPaintMovesThePauseTextOnceAndOtherwiseNot)
{
    pauseTextX = 0;
    pauseTextY = 0;
    pauseTextDx = 2;
    pauseTextDy = 2;
    draw();
    EXPECT_EQ(pauseTextX, 0);
    game.paused = true;
    draw();
    EXPECT_EQ(pauseTextX, 2);
    EXPECT_EQ(pauseTextY, 2);
    game.gameOverShown = 1;  // only the play screen shows the pause text
    draw();
    EXPECT_EQ(pauseTextX, 2);
}

TEST_F(GameScreen, PauseTextColourDriftsWithItsPlaceAndItsShadowIsTheComplement)
{
    game.paused = true;
    pauseTextDx = 2;
    pauseTextDy = 2;

    // First paint from (0, 0): drawn at (2, 2) in (128, 128, 255), shadow (127, 127, 0) at (4, 4).
    pauseTextX = 0;
    pauseTextY = 0;
    draw();
    const SDL_Color colour{128, 128, 255, 255};
    const SDL_Color shadow{127, 127, 0, 255};
    ASSERT_GT(countColour(target, 2, 2, 348, 60, colour), 50) << "no text drawn: is a font installed?";
    EXPECT_EQ(countColour(target, 0, 0, 740, 550, colour), countColour(target, 2, 2, 348, 60, colour));
    EXPECT_GT(countColour(target, 4, 4, 348, 60, shadow), 10);
    EXPECT_EQ(countColour(target, 0, 0, 740, 550, shadow), countColour(target, 4, 4, 348, 60, shadow));

    // At (300, 400): r = 128 + 400 * 128 / 510, g = 128 + 300 * 128 / 350, b = 255 - 300 * 255 / 650.
    pauseTextX = 298;
    pauseTextY = 398;
    draw();
    EXPECT_GT(countColour(target, 300, 400, 440, 60, SDL_Color{228, 237, 138, 255}), 50);
    EXPECT_GT(countColour(target, 302, 402, 438, 60, SDL_Color{27, 18, 117, 255}), 10);
}

TEST_F(GameScreen, SidePanelTextLeavesThePictureBetweenItsLetters)
{
    draw();
    // The line "Niveau : 1 " at (510, 120) in the thin 25-pixel font.
    const int between = countColour(target, 510, 120, 120, 25, kGameBackgroundColour);
    const int letters = 120 * 25 - between;
    ASSERT_GT(letters, 30) << "no text drawn: is a font installed?";
    EXPECT_GT(between, letters);
    // Nothing is drawn between the top of the panel and the first line's cell.
    EXPECT_EQ(countColour(target, 500, 0, 200, 120, kGameBackgroundColour), 200 * 120);
}

TEST(ElapsedTime, CountsForwardAndNeverBackwards)
{
    EXPECT_EQ(elapsedMs(1000, 1017), 17);
    EXPECT_EQ(elapsedMs(1000, 1000), 0);
    EXPECT_EQ(elapsedMs(1000, 400), 0);
}
