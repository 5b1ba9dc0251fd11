// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's language: every text's French original is its message id in the gettext domain
// "tessaron"; a catalogue gives another language, and without one the French text stays.
#pragma once
#include <string>

#include "game/level_set.h"
#include "game/replay_reasons.h"
#include "game/text_ids.h"

// The gettext domain of the game's and the lab's texts.
constexpr const char* kTextDomain = "tessaron";

// A text drawn on screen (French, Windows-1252, as the code holds it) in the player's language,
// in Windows-1252. The French text itself when the catalogue has no translation, when the
// translation does not fit Windows-1252, or when its printf conversions differ from the
// original's (a faulty catalogue never reaches snprintf).
std::string drawnText(const char* french);

// A line for the terminal (French, UTF-8) in the player's language, UTF-8; the French text
// itself without a translation. The pointer stays valid for the whole run.
const char* tr(const char* french);

// The language of the catalogue in use, as its header names it ("en"); "" when the texts are
// the game's own French. Pictures holding words are looked for under Images/<language>/.
std::string catalogueLanguage();

// The system's text for the error number `error`, in the player's language as the locale's
// messages and character set give it (UTF-8 under a UTF-8 locale).
std::string systemErrorText(int error);

// A replay's refusal in the player's language, UTF-8 (its French text without a translation).
std::string replayRefusalLine(const ReplayRefusal& refusal);

// A level set's refusal in the player's language, UTF-8: "ligne N : ..." in French.
std::string levelSetRefusalLine(const LevelSetRefusal& refusal);

// Whether `translated` has the same printf conversions as `original`, in the same order
// ("%%" is no conversion).
bool sameConversions(const char* original, const char* translated);
