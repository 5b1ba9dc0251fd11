// Where the game finds its data: the executable's directory and the data directories in it.
#pragma once
#include <array>

// Directory of the running executable, without a trailing separator, in Windows-1252 like
// every text of the game (turned back into UTF-8 where a file is opened).
extern std::array<char, 260> exeDir;
// "<exeDir>/Tessaron Data/Images/" and ".../Sons/": a file name is appended directly.
extern std::array<char, 300> imageDir;
extern std::array<char, 300> soundDir;

// Fills exeDir from the running executable's path (/proc/self/exe); empty when unknown.
void findExeDir();

// Composes imageDir and soundDir from exeDir.
void composeDataDirs();
