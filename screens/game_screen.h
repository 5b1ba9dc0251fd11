// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's screens (play, end, level intro, final picture), the bouncing pause text,
// and the slide transitions with which one screen slides over or off another.
#pragma once
#include <SDL_rect.h>

#include <array>
#include <cstdint>

#include "game/game_state.h"
#include "game/text_ids.h"

struct SDL_Surface;

// Size of the game screen's frame; the window shows its top-left 700 x 550.
constexpr int kGameScreenWidth = 740;
constexpr int kGameScreenHeight = 550;
// Size of a slide frame, drawn on the game window at (0, 0).
constexpr int kSlideFrameWidth = 700;
constexpr int kSlideFrameHeight = 740;

// The cards that say so: over the side panel's help lines, and over the end screen's last line.
constexpr SDL_Rect kReplayHelpCard{504, 428, 184, 94};
constexpr SDL_Rect kReplayEndCard{60, 488, 580, 34};
// A watched replay that departed from its game: its cards say that it stopped, and where.
bool replayDeparted();

// A watched replay's texts (French message ids, Windows-1252): its card over the side panel's
// help lines and its line over the end screen's last one; then the same once it departed from
// its game and stopped, at the tick "%ld".
constexpr std::array<const char*, 3> kReplayHelpLines = {drawnTextId("Partie enregistr\xe9"
                                                                     "e"),
                                                         drawnTextId("Tab : vitesse x4 ou x1"),
                                                         drawnTextId("\xc9"
                                                                     "chap : quitter")};
constexpr const char* kReplayEndLine = drawnTextId(
    "Partie enregistr\xe9"
    "e : une touche ou un clic pour quitter");
constexpr std::array<const char*, 3> kReplayStoppedLines = {drawnTextId("Lecture arr\xea"
                                                                        "t\xe9"
                                                                        "e"),
                                                            drawnTextId("\xc9"
                                                                        "cart au pas %ld"),
                                                            drawnTextId("Une touche : quitter")};
constexpr const char* kReplayStoppedLine = drawnTextId(
    "Lecture arr\xea"
    "t\xe9"
    "e : \xe9"
    "cart au pas %ld, une touche pour quitter");

// The level intro's two lines in the player's language, text `draw` (0 to 4), for the level
// `level` that comes next; the second is a blank when the text has one line.
void composeIntroLines(int draw, int level, std::array<char, 200>& first, std::array<char, 200>& second);

// Paints the screen game.mode shows at rest (end screen, level intro, play screen or final
// picture) on a 740 x 550 frame and copies it to `target` at (0, 0), leaving the rest of the
// target as it was. Changes nothing of the game but the pause text's position (composes the
// side panel's texts in pathBuffer). A null target draws nothing.
void drawGameScreen(SDL_Surface* target);

// Paints the frame of game.slide at game.slideOffset on a 700 x 740 buffer (the screen beneath
// still, the sliding one over it) and copies it to `target` at (0, 0). A null target draws
// nothing.
void drawSlideFrame(SDL_Surface* target);

// The play screen's layers drawn on `surface` from (0, 0), the pause text where it stands;
// only what falls inside the surface's clip rectangle is drawn.
void drawPlayLayers(SDL_Surface* surface);

// Where the play screen draws its moving and changing parts: boxes that hold every pixel
// each part may set (an empty box when it draws nothing).
SDL_Rect ballBox(const Ball& ball);
SDL_Rect paddleBox();  // the paddle and its 60-wide overlays
SDL_Rect aimingGuideBox(const Ball& ball);
SDL_Rect sidePanelLineBox(int line);  // line 0 to 6, to the frame's right edge
SDL_Rect livesBox();
SDL_Rect effectMarksBox();  // every place an active effect's mark may take
SDL_Rect shotsLeftBox();
SDL_Rect pauseTextBox();  // the pause text and its shadow where they stand

// The end screen (background, best score, holder, score, the rating of game.score and, for a won
// run, the black box over the background's top) drawn on `surface` from (0, 0).
void drawEndScreen(SDL_Surface* surface);

// The level intro (background, the two lines of game.introDraw, the level's code) drawn on
// `surface`.
void drawLevelIntroScreen(SDL_Surface* surface);

// The final picture after the last level, drawn on `surface` from (0, 0).
void drawFinalPicture(SDL_Surface* surface);

// The final picture drawn on `surface` at (0, game.slideOffset): the overlay that slides off
// the end screen of a won run.
void drawSlidingFinalPicture(SDL_Surface* surface);

// Composes line `line` (0 to 6, top to bottom) of the side panel into pathBuffer and returns
// the number of its characters to draw (the two labels are cut to 17).
int composeSidePanelLine(int line);

// The code of `level` as shown on screen; empty outside 1..kLevelCount and in a player's set.
const char* levelCodeText(int level);

// Moves the pause text one step and turns it back at the edges of its area
// (2 <= x < 346, 2 <= y < 506); the position itself is never clamped.
void movePauseText();
