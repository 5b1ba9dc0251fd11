// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Replacing a file whole: a reader sees the old content or the new one, never a mix, and
// a link planted beside the file can neither be followed nor redirect the save.
#pragma once
#include <functional>
#include <string>
#include <string_view>

// Writes `bytes` to a new, uniquely named temporary in the directory of `path` (created
// exclusively and never through a link), flushes it, renames it over `path` and flushes the
// directory. Temporaries left there by an earlier save that was killed are removed first;
// one that another running game is still writing is left alone. On failure `path` is as it
// was, false is returned and `reason` holds a short French reason for the player (UTF-8),
// like "dossier en lecture seule".
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);

// As writeFileAtomically, but a file already at `path` is never replaced: the new one takes
// the name only while it is free, in one step no other save can come between. Returns 0 when
// written, EEXIST when the name was taken (nothing written, no reason), else the errno of the
// failure with `reason` set.
int writeNewFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);

// Removes from `directory` the temporaries of saves that were killed: regular files named
// "<final>.tmp-<pid>-<16 hex digits>" for which `ours(final)` holds and whose writer's lock is
// free. A temporary that a running game is writing, links and folders are left alone.
void clearStaleTemporaries(const std::string& directory, const std::function<bool(std::string_view)>& ours);

// The short French reason for the player that goes with an errno value of a failed save.
const char* saveFailureReason(int error);
