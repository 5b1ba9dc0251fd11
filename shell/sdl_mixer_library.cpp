// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// SDL2_mixer opened with SDL_LoadObject and its calls looked up by name.
#include "shell/sdl_mixer_library.h"

#include <SDL_loadso.h>

namespace {

// The library's name on the system: its major version's soname, as the package installs it.
constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

template <typename Call>
bool findCall(void* library, const char* name, Call& call)
{
    call = reinterpret_cast<Call>(SDL_LoadFunction(library, name));
    return call != nullptr;
}

}  // namespace

bool openMixerLibrary(MixerCalls& mixer)
{
    mixer = MixerCalls{};
    void* library = SDL_LoadObject(kMixerLibrary);
    if (library == nullptr) return false;
    MixerCalls found;
    found.library = library;
    const bool complete =
        findCall(library, "Mix_OpenAudio", found.openAudio) &&
        findCall(library, "Mix_AllocateChannels", found.allocateChannels) &&
        findCall(library, "Mix_LoadWAV_RW", found.loadWav) && findCall(library, "Mix_PlayChannel", found.playChannel) &&
        findCall(library, "Mix_HaltChannel", found.haltChannel) &&
        findCall(library, "Mix_FreeChunk", found.freeChunk) && findCall(library, "Mix_CloseAudio", found.closeAudio);
    if (!complete) {
        SDL_UnloadObject(library);
        return false;
    }
    mixer = found;
    return true;
}

void closeMixerLibrary(MixerCalls& mixer)
{
    if (mixer.library != nullptr) SDL_UnloadObject(mixer.library);
    mixer = MixerCalls{};
}
