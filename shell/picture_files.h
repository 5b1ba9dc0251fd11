// Loading the game's pictures from their files: bitmaps (BMP) and icons (ICO) into 32-bit
// ARGB8888 surfaces at the size the game draws them.
#pragma once
#include <SDL_surface.h>

#include <cstddef>

// Loads the picture file at `path` (Windows-1252, turned into UTF-8 before it is opened) and
// returns an ARGB8888 surface of width x height, stretched smoothly when the file holds another
// size. The kind is read from the content: a bitmap comes back opaque with no blending, an icon
// with its transparency and alpha blending on. nullptr when the file is missing, unreadable,
// corrupt or of another kind; the caller frees the surface.
SDL_Surface* loadPictureFile(const char* path, int width, int height);

// The same from the bytes of a file already in memory.
SDL_Surface* pictureFromBytes(const unsigned char* data, std::size_t size, int width, int height);

// The entry of an icon file that best fits width x height, at its own size (32-bit entries keep
// their alpha; the others take their transparency from the AND mask; PNG entries are decoded
// too). nullptr when the bytes are not a sound icon file.
SDL_Surface* iconFromBytes(const unsigned char* data, std::size_t size, int width, int height);
