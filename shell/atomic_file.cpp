// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Whole-file replacement through an exclusive temporary and a rename. Each temporary is
// locked by the save that writes it for as long as it exists under its name: a lock that
// can be taken means the save that made it is gone, so the file is a leftover.
#include "shell/atomic_file.h"

#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "screens/translation.h"
#include "shell/file_lock.h"
#include "shell/regular_file.h"

namespace {

constexpr const char* kTemporaryMark = ".tmp-";
// A fresh name collides only with a planted file or link; a few tries get past any of them.
constexpr int kNameTries = 16;
// Where the file system refuses locks, a temporary this old (seconds) belongs to no running save.
constexpr long kLeftoverAgeS = 600;

struct SplitPath {
    std::string directory;  // "." when the path has no directory part
    std::string name;
};

SplitPath splitPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::uint64_t randomNumber()
{
    std::uint64_t value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value)) return value;
    // No entropy yet (early boot): the clock and a counter still make names unique to us,
    // and O_EXCL turns any collision into another try.
    static std::uint64_t counter = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) * 6364136223846793005ull + ++counter;
}

std::string temporaryName(const std::string& name)
{
    char tail[64];
    std::snprintf(tail, sizeof tail, "%s%ld-%016" PRIx64, kTemporaryMark, static_cast<long>(getpid()), randomNumber());
    return name + tail;
}

// Whether `name` is one of our temporaries: "<final>.tmp-<pid>-<16 hex digits>"; `final` is
// then set to the name it was to take.
bool isTemporaryName(std::string_view name, std::string_view& final)
{
    constexpr std::size_t kHexDigits = 16;
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0) return false;
    const std::string_view tail = name.substr(mark + std::strlen(kTemporaryMark));
    const std::size_t dash = tail.find('-');
    if (dash == 0 || dash == std::string_view::npos || tail.size() - dash - 1 != kHexDigits) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = tail[i];
        const bool ok = i < dash    ? (c >= '0' && c <= '9')
                        : i == dash ? true
                                    : ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'));
        if (!ok) return false;
    }
    final = name.substr(0, mark);
    return true;
}

// Removes the leftovers of killed saves of `name` in `directory`: regular files named like
// our temporaries whose lock nobody holds. Links and other files are left where they are.
void clearLeftovers(const SplitPath& target)
{
    clearStaleTemporaries(target.directory, [&](std::string_view final) { return final == target.name; });
}

void syncDirectory(const std::string& directory)
{
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);  // the rename is already in place: a failure here loses nothing
    close(fd);
}

// Gives the temporary its final name: over whatever holds it, or, with `noReplace`, only while
// the name is free (EEXIST otherwise), which no other save can take between test and act.
bool placeTemporary(const std::string& temporary, const std::string& path, bool noReplace)
{
    if (!noReplace) return rename(temporary.c_str(), path.c_str()) == 0;
    if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the flag: a second link is refused as surely on a taken name.
    if (link(temporary.c_str(), path.c_str()) != 0) return false;
    unlink(temporary.c_str());
    return true;
}

// One attempt: ENOENT from the rename means a concurrent clean-up took our temporary before
// we locked it, and the caller tries again with a new one.
bool saveThroughTemporary(const std::string& path, const SplitPath& target, std::string_view bytes, bool noReplace,
                          int& error)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameTries && fd < 0; ++attempt) {
        temporary = target.directory + "/" + temporaryName(target.name);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error = errno;
        return false;
    }
    // Where the file system refuses locks the save goes on unguarded: clean-ups then judge a
    // temporary by its age alone.
    lockFileCall(fd, LOCK_EX);
    bool done = writeAllBytes(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
    done = done && placeTemporary(temporary, path, noReplace);
    error = errno;
    if (!done) unlink(temporary.c_str());
    close(fd);  // releases the lock once the temporary's name is gone
    return done;
}

}  // namespace

const char* saveFailureReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return tr("dossier en lecture seule");
    case EROFS: return tr("disque en lecture seule");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return tr("disque plein");
    case ENOENT:
    case ENOTDIR: return tr("dossier introuvable");
    case EISDIR:
    case EBUSY: return tr("un dossier porte son nom");
    default: return tr("erreur d'écriture");
    }
}

namespace {

int writeWhole(const std::string& path, std::string_view bytes, bool noReplace, std::string& reason)
{
    reason.clear();
    const SplitPath target = splitPath(path);
    if (target.name.empty()) {
        reason = saveFailureReason(EISDIR);
        return EISDIR;
    }
    clearLeftovers(target);
    int error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (saveThroughTemporary(path, target, bytes, noReplace, error)) {
            syncDirectory(target.directory);
            return 0;
        }
        if (error != ENOENT || access(target.directory.c_str(), F_OK) != 0) break;
    }
    reason = saveFailureReason(error);
    return error == 0 ? EIO : error;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& reason)
{
    return writeWhole(path, bytes, false, reason) == 0;
}

int writeNewFileAtomically(const std::string& path, std::string_view bytes, std::string& reason)
{
    return writeWhole(path, bytes, true, reason);
}

void clearStaleTemporaries(const std::string& directoryPath, const std::function<bool(std::string_view)>& ours)
{
    DIR* directory = opendir(directoryPath.c_str());
    if (directory == nullptr) return;
    while (const dirent* entry = readdir(directory)) {
        std::string_view final;
        if (!isTemporaryName(entry->d_name, final) || !ours(final)) continue;
        const int fd = openat(dirfd(directory), entry->d_name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        // A running save holds its temporary's lock: only a leftover's can be taken. Where
        // locks are refused, a temporary untouched for a long while is a leftover too.
        struct stat status {};
        if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            (lockFileCall(fd, LOCK_EX | LOCK_NB) == 0 ||
             (errno != EWOULDBLOCK && errno != EINTR && time(nullptr) - status.st_mtime > kLeftoverAgeS))) {
            unlinkat(dirfd(directory), entry->d_name, 0);
        }
        close(fd);
    }
    closedir(directory);
}
