// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Checks that fontconfig gives Lato for the game's face at the weights the pictures use.
#include "tools/make-data/font_check.h"

#include <array>
#include <string_view>

#include "screens/fonts.h"

namespace {

struct FaceWeight {
    int weight;  // as the pictures ask for it
    const char* name;
};
constexpr std::array<FaceWeight, 3> kWeights = {{{400, "regular"}, {700, "bold"}, {1000, "black"}}};

}  // namespace

bool latoFacesFound(std::string& missing)
{
    for (const FaceWeight& face : kWeights) {
        const GameFont& font = openGameFont(30, face.weight);
        const char* family = font.face != nullptr ? TTF_FontFaceFamilyName(font.face) : nullptr;
        if (family == nullptr || std::string_view(family).substr(0, 4) != "Lato") {
            missing = std::string(face.name) + " (found: " + (family != nullptr ? family : "no font at all") + ")";
            return false;
        }
    }
    return true;
}
