// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The boards of levels 1..kLevelCount, kept as constant placement tables, and the random board.
#include "game/levels.h"

#include <array>
#include <cstdint>
#include <iterator>

#include "game/game_state.h"
#include "game/random.h"

namespace {

// How one placement lays its bricks.
enum class Shape : std::uint8_t {
    Line,     // one brick per character of `kinds`, each (dx, dy) from the one before
    Pair,     // placeBrickPair: kinds[0] on top, kinds[1] below
    Diamond,  // placeBrickDiamond: kinds[0] top and bottom, kinds[1] at the sides
    Cross,    // kinds[0] above, left of, right of and below a kinds[1] centre at (x, y)
};

// A run of bricks in a level's table. A placement is laid `repeats` times, each time
// (rx, ry) further on; every brick it lays takes the next entry and the placement's group.
struct Placement {
    Shape shape;
    const char* kinds;  // '1' to '8' a brick of that kind; '.' no brick (and no entry used)
    int x;              // top-left corner of the first brick
    int y;
    int dx;  // Line: step from one character's brick to the next
    int dy;
    int repeats;  // how many times the whole placement is laid
    int rx;       // step from one repeat to the next
    int ry;
    int group;  // 0 none, 1-5 the disappearing group of every brick laid
};

constexpr Placement line(int x, int y, const char* kinds, int dx, int dy, int repeats = 1, int rx = 0, int ry = 0)
{
    return Placement{Shape::Line, kinds, x, y, dx, dy, repeats, rx, ry, 0};
}

// Bricks side by side, 40 apart, from (x, y) to the right.
constexpr Placement row(int x, int y, const char* kinds) { return line(x, y, kinds, 40, 0); }

// `count` copies of a row, each 20 lower than the one before.
constexpr Placement rows(int x, int y, const char* kinds, int count) { return line(x, y, kinds, 40, 0, count, 0, 20); }

// Bricks one above the other, from (x, y) downwards.
constexpr Placement column(int x, int y, const char* kinds) { return line(x, y, kinds, 0, 20); }

constexpr Placement pair(int x, int y, const char* kinds, int repeats = 1, int rx = 0, int ry = 0)
{
    return Placement{Shape::Pair, kinds, x, y, 0, 0, repeats, rx, ry, 0};
}

constexpr Placement diamond(int x, int y, const char* kinds)
{
    return Placement{Shape::Diamond, kinds, x, y, 0, 0, 1, 0, 0, 0};
}

constexpr Placement cross(int x, int y, const char* kinds)
{
    return Placement{Shape::Cross, kinds, x, y, 0, 0, 1, 0, 0, 0};
}

constexpr Placement inGroup(int group, Placement placement)
{
    placement.group = group;
    return placement;
}

// The boards and their index are laid out as the levels read: the formatter leaves them be.
// clang-format off
// Levels 1 to 5, brick by brick in reading order of their maps.

constexpr Placement level1[] = {
    row(120, 60, "523325"),
    rows(80, 80, "15233251", 7),
    row(120, 220, "523325"),
};

// A hard-brick frame round two indestructible bricks, and a rainbow block laid column by
// column, each column holding kinds 1 to 7 from the top.
constexpr Placement level2[] = {
    row(20, 30, "66666"),
    row(20, 50, "6...6"),
    rows(20, 70, "6.8.6", 2),
    row(20, 110, "6...6"),
    row(20, 130, "66666"),
    line(160, 200, "1234567", 0, 20, 8, 40, 0),
};

// A hard-brick frame with an open diamond of ordinary bricks inside.
constexpr Placement level3[] = {
    rows(0, 100, "666666666666", 2),
    row(0, 140, "611111111116"),
    row(0, 160, "62222..22226"),
    row(0, 180, "6333....3336"),
    row(0, 200, "644......446"),
    rows(0, 220, "65........56", 2),
    row(0, 260, "644......446"),
    row(0, 280, "6333....3336"),
    row(0, 300, "62222..22226"),
    rows(0, 320, "666661166666", 2),
};

// An indestructible roof and side walls; the kind-3 row at y 122 overlaps the kind-2 row.
constexpr Placement level4[] = {
    rows(0, 0, "888888888888", 6),
    row(0, 120, "882222222288"),
    row(80, 122, "33333333"),
    rows(0, 140, "88........88", 2),
    row(0, 180, "884444444488"),
    row(0, 200, "885555555588"),
    row(0, 220, "884444444488"),
    rows(0, 240, "88........88", 3),
    row(0, 300, "881111111188"),
    row(0, 320, "882222222288"),
    row(0, 340, "883333333388"),
    rows(0, 360, "88........88", 2),
    rows(0, 400, "886666666688", 2),
    rows(0, 440, "88........88", 3),
};

// A checkered diamond above a hard-brick pyramid on an indestructible foot.
constexpr Placement level5[] = {
    row(200, 20, "15"),
    row(160, 40, "1515"),
    row(120, 60, "151515"),
    row(80, 80, "15151515"),
    row(80, 100, "51515151"),
    row(80, 120, "15151515"),
    row(80, 140, "51515151"),
    row(120, 160, "515151"),
    row(160, 180, "5151"),
    row(200, 200, "51"),
    row(200, 260, "66"),
    row(160, 280, "6776"),
    row(120, 300, "676676"),
    row(80, 320, "67677676"),
    row(40, 340, "6767667676"),
    row(80, 360, "67677676"),
    row(200, 380, "88"),
};

// Four full rows on top; three double rows of hard bricks shifted right, left, right, each
// leaving a 40-pixel passage; an indestructible lid over five bricks at the bottom centre.
constexpr Placement level6[] = {
    rows(0, 20, "333333333333", 4),
    rows(40, 160, "66666666666", 2),
    rows(0, 240, "66666666666", 2),
    rows(40, 320, "66666666666", 2),
    row(160, 360, "88888"),
    row(160, 380, "33333"),
};

// Thirteen rows of mirrored columns round an indestructible spine at x 220 (the row's
// characters are 20 pixels apart), on a floor of hard bricks.
constexpr Placement level7[] = {
    line(0, 80, "1.2....4.5.8.5.4....2.1", 20, 0, 13, 0, 20),
    row(0, 340, "666666666666"),
};

// An indestructible house, open below, holding kind 3 over hard bricks, its right wall one
// brick longer than its left; staggered hard bricks below, a row of hard and indestructible
// bricks over two full rows. A keystone once stood in the house's doorway: its top sent the
// ball back up under the roof, and a ball could bounce between the two for ever.
constexpr Placement level8[] = {
    row(120, 40, "888888"),
    rows(120, 60, "833338", 2),
    rows(120, 100, "866668", 2),
    rows(120, 140, "8....8", 3),
    row(320, 200, "8"),
    line(20, 290, "666666", 80, 0),
    line(60, 340, "66666", 80, 0),
    row(0, 380, "686868686868"),
    rows(0, 400, "333333333333", 2),
    line(60, 440, "666", 160, 0),
};

// A stepped block of five equal columns falling to the right, a block whose columns rise
// towards the right edge, and three rows with a hard middle column at the bottom.
constexpr Placement level9[] = {
    column(20, 60, "11111"),
    column(60, 80, "55555"),
    column(100, 100, "11111"),
    column(140, 120, "55555"),
    column(180, 140, "11111"),
    column(260, 180, "555"),
    column(300, 140, "11111"),
    column(340, 120, "555555"),
    column(380, 100, "1111111"),
    column(420, 80, "55555555"),
    row(100, 400, "1116111"),
    row(100, 420, "5556555"),
    row(100, 440, "1116111"),
};

// Indestructible top corners, a cap, a checker between two hard rows, and alternating
// rows of motifs below.
constexpr Placement level10[] = {
    rows(0, 0, "8..........8", 2),
    row(160, 20, "2222"),
    row(80, 40, "22222222"),
    row(40, 60, "6666666666"),
    line(40, 80, "22222", 80, 0),
    line(80, 100, "22222", 80, 0),
    row(40, 120, "6666666666"),
    line(20, 170, "222222", 80, 0),
    line(60, 230, "66666", 80, 0),
    line(20, 290, "222222", 80, 0),
    line(60, 350, "88888", 80, 0),
    line(60, 420, "22222", 80, 0),
};

// Six diamonds and two crosses of kinds 1 and 8 on 10-pixel offsets, a hard row; at the
// bottom a row of kind 1 over indestructible pillars with kind-1 bricks between them. Two
// staggered indestructible rows once lay there, facing each other across a 60-pixel
// channel: a ball that got between them bounced from one to the other for ever. The figures
// below the hard row stand off the centre line: laid in mirror image round a bar in the
// middle, they let a ball circle between them and the top wall, landing on the bar each time.
constexpr Placement level11[] = {
    diamond(60, 30, "18"),
    diamond(220, 30, "81"),
    diamond(380, 30, "18"),
    row(20, 110, "1.6666666.1"),
    diamond(120, 170, "81"),
    diamond(320, 190, "81"),
    cross(60, 250, "18"),
    cross(400, 270, "18"),
    diamond(180, 250, "18"),
    line(20, 330, "111111", 80, 0),
    line(60, 370, "8...1...8.......8", 20, 0),
    line(60, 390, "8...8...8...1...8", 20, 0),
    line(0, 410, "1..8...8...8...1...8..1", 20, 0),
};

// An indestructible funnel from the top over a wedge of kind 5 with a hard tip, the tip
// shielded from below; a row of indestructible and hard bricks; kind-5 corners.
constexpr Placement level12[] = {
    row(0, 0, "88........88"),
    row(0, 20, "888......888"),
    rows(0, 40, "8888....8888", 2),
    rows(0, 80, "88888..88888", 4),
    row(60, 160, "555555555"),
    row(100, 180, "5555555"),
    row(140, 200, "55555"),
    row(180, 220, "666"),
    row(140, 240, "88888"),
    row(0, 320, "868686868686"),
    rows(0, 340, "5..........5", 2),
    row(0, 380, "55........55"),
};

// Nine pairs of a breakable brick on an indestructible one; a kind-4 block between two
// indestructible walls, with kind-3 bricks overlapping it at x 220.
constexpr Placement level13[] = {
    pair(60, 40, "38"),
    pair(220, 40, "48"),
    pair(380, 40, "38"),
    pair(140, 110, "48"),
    pair(220, 110, "38"),
    pair(300, 110, "48"),
    pair(20, 180, "38"),
    pair(220, 180, "38"),
    pair(420, 180, "38"),
    rows(120, 280, "844448", 4),
    column(220, 280, "333"),
};

// An indestructible band narrowing from the top; six rows from x 80 to 360; side walls
// with a few bricks beside them; six indestructible bricks beside the paddle at y 525.
constexpr Placement level14[] = {
    row(0, 0, "888888888888"),
    row(20, 20, "88888888888"),
    row(40, 40, "8888888888"),
    row(60, 60, "888888888"),
    row(100, 80, "8888888"),
    row(80, 100, "66666666"),
    row(80, 140, "11111111"),
    row(80, 180, "66666666"),
    row(80, 220, "66666666"),
    row(80, 260, "55555555"),
    row(80, 300, "66666666"),
    rows(0, 340, "8..........8", 6),
    row(40, 360, "1........1"),
    row(200, 400, "55"),
    row(40, 420, "1........1"),
    row(0, 525, "888......888"),
};

// An indestructible wall along the top and the left, thick in the corner; eight crosses of
// kind 2 round a hard centre on odd positions, and a small inverted trapezoid below.
constexpr Placement level15[] = {
    rows(0, 0, "888888888888", 2),
    column(0, 40, "88888888888888888888888"),
    column(40, 40, "888888"),
    cross(150, 90, "26"),
    cross(330, 90, "26"),
    cross(110, 190, "26"),
    cross(250, 190, "26"),
    cross(400, 190, "26"),
    cross(115, 290, "26"),
    cross(245, 290, "26"),
    cross(375, 290, "26"),
    row(150, 380, "22222"),
    row(190, 400, "222"),
};

// Upper left: kind 3 in the corner (group 3) and a kind-2 block (group 2) behind an
// indestructible shield of its group, reached by the corridor at x 120..160. Upper right: a
// kind-1 and kind-4 wedge inside the column at x 160 and the rows at y 180-200 (group 1),
// which stop short of the column: the wedge opens 80 pixels wide beside it, straight above
// the paddle. Lower right: a kind-4 block (group 4) sealed by walls of group 3, its lid at
// y 320. The rows once ran from the column to x 400 and the lid lay at y 280, so the wedge
// could be reached only along a 60-pixel channel between them, with a flat shot: the ball
// zigzagged in that channel between the two for ever.
constexpr Placement level16[] = {
    inGroup(3, rows(0, 0, "33", 4)),
    inGroup(2, rows(0, 80, "222", 6)),
    inGroup(2, row(0, 220, "888")),
    inGroup(1, column(160, 0, "88888888888")),
    inGroup(1, row(200, 0, "1111111")),
    inGroup(1, row(240, 20, "444444")),
    inGroup(1, row(280, 40, "11111")),
    inGroup(1, row(320, 60, "4444")),
    inGroup(1, row(360, 80, "111")),
    inGroup(1, row(400, 100, "44")),
    inGroup(1, row(440, 120, "1")),
    inGroup(1, row(280, 180, "88888")),
    inGroup(1, row(320, 200, "8888")),
    inGroup(3, row(120, 320, "888888888")),
    inGroup(3, column(120, 340, "8888")),
    inGroup(4, rows(160, 340, "44444444", 4)),
    inGroup(3, row(120, 420, "888888888")),
};

// Small motifs of hard bricks round kind 5 with indestructible corners, a kind-1 pyramid,
// three full rows, and an indestructible row with two 60-pixel gaps.
constexpr Placement level17[] = {
    row(180, 20, "565"),
    row(40, 60, "868....868"),
    row(40, 80, "656....656"),
    row(40, 100, "868....868"),
    row(180, 200, "111"),
    row(140, 220, "11111"),
    row(100, 240, "1111111"),
    row(0, 260, "555555555555"),
    row(0, 280, "666666666666"),
    row(0, 300, "555555555555"),
    row(0, 340, "888"),
    row(180, 340, "888"),
    row(360, 340, "888"),
};

// Indestructible bars at x 200 (top to bottom), 280 and 400. Upper left: a kind-3 cup with
// a foot, holding hard bricks under a thick indestructible lid. Between the bars at the
// right: a pocket of kind 5 under hard bricks (group 2). Two kind-1 rows cross the bar (right
// half group 2). The row at y 400 closes the top: its right half (group 1) goes with the
// kind-4 block below, then its left half (group 2) with the pocket. The bar at x 280 starts
// at y 80, so the 40-pixel gap between it and the bar at x 200 is open at its top: closed
// there by the top wall, it held a ball bouncing up and down in it for ever.
constexpr Placement level18[] = {
    column(200, 0, "88888888888888"),
    row(0, 0, "8888"),
    row(0, 20, "88888"),
    column(280, 80, "8888888888"),
    column(400, 20, "8888888888888"),
    rows(0, 40, "3...3", 2),
    rows(0, 80, "36663", 2),
    row(0, 120, "33333"),
    row(80, 140, "3"),
    inGroup(2, row(320, 100, "66")),
    inGroup(2, rows(320, 120, "55", 7)),
    row(0, 280, "111111"),
    inGroup(2, row(240, 280, "11111")),
    row(0, 300, "111111"),
    inGroup(2, row(240, 300, "11111")),
    column(200, 320, "8888"),
    inGroup(2, row(0, 400, "888888")),
    inGroup(1, row(240, 400, "888888")),
    row(0, 420, "555555"),
    inGroup(1, row(280, 420, "444")),
    row(0, 440, "555555"),
    inGroup(1, row(280, 440, "444")),
};

// An indestructible triangle pointing down with a stem at x 220 (group 3), parting the top
// in two; a ladder of kind-5 rails and kind-1 rungs at the upper right (group 3). Two
// indestructible rows at y 260-280 (right half group 2) over three rows (group 2); at the
// bottom an indestructible row over kind 1 and 5 (group 1). Each group opens the next.
constexpr Placement level19[] = {
    row(40, 0, "8888888888"),
    row(100, 20, "8888888"),
    row(140, 40, "88888"),
    row(180, 60, "888"),
    row(220, 80, "8"),
    inGroup(3, column(220, 100, "88888888")),
    inGroup(3, line(320, 60, "5115", 40, 0, 5, 0, 40)),
    inGroup(3, line(320, 80, "5..5", 40, 0, 4, 0, 40)),
    rows(0, 260, "888888", 2),
    inGroup(2, rows(240, 260, "888888", 2)),
    inGroup(2, row(0, 300, "111111111111")),
    inGroup(2, row(80, 340, "55555555")),
    inGroup(2, row(0, 380, "767676767676")),
    inGroup(1, row(0, 440, "888888888888")),
    inGroup(1, row(0, 460, "111111111111")),
    inGroup(1, row(100, 480, "5555555")),
};

// A kind-3 block in an indestructible frame open below, with a column of hard bricks hidden
// under its middle column (laid first, so it lies beneath); below, an indestructible V whose
// arms step 20 pixels every two rows, 60 pixels clear of the side walls and open 160 pixels
// at its tip; two kind-3 bricks on an indestructible stem at the bottom centre. The V once ran
// from wall to wall with a step on every row: a ball above it found no way down but its tip,
// and the corners of the steps sent it straight back to the frame, for ever; the bar of three
// under the kind-3 bricks sent a ball coming down from the V back up into it.
constexpr Placement level20[] = {
    column(220, 40, "666666"),
    row(140, 20, "88888"),
    rows(140, 40, "83338", 6),
    line(60, 160, "88", 0, 20, 4, 20, 40),
    line(380, 160, "88", 0, 20, 4, -20, 40),
    row(200, 420, "33"),
    column(220, 440, "888"),
};

// An indestructible pillar with hard bricks in its middle at x 80; right of it, a kind-5
// ring (group 2) round an indestructible cross (group 2) whose centre holds two kind-4
// bricks. Two indestructible rows close the right part from below: the right part of them
// goes with the kind-1 row (group 1), the left part with the ring (group 2). So the part
// touching the side wall goes first: a flat ball could stay caught for good in the corner
// between the wall and the rows. The kind-1 row runs from the left wall, partly under open
// space, where shots fired at it cannot lift a ball into the rows.
constexpr Placement level21[] = {
    column(80, 0, "8888888866666688888"),
    inGroup(2, row(120, 80, "555555555")),
    inGroup(2, row(120, 100, "55.....55")),
    inGroup(2, rows(120, 120, "5.......5", 7)),
    inGroup(2, row(120, 260, "55.....55")),
    inGroup(2, row(120, 280, "555555555")),
    inGroup(2, column(280, 140, "88")),
    column(280, 180, "44"),
    inGroup(2, column(280, 220, "88")),
    inGroup(2, row(200, 190, "88")),
    inGroup(2, row(320, 190, "88")),
    inGroup(2, rows(120, 380, "88888", 2)),
    inGroup(1, rows(320, 380, "8888", 2)),
    inGroup(1, row(0, 420, "11111111")),
};

// Wedges of kind 5 (group 3) and kind 3 (group 4) in the top corners on indestructible
// ledges of their groups; a central shaft between walls of group 2 (left) and group 3
// (right) holding hard and kind-4 bricks (group 2); indestructible walls without group at
// y 240-260 with two 80-pixel gaps; nine rows at the bottom (group 1).
constexpr Placement level22[] = {
    inGroup(3, row(0, 0, "5555")),
    inGroup(3, row(0, 20, "5555")),
    inGroup(3, row(0, 40, "555")),
    inGroup(3, row(0, 60, "55")),
    inGroup(3, row(0, 80, "5")),
    inGroup(4, row(320, 0, "3333")),
    inGroup(4, row(320, 20, "3333")),
    inGroup(4, row(360, 40, "333")),
    inGroup(4, row(400, 60, "33")),
    inGroup(4, row(440, 80, "3")),
    inGroup(3, rows(0, 100, "888", 2)),
    inGroup(3, column(0, 140, "8888")),
    inGroup(4, rows(360, 100, "888", 2)),
    inGroup(4, column(440, 140, "8888")),
    inGroup(2, column(160, 0, "888888888888")),
    inGroup(3, column(280, 0, "888888888888")),
    inGroup(2, row(200, 100, "66")),
    inGroup(2, row(200, 120, "44")),
    inGroup(2, row(200, 140, "66")),
    rows(0, 240, "88", 2),
    rows(160, 240, "8888", 2),
    rows(400, 240, "88", 2),
    inGroup(1, row(0, 280, "111111111111")),
    inGroup(1, row(0, 300, "555555555555")),
    inGroup(1, row(0, 320, "333333333333")),
    inGroup(1, rows(0, 340, "111111111111", 2)),
    inGroup(1, row(160, 380, "4444")),
    inGroup(1, rows(0, 400, "666666666666", 5)),
};

// Two blocks of two columns (x 140 and 190, x 240 and 290), rows 30 pixels apart, in a
// kind-3 and kind-1 checker; below, four indestructible pillars of stacked pairs, alternately
// low and high. A ball that falls between them meets only their upright sides and drops on
// to the paddle: a checkerboard of squares here sent it zigzagging along the channels
// between the rows of squares, held by their tops, for ever.
constexpr Placement level23[] = {
    line(140, 80, "3131", 50, 0),
    line(140, 110, "1313", 50, 0),
    line(140, 140, "3131", 50, 0),
    line(140, 170, "1313", 50, 0),
    pair(40, 240, "88", 6, 0, 40),
    pair(160, 200, "88", 6, 0, 40),
    pair(280, 240, "88", 6, 0, 40),
    pair(400, 200, "88", 6, 0, 40),
};

// An indestructible vase (group 1) with hard bricks of its group in the rim, the waist and
// inside a small box (group 2) at the centre; hard bricks of group 2 below the box open it.
// One hard brick without group lies sealed in the foot until the vase is gone. The shoulders
// reach the side walls, where 20-pixel notches held a ball that got into them, and the foot
// is narrow under the waist, so that a ball leaving the vase through a broken waist brick
// drops towards the paddle instead of landing on the foot's shoulders and bouncing back.
constexpr Placement level24[] = {
    inGroup(1, row(100, 40, "8686868")),
    inGroup(1, row(0, 60, "888")),
    inGroup(1, row(360, 60, "888")),
    inGroup(1, rows(0, 80, "88........88", 8)),
    inGroup(2, row(180, 120, "888")),
    inGroup(2, rows(140, 140, "8...8", 2)),
    inGroup(1, row(180, 150, "666")),
    inGroup(2, row(180, 180, "888")),
    inGroup(1, row(60, 240, "88")),
    inGroup(2, row(200, 240, "66")),
    inGroup(1, row(340, 240, "88")),
    inGroup(1, row(60, 260, "88")),
    inGroup(2, row(200, 260, "66")),
    inGroup(1, row(340, 260, "88")),
    inGroup(1, rows(140, 280, "6...6", 2)),
    inGroup(1, rows(140, 320, "88888", 2)),
    inGroup(1, rows(140, 360, "88888", 2)),
    inGroup(1, row(100, 400, "888.888")),
    row(220, 400, "6"),
    inGroup(1, row(100, 420, "8888888")),
    inGroup(1, row(140, 440, "88888")),
};

// The blocks of level 23, kind 1 with kind 5 in the middle; two indestructible bricks over
// the way in; a row open at the left with two kind 1 in its middle; an indestructible V
// open at its tip over a kind-1 brick; a row beside the paddle with two hard bricks.
constexpr Placement level25[] = {
    line(140, 80, "1111", 50, 0),
    line(140, 110, "1551", 50, 0),
    line(140, 140, "1551", 50, 0),
    line(140, 170, "1111", 50, 0),
    row(220, 225, "88"),
    row(40, 280, "88881188888"),
    line(80, 300, "888888", 20, 20),
    line(360, 300, "888888", -20, 20),
    row(220, 420, "1"),
    row(0, 485, "888886688888"),
};

struct LevelPlan {
    const Placement* placements;
    int count;
    int firstEntry;  // entry of the level's first brick
};

template <std::size_t N>
constexpr LevelPlan plan(const Placement (&placements)[N], int firstEntry = 0)
{
    return LevelPlan{placements, static_cast<int>(N), firstEntry};
}

// Indexed by level number; entry 0 is unused.
constexpr std::array<LevelPlan, kLevelCount + 1> levelPlans = {{
    {nullptr, 0, 0},
    plan(level1, 1), plan(level2),  plan(level3),  plan(level4),  plan(level5),
    plan(level6),    plan(level7),  plan(level8),  plan(level9),  plan(level10),
    plan(level11),   plan(level12), plan(level13), plan(level14), plan(level15),
    plan(level16),   plan(level17), plan(level18), plan(level19), plan(level20),
    plan(level21),   plan(level22), plan(level23), plan(level24), plan(level25),
}};
// clang-format on

constexpr bool everyLevelHasAPlan()
{
    for (int level = 1; level <= kLevelCount; ++level) {
        if (levelPlans[static_cast<std::size_t>(level)].placements == nullptr) return false;
    }
    return true;
}
static_assert(everyLevelHasAPlan(), "a level without its board would be silently empty");

constexpr int kindOf(char c) { return c - '0'; }

void setGroups(int first, int end, int group)
{
    for (int index = first; index < end; ++index) {
        if (index >= 0 && index < kBrickCount) game.brickTable[index].group = group;
    }
}

void lay(const Placement& placement, int& brickIndexCounter)
{
    for (int repeat = 0; repeat < placement.repeats; ++repeat) {
        const int x = placement.x + repeat * placement.rx;
        const int y = placement.y + repeat * placement.ry;
        const int first = brickIndexCounter;
        const char* kinds = placement.kinds;
        switch (placement.shape) {
        case Shape::Line:
            for (int i = 0; kinds[i] != '\0'; ++i) {
                if (kinds[i] == '.') continue;
                placeBrick(brickIndexCounter, kindOf(kinds[i]), x + i * placement.dx, y + i * placement.dy);
                ++brickIndexCounter;
            }
            break;
        case Shape::Pair: placeBrickPair(brickIndexCounter, x, y, kindOf(kinds[0]), kindOf(kinds[1])); break;
        case Shape::Diamond: placeBrickDiamond(brickIndexCounter, x, y, kindOf(kinds[0]), kindOf(kinds[1])); break;
        case Shape::Cross:
            placeBrick(brickIndexCounter++, kindOf(kinds[0]), x, y - 20);
            placeBrick(brickIndexCounter++, kindOf(kinds[0]), x - 40, y);
            placeBrick(brickIndexCounter++, kindOf(kinds[1]), x, y);
            placeBrick(brickIndexCounter++, kindOf(kinds[0]), x + 40, y);
            placeBrick(brickIndexCounter++, kindOf(kinds[0]), x, y + 20);
            break;
        }
        setGroups(first, brickIndexCounter, placement.group);
    }
}

// 12 columns of 12 rows from y 100, laid column by column, each brick its own draw.
void layRandomBoard()
{
    for (int column = 0; column < 12; ++column) {
        for (int row = 0; row < 12; ++row) {
            placeBrick(column * 12 + row, nextRandom() % 8 + 1, column * 40, 100 + row * 20);
        }
    }
}

}  // namespace

void placeBrick(int index, int kind, int x, int y)
{
    if (index < 0 || index >= kBrickCount) return;
    Brick& brick = game.brickTable[index];
    brick.kind = kind;
    brick.x = x;
    brick.y = y;
}

void placeBrickPair(int& brickIndexCounter, int x, int y, int topKind, int bottomKind)
{
    placeBrick(brickIndexCounter++, topKind, x, y);
    placeBrick(brickIndexCounter++, bottomKind, x, y + 20);
}

void placeBrickDiamond(int& brickIndexCounter, int x, int y, int tipKind, int sideKind)
{
    placeBrick(brickIndexCounter++, tipKind, x, y);
    placeBrick(brickIndexCounter++, tipKind, x, y + 40);
    placeBrick(brickIndexCounter++, sideKind, x - 20, y + 20);
    placeBrick(brickIndexCounter++, sideKind, x + 20, y + 20);
}

void layLevel(int level)
{
    if (level < 1 || level > kLevelCount) {
        layRandomBoard();
        return;
    }
    const LevelPlan& levelPlan = levelPlans[level];
    int brickIndexCounter = levelPlan.firstEntry;
    for (int i = 0; i < levelPlan.count; ++i) lay(levelPlan.placements[i], brickIndexCounter);
}
