// The score file: reading words back into the best score and its holder, the defaults,
// hostile files, and saves that never lose the old record.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "game/game_state.h"
#include "shell/data_paths.h"
#include "shell/score_file.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

class ScoreFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        directory = makeScratchDirectory();
        path = directory + "/Score.sco";
        pointAt(path);
    }
    void TearDown() override { removeScratchDirectory(directory); }

    static void pointAt(const std::string& file)
    {
        scoreFilePath = file;
    }

    // Loads `content` as the score file.
    void load(const std::string& content)
    {
        writeBytes(path, content);
        loadScoreFile();
    }

    static void setBest(const char* name, int score)
    {
        std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%s", name);
        game.bestScore = score;
    }

    static std::string bestName() { return game.bestScoreName.data(); }

    // The files in the score file's directory, so that a left-over temporary shows.
    std::vector<std::string> directoryEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    std::string directory;
    std::string path;
    std::string reason;  // why a save failed
};

// The words before the marker are the holder's name (a leading blank, single blanks between
// words), the leading decimal number after it the score, held at the limit when too large;
// a score that is not a number keeps the program start value; a file without the marker is
// replaced by the defaults, a good one is left as it is.
TEST_F(ScoreFile, ReadsTheHolderAndTheScoreOrWritesTheDefaults)
{
    const struct {
        std::string content;
        std::string name;
        int score;
        bool defaultsWritten;
    } cases[] = {
        {"Ace SCORE= 4200", " Ace", 4200, false},
        {"SCORE= 17", "", 17, false},
        {"Red   Fox\r\n\tJr  SCORE=\n99 and more SCORE= 5", " Red Fox Jr", 99, false},
        {"A SCORE= 4200abc", " A", 4200, false},
        {"A SCORE= -12", " A", -12, false},
        {"A SCORE= +8", " A", 8, false},
        {"A SCORE= 99999999999999999999999", " A", INT32_MAX, false},
        {"Ace SCORE= lots", " Ace", 200000, false},
        {"Ace SCORE=", " Ace", 200000, false},
        {std::string("A\0B SCORE= 3", 12), " A B", 3, false},  // a NUL separates words like a blank
        {"Zo\xE9 \x80\xFF SCORE= 2", " Zo\xE9 \x80\xFF", 2, false},  // Windows-1252 text as it is
        {std::string(1000, 'n') + " SCORE= 3", " " + std::string(62, 'n'), 3, false},
        {"Ace score= 4200", "Trimbalour", 1235, true},
        {"", "Trimbalour", 1235, true},
        {"   \n\t ", "Trimbalour", 1235, true},
        {"Ace 4200", "Trimbalour", 1235, true},
        {"SCORE=4200", "Trimbalour", 1235, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.substr(0, 40));
        setBest("Someone", 5);
        game.bestScore = 200000;
        load(c.content);
        EXPECT_EQ(bestName(), c.name);
        EXPECT_EQ(game.bestScore, c.score);
        EXPECT_EQ(readBytes(path), c.defaultsWritten ? "Trimbalour SCORE= 1235" : c.content);
    }
    std::remove(path.c_str());
    loadScoreFile();  // a missing file is created with the defaults
    EXPECT_EQ(readBytes(path), "Trimbalour SCORE= 1235");
}

TEST_F(ScoreFile, AnEmptyNameIsWrittenWithALeadingBlankAndReadBackEmpty)
{
    setBest("", 300);
    EXPECT_TRUE(saveScoreFile(reason));
    EXPECT_EQ(readBytes(path), " SCORE= 300");
    setBest("x", 0);
    loadScoreFile();
    EXPECT_EQ(bestName(), "");
    EXPECT_EQ(game.bestScore, 300);
}

TEST_F(ScoreFile, ANameSavedAgainUnchangedKeepsOneLeadingBlank)
{
    load("Red  Fox SCORE= 10");
    ASSERT_EQ(bestName(), " Red Fox");
    for (int round = 0; round < 3; ++round) {
        EXPECT_TRUE(saveScoreFile(reason));
        EXPECT_EQ(readBytes(path), " Red Fox SCORE= 10");
        loadScoreFile();
        EXPECT_EQ(bestName(), " Red Fox");
    }
}

TEST_F(ScoreFile, AHugeWordIsConsumedWithoutOverflow)
{
    // 900 KiB in one word: pathBuffer keeps its first 999 bytes, the name its first 63.
    load(std::string(900 * 1024, 'x') + " SCORE= 7");
    EXPECT_EQ(bestName(), " " + std::string(62, 'x'));
    EXPECT_EQ(game.bestScore, 7);

    // The same word as the score: a number far too large, held at the limit.
    load("Big SCORE= " + std::string(900 * 1024, '9'));
    EXPECT_EQ(bestName(), " Big");
    EXPECT_EQ(game.bestScore, INT32_MAX);

    // Only the first MiB is read: a marker beyond it is not seen, and the defaults are set.
    load(std::string(1024 * 1024, 'y') + " SCORE= 7");
    EXPECT_EQ(bestName(), "Trimbalour");
    EXPECT_LT(std::strlen(pathBuffer.data()), pathBuffer.size());
}

TEST_F(ScoreFile, ALongNameIsCutTo63Characters)
{
    // 200 words of five.
    std::string words;
    std::string expected;
    for (int i = 0; i < 200; ++i) {
        words += "abcd" + std::to_string(i % 10) + " ";
        expected += " abcd" + std::to_string(i % 10);
    }
    load(words + "SCORE= 4");
    EXPECT_EQ(bestName(), expected.substr(0, 63));
    EXPECT_EQ(game.bestScore, 4);

    // Saved and read again, the cut name is stable.
    EXPECT_TRUE(saveScoreFile(reason));
    loadScoreFile();
    EXPECT_EQ(bestName(), expected.substr(0, 63));
}

TEST_F(ScoreFile, BinaryBytesAreCharactersOrSeparators)
{
    // Every byte value, twice over: the name holds single blanks between words and no control
    // separator, and it stops at 63 characters.
    std::string bytes;
    for (int round = 0; round < 2; ++round) {
        for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    }
    load(bytes + " SCORE= 11");
    const std::string name = bestName();
    EXPECT_EQ(game.bestScore, 11);
    EXPECT_LE(name.size(), 63u);
    EXPECT_EQ(name.substr(0, 2), " \x01");
    for (const char c : {'\t', '\n', '\r', '\v', '\f'}) EXPECT_EQ(name.find(c), std::string::npos);
    EXPECT_EQ(name.find("  "), std::string::npos);
}

TEST_F(ScoreFile, ASaveReplacesTheRecordAndLeavesNoTemporaryFile)
{
    writeBytes(path, "Old SCORE= 1 and some words that were longer than the new record");
    setBest(" Ace", 4200);
    EXPECT_TRUE(saveScoreFile(reason));
    EXPECT_EQ(readBytes(path), " Ace SCORE= 4200");
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"Score.sco"});
}

TEST_F(ScoreFile, AFailedWriteKeepsTheOldFileWhole)
{
    const std::string old = "Old Holder SCORE= 999999";
    writeBytes(path, old);
    setBest("Newcomer", 1000000);

    // Files may grow to 8 bytes only: the record's write fails part way, as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_FALSE(saveScoreFile(reason));
    EXPECT_EQ(reason, "disque plein");
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, savedSignal);

    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"Score.sco"});
    EXPECT_EQ(game.bestScore, 1000000);  // the values in memory stay
}

TEST_F(ScoreFile, AFailedRenameKeepsWhatWasThere)
{
    // The score file's place is taken by a directory: the temporary cannot replace it.
    std::filesystem::create_directory(path);
    writeBytes(path + "/inside", "kept");
    setBest("Ace", 1);
    EXPECT_FALSE(saveScoreFile(reason));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(readBytes(path + "/inside"), "kept");
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"Score.sco"});
}

TEST_F(ScoreFile, NoDataDirectoryMeansDefaultsInMemoryAndNothingWritten)
{
    const std::string missing = directory + "/gone/Score.sco";
    pointAt(missing);
    loadScoreFile();
    EXPECT_EQ(bestName(), "Trimbalour");
    EXPECT_EQ(game.bestScore, 1235);
    EXPECT_FALSE(pathExists(directory + "/gone"));
    EXPECT_TRUE(directoryEntries().empty());
}


}  // namespace
