// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// SDL2_mixer opened at run time, once the menu shows: the game does not load the mixer and the
// many libraries behind it before its first frame.
#pragma once
#include <SDL_mixer.h>

// The mixer's calls that the game makes; all null until the library is opened.
struct MixerCalls {
    void* library = nullptr;
    decltype(&Mix_OpenAudio) openAudio = nullptr;
    decltype(&Mix_AllocateChannels) allocateChannels = nullptr;
    decltype(&Mix_LoadWAV_RW) loadWav = nullptr;
    decltype(&Mix_PlayChannel) playChannel = nullptr;
    decltype(&Mix_HaltChannel) haltChannel = nullptr;
    decltype(&Mix_FreeChunk) freeChunk = nullptr;
    decltype(&Mix_CloseAudio) closeAudio = nullptr;
};

// Opens SDL2_mixer and finds its calls into `mixer`. False, with `mixer` left empty, when the
// library or one of the calls is missing: the game then plays no sound.
bool openMixerLibrary(MixerCalls& mixer);

// Gives the library back; `mixer` is emptied.
void closeMixerLibrary(MixerCalls& mixer);
