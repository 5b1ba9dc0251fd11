// The 25 level boards and the random board, laid into game.brickTable.
#pragma once

constexpr int kLevelCount = 25;

// Lays the board of `level` into game.brickTable, whose entries the level-start reset has
// emptied (kind and group 0). Any number outside 1..25 gets the random board, drawn from
// the game's generator. Never writes outside the table.
void layLevel(int level);

// Sets entry `index` to the given kind and top-left corner; its group is left as it is.
void placeBrick(int index, int kind, int x, int y);
