// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Paths as messages show them: a name may hold any byte but '/' and NUL, and a line end or an
// escape sequence in it must not forge or garble the lines of the terminal.
#pragma once
#include <string>
#include <string_view>

// `path` with every control character written as an escape ("\n", "\t", "\x1b") and each
// backslash doubled; every other byte, UTF-8 included, is kept as it is.
std::string printablePath(std::string_view path);
