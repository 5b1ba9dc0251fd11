// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay validator: a whole event stream checked before any of it is played, so that a
// damaged replay file is refused with a reason instead of misleading the player.
#pragma once
#include <string>

#include "game/replay_reasons.h"

// Checks a whole stream without playing it; false and the reason in `refusal` when a record is
// malformed, a check names unknown fields, or the stream does not end with End.
bool validateStream(const std::string& stream, ReplayRefusal& refusal);
