// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Sound cues: a cue's word names a WAV file of the sounds directory.
#include "shell/sound_cues.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "shell/data_paths.h"
#include "shell/regular_file.h"
#include "shell/shell_state.h"

namespace {

// "<soundDir><name>.wav", the file system's bytes of any length. It is composed even with
// sounds off, and the shared scratch text pathBuffer keeps it as far as it holds.
std::string composeSoundPath(const char* name)
{
    std::string path = shellState.soundDir + name + ".wav";
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s", path.c_str());
    return path;
}

}  // namespace

void playCueSound(const char* cue)
{
    const std::string path = composeSoundPath(cue);
    if (game.soundEnabled == 1) playSoundFile(path.c_str());
}

void startMusic()
{
    const std::string path = composeSoundPath("musique");
    if (game.soundEnabled == 1) loopSoundFile(path.c_str());
}

void writeExitNote(const char* word)
{
    // Only ever a regular file: a FIFO, a device or a link in its place is left alone.
    const int note = openRegularFileForWriting("Korvel900 data/Sons/MusicCfg.cfg");
    if (note < 0) return;
    writeAllBytes(note, word, std::strlen(word));
    close(note);
}
