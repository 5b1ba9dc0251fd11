// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The version of the game's rules, carried in every replay. A build plays a replay recorded under
// the same rules whatever the program's own version, and refuses any other: under other rules
// the same inputs would lead to another game.
#pragma once

// Raise it with any change that makes a recorded game play out differently (the ball's motion,
// the bricks, the capsules, the shots, the boards, the generator, the controls, the timing of
// the ticks, what the replay records), then record the golden replays again
// (tools/record-golden-replays.sh) and commit them with the change.
constexpr int kRulesVersion = 2;
