// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The music played after the last level: a seamless loop for pads, bass, arpeggio, melody
// and light drums.
#pragma once
#include "tools/make-data/synth.h"

// Composes musique.wav: 32 seconds, 22050 Hz stereo, whose end flows into its start.
Sound composeMusic();
