// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's pictures and the menu's buttons.
#include "screens/pictures.h"

#include "screens/menu_buttons.h"

Pictures pictures;
std::array<MenuButton, kMenuButtonEntries> menuButtons{};
