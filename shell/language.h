// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Choosing the player's language at start-up: the locale's messages and character types, the
// catalogues' directory, and the settings file's "language" key.
#pragma once
#include <string>
#include <string_view>

// Whether `value` may stand after "language = ": "auto" (the locale decides), or a catalogue's
// language such as "fr", "en" or "pt_BR".
bool validLanguageSetting(std::string_view value);

// The catalogues' directory for an executable in `executableDir`: "locale" beside it (the build
// tree) when that is a directory, else the install's share/locale reached by the relative path
// fixed at configure time, so that a moved install keeps its languages.
std::string chooseLocaleDir(const std::string& executableDir);

// Takes the language from the environment as desktop programs do (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), for messages only: numbers, character types and every file the game
// reads or writes stay as in the C locale. `setting` other than "auto" fixes the language
// ("fr" gives the game's own texts). Binds the domain to `localeDir` in UTF-8.
void startLanguage(const std::string& localeDir, std::string_view setting);

// The "language" value of the settings file at `path`, read without a word on the terminal
// (its faults are told when the settings are read for the game); "auto" when it has none.
std::string languageSetting(const std::string& path);
