// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The command line: options read left to right, help outranking version outranking a replay,
// and the first unknown argument or a replay without its file refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <sys/stat.h>
#include <fcntl.h>

#include "game/game_state.h"
#include "game/replay.h"
#include "game/replay_recorder.h"
#include "game/window_events.h"
#include "scratch_files.h"
#include "shell/command_line.h"
#include "shell/replay_file.h"
#include "shell/replay_store.h"
#include "tests/fake_platform.h"

TEST(CommandLine, TheStrongestOptionAnswersAndAnythingUnknownIsRefused)
{
    using A = CommandLineAction;
    // The arguments, then the action, the refusal and the replay's path.
    const std::tuple<std::vector<const char*>, A, std::string, std::string> cases[] = {
        {{}, A::Play, "", ""},
        {{"--replay", "a b.replay"}, A::WatchReplay, "", "a b.replay"},
        {{"--replay=a=b.replay"}, A::WatchReplay, "", "a=b.replay"},
        {{"--replay="}, A::Refuse, "fichier manquant après --replay", ""},
        {{"--replay-last"}, A::WatchLastReplay, "", ""},
        {{"--levels", "a.tessaron-levels", "--replay=b"}, A::WatchReplay, "", "b"},
        {{"--levels"}, A::Refuse, "fichier manquant après --levels", ""},
        {{"--replay-last=x"}, A::Refuse, "option inconnue : --replay-last=x", ""},
        {{"--help=x"}, A::Refuse, "option inconnue : --help=x", ""},
        {{"--replay-last", "-h"}, A::ShowHelp, "", ""},
        {{"-hh"}, A::Refuse, "option inconnue : -hh", ""},
        {{"--replay", "x", "--version"}, A::ShowVersion, "", "x"},
        {{"--version", "--help", "--replay", "--help"}, A::ShowHelp, "", "--help"},
        {{"--help", "--replay"}, A::Refuse, "fichier manquant après --replay", ""},
        {{"--help", "-x"}, A::Refuse, "option inconnue : -x", ""},
        {{"-"}, A::Refuse, "argument inattendu : -", ""},
        {{"", "--help"}, A::Refuse, "argument inattendu : ", ""},
        {{"--edit"}, A::EditLevels, "", ""},
        {{"--edit", "--help"}, A::ShowHelp, "", ""},
        {{"--edit", "-"}, A::Refuse, "argument inattendu : -", ""},
        {{"--edit", "a", "b"}, A::Refuse, "argument inattendu : b", ""},
        {{"--edit", "a", "--replay", "b"}, A::Refuse, "l'éditeur s'ouvre seul, sans partie à revoir : --replay", ""},
        {{"--replay-last", "--edit"}, A::Refuse, "l'éditeur s'ouvre seul, sans partie à revoir : --edit", ""},
        {{"--edit="}, A::Refuse, "fichier manquant après --edit", ""},
    };
    for (const auto& [arguments, action, refusal, replay] : cases) {
        std::vector<const char*> argv{"tessaron"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        const CommandLine command = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(std::tie(command.action, command.refusal, command.replayPath), std::tie(action, refusal, replay));
    }
    const char* withLevels[] = {"tessaron", "--levels=mes niveaux.tessaron-levels"};
    EXPECT_EQ(parseCommandLine(2, withLevels).levelsPath, "mes niveaux.tessaron-levels");
    // --edit takes the next argument as its file unless it is an option.
    const std::pair<std::vector<const char*>, const char*> edits[] = {
        {{"tessaron", "--edit", "a b"}, "a b"}, {{"tessaron", "--edit=-c"}, "-c"}, {{"tessaron", "--edit", "-h"}, ""}};
    for (const auto& [argv, path] : edits)
        EXPECT_EQ(parseCommandLine(static_cast<int>(argv.size()), argv.data()).editPath, path);
    // The help lists each option once, its text in one column.
    const std::string help = commandLineHelp();
    for (const char* option : {"  --replay        FICHIER", "  --replay-last   rejoue", "  -h, --help      affiche",
                               "  --version       affiche", "  --levels        FICHIER", "  --edit          [FICHIER]"})
        EXPECT_TRUE(help.find(option) != std::string::npos && help.find(option) == help.rfind(option)) << option;
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 12);
}

// Help and version succeed only when their answer was written: into a full device they fail
// with the reason on the error stream, and a refusal is told on the error stream alone.
TEST(CommandLine, AnAnswerThatCannotBeWrittenFails)
{
    using A = CommandLineAction;
    // The answer, where it is written, the status; the error stream speaks exactly when the status is not 0.
    const std::tuple<A, const char*, int> cases[] = {
        {A::ShowHelp, "/dev/null", 0},    {A::ShowVersion, "/dev/null", 0}, {A::ShowHelp, "/dev/full", 1},
        {A::ShowVersion, "/dev/full", 1}, {A::Refuse, "/dev/full", 2},
    };
    for (const auto& [action, device, status] : cases) {
        std::FILE* out = std::fopen(device, "w");
        std::FILE* err = std::tmpfile();
        ASSERT_TRUE(out != nullptr && err != nullptr);
        CommandLine command;
        command.action = action;
        EXPECT_EQ(answerCommandLine(command, out, err), status) << device;
        EXPECT_EQ(std::ftell(err) > 0, status != 0) << device;
        std::fclose(out);
        std::fclose(err);
    }
}

// --replay-last watches the replay of the store written last, by the files' times, never the
// record's copy nor another file; one the game refuses is told and the one before it tried; an
// empty or missing store is told and refused.
TEST(CommandLine, TheLastReplayIsTheLastWrittenThatPlays)
{
    const std::string dir = makeScratchDirectory();
    const auto choose = [&](const std::string& directory) {
        CommandLine command;
        command.action = CommandLineAction::WatchLastReplay;
        std::FILE* err = std::tmpfile();
        const bool chosen = chooseLastReplay(command, directory, err);
        const long told = std::ftell(err);
        std::fclose(err);
        EXPECT_EQ(command.action, chosen ? CommandLineAction::WatchReplay : CommandLineAction::WatchLastReplay);
        return std::pair(chosen ? command.replayPath.substr(dir.size() + 1) : "", told > 0);
    };
    resetWorld();
    gameWindowNewGame();
    endRecording();
    const std::string good = encodeReplay(replay.start, replay.stream);
    EXPECT_EQ(choose(dir + "/absent"), std::pair(std::string(), true));
    EXPECT_EQ(choose(""), std::pair(std::string(), true));
    writeBytes(dir + "/" + kRecordReplayName, good);
    writeBytes(dir + "/notes.txt", good);
    EXPECT_EQ(choose(dir), std::pair(std::string(), true));
    // name's date, file's time, content; then what is chosen and whether a refusal was told
    const std::tuple<std::time_t, std::time_t, bool> files[] = {
        {4070908800, 1700000000, true},   // dated 2099 by a wrong clock, written long ago
        {1750000000, 1750000000, true},   // the last good one
        {1760000000, 1800000000, false},  // the newest, broken
    };
    for (const auto& [named, written, plays] : files) {
        const std::string path = dir + "/" + replayFileName(named, 2, 10);
        writeBytes(path, plays ? good : "broken");
        const timespec times[2] = {{0, UTIME_OMIT}, {written, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
    EXPECT_EQ(choose(dir), std::pair(replayFileName(1750000000, 2, 10), true));
    std::filesystem::remove(dir + "/" + replayFileName(1760000000, 2, 10));
    EXPECT_EQ(choose(dir), std::pair(replayFileName(1750000000, 2, 10), false));
    removeScratchDirectory(dir);
}

// Two replays to watch at once cannot be honoured: refused, whatever their order.
TEST(CommandLine, TwoReplaysToWatchAreRefused)
{
    const std::vector<std::vector<const char*>> lines = {{"tessaron", "--replay-last", "--replay", "a.replay"},
                                                         {"tessaron", "--replay=a.replay", "--replay-last"},
                                                         {"tessaron", "--replay", "a", "--replay", "b"},
                                                         {"tessaron", "--replay-last", "--replay-last"}};
    for (const auto& line : lines) {
        EXPECT_EQ(parseCommandLine(static_cast<int>(line.size()), line.data()).action, CommandLineAction::Refuse)
            << line[1];
    }
}
