// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Pictures laid out from their contents: today's rows and labels fit, one row or one word more is
// a fault that names the picture and what overflowed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/capsule_kinds.h"
#include "screens/fonts.h"
#include "tools/make-data/credits_picture.h"
#include "tools/make-data/game_background.h"
#include "tools/make-data/menu_pictures.h"

// The capsule lines and the effect slots fit as the rows make them, and one more of each is named.
TEST(PictureLayout, OneRowTooManyIsAFaultNamingItsPicture)
{
    const int controls = 9;  // the credits' control lines today
    struct Case {
        LayoutFaults fits, overflows;
        std::string named;
    };
    const Case cases[] = {
        {creditsRowFaults(controls, kCapsuleKinds), creditsRowFaults(controls, kCapsuleKinds + 1),
         "credits.bmp: " + std::to_string(kCapsuleKinds + 1) + " capsule lines"},
        {creditsRowFaults(controls, kCapsuleKinds), creditsRowFaults(controls + 1, kCapsuleKinds),
         "credits.bmp: 4 brick lines below the controls"},
        {effectSlotFaults(kEffectMarkSlotCount), effectSlotFaults(kEffectMarkSlotCount + 1),
         "fond.bmp: " + std::to_string(kEffectMarkSlotCount + 1) + " effect mark slots"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.fits.text, "");
        EXPECT_EQ(c.overflows.text.rfind(c.named, 0), 0u) << c.overflows.text;
    }
}

// Every menu label, measured in the menu's font and placed as the menu places it (French where it
// stands, a translation centred), stays between the button's studs; a word more does not.
TEST(PictureLayout, AMenuLabelOneWordTooLongIsAFaultNamingItsPictureAndLabel)
{
    struct Case {
        MenuLabel label;
        bool translated, fits;
    };
    std::vector<Case> cases = {{kSoundOffLabel, false, true}};
    for (const MenuLabel& label : kMenuLabels) cases.push_back({label, false, true});
    const MenuLabel code = kMenuLabels[kLevelCodeButton - kFirstDrawnButton];
    cases.push_back({{code.x, code.y, code.frenchDx, "Entrer un codes"}, false, false});
    cases.push_back({{code.x, code.y, code.frenchDx, "Enter a code"}, true, true});
    cases.push_back({{code.x, code.y, code.frenchDx, "Enter a secret code"}, true, false});
    for (const Case& c : cases) {
        const int width = textWidth(openGameFont(kMenuLabelFontHeight, kMenuLabelFontWeight), c.label.text,
                                    static_cast<int>(std::strlen(c.label.text)));
        LayoutFaults faults;
        checkMenuLabel(faults, c.label, c.label.text, width, c.translated);
        if (c.fits) EXPECT_EQ(faults.text, "");
        else
            EXPECT_EQ(faults.text.rfind("bouton.ico: the label \"" + std::string(c.label.text) + "\" spans", 0), 0u)
                << faults.text;
    }
}
