// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The screens' one global.
#include "screens/screen_state.h"

ScreenState screenState;
