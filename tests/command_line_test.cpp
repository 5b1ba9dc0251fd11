// The command line: options read left to right, help outranking version outranking a replay,
// and the first unknown argument or a replay without its file refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "shell/command_line.h"

TEST(CommandLine, TheStrongestOptionAnswersAndAnythingUnknownIsRefused)
{
    using A = CommandLineAction;
    const struct {
        std::vector<const char*> arguments;
        A action;
        std::string refusal, replay;
    } cases[] = {
        {{}, A::Play, "", ""},
        {{"--replay", "a b.replay"}, A::WatchReplay, "", "a b.replay"},
        {{"--replay", "x", "--version"}, A::ShowVersion, "", "x"},
        {{"--version", "--help", "--replay", "--help"}, A::ShowHelp, "", "--help"},
        {{"--help", "--replay"}, A::Refuse, "fichier manquant après --replay", ""},
        {{"--help", "-x"}, A::Refuse, "option inconnue : -x", ""},
        {{"-"}, A::Refuse, "argument inattendu : -", ""},
        {{"", "--help"}, A::Refuse, "argument inattendu : ", ""},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"tessaron"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const CommandLine command = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(std::tie(command.action, command.refusal, command.replayPath), std::tie(c.action, c.refusal, c.replay))
            << c.refusal << c.replay;
    }
    // The help lists each option once, its text in one column.
    const std::string help = commandLineHelp();
    for (const char* option : {"  --replay    FICHIER", "  --help      affiche", "  --version   affiche"})
        EXPECT_TRUE(help.find(option) != std::string::npos && help.find(option) == help.rfind(option)) << option;
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 8);
}
