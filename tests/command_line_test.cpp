// The command line (what each argument list asks for, and the exit status and stream of the
// answer) and the choice of a video driver that shows the game.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/video_driver.h"

namespace {

CommandLine parse(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "tessaron");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

// Everything written to a stream by `answerCommandLine`.
std::string readBack(std::FILE* stream)
{
    std::rewind(stream);
    std::string text;
    for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) text += static_cast<char>(c);
    return text;
}

TEST(CommandLine, EachArgumentListAsksForOneAction)
{
    struct Case {
        std::vector<const char*> arguments;
        CommandLineAction action;
        const char* refusalMentions;
    };
    const Case cases[] = {
        {{}, CommandLineAction::Play, ""},
        {{"--help"}, CommandLineAction::ShowHelp, ""},
        {{"--version"}, CommandLineAction::ShowVersion, ""},
        {{"--version", "--help"}, CommandLineAction::ShowHelp, ""},
        {{"--help", "--verbose"}, CommandLineAction::Refuse, "--verbose"},
        {{"-h"}, CommandLineAction::Refuse, "-h"},
        {{"--HELP"}, CommandLineAction::Refuse, "--HELP"},
        {{"--help="}, CommandLineAction::Refuse, "--help="},
        {{"niveau7"}, CommandLineAction::Refuse, "niveau7"},
        {{""}, CommandLineAction::Refuse, "inattendu"},
        {{"-"}, CommandLineAction::Refuse, "inattendu"},
    };
    for (const Case& c : cases) {
        const CommandLine command = parse(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments[0];
        EXPECT_EQ(command.action, c.action) << shown;
        EXPECT_NE(command.refusal.find(c.refusalMentions), std::string::npos) << command.refusal;
    }
}

TEST(CommandLine, AnswersGoToTheRightStreamWithTheRightStatus)
{
    struct Case {
        std::vector<const char*> arguments;
        int status;
        bool onOut;
        const char* mentions;
    };
    const Case cases[] = {
        {{"--help"}, 0, true, "--version"},
        {{"--version"}, 0, true, "tessaron " TESSARON_VERSION "\n"},
        {{"--jouer"}, 2, false, "Usage : tessaron"},
    };
    for (const Case& c : cases) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        ASSERT_NE(out, nullptr);
        ASSERT_NE(err, nullptr);
        EXPECT_EQ(answerCommandLine(parse(c.arguments), out, err), c.status) << c.arguments[0];
        const std::string written = readBack(c.onOut ? out : err);
        const std::string silent = readBack(c.onOut ? err : out);
        EXPECT_NE(written.find(c.mentions), std::string::npos) << written;
        EXPECT_EQ(silent, "") << c.arguments[0];
        std::fclose(out);
        std::fclose(err);
    }
}

TEST(VideoDriver, OnlyADisplayOrADriverAskedForShowsTheGame)
{
    struct Case {
        const char* driver;
        const char* requested;
        bool shows;
    };
    const Case cases[] = {
        {"x11", nullptr, true},           {"wayland", "wayland", true},
        {"offscreen", nullptr, false},    {"dummy", nullptr, false},
        {"offscreen", "x11", false},      {"offscreen", "x11,wayland", false},
        {"dummy", "dummy", true},         {"offscreen", "wayland,offscreen", true},
        {"dummy", "dummyx", false},       {"dummy", ",", false},
        {nullptr, nullptr, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(videoDriverShowsGame(c.driver, c.requested), c.shows)
            << (c.driver ? c.driver : "null") << " / " << (c.requested ? c.requested : "unset");
    }
}

}  // namespace
