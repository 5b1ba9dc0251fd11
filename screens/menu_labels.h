// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The menu's drawn buttons and their labels: where each button stands, its French label and where
// that label is written in it, the labels' font and the room a label has between the button's
// studs. The menu places its labels from this table and make-data measures every label, in
// every language, against the room (tools/make-data/menu_pictures.h).
#pragma once
#include <array>
#include <cstdint>

#include "screens/menu_buttons.h"
#include "screens/translation.h"

constexpr int kMenuButtonWidth = 128;  // the buttons' pictures and clickable areas, pixels
constexpr int kMenuButtonHeight = 24;
constexpr int kMenuButtonStudInset = 7;   // the round studs' centres from the button's ends
constexpr int kMenuButtonStudRadius = 3;  // the drawn 2.8 pixels, rounded up
// A label stays between the studs.
constexpr int kMenuLabelLeft = kMenuButtonStudInset + kMenuButtonStudRadius;
constexpr int kMenuLabelRight = kMenuButtonWidth - kMenuButtonStudInset - kMenuButtonStudRadius;
constexpr int kMenuLabelDy = 3;  // the label's top below the button's, one less under the pointer
constexpr int kMenuLabelFontHeight = 19;
constexpr int kMenuLabelFontWeight = 650;

struct MenuLabel {
    std::int32_t x;  // the button's top-left corner in the menu's client area
    std::int32_t y;
    std::int32_t frenchDx;  // the French label's left edge from the button's
    const char* text;       // the French label, Windows-1252
};

// The drawn buttons, top to bottom from kFirstDrawnButton; the sound button as the sound starts.
constexpr std::array<MenuLabel, kDrawnMenuButtons> kMenuLabels = {{
    {40, 80, 25, drawnTextId("Commencer")},
    {40, 140, 13, drawnTextId("Entrer un code")},
    {40, 180, 18, drawnTextId("Credits, Aide")},
    {40, 220, 35, drawnTextId("Sons : ON")},
    {40, 260, 35, drawnTextId("QUITTER")},
}};
// The sound button's other label, at the same place.
constexpr MenuLabel kSoundOffLabel{kMenuLabels[kSoundButton - kFirstDrawnButton].x,
                                   kMenuLabels[kSoundButton - kFirstDrawnButton].y,
                                   kMenuLabels[kSoundButton - kFirstDrawnButton].frenchDx, drawnTextId("Sons : OFF")};

// Where a label `width` pixels wide starts from its button's left edge: the French text where it
// stands, a translation centred.
constexpr int menuLabelDx(const MenuLabel& label, int width, bool translated)
{
    return translated ? (kMenuButtonWidth - width) / 2 : label.frenchDx;
}
