// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Replays recorded at the seam play back to the same game; changed ones are named, damaged ones refused or stopped.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <set>
#include <tuple>

#include "game/controls.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/level_codes.h"
#include "game/replay_player.h"
#include "game/replay_recorder.h"
#include "game/replay_validator.h"
#include "game/rules_version.h"
#include "game/window_events.h"
#include "screens/game_screen.h"
#include "screens/screen_state.h"
#include "screens/windows1252.h"
#include "shell/game_requests.h"
#include "shell/game_window_input.h"
#include "shell/menu_navigation.h"
#include "shell/replay_file.h"
#include "shell/replay_store.h"
#include "shell/score_file.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"
#include "shell/text_dialogs.h"
#include "tests/fake_platform.h"
#include "tests/scratch_files.h"

namespace {

// Ticks while the timer runs. The player keeps the paddle under the first ball, a little to one side or the other,
// unless `keys` steer it as the window's loop does.
void tick(int count, PlayerInput* keys = nullptr)
{
    for (int i = 0; i < count; ++i, fake.clockMs += 25) {
        const auto drift = static_cast<int>((static_cast<std::uint32_t>(replay.ticks / 37) * 2654435761u >> 16) % 45);
        if (keys == nullptr || steeringDirection(keys->steering) == 0.0) {
            fake.pointer.x = static_cast<int>(game.balls[0].x) + drift - 22;
        } else if (steerPointer(*keys, Settings{}, std::uint64_t(fake.clockMs), fake.pointer.x).action ==
                   GameWindowAction::Input) {
            gameWindowPointerMoved();
        }
        if (fake.timerRunning) gameWindowTick();
        performGameRequests();
    }
}

void key(int code) { gameWindowKey(code), performGameRequests(); }
void answer(bool yes) { gameWindowAnswer(yes), performGameRequests(); }
void click() { gameWindowLeftButton(), performGameRequests(); }
// Time passes until the game no longer waits for it, as the window's loop lets it pass.
void waitForFlow()
{
    while (flowWaitsForTime()) gameWindowTimePassed(50), performGameRequests();
}
bool inPlay() { return game.mode == GameMode::Playing || game.mode == GameMode::LostBallPause; }
// A fresh world on `level` with `seed`, the record and the lives given, recording from its start.
void startRecording(unsigned seed, int level, int bestScore = GameState{}.bestScore, int livesLeft = 1)
{
    resetWorld(seed);
    game.currentLevel = level;
    newGameReset();
    game.bestScore = bestScore;
    game.livesLeft = livesLeft;
    fake.pointer = Point{240, 0};
    beginRecording(fake.pointer);
    startLevel();
}

// Plays replay bytes back on a fresh world, performing what the game asks as the window does (a played game saves no
// record: `scorePath` is where it would); false with the reason when they are refused.
bool playBack(const std::string& bytes, std::string& reason, const std::string& scorePath = "")
{
    ReplayStart start;
    std::string stream;
    resetWorld(99);
    shellState.scoreFilePath = scorePath;
    if (!decodeReplay(bytes, start, stream, reason)) return false;
    beginPlayback(start, stream, true);
    while (playNextRecord()) performGameRequests();
    return true;
}

class ReplayTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        replay = ReplaySession{};
        removeScratchDirectory(dir);
    }
    const std::string dir = makeScratchDirectory();
    std::string reason;
};

// An event of the game window, a gamepad or a question: a key (down, up or repeated), a gamepad button (down or up),
// the stick, a window event, the mouse.
SDL_Event event(Uint32 type, int code = 0, std::uint8_t repeat = 0)
{
    SDL_Event e{};
    e.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP) e.key.keysym.sym = code, e.key.repeat = repeat;
    if (type == SDL_CONTROLLERAXISMOTION) e.caxis.value = std::int16_t(code);  // the left stick's x
    if (type != SDL_KEYDOWN && type != SDL_KEYUP && type != SDL_CONTROLLERAXISMOTION)
        e.cbutton.button = e.window.event = e.button.button = std::uint8_t(code);  // whichever its type reads
    return e;
}

// A game played with every key and button the game window knows, read as the window reads them (game_window_input):
// the level's code typed in lower case, the mouse, the arrows held before and after the launch, Space and Up, every
// other key and repeats, the gamepad's buttons, d-pad and stick, F11, F12 and Escape answered each way by keys and
// buttons, the focus lost, a level cleared and its intro left by an arrow, a record's name. Played back, it must end
// in the same state and score file: a key that changed the game elsewhere than through its inputs departs.
TEST_F(ReplayTest, EveryKeyAndButtonOfTheGameWindowPlaysBackTheSame)
{
    resetWorld(7);
    fillLevelCodes();
    const Settings settings;  // the arrow keys and gamepads on, as they come
    PlayerInput keys;
    auto send = [&](std::initializer_list<SDL_Event> events) {
        for (const SDL_Event& e : events) {
            const GameWindowInput given = gameWindowInputOf(keys, e, settings, fake.pointer);
            if (given.action == GameWindowAction::Input) waitForFlow(), input(given.handler, given.argument);
            fake.clockMs += 40;
        }
    };
    auto press = [&](SDL_Keycode key) { send({event(SDL_KEYDOWN, key), event(SDL_KEYUP, key)}); };
    auto steer = [&](int count) { tick(count, &keys); };
    // The question's window takes the keys until one answers.
    auto answerWith = [&](std::initializer_list<SDL_Event> events) {
        ASSERT_EQ(game.mode, GameMode::Question);
        QuestionButton focus = QuestionButton::Yes;
        for (const SDL_Event& e : events)
            if (const QuestionButton given = questionKey(e, focus, true, AnswerLetters{});
                given != QuestionButton::None)
                return input(Handler::Answer, given == QuestionButton::Yes);
        FAIL() << "the question was not answered";
    };
    auto typeInto = [&](TextDialog dialog, const char* utf8) {
        TextField field = (composeDialogOpening(dialog), openTextField(dialog));
        typeIntoField(field, utf8), confirmTextField(field), input(Handler::Text, 0, pathBuffer.data());
    };
    beginCodeEntry();
    std::string code = levelCodes[24].data();
    for (char& c : code) c = char(std::tolower(static_cast<unsigned char>(c)));
    typeInto(TextDialog::LevelCode, code.c_str());
    ASSERT_EQ(std::pair(game.currentLevel, game.mode), std::pair(24, GameMode::Playing));
    newGameReset();
    game.bestScore = 100, game.livesLeft = 60;
    shellState.scoreFilePath = dir + "/played.sco";
    beginRecording(fake.pointer = Point{240, 0});
    startLevel();
    for (int x : {200, 230, 260}) fake.pointer.x = x, send({event(SDL_MOUSEMOTION)});
    for (SDL_Keycode arrow : {SDLK_RIGHT, SDLK_LEFT})
        send({event(SDL_KEYDOWN, arrow)}), steer(8), send({event(SDL_KEYUP, arrow)});
    press(SDLK_UP), press(SDLK_SPACE), send({event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)});
    ASSERT_TRUE(game.ballLaunched);
    send({event(SDL_KEYDOWN, SDLK_LEFT)}), steer(6), send({event(SDL_KEYUP, SDLK_LEFT)});
    std::vector<SDL_Keycode> others{SDLK_HOME, SDLK_DOWN, SDLK_F1};  // and every key of a character: each pauses
    for (SDL_Keycode key = SDLK_BACKSPACE; key < SDLK_DELETE; ++key)
        others.push_back(key == SDLK_ESCAPE ? SDLK_F2 : key);
    for (SDL_Keycode key : others) press(key), send({event(SDL_KEYDOWN, key, 1)}), steer(2), press(key), steer(1);
    for (int button : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B,
                       SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_START})
        send({event(SDL_CONTROLLERBUTTONDOWN, button), event(SDL_CONTROLLERBUTTONUP, button)}), steer(3);
    for (int button : {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT})
        send({event(SDL_CONTROLLERBUTTONDOWN, button)}), steer(5), send({event(SDL_CONTROLLERBUTTONUP, button)});
    send({event(SDL_CONTROLLERAXISMOTION, 30000)}), steer(5), send({event(SDL_CONTROLLERAXISMOTION, 0)});
    EXPECT_EQ(gameWindowInputOf(keys, event(SDL_KEYDOWN, SDLK_F11), settings, {}).action, GameWindowAction::FullScreen);
    press(SDLK_F11), steer(3), press(SDLK_F11);
    press(SDLK_F12), answerWith({event(SDL_KEYDOWN, 'n')});
    press(SDLK_F12), answerWith({event(SDL_KEYDOWN, SDLK_RETURN)});
    send({event(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_Y)}),
        answerWith({event(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_B)});
    send({event(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_BACK)}), answerWith({event(SDL_KEYDOWN, SDLK_ESCAPE)});
    press(SDLK_ESCAPE), answerWith({event(SDL_KEYDOWN, SDLK_TAB), event(SDL_KEYDOWN, SDLK_SPACE)});
    press(SDLK_SPACE), send({event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST)});
    ASSERT_TRUE(game.paused);
    press('p');
    for (int turns = 0, calm = 0, left = countBricksLeft(); turns < 1000 && inPlay(); ++turns) {
        steer(100);
        // A ball circling where no brick is left to break is given up.
        calm = countBricksLeft() == left ? calm + 1 : 0;
        left = countBricksLeft();
        if (calm > 20) press(SDLK_F12), answerWith({event(SDL_KEYDOWN, 'o')}), calm = 0;
        if (!game.ballLaunched) press(SDLK_SPACE);
    }
    ASSERT_EQ(game.mode, GameMode::Applause) << "the scripted player did not clear level 24";
    waitForFlow();
    press(SDLK_RIGHT);  // on the intro an arrow leaves it
    steer(40);
    press(SDLK_ESCAPE), answerWith({event(SDL_KEYDOWN, 'o')});
    waitForFlow();
    ASSERT_EQ(std::pair(game.currentLevel, game.mode), std::pair(25, GameMode::NameEntry));
    typeInto(TextDialog::PlayerName, "Zoé");
    send({event(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_A)});
    EXPECT_EQ(std::pair(game.mode, fake.windowCloses), std::pair(GameMode::EndScreen, 1));
    endRecording();
    const std::string bytes = encodeReplay(replay.start, replay.stream);
    const StateCheck played = checkOf(game);
    const std::size_t sounds = soundsPlayed();
    ASSERT_TRUE(playBack(bytes, reason, dir + "/replayed.sco")) << reason;
    EXPECT_EQ(std::tuple(replay.failure, replay.stopped, soundsPlayed()), std::tuple(std::string(), true, sounds));
    EXPECT_EQ(checkOf(game), played);
    EXPECT_FALSE(pathExists(dir + "/replayed.sco"));
    EXPECT_EQ(readBytes(dir + "/played.sco"), "Zo\xe9 SCORE= " + std::to_string(game.score));
}

// A run whose last ball is lost ends once its end screen is in, where the game saves its replay: that replay plays to
// the same end.
TEST_F(ReplayTest, ARunEndedByItsLastLostBallReplaysToItsEnd)
{
    startRecording(5, 1, GameState{}.bestScore, 0);
    std::string bytes;
    fake.duringSave = [&bytes] {
        endRecording();
        bytes = encodeReplay(replay.start, replay.stream);
    };
    click();
    for (int i = 0; i < 100000 && game.mode != GameMode::EndScreen; ++i) {
        fake.pointer.x = game.balls[0].x < 240 ? 479 : 0;  // the paddle always away from the ball
        gameWindowPointerMoved();
        if (fake.timerRunning) gameWindowTick();
        performGameRequests();
        waitForFlow();
    }
    const StateCheck ended = checkOf(game);
    ASSERT_TRUE(game.mode == GameMode::EndScreen && !bytes.empty());
    ASSERT_TRUE(playBack(bytes, reason)) << reason;
    EXPECT_EQ(std::pair(replay.failure, replay.stopped), std::pair(std::string(), true));
    EXPECT_EQ(checkOf(game), ended);
}

// Other files are refused with a reason, a changed answer named where it shows, any damaged byte refused or stopped.
TEST_F(ReplayTest, OtherChangedOrDamagedReplaysAreRefusedNamedOrStopped)
{
    startRecording(3, 1);
    fake.pointer = Point{250, 300};
    runHandler(Handler::LeftButton, 0, 0);
    for (int i = 0; i < 200; ++i) {
        if (i == 20) runHandler(Handler::Key, kKeyF12, 0), runHandler(Handler::Answer, 0, 0);
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
        {"", "pas une partie enregistrée de Tessaron"},
        {"Ace SCORE= 0", "pas une partie enregistrée de Tessaron"},
        {otherFormat, "partie enregistrée au format 7, ce jeu lit le format " + std::to_string(kReplayFormatVersion)},
        {otherRules, "partie enregistrée sous les règles " + std::to_string(kRulesVersion + 1) +
                         ", ce jeu suit les règles " + std::to_string(kRulesVersion)},
        {bytes.substr(0, bytes.size() - 1), "partie enregistrée tronquée"},
        {bytes.substr(0, 40), "partie enregistrée tronquée"},
        {bytes + "x", "des octets suivent la fin de la partie enregistrée"}};
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

// A game on a player's set carries its levels: it plays back once the set is gone; carried
// levels that do not read, or differ from those the game was played on, are refused or stopped.
TEST_F(ReplayTest, AGameOnAPlayersSetPlaysBackWithoutTheSet)
{
    std::string bytes, other;
    StateCheck played{};
    {
        LevelSet set{"Mien", "Zoé", {}};
        set.levels.push_back({"", {{200, 100, 1, 0}, {240, 100, 6, 0}, {0, 300, 8, 0}}});
        resetWorld(4);
        game.levelSet = &set;
        newGameReset();
        fake.pointer = Point{240, 0};
        beginRecording(fake.pointer);
        startLevel();
        runHandler(Handler::LeftButton, 0, 0);
        for (int i = 0; i < 300; ++i) runHandler(Handler::Timer, 0, 0);
        runHandler(Handler::Close, 0, 900);
        endRecording();
        played = checkOf(game);
        bytes = encodeReplay(replay.start, replay.stream);
        ReplayStart changed = replay.start;
        changed.levelSet.levels[0].entries[0].kind = 2;
        other = encodeReplay(changed, replay.stream);
    }
    EXPECT_EQ(bytes[8], kReplayWithLevelsFormat);
    ASSERT_TRUE(playBack(bytes, reason)) << reason;
    EXPECT_EQ(std::pair(replay.failure, replay.stopped), std::pair(std::string(), true));
    EXPECT_EQ(checkOf(game), played);
    ASSERT_TRUE(playBack(other, reason)) << reason;
    EXPECT_NE(replay.failure.find("brickTable"), std::string::npos) << replay.failure;

    const auto changedText = [&bytes](const std::string& from, const std::string& to) {
        std::string damaged = bytes;
        damaged.replace(damaged.find(from), from.size(), to);
        return damaged;
    };
    const std::pair<std::string, std::string> refused[] = {
        {changedText("brick 240 100", "brick 280 100"), "niveaux de la partie enregistrée abîmés"},
        {changedText("ordinary1", "ordinary9"),
         "niveaux de la partie enregistrée refusés : ligne 7 : genre de brique inconnu « ordinary9 »"}};
    for (const auto& [file, why] : refused) {
        EXPECT_FALSE(playBack(file, reason));
        EXPECT_EQ(reason, why);
    }
}

// Crafted streams in a real file are played to their end or stopped (or refused) with one line: 100,000 Escape or
// F12 records before a real game, or keys and ticks under its question, make no question of their own.
TEST_F(ReplayTest, HostileKeyStreamsArePlayedToTheirEndOrStopped)
{
    startRecording(5, 1, 0);  // a real game, ending with a record
    click();
    tick(20);
    key(kKeyF12);
    key('P'), fake.clockMs += 400, key('P');  // a pause under the question is kept
    answer(false);
    key(kKeyEscape);
    answer(true);
    endRecording();
    const std::string real = replay.stream;
    auto before = [&](Record at, const std::string& inserted) {
        const std::size_t where = real.find(static_cast<char>(at));
        return real.substr(0, where) + inserted + real.substr(where);
    };
    std::string escapes, f12s;
    for (int i = 0; i < 100000; ++i) {
        escapes += {char(Record::Key), char(kKeyEscape)};
        f12s += {char(Record::Key), char(kKeyF12)};
    }
    // The stream, whether it stops.
    const std::pair<std::string, bool> cases[] = {
        {real, false},
        {escapes + real, true},
        {f12s + real, true},
        {before(Record::Answer, escapes.substr(0, 2)), false},
        {before(Record::Answer, std::string(3, char(int(Record::Ticks) | 1 << 4))), true},
        {before(Record::Answer, std::string(1, char(int(Record::Answer) | 1 << 4))), true}};
    for (const auto& [stream, stops] : cases) {
        const std::string bytes = encodeReplay(replay.start, stream);
        EXPECT_LT(bytes.size(), 4000u);
        reason.clear();
        if (!playBack(bytes, reason)) {  // refused by the stream check
            EXPECT_TRUE(stops && !reason.empty() && reason.find('\n') == std::string::npos) << reason;
            continue;
        }
        EXPECT_TRUE(replay.stopped && replay.failure.find('\n') == std::string::npos) << replay.failure;
        EXPECT_EQ(!replay.failure.empty(), stops) << stream.size() << ": " << replay.failure;
    }
}

// A higher record that another game wrote meanwhile, read at the run's end, is kept in the replay: it plays back the
// same without the score file, and departs without that record.
TEST_F(ReplayTest, TheRecordReadAgainAtTheEndIsReplayed)
{
    startRecording(4, 1, 1000);
    writeBytes(shellState.scoreFilePath = dir + "/other.sco", "AAA SCORE= 900000");
    click();
    tick(30);
    key(kKeyEscape);
    answer(true);
    waitForFlow();
    ASSERT_TRUE(game.bestScore == 900000 && game.mode == GameMode::EndScreen);
    endRecording();
    const StateCheck end = checkOf(game);
    const std::string stream = replay.stream, best = "\x0c\xc0\xee\x6d\x04 AAA";  // Best, 900000 zigzag-coded, " AAA"
    const std::size_t at = stream.find(best);
    ASSERT_TRUE(at != std::string::npos && best[0] == char(Record::Best));
    shellState.scoreFilePath.clear();
    for (const bool kept : {true, false}) {
        const std::string played = kept ? stream : stream.substr(0, at) + stream.substr(at + best.size());
        ASSERT_TRUE(playBack(encodeReplay(replay.start, played), reason));
        EXPECT_EQ(replay.failure.empty(), kept) << replay.failure;
        EXPECT_EQ(checkOf(game) == end, kept);
    }
}

// The store prunes only its own exact dated names beyond the twenty newest, and killed saves' temporaries; the
// player's renamed replays, links and folders, other files and a temporary still being written stay.
TEST_F(ReplayTest, TheStorePrunesOnlyItsOwnFilesAndDeadTemporaries)
{
    using namespace std::string_literals;
    const std::string dated = replayFileName(1700000000, 5, 12340), stem = dated.substr(0, dated.size() - 7);
    for (const std::string& name : {stem + ".replay", stem + "-2.replay", stem + "-99.replay"})
        EXPECT_TRUE(isDatedReplayName(name)) << name;
    for (const std::string& name :
         {"2019 ma meilleure partie.replay"s, "9999-a-garder.replay"s, stem + "-1.replay", stem + "-02.replay",
          stem + "-100.replay", stem + " copie.replay", stem, "2026-12-07_21-04-59_niveau-5_score-1.replay"s})
        EXPECT_FALSE(isDatedReplayName(name)) << name;
    for (int i = 0; i < 25; ++i) writeBytes(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i), "r");
    const std::string oldest = replayFileName(1600000000, 1, 0), older = replayFileName(1600000060, 1, 0);
    const std::vector<std::string> kept({kRecordReplayName, "2019 ma meilleure partie.replay", "9999-a-garder.replay",
                                         "a.tmp-12-0123456789abcdef", oldest, older,
                                         older + ".tmp-7-00000000000000aa"});
    for (int i : {0, 1, 2, 3}) writeBytes(dir + "/" + kept[i], "mine");
    std::filesystem::create_symlink(dir + "/" + kept[1], dir + "/" + oldest);  // a link and a folder of the dated shape
    std::filesystem::create_directory(dir + "/" + older);
    writeBytes(dir + "/" + kept[6], "being written");
    const int writing = open((dir + "/" + kept[6]).c_str(), O_RDONLY);
    ASSERT_EQ(flock(writing, LOCK_EX), 0);
    const std::string dead[] = {replayFileName(1700000000, 3, 0) + ".tmp-4242-0123456789abcdef",
                                std::string(kRecordReplayName) + ".tmp-1-fedcba9876543210"};
    for (const std::string& name : dead) writeBytes(dir + "/" + name, "killed midway");
    pruneReplays(dir, kReplaysKept);
    close(writing);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(pathExists(dir + "/" + replayFileName(1700000000 + 60 * i, 3, i)), i >= 5) << i;
    for (const std::string& name : kept) EXPECT_TRUE(pathExists(dir + "/" + name)) << name;
    for (const std::string& name : dead) EXPECT_FALSE(pathExists(dir + "/" + name)) << name;
}

// A replay takes a name nothing holds, beside files holding this second's and the next one's; a failed save is told
// in one French line that names what was and was not saved, and the end screen shows it.
TEST_F(ReplayTest, AReplayNeverReplacesAFileAndAFailedSaveIsTold)
{
    const std::time_t now = std::time(nullptr);
    for (std::time_t when : {now, now + 1}) writeBytes(dir + "/" + replayFileName(when, 3, 10), "another game");
    writeBytes(dir + "/file", "x");
    // Where, what is told, whether a replay is written.
    const std::tuple<std::string, const char*, bool> saves[] = {
        {dir, "", true},
        {dir, "", true},
        {"", "Partie non enregistrée : aucun dossier pour la garder", false},
        {dir + "/file/replays", "Partie non enregistrée : dossier introuvable", false},
        {dir, "Partie enregistrée, mais pas sa copie du record : un dossier porte son nom", true}};
    std::vector<std::string> written;
    std::string told;
    for (const auto& [where, line, saved] : saves) {
        if (*line == 'P' && saved) {  // a folder holds the record replay's name
            std::filesystem::remove(dir + "/" + kRecordReplayName);
            std::filesystem::create_directory(dir + "/" + kRecordReplayName);
        }
        startRecording(2, 3, 0);
        game.score = game.bestScore = 10;  // the run set the record
        game.mode = GameMode::EndScreen;
        testing::internal::CaptureStderr();
        const std::string path = saveGameReplay(where, told);
        EXPECT_EQ(testing::internal::GetCapturedStderr().empty(), *line == '\0');
        EXPECT_EQ(std::pair(told, path.empty()), std::pair(std::string(line), !saved)) << where;
        if (saved) written.push_back(path);
    }
    EXPECT_EQ(std::set<std::string>(written.begin(), written.end()).size(), 3u);
    for (std::time_t when : {now, now + 1})
        EXPECT_EQ(readBytes(dir + "/" + replayFileName(when, 3, 10)), "another game");
    resetWorld();
    game.bestScore = 1000000;
    fake.replayNotSaved = std::get<1>(saves[3]);
    endRun();
    EXPECT_EQ(utf8FromWindows1252(screenState.replayNotSavedText.data()), fake.replayNotSaved);
}

}  // namespace

// A stream that is no game's is refused with its reason and the numbers it names; its French
// text is the one the lab prints.
TEST(ReplayStream, EachDamageIsRefusedWithItsReason)
{
    const auto number = [](std::uint64_t value) {
        std::string out;
        putNumber(out, value);
        return out;
    };
    const std::string check0 = "\x09" + number(0) + number(0);  // the state checked at tick 0
    const std::string farPointer = "\x06" + number(zigzag(kFarthestPointer)) + number(zigzag(0));
    using R = ReplayReason;
    const std::tuple<std::string, ReplayRefusal, const char*> table[] = {
        {"", {R::EventsCutShort}, "les événements s'arrêtent avant leur fin"},
        {check0 + "\x0f", {R::BadEvent, 4}, "événement mal formé (octet 4 des événements)"},
        {"\x01" + number(200000000), {R::TooManyTicks}, "plus de pas de jeu qu'aucune partie"},
        {"\x31\x09" + number(5) + number(0),
         {R::CheckOutOfOrder, 5, 3},
         "une vérification d'état au pas 5 suit le pas 3"},
        {farPointer + farPointer, {R::PointerOffScreen}, "une position du pointeur hors de tout écran"},
        {check0 + "\x0bx", {R::BytesAfterEnd}, "des octets suivent l'événement de fin"},
        {"\x0b", {R::EndBeforeLastCheck}, "l'événement de fin ne suit pas la dernière vérification d'état"},
    };
    for (const auto& [stream, wanted, french] : table) {
        ReplayRefusal refusal;
        EXPECT_FALSE(validateStream(stream, refusal)) << french;
        EXPECT_EQ(std::tie(refusal.reason, refusal.first, refusal.second),
                  std::tie(wanted.reason, wanted.first, wanted.second))
            << french;
        EXPECT_EQ(replayRefusalText(refusal), french);
    }
    ReplayRefusal none;
    EXPECT_TRUE(validateStream(check0 + "\x0b", none));
}
