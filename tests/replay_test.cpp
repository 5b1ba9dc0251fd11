// Replays recorded at the seam play back to the same game; changed ones are named, damaged ones refused or stopped.
#include <gtest/gtest.h>

#include "game/controls.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "game/rules_version.h"
#include "shell/replay_file.h"
#include "shell/replay_store.h"
#include "shell/score_file.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

void tick(int count)
{
    for (int i = 0; i < count; ++i) {
        // The player keeps the paddle under the first ball, a little to one side or the other.
        const auto drift = static_cast<int>((static_cast<std::uint32_t>(replay.ticks / 37) * 2654435761u >> 16) % 45);
        fake.pointer.x = static_cast<int>(game.balls[0].x) + drift - 22;
        if (fake.timerRunning) runHandler(Handler::Timer, 0, fake.clockMs);  // ticks only while the timer runs
        fake.clockMs += 25;
    }
}

void key(int code) { runHandler(Handler::Key, code, fake.clockMs); }
void click(int laterMs = 0) { runHandler(Handler::LeftButton, 0, fake.clockMs += laterMs); }
// A fresh world on `level` with `seed`, changed by `setUp`, recording from its start.
void startRecording(unsigned seed, int level, Point pointer, void (*setUp)() = [] {})
{
    resetWorld(seed);
    game.currentLevel = level;
    newGameReset();
    setUp();
    fake.pointer = pointer;
    beginRecording(pointer);
    startLevel();
}

// Plays replay bytes back on a fresh world (keeping its record in `scorePath`, if any); false with the reason
// when they are refused.
bool playBack(const std::string& bytes, std::string& reason, const std::string& scorePath = "")
{
    ReplayStart start;
    std::string stream;
    resetWorld(99);
    scoreFilePath = scorePath;
    if (!decodeReplay(bytes, start, stream, reason)) return false;
    beginPlayback(start, stream, true);
    playToEnd();
    return true;
}

class ReplayTest : public ::testing::Test {
protected:
    void TearDown() override { replay = ReplaySession{}; removeScratchDirectory(dir); }
    const std::string dir = makeScratchDirectory();
    std::string reason;
};

// Level 24 played to its end (F12 answered No, then Yes, a pause, the intro, a record's name), played back the same.
TEST_F(ReplayTest, AScriptedGamePlaysBackToTheSameStateAndScoreFile)
{
    startRecording(7, 24, Point{240, 0}, [] { game.bestScore = 100; game.livesLeft = 60; fake.clockStepMs = 10; });
    scoreFilePath = dir + "/played.sco";
    for (int x : {200, 230, 260}) {
        fake.pointer.x = x;
        runHandler(Handler::PointerMoved, 0, fake.clockMs += 40);
    }
    click();
    tick(50);
    fake.duringQuestion = [] { tick(3); };
    fake.answer = false;
    key(kKeyF12);
    fake.duringQuestion = nullptr;
    fake.answer = true;
    for (int turns = 0, calm = 0, left = countBricksLeft();
         turns < 1000 && !game.levelIntroShown && !game.gameOverShown; ++turns) {
        tick(100);
        // A ball circling where no brick is left to break is given up.
        calm = countBricksLeft() == left ? calm + 1 : 0;
        left = countBricksLeft();
        if (calm > 20) {
            key(kKeyF12);
            calm = 0;
        }
        if (!game.ballLaunched) click();
    }
    ASSERT_EQ(game.levelIntroShown, 1) << "the scripted player did not clear level 24";
    click(500);
    click(100);
    tick(40);
    key('P');
    tick(5);
    key('P');
    key(kKeyF12);
    click();
    tick(30);
    fake.typeText = true;
    fake.typedText = "Zo\xe9";
    fake.clockMs += 700;
    key(kKeyEscape);
    click();
    EXPECT_EQ(std::pair(game.gameOverShown, fake.windowCloses), std::pair(1, 1));
    endRecording();
    const std::string bytes = encodeReplay(replay.start, replay.stream);
    const StateCheck played = checkOf(game);
    const std::size_t sounds = fake.sounds.size(), questions = fake.questions.size();
    ASSERT_TRUE(game.currentLevel == 25 && questions >= 3) << game.currentLevel << " " << questions;
    ASSERT_TRUE(playBack(bytes, reason, dir + "/replayed.sco")) << reason;
    EXPECT_EQ(std::pair(replay.failure, replay.stopped), std::pair(std::string(), true));
    EXPECT_EQ(checkOf(game), played);
    EXPECT_EQ(std::pair(fake.sounds.size(), fake.questions.size()), std::pair(sounds, questions));
    EXPECT_EQ(readBytes(dir + "/replayed.sco"), readBytes(dir + "/played.sco"));
    EXPECT_EQ(readBytes(dir + "/played.sco"), "Zo\xe9 SCORE= " + std::to_string(game.score));
}

// Other files are refused with a reason, a changed answer named where it shows, any damaged byte refused or stopped.
TEST_F(ReplayTest, OtherChangedOrDamagedReplaysAreRefusedNamedOrStopped)
{
    startRecording(3, 1, Point{240, 0});
    fake.pointer = Point{250, 300};
    runHandler(Handler::LeftButton, 0, 0);
    fake.answer = false;
    for (int i = 0; i < 200; ++i) {
        if (i == 20) runHandler(Handler::Key, kKeyF12, 0);
        runHandler(Handler::Timer, 0, 0);
    }
    runHandler(Handler::Key, kKeyEscape, 50);
    runHandler(Handler::Close, 0, 900);
    endRecording();
    const ReplayStart start = replay.start;
    const std::string stream = replay.stream, bytes = encodeReplay(start, stream);
    std::string otherFormat = bytes, otherRules = bytes, otherVersion = bytes, changed = stream;
    otherFormat[8] = 7;
    otherRules[10] = static_cast<char>(kRulesVersion + 1);
    otherVersion[13] = '9';  // recorded by another version under the same rules: played
    ASSERT_TRUE(playBack(otherVersion, reason)) << reason;
    EXPECT_EQ(std::pair(replay.failure, replay.stopped), std::pair(std::string(), true));
    const std::pair<std::string, std::string> refused[] = {
        {"", "not a Tessaron replay"}, {"Ace SCORE= 0", "not a Tessaron replay"},
        {otherFormat, "replay format 7, this game reads format " + std::to_string(kReplayFormatVersion)},
        {otherRules, "partie enregistrée sous les règles " + std::to_string(kRulesVersion + 1) + ", ce jeu suit les règles " +
                         std::to_string(kRulesVersion)},
        {bytes.substr(0, bytes.size() - 1), "truncated replay"}, {bytes.substr(0, 40), "truncated replay"},
        {bytes + "x", "bytes follow the end of the replay"}};
    for (const auto& [file, why] : refused) {
        EXPECT_FALSE(playBack(file, reason));
        EXPECT_EQ(reason, why);
    }
    const std::size_t answer = changed.find(static_cast<char>(Record::Answer));
    ASSERT_NE(answer, std::string::npos);
    changed[answer] = static_cast<char>(static_cast<int>(Record::Answer) | 1 << 4);
    ASSERT_TRUE(playBack(encodeReplay(start, changed), reason)) << reason;
    EXPECT_EQ(replay.failure.find("tick 100: "), 0u) << replay.failure;
    EXPECT_NE(replay.failure.find("livesLeft 0 (recorded 1)"), std::string::npos) << replay.failure;
    EXPECT_LT(replay.ticks, 200);

    for (const bool whole : {true, false})  // the file's bytes, then its event stream's
        for (std::size_t at = 0; at < (whole ? bytes : stream).size(); ++at)
            for (const char change : {'\x01', '\x80', '\xff'}) {
                std::string damaged = whole ? bytes : stream;
                damaged[at] ^= change;
                reason.clear();
                const bool played = playBack(whole ? damaged : encodeReplay(start, damaged), reason);
                EXPECT_TRUE(played ? replay.stopped : !reason.empty()) << whole << at;
            }
}

TEST_F(ReplayTest, TheTwentyNewestDatedReplaysAreKeptAndOtherFilesLeftAlone)
{
    for (int i = 0; i < 25; ++i) writeBytes(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i), "r");
    for (const std::string other : {kRecordReplayName, "notes.txt"}) writeBytes(dir + "/" + other, "mine");
    pruneReplays(dir, kReplaysKept);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(pathExists(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i)), i >= 5) << i;
    for (const std::string other : {kRecordReplayName, "notes.txt"}) EXPECT_TRUE(pathExists(dir + "/" + other));
}

}  // namespace
