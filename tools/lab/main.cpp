// tessaron-lab: the headless companion of the game, for level design, tests and benchmarks.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/lab/lab_commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"rand", runRandCommand, "rand SEED COUNT"},
    {"level", runLevelCommand, "level N [--seed S]"},
    {"score", runScoreCommand, "score FILE"},
    {"code", runCodeCommand, "code TEXT"},
    {"codes", runCodesCommand, "codes"},
    {"play", runPlayCommand, "play N [--seed S] [--ticks T] [--lives L] [--record FILE]"},
    {"replay", runReplayCommand, "replay FILE [--check]"},
    {"soak", runSoakCommand, "soak [--seeds K] [--ticks T]"},
};

int usage()
{
    std::fprintf(stderr, "usage: tessaron-lab COMMAND ...\n");
    for (const Command& command : kCommands) std::fprintf(stderr, "  tessaron-lab %s\n", command.usage);
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
    if (argc < 2) return usage();
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) return command.run(argc - 2, argv + 2);
    }
    return usage();
}
