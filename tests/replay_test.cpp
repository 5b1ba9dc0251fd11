// Replays recorded at the seam play back to the same game; changed ones are named, damaged ones refused or stopped.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <tuple>

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "screens/fonts.h"
#include "screens/game_screen.h"
#include "screens/life_loss.h"
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

// Plays replay bytes back on a fresh world; false with the reason when they are refused.
bool playBack(const std::string& bytes, std::string& reason)
{
    ReplayStart start;
    std::string stream;
    resetWorld(99);
    if (!decodeReplay(bytes, start, stream, reason)) return false;
    beginPlayback(start, stream, true);
    playToEnd();
    return true;
}

class ReplayTest : public ::testing::Test {
protected:
    void TearDown() override { scoreFilePath.clear(); replay = ReplaySession{}; removeScratchDirectory(dir); }
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
    fake.duringQuestion = [] { fake.clockMs += 900; };  // the player thinks it over: the game holds
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
    scoreFilePath = dir + "/replayed.sco";
    ASSERT_TRUE(playBack(bytes, reason)) << reason;
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
    std::string otherFormat = bytes, otherVersion = bytes, changed = stream;
    otherFormat[8] = 2;
    otherVersion[11] = '9';
    const std::pair<std::string, const char*> refused[] = {
        {"", "not a Tessaron replay"}, {"Ace SCORE= 0", "not a Tessaron replay"},
        {otherFormat, "replay format 2, this game reads format 1"}, {otherVersion, "replay of Tessaron 9.0.0, this is Tessaron 1.0.0"},
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

// Streams a sender could craft, each in a real file: played to their end or stopped with a one-line reason, never
// a question asked inside a question (100,000 Escape or F12 records used to recurse once per record).
TEST_F(ReplayTest, HostileKeyStreamsArePlayedToTheirEndOrStoppedAtOneDepth)
{
    // A real game: launched, a question answered No with a pause (the focus gone elsewhere) under it, Escape and Oui.
    startRecording(5, 1, Point{240, 0}, [] { game.bestScore = 0; });
    click();
    tick(20);
    fake.answer = false;
    fake.duringQuestion = [] { key('P'); fake.clockMs += 400; key('P'); };
    key(kKeyF12);
    fake.duringQuestion = nullptr;
    tick(20);
    fake.answer = true;
    key(kKeyEscape);
    endRecording();
    const ReplayStart start = replay.start;
    const std::string game = replay.stream;
    auto records = [](Record kind, int value, int count) {
        std::string out;
        for (int i = 0; i < count; ++i) out += std::string{static_cast<char>(kind), static_cast<char>(value)};
        return out;
    };
    const std::size_t answer = game.find(static_cast<char>(Record::Answer));
    const std::size_t text = game.find(static_cast<char>(Record::Text));
    ASSERT_NE(answer, std::string::npos);
    ASSERT_NE(text, std::string::npos);
    const std::string ticks(3, static_cast<char>(static_cast<int>(Record::Ticks) | 1 << 4));
    struct Case {
        const char* what;
        std::string stream;
        bool stops;  // stopped, or refused by the stream check; false: played to its end
    };
    const Case cases[] = {
        {"the real game", game, false},
        {"100,000 Escape records before it", records(Record::Key, kKeyEscape, 100000) + game, true},
        {"100,000 F12 records before it", records(Record::Key, kKeyF12, 100000) + game, true},
        {"Escape under the recorded question", game.substr(0, answer) + records(Record::Key, kKeyEscape, 1) + game.substr(answer), true},
        {"ticks under the recorded question", game.substr(0, answer) + ticks + game.substr(answer), true},
        {"keys while the name is awaited", game.substr(0, text) + records(Record::Key, kKeyF12, 1000) + game.substr(text), true},
    };
    for (const Case& c : cases) {
        const std::string bytes = encodeReplay(start, c.stream);
        EXPECT_LT(bytes.size(), 4000u) << c.what;
        reason.clear();
        if (!playBack(bytes, reason)) {
            EXPECT_TRUE(c.stops && !reason.empty() && reason.find('\n') == std::string::npos) << c.what << ": " << reason;
            continue;
        }
        EXPECT_TRUE(replay.stopped) << c.what;
        EXPECT_EQ(!replay.failure.empty(), c.stops) << c.what << ": " << replay.failure;
        EXPECT_EQ(replay.failure.find('\n'), std::string::npos) << c.what;
        EXPECT_LE(fake.questions.size(), 2u) << c.what;
    }
}

// A record another game wrote while this one ran is read at the run's end and kept in the replay, which then plays
// back the same without the score file; without that record the playback departs.
TEST_F(ReplayTest, TheRecordReadAgainAtTheEndIsReplayed)
{
    startRecording(4, 1, Point{240, 0}, [] {
        game.bestScore = 1000;
        std::snprintf(game.bestScoreName.data(), game.bestScoreName.size(), " Ace");
    });
    scoreFilePath = dir + "/other.sco";
    writeBytes(scoreFilePath, "AAA SCORE= 900000");
    click();
    tick(30);
    key(kKeyEscape);
    ASSERT_EQ(std::pair(game.bestScore, std::string(game.bestScoreName.data())), std::pair(900000, std::string(" AAA")));
    EXPECT_TRUE(fake.dialogs.empty());
    endRecording();
    const StateCheck played = checkOf(game);
    const std::string stream = replay.stream;
    const std::string bestRecord = "\x0d\xc0\xee\x6d\x04 AAA";  // Best, 900000 zigzag-coded, the name's length and bytes
    ASSERT_EQ(static_cast<char>(Record::Best), bestRecord[0]);
    const std::size_t best = stream.find(bestRecord);
    ASSERT_NE(best, std::string::npos);
    scoreFilePath.clear();
    ASSERT_TRUE(playBack(encodeReplay(replay.start, stream), reason)) << reason;
    EXPECT_EQ(replay.failure, "");
    EXPECT_EQ(checkOf(game), played);
    const std::string without = stream.substr(0, best) + stream.substr(best + bestRecord.size());
    ASSERT_TRUE(playBack(encodeReplay(replay.start, without), reason)) << reason;
    EXPECT_NE(replay.failure, "");
}

// Only the store's exact dated names count as its replays; a name the player gave never does.
TEST(ReplayNames, OnlyTheStoresExactDatedShapeIsItsOwn)
{
    const std::string dated = replayFileName(1700000000, 5, 12340);
    const std::string stem = dated.substr(0, dated.size() - 7);
    const std::pair<std::string, bool> names[] = {
        {dated, true}, {stem + "-2.replay", true}, {stem + "-99.replay", true}, {replayFileName(0, 25, 0), true},
        {"2019 ma meilleure partie.replay", false}, {"9999-a-garder.replay", false}, {kRecordReplayName, false},
        {stem + "-1.replay", false}, {stem + "-0.replay", false}, {stem + "-02.replay", false}, {stem + "-100.replay", false},
        {stem + "-2-3.replay", false}, {stem + ".replay.tmp-12-0123456789abcdef", false}, {stem, false},
        {stem + " copie.replay", false}, {"2026-12-07_21-04-59_niveau-5_score-1.replay", false},
        {"2026-12-07_21-04-59_niveau-05_score-.replay", false}, {"x" + dated, false}};
    for (const auto& [name, own] : names) EXPECT_EQ(isDatedReplayName(name), own) << name;
}

// Beyond the twenty newest dated replays the oldest go, and killed saves' temporaries; the player's renamed replays,
// links and folders of any name, other files and a temporary still being written stay.
TEST_F(ReplayTest, TheStorePrunesOnlyItsOwnFilesAndDeadTemporaries)
{
    for (int i = 0; i < 25; ++i) writeBytes(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i), "r");
    const std::string oldest = replayFileName(1600000000, 1, 0), older = replayFileName(1600000060, 1, 0);
    const std::string kept[] = {kRecordReplayName, "notes.txt", "2019 ma meilleure partie.replay", "9999-a-garder.replay",
                                oldest, older, "notes.txt.tmp-12-0123456789abcdef", older + ".tmp-7-00000000000000aa"};
    for (const char* name : {kRecordReplayName, "notes.txt", "2019 ma meilleure partie.replay", "9999-a-garder.replay",
                             "notes.txt.tmp-12-0123456789abcdef"})
        writeBytes(dir + "/" + name, "mine");
    std::filesystem::create_symlink(dir + "/notes.txt", dir + "/" + oldest);  // a link of the dated shape
    std::filesystem::create_directory(dir + "/" + older);                    // a folder of the dated shape
    writeBytes(dir + "/" + older + ".tmp-7-00000000000000aa", "being written");
    const int writing = open((dir + "/" + older + ".tmp-7-00000000000000aa").c_str(), O_RDONLY);
    ASSERT_EQ(flock(writing, LOCK_EX), 0);
    const std::string dead[] = {replayFileName(1700000000, 3, 0) + ".tmp-4242-0123456789abcdef",
                                std::string(kRecordReplayName) + ".tmp-1-fedcba9876543210"};
    for (const std::string& name : dead) writeBytes(dir + "/" + name, "killed midway");
    pruneReplays(dir, kReplaysKept);
    close(writing);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(pathExists(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i)), i >= 5) << i;
    for (const std::string& name : kept) EXPECT_TRUE(pathExists(dir + "/" + name)) << name;
    for (const std::string& name : dead) EXPECT_FALSE(pathExists(dir + "/" + name)) << name;
    EXPECT_EQ(readBytes(dir + "/notes.txt"), "mine");
}

// A replay is saved under a name nothing else holds, beside files already there; what could not be saved is told in
// one French line that names it.
TEST_F(ReplayTest, AReplayNeverReplacesAFileAndAFailedSaveIsTold)
{
    auto recordedRun = [] {
        startRecording(2, 3, Point{240, 0}, [] { game.bestScore = 0; });
        game.score = game.bestScore = 10;  // the run set the record
        game.gameOverShown = 1;
    };
    // Files already holding the names of this second and the next keep their bytes; the save takes a copy's name.
    const std::time_t now = std::time(nullptr);
    for (std::time_t when : {now, now + 1}) writeBytes(dir + "/" + replayFileName(when, 3, 10), "another game");
    std::string told;
    recordedRun();
    const std::string first = saveGameReplay(dir, told);
    recordedRun();
    const std::string second = saveGameReplay(dir, told);
    EXPECT_EQ(told, "");
    ASSERT_TRUE(!first.empty() && !second.empty() && first != second) << first << " " << second;
    for (const std::string& saved : {first, second}) {
        EXPECT_TRUE(isDatedReplayName(saved.substr(dir.size() + 1))) << saved;
        EXPECT_EQ(readBytes(saved).substr(0, 8), "TESSRPL\n");
    }
    for (std::time_t when : {now, now + 1}) EXPECT_EQ(readBytes(dir + "/" + replayFileName(when, 3, 10)), "another game");
    EXPECT_EQ(readBytes(dir + "/" + kRecordReplayName), readBytes(second));
    // Nowhere to save, a file in the folder's place, a folder in the record's copy's place.
    writeBytes(dir + "/file", "x");
    std::filesystem::remove(dir + "/" + kRecordReplayName);
    std::filesystem::create_directory(dir + "/" + kRecordReplayName);
    const std::tuple<std::string, const char*, bool> failures[] = {
        {"", "Partie non enregistrée : aucun dossier pour la garder", false},
        {dir + "/file/replays", "Partie non enregistrée : dossier introuvable", false},
        {dir, "Partie enregistrée, mais pas sa copie du record : un dossier porte son nom", true}};
    for (const auto& [where, line, written] : failures) {
        recordedRun();
        testing::internal::CaptureStderr();
        EXPECT_EQ(saveGameReplay(where, told).empty(), !written) << where;
        EXPECT_FALSE(testing::internal::GetCapturedStderr().empty()) << where;
        EXPECT_EQ(told, line) << where;
    }
}

// The end of a run saves its replay while the end screen shows, and tells there, under the record's line, what
// failed; the next run's end screen starts without it.
TEST_F(ReplayTest, TheEndScreenTellsAReplayThatWasNotSaved)
{
    for (const char* line : {"Partie non enregistrée : disque plein", ""}) {
        resetWorld();
        game.bestScore = 1000000;
        game.livesLeft = 0;
        fake.replayNotSaved = line;
        lifeLost();
        EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "save replay"), 1);
        EXPECT_EQ(utf8FromWindows1252(replayNotSavedText.data()), line);
    }
}

}  // namespace
