// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The command line: options read left to right, help outranking version outranking a replay,
// and the first unknown argument or a replay without its file refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "scratch_files.h"
#include "shell/command_line.h"
#include "shell/replay_store.h"

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
    };
    for (const auto& [arguments, action, refusal, replay] : cases) {
        std::vector<const char*> argv{"tessaron"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        const CommandLine command = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(std::tie(command.action, command.refusal, command.replayPath), std::tie(action, refusal, replay));
    }
    // The help lists each option once, its text in one column.
    const std::string help = commandLineHelp();
    for (const char* option : {"  --replay        FICHIER", "  --replay-last   rejoue", "  -h, --help      affiche",
                               "  --version       affiche"})
        EXPECT_TRUE(help.find(option) != std::string::npos && help.find(option) == help.rfind(option)) << option;
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 9);
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

// --replay-last watches the newest dated replay of the store, never the record's copy nor
// another file; an empty or missing store is told and refused.
TEST(CommandLine, TheLastReplayIsTheNewestDatedOne)
{
    const std::string dir = makeScratchDirectory();
    const auto choose = [&](const std::string& directory) {
        CommandLine command;
        command.action = CommandLineAction::WatchLastReplay;
        std::FILE* err = std::tmpfile();
        const bool chosen = chooseLastReplay(command, directory, err);
        EXPECT_EQ(std::ftell(err) > 0, !chosen);
        std::fclose(err);
        EXPECT_EQ(command.action, chosen ? CommandLineAction::WatchReplay : CommandLineAction::WatchLastReplay);
        return chosen ? command.replayPath : "";
    };
    EXPECT_EQ(choose(dir + "/absent"), "");
    EXPECT_EQ(choose(""), "");
    writeBytes(dir + "/" + kRecordReplayName, "r");
    writeBytes(dir + "/notes.txt", "r");
    EXPECT_EQ(choose(dir), "");
    const std::time_t times[] = {1700000000, 1800000000, 1750000000};
    for (const std::time_t when : times) writeBytes(dir + "/" + replayFileName(when, 2, 10), "r");
    EXPECT_EQ(choose(dir), dir + "/" + replayFileName(1800000000, 2, 10));
    removeScratchDirectory(dir);
}
