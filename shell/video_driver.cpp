// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Which of SDL's video drivers show the game to a player.
#include "shell/video_driver.h"

#include <string_view>

bool videoDriverShowsGame(const char* driver, const char* requested)
{
    if (driver == nullptr) return false;
    const std::string_view name = driver;
    if (name != "offscreen" && name != "dummy") return true;
    std::string_view list = requested != nullptr ? requested : "";
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        if (list.substr(0, comma) == name) return true;
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return false;
}

bool waylandTitleBarsAreSafe(int major, int minor, int patch)
{
    const long version = major * 10000L + minor * 100L + patch;
    return version < 22400 || version >= 22800;
}
