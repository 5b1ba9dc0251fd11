// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Marks for French texts kept in tables or returned by the game world: each is a message id,
// gathered into the catalogue from these marks, and translated where it is drawn or printed.
#pragma once

// A drawn text (Windows-1252, as the code holds it); the screens translate it.
constexpr const char* drawnTextId(const char* french) { return french; }

// A terminal text (UTF-8); the shell translates it.
constexpr const char* trId(const char* french) { return french; }
