// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The settings file: read back as written, and damaged files refused whole and left alone.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "screens/menu_screen.h"
#include "screens/screen_state.h"
#include "shell/settings_file.h"
#include "tests/scratch_files.h"

namespace {

bool same(const Settings& a, const Settings& b)
{
    const PlayKeys &j = a.keys, &k = b.keys;
    return std::tie(a.soundOn, a.fullScreen, a.arrowKeys, a.gamepad, a.keyCrossingMs, a.pointerInPlay, a.windowWidth,
                    a.windowHeight, a.language, j.left, j.right, j.launch, j.launchAlt, j.giveUp, j.quit,
                    j.fullScreen) == std::tie(b.soundOn, b.fullScreen, b.arrowKeys, b.gamepad, b.keyCrossingMs,
                                              b.pointerInPlay, b.windowWidth, b.windowHeight, b.language, k.left,
                                              k.right, k.launch, k.launchAlt, k.giveUp, k.quit, k.fullScreen);
}

// Every setting reads back as written, a newer game's lines kept; a player's spacing, comments
// and line ends are read too.
TEST(SettingsFile, ReadsBackAsWrittenAndAsAPlayerWritesIt)
{
    const PlayKeys moved{SDLK_a, SDLK_d, SDLK_w, SDLK_KP_5, SDLK_BACKSPACE, SDLK_q, SDLK_F1};
    for (const Settings& written :
         {Settings{}, Settings{false, true, false, false, 200, moved, true, 1400, 1100, "en"},
          Settings{true, false, true, false, 5000, PlayKeys{SDLK_SPACE, SDLK_RETURN}, false, 700, 550, "pt_BR"}}) {
        Settings read{false, false, false, false, 999, {SDLK_z}, true, 3, 4};
        std::string unknown, problem;
        const std::string text = formatSettings(written, "future_key = 7\n");
        ASSERT_EQ(parseSettings(text, read, unknown, problem), SettingsRead::Read) << text << problem;
        EXPECT_TRUE(same(read, written) && unknown == "future_key = 7\n" && formatSettings(read, unknown) == text)
            << text;
    }
    Settings read;
    std::string unknown, problem;
    ASSERT_EQ(parseSettings("# mine\r\n\n   sound=off\r\n\tfullscreen   =   yes  \nkey_crossing_ms = 0600\n"
                            "key_left = a\nkey_quit=   escape \nwindow_size =\n",
                            read, unknown, problem),
              SettingsRead::Read);
    EXPECT_TRUE(same(read, Settings{false, true, true, true, 600, PlayKeys{SDLK_a}, false, 0, 0}));
}

// A key name that names no key keeps that key's default and is noted once, with its line; the
// rest of the file is read. A control character or an overlong UTF-8 letter names no key, and
// the note shows the name escaped.
TEST(SettingsFile, AKeyNameThatNamesNoKeyKeepsItsDefaultAndIsNotedOnce)
{
    Settings read;
    std::string unknown, problem, notes;
    ASSERT_EQ(parseSettings("sound = off\nkey_left = Lfet\nkey_right = D\nkey_quit =\nkey_launch = Space Bar\n"
                            "key_give_up = \x17\nkey_fullscreen = \xc1\x81\nkey_launch_alt = \xc2\x85\n",
                            read, unknown, problem, &notes),
              SettingsRead::Read);
    EXPECT_TRUE(same(read, Settings{false, false, true, true, 800, PlayKeys{SDLK_LEFT, SDLK_d}, false, 0, 0}));
    EXPECT_EQ(std::count(notes.begin(), notes.end(), '\n'), 6) << notes;
    for (const char* named : {"ligne 2 : « Lfet »", "(key_quit)", "ligne 5 : « Space Bar »", "Left est gard",
                              "ligne 6 : « \\x17 »", "ligne 7 : « \xc1\x81 »", "F11 est gard"})
        EXPECT_NE(notes.find(named), std::string::npos) << named << " in " << notes;
}

// A line that is neither blank, a comment nor "key = value" with a value the key takes damages
// the whole file: the defaults are used, and the line is named.
TEST(SettingsFile, ADamagedLineGivesTheDefaultsAndNamesTheLine)
{
    using namespace std::string_literals;
    const std::pair<std::string, int> table[] = {
        {"sound = off\nsound\n", 2},    {"sound = maybe\n", 1},
        {"fullscreen = on\n= on\n", 2}, {"sound off\n", 1},
        {"key_crossing_ms = 10\n", 1},  {"key_crossing_ms = 99999999\n", 1},
        {"\n\nSound = off\n", 3},       {"sound = off\nsou\0nd = on\n"s, 2},
        {"window_size = 700\n", 1},     {"window_size = 0x550\n", 1},
        {"pointer_in_play = on\n", 1},  {"window_size = 99999x550\n", 1},
        {"language = english\n", 1},    {"language = en\nlanguage = EN\n", 2},
        {"language = pt_br\n", 1},      {"language = \n", 1},
        {"key_left = a\0b\n"s, 1},      {"sound = on\nkey_quit = Escape\0\n"s, 2},
    };
    for (const auto& [text, line] : table) {
        Settings read{false, true, false, false, 300, {}, true, 9, 9};
        std::string unknown = "stale\n", problem;
        EXPECT_EQ(parseSettings(text, read, unknown, problem), SettingsRead::Damaged) << text;
        EXPECT_TRUE(same(read, Settings{}) && unknown.empty()) << text;
        EXPECT_NE(problem.find("ligne " + std::to_string(line)), std::string::npos) << text << ": " << problem;
    }
}

// A missing file gives the defaults in silence and is written, in a private directory, on the
// first change; one damaged, too large or not a file gives them too and is never overwritten.
// Each failed read says so in one line.
TEST(SettingsFile, AFailedReadIsReportedOnceAndNeverOverwritten)
{
    const std::string scratch = makeScratchDirectory();
    const std::pair<const char*, bool> table[] = {
        {"missing", true}, {"damaged", false}, {"large", false}, {"directory", false}};
    for (const auto& [kind, writable] : table) {
        const std::string path = scratch + "/" + kind + "/tessaron/tessaron.conf";
        std::filesystem::create_directories(scratch + "/" + kind);
        if (std::string(kind) != "missing") std::filesystem::create_directories(scratch + "/" + kind + "/tessaron");
        if (std::string(kind) == "damaged") writeBytes(path, "sound = off\nfullscreen = sometimes\n");
        if (std::string(kind) == "large") writeBytes(path, std::string(70000, '#'));
        if (std::string(kind) == "directory") std::filesystem::create_directory(path);
        const std::string before = std::filesystem::is_regular_file(path) ? readBytes(path) : "";
        char* text = nullptr;
        std::size_t size = 0;
        std::FILE* report = open_memstream(&text, &size);
        StoredSettings stored = readSettingsFile(path, report);
        stored.values.soundOn = false;
        EXPECT_TRUE(same(readSettingsFile(path, report).values, Settings{}) && stored.writable == writable) << kind;
        EXPECT_EQ(writeSettingsFile(stored, report), writable) << kind;
        std::fclose(report);
        // One line a failed read; a missing file is the first start, and says nothing.
        EXPECT_EQ(std::count(text, text + size, '\n'), writable ? 0 : 2) << kind << ": " << text;
        std::free(text);
        struct stat status {};
        stat((scratch + "/" + kind + "/tessaron").c_str(), &status);
        const std::string after = std::filesystem::is_regular_file(path) ? readBytes(path) : "";
        EXPECT_TRUE(writable ? !readSettingsFile(path, stderr).values.soundOn && (status.st_mode & 0777) == 0700
                             : after == before)
            << kind;
    }
    removeScratchDirectory(scratch);
}

// Two games change different settings of one file: each write re-reads it and changes only its
// own keys, in place; the player's comments, unknown keys and a link to the real file stay.
TEST(SettingsFile, WritesMergeTheChangedKeysIntoTheFileAsItIsNow)
{
    const std::string scratch = makeScratchDirectory();
    const std::string own = scratch + "/tessaron/tessaron.conf", real = scratch + "/dotfiles/tessaron.conf";
    const std::string mine = "# mine\nsound = on\n  # keep\nfuture_key = 7\nfullscreen = off";
    std::filesystem::create_directories(scratch + "/dotfiles");
    const std::tuple<bool, const char*> table[] = {
        // through a link; the file once both games wrote (B's fullscreen, then A's sound)
        {false, "# mine\nsound = off\n  # keep\nfuture_key = 7\nfullscreen = on\ngamepad = off\n"},
        {true, "# mine\nsound = off\n  # keep\nfuture_key = 7\nfullscreen = on\ngamepad = off\n"}};
    for (const auto& [linked, merged] : table) {
        std::filesystem::remove_all(scratch + "/tessaron");
        std::filesystem::create_directories(scratch + "/tessaron");
        writeBytes(linked ? real : own, mine);
        if (linked) std::filesystem::create_symlink("../dotfiles/tessaron.conf", own);
        StoredSettings gameA = readSettingsFile(own, stderr), gameB = readSettingsFile(own, stderr);
        gameB.values.fullScreen = true;
        ASSERT_TRUE(writeSettingsFile(gameB, stderr)) << gameB.failure;
        gameA.values.soundOn = false;
        gameA.values.gamepad = false;
        ASSERT_TRUE(writeSettingsFile(gameA, stderr)) << gameA.failure;
        EXPECT_EQ(readBytes(own), merged) << linked;
        EXPECT_EQ(std::filesystem::is_symlink(own), linked);
        gameB.values.keyCrossingMs = 400;  // B's later changes leave A's sound as A set it
        gameB.values.keys.left = SDLK_a;
        ASSERT_TRUE(writeSettingsFile(gameB, stderr));
        EXPECT_TRUE(same(readSettingsFile(own, stderr).values,
                         Settings{false, true, true, false, 400, PlayKeys{SDLK_a}, false, 0, 0}))
            << linked;
    }
    // A file damaged meanwhile is left for the player; the failure is kept for the menu.
    StoredSettings game = readSettingsFile(own, stderr);
    writeBytes(real, "sound = sometimes\n");
    game.values.soundOn = true;
    EXPECT_FALSE(writeSettingsFile(game, stderr));
    EXPECT_EQ(readBytes(real), "sound = sometimes\n");
    EXPECT_FALSE(game.failure.empty());
    EXPECT_EQ(std::string(screenState.menuNotice[0].data()) + "|" + screenState.menuNotice[1].data(),
              "R\xe9glages non enregistr\xe9s :|ligne 1 illisible, laiss\xe9 tel quel");
    screenState.menuNotice = {};
    EXPECT_FALSE(writeSettingsFile(game, stderr));
    EXPECT_EQ(screenState.menuNotice[0][0], '\0') << "told once a run";
    removeScratchDirectory(scratch);
}

}  // namespace
