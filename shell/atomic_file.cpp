// Atomic replacement of a file: exclusive temporary, fsync, rename, directory fsync.
#include "shell/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace {

bool writeAllBytes(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& reason)
{
    std::random_device entropy;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(entropy());
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        reason = std::string("impossible de cr\xc3\xa9""er le fichier : ") + std::strerror(errno);
        return false;
    }
    const bool written = writeAllBytes(fd, bytes) && fsync(fd) == 0;
    const int writeError = errno;
    if (close(fd) != 0 || !written) {
        unlink(temporary.c_str());
        reason = std::string("\xc3\xa9""criture impossible : ") + std::strerror(written ? errno : writeError);
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        reason = std::string("remplacement impossible : ") + std::strerror(errno);
        unlink(temporary.c_str());
        return false;
    }
    const int directory = open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        fsync(directory);
        close(directory);
    }
    return true;
}
