// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// tessaron-lab: the headless companion of the game, for level design, tests and benchmarks.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "screens/translation.h"
#include "shell/data_paths.h"
#include "shell/language.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"
#include "tools/lab/lab_commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"rand", runRandCommand, trId("rand GRAINE NOMBRE")},
    {"level", runLevelCommand, "level N [--seed S]"},
    {"score", runScoreCommand, trId("score FICHIER")},
    {"code", runCodeCommand, trId("code TEXTE")},
    {"codes", runCodesCommand, "codes"},
    {"play", runPlayCommand, trId("play N [--seed S] [--ticks T] [--lives L] [--record FICHIER] [--levels FICHIER]")},
    {"replay", runReplayCommand, trId("replay FICHIER [--check]")},
    {"soak", runSoakCommand, "soak [--seeds K] [--ticks T]"},
    {"prove", runProveCommand, trId("prove FICHIER.tessaron-levels [--seeds K] [--ticks T]")},
};

// The commands and their arguments, on `out`. False when they could not be written.
bool printUsage(std::FILE* out)
{
    std::fputs(tr("Usage : tessaron-lab COMMANDE ...\n"), out);
    for (const Command& command : kCommands) std::fprintf(out, "  tessaron-lab %s\n", tr(command.usage));
    std::fprintf(out, "  tessaron-lab -h | --help\n");
    return std::fflush(out) == 0 && !std::ferror(out);
}

int usage()
{
    printUsage(stderr);
    return 2;
}

}  // namespace

const char* optionText(int argc, char** argv, const char* name)
{
    for (int i = 0; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
    }
    return nullptr;
}

long optionValue(int argc, char** argv, const char* name, long fallback)
{
    const char* text = optionText(argc, argv, name);
    return text != nullptr ? std::strtol(text, nullptr, 10) : fallback;
}

int main(int argc, char** argv)
{
    findExeDir();
    startLanguage(chooseLocaleDir(shellState.exeDir), languageSetting(settingsFilePath()));
    if (argc < 2) return usage();
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        if (printUsage(stdout)) return 0;
        std::fputs(tr("tessaron-lab : impossible d'écrire l'aide sur la sortie standard\n"), stderr);
        return 1;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        const int status = command.run(argc - 2, argv + 2);
        // What a full disk or a closed pipe refused is a failure, never a silent success.
        if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
        std::fputs(tr("tessaron-lab : impossible d'écrire sur la sortie standard\n"), stderr);
        return status == 0 ? 1 : status;
    }
    return usage();
}
