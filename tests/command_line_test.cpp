// What each command line asks for, and which video drivers show the game. The answers'
// streams and exit statuses are checked on the real game by e2e_command_line.sh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/video_driver.h"

TEST(CommandLine, EachArgumentListAsksForOneAction)
{
    using A = CommandLineAction;
    const struct {
        std::vector<const char*> arguments;
        A action;
        const char* refusalMentions;
    } cases[] = {
        {{}, A::Play, ""},
        {{"--version", "--help"}, A::ShowHelp, ""},
        {{"--version", "--version"}, A::ShowVersion, ""},
        {{"--help", "--verbose"}, A::Refuse, "option inconnue : --verbose"},
        {{"--HELP"}, A::Refuse, "--HELP"},
        {{"--help="}, A::Refuse, "--help="},
        {{"niveau7"}, A::Refuse, "argument inattendu : niveau7"},
        {{"-"}, A::Refuse, "argument inattendu"},
        {{""}, A::Refuse, "argument inattendu"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv = c.arguments;
        argv.insert(argv.begin(), "tessaron");
        const CommandLine command = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(command.action, c.action) << argv.size();
        EXPECT_NE(command.refusal.find(c.refusalMentions), std::string::npos) << command.refusal;
    }
}

TEST(VideoDriver, OnlyADisplayOrADriverAskedForShowsTheGame)
{
    const struct {
        const char* driver;
        const char* requested;
        bool shows;
    } cases[] = {
        {"x11", nullptr, true},        {"wayland", "wayland", true},    {"offscreen", nullptr, false},
        {"dummy", nullptr, false},     {"offscreen", "x11,wayland", false},
        {"dummy", "dummy", true},      {"offscreen", "wayland,offscreen", true},
        {"dummy", "dummyx", false},    {"dummy", ",", false},           {nullptr, nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(videoDriverShowsGame(c.driver, c.requested), c.shows)
            << (c.driver ? c.driver : "null") << " / " << (c.requested ? c.requested : "unset");
}
