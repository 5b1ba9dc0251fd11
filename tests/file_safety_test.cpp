// Files and paths that cannot hurt the player: where the record lives, planted links, odd
// files in place of the game's, saves killed midway, names holding the marker, and the end
// screen's word when a record could not be saved.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "game/game_state.h"
#include "screens/game_screen.h"
#include "screens/life_loss.h"
#include "shell/atomic_file.h"
#include "shell/data_paths.h"
#include "shell/score_file.h"
#include "shell/user_dirs.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

namespace fs = std::filesystem;

// Runs `check` in a child process as an ordinary player (the tests may run as root, whom no
// permission stops) and returns whether it held.
bool asPlayer(const std::function<bool()>& check)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void setVariable(const char* name, const char* value)
{
    if (value == nullptr) {
        unsetenv(name);
    } else {
        setenv(name, value, 1);
    }
}

class FileSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetWorld();
        scratch = makeScratchDirectory();
        chmod(scratch.c_str(), 0777);  // the player of asPlayer works here too
        path = scratch + "/Score.sco";
        scoreFilePath = path;
    }
    void TearDown() override
    {
        setVariable("HOME", home.c_str());
        setVariable("XDG_DATA_HOME", xdg ? xdg->c_str() : nullptr);
        removeScratchDirectory(scratch);
    }

    // Names in the scratch directory other than the score file: leftovers show here.
    std::vector<std::string> others() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(scratch))
            if (entry.path().filename() != "Score.sco") names.push_back(entry.path().filename());
        return names;
    }

    std::string scratch;
    std::string path;
    std::string reason;
    // The environment as it was, put back after each case.
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::optional<std::string> xdg =
        std::getenv("XDG_DATA_HOME") ? std::optional<std::string>(std::getenv("XDG_DATA_HOME")) : std::nullopt;
};

TEST_F(FileSafety, TheRecordStaysBesideTheGameOnlyWhileThePlayerMayWriteThere)
{
    enum class Beside { Writable, ReadOnly, Missing };
    struct Case {
        Beside beside;
        const char* xdg;  // nullptr: unset
        const char* expected;  // relative to the scratch directory
    };
    const std::string absoluteXdg = scratch + "/xdg";
    const Case cases[] = {
        {Beside::Writable, absoluteXdg.c_str(), "/jeu/Tessaron Data/Score.sco"},
        {Beside::ReadOnly, absoluteXdg.c_str(), "/xdg/tessaron/Score.sco"},
        {Beside::Missing, absoluteXdg.c_str(), "/xdg/tessaron/Score.sco"},
        {Beside::Missing, nullptr, "/home/.local/share/tessaron/Score.sco"},
        {Beside::ReadOnly, "relative/xdg", "/home/.local/share/tessaron/Score.sco"},
    };
    setVariable("HOME", (scratch + "/home").c_str());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        fs::remove_all(scratch + "/jeu");
        fs::create_directories(scratch + "/jeu");
        if (c.beside != Beside::Missing) fs::create_directory(scratch + "/jeu/Tessaron Data");
        chmod((scratch + "/jeu/Tessaron Data").c_str(), c.beside == Beside::Writable ? 0777 : 0555);
        setVariable("XDG_DATA_HOME", c.xdg);
        const std::string expected = scratch + c.expected;
        EXPECT_TRUE(asPlayer([&] { return chooseScoreFilePath(scratch + "/jeu") == expected; }));
    }
    setVariable("HOME", "relative/home");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(xdgUserDir("XDG_DATA_HOME", ".local/share"), "");  // nowhere to keep it
}

TEST_F(FileSafety, TheDataIsBesideTheGameElseInTheInstallsDataDirectory)
{
    const std::string bin = scratch + "/prefix/games";
    fs::create_directories(bin);
    EXPECT_EQ(chooseDataDir(bin), bin + "/Tessaron Data");  // neither: missing, and said so there
    fs::create_directories(installedDataDir(bin));
    EXPECT_EQ(chooseDataDir(bin), installedDataDir(bin));
    fs::create_directories(bin + "/Tessaron Data");
    EXPECT_EQ(chooseDataDir(bin), bin + "/Tessaron Data");
}

TEST_F(FileSafety, AScoreFileThatCannotBeReadIsNeverOverwritten)
{
    const std::function<void()> makers[] = {
        [&] { writeBytes(path, "Real SCORE= 777777"), chmod(path.c_str(), 0); },  // no permission
        [&] { mkfifo(path.c_str(), 0666); },                                       // a FIFO (no hang)
        [&] { fs::create_directory(path); },                                        // a directory
    };
    for (const auto& make : makers) {
        fs::remove_all(path);
        make();
        const auto before = fs::symlink_status(path);
        EXPECT_TRUE(asPlayer([&] {
            testing::internal::CaptureStderr();
            loadScoreFile();
            game.bestScore = 5000;
            const bool refused = !saveScoreFile(reason);
            const bool told = testing::internal::GetCapturedStderr().find(path) != std::string::npos;
            return refused && told && game.bestScoreName.data() == std::string("Trimbalour");
        }));
        EXPECT_EQ(fs::symlink_status(path).type(), before.type());
        EXPECT_TRUE(others().empty());
    }
    chmod(path.c_str(), 0600);
}

TEST_F(FileSafety, PlantedLinksAreNeitherFollowedNorRemoved)
{
    const std::string victim = scratch + "/victim";
    writeBytes(victim, "precious");
    // Links at the score file, at the name an earlier version used, at names of our own pattern.
    const std::string names[] = {"Score.sco", "Score.sco.tmp-" + std::to_string(getpid()),
                                 "Score.sco.tmp-" + std::to_string(getpid()) + "-0000000000000000"};
    for (const std::string& name : names) fs::create_symlink(victim, scratch + "/" + name);

    ASSERT_TRUE(writeFileAtomically(path, "Ace SCORE= 1", reason)) << reason;
    EXPECT_EQ(readBytes(victim), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
    EXPECT_EQ(readBytes(path), "Ace SCORE= 1");
    for (std::size_t i = 1; i < std::size(names); ++i) EXPECT_TRUE(fs::is_symlink(scratch + "/" + names[i]));
}

TEST_F(FileSafety, KilledSavesLeaveTheRecordWholeAndTheirTemporariesGoAtTheNextSave)
{
    writeBytes(path, "Old SCORE= 1");
    const std::string fresh = "New SCORE= " + std::string(4000, '2');
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t child = fork();
        if (child == 0) {
            for (;;) writeFileAtomically(path, fresh, reason);
        }
        usleep(static_cast<useconds_t>(200 + 37 * kill));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string record = readBytes(path);
        ASSERT_TRUE(record == "Old SCORE= 1" || record == fresh) << "torn after kill " << kill;
    }
    // A temporary whose save still runs (its lock held) stays; the dead ones go.
    const std::string running = path + ".tmp-1-feedfacefeedface";
    writeBytes(running, "being written");
    const int lock = open(running.c_str(), O_RDONLY);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    ASSERT_TRUE(writeFileAtomically(path, "Ace SCORE= 3", reason)) << reason;
    close(lock);
    EXPECT_EQ(others(), std::vector<std::string>{"Score.sco.tmp-1-feedfacefeedface"});
    EXPECT_EQ(readBytes(path), "Ace SCORE= 3");
}

TEST_F(FileSafety, NoNameChangesTheScoreReadBack)
{
    const char* names[] = {"Bob SCORE= 999999", "SCORE=", " SCORE= SCORE= ", "a\tSCORE=\t5", "SCORE=1 x",
                           "score= SCORE", "\xA0SCORE=\xA0"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), "%s", name);
        game.bestScore = 4321;
        ASSERT_TRUE(saveScoreFile(reason)) << reason;
        game.bestScore = 0;
        loadScoreFile();
        EXPECT_EQ(game.bestScore, 4321);
        // Saved again, the name read back reads back the same.
        const std::string once = game.bestScoreName.data();
        ASSERT_TRUE(saveScoreFile(reason));
        loadScoreFile();
        EXPECT_EQ(game.bestScoreName.data(), once);
    }
}

TEST_F(FileSafety, AFailedSaveIsToldOnTheEndScreen)
{
    scoreFilePath = scratch + "/gone/Score.sco";
    game.score = game.bestScore = 100;
    testing::internal::CaptureStderr();
    checkRecord();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("dossier introuvable"), std::string::npos);
    EXPECT_STREQ(recordNotSavedText.data(), "Record non enregistr\xE9 : dossier introuvable");

    // The next run's end screen starts without it.
    scoreFilePath = path;
    game.livesLeft = 0;
    game.gameOverShown = 0;
    lifeLost();
    EXPECT_STREQ(recordNotSavedText.data(), "");
}

}  // namespace
