// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's sound cues: one short synthesised sound per game event.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/make-data/synth.h"

struct CueRecipe {
    std::string name;             // the cue's word; its file is "<name>.wav" in Sons/
    std::function<Sound()> make;  // synthesises it
};

// Every cue the game plays: "brique", "casse", "briquedure", "disparition", "murs",
// "balle pause", "balle decolle", "vieperdu", "nouvellevie", "bonus", "tir" and "CLAP".
std::vector<CueRecipe> cueRecipes();
