// Reading a file that must be a plain regular file (never a FIFO, a device or a directory).
#pragma once
#include <cstddef>
#include <string>

// Reads at most `maxBytes` of the regular file at `path` into `bytes`; false when it cannot be
// opened, is not a regular file, or a read fails.
bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);
