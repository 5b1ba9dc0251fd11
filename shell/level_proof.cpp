// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The editor's proof: tessaron-lab prove on a temporary set of the boards not yet proven.
#include "shell/level_proof.h"

#include <sys/wait.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "screens/translation.h"
#include "shell/regular_file.h"

extern char** environ;

#ifndef TESSARON_LAB_FROM_BINDIR
#define TESSARON_LAB_FROM_BINDIR "../lib/games/tessaron/tessaron-lab"
#endif

namespace {

bool sameEntries(const std::vector<Brick>& a, const std::vector<Brick>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].kind != b[i].kind || a[i].group != b[i].group) return false;
    }
    return true;
}

bool proving(const LevelProof& proof, const std::vector<Brick>& entries)
{
    for (const std::vector<Brick>& board : proof.boards) {
        if (sameEntries(board, entries)) return true;
    }
    return false;
}

// Writes the set to a new private temporary file; its path, or "" with `reason`.
std::string writeTemporarySet(const LevelSet& set, std::string& reason)
{
    std::error_code unknown;
    std::string path = (std::filesystem::temp_directory_path(unknown) / "tessaron-proof-XXXXXX").string();
    const int fd = mkstemp(path.data());
    if (fd < 0) {
        reason = systemErrorText(errno);
        return "";
    }
    const std::string text = writeLevelSet(set);
    const bool written = writeAllBytes(fd, text.data(), text.size());
    close(fd);
    if (!written) {
        reason = tr("écriture impossible");
        unlink(path.c_str());
        return "";
    }
    return path;
}

// Runs `program prove FILE` with its standard output on a pipe that never blocks the reader.
bool spawnProof(LevelProof& proof, const std::string& program, std::string& reason)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        reason = systemErrorText(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string command = "prove";
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(command.c_str()),
                            proof.setFile.data(), nullptr};
    const int failed = posix_spawn(&proof.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (failed != 0) {
        close(ends[0]);
        proof.pid = -1;
        reason = systemErrorText(failed);
        return false;
    }
    fcntl(ends[0], F_SETFL, fcntl(ends[0], F_GETFL) | O_NONBLOCK);
    proof.output = ends[0];
    return true;
}

// Files each whole line that has come; a verdict replaces any earlier one of the same board.
bool takeLines(LevelProof& proof)
{
    bool taken = false;
    for (std::size_t end = proof.pending.find('\n'); end != std::string::npos; end = proof.pending.find('\n')) {
        int level = 0;
        std::string verdict;
        if (readProofLine(proof.pending.substr(0, end), level, verdict) && level >= 1 &&
            level <= static_cast<int>(proof.boards.size())) {
            const std::vector<Brick>& board = proof.boards[static_cast<std::size_t>(level - 1)];
            proof.proven.erase(std::remove_if(proof.proven.begin(), proof.proven.end(),
                                              [&board](const ProvenBoard& p) { return sameEntries(p.entries, board); }),
                               proof.proven.end());
            proof.proven.push_back(ProvenBoard{board, verdict});
            taken = true;
        }
        proof.pending.erase(0, end + 1);
    }
    return taken;
}

// Reaps the program once it has ended, without waiting for it.
void reap(LevelProof& proof)
{
    if (proof.pid > 0 && waitpid(proof.pid, nullptr, WNOHANG) != 0) proof.pid = -1;
}

}  // namespace

std::string proofProgramPath(const std::string& gameFolder)
{
    const std::string beside = gameFolder + "/tessaron-lab";
    if (access(beside.c_str(), X_OK) == 0) return beside;
    return gameFolder + "/" + TESSARON_LAB_FROM_BINDIR;
}

bool startLevelProof(LevelProof& proof, const LevelSet& set, const std::string& program, std::string& reason)
{
    reason.clear();
    if (levelProofRunning(proof)) return false;
    reap(proof);
    LevelSet unproven{set.name, set.author, {}};
    proof.boards.clear();
    for (const LevelBoard& level : set.levels) {
        if (verdictOf(proof, level.entries) != nullptr || proving(proof, level.entries)) continue;
        proof.boards.push_back(level.entries);
        unproven.levels.push_back(LevelBoard{"", level.entries});
    }
    if (unproven.levels.empty()) return false;
    proof.setFile = writeTemporarySet(unproven, reason);
    if (proof.setFile.empty() || !spawnProof(proof, program, reason)) {
        stopLevelProof(proof);
        return false;
    }
    return true;
}

bool pollLevelProof(LevelProof& proof)
{
    reap(proof);
    if (proof.output < 0) return false;
    char block[4096];
    for (;;) {
        const ssize_t got = read(proof.output, block, sizeof block);
        if (got > 0) {
            proof.pending.append(block, static_cast<std::size_t>(got));
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return takeLines(proof);
        break;  // the end of its output: the proof is over
    }
    takeLines(proof);
    close(proof.output);
    proof.output = -1;
    if (!proof.setFile.empty()) unlink(proof.setFile.c_str());
    proof.setFile.clear();
    proof.boards.clear();
    proof.pending.clear();
    reap(proof);
    return true;
}

bool levelProofRunning(const LevelProof& proof) { return proof.output >= 0; }

const std::string* verdictOf(const LevelProof& proof, const std::vector<Brick>& entries)
{
    for (const ProvenBoard& board : proof.proven) {
        if (sameEntries(board.entries, entries)) return &board.verdict;
    }
    return nullptr;
}

void stopLevelProof(LevelProof& proof)
{
    if (proof.pid > 0) {
        kill(proof.pid, SIGKILL);
        waitpid(proof.pid, nullptr, 0);  // a killed child is gone at once
        proof.pid = -1;
    }
    if (proof.output >= 0) close(proof.output);
    proof.output = -1;
    if (!proof.setFile.empty()) unlink(proof.setFile.c_str());
    proof.setFile.clear();
    proof.boards.clear();
    proof.pending.clear();
}

bool readProofLine(const std::string& line, int& level, std::string& verdict)
{
    constexpr std::string_view kLevel = "level ";
    if (line.compare(0, kLevel.size(), kLevel) != 0) return false;
    std::size_t end = kLevel.size();
    int number = 0;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9' && number < 1000) {
        number = number * 10 + (line[end++] - '0');
    }
    if (end == kLevel.size() || end + 1 >= line.size() || line[end] != ' ') return false;
    level = number;
    verdict = line.substr(end + 1);
    return true;
}

bool verdictCleared(const std::string& verdict) { return verdict.rfind("cleared ", 0) == 0; }
