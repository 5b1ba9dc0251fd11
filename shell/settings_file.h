// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's settings, kept between runs in $XDG_CONFIG_HOME/tessaron/tessaron.conf as
// "key = value" lines: the sound switch, full screen and the ways the paddle is played.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

// Slowest and fastest crossing of the playfield by a held arrow key, in milliseconds.
constexpr int kShortestKeyCrossingMs = 200;
constexpr int kLongestKeyCrossingMs = 5000;

struct Settings {
    bool soundOn = true;      // the menu's "Sons" switch
    bool fullScreen = false;  // the game window fills the screen (F11)
    bool arrowKeys = true;    // Left and Right move the paddle, Space and Up act as the click
    bool gamepad = true;      // a gamepad plays as well
    int keyCrossingMs = 800;  // a held arrow key moves the paddle across the playfield in this time
};

// What became of a read of the settings file.
enum class SettingsRead { Read, Missing, Unreadable, Damaged };

// The settings of `text`, over the defaults. Blank lines and lines starting with '#' are
// skipped; an unknown key is kept for the next write (a newer game's setting). Any other
// line that is not "known key = valid value" makes the whole text Damaged; `settings` then
// holds the defaults and `problem` names the line (French, UTF-8).
SettingsRead parseSettings(std::string_view text, Settings& settings, std::string& unknownLines, std::string& problem);

// The file's text for `settings`, followed by the unknown lines kept from the read.
std::string formatSettings(const Settings& settings, std::string_view unknownLines);

// The settings file as this run knows it.
struct StoredSettings {
    Settings values;           // what the game plays with
    std::string path;          // the file; "" without a home to keep it in
    std::string unknownLines;  // lines of the file this game does not know, kept on writing
    bool writable = false;     // false after a failed read: a damaged file is left for the player
};

// The file's place: $XDG_CONFIG_HOME/tessaron/tessaron.conf, or ~/.config/tessaron/... when
// that variable is unset or not an absolute path; "" without a usable home.
std::string settingsFilePath();

// Reads the settings file at `path`. A missing, unreadable or damaged file gives the defaults
// and one line on `report`; only a missing file may be written later.
StoredSettings readSettingsFile(const std::string& path, std::FILE* report);

// Writes `stored` atomically, creating its directory; a file whose read failed is never
// written. False, with one line on `report`, when the write fails.
bool writeSettingsFile(const StoredSettings& stored, std::FILE* report);

// The settings of this run, read at start-up and written when the player changes one.
extern StoredSettings playerSettings;
