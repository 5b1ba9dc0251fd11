// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Pictures laid out from their contents: today's rows fit, one row more is a fault that names
// the picture and what overflowed.
#include <gtest/gtest.h>

#include <string>

#include "game/capsule_kinds.h"
#include "tools/make-data/credits_picture.h"
#include "tools/make-data/game_background.h"

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
