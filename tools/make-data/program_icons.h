// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The program's icon for menus, docks and software centres: PNG files in the hicolor theme.
#pragma once
#include <filesystem>

// Writes DIR/<N>x<N>/apps/<application id>.png (kDesktopAppId, the desktop entry's icon name)
// for every size the desktop asks for (16 to 256). False when a file cannot be written.
bool writeProgramIcons(const std::filesystem::path& hicolorDir);
