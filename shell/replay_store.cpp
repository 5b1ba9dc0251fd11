// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Saving the replay of each game played, and keeping the newest ones.
#include "shell/replay_store.h"

#include <sys/stat.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "game/levels.h"
#include "game/replay_recorder.h"
#include "screens/translation.h"
#include "shell/atomic_file.h"
#include "shell/replay_file.h"
#include "shell/user_dirs.h"

namespace {

constexpr const char* kReplaySuffix = ".replay";

bool digitsAt(std::string_view name, std::size_t at, std::size_t count)
{
    if (at + count > name.size()) return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(at),
                       name.begin() + static_cast<std::ptrdiff_t>(at + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The number of digits from `at` on (at most `most`).
std::size_t digitRun(std::string_view name, std::size_t at, std::size_t most)
{
    std::size_t count = 0;
    while (count < most && at + count < name.size() && name[at + count] >= '0' && name[at + count] <= '9') ++count;
    return count;
}

// Creates the directory and its missing parents, private to the player.
bool makeDirectories(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return false;
    if (!S_ISDIR(status.st_mode)) errno = ENOTDIR;
    return S_ISDIR(status.st_mode);
}

// A dated replay as a file of the player's folder: a regular file, not a link or a folder.
bool isRegularFileAt(int directory, const char* name)
{
    struct stat status {};
    return fstatat(directory, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode);
}

// Whether the store wrote `name`: one of its dated replays or the record's copy.
bool isStoreFile(std::string_view name) { return name == kRecordReplayName || isDatedReplayName(name); }

}  // namespace

std::string replayDirectory()
{
    const std::string base = xdgUserDir("XDG_STATE_HOME", ".local/state");
    return base.empty() ? "" : base + "/replays";
}

std::string replayFileName(std::time_t when, int level, int score)
{
    std::tm local{};
    localtime_r(&when, &local);
    char date[32] = "";
    std::strftime(date, sizeof date, "%Y-%m-%d_%H-%M-%S", &local);
    char name[96];
    std::snprintf(name, sizeof name, "%s_niveau-%02d_score-%d%s", date, level, score, kReplaySuffix);
    return name;
}

bool isDatedReplayName(std::string_view name)
{
    // "YYYY-MM-DD_HH-MM-SS_niveau-NN_score-N", then "-C" for a copy (2 to 99), then ".replay".
    constexpr std::string_view kDateShape = "dddd-dd-dd_dd-dd-dd_niveau-dd_score-";
    if (name.size() <= kDateShape.size()) return false;
    for (std::size_t i = 0; i < kDateShape.size(); ++i) {
        if (kDateShape[i] == 'd' ? !digitsAt(name, i, 1) : name[i] != kDateShape[i]) return false;
    }
    std::size_t at = kDateShape.size();
    const std::size_t score = digitRun(name, at, 10);
    if (score == 0) return false;
    at += score;
    if (at < name.size() && name[at] == '-') {
        const std::size_t copy = digitRun(name, at + 1, 2);
        if (copy == 0 || name[at + 1] == '0' || (copy == 1 && name[at + 1] == '1')) return false;
        at += 1 + copy;
    }
    return name.substr(at) == kReplaySuffix;
}

namespace {
// The dated replays of `directory` (regular files of the store's exact shape), newest first.
std::vector<std::string> datedReplays(const std::string& directory)
{
    std::vector<std::string> names;
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing)) {
        if (isDatedReplayName(entry->d_name) && isRegularFileAt(dirfd(listing), entry->d_name)) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(listing);
    std::sort(names.begin(), names.end(), std::greater<>());
    return names;
}
}  // namespace

void pruneReplays(const std::string& directory, int keep)
{
    // Temporaries of the store's saves that were killed midway: their dated names never recur.
    clearStaleTemporaries(directory, isStoreFile);
    const std::vector<std::string> names = datedReplays(directory);
    for (std::size_t i = static_cast<std::size_t>(keep); i < names.size(); ++i) {
        unlink((directory + "/" + names[i]).c_str());
    }
}

std::vector<std::string> replaysNewestFirst(const std::string& directory)
{
    // By the file's own time: a name can say anything (a clock set wrong, a copy renamed).
    std::vector<std::pair<long long, std::string>> dated;
    for (const std::string& name : datedReplays(directory)) {
        struct stat status {};
        const std::string path = directory + "/" + name;
        if (lstat(path.c_str(), &status) != 0) continue;
        dated.emplace_back(static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec, path);
    }
    std::sort(dated.begin(), dated.end(), std::greater<>());
    std::vector<std::string> paths;
    for (auto& entry : dated) paths.push_back(std::move(entry.second));
    return paths;
}

std::string saveGameReplay(const std::string& directory, std::string& told)
{
    told.clear();
    if (replay.mode != ReplayMode::Recording) return "";
    endRecording();
    const bool setRecord =
        game.mode == GameMode::EndScreen && game.score == game.bestScore && game.score >= replay.start.bestScore;
    std::string reason;
    if (directory.empty()) {
        reason = tr("aucun dossier pour la garder");
    } else if (!makeDirectories(directory)) {
        reason = saveFailureReason(errno);
    }
    if (!reason.empty()) {
        told = tr("Partie non enregistrée : ") + reason;
        std::fprintf(stderr, tr("Tessaron : partie non enregistrée (%s) : %s\n"), reason.c_str(), directory.c_str());
        return "";
    }
    const int level = std::min(game.currentLevel, levelCountOf(game.levelSet));
    const std::string first = replayFileName(std::time(nullptr), level, game.score);
    const std::string bytes = encodeReplay(replay.start, replay.stream);
    // A name is taken only while free: two games ending in the same second keep both replays.
    std::string path;
    int error = EEXIST;
    for (int copy = 1; error == EEXIST && copy < 100; ++copy) {
        path = directory + "/" + first;
        if (copy > 1) path.insert(path.size() - std::strlen(kReplaySuffix), "-" + std::to_string(copy));
        error = writeNewFileAtomically(path, bytes, reason);
    }
    if (error != 0) {
        if (reason.empty()) reason = saveFailureReason(error);
        told = tr("Partie non enregistrée : ") + reason;
        std::fprintf(stderr, tr("Tessaron : partie non enregistrée (%s) : %s\n"), reason.c_str(), directory.c_str());
        return "";
    }
    if (setRecord && !writeFileAtomically(directory + "/" + kRecordReplayName, bytes, reason)) {
        told = tr("Partie enregistrée, mais pas sa copie du record : ") + reason;
        std::fprintf(stderr, tr("Tessaron : %s enregistrée, pas sa copie %s (%s)\n"), path.c_str(), kRecordReplayName,
                     reason.c_str());
    }
    pruneReplays(directory, kReplaysKept);
    return path;
}
