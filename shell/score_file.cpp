// The best-score file: its words read back into the best score and its holder, and the
// record saved through a temporary file so that a failed save never loses the old one.
#include "shell/score_file.h"

#include "screens/fonts.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/game_state.h"
#include "shell/data_paths.h"

std::array<char, 4096> scoreFilePath{};

namespace {

constexpr const char* kDefaultName = "Trimbalour";
constexpr std::int32_t kDefaultScore = 1235;
constexpr const char* kScoreMarker = "SCORE=";

// The name is gathered word by word in a text of this size (at most 499 characters); longer
// names written by hand are cut there, and cut again to what bestScoreName holds.
constexpr std::size_t kNameGatherSize = 500;
// The record "NAME SCORE= N" is composed in a text of this size before it is written.
constexpr std::size_t kRecordSize = 500;

// Blanks, tabs and line ends separate words. A NUL byte separates them too: the name and
// the words are C texts, so a NUL inside one would silently cut it.
bool isSeparator(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0';
}

// Reads the next word of `file` into pathBuffer; empty when no word is left or there is no
// file. A word longer than pathBuffer holds is consumed whole, its first 999 bytes kept.
void readWord(std::FILE* file)
{
    std::size_t length = 0;
    if (file != nullptr) {
        int c = getc_unlocked(file);
        while (c != EOF && isSeparator(c)) c = getc_unlocked(file);
        while (c != EOF && !isSeparator(c)) {
            if (length + 1 < pathBuffer.size()) pathBuffer[length++] = static_cast<char>(c);
            c = getc_unlocked(file);
        }
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
    if (value > INT32_MAX) {
        score = INT32_MAX;
    } else if (value < INT32_MIN) {
        score = INT32_MIN;
    } else {
        score = static_cast<std::int32_t>(value);
    }
    return true;
}

// Writes all `size` bytes to `fd`, going on after partial writes and interruptions.
bool writeAll(int fd, const char* bytes, std::size_t size)
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

// Makes a rename in the directory of `path` durable. A failure here loses nothing that the
// rename has not already put in place, so it is not a failure of the save.
void syncDirectoryOf(const char* path)
{
    std::array<char, 4096> directory{};
    std::snprintf(directory.data(), directory.size(), "%s", path);
    char* slash = std::strrchr(directory.data(), '/');
    if (slash == nullptr) {
        std::snprintf(directory.data(), directory.size(), ".");
    } else if (slash == directory.data()) {
        slash[1] = '\0';
    } else {
        *slash = '\0';
    }
    const int fd = open(directory.data(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

void composeScoreFilePath()
{
    // exeDir is Windows-1252, as the game's texts are; the file system takes UTF-8.
    std::snprintf(scoreFilePath.data(), scoreFilePath.size(), "%s/Tessaron Data/Score.sco",
                  utf8FromWindows1252(exeDir.data()).c_str());
}

void loadScoreFile()
{
    std::array<char, kNameGatherSize> name{};
    std::size_t nameLength = 0;
    std::FILE* file = scoreFilePath[0] == '\0' ? nullptr : std::fopen(scoreFilePath.data(), "rb");
    for (;;) {
        readWord(file);
        const bool marker = std::strcmp(pathBuffer.data(), kScoreMarker) == 0;
        if (!marker) appendToName(name, nameLength, pathBuffer.data());
        if (pathBuffer[0] == '\0') {
            if (file != nullptr) std::fclose(file);
            std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%s", kDefaultName);
            game.bestScore = kDefaultScore;
            saveScoreFile();
            return;
        }
        if (marker) break;
    }
    // The name's first 63 bytes; Windows-1252 has one byte per character, so any cut is whole.
    const std::size_t kept = std::min(nameLength, game.bestScoreName.size() - 1);
    std::memcpy(game.bestScoreName.data(), name.data(), kept);
    game.bestScoreName[kept] = '\0';
    readWord(file);
    parseScore(pathBuffer.data(), game.bestScore);
    std::fclose(file);
}

void saveScoreFile()
{
    if (scoreFilePath[0] == '\0') return;
    std::array<char, kRecordSize> record{};
    const int recordLength = std::snprintf(record.data(), record.size(), "%.*s SCORE= %d",
                                           static_cast<int>(game.bestScoreName.size() - 1),
                                           game.bestScoreName.data(), game.bestScore);
    if (recordLength < 0 || static_cast<std::size_t>(recordLength) >= record.size()) return;

    // The temporary file lies beside the score file, so the rename never crosses file systems.
    std::array<char, 4200> temporaryPath{};
    const int pathLength = std::snprintf(temporaryPath.data(), temporaryPath.size(), "%s.tmp-%ld",
                                         scoreFilePath.data(), static_cast<long>(getpid()));
    if (pathLength < 0 || static_cast<std::size_t>(pathLength) >= temporaryPath.size()) return;

    const int fd = open(temporaryPath.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    bool written = writeAll(fd, record.data(), static_cast<std::size_t>(recordLength));
    written = written && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporaryPath.data(), scoreFilePath.data()) != 0) {
        unlink(temporaryPath.data());
        return;
    }
    syncDirectoryOf(scoreFilePath.data());
}
