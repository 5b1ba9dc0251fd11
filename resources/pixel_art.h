// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Small pictures kept as text in the program itself: one character a pixel, looked up in a
// palette (the program's icon and its two cursors).
#pragma once
#include <cstdint>

// One palette entry: a character of the rows and the ARGB colour it stands for.
struct PixelArtColour {
    char key;
    std::uint32_t argb;
};

// A picture as rows of characters; any character not in the palette is transparent.
struct PixelArt {
    int width;                      // pixels
    int height;                     // pixels, the number of rows
    const char* const* rows;        // `height` rows of `width` characters
    const PixelArtColour* palette;  // colours of the characters
    int paletteSize;                // entries in `palette`
    int hotX;                       // the pointer's hot spot, for cursors (0 otherwise)
    int hotY;
};

// The ARGB colour of the pixel (x, y); 0 (transparent) outside the picture or for a
// character that the palette does not hold.
constexpr std::uint32_t pixelArtColour(const PixelArt& art, int x, int y)
{
    if (x < 0 || y < 0 || x >= art.width || y >= art.height) return 0;
    const char key = art.rows[y][x];
    for (int i = 0; i < art.paletteSize; ++i)
        if (art.palette[i].key == key) return art.palette[i].argb;
    return 0;
}

// True when every row holds exactly `width` characters and the hot spot lies in the picture.
constexpr bool pixelArtWellFormed(const PixelArt& art)
{
    for (int y = 0; y < art.height; ++y) {
        int length = 0;
        while (art.rows[y][length] != '\0') ++length;
        if (length != art.width) return false;
    }
    return art.hotX >= 0 && art.hotY >= 0 && art.hotX < art.width && art.hotY < art.height;
}
