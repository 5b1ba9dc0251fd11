// The commands of tessaron-lab; each takes the arguments after its name and returns the
// process's exit status.
#pragma once

// rand SEED COUNT: COUNT values of the game's generator seeded with SEED, one a line.
int runRandCommand(int argc, char** argv);

// level N [--seed S]: the board of level N, one line per brick: INDEX X Y KIND GROUP.
int runLevelCommand(int argc, char** argv);

// Reads an integer option "--name VALUE" from the arguments, or returns `fallback`.
long optionValue(int argc, char** argv, const char* name, long fallback);
