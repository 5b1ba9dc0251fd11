// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Loading the game's pictures from their files: bitmaps (BMP) and icons (ICO) into 32-bit
// ARGB8888 surfaces at the size the game draws them.
#pragma once
#include <SDL_surface.h>

#include <cstddef>

// Loads the picture file at `path` (the file system's bytes) when it is a regular file and
// returns an ARGB8888 surface of width x height. A bitmap must state exactly that size; an
// icon's nearest entry is stretched smoothly to it. The kind is read from the content: a bitmap comes back opaque with no blending, an icon
// with its transparency and alpha blending on. nullptr when the file is missing, unreadable,
// corrupt or of another kind; the caller frees the surface.
SDL_Surface* loadPictureFile(const char* path, int width, int height);

// The picture in the bytes of a file already in memory, stretched smoothly to width x height
// whatever size it states.
SDL_Surface* pictureFromBytes(const unsigned char* data, std::size_t size, int width, int height);

// The entry of an icon file that best fits width x height, at its own size (32-bit entries keep
// their alpha; the others take their transparency from the AND mask; PNG entries are decoded
// too). nullptr when the bytes are not a sound icon file.
SDL_Surface* iconFromBytes(const unsigned char* data, std::size_t size, int width, int height);
