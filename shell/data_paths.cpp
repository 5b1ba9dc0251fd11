// The executable's directory and the data directories beside it.
#include "shell/data_paths.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "screens/fonts.h"

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
    // The game's texts are Windows-1252; a directory name that it cannot hold stays as the
    // file system gave it (its pictures and sounds are then not found, and the game goes on).
    std::string directory;
    if (!windows1252FromUtf8(path.data(), directory)) directory = path.data();
    std::snprintf(exeDir.data(), exeDir.size(), "%s", directory.c_str());
}

void composeDataDirs()
{
    std::snprintf(imageDir.data(), imageDir.size(), "%s/Tessaron Data/Images/", exeDir.data());
    std::snprintf(soundDir.data(), soundDir.size(), "%s/Tessaron Data/Sons/", exeDir.data());
}
