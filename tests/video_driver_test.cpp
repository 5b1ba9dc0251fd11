// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Which video drivers show the game: SDL's fallbacks count only when they were asked for (the
// start without a display is checked on the real game by e2e_game.sh).
#include <gtest/gtest.h>

#include <tuple>

#include "shell/video_driver.h"

TEST(VideoDriver, OnlyADisplayOrADriverAskedForShowsTheGame)
{
    // The driver SDL chose, the one asked for (nullptr: none), whether the game shows.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"x11", nullptr, true},    {"wayland", "wayland", true},
        {"dummy", nullptr, false}, {"offscreen", nullptr, false},
        {"dummy", "dummy", true},  {"offscreen", "x11,wayland", false},
        {"dummy", ",", false},     {"offscreen", "wayland,offscreen", true},
        {nullptr, nullptr, false}, {"dummy", "dummyx", false},
    };
    for (const auto& [driver, requested, shows] : cases)
        EXPECT_EQ(videoDriverShowsGame(driver, requested), shows)
            << (driver ? driver : "null") << " / " << (requested ? requested : "unset");
}
