// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The Windows-1252 codec: the game keeps its texts in Windows-1252 bytes, and SDL_ttf and the
// player's file system speak UTF-8.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Windows-1252 to UTF-8; every byte maps (the five unassigned bytes 0x81, 0x8D, 0x8F, 0x90
// and 0x9D to the control characters of the same number, as Windows does).
std::string utf8FromWindows1252(std::string_view text);

// UTF-8 to Windows-1252 into `out`. False, with `out` emptied, when the text is not valid
// UTF-8 or holds a character that Windows-1252 cannot hold.
bool windows1252FromUtf8(std::string_view utf8, std::string& out);

// Decodes the UTF-8 character at `pos` into `code` and moves `pos` past it; false, with `pos`
// unmoved, on an overlong form, a surrogate, a code above U+10FFFF or a truncated character.
bool decodeUtf8(std::string_view text, std::size_t& pos, std::uint32_t& code);
