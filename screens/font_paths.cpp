// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The font path cache: a small text file, one face a line, rewritten whole through a
// temporary file so that a reader never sees half of it.
#include "screens/font_paths.h"
#include "screens/screen_state.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

// Bytes a kept path never holds: a line end would split its line, and a NUL would cut the path
// short where the file system reads it, so that another file than the one measured is opened.
constexpr std::string_view kNoPathBytes("\n\r\0", 3);

// The file's size and last change; false when it is no regular file.
bool fileState(const std::string& path, long long& size, long long& modifiedNs)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    size = static_cast<long long>(status.st_size);
    modifiedNs = static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
    return true;
}

void loadCacheFile()
{
    screenState.fontPathCache.loaded = true;
    screenState.fontPathCache.count = 0;
    std::string text;
    if (screenState.fontPathCache.files.read(screenState.fontPathCache.cacheFile, text))
        parseFontPathCache(text, screenState.fontPathCache);
}

void writeCacheFile()
{
    std::string text;
    for (int i = 0; i < screenState.fontPathCache.count; ++i)
        text += facePathLine(screenState.fontPathCache.faces[static_cast<std::size_t>(i)]) + "\n";
    screenState.fontPathCache.files.write(screenState.fontPathCache.cacheFile, text);
}

}  // namespace

void useFontPathCache(const std::string& cacheFile, FontCacheFiles files)
{
    screenState.fontPathCache = FontPathCache{};
    if (files.read == nullptr || files.write == nullptr) return;
    screenState.fontPathCache.cacheFile = cacheFile;
    screenState.fontPathCache.files = files;
}

void parseFontPathCache(std::string_view text, FontPathCache& cache)
{
    cache.count = 0;
    while (!text.empty() && cache.count < static_cast<int>(cache.faces.size())) {
        const std::size_t end = text.find('\n');
        FacePath face;
        if (parseFacePathLine(text.substr(0, end), face)) cache.faces[static_cast<std::size_t>(cache.count++)] = face;
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

void forgetFacePath(int weight)
{
    if (screenState.fontPathCache.cacheFile.empty()) return;
    if (!screenState.fontPathCache.loaded) loadCacheFile();
    int kept = 0;
    for (int i = 0; i < screenState.fontPathCache.count; ++i) {
        const FacePath& face = screenState.fontPathCache.faces[static_cast<std::size_t>(i)];
        if (face.weight != weight) screenState.fontPathCache.faces[static_cast<std::size_t>(kept++)] = face;
    }
    screenState.fontPathCache.count = kept;
    writeCacheFile();
}

bool cachedFacePath(int weight, std::string& file, int& index)
{
    if (screenState.fontPathCache.cacheFile.empty()) return false;
    if (!screenState.fontPathCache.loaded) loadCacheFile();
    for (int i = 0; i < screenState.fontPathCache.count; ++i) {
        const FacePath& face = screenState.fontPathCache.faces[static_cast<std::size_t>(i)];
        if (face.weight != weight) continue;
        long long size = 0;
        long long modifiedNs = 0;
        if (!fileState(face.file, size, modifiedNs) || size != face.size || modifiedNs != face.modifiedNs) return false;
        file = face.file;
        index = face.index;
        return true;
    }
    return false;
}

void rememberFacePath(int weight, const std::string& file, int index)
{
    if (screenState.fontPathCache.cacheFile.empty()) return;
    if (!screenState.fontPathCache.loaded) loadCacheFile();
    FacePath face;
    face.weight = weight;
    face.index = index;
    face.file = file;
    if (!fileState(file, face.size, face.modifiedNs) || facePathLine(face).empty()) return;
    int slot = 0;
    while (slot < screenState.fontPathCache.count &&
           screenState.fontPathCache.faces[static_cast<std::size_t>(slot)].weight != weight)
        ++slot;
    if (slot == static_cast<int>(screenState.fontPathCache.faces.size())) return;
    if (slot == screenState.fontPathCache.count) ++screenState.fontPathCache.count;
    screenState.fontPathCache.faces[static_cast<std::size_t>(slot)] = face;
    writeCacheFile();
}

std::string facePathLine(const FacePath& face)
{
    if (face.file.empty() || face.file[0] != '/' || face.file.find_first_of(kNoPathBytes) != std::string::npos)
        return "";
    return std::to_string(face.weight) + " " + std::to_string(face.index) + " " + std::to_string(face.size) + " " +
           std::to_string(face.modifiedNs) + " " + face.file;
}

bool parseFacePathLine(std::string_view line, FacePath& face)
{
    const std::string text(line);
    int weight = 0;
    int index = 0;
    long long size = 0;
    long long modifiedNs = 0;
    int pathStart = -1;
    if (std::sscanf(text.c_str(), "%d %d %lld %lld %n", &weight, &index, &size, &modifiedNs, &pathStart) != 4 ||
        pathStart < 0 || static_cast<std::size_t>(pathStart) >= text.size() ||
        text[static_cast<std::size_t>(pathStart)] != '/' || index < 0 || size < 0 ||
        text.find_first_of(kNoPathBytes) != std::string::npos) {
        return false;
    }
    face.weight = weight;
    face.index = index;
    face.size = size;
    face.modifiedNs = modifiedNs;
    face.file = text.substr(static_cast<std::size_t>(pathStart));
    return true;
}
