// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
//
// The font path cache reader under libFuzzer: any bytes as the cache file found in the
// player's cache folder. Every face read must be one the game can open by its path (absolute,
// one line, no NUL that would cut the path short) and must read back the same from the line
// the writer makes of it; a face dropped from the cache leaves a file that reads back to the
// others.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "screens/font_paths.h"

namespace {

// The cache file as the reader sees it and as the writer leaves it: the harness's own file.
std::string cacheBytes;

bool readCache(const std::string&, std::string& bytes)
{
    bytes = cacheBytes;
    return true;
}

bool writeCache(const std::string&, std::string_view bytes)
{
    cacheBytes = std::string(bytes);
    return true;
}

bool sameFace(const FacePath& a, const FacePath& b)
{
    return a.weight == b.weight && a.index == b.index && a.size == b.size && a.modifiedNs == b.modifiedNs &&
           a.file == b.file;
}

// The faces of `cache` as the cache file's text.
std::string cacheText(const FontPathCache& cache)
{
    std::string text;
    for (int i = 0; i < cache.count; ++i) text += facePathLine(cache.faces[static_cast<std::size_t>(i)]) + "\n";
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FontPathCache cache;
    parseFontPathCache(bytes, cache);
    if (cache.count < 0 || cache.count > static_cast<int>(cache.faces.size())) std::abort();
    for (int i = 0; i < cache.count; ++i) {
        const FacePath& face = cache.faces[static_cast<std::size_t>(i)];
        if (face.file.empty() || face.file[0] != '/' ||
            face.file.find_first_of(std::string("\n\r\0", 3)) != std::string::npos || face.index < 0 || face.size < 0) {
            std::abort();
        }
        FacePath back;
        if (!parseFacePathLine(facePathLine(face), back) || !sameFace(back, face)) std::abort();
    }
    const std::string written = cacheText(cache);
    FontPathCache again;
    parseFontPathCache(written, again);
    if (again.count != cache.count || cacheText(again) != written) std::abort();

    // The game's own use: the first face's weight dropped, the rest kept in order.
    cacheBytes = bytes;
    useFontPathCache("font-paths", FontCacheFiles{readCache, writeCache});
    if (cache.count > 0) {
        const int dropped = cache.faces[0].weight;
        forgetFacePath(dropped);
        FontPathCache left;
        parseFontPathCache(cacheBytes, left);
        int kept = 0;
        for (int i = 0; i < cache.count; ++i) {
            const FacePath& face = cache.faces[static_cast<std::size_t>(i)];
            if (face.weight == dropped) continue;
            if (kept >= left.count || !sameFace(left.faces[static_cast<std::size_t>(kept)], face)) std::abort();
            ++kept;
        }
        if (kept != left.count) std::abort();
    }
    std::string file;
    int index = 0;
    cachedFacePath(400, file, index);
    useFontPathCache("", FontCacheFiles{});
    return 0;
}
