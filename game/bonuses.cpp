// Bonus capsules: the 68-way kind draw, the catch by the paddle, and the thirteen effects.
#include "game/bonuses.h"

#include <array>

#include "game/ball.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/random.h"

namespace {

// Upper bounds of rand() % 68 for kinds 1 to 13: kind 6 the most frequent, 5 and 7 the rarest.
constexpr std::array<int, 13> kKindDrawBounds{5, 10, 17, 20, 22, 32, 34, 40, 45, 50, 57, 61, 67};
constexpr int kPaddleBottom = 535;
// Turns of 0.08 that bring any direction round the whole circle.
constexpr int kMaxFlatTurns = 80;

int drawCapsuleKind()
{
    const int r = nextRandom() % 68;
    int kind = 1;
    while (r > kKindDrawBounds[kind - 1]) ++kind;
    return kind;
}

void releaseHeldBalls()
{
    game.balls[0].held = 0;
    game.balls[1].held = 0;
}

// The paddle modes (sticky, armed, random bounces) replace one another and any width bonus:
// the paddle is back to its normal width and lets its held balls go.
void leavePaddleModes()
{
    game.paddleWidth = 60;
    releaseHeldBalls();
    game.bonusNarrowPaddle = false;
    game.bonusWidePaddle = false;
    game.bonusSticky = false;
    game.bonusArmed = false;
    game.bonusRandomBounce = false;
}

// A mode that can be caught again: on, it ends the others; caught again, it switches off.
void togglePaddleMode(bool GameState::*mode)
{
    const bool on = !(game.*mode);
    leavePaddleModes();
    game.*mode = on;
}

// A random direction for one ball. A direction so flat that the ball's vertical step truncates
// to nothing is turned by 0.08 until it has one: a single turn can leave it flat (from k = 3,
// 3 - pi turns to -0.06), and a ball crawling sideways would take minutes to come down.
void randomDirection(Ball& ball)
{
    ball.angle = static_cast<double>((nextRandom() % 62) / 10) - kPi;
    updateVelocities();
    for (int turns = 0; static_cast<int>(ball.vy) == 0 && turns < kMaxFlatTurns; ++turns) {
        ball.angle += 0.08;
        updateVelocities();
    }
}

}  // namespace

int releaseCapsule(int x, int y)
{
    for (FallingBonus& capsule : game.bonusTable) {
        if (capsule.kind != 0) continue;
        const int kind = drawCapsuleKind();
        capsule.x = x;
        capsule.y = y;
        capsule.kind = kind;
        return kind;
    }
    return 0;
}

void applyBonus(int kind)
{
    switch (kind) {
    case 1:  // wider paddle
        game.paddleWidth += 30;
        game.bonusArmed = false;
        game.bonusSticky = false;
        releaseHeldBalls();
        game.bonusRandomBounce = false;
        if (game.paddleWidth > 90) game.paddleWidth = 90;
        if (game.bonusNarrowPaddle) game.bonusNarrowPaddle = false;
        else game.bonusWidePaddle = true;
        break;
    case 2:  // narrower paddle
        game.paddleWidth -= 30;
        game.bonusSticky = false;
        game.bonusArmed = false;
        releaseHeldBalls();
        game.bonusRandomBounce = false;
        if (game.paddleWidth < 30) game.paddleWidth = 30;
        if (game.bonusWidePaddle) game.bonusWidePaddle = false;
        else game.bonusNarrowPaddle = true;
        break;
    case 3:  // faster ball
        game.ballSpeed *= 2;
        if (game.ballSpeed > 8) game.ballSpeed = 8;
        if (game.ballSpeed == 8) game.bonusFastBall = true;
        game.bonusSlowBall = false;
        updateVelocities();
        break;
    case 4:  // slower ball
        game.ballSpeed /= 2;
        if (game.ballSpeed < 2) game.ballSpeed = 2;
        if (game.ballSpeed == 2) game.bonusSlowBall = true;
        game.bonusFastBall = false;
        updateVelocities();
        break;
    case 5:  // fire ball
        game.bonusFireBall = !game.bonusFireBall;
        game.bonusTwoBalls = false;
        game.ballCount = 1;
        game.balls[0].icon = game.bonusFireBall ? BallIcon::Fire : BallIcon::Normal;
        break;
    case 6:  // random directions
        randomDirection(game.balls[0]);
        randomDirection(game.balls[1]);
        break;
    case 7:  // extra life
        if (game.livesLeft < kMaxLives) game.livesLeft += 1;
        break;
    case 8:  // lost life
        if (game.livesLeft > 0) game.livesLeft -= 1;
        break;
    case 9:  // mirrored paddle
        game.bonusMirror = !game.bonusMirror;
        break;
    case 10:  // sticky paddle
        togglePaddleMode(&GameState::bonusSticky);
        break;
    case 11:  // armed paddle
        game.shotsLeft += 15;
        leavePaddleModes();
        game.bonusArmed = true;
        break;
    case 12:  // second ball
        game.bonusFireBall = false;
        if (!game.bonusTwoBalls) {
            game.bonusTwoBalls = true;
            game.ballCount = 2;
            Ball& first = game.balls[0];
            Ball& second = game.balls[1];
            first.icon = BallIcon::Normal;
            first.angle += 0.2;
            second.angle = first.angle - 0.4;
            second.x = first.x;
            second.y = first.y;
            updateVelocities();
        }
        break;
    case 13:  // random bounce
        togglePaddleMode(&GameState::bonusRandomBounce);
        break;
    default:
        break;
    }
}

void catchCapsules()
{
    for (FallingBonus& capsule : game.bonusTable) {
        if (capsule.kind == 0) continue;
        // An effect may change the paddle's width, so each capsule sees the paddle as it is now.
        const int left = game.paddleX - game.paddleWidth / 2;
        const int right = game.paddleX + game.paddleWidth / 2;
        const bool caught = capsule.x + kCapsuleWidth > left && capsule.x < right &&
                            capsule.y + kCapsuleHeight > kPaddleTop && capsule.y < kPaddleBottom;
        if (!caught) continue;
        game.score += 500;
        playCue("bonus");
        applyBonus(capsule.kind);
        capsule.kind = 0;
    }
}
