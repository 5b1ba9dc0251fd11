// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The executable's directory and the data directories found from it.
#include "shell/data_paths.h"
#include "shell/shell_state.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#ifndef TESSARON_DATA_FROM_BINDIR
// The install's data directory seen from its binary directory (/usr/games to
// /usr/share/games/tessaron), when the build does not say otherwise.
#define TESSARON_DATA_FROM_BINDIR "../share/games/tessaron"
#endif

namespace {

bool isDirectory(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The target of the link /proc/self/exe, read into a buffer that grows until it holds it.
std::string executablePath()
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "";
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string directoryOf(const std::string& exePath)
{
    const std::size_t slash = exePath.rfind('/');
    if (slash == std::string::npos) return "";
    return exePath.substr(0, slash);
}

std::string installedDataDir(const std::string& executableDir)
{
    return executableDir + "/" + TESSARON_DATA_FROM_BINDIR;
}

void findExeDir() { shellState.exeDir = directoryOf(executablePath()); }

std::string chooseDataDir(const std::string& executableDir)
{
    const std::string beside = executableDir + "/Tessaron Data";
    if (isDirectory(beside)) return beside;
    const std::string installed = installedDataDir(executableDir);
    if (isDirectory(installed)) return installed;
    return beside;
}

void composeDataDirs()
{
    shellState.dataDir = chooseDataDir(shellState.exeDir);
    shellState.imageDir = shellState.dataDir + "/Images/";
    shellState.soundDir = shellState.dataDir + "/Sons/";
}
