// Reading a regular file through its descriptor, so that what is checked is what is read.
#include "shell/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat status {};
    bool ok = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    char block[65536];
    while (ok && bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof block, maxBytes - bytes.size());
        const ssize_t got = read(fd, block, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        bytes.append(block, static_cast<std::size_t>(got));
    }
    close(fd);
    return ok;
}
