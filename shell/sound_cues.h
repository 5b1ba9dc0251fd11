// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Sound cues, the music after the last level, and the exit note.
#pragma once

// Composes the path of the music into pathBuffer and, with sounds on, loops it.
void startMusic();

// Writes `word` (no line end) as the exit note, where its directory exists.
void writeExitNote(const char* word);
