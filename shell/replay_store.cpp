// Saving the replay of each game played, and keeping the newest ones.
#include "shell/replay_store.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "game/game_state.h"
#include "game/levels.h"
#include "game/replay.h"
#include "shell/atomic_file.h"
#include "shell/replay_file.h"
#include "shell/user_dirs.h"

namespace {

constexpr const char* kReplaySuffix = ".replay";

bool isDatedReplay(const std::string& name)
{
    const std::size_t suffix = std::strlen(kReplaySuffix);
    return name.size() > suffix + 4 && std::all_of(name.begin(), name.begin() + 4, [](char c) {
               return c >= '0' && c <= '9';
           }) && name.compare(name.size() - suffix, suffix, kReplaySuffix) == 0;
}

// Creates the directory and its missing parents, private to the player.
bool makeDirectories(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool exists(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

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

void pruneReplays(const std::string& directory, int keep)
{
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr) return;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(listing)) {
        if (isDatedReplay(entry->d_name)) names.emplace_back(entry->d_name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end(), std::greater<>());
    for (std::size_t i = static_cast<std::size_t>(keep); i < names.size(); ++i) {
        unlink((directory + "/" + names[i]).c_str());
    }
}

std::string newestReplay(const std::string& directory)
{
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr) return "";
    std::string newest;
    while (const dirent* entry = readdir(listing)) {
        if (isDatedReplay(entry->d_name) && entry->d_name > newest) newest = entry->d_name;
    }
    closedir(listing);
    return newest.empty() ? "" : directory + "/" + newest;
}

std::string saveGameReplay(const std::string& directory)
{
    if (replay.mode != ReplayMode::Recording) return "";
    endRecording();
    const bool setRecord = game.gameOverShown == 1 && game.score == game.bestScore &&
                           game.score >= replay.start.bestScore;
    if (directory.empty() || !makeDirectories(directory)) {
        std::fprintf(stderr, "Tessaron : partie non enregistrée : pas de dossier %s\n", directory.c_str());
        return "";
    }
    const int level = std::min(game.currentLevel, kLevelCount);
    std::string path = directory + "/" + replayFileName(std::time(nullptr), level, game.score);
    for (int copy = 2; exists(path) && copy < 100; ++copy) {
        path = directory + "/" + replayFileName(std::time(nullptr), level, game.score);
        path.insert(path.size() - std::strlen(kReplaySuffix), "-" + std::to_string(copy));
    }
    const std::string bytes = encodeReplay(replay.start, replay.stream);
    std::string reason;
    if (!writeFileAtomically(path, bytes, reason) ||
        (setRecord && !writeFileAtomically(directory + "/" + kRecordReplayName, bytes, reason))) {
        std::fprintf(stderr, "Tessaron : partie non enregistrée dans %s : %s\n", directory.c_str(), reason.c_str());
        return "";
    }
    pruneReplays(directory, kReplaysKept);
    return path;
}
