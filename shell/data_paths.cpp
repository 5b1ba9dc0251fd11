// The executable's directory and the data directories beside it.
#include "shell/data_paths.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

std::array<char, 260> exeDir{};
std::array<char, 300> imageDir{};
std::array<char, 300> soundDir{};

void findExeDir()
{
    std::array<char, 260> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    exeDir[0] = '\0';
    if (length <= 0) return;
    path[static_cast<std::size_t>(length)] = '\0';
    char* slash = std::strrchr(path.data(), '/');
    if (slash == nullptr) return;
    *slash = '\0';
    std::snprintf(exeDir.data(), exeDir.size(), "%s", path.data());
}

void composeDataDirs()
{
    std::snprintf(imageDir.data(), imageDir.size(), "%s/Tessaron Data/Images/", exeDir.data());
    std::snprintf(soundDir.data(), soundDir.size(), "%s/Tessaron Data/Sons/", exeDir.data());
}
