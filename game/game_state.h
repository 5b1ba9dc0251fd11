// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The one record of the running game, its tables, and the two resets other parts call.
#pragma once
#include <array>
#include <cstdint>

#include "game/platform.h"

// The game world's pi: a fixed constant, not the full double value.
constexpr double kPi = 3.14159265358;

constexpr int kBrickCount = 250;
constexpr int kBonusCount = 80;
constexpr int kShotCount = 60;

constexpr int kPlayfieldWidth = 480;                  // x 0..479
constexpr int kPlayfieldRight = kPlayfieldWidth - 1;  // the last column the paddle may cover
constexpr int kPaddleTop = 520;                       // the paddle's top edge
constexpr int kBrickWidth = 40;
constexpr int kBrickHeight = 20;
constexpr int kCapsuleWidth = 20;
constexpr int kCapsuleHeight = 10;
// Where a level and a new life put the paddle and the first ball (resting on the paddle), and
// the paddle's width when no capsule has changed it.
constexpr int kPaddleStartX = 240;
constexpr int kPaddleStartWidth = 60;
constexpr double kBallStartX = 255.0;
constexpr double kBallStartY = 512.0;

// The levels are numbered 1 to kLevelCount; a game that clears the last one ends won.
constexpr int kLevelCount = 25;

// The game timer's interval, ms: at the start of each level and after each lost ball, and the
// shortest it shrinks to as the velocity updates speed the game up.
constexpr std::uint32_t kStartTickIntervalMs = 25;
constexpr std::uint32_t kFastestTickIntervalMs = 10;

// What a brick entry holds (Brick::kind). Kinds 1 to 5 are ordinary bricks, one strike each.
enum BrickKind : std::int32_t {
    kNoBrick = 0,  // an empty entry: ignored everywhere, x and y may be stale
    kFirstOrdinaryBrick = 1,
    kLastOrdinaryBrick = 5,
    kHardBrick = 6,            // cracked by its first strike
    kCrackedBrick = 7,         // a hard brick struck once
    kIndestructibleBrick = 8,  // never broken, never counted among the bricks left
};
constexpr int kBrickKinds = kIndestructibleBrick;  // kinds 1 to 8, each with its picture

// What a capsule entry holds (FallingBonus::kind): its effect once the paddle catches it.
enum CapsuleKind : std::int32_t {
    kNoCapsule = 0,  // a free entry
    kWiderPaddleCapsule = 1,
    kNarrowerPaddleCapsule = 2,
    kFasterBallCapsule = 3,
    kSlowerBallCapsule = 4,
    kFireBallCapsule = 5,
    kRandomDirectionsCapsule = 6,
    kExtraLifeCapsule = 7,
    kLostLifeCapsule = 8,
    kMirroredPaddleCapsule = 9,
    kStickyPaddleCapsule = 10,
    kArmedPaddleCapsule = 11,
    kSecondBallCapsule = 12,
    kRandomBounceCapsule = 13,
};
constexpr int kCapsuleKinds = kRandomBounceCapsule;  // kinds 1 to 13, each with its picture

// Which ball picture a ball is drawn with.
enum class BallIcon : std::uint8_t { Normal, Fire };

struct Ball {
    double x;           // centre x, pixels
    double y;           // centre y, pixels
    double vx;          // x step per tick: ballSpeed * cos(angle) after a velocity update
    double vy;          // y step per tick: ballSpeed * sin(angle) after a velocity update
    double angle;       // direction of travel, radians, screen coordinates (negative rises)
    BallIcon icon;      // normal or fire-ball picture
    std::int32_t held;  // 1 while resting on the sticky paddle until a click
};

struct Brick {
    std::int32_t x;      // left edge, pixels
    std::int32_t y;      // top edge, pixels
    std::int32_t kind;   // a BrickKind: 0 empty; 1-5 ordinary, 6 hard, 7 cracked, 8 indestructible
    std::int32_t group;  // 0 none; 1-5 a group that vanishes once it holds no breakable brick
};
using BrickTable = std::array<Brick, kBrickCount>;

struct FallingBonus {
    std::int32_t x;     // left edge, pixels
    std::int32_t y;     // top edge, pixels
    std::int32_t kind;  // a CapsuleKind: 0 free; 1..kCapsuleKinds bonus kind
};

struct Shot {
    std::int32_t x;  // the shot's point (top middle), pixels
    std::int32_t y;
    std::int32_t active;  // 0 free
};

// What the game is doing, which decides what its window shows and which inputs it takes.
// The rules choose the next mode; the tick, the inputs and the time passed advance it.
enum class GameMode : std::uint8_t {
    Playing,        // the board: launched or not, paused or not
    Question,       // the F12 or Escape question is open: the game holds until it is answered
    LostBallPause,  // the last ball has gone: the board stands still for kLostBallPauseMs
    Applause,       // the level is cleared: the clap, kApplauseMs before the next screen slides in
    Slide,          // one screen slides over or off another (`slide` says which)
    SlideHold,      // the intro or the final picture, slid in, stands kSlideHoldMs before it takes input
    LevelIntro,     // the next level's intro waits for a click or a key
    FinalPicture,   // the picture after the last level waits for a click or a key
    NameEntry,      // over the end screen, the record's holder is being typed
    EndScreen,      // the end screen waits for a click or a key, which closes the game window
    CodeEntry,      // the menu's level code is being typed
};

// The slides, each with its two screens and its motion (game/flow.cpp).
enum class SlideKind : std::uint8_t {
    NoSlide,
    IntroUncovered,   // the cleared board slides up and off the next level's intro
    FinalUncovered,   // the cleared last board slides up and off the final picture
    BoardRises,       // the new board rises from the bottom edge over the intro
    EndUncovered,     // the board as it was at the loss slides up and off the end screen
    WonEndUncovered,  // the final picture slides up and off the end screen of a won run
};

// Which question is open in GameMode::Question.
enum class QuestionKind : std::uint8_t { GiveUpBalls, QuitGame };

// What the game world asks of the shell, performed after the call that asked (in this order)
// and then cleared: the game calls nothing above it.
constexpr int kMostCuesAsked = 16;
struct FlowRequests {
    std::array<const char*, kMostCuesAsked> cues{};  // sound cues by their word, in order
    std::int32_t cueCount = 0;                       // cues asked; those beyond kMostCuesAsked are dropped
    bool stopSounds = false;                         // whatever plays stops (the music after the final picture)
    bool startMusic = false;                         // the music loops, with sounds on
    bool reloadRecord = false;  // the record on disk read again (the run ends): it comes back as a record-read input
    bool saveRecord = false;    // bestScore and bestScoreName written to the score file
    bool saveReplay = false;    // the run's replay saved while its end screen shows
};
struct LevelSet;  // game/level_set.h

struct GameState {
    // Game-wide values, kept from one level to the next.
    std::int32_t score = 0;                // running score of the game being played
    std::int32_t bestScore = 200000;       // best score, from the score file
    std::array<char, 64> bestScoreName{};  // holder of the best score, Windows-1252
    std::int32_t livesLeft = 1;            // spare balls
    std::int32_t currentLevel = 1;         // level being played; above kLevelCount once every level is done
    std::int32_t soundEnabled = 1;         // 1: cues play
    std::int32_t shotsLeft = 0;            // shots the armed paddle may still fire
    const LevelSet* levelSet = nullptr;    // the set whose boards are laid; nullptr: the built-in boards
    std::int32_t levelSetReached = 1;      // a player's set: the furthest level reached, which the menu may start at

    // Level and run.
    bool ballLaunched = false;                            // set by the launching click
    bool paused = false;                                  // ticks do nothing while set
    std::uint32_t tickIntervalMs = kStartTickIntervalMs;  // game timer interval, ms; shrinks to kFastestTickIntervalMs
    std::int32_t speedUpTally = 0;                        // velocity updates since the interval last shrank
    std::int32_t ballSpeed = 4;                           // length of a ball's step per tick, pixels: 2, 4 or 8
    std::int32_t ballCount = 1;                           // balls in play, 1 or 2
    std::int32_t paddleX = kPaddleStartX;                 // paddle centre x, pixels
    std::int32_t paddleWidth = kPaddleStartWidth;         // paddle width, pixels: 30, 60 or 90
    std::array<std::int32_t, 2> heldOffset{};             // x offset of a ball resting on the paddle
    std::int32_t bricksBroken = 0;                        // bricks destroyed by strikes in this level
    Point cursorPos{};                                    // last pointer position read, client pixels
    std::array<Ball, 2> balls{};                          // the first and the second ball
    BrickTable brickTable{};                              // the board
    std::array<FallingBonus, kBonusCount> bonusTable{};   // falling capsules
    std::array<Shot, kShotCount> shotTable{};             // shots in flight

    // Bonus effects, all cleared at level start.
    bool bonusWidePaddle = false;    // paddle widened
    bool bonusNarrowPaddle = false;  // paddle narrowed
    bool bonusFastBall = false;      // ballSpeed has reached 8
    bool bonusSlowBall = false;      // ballSpeed has reached 2
    bool bonusFireBall = false;      // balls go through breakable bricks
    bool bonusMirror = false;        // paddle follows the pointer mirrored
    bool bonusSticky = false;        // a ball landing on the paddle is held until a click
    bool bonusArmed = false;         // a click fires a shot
    bool bonusTwoBalls = false;      // the second ball is in play
    bool bonusRandomBounce = false;  // paddle bounces use a random offset

    // The flow from one screen to the next.
    GameMode mode = GameMode::Playing;                  // what the game is doing
    QuestionKind question = QuestionKind::GiveUpBalls;  // the open question in GameMode::Question
    std::int64_t waitLeftMs = 0;                        // LostBallPause, Applause, SlideHold: ms still to wait
    SlideKind slide = SlideKind::NoSlide;               // the slide under way, or the last one
    std::int32_t slideOffset = 0;                       // y of the sliding screen; 0 at rest
    bool runEnding = false;                             // the lost-ball pause ends the run: no spare ball was left
    bool runWon = false;                                // the run ended by clearing the last level
    std::int32_t introDraw = 0;  // which of the five intro texts announces the next level, 0 to 4
    FlowRequests requests;       // what the shell performs after the current call
};

// The running game. Defined once, in game_state.cpp.
extern GameState game;

// The shared scratch text: composed file paths, screen texts, the text of both dialogs and
// the words read from the score file. Every composition overwrites it.
extern std::array<char, 1000> pathBuffer;

// Level-start reset, then the layout of game.currentLevel. Called when a game starts and
// by the next-level step.
void startLevel();

// New-game values before the first startLevel: no end screen (a level's intro or the final
// picture stays), score 0, one spare ball, no shots. currentLevel keeps the level chosen in the menu.
void newGameReset();

// A spare ball replaces the lost one: one life less, timer stopped and back to
// kStartTickIntervalMs, ball 1 back on the paddle, paddle to 240 and, unless widened or
// narrowed, to width 60.
void lifeLostReset();
