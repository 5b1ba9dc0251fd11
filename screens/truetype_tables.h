// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The TrueType table reader: the vertical metrics of a face read from its font file, which
// size the game's text cells as the original font mapper sized them.
#pragma once

// A font file's vertical metrics in font units: the cell is winAscent + winDescent.
struct CellMetrics {
    int unitsPerEm = 0;
    int winAscent = 0;
    int winDescent = 0;
};

// Reads unitsPerEm from 'head' and usWinAscent/usWinDescent from 'OS/2' of the face
// `faceIndex` of a TrueType/OpenType file or collection at `path`. False when the file cannot
// be read, lacks either table, or gives an empty cell; `metrics` is then not to be used.
bool readCellMetrics(const char* path, int faceIndex, CellMetrics& metrics);
