// Replays: a game recorded at the seam plays back to the same state and the same score file,
// and a damaged replay is refused or stops, never crashes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <random>

#include "game/controls.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "shell/replay_file.h"
#include "shell/replay_store.h"
#include "shell/score_file.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

void useScoreFile(const std::string& path) { scoreFilePath = path; }

void tick(int count)
{
    for (int i = 0; i < count; ++i) {
        // The player keeps the paddle under the first ball, a little to one side or the other.
        const auto drift = static_cast<int>((static_cast<std::uint32_t>(replay.ticks / 37) * 2654435761u >> 16) % 45);
        fake.pointer.x = static_cast<int>(game.balls[0].x) + drift - 22;
        // Ticks come only while the game window's timer runs.
        if (fake.timerRunning) runHandler(Handler::Timer, 0, fake.clockMs);
        fake.clockMs += 25;
    }
}

// A game on level 24 (few bricks) from a fresh world, recorded: moves and a launch, an F12 answered No with
// ticks while the question is open, play until the level is cleared, its intro left, a pause,
// an F12 answered Yes (a lost life), Escape answered Yes and a record's name typed. Returns
// the replay's bytes; the score file at `scorePath` holds the record.
std::string recordScriptedGame(const std::string& scorePath)
{
    resetWorld(7);
    useScoreFile(scorePath);
    game.bestScore = 100;
    game.currentLevel = 24;
    newGameReset();
    game.livesLeft = 60;
    fake.clockStepMs = 10;
    fake.pointer = Point{240, 0};
    beginRecording(fake.pointer);
    startLevel();
    for (int x : {200, 230, 260}) {
        fake.pointer.x = x;
        runHandler(Handler::PointerMoved, 0, fake.clockMs += 40);
    }
    runHandler(Handler::LeftButton, 0, fake.clockMs);
    tick(50);
    fake.answer = false;
    fake.duringQuestion = [] { tick(3); };
    runHandler(Handler::Key, kKeyF12, fake.clockMs);
    fake.duringQuestion = nullptr;
    fake.answer = true;
    int bricksLeft = countBricksLeft();
    for (int turns = 0, calm = 0; turns < 1000 && game.levelIntroShown == 0 && game.gameOverShown == 0; ++turns) {
        tick(100);
        // A ball circling where no brick is left to break is given up.
        calm = countBricksLeft() == bricksLeft ? calm + 1 : 0;
        bricksLeft = countBricksLeft();
        if (calm > 20) {
            runHandler(Handler::Key, kKeyF12, fake.clockMs);
            calm = 0;
        }
        if (!game.ballLaunched) runHandler(Handler::LeftButton, 0, fake.clockMs);
    }
    EXPECT_EQ(game.levelIntroShown, 1) << "the scripted player did not clear level 24" << countBricksLeft() << " " << game.livesLeft << " " << replay.ticks << " " << game.gameOverShown;
    runHandler(Handler::LeftButton, 0, fake.clockMs += 500);
    runHandler(Handler::LeftButton, 0, fake.clockMs += 100);
    tick(40);
    runHandler(Handler::Key, 'P', fake.clockMs);
    tick(5);
    runHandler(Handler::Key, 'P', fake.clockMs);
    fake.answer = true;
    runHandler(Handler::Key, kKeyF12, fake.clockMs);
    runHandler(Handler::LeftButton, 0, fake.clockMs);
    tick(30);
    fake.typeText = true;
    fake.typedText = "Zo\xe9";
    runHandler(Handler::Key, kKeyEscape, fake.clockMs += 700);
    runHandler(Handler::LeftButton, 0, fake.clockMs);
    EXPECT_EQ(game.gameOverShown, 1);
    EXPECT_EQ(fake.windowCloses, 1);
    endRecording();
    return encodeReplay(replay.start, replay.stream);
}

// A launch, 150 ticks, an Escape answered No and a close request, recorded; returns its bytes.
std::string recordShortGame()
{
    resetWorld(5);
    newGameReset();
    beginRecording(Point{240, 0});
    startLevel();
    runHandler(Handler::LeftButton, 0, 0);
    tick(150);
    fake.answer = false;
    runHandler(Handler::Key, kKeyEscape, 50);
    runHandler(Handler::Close, 0, 900);
    endRecording();
    return encodeReplay(replay.start, replay.stream);
}

// Plays replay bytes back on a fresh world; false with the reason when they are refused.
bool playBack(const std::string& bytes, bool checking, std::string& reason)
{
    ReplayStart start;
    std::string stream;
    resetWorld(99);
    if (!decodeReplay(bytes, start, stream, reason)) return false;
    beginPlayback(start, stream, checking);
    playToEnd();
    return true;
}

class ReplayTest : public ::testing::Test {
protected:
    void SetUp() override { dir = makeScratchDirectory(); }
    void TearDown() override
    {
        useScoreFile("");
        replay = ReplaySession{};
        removeScratchDirectory(dir);
    }
    std::string dir;
};

TEST_F(ReplayTest, AScriptedGamePlaysBackToTheSameStateAndScoreFile)
{
    const std::string bytes = recordScriptedGame(dir + "/played.sco");
    const StateCheck played = checkOf(game);
    const int sounds = static_cast<int>(fake.sounds.size());
    ASSERT_EQ(game.currentLevel, 25);
    const std::size_t questions = fake.questions.size();
    ASSERT_GE(questions, 3u);

    useScoreFile(dir + "/replayed.sco");
    std::string reason;
    ASSERT_TRUE(playBack(bytes, true, reason)) << reason;
    EXPECT_EQ(replay.failure, "");
    EXPECT_TRUE(replay.stopped);
    EXPECT_EQ(checkOf(game), played);
    EXPECT_EQ(static_cast<int>(fake.sounds.size()), sounds);
    EXPECT_EQ(fake.questions.size(), questions);
    EXPECT_EQ(readBytes(dir + "/replayed.sco"), readBytes(dir + "/played.sco"));
    EXPECT_EQ(readBytes(dir + "/played.sco"), "Zo\xe9 SCORE= " + std::to_string(game.score));
}

TEST_F(ReplayTest, ADifferentAnswerIsNamedAtTheFirstCheckThatDiffers)
{
    // The No to the first F12 becomes a Yes: a life is lost where the record kept it.
    resetWorld(3);
    newGameReset();
    beginRecording(Point{240, 0});
    startLevel();
    fake.pointer = Point{250, 300};
    runHandler(Handler::LeftButton, 0, 0);
    fake.answer = false;
    for (int i = 0; i < 200; ++i) {
        if (i == 20) runHandler(Handler::Key, kKeyF12, 0);
        runHandler(Handler::Timer, 0, 0);
    }
    endRecording();
    std::string stream = replay.stream;
    const std::size_t answer = stream.find(static_cast<char>(Record::Answer));
    ASSERT_NE(answer, std::string::npos);
    stream[answer] = static_cast<char>(static_cast<int>(Record::Answer) | 1 << 4);

    std::string reason;
    ASSERT_TRUE(playBack(encodeReplay(replay.start, stream), true, reason)) << reason;
    EXPECT_NE(replay.failure.find("tick 100: "), std::string::npos) << replay.failure;
    EXPECT_NE(replay.failure.find("livesLeft 0 (recorded 1)"), std::string::npos) << replay.failure;
    EXPECT_LT(replay.ticks, 200);
}

TEST_F(ReplayTest, FilesThatAreNotReplaysOfThisGameAreRefusedWithAReason)
{
    const std::string bytes = recordShortGame();
    std::string otherFormat = bytes;
    otherFormat[8] = 2;
    std::string otherVersion = bytes;
    otherVersion[11] = '9';
    const struct {
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"", "not a Tessaron replay"},
        {"Ace SCORE= 0", "not a Tessaron replay"},
        {otherFormat, "replay format 2, this game reads format 1"},
        {otherVersion, "replay of Tessaron 9.0.0, this is Tessaron 1.0.0"},
        {bytes.substr(0, bytes.size() - 1), "truncated replay"},
        {bytes.substr(0, 40), "truncated replay"},
        {bytes + "x", "bytes follow the end of the replay"},
    };
    for (const auto& refused : cases) {
        std::string reason;
        EXPECT_FALSE(playBack(refused.bytes, true, reason));
        EXPECT_EQ(reason, refused.reason);
    }
}

// Every byte of a replay file and of its event stream, changed in three ways, either makes the
// file refused or plays back to a stop; ASan and UBSan watch over the suite's second run.
TEST_F(ReplayTest, ACorruptedByteAnywhereNeverCrashesTheReader)
{
    recordShortGame();
    const ReplayStart start = replay.start;
    const std::string stream = replay.stream;
    const std::string bytes = encodeReplay(start, stream);

    const long seconds = std::getenv("TESSARON_FUZZ_SECONDS") ? std::atol(std::getenv("TESSARON_FUZZ_SECONDS")) : 0;
    std::mt19937 dice(1);
    long files = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const std::string& original = pass == 0 ? bytes : stream;
        for (std::size_t at = 0; at < original.size(); ++at) {
            for (int change : {0x01, 0x80, 0xff}) {
                std::string damaged = original;
                damaged[at] = static_cast<char>(damaged[at] ^ change);
                std::string reason;
                const bool read = playBack(pass == 0 ? damaged : encodeReplay(start, damaged), true, reason);
                EXPECT_TRUE(read ? replay.stopped : !reason.empty());
                ++files;
            }
        }
    }
    // A longer run with random damage, when asked for (the fuzzing reported in the notes).
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        std::string damaged = stream;
        for (int n = 1 + dice() % 4; n > 0; --n) damaged[dice() % damaged.size()] = static_cast<char>(dice());
        std::string reason;
        const bool read = playBack(encodeReplay(start, damaged), true, reason);
        EXPECT_TRUE(read ? replay.stopped : !reason.empty());
        ++files;
    }
    std::printf("%ld damaged replays read\n", files);
}

TEST_F(ReplayTest, TheTwentyNewestDatedReplaysAreKeptAndOtherFilesLeftAlone)
{
    for (int i = 0; i < 25; ++i) writeBytes(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i), "r");
    writeBytes(dir + "/" + kRecordReplayName, "best");
    writeBytes(dir + "/notes.txt", "mine");
    pruneReplays(dir, kReplaysKept);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(pathExists(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i)), i >= 5) << i;
    }
    EXPECT_TRUE(pathExists(dir + "/" + kRecordReplayName));
    EXPECT_TRUE(pathExists(dir + "/notes.txt"));
}

}  // namespace
