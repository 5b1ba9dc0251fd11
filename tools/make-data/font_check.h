// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The faces make-data draws its texts with: every picture's lettering is laid out for Lato, and
// another face would clip or misplace it, so the pictures are drawn only when Lato is there.
#pragma once
#include <string>

// Whether the game's face resolves to Lato at each weight the pictures use (regular, bold,
// black). When not, `missing` names the first weight without it and the face found instead.
bool latoFacesFound(std::string& missing);
