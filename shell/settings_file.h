// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's settings, kept between runs in $XDG_CONFIG_HOME/tessaron/tessaron.conf as
// "key = value" lines: the sound switch, full screen, the ways the paddle is played, the play
// keys, the pointer during play and the game window's size.
#pragma once
#include <SDL_keycode.h>

#include <cstdio>
#include <string>
#include <string_view>

// Slowest and fastest crossing of the playfield by a held arrow key, in milliseconds.
constexpr int kShortestKeyCrossingMs = 200;
constexpr int kLongestKeyCrossingMs = 5000;

// The keys of play, written in the file by their SDL names ("key_left = Left"); each may be
// any key. The menu's, the questions' and the dialogs' keys are fixed.
struct PlayKeys {
    SDL_Keycode left = SDLK_LEFT;       // key_left: moves the paddle left (with arrow_keys on)
    SDL_Keycode right = SDLK_RIGHT;     // key_right: moves the paddle right (with arrow_keys on)
    SDL_Keycode launch = SDLK_SPACE;    // key_launch: the click: launches, fires, lets a held ball go
    SDL_Keycode launchAlt = SDLK_UP;    // key_launch_alt: a second key for the click
    SDL_Keycode giveUp = SDLK_F12;      // key_give_up: asks to give up the balls in play
    SDL_Keycode quit = SDLK_ESCAPE;     // key_quit: asks to end the game
    SDL_Keycode fullScreen = SDLK_F11;  // key_fullscreen: the game window fills the screen or not
};

// A window size of 0 x 0: none remembered yet.
struct Settings {
    bool soundOn = true;         // the menu's "Sons" switch
    bool fullScreen = false;     // the game window fills the screen (F11)
    bool arrowKeys = true;       // Left and Right move the paddle, Space and Up act as the click
    bool gamepad = true;         // a gamepad plays as well
    int keyCrossingMs = 800;     // a held arrow key moves the paddle across the playfield in this time
    PlayKeys keys;               // the keys of play
    bool pointerInPlay = false;  // pointer_in_play = shown: the pointer stays drawn over the ball in play
    int windowWidth = 0;         // window_size: the game window's size as the player left it, screen pixels
    int windowHeight = 0;
    std::string language = "auto";  // "auto" follows the locale; "fr", "en", ... fixes the language
};

// What became of a read of the settings file.
enum class SettingsRead { Read, Missing, Unreadable, Damaged };

// The settings of `text`, over the defaults. Blank lines and lines starting with '#' are
// skipped; an unknown key is kept for the next write (a newer game's setting). A play key
// whose value names no key keeps its default, and a line of `notes` (French, UTF-8) names the
// line, the name and the key kept. Any other line that is not "known key = valid value" makes
// the whole text Damaged; `settings` then holds the defaults and `problem` names the line.
SettingsRead parseSettings(std::string_view text, Settings& settings, std::string& unknownLines, std::string& problem,
                           std::string* notes = nullptr);

// The file's text for `settings`, followed by the unknown lines kept from the read.
std::string formatSettings(const Settings& settings, std::string_view unknownLines);

// `file` (a settings text as the player and other games left it) with the keys whose lines in
// `ours` differ from those in `base` set to our values: each such line of `file` is rewritten
// in place, a key it lacks is added at its end; every other line, comments and unknown keys
// included, is kept byte for byte. `base` and `ours` are formatSettings texts: what this game
// last read or wrote, and what it plays with now.
std::string mergeSettings(std::string_view file, std::string_view base, std::string_view ours);

// The settings file as this run knows it.
struct StoredSettings {
    Settings values;            // what the game plays with
    std::string path;           // the file; "" without a home to keep it in
    std::string unknownLines;   // lines of the file this game does not know, kept on writing
    bool writable = false;      // false after a failed read: a damaged file is left for the player
    std::string base;           // formatSettings of the values as last read or written: what this game changed since
    std::string failure;        // why the last write failed (French, UTF-8); "" after a good one
    bool failureShown = false;  // a failed write has been told in the menu (once a run)
};

// The file's place: $XDG_CONFIG_HOME/tessaron/tessaron.conf, or ~/.config/tessaron/... when
// that variable is unset or not an absolute path; "" without a usable home.
std::string settingsFilePath();

// Reads the settings file at `path`. A missing file gives the defaults in silence (the first
// start); an unreadable or damaged one gives them with one line on `report` and is never
// written later. Each key name that names no key is reported on a line of its own, once, and
// the file stays writable.
StoredSettings readSettingsFile(const std::string& path, std::FILE* report);

// Writes the settings this run changed: the file is read again and merged (mergeSettings), so
// that other games' changes, comments and unknown lines stay; a missing file is written whole,
// its directory created. A link in the file's place is written through: its target is replaced
// atomically in the target's own directory. A file whose read failed, or that is damaged now,
// is never written. False, with one line on `report` and the reason in `stored.failure`, when
// the write fails; the first failure of a run is also shown in the menu's notice.
bool writeSettingsFile(StoredSettings& stored, std::FILE* report);
