// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The font files that fontconfig chose last time, kept in the player's cache directory, so
// that the game opens its faces by their paths and asks fontconfig again only when a file
// has gone or changed.
#pragma once
#include <array>
#include <string>
#include <string_view>

// One face as fontconfig gave it for a weight, with what the file looked like then.
struct FacePath {
    int weight = 0;            // the fontconfig weight asked for
    int index = 0;             // the face's index in its file
    long long size = 0;        // the file's size in bytes
    long long modifiedNs = 0;  // the file's last change, nanoseconds since 1970
    std::string file;          // the file's path, the file system's bytes
};

// How the cache file is read and written; the shell gives the game's own safe file access (a
// regular file only, never blocking, size bounded; written through an exclusive temporary and
// an atomic rename).
struct FontCacheFiles {
    bool (*read)(const std::string& path, std::string& bytes) = nullptr;  // false: no file to read
    bool (*write)(const std::string& path, std::string_view bytes) = nullptr;
};

// The cache file's path and the faces read from it or found since.
struct FontPathCache {
    std::string cacheFile;  // "" while no cache is used (tools, tests)
    FontCacheFiles files;   // how cacheFile is read and written
    bool loaded = false;    // the cache file has been read
    std::array<FacePath, 8> faces{};
    int count = 0;
};

// Uses the cache file at `cacheFile` (in a directory that exists) through `files` from now on
// ("" or a missing reader or writer uses none) and forgets what was read.
void useFontPathCache(const std::string& cacheFile, FontCacheFiles files);

// The file and face index kept for `weight`, when the kept file is still there unchanged.
bool cachedFacePath(int weight, std::string& file, int& index);

// Keeps the face that fontconfig gave for `weight` and rewrites the cache file.
void rememberFacePath(int weight, const std::string& file, int index);

// Drops the face kept for `weight` (its file would not open as a usable face) and rewrites
// the cache file.
void forgetFacePath(int weight);

// The faces of a cache file's text, in `cache` (at most its table's size; bad lines skipped).
void parseFontPathCache(std::string_view text, FontPathCache& cache);

// One line of the cache file: "WEIGHT INDEX SIZE MODIFIED PATH", and back. Only absolute paths
// without a line end or a NUL are kept: any other gives "" one way and false the other.
std::string facePathLine(const FacePath& face);
bool parseFacePathLine(std::string_view line, FacePath& face);
