// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The hand-overs from the game world to the screens and the sound cues. The game world
// calls them; the screens and the shell implement them.
#pragma once
#include <string>

// The last ball in play is gone (or given up): a new life, or the end of the run.
void lifeLost();

// No breakable brick is left: applause, then the next level's intro or the final picture.
void levelComplete();

// The intro screen was dismissed: lay the next level and slide it in.
void startNextLevel();

// The final picture was dismissed: the end screen of a won run.
void victoryEnd();

// Plays a sound cue by its word ("brique", "murs", ...), never waiting for it.
void playCue(const char* cue);

// Composes the music's path into pathBuffer and, with sounds on, loops it until the sounds
// are stopped (after the last level).
void startMusic();

// The record on disk read again into bestScore and bestScoreName (under the lock of the
// player's games), just before a run's score is compared with it: another game of the
// player's may have set a higher one. A file that cannot be read leaves them as they are.
void reloadBestScore();

// Writes the best score and its holder to the score file (the end of a run with a record).
// False when the record could not be written, with a short French reason (UTF-8) for the
// player in `reason`.
bool saveScoreFile(std::string& reason);

// The run has ended and its end screen shows: its replay is saved now, while the player can
// still be told. "" when it was saved or nothing was recorded; else one French line (UTF-8)
// that names what was and was not saved, for the end screen.
std::string saveRunReplay();
