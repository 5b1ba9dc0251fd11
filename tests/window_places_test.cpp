// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Where the windows land: centred on the screen, only a negative y raised to the top.
#include <gtest/gtest.h>

#include <utility>

#include "shell/window_places.h"

TEST(WindowPlaces, CentredAndOnlyYIsRaisedToTheTop)
{
    const std::pair<Point, Point> cases[] = {{menuWindowPlace(1024, 768), {401, 217}},
                                             {gameWindowPlace(1024, 768), {142, 71}},
                                             {gameWindowPlace(640, 600), {-50, 0}},
                                             {menuWindowPlace(200, 300), {-11, 0}}};
    for (const auto& [place, expected] : cases)
        EXPECT_EQ((std::pair{place.x, place.y}), (std::pair{expected.x, expected.y}));
}
