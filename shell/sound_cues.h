// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Sound cues, the music after the last level, and the exit note.
#pragma once

// The platform's sounds: a file played once without waiting, a file looped without waiting, and
// the stop of whatever is playing. A missing or unreadable file is silent. Paths are the file
// system's bytes.
void playSoundFile(const char* path);
void loopSoundFile(const char* path);
void stopSounds();

// Composes the path of a cue's sound ("<soundDir><cue>.wav") into pathBuffer and, with sounds
// on, plays it without waiting.
void playCueSound(const char* cue);

// Composes the path of the music into pathBuffer and, with sounds on, loops it.
void startMusic();

// Writes `word` (no line end) as the exit note, where its directory exists.
void writeExitNote(const char* word);
