// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the picture after the last level says how many levels were cleared: a line under the
// title and a count on the trophy's plate. make-data draws both into the built-in set's picture
// and leaves them out of a second one, on which the game writes a player's set's own count.
#pragma once
#include <cstdint>

#include "screens/translation.h"

constexpr int kFinishedPictureCentreX = 350;
constexpr int kClearedLineY = 112;
constexpr int kClearedLineHeight = 30;
constexpr int kClearedLineWeight = 700;
constexpr std::uint32_t kClearedLineColour = 0xEFE2C0;
constexpr int kTrophyCountY = 354;
constexpr int kTrophyCountHeight = 26;
constexpr int kTrophyCountWeight = 1000;
constexpr std::uint32_t kTrophyCountColour = 0xE9B949;
// The line's French text, with the number of levels, and for a set of one level.
constexpr const char* kClearedLineText = drawnTextId("Les %d niveaux sont termin\xe9s");
constexpr const char* kClearedOneLevelText = drawnTextId("Le niveau est termin\xe9");
