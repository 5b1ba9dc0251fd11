// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The best-score file: its words read back into the best score and its holder, and the
// record saved whole so that a failed save never loses the old one.
#include "shell/score_file.h"

#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "game/game_state.h"
#include "game/platform.h"
#include "screens/translation.h"
#include "shell/atomic_file.h"
#include "shell/data_paths.h"
#include "shell/file_lock.h"
#include "shell/printable_path.h"
#include "shell/regular_file.h"
#include "shell/shell_state.h"
#include "shell/user_dirs.h"

namespace {

constexpr const char* kDefaultName = "Trimbalour";
constexpr std::int32_t kDefaultScore = 1235;
constexpr std::string_view kScoreMarker = "SCORE=";
// How the marker is written inside a name: a no-break space (Windows-1252 0xA0) before the
// '=' reads as a different word and looks the same on screen.
constexpr std::string_view kMarkerInName = "SCORE\xA0=";
// No record the game writes comes near this; the rest of a larger file is ignored.
constexpr std::size_t kLargestScoreFile = 1u << 20;

// The name is gathered word by word in a text of this size (at most 499 characters); longer
// names written by hand are cut there, and cut again to what bestScoreName holds.
constexpr std::size_t kNameGatherSize = 500;

// Blanks, tabs and line ends separate words. A NUL byte separates them too: the name and
// the words are C texts, so a NUL inside one would silently cut it.
bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0';
}

// Reads the word of `bytes` from `at` on into pathBuffer; empty when no word is left. A word
// longer than pathBuffer holds is consumed whole, its first 999 bytes kept.
void readWord(const std::string& bytes, std::size_t& at)
{
    std::size_t length = 0;
    while (at < bytes.size() && isSeparator(bytes[at])) ++at;
    while (at < bytes.size() && !isSeparator(bytes[at])) {
        if (length + 1 < pathBuffer.size()) pathBuffer[length++] = bytes[at];
        ++at;
    }
    pathBuffer[length] = '\0';
}

// Appends one blank and `word` to the name being gathered, keeping what fits.
void appendToName(std::array<char, kNameGatherSize>& name, std::size_t& length, const char* word)
{
    if (length + 1 < name.size()) name[length++] = ' ';
    for (const char* c = word; *c != '\0' && length + 1 < name.size(); ++c) name[length++] = *c;
    name[length] = '\0';
}

// The score word read as "%d" reads a number: leading sign and digits, whatever follows
// ignored. False when the word does not start with a number. A number beyond the range of
// a 32-bit score is clamped to it instead of wrapping.
bool parseScore(const char* word, std::int32_t& score)
{
    char* end = nullptr;
    const long long value = std::strtoll(word, &end, 10);
    if (end == word) return false;
    score = static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
    return true;
}

// Why a score file that exists could not be read, for the player.
const char* readFailureReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return tr("lecture refusée");
    case EINVAL: return tr("pas un fichier ordinaire");
    case ELOOP: return tr("lien en boucle");
    default: return tr("erreur de lecture");
    }
}

void setDefaults()
{
    std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%s", kDefaultName);
    game.bestScore = kDefaultScore;
}

// Whether the record lives in the player's own data directory (Score.sco, or a player's set's
// record in its "sets" folder), which the first save makes.
bool inPlayersDataDirectory(const std::string& path)
{
    const std::string own = xdgUserDir("XDG_DATA_HOME", ".local/share");
    const std::string sets = own + "/sets/";
    return !own.empty() && (path == own + "/Score.sco" || path.compare(0, sets.size(), sets) == 0);
}

}  // namespace

std::string chooseScoreFilePath(const std::string& executableDir)
{
    const std::string beside = executableDir + "/Tessaron Data";
    if (!executableDir.empty() && access(beside.c_str(), W_OK | X_OK) == 0) {
        return beside + "/Score.sco";
    }
    const std::string own = xdgUserDir("XDG_DATA_HOME", ".local/share");
    return own.empty() ? "" : own + "/Score.sco";
}

void composeScoreFilePath() { shellState.scoreFilePath = chooseScoreFilePath(shellState.exeDir); }

std::string scoreRecord(const char* name, int score)
{
    std::string record;
    const std::string_view typed(name);
    std::size_t at = 0;
    while (at < typed.size()) {
        const std::size_t end = std::min(typed.find_first_of(" \t\n\r\v\f", at), typed.size());
        const std::string_view word = typed.substr(at, end - at);
        record += word == kScoreMarker ? kMarkerInName : word;
        if (end < typed.size()) record += typed[end];
        at = end + 1;
    }
    return record + " SCORE= " + std::to_string(score);
}

namespace {

enum class ScoreRead { Read, Missing, Unreadable };

// Reads the record of the score file into `name` and `score`, writing nothing. Missing: no file
// (or no directory), or a file without the marker; `score` keeps its value when the word after
// the marker is not a number. Unreadable: the file exists but cannot be read, with its errno.
ScoreRead readScoreFile(std::array<char, 64>& name, std::int32_t& score, int& error)
{
    std::string bytes;
    error = 0;
    if (shellState.scoreFilePath.empty() || !readRegularFile(shellState.scoreFilePath, kLargestScoreFile, bytes)) {
        error = shellState.scoreFilePath.empty() ? ENOENT : errno;
        return error == ENOENT || error == ENOTDIR ? ScoreRead::Missing : ScoreRead::Unreadable;
    }
    std::array<char, kNameGatherSize> gathered{};
    std::size_t gatheredLength = 0;
    std::size_t at = 0;
    for (;;) {
        readWord(bytes, at);
        const bool marker = kScoreMarker == pathBuffer.data();
        if (!marker) appendToName(gathered, gatheredLength, pathBuffer.data());
        if (pathBuffer[0] == '\0') return ScoreRead::Missing;
        if (marker) break;
    }
    // The name's first 63 bytes; Windows-1252 has one byte per character, so any cut is whole.
    const std::size_t kept = std::min(gatheredLength, name.size() - 1);
    std::memcpy(name.data(), gathered.data(), kept);
    name[kept] = '\0';
    readWord(bytes, at);
    parseScore(pathBuffer.data(), score);
    return ScoreRead::Read;
}

// The lock that games of the same player take to compare and save the record: the score
// file's directory, locked whole (the file itself is replaced by each save, so it cannot carry
// the lock). -1 when it cannot be had: no directory yet (the save that follows makes it or fails
// on its own), a holder that keeps it beyond the bound, or a file system that takes no locks.
// The record is then compared and saved without it: the comparison still keeps the higher
// record, and the save is still atomic.
int lockScoreFile(LockKeepAlive keepAlive)
{
    if (shellState.scoreFilePath.empty()) return -1;
    const int fd = open(directoryOf(shellState.scoreFilePath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const LockOutcome outcome = lockWithin(fd, kLockWaitMs, keepAlive);
    if (outcome == LockOutcome::Held) return fd;
    close(fd);
    if (outcome == LockOutcome::TimedOut) {
        std::fprintf(stderr, tr("Tessaron : record comparé sans verrou (une autre partie le tient) : %s\n"),
                     printablePath(shellState.scoreFilePath).c_str());
    }
    return -1;
}

void unlockScoreFile(int fd)
{
    if (fd >= 0) close(fd);
}

}  // namespace

void loadScoreFile()
{
    shellState.scoreFileUnreadable = false;
    int error = 0;
    switch (readScoreFile(game.bestScoreName, game.bestScore, error)) {
    case ScoreRead::Read: return;
    case ScoreRead::Missing: {
        setDefaults();
        std::string reason;
        saveScoreFile(reason);
        return;
    }
    case ScoreRead::Unreadable:
        setDefaults();
        shellState.scoreFileUnreadable = true;
        std::fprintf(stderr, tr("Tessaron : record illisible, laissé tel quel (%s) : %s\n"), readFailureReason(error),
                     printablePath(shellState.scoreFilePath).c_str());
        return;
    }
}

bool peekScoreFile()
{
    int error = 0;
    if (readScoreFile(game.bestScoreName, game.bestScore, error) == ScoreRead::Read) return true;
    setDefaults();
    return false;
}

void reloadBestScore() { reloadScoreRecord(keepWindowsAlive); }

bool saveScoreFile(std::string& reason) { return saveScoreRecord(reason, keepWindowsAlive); }

void reloadScoreRecord(LockKeepAlive keepAlive)
{
    if (shellState.scoreFilePath.empty() || shellState.scoreFileUnreadable) return;
    const int lock = lockScoreFile(keepAlive);
    std::array<char, 64> name{};
    std::int32_t score = game.bestScore;
    int error = 0;
    if (readScoreFile(name, score, error) == ScoreRead::Read) {
        game.bestScoreName = name;
        game.bestScore = score;
    }
    unlockScoreFile(lock);
}

bool saveScoreRecord(std::string& reason, LockKeepAlive keepAlive)
{
    if (shellState.scoreFilePath.empty()) {
        reason = tr("aucun dossier pour le garder");
    } else if (shellState.scoreFileUnreadable) {
        reason = tr("l'ancien record est illisible");
    } else {
        const std::string directory = directoryOf(shellState.scoreFilePath);
        if (inPlayersDataDirectory(shellState.scoreFilePath)) makeUserDir(directory);
        // Under the lock, a higher record that another game of the player's wrote meanwhile
        // stays, and becomes the best shown; otherwise this one replaces it.
        const int lock = lockScoreFile(keepAlive);
        std::array<char, 64> onDisk{};
        std::int32_t diskScore = 0;
        int error = 0;
        bool saved = false;
        if (readScoreFile(onDisk, diskScore, error) == ScoreRead::Read && diskScore > game.bestScore) {
            game.bestScoreName = onDisk;
            game.bestScore = diskScore;
            saved = true;
        } else {
            const std::string record = scoreRecord(game.bestScoreName.data(), game.bestScore);
            saved = writeFileAtomically(shellState.scoreFilePath, record, reason);
        }
        unlockScoreFile(lock);
        if (saved) return true;
    }
    std::fprintf(stderr, tr("Tessaron : record non enregistré (%s) : %s\n"), reason.c_str(),
                 printablePath(shellState.scoreFilePath).c_str());
    return false;
}
