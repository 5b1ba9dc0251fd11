// Scratch files for the tests: a private temporary directory and whole-file reads and writes.
#pragma once
#include <string>

// Makes a new empty directory under the system's temporary directory and returns its path.
std::string makeScratchDirectory();

// Removes `path` and everything under it.
void removeScratchDirectory(const std::string& path);

// Replaces the file at `path` with exactly `bytes`.
void writeBytes(const std::string& path, const std::string& bytes);

// The whole content of the file at `path`; empty when it cannot be read.
std::string readBytes(const std::string& path);

// Whether anything (file, directory, link) exists at `path`.
bool pathExists(const std::string& path);
