// Sound cues: a cue's word names a WAV file of the sounds directory.
#include "shell/sound_cues.h"

#include <cstdio>

#include "game/flow.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "shell/data_paths.h"

void playCue(const char* cue)
{
    // The path is composed even with sounds off: pathBuffer is the shared scratch text.
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%s%s.wav", soundDir.data(), cue);
    if (game.soundEnabled == 1) playSoundFile(pathBuffer.data());
}

void startMusic()
{
    std::snprintf(pathBuffer.data(), pathBuffer.size(), "%smusique.wav", soundDir.data());
    if (game.soundEnabled == 1) loopSoundFile(pathBuffer.data());
}

void stopMusic() { stopSounds(); }

void writeExitNote(const char* word)
{
    std::FILE* note = std::fopen("Korvel900 data/Sons/MusicCfg.cfg", "w");
    if (note == nullptr) return;
    std::fputs(word, note);
    std::fclose(note);
}
