// Replacing a file whole: a reader sees the old content or the new one, never a mix, and
// a link planted beside the file can neither be followed nor redirect the save.
#pragma once
#include <string>
#include <string_view>

// Writes `bytes` to a new, uniquely named temporary in the directory of `path` (created
// exclusively and never through a link), flushes it, renames it over `path` and flushes the
// directory. Temporaries left there by an earlier save that was killed are removed first;
// one that another running game is still writing is left alone. On failure `path` is as it
// was, false is returned and `reason` holds a short French reason for the player (UTF-8),
// like "dossier en lecture seule".
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);

// The short French reason for the player that goes with an errno value of a failed save.
const char* saveFailureReason(int error);
