// Writing a whole file so that readers see either the old file or the new one, never a part.
#pragma once
#include <string>
#include <string_view>

// Writes `bytes` to a uniquely named temporary beside `path`, syncs it, renames it over `path`
// and syncs the directory. On failure nothing at `path` changes, and `reason` holds a short
// French reason for the player.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);
