// The game's command line: with no argument the game starts; --help and --version answer and
// end; --replay FILE shows a recorded game; anything else is refused with the usage.
#pragma once
#include <cstdio>
#include <string>

enum class CommandLineAction { Play, WatchReplay, ShowHelp, ShowVersion, Refuse };

// What the command line asks for. New options add their fields here.
struct CommandLine {
    CommandLineAction action = CommandLineAction::Play;
    std::string refusal;     // the short French reason, when action is Refuse
    std::string replayPath;  // the recorded game to show, when action is WatchReplay
};

// Reads the arguments after the program's name (argv[1] .. argv[argc - 1]).
CommandLine parseCommandLine(int argc, const char* const* argv);

// The usage and options, as --help prints them.
std::string commandLineHelp();

// Prints the answer to a command line that does not start the game (help and version on
// `out`, a refusal and the usage on `err`) and gives the process's exit status: 0 or 2.
int answerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err);
