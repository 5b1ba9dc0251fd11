// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The end of a life and of a run: the rating of a final score and the best-score check.
#pragma once

// The sentence that rates a run's final score, Windows-1252: the first of eight bounds
// (10000, 30000, 100000, 200000, 300000, 400000, 500000, above) that the score does not pass.
const char* ratingFor(int score);

// At the end of a run: a score at least equal to the best one (a tie counts) becomes the
// best, the player names its holder in the name dialog (which opens on the previous name),
// the score file is saved and the game window repainted. Otherwise nothing happens.
void checkRecord();
