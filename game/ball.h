// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Ball motion: one tick of one ball, the velocity update with the timer speed-up, degrees,
// and the geometry a ball moves in.
#pragma once

// A ball is a 12 x 12 box around its centre. The centre stays between the side walls and
// below the top wall; below the paddle line it meets the paddle (a held ball rests on that
// line), a bounce lifts it back to the bounce ceiling, and past the loss line it is out of play.
constexpr double kBallRadius = 6;
constexpr double kBallLeftWall = 6;
constexpr double kBallRightWall = 474;
constexpr double kBallTopWall = 6;
constexpr double kPaddleLine = 514;
constexpr double kBounceCeiling = 512;
constexpr double kLossLine = 535;
// How close to the horizontal a bounce or a push may send a ball.
constexpr double kAngleMargin = 0.06;

// The angle a ball leaves the paddle at: `incoming` reflected, turned 1.5 degrees per pixel of
// offset d from the paddle's centre outside ball n's dead zone, and kept kAngleMargin off the
// horizontal.
double paddleBounceAngle(double incoming, int d, int n);

struct Ball;

// Brings `ball`'s angle back into [-pi, pi] (one correction of 2 pi) and sets its velocity
// from that angle at `speed` pixels a tick. The velocity update does this for both balls.
void aimBall(Ball& ball, int speed);

// The walls a ball met in its flight of one tick.
struct WallContacts {
    bool side;  // a side wall: x set back onto it and the angle turned (pi - angle)
    bool top;   // the top wall, rising: the angle turned (-angle) and one more step taken
};

// A ball's flight through one tick before the paddle and the bricks: the step (none for a held
// ball), the side walls, and the top wall while the ball rises. After each bounce the ball is
// aimed anew at `speed`. It changes `ball` and nothing else, so that whoever foresees a ball's
// path (the autopilot) moves it exactly as the game does; the game adds the score, the cues
// and the velocity updates that each contact costs.
WallContacts flyBall(Ball& ball, int speed);

// One tick of ball n (1: game.balls[0], 2: game.balls[1]): step, walls, paddle, loss at
// the bottom, and the sweep of its path against the bricks. May end a life (lastBallLost).
void stepBall(int n);

// Brings both balls' angles back into [-pi, pi], recomputes both velocities from
// game.ballSpeed, and every tenth call shortens the game timer by 1 ms down to 10 ms.
void updateVelocities();

// Degrees to radians with the game's pi.
double degToRad(double degrees);
