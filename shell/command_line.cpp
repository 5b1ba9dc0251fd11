// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's command line: a table of the options it knows, read left to right.
#include "shell/command_line.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "screens/translation.h"
#include "shell/printable_path.h"
#include "shell/replay_file.h"
#include "shell/replay_store.h"

#ifndef TESSARON_VERSION
#define TESSARON_VERSION "inconnue"
#endif

namespace {

struct CommandLineOption {
    std::string_view name;
    std::string_view shortName;  // "" when the option has none
    CommandLineAction action;
    std::string_view help;
    bool takesFile = false;     // the next argument, or the text after '=', is the option's file
    bool fileOptional = false;  // the next argument is its file only when it is not an option
};

constexpr std::array<CommandLineOption, 6> kOptions = {{
    {"--replay", "", CommandLineAction::WatchReplay, trId("FICHIER : rejoue une partie enregistrée"), true},
    {"--levels", "", CommandLineAction::Play, trId("FICHIER : joue ce jeu de niveaux"), true},
    {"--replay-last", "", CommandLineAction::WatchLastReplay, trId("rejoue la dernière partie jouée")},
    {"--edit", "", CommandLineAction::EditLevels, trId("[FICHIER] : ouvre l'éditeur de niveaux"), true, true},
    {"--help", "-h", CommandLineAction::ShowHelp, trId("affiche cette aide et quitte")},
    {"--version", "", CommandLineAction::ShowVersion, trId("affiche la version et quitte")},
}};

// Help outranks version when both are given, as most programs do.
int priority(CommandLineAction action)
{
    switch (action) {
    case CommandLineAction::ShowHelp: return 3;
    case CommandLineAction::ShowVersion: return 2;
    case CommandLineAction::WatchReplay:
    case CommandLineAction::WatchLastReplay:
    case CommandLineAction::EditLevels: return 1;
    default: return 0;
    }
}

constexpr const char* kUsage = trId(
    "Usage : tessaron [-h | --help | --version | --replay FICHIER | --replay-last | --levels FICHIER |\n"
    "                   --edit [FICHIER]]\n");

// The option an argument names, by its long or short name, or "--replay=FILE" for an option
// that takes a file (`attached` then holds FILE).
const CommandLineOption* findOption(std::string_view argument, std::string_view& attached, bool& hasAttached)
{
    for (const CommandLineOption& option : kOptions) {
        if (argument == option.name || (!option.shortName.empty() && argument == option.shortName)) return &option;
        if (option.takesFile && argument.size() > option.name.size() &&
            argument.substr(0, option.name.size()) == option.name && argument[option.name.size()] == '=') {
            attached = argument.substr(option.name.size() + 1);
            hasAttached = true;
            return &option;
        }
    }
    return nullptr;
}

CommandLine refusal(std::string reason)
{
    CommandLine command;
    command.action = CommandLineAction::Refuse;
    command.refusal = std::move(reason);
    return command;
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    CommandLine command;
    bool watchAsked = false;
    bool editAsked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i] != nullptr ? argv[i] : "";
        std::string_view attached;
        bool hasAttached = false;
        const CommandLineOption* known = findOption(argument, attached, hasAttached);
        if (known == nullptr) {
            return refusal(argument.size() > 1 && argument[0] == '-'
                               ? tr("option inconnue : ") + std::string(argument)
                               : tr("argument inattendu : ") + std::string(argument));
        }
        if (known->takesFile) {
            const std::string name(known->name);
            std::string& path = known->action == CommandLineAction::Play         ? command.levelsPath
                                : known->action == CommandLineAction::EditLevels ? command.editPath
                                                                                 : command.replayPath;
            const bool nextIsFile = i + 1 < argc && argv[i + 1] != nullptr && argv[i + 1][0] != '-';
            if (hasAttached) {
                if (attached.empty()) return refusal(tr("fichier manquant après ") + name);
                path = std::string(attached);
            } else if (known->fileOptional) {
                if (nextIsFile) path = argv[++i];
            } else {
                if (i + 1 >= argc || argv[i + 1] == nullptr) return refusal(tr("fichier manquant après ") + name);
                path = argv[++i];
            }
        }
        // One replay to watch or one set to edit: a second one named, or both kinds, cannot be honoured.
        const bool watches = priority(known->action) == 1;
        if (watches && watchAsked) {
            const bool edits = known->action == CommandLineAction::EditLevels || editAsked;
            return refusal((edits ? tr("l'éditeur s'ouvre seul, sans partie à revoir : ")
                                  : tr("une seule partie à revoir à la fois : ")) +
                           std::string(argument));
        }
        editAsked = editAsked || known->action == CommandLineAction::EditLevels;
        watchAsked = watchAsked || watches;
        if (priority(known->action) > priority(command.action)) command.action = known->action;
    }
    return command;
}

std::string commandLineHelp()
{
    std::string text =
        std::string(tr(kUsage)) + tr("Casse-briques : déplacez la raquette à la souris, cliquez pour lancer la balle.\n"
                                     "Sans option, le jeu s'ouvre sur son menu.\n\n"
                                     "Options :\n");
    for (const CommandLineOption& option : kOptions) {
        std::string line =
            "  " + (option.shortName.empty() ? "" : std::string(option.shortName) + ", ") + std::string(option.name);
        line.resize(18, ' ');
        text += line + tr(std::string(option.help).c_str()) + "\n";
    }
    return text;
}

int answerCommandLine(const CommandLine& command, std::FILE* out, std::FILE* err)
{
    switch (command.action) {
    case CommandLineAction::ShowHelp:
    case CommandLineAction::ShowVersion: {
        const std::string answer = command.action == CommandLineAction::ShowHelp
                                       ? commandLineHelp()
                                       : std::string("tessaron ") + TESSARON_VERSION + "\n";
        // An answer that never reached its reader (a full disk, a closed pipe) is a failure.
        errno = 0;
        const bool written = std::fputs(answer.c_str(), out) >= 0 && std::fflush(out) == 0 && !std::ferror(out);
        if (written) return 0;
        std::fprintf(err, tr("tessaron : impossible d'écrire la réponse sur la sortie standard : %s\n"),
                     errno != 0 ? systemErrorText(errno).c_str() : tr("erreur d'écriture"));
        return 1;
    }
    case CommandLineAction::Refuse:
        std::fprintf(err, tr("tessaron : %s\n%sEssayez « tessaron --help » pour la liste des options.\n"),
                     command.refusal.c_str(), tr(kUsage));
        return 2;
    case CommandLineAction::Play:
    case CommandLineAction::EditLevels:
    case CommandLineAction::WatchReplay:
    case CommandLineAction::WatchLastReplay: break;
    }
    return 0;
}

bool chooseLastReplay(CommandLine& command, const std::string& directory, std::FILE* err)
{
    // The last game written that this build can play: a refused one is told and the one
    // before it tried.
    for (const std::string& path : directory.empty() ? std::vector<std::string>{} : replaysNewestFirst(directory)) {
        ReplayStart start;
        std::string stream;
        std::string reason;
        if (loadReplay(path, start, stream, reason)) {
            command.action = CommandLineAction::WatchReplay;
            command.replayPath = path;
            return true;
        }
        std::fprintf(err, tr("tessaron : %s : %s\n"), printablePath(path).c_str(), reason.c_str());
    }
    std::fprintf(err, tr("tessaron : aucune partie enregistrée à revoir%s%s\n"), directory.empty() ? "" : tr(" dans "),
                 printablePath(directory).c_str());
    return false;
}
