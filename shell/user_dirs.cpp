// The player's own directories.
#include "shell/user_dirs.h"

#include <cstdlib>

std::string xdgUserDir(const char* variable, const char* homeFallback)
{
    const char* base = std::getenv(variable);
    if (base != nullptr && base[0] == '/') return std::string(base) + "/tessaron";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return "";
    return std::string(home) + "/" + homeFallback + "/tessaron";
}
