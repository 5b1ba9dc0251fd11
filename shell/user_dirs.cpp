// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's own directories: where per-user files go when the game's directory is not
// the player's to write.
#include "shell/user_dirs.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace {

bool isAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

bool isDirectory(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string xdgUserDir(const char* variable, const char* homeFallback)
{
    const char* base = variable == nullptr ? nullptr : std::getenv(variable);
    if (isAbsolute(base)) return std::string(base) + "/tessaron";
    const char* home = std::getenv("HOME");
    if (!isAbsolute(home) || homeFallback == nullptr) return "";
    return std::string(home) + "/" + homeFallback + "/tessaron";
}

bool makeUserDir(const std::string& directory)
{
    if (directory.empty()) return false;
    // Each missing ancestor in turn, from the top; an existing one is left as it is.
    for (std::size_t slash = directory.find('/', 1); slash != std::string::npos;
         slash = directory.find('/', slash + 1)) {
        const std::string ancestor = directory.substr(0, slash);
        if (mkdir(ancestor.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    if (mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) return false;
    return isDirectory(directory);
}
