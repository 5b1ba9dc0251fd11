// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's pictures: its background with the game's name, and the button at rest and
// under the pointer.
#pragma once
#include <SDL_surface.h>

#include <string>

#include "screens/menu_labels.h"
#include "tools/make-data/picture_layout.h"

// Draws fondmenu.bmp, 285 x 445, of which the menu window shows the top-left 222 x 310.
SDL_Surface* drawMenuBackground();

// Draws a menu button, 128 x 24 (bouton.ico at rest, boutonSurvolé.ico under the pointer),
// light enough for its black label, at `scale` times its size. The button at rest is not drawn
// (null, with the faults on standard error) while a label of the menu, in the language drawn,
// would leave the room between its studs.
SDL_Surface* drawButton(bool hovered, int scale = 1);

// Notes a fault, naming bouton.ico and the label, when a menu label `width` pixels wide as shown
// (`translated`, centred, unless it is the French text, which keeps its place) would leave the
// room between the button's studs.
inline void checkMenuLabel(LayoutFaults& faults, const MenuLabel& label, const std::string& shown, int width,
                           bool translated)
{
    const int from = menuLabelDx(label, width, translated);
    checkSpan(faults, "bouton.ico", "the label \"" + shown + "\"", from, from + width, kMenuLabelLeft, kMenuLabelRight,
              "the room between the studs");
}
