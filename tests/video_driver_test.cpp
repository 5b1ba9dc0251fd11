// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Which video drivers show the game: SDL's fallbacks count only when they were asked for (the
// start without a display is checked on the real game by e2e_game.sh).
#include <gtest/gtest.h>

#include "shell/video_driver.h"

TEST(VideoDriver, OnlyADisplayOrADriverAskedForShowsTheGame)
{
    const struct {
        const char* driver;
        const char* requested;
        bool shows;
    } cases[] = {
        {"x11", nullptr, true},        {"wayland", "wayland", true},    {"offscreen", nullptr, false},
        {"dummy", nullptr, false},     {"offscreen", "x11,wayland", false},
        {"dummy", "dummy", true},      {"offscreen", "wayland,offscreen", true},
        {"dummy", "dummyx", false},    {"dummy", ",", false},           {nullptr, nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(videoDriverShowsGame(c.driver, c.requested), c.shows)
            << (c.driver ? c.driver : "null") << " / " << (c.requested ? c.requested : "unset");
}
