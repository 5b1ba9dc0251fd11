// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// built-in-levels SET OUTPUT: reads the built-in set's text with the game's own reader and
// writes the C++ table of its boards (game/built_in_levels.h). A set the reader refuses, or one
// that does not hold exactly kLevelCount levels, fails the build with the reader's line.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "game/level_set.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Usage : built-in-levels JEU.tessaron-levels SORTIE.cpp\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    LevelSet set;
    std::string refusal;
    if (!in || !readLevelSet(text.str(), set, refusal)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], in ? refusal.c_str() : "illisible");
        return 1;
    }
    if (set.levels.size() != static_cast<std::size_t>(kLevelCount)) {
        std::fprintf(stderr, "%s: %zu niveaux, le jeu en attend %d\n", argv[1], set.levels.size(), kLevelCount);
        return 1;
    }
    std::string out = "// Made by tools/built-in-levels from resources/built-in.tessaron-levels: edit that file.\n";
    out += "#include \"game/built_in_levels.h\"\n\nnamespace {\n";
    for (std::size_t level = 0; level < set.levels.size(); ++level) {
        out += "constexpr Brick kLevel" + std::to_string(level + 1) + "[] = {\n";
        for (const Brick& b : set.levels[level].entries) {
            out += "    {" + std::to_string(b.x) + ", " + std::to_string(b.y) + ", " + std::to_string(b.kind) + ", " +
                   std::to_string(b.group) + "},\n";
        }
        out += "};\n";
    }
    out += "}  // namespace\n\nconst BuiltInBoard kBuiltInBoards[kLevelCount] = {\n";
    for (std::size_t level = 1; level <= set.levels.size(); ++level) {
        const std::string name = "kLevel" + std::to_string(level);
        out += "    {" + name + ", static_cast<int>(sizeof " + name + " / sizeof " + name + "[0])},\n";
    }
    out += "};\n";
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out;
    file.close();
    if (!file) {
        std::fprintf(stderr, "built-in-levels : impossible d'écrire %s\n", argv[2]);
        return 1;
    }
    return 0;
}
