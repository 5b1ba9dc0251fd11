// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The contact sheet: every picture of the data directory at twice its size with its file
// name, the program's icon and pointers, and the main screens put together as the game
// shows them, in one PNG for looking the artwork over.
#pragma once
#include <string>

// Writes the sheet to `path` (PNG). False when it cannot be drawn or written.
bool writeContactSheet(const std::string& path);
