// The best-score file: one record "NAME SCORE= N", read at start-up and replaced whole
// whenever a run ends with a new best score.
#pragma once
#include <array>

#include "game/flow.h"  // saveScoreFile, the hand-over at the end of a run with a record

// Path of the score file as the file system spells it. composeScoreFilePath sets it beside
// the executable; tools and tests may point it at any other file.
extern std::array<char, 4096> scoreFilePath;

// scoreFilePath = "<exeDir>/Tessaron Data/Score.sco". Needs exeDir.
void composeScoreFilePath();

// Sets game.bestScoreName and game.bestScore from the score file. A file that is missing,
// unreadable or holds no word "SCORE=" gets the defaults Trimbalour 1235, which are set
// and written at once. A score word that is not a number leaves bestScore as it was.
// Uses pathBuffer for the words read.
void loadScoreFile();

// saveScoreFile() replaces the score file with the record of game.bestScoreName and
// game.bestScore, through a temporary file renamed over the old one: a failed save leaves
// the old file whole and the values in memory as they are.
