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

// Title bars drawn by libdecor only with an SDL that releases a closed window's frame: the
// boundaries of the faulty range, and Debian 12's 2.26.5 among them.
TEST(VideoDriver, WaylandTitleBarsOnlyWithAnSdlThatReleasesThem)
{
    const std::tuple<int, int, int, bool> cases[] = {
        {2, 0, 22, true},  {2, 23, 99, true}, {2, 24, 0, false}, {2, 26, 5, false},
        {2, 27, 9, false}, {2, 28, 0, true},  {2, 30, 9, true},  {3, 0, 0, true},
    };
    for (const auto& [major, minor, patch, safe] : cases)
        EXPECT_EQ(waylandTitleBarsAreSafe(major, minor, patch), safe) << major << "." << minor << "." << patch;
}
