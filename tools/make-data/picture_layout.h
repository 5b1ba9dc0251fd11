// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Pictures laid out from their contents: rows stacked from the number of rows, and the checks
// that every row and every text stays in its box, named so that make-data can say which
// picture and what overflowed instead of drawing a line nobody sees.
#pragma once
#include <string>

// Rows of equal pitch stacked down from a top edge.
struct RowStack {
    int top;        // the first row's top edge, pixels
    int pitch;      // from one row's top edge to the next
    int rowHeight;  // the height of a row's tallest part
};

// The top edge of row `row` (from 0).
constexpr int rowTop(const RowStack& stack, int row) { return stack.top + stack.pitch * row; }

// Where the stack of `rows` rows leaves off: the top edge a row after the last would have.
constexpr int stackEnd(const RowStack& stack, int rows) { return rowTop(stack, rows); }

// The bottom edge of the last of `rows` rows (the top edge when there are none).
constexpr int stackBottom(const RowStack& stack, int rows)
{
    return rows <= 0 ? stack.top : rowTop(stack, rows - 1) + stack.rowHeight;
}

// What overflowed, one line per fault, each naming the picture; empty while everything fits.
struct LayoutFaults {
    std::string text;
};

// Notes a fault unless low <= from and to <= high: `what` spans from..to along one axis of
// `picture`, inside a box from low to high named `box`.
inline void checkSpan(LayoutFaults& faults, const char* picture, const std::string& what, int from, int to, int low,
                      int high, const char* box)
{
    if (from >= low && to <= high) return;
    faults.text += std::string(picture) + ": " + what + " spans " + std::to_string(from) + " to " + std::to_string(to) +
                   ", outside " + box + " (" + std::to_string(low) + " to " + std::to_string(high) + ")\n";
}

// Notes a fault unless `rows` rows of the stack end at or above `bottom`, the top of what lies
// below them (`below`).
inline void checkRows(LayoutFaults& faults, const char* picture, const char* what, const RowStack& stack, int rows,
                      int bottom, const char* below)
{
    checkSpan(faults, picture, std::to_string(rows) + " " + what, stack.top, stackBottom(stack, rows), stack.top,
              bottom, below);
}
