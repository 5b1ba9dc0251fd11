// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The settings file: its lines read back as written, damaged files refused whole and left
// alone, and its place under the player's configuration directory.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/settings_file.h"
#include "tests/scratch_files.h"

namespace {

bool sameSettings(const Settings& a, const Settings& b)
{
    return a.soundOn == b.soundOn && a.fullScreen == b.fullScreen && a.arrowKeys == b.arrowKeys &&
           a.gamepad == b.gamepad && a.keyCrossingMs == b.keyCrossingMs;
}

// What a call wrote on its report stream, and how many lines.
struct Report {
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&text, &size);
    std::string taken()
    {
        std::fflush(stream);
        std::string out(text, size);
        std::fclose(stream);
        std::free(text);
        return out;
    }
};

int lineCount(const std::string& text)
{
    int lines = 0;
    for (const char c : text) lines += c == '\n' ? 1 : 0;
    return lines;
}

// Sets an environment variable for one scope and puts the old value back.
struct ScopedEnv {
    std::string name;
    bool had;
    std::string old;
    ScopedEnv(const char* variable, const char* value) : name(variable), had(std::getenv(variable) != nullptr)
    {
        if (had) old = std::getenv(variable);
        if (value != nullptr) setenv(variable, value, 1); else unsetenv(variable);
    }
    ~ScopedEnv() { if (had) setenv(name.c_str(), old.c_str(), 1); else unsetenv(name.c_str()); }
};

TEST(SettingsFile, EverySettingReadsBackAsWrittenWithTheLinesOfANewerGame)
{
    const Settings table[] = {
        Settings{},
        Settings{false, true, false, false, 200},
        Settings{true, false, true, false, 5000},
        Settings{false, false, false, true, 1234},
    };
    for (const Settings& written : table) {
        Settings read{false, false, false, false, 999};
        std::string unknown;
        std::string problem;
        const std::string text = formatSettings(written, "future_key = 7\n");
        ASSERT_EQ(parseSettings(text, read, unknown, problem), SettingsRead::Read) << text << problem;
        EXPECT_TRUE(sameSettings(read, written)) << text;
        EXPECT_EQ(unknown, "future_key = 7\n");
        EXPECT_EQ(formatSettings(read, unknown), text);
    }
}

TEST(SettingsFile, LinesAsAPlayerMayWriteThem)
{
    Settings read;
    std::string unknown;
    std::string problem;
    const char* text = "# mine\r\n\n   sound=off\r\n\tfullscreen   =   yes  \nkey_crossing_ms = 0600\n";
    ASSERT_EQ(parseSettings(text, read, unknown, problem), SettingsRead::Read);
    EXPECT_TRUE(sameSettings(read, Settings{false, true, true, true, 600}));
    EXPECT_TRUE(unknown.empty());
}

// Any line that is neither blank, a comment nor "key = value" with a value the key takes
// damages the whole file: nothing of it is used, the defaults are.
TEST(SettingsFile, ADamagedLineGivesTheDefaultsAndNamesTheLine)
{
    using namespace std::string_literals;
    const struct {
        std::string text;
        int line;
    } table[] = {
        {"sound = off\nsound\n", 2},
        {"sound = maybe\n", 1},
        {"fullscreen = on\n= on\n", 2},
        {"sound off\n", 1},
        {"key_crossing_ms = 10\n", 1},
        {"key_crossing_ms = 99999999\n", 1},
        {"key_crossing_ms = -800\n", 1},
        {"\n\nSound = off\n", 3},
        {"sound = off\nsou\0nd = on\n"s, 2},
    };
    for (const auto& row : table) {
        Settings read{false, true, false, false, 300};
        std::string unknown = "stale\n";
        std::string problem;
        EXPECT_EQ(parseSettings(row.text, read, unknown, problem), SettingsRead::Damaged) << row.text;
        EXPECT_TRUE(sameSettings(read, Settings{})) << row.text;
        EXPECT_TRUE(unknown.empty());
        EXPECT_NE(problem.find("ligne " + std::to_string(row.line)), std::string::npos) << row.text << ": " << problem;
    }
}

TEST(SettingsFile, ItsPlaceFollowsTheConfigurationDirectory)
{
    const ScopedEnv home("HOME", "/home/ann");
    const struct {
        const char* config;
        const char* path;
    } table[] = {
        {"/tmp/conf", "/tmp/conf/tessaron/tessaron.conf"},
        {nullptr, "/home/ann/.config/tessaron/tessaron.conf"},
        {"", "/home/ann/.config/tessaron/tessaron.conf"},
        {"relative/conf", "/home/ann/.config/tessaron/tessaron.conf"},
    };
    for (const auto& row : table) {
        const ScopedEnv config("XDG_CONFIG_HOME", row.config);
        EXPECT_EQ(settingsFilePath(), row.path) << (row.config ? row.config : "(unset)");
    }
}

// A file that is missing gives the defaults and is written on the first change; one that is
// damaged or cannot be read gives the defaults too, one line on the report, and is never
// overwritten by this run.
TEST(SettingsFile, AFailedReadIsReportedOnceAndNeverOverwritten)
{
    const std::string scratch = makeScratchDirectory();
    const std::string damaged = "sound = off\nfullscreen = sometimes\n";
    const struct {
        const char* name;
        void (*make)(const std::string& path, const std::string& damaged);
        bool writable;
    } table[] = {
        {"missing", [](const std::string&, const std::string&) {}, true},
        {"damaged", [](const std::string& path, const std::string& bytes) { writeBytes(path, bytes); }, false},
        {"a directory", [](const std::string& path, const std::string&) { mkdir(path.c_str(), 0700); }, false},
        {"too large", [](const std::string& path, const std::string&) { writeBytes(path, std::string(70000, '#')); },
         false},
    };
    for (const auto& row : table) {
        const std::string path = scratch + "/" + row.name + "/tessaron/tessaron.conf";
        const std::string directory = path.substr(0, path.rfind('/'));
        std::filesystem::create_directories(directory);
        row.make(path, damaged);
        const bool directoryInPlace = std::filesystem::is_directory(path);
        const std::string before = directoryInPlace ? "" : readBytes(path);
        Report report;
        StoredSettings stored = readSettingsFile(path, report.stream);
        EXPECT_TRUE(sameSettings(stored.values, Settings{})) << row.name;
        EXPECT_EQ(stored.writable, row.writable) << row.name;
        stored.values.soundOn = false;
        EXPECT_EQ(writeSettingsFile(stored, report.stream), row.writable) << row.name;
        EXPECT_EQ(lineCount(report.taken()), 1) << row.name;
        if (row.writable) {
            Report again;
            EXPECT_FALSE(readSettingsFile(path, again.stream).values.soundOn) << row.name;
            EXPECT_EQ(lineCount(again.taken()), 0) << row.name;
        } else if (directoryInPlace) {
            EXPECT_TRUE(std::filesystem::is_directory(path)) << row.name;
        } else {
            EXPECT_EQ(readBytes(path), before) << row.name;
        }
    }
    removeScratchDirectory(scratch);
}

TEST(SettingsFile, TheFirstWriteMakesThePrivateDirectory)
{
    const std::string scratch = makeScratchDirectory();
    Report report;
    StoredSettings stored = readSettingsFile(scratch + "/deep/er/tessaron/tessaron.conf", report.stream);
    stored.values.fullScreen = true;
    ASSERT_TRUE(writeSettingsFile(stored, report.stream));
    struct stat status {};
    ASSERT_EQ(stat((scratch + "/deep/er/tessaron").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_TRUE(readSettingsFile(stored.path, report.stream).values.fullScreen);
    report.taken();
    removeScratchDirectory(scratch);
}

}  // namespace
