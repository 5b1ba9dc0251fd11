// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Opening the game's files safely: only regular files are read or written.
#include "shell/regular_file.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// True when the open descriptor is a regular file; else closes it and sets errno.
bool keepIfRegular(int fd)
{
    struct stat status {};
    const bool described = fstat(fd, &status) == 0;
    if (described && S_ISREG(status.st_mode)) return true;
    const int reason = described ? EINVAL : errno;
    close(fd);
    errno = reason;
    return false;
}

// Reads as readRegularFile does, opening with these flags added.
bool readOpened(const std::string& path, std::size_t maxBytes, std::string& bytes, int extraFlags)
{
    bytes.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | extraFlags);
    if (fd < 0 || !keepIfRegular(fd)) return false;
    char chunk[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof chunk, maxBytes - bytes.size());
        const ssize_t got = read(fd, chunk, wanted);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int reason = errno;
            close(fd);
            bytes.clear();
            errno = reason;
            return false;
        }
        if (got == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    close(fd);
    return true;
}

}  // namespace

bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    return readOpened(path, maxBytes, bytes, 0);
}

bool readRegularFileNotLink(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    return readOpened(path, maxBytes, bytes, O_NOFOLLOW);
}

int openRegularFileForWriting(const std::string& path)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 || !keepIfRegular(fd)) return -1;
    if (ftruncate(fd, 0) != 0) {
        const int reason = errno;
        close(fd);
        errno = reason;
        return -1;
    }
    return fd;
}

bool writeAllBytes(int fd, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t done = write(fd, bytes, size);
        if (done < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}
