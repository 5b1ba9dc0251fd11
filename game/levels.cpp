// The level boards (being laid out: only the random board so far).
#include "game/levels.h"

#include "game/game_state.h"
#include "game/random.h"

void placeBrick(int index, int kind, int x, int y)
{
    if (index < 0 || index >= kBrickCount) return;
    Brick& brick = game.brickTable[index];
    brick.kind = kind;
    brick.x = x;
    brick.y = y;
}

void layLevel(int)
{
    for (int column = 0; column < 12; ++column) {
        for (int row = 0; row < 12; ++row) {
            placeBrick(column * 12 + row, nextRandom() % 8 + 1, column * 40, 100 + row * 20);
        }
    }
}
