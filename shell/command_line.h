// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's command line: with no argument the game starts; --help (-h) and --version answer
// and end; --replay FILE (or --replay=FILE) shows a recorded game, --replay-last the newest one
// of the replay store; --levels FILE opens the menu on a set of levels of the player's own;
// --edit [FILE] opens the level editor on a set (a new one without FILE); anything else is
// refused with the usage.
#pragma once
#include <cstdio>
#include <string>

enum class CommandLineAction { Play, WatchReplay, WatchLastReplay, EditLevels, ShowHelp, ShowVersion, Refuse };

// What the command line asks for. New options add their fields here.
struct CommandLine {
    CommandLineAction action = CommandLineAction::Play;
    std::string refusal;     // the short French reason, when action is Refuse
    std::string replayPath;  // the recorded game to show, when action is WatchReplay
    std::string levelsPath;  // the set of levels to play (--levels), "" for none
    std::string editPath;    // the set of levels to edit (--edit), "" for a new one
};

// Reads the arguments after the program's name (argv[1] .. argv[argc - 1]).
CommandLine parseCommandLine(int argc, const char* const* argv);

// The usage and options, as --help prints them.
std::string commandLineHelp();

// Prints the answer to a command line that does not start the game (help and version on
// `out`, a refusal and the usage on `err`) and gives the process's exit status: 0, 2 for a
// refusal, 1 when `out` cannot be written (with the reason on `err`).
int answerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err);

// Turns --replay-last into the replay to watch: the newest dated replay of `directory`.
// Without one, says so on `err` and returns false.
bool chooseLastReplay(CommandLine& command, const std::string& directory, std::FILE* err);
