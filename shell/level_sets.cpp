// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's sets: the levels folder read, a set chosen, its own record and furthest level.
#include "shell/level_sets.h"

#include <dirent.h>

#include <algorithm>
#include <cinttypes>
#include <cstring>

#include "game/game_state.h"
#include "game/levels.h"
#include "screens/menu_screen.h"
#include "screens/screen_state.h"
#include "screens/translation.h"
#include "shell/atomic_file.h"
#include "shell/level_set_file.h"
#include "shell/printable_path.h"
#include "shell/regular_file.h"
#include "shell/score_file.h"
#include "shell/shell_state.h"
#include "shell/user_dirs.h"

namespace {

constexpr std::string_view kSetSuffix = ".tessaron-levels";

std::string keyOf(const LevelSet& set)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, levelSetDigest(set));
    return text;
}

int readLevelReached(const std::string& path, int levels)
{
    std::string bytes;
    if (path.empty() || !readRegularFileNotLink(path, 16, bytes)) return 1;
    const int reached = std::atoi(bytes.c_str());
    return std::clamp(reached, 1, std::max(levels, 1));
}

}  // namespace

std::string playerLevelSetDirectory()
{
    const std::string own = xdgUserDir("XDG_DATA_HOME", ".local/share");
    return own.empty() ? "" : own + "/levels";
}

bool readPlayerLevelSet(const std::string& path, PlayerLevelSet& read, std::string& refusal)
{
    read = PlayerLevelSet{};
    if (!loadLevelSetFile(path, read.set, refusal)) return false;
    read.path = path;
    read.key = keyOf(read.set);
    return true;
}

std::vector<PlayerLevelSet> readPlayerLevelSets(const std::string& directory, std::FILE* err)
{
    std::vector<std::string> names;
    if (DIR* folder = directory.empty() ? nullptr : opendir(directory.c_str())) {
        while (const dirent* entry = readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (name.size() > kSetSuffix.size() && name.substr(name.size() - kSetSuffix.size()) == kSetSuffix)
                names.emplace_back(name);
        }
        closedir(folder);
    }
    std::sort(names.begin(), names.end());
    std::vector<PlayerLevelSet> sets;
    for (const std::string& name : names) {
        if (static_cast<int>(sets.size()) >= kMostPlayerSets) break;
        PlayerLevelSet read;
        std::string refusal;
        if (!readPlayerLevelSet(directory + "/" + name, read, refusal)) {
            std::fprintf(err, tr("Tessaron : jeu de niveaux laissé de côté : %s\n"), printablePath(refusal).c_str());
            continue;
        }
        const bool seen =
            std::any_of(sets.begin(), sets.end(), [&](const PlayerLevelSet& s) { return s.key == read.key; });
        if (!seen) sets.push_back(std::move(read));
    }
    return sets;
}

std::string levelSetFilesStem(const std::string& key)
{
    const std::string own = xdgUserDir("XDG_DATA_HOME", ".local/share");
    return own.empty() ? "" : own + "/sets/" + key;
}

void offerLevelSets(std::vector<PlayerLevelSet> sets, PlayerLevelSet named)
{
    shellState.levelSetChoice = LevelSetChoice{};
    int index = -1;
    if (!named.set.levels.empty()) {
        const auto same =
            std::find_if(sets.begin(), sets.end(), [&](const PlayerLevelSet& s) { return s.key == named.key; });
        if (same == sets.end()) {
            sets.insert(sets.begin(), std::move(named));
            if (static_cast<int>(sets.size()) > kMostPlayerSets) sets.pop_back();
            index = 0;
        } else {
            index = static_cast<int>(same - sets.begin());
        }
    }
    shellState.levelSetChoice.sets = std::move(sets);
    screenState.menuOffersLevelSets = !shellState.levelSetChoice.sets.empty();
    if (index >= 0) chooseLevelSet(index);
}

void chooseLevelSet(int index)
{
    if (shellState.levelSetChoice.chosen < 0) {
        shellState.levelSetChoice.builtInLevel = game.currentLevel;
        shellState.levelSetChoice.builtInScorePath = shellState.scoreFilePath;
    }
    const bool player = index >= 0 && index < static_cast<int>(shellState.levelSetChoice.sets.size());
    shellState.levelSetChoice.chosen = player ? index : -1;
    if (!player) {
        game.levelSet = nullptr;
        game.currentLevel = shellState.levelSetChoice.builtInLevel;
        shellState.scoreFilePath = shellState.levelSetChoice.builtInScorePath;
        loadScoreFile();
        return;
    }
    const PlayerLevelSet& chosen = shellState.levelSetChoice.sets[static_cast<std::size_t>(index)];
    game.levelSet = &chosen.set;
    game.currentLevel = 1;
    const std::string stem = levelSetFilesStem(chosen.key);
    shellState.scoreFilePath = stem.empty() ? "" : stem + ".sco";
    loadScoreFile();
    game.levelSetReached = readLevelReached(stem.empty() ? "" : stem + ".reached", levelCountOf(game.levelSet));
}

int steppedLevelSet(int chosen, int count, bool forward)
{
    if (count <= 0) return -1;
    const int place = (chosen < -1 || chosen >= count ? -1 : chosen) + 1;  // 0 is the built-in set
    return (place + (forward ? 1 : count)) % (count + 1) - 1;
}

void keepLevelReached()
{
    if (shellState.levelSetChoice.chosen < 0 || game.levelSet == nullptr) return;
    const std::string stem = levelSetFilesStem(
        shellState.levelSetChoice.sets[static_cast<std::size_t>(shellState.levelSetChoice.chosen)].key);
    if (stem.empty()) return;
    const std::string path = stem + ".reached";
    if (game.levelSetReached <= readLevelReached(path, levelCountOf(game.levelSet))) return;
    std::string reason;
    if (!makeUserDir(stem.substr(0, stem.rfind('/'))) ||
        !writeFileAtomically(path, std::to_string(game.levelSetReached) + "\n", reason)) {
        std::fprintf(stderr, tr("Tessaron : niveau atteint non gardé : %s : %s\n"), printablePath(path).c_str(),
                     reason.c_str());
    }
}
