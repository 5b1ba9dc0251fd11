// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The font path cache's file, read and written as every other file of the game, and the word to
// the player when the game's face is missing.
#pragma once
#include <cstdio>

#include "screens/font_paths.h"

// The safe reader (a regular file only, never blocking, at most a few KiB: a larger file is no
// cache) and the atomic writer, for useFontPathCache.
FontCacheFiles gameFontCacheFiles();

// Tells the player, once, on `report` and in the menu's notice, that Lato is missing and the
// texts are drawn with another font (call it after the menu's first frame, when gameFaceMissing).
void tellGameFaceMissing(std::FILE* report);
