// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The score file: reading it, where it lives, and saves that never lose the record nor touch what is not ours.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <tuple>

#include "game/game_state.h"
#include "screens/game_screen.h"
#include "screens/screen_state.h"
#include "shell/atomic_file.h"
#include "shell/data_paths.h"
#include "shell/file_lock.h"
#include "shell/score_file.h"
#include "shell/shell_state.h"
#include "shell/user_dirs.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

namespace fs = std::filesystem;

// Whether `check` holds in a child process run as an ordinary player (root ignores permissions).
bool asPlayer(const std::function<bool()>& check)
{
    const pid_t child = fork();
    if (child == 0) _exit(geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0) ? 2 : check() ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class ScoreFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        chmod(scratch.c_str(), 0777);  // the player of asPlayer works here too
        shellState.scoreFilePath = path;
    }
    void TearDown() override { removeScratchDirectory(scratch); }
    static void setBest(const char* name, int score)
    {
        std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%s", name);
        game.bestScore = score;
    }
    std::vector<std::string> others() const  // names beside the score file: leftovers show here
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(scratch))
            if (entry.path().filename() != "Score.sco") names.push_back(entry.path().filename());
        return names;
    }
    const std::string scratch = makeScratchDirectory(), path = scratch + "/Score.sco";
    std::string reason;  // why a save failed
};

// Name words before the marker (63 characters), the number after it held in range; else the defaults.
TEST_F(ScoreFile, ReadsTheHolderAndTheScoreOrWritesTheDefaults)
{
    std::string words, cut;  // 200 words of five
    for (int i = 0; i < 200; ++i) {
        words += "abcd" + std::to_string(i % 10) + " ";
        cut += " abcd" + std::to_string(i % 10);
    }
    // The file, the name and score read, 0 for the defaults.
    const std::tuple<std::string, std::string, int> cases[] = {
        {"Ace SCORE= 4200", " Ace", 4200},
        {"SCORE= 17", "", 17},
        {"a\vb\fc SCORE= 1", " a b c", 1},
        {"Red   Fox\r\n\tJr  SCORE=\n99 and more SCORE= 5", " Red Fox Jr", 99},
        {std::string("A\0B SCORE= 3", 12), " A B", 3},  // a NUL separates words like a blank
        {"A SCORE= 4200abc", " A", 4200},
        {"A SCORE= -12", " A", -12},
        {"A SCORE= +8", " A", 8},
        {"A SCORE= " + std::string(900 * 1024, '9'), " A", INT32_MAX},
        {"Ace SCORE= lots", " Ace", 200000},
        {"Ace SCORE=", " Ace", 200000},
        {"Zo\xE9 \x80\xFF SCORE= 2", " Zo\xE9 \x80\xFF", 2},  // Windows-1252 text as it is
        {std::string(900 * 1024, 'n') + " SCORE= 3", " " + std::string(62, 'n'), 3},
        {words + "SCORE= 4", cut.substr(0, 63), 4},
        {"Ace score= 4200", "", 0},
        {"", "", 0},
        {"   \n\t ", "", 0},
        {"Ace 4200", "", 0},
        {"SCORE=4200", "", 0},
        {std::string(1 << 20, 'y') + " SCORE= 7", "", 0}};
    for (const auto& [content, name, score] : cases) {
        SCOPED_TRACE(content.substr(0, 40));
        setBest("Someone", 200000);
        writeBytes(path, content);
        loadScoreFile();
        EXPECT_EQ(game.bestScoreName.data(), score ? name : "Trimbalour");
        EXPECT_EQ(game.bestScore, score ? score : 1235);
        EXPECT_EQ(readBytes(path), score ? content : "Trimbalour SCORE= 1235");
        EXPECT_LT(std::strlen(pathBuffer.data()), pathBuffer.size());
    }
    std::remove(path.c_str());
    loadScoreFile();
    EXPECT_EQ(readBytes(path), "Trimbalour SCORE= 1235");
}

// Any name, even holding the marker, reads back with its score, and reads back the same again.
TEST_F(ScoreFile, EveryRecordRoundTrips)
{
    const std::pair<const char*, const char*> names[] = {
        {"", " SCORE= 4321"},           {" Red Fox", " Red Fox SCORE= 4321"},
        {"Bob SCORE= 999999", nullptr}, {"SCORE=", nullptr},
        {" SCORE= SCORE= ", nullptr},   {"a\tSCORE=\t5", nullptr},
        {"SCORE=1 x", nullptr},         {"score= SCORE", nullptr},
        {"\xA0SCORE=\xA0", nullptr},    {"abcd0 abcd1 abcd2 abcd3 abcd4 abcd5 abcd6 abcd7 abcd8 abcd9 abc", nullptr}};
    for (const auto& [name, record] : names) {
        SCOPED_TRACE(name);
        setBest(name, 4321);
        ASSERT_TRUE(saveScoreFile(reason)) << reason;
        if (record) {
            EXPECT_EQ(readBytes(path), record);
        }
        setBest("x", 0);
        loadScoreFile();
        EXPECT_EQ(game.bestScore, 4321);
        const std::string once = game.bestScoreName.data();
        ASSERT_TRUE(saveScoreFile(reason));
        loadScoreFile();
        EXPECT_EQ(game.bestScoreName.data(), once);
    }
}

// A save replaces the record whole or not at all, leaves no temporary file and follows no link.
TEST_F(ScoreFile, ASaveReplacesTheRecordWholeOrNotAtAllAndFollowsNoLink)
{
    writeBytes(path, "Old SCORE= 1 and some words that were longer than the new record");
    setBest(" Ace", 4200);
    EXPECT_TRUE(saveScoreFile(reason));
    EXPECT_EQ(readBytes(path), " Ace SCORE= 4200");
    EXPECT_TRUE(others().empty());
    // Files may grow to 8 bytes only: the record's write fails part way, as on a full disk.
    setBest("Newcomer", 1000000);
    rlimit saved{}, small{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = signal(SIGXFSZ, SIG_IGN);
    small = {8, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_FALSE(saveScoreFile(reason));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, savedSignal);
    EXPECT_EQ(reason, "disque plein");
    EXPECT_EQ(readBytes(path), " Ace SCORE= 4200");
    EXPECT_TRUE(others().empty());
    EXPECT_EQ(game.bestScore, 1000000);  // the values in memory stay
    // Saves killed midway leave the old record or the new one, never a torn one.
    const std::string fresh = "New SCORE= " + std::string(4000, '2');
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t child = fork();
        while (child == 0) writeFileAtomically(path, fresh, reason);
        usleep(static_cast<useconds_t>(200 + 37 * kill));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string record = readBytes(path);
        ASSERT_TRUE(record == " Ace SCORE= 4200" || record == fresh) << "torn after kill " << kill;
    }
    // The dead saves' temporaries go at the next save; one whose save still runs (its lock held) stays.
    writeBytes(path + ".tmp-1-feedfacefeedface", "being written");
    const int lock = open((path + ".tmp-1-feedfacefeedface").c_str(), O_RDONLY);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    ASSERT_TRUE(writeFileAtomically(path, "Ace SCORE= 3", reason)) << reason;
    close(lock);
    EXPECT_EQ(others(), std::vector<std::string>{"Score.sco.tmp-1-feedfacefeedface"});
    EXPECT_EQ(readBytes(path), "Ace SCORE= 3");
    // Links planted at the score file or at temporary names are neither followed nor removed.
    fs::remove(path);
    writeBytes(scratch + "/victim", "precious");
    const std::string names[] = {"Score.sco", "Score.sco.tmp-" + std::to_string(getpid()),
                                 "Score.sco.tmp-" + std::to_string(getpid()) + "-0000000000000000"};
    for (const std::string& name : names) fs::create_symlink(scratch + "/victim", scratch + "/" + name);
    ASSERT_TRUE(writeFileAtomically(path, "Ace SCORE= 1", reason)) << reason;
    EXPECT_EQ(readBytes(scratch + "/victim") + readBytes(path), "preciousAce SCORE= 1");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
    for (std::size_t i = 1; i < std::size(names); ++i) EXPECT_TRUE(fs::is_symlink(scratch + "/" + names[i]));
    fs::remove(path);  // a directory in the record's place is not replaced
    fs::create_directory(path);
    EXPECT_FALSE(writeFileAtomically(path, "Ace SCORE= 1", reason));
    EXPECT_TRUE(fs::is_directory(path));
}

// An unreadable score file (no permission, a FIFO, a directory) is told, never overwritten.
TEST_F(ScoreFile, AnUnreadableOrHomelessRecordIsToldAndNothingOverwritten)
{
    const std::function<void()> makers[] = {[&] { writeBytes(path, "Real SCORE= 777777"), chmod(path.c_str(), 0); },
                                            [&] { mkfifo(path.c_str(), 0666); }, [&] { fs::create_directory(path); }};
    for (const auto& make : makers) {
        fs::remove_all(path);
        make();
        const auto before = fs::symlink_status(path).type();
        EXPECT_TRUE(asPlayer([&] {
            testing::internal::CaptureStderr();
            loadScoreFile();
            game.bestScore = 5000;
            const bool refused = !saveScoreFile(reason);
            const bool told = testing::internal::GetCapturedStderr().find(path) != std::string::npos;
            return refused && told && game.bestScoreName.data() == std::string("Trimbalour");
        }));
        EXPECT_EQ(fs::symlink_status(path).type(), before);
        EXPECT_TRUE(others().empty());
    }
    chmod(path.c_str(), 0600);
    // Without its directory the record stays in memory and the end screen says why, until the next one.
    fs::remove_all(path);
    shellState.scoreFilePath = scratch + "/gone/Score.sco";
    loadScoreFile();
    EXPECT_EQ(game.bestScoreName.data() + std::to_string(game.bestScore), "Trimbalour1235");
    EXPECT_TRUE(fs::is_empty(scratch));
    game.score = game.bestScore = 100;
    testing::internal::CaptureStderr();
    endRun();
    input(Handler::Text, 0, "Z");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("dossier introuvable"), std::string::npos);
    EXPECT_STREQ(screenState.recordNotSavedText.data(), "Record non enregistr\xE9 : dossier introuvable");
    shellState.scoreFilePath = path;
    game.score = 0;
    endRun();
    EXPECT_STREQ(screenState.recordNotSavedText.data(), "");
}

// Another game's record, written before this run's end, while its name is typed, or while this save waits for that
// game's lock, is never lost: read again before the comparison and under the lock of the save, it is kept and shown.
TEST_F(ScoreFile, ARecordWrittenByAnotherGameIsNeverLost)
{
    const std::tuple<const char*, const char*, int, const char*, const char*> cases[] = {
        // another game writes before the end | while the name is typed; this run's score; the file; shown on screen
        {"AAA SCORE= 900000", "", 6504, "AAA SCORE= 900000", " AAA 900000"},
        {"", "AAA SCORE= 900000", 6504, "AAA SCORE= 900000", " AAA 900000"},
        {"BBB SCORE= 5000", "", 6504, "Z SCORE= 6504", "Z 6504"},
        {"", "", 500, "Ace SCORE= 1000", " Ace 1000"},
        {"", "", 1000, "Z SCORE= 1000", "Z 1000"}};
    for (const auto& [beforeEnd, whileNamed, score, file, shown] : cases) {
        resetWorld();  // which forgets the record's place too
        shellState.scoreFilePath = path;
        writeBytes(path, "Ace SCORE= 1000");
        loadScoreFile();
        if (*beforeEnd) writeBytes(path, beforeEnd);
        game.score = score;
        endRun();
        const bool named = game.mode == GameMode::NameEntry;
        if (*whileNamed) writeBytes(path, whileNamed);
        if (named) input(Handler::Text, 0, "Z");
        EXPECT_EQ(named, game.bestScoreName[0] == 'Z' || *whileNamed) << file;
        EXPECT_EQ(readBytes(path) + "|" + game.bestScoreName.data() + " " + std::to_string(game.bestScore),
                  file + ("|" + std::string(shown)));
    }
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    if (fork() == 0) {  // another game holds the lock, then writes its higher record
        flock(open(scratch.c_str(), O_RDONLY | O_DIRECTORY), LOCK_EX);
        (void)!write(ready[1], "x", 1);
        usleep(300000);
        _exit(writeFileAtomically(path, "AAA SCORE= 900000", reason) ? 0 : 1);
    }
    char go = 0;
    ASSERT_EQ(read(ready[0], &go, 1), 1);
    setBest("Z", 6504);
    EXPECT_TRUE(saveScoreFile(reason)) << reason;
    wait(nullptr);
    close(ready[0]), close(ready[1]);
    EXPECT_EQ(readBytes(path) + " " + std::to_string(game.bestScore), "AAA SCORE= 900000 900000");
}

// The record beside the game only while the player may write there; the data beside it or installed.
TEST_F(ScoreFile, TheRecordAndTheDataAreFoundWhereTheyMayBe)
{
    enum class Beside { Writable, ReadOnly, Missing };
    const std::string absolute = scratch + "/xdg";
    // Beside the game, XDG_DATA_HOME (nullptr: unset), where the record goes under the scratch directory.
    const std::tuple<Beside, const char*, const char*> cases[] = {
        {Beside::Writable, absolute.c_str(), "/jeu/Tessaron Data/Score.sco"},
        {Beside::ReadOnly, absolute.c_str(), "/xdg/tessaron/Score.sco"},
        {Beside::Missing, absolute.c_str(), "/xdg/tessaron/Score.sco"},
        {Beside::Missing, nullptr, "/home/.local/share/tessaron/Score.sco"},
        {Beside::ReadOnly, "relative/xdg", "/home/.local/share/tessaron/Score.sco"}};
    for (const auto& [beside, xdgValue, where] : cases) {
        fs::remove_all(scratch + "/jeu");
        fs::create_directories(scratch + "/jeu");
        if (beside != Beside::Missing) fs::create_directory(scratch + "/jeu/Tessaron Data");
        chmod((scratch + "/jeu/Tessaron Data").c_str(), beside == Beside::Writable ? 0777 : 0555);
        const std::string expected = scratch + where;
        EXPECT_TRUE(asPlayer([&] {  // the environment changes in the child only
            setenv("HOME", (scratch + "/home").c_str(), 1);
            xdgValue ? setenv("XDG_DATA_HOME", xdgValue, 1) : unsetenv("XDG_DATA_HOME");
            return chooseScoreFilePath(scratch + "/jeu") == expected;
        })) << where;
    }
    EXPECT_TRUE(asPlayer([] {  // nowhere to keep it
        setenv("HOME", "relative/home", 1);
        unsetenv("XDG_DATA_HOME");
        return xdgUserDir("XDG_DATA_HOME", ".local/share").empty();
    }));
    const std::string bin = scratch + "/prefix/games";
    fs::create_directories(bin);
    EXPECT_EQ(chooseDataDir(bin), bin + "/Tessaron Data");  // neither: missing, and said so there
    fs::create_directories(installedDataDir(bin));
    EXPECT_EQ(chooseDataDir(bin), installedDataDir(bin));
    fs::create_directories(bin + "/Tessaron Data");
    EXPECT_EQ(chooseDataDir(bin), bin + "/Tessaron Data");
}

// A lock held for good by another process, or refused by the file system, bounds the wait and
// never stops the save: the higher record is still kept, and every file still written.
TEST_F(ScoreFile, AHeldOrRefusedLockDelaysTheSaveAtMostItsBoundAndKeepsTheHigherRecord)
{
    const std::tuple<int, bool, const char*, int, const char*> cases[] = {
        // refusal errno, holder, on disk, this run's score, the file afterwards
        {0, true, "AAA SCORE= 900000", 6504, "AAA SCORE= 900000"},
        {0, true, "AAA SCORE= 900", 6504, "Z SCORE= 6504"},
        {ENOLCK, false, "AAA SCORE= 900000", 6504, "AAA SCORE= 900000"},
        {ENOLCK, false, "AAA SCORE= 900", 6504, "Z SCORE= 6504"}};
    for (const auto& [refusal, held, onDisk, score, after] : cases) {
        resetWorld();
        shellState.scoreFilePath = path;
        fake.lockRefusal = refusal;
        writeBytes(path, onDisk);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t holder = held ? fork() : -1;
        if (holder == 0) {  // holds the lock until killed
            flock(open(scratch.c_str(), O_RDONLY | O_DIRECTORY), LOCK_EX);
            (void)!write(ready[1], "x", 1);
            pause();
        }
        char go = 0;
        if (held) {
            ASSERT_EQ(read(ready[0], &go, 1), 1);
        }
        setBest("Z", score);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(saveScoreFile(reason)) << reason;
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_LT(waited, std::chrono::milliseconds(kLockWaitMs + 5000)) << "a hang, not a bounded wait";
        EXPECT_EQ(readBytes(path), after) << onDisk;
        EXPECT_EQ(fake.keepAlives > 0, held) << "the windows are kept alive only while the lock is awaited";
        if (held) kill(holder, SIGKILL), waitpid(holder, nullptr, 0);
        close(ready[0]), close(ready[1]);
    }
    // A quit request ends the wait at once; the save still goes on.
    fake.lockRefusal = 0;
    fake.keepAlives = 0;
    fake.quitAsked = true;
    const int held = open(scratch.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);  // an open file of its own: the save's lock waits for it too
    setBest("Q", 999999);
    EXPECT_TRUE(saveScoreFile(reason));
    EXPECT_EQ(fake.keepAlives, 1);
    EXPECT_EQ(readBytes(path), "Q SCORE= 999999");
    close(held);
    // Without locks, the first start writes the defaults, and a killed save's temporary is
    // cleared once it is old, never while it may be a running save's.
    fake.lockRefusal = ENOLCK;
    fs::remove(path);
    writeBytes(path + ".tmp-1-00000000000000aa", "old"), writeBytes(path + ".tmp-1-00000000000000bb", "new");
    const timespec old[2] = {{0, UTIME_OMIT}, {time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, (path + ".tmp-1-00000000000000aa").c_str(), old, 0);
    loadScoreFile();
    EXPECT_EQ(readBytes(path), "Trimbalour SCORE= 1235");
    EXPECT_EQ(others(), std::vector<std::string>{"Score.sco.tmp-1-00000000000000bb"});
}

}  // namespace
