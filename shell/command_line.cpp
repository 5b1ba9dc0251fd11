// The game's command line: a table of the options it knows, read left to right.
#include "shell/command_line.h"

#include <array>
#include <string_view>

#ifndef TESSARON_VERSION
#define TESSARON_VERSION "inconnue"
#endif

namespace {

struct CommandLineOption {
    std::string_view name;
    CommandLineAction action;
    std::string_view help;
    bool takesFile = false;  // the next argument is the option's file
};

constexpr std::array<CommandLineOption, 3> kOptions = {{
    {"--replay", CommandLineAction::WatchReplay, "FICHIER : rejoue une partie enregistrée", true},
    {"--help", CommandLineAction::ShowHelp, "affiche cette aide et quitte"},
    {"--version", CommandLineAction::ShowVersion, "affiche la version et quitte"},
}};

// Help outranks version when both are given, as most programs do.
int priority(CommandLineAction action)
{
    switch (action) {
    case CommandLineAction::ShowHelp: return 3;
    case CommandLineAction::ShowVersion: return 2;
    case CommandLineAction::WatchReplay: return 1;
    default: return 0;
    }
}

constexpr const char* kUsage = "Usage : tessaron [--help | --version | --replay FICHIER]\n";

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    CommandLine command;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i] != nullptr ? argv[i] : "";
        const CommandLineOption* known = nullptr;
        for (const CommandLineOption& option : kOptions)
            if (option.name == argument) known = &option;
        if (known == nullptr) {
            command.action = CommandLineAction::Refuse;
            command.refusal = argument.size() > 1 && argument[0] == '-'
                                  ? "option inconnue : " + std::string(argument)
                                  : "argument inattendu : " + std::string(argument);
            return command;
        }
        if (known->takesFile) {
            if (i + 1 >= argc || argv[i + 1] == nullptr) {
                command.action = CommandLineAction::Refuse;
                command.refusal = "fichier manquant après " + std::string(argument);
                return command;
            }
            command.replayPath = argv[++i];
        }
        if (priority(known->action) > priority(command.action)) command.action = known->action;
    }
    return command;
}

std::string commandLineHelp()
{
    std::string text = std::string(kUsage) +
        "Casse-briques : déplacez la raquette à la souris, cliquez pour lancer la balle.\n"
        "Sans option, le jeu s'ouvre sur son menu.\n\n"
        "Options :\n";
    for (const CommandLineOption& option : kOptions) {
        std::string line = "  " + std::string(option.name);
        line.resize(14, ' ');
        text += line + std::string(option.help) + "\n";
    }
    return text;
}

int answerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err)
{
    switch (command.action) {
    case CommandLineAction::ShowHelp:
        std::fputs(commandLineHelp().c_str(), out);
        return 0;
    case CommandLineAction::ShowVersion:
        std::fprintf(out, "tessaron %s\n", TESSARON_VERSION);
        return 0;
    case CommandLineAction::Refuse:
        std::fprintf(err, "tessaron : %s\n%sEssayez « tessaron --help » pour la liste des options.\n",
                     command.refusal.c_str(), kUsage);
        return 2;
    case CommandLineAction::Play:
    case CommandLineAction::WatchReplay:
        break;
    }
    return 0;
}
