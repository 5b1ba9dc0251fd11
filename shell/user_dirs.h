// The player's own directories, as the desktop's base directory conventions place them.
#pragma once
#include <string>

// "$variable/tessaron" when the variable is set to an absolute path, else
// "$HOME/<homeFallback>/tessaron"; "" when neither is usable.
std::string xdgUserDir(const char* variable, const char* homeFallback);
