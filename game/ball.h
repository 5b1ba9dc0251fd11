// Ball motion: one tick of one ball, the velocity update with the timer speed-up, degrees.
#pragma once

// One tick of ball n (1: game.balls[0], 2: game.balls[1]): step, walls, paddle, loss at
// the bottom, and the sweep of its path against the bricks. May hand over to lifeLost.
void stepBall(int n);

// Brings both balls' angles back into [-pi, pi], recomputes both velocities from
// game.ballSpeed, and every tenth call shortens the game timer by 1 ms down to 10 ms.
void updateVelocities();

// Degrees to radians with the game's pi.
double degToRad(double degrees);
