// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The rating of a run's final score, shown on the end screen.
#pragma once

// The sentence that rates a run's final score, Windows-1252: the first of eight bounds
// (10000, 30000, 100000, 200000, 300000, 400000, 500000, above) that the score does not pass.
const char* ratingFor(int score);
