// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The shell's one global.
#include "shell/shell_state.h"

ShellState shellState;
