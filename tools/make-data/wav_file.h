// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Writing sounds as WAV files: 16-bit PCM, mono or stereo.
#pragma once
#include <string>

#include "tools/make-data/synth.h"

// Writes the sound as a 16-bit PCM WAV file, clipping samples beyond -1..1. False when the
// file cannot be written.
bool writeWaveFile(const std::string& path, const Sound& sound);
