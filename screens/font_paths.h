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

// The cache file's path and the faces read from it or found since.
struct FontPathCache {
    std::string cacheFile;  // "" while no cache is used (tools, tests)
    bool loaded = false;    // the cache file has been read
    std::array<FacePath, 8> faces{};
    int count = 0;
};
extern FontPathCache fontPathCache;

// Uses the cache file at `cacheFile` (in a directory that exists) from now on ("" uses none)
// and forgets what was read.
void useFontPathCache(const std::string& cacheFile);

// The file and face index kept for `weight`, when the kept file is still there unchanged.
bool cachedFacePath(int weight, std::string& file, int& index);

// Keeps the face that fontconfig gave for `weight` and rewrites the cache file.
void rememberFacePath(int weight, const std::string& file, int index);

// One line of the cache file: "WEIGHT INDEX SIZE MODIFIED PATH", and back. Only absolute paths
// without a line end are kept: any other gives "" one way and false the other.
std::string facePathLine(const FacePath& face);
bool parseFacePathLine(std::string_view line, FacePath& face);
