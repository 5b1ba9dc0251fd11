// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Reading a file only when it is a regular file: a FIFO, a device or a directory put in
// place of one of the game's files counts as missing instead of hanging the game.
#pragma once
#include <cstddef>
#include <string>

// Opens `path` without blocking (O_RDONLY | O_NONBLOCK | O_CLOEXEC), checks on the open
// descriptor that it is a regular file and reads at most maxBytes of it into `bytes`; what
// lies beyond is ignored. False, with `bytes` empty, when it cannot be opened, is not a
// regular file or a read fails; errno then tells why (EINVAL for a file of another kind).
bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

// As readRegularFile, but a link at the last component of `path` is refused (errno ELOOP).
bool readRegularFileNotLink(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Opens `path` for writing only when it is, or becomes, a regular file: never through a
// link at its last component, never blocking on a FIFO. The file is emptied only once it
// is known to be regular. A descriptor, or -1 (errno set; EINVAL for another kind of file).
int openRegularFileForWriting(const std::string& path);

// Writes all `size` bytes to `fd`, going on after partial writes and interruptions.
bool writeAllBytes(int fd, const char* bytes, std::size_t size);
